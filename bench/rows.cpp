#include "rows.h"

#include "inputs.h"

#include <reel/core/bundle.h>
#include <reel/core/paths.h>
#include <reel/plist/codec.h>
#include <reel/files/listing.h>
#include <reel/files/presence.h>
#include <reel/files/sizes.h>
#include <reel/media/eyetvimovie.h>
#include <reel/prefs/plistfiles.h>
#include <reel/strings/rewriting.h>
#include <reel/strings/transforms.h>
#include <reel/task/pipeline.h>
#include <reel/text/reading.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace bench {

namespace {

constexpr qint64 kToolOutputBytes = 100'000'000; // captured twice over: 200 MB
constexpr int kTrivialRuns = 1000;
constexpr int kTrivialSlices = 10; // of kTrivialRuns / kTrivialSlices runs, each side in turn
constexpr int kPresencePaths = 1000;
constexpr int kPresenceRounds = 200; // 200 000 tests
constexpr int kPlistEntries = 5000; // N; the larger row has 4N
constexpr int kCatalogueEntries = 21300; // about 10 MB as a binary property list
constexpr int kWideEntries = 200000;
constexpr qint64 kSpacedBytes = 10'000'000;
constexpr qint64 kProseBytes = 100'000'000;
constexpr int kStartUpRuns = 20;
constexpr int kCardClips = 200; // the smaller card has a quarter of them
constexpr qint64 kCardClipBytes = qint64(16) << 20; // a few seconds of AVCHD
constexpr int kPlistAttributes = 100000; // on <plist>: about 1 MB
constexpr int kPlistAttlists = 50000;    // declarations in the DOCTYPE: about 1.5 MB
constexpr qint64 kSparseBytes = qint64(1) << 30;
constexpr qint64 kFloodBytes = qint64(2) << 30; // written by the tool
constexpr qint64 kFloodLimit = qint64(256) << 20; // what the run takes of it

// The two trees: folders of folders of files, kMarker in every tenth name.
struct TreeShape {
    const char *name;
    int top, sub, files;
    int maxFileBytes; // the files of the large tree are empty: it must fit where the small one does
    qint64 count() const { return qint64(top) * sub * files; }
};
constexpr TreeShape kSmallTree{"tree-100k", 20, 10, 500, 512};
constexpr TreeShape kLargeTree{"tree-1m", 50, 20, 1000, 0};

const char *const kPythonCapture = R"(
import subprocess, sys
expected = int(sys.argv[1])
r = measure(lambda: subprocess.run(sys.argv[2:], capture_output=True, text=True))
assert r.returncode == 0 and len(r.stdout) == expected, (r.returncode, len(r.stdout), expected)
)";

const char *const kPythonCollapse = R"(
import re, sys
s = open(sys.argv[1], encoding='utf-8').read()
n = measure(lambda: len(re.sub(' +', ' ', s)))
assert n == int(sys.argv[2]), (n, sys.argv[2])
)";

// The list is made and freed inside the measure, as on the toolkit's side.
const char *const kPythonSplit = R"(
import sys
s = open(sys.argv[1], encoding='utf-8').read()
n = measure(lambda: len(s.splitlines()))
assert n == int(sys.argv[2]), (n, sys.argv[2])
)";

// A refused list is no failure of the anchor: it has read the file all the
// same.
const char *const kPythonPlistRefused = R"(
import plistlib, sys
def load():
    try:
        return plistlib.load(open(sys.argv[1], 'rb'))
    except Exception:
        return None
measure(load)
)";

// The whole text read and decoded, as a script would read a file.
const char *const kPythonReadText = R"(
import sys
n = measure(lambda: len(open(sys.argv[1], encoding='utf-8').read()))
assert n == int(sys.argv[2]), (n, sys.argv[2])
)";

const char *const kPythonPlist = R"(
import plistlib, sys
value = plistlib.load(open(sys.argv[1], 'rb'))
n = measure(lambda: len(plistlib.loads(plistlib.dumps(value, fmt=plistlib.FMT_BINARY))))
assert n == int(sys.argv[2]), (n, sys.argv[2])
)";

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string str(qint64 n)
{
    return std::to_string(n);
}

void check(bool ok, const std::string &what)
{
    if (!ok)
        throw BadResult{what};
}

QString readText(const std::string &path)
{
    QFile file(q(path));
    if (!file.open(QIODevice::ReadOnly))
        throw BadResult{"cannot read " + path};
    return QString::fromUtf8(file.readAll());
}

QByteArray readFileBytes(const std::string &path)
{
    QFile file(q(path));
    if (!file.open(QIODevice::ReadOnly))
        throw BadResult{"cannot read " + path};
    return file.readAll();
}

// Runs one after the other, as one: times, CPU and faults added, the larger
// peak.
Sample sum(const std::vector<Sample> &samples)
{
    Sample total;
    total.usage = Usage{0, 0, 0, 0};
    for (const Sample &s : samples) {
        if (!s.ok())
            return s;
        total.usage.wall += s.usage.wall;
        total.usage.cpu += s.usage.cpu;
        total.usage.minorFaults += s.usage.minorFaults;
        total.usage.majorFaults += s.usage.majorFaults;
        total.peakKiB = std::max(total.peakKiB, s.peakKiB);
    }
    return total;
}

std::vector<std::string> words(const std::string &line)
{
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// Why the file system of folder cannot take files more items, or "".
std::string lacksRoomFor(const std::string &folder, qint64 files, qint64 bytes)
{
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0)
        return "cannot tell the free room of " + folder;
    const qint64 freeBytes = qint64(fs.f_bavail) * qint64(fs.f_frsize);
    // Some file systems make inodes as they go and report none free.
    const bool inodesCounted = fs.f_files > 0;
    if (inodesCounted && qint64(fs.f_favail) < files + files / 10)
        return "the scratch disk has " + str(qint64(fs.f_favail)) + " free inodes, " + str(files + files / 10) + " needed";
    if (freeBytes < bytes)
        return "the scratch disk has " + str(freeBytes >> 20) + " MiB free, " + str(bytes >> 20) + " MiB needed";
    return {};
}

#ifdef REELKIT_BENCH_CONVERTER
const char *const kConverter = REELKIT_BENCH_CONVERTER;
#else
const char *const kConverter = "";
#endif

} // namespace

struct Inputs {
    Inputs(const ScratchFolder &folder, std::string interpreter) : scratch(folder), python(std::move(interpreter)) {}

    const ScratchFolder &scratch;
    std::string python;
    std::string sh = tool("sh");
    std::string cat = tool("cat");
    std::string tr = tool("tr");
    std::string truePath = tool("true");
    std::string du = tool("du");
    std::string find = tool("find");
    std::string iconv = tool("iconv");
    std::string head = tool("head");
    std::string ffmpeg = tool("ffmpeg");
    std::string ffprobe = tool("ffprobe");
    std::string plistutil = tool("plistutil");
    // The conversions run on one core, on both sides: the encoder then
    // starts as many threads each time, and its CPU time varies less.
    std::string taskset = tool("taskset");

    std::optional<TextStats> toolOutput;
    std::optional<TextStats> spaced;
    std::map<std::string, TreeStats> trees;
    std::optional<ProseStats> proseUtf8;
    std::optional<ProseStats> proseWindows;
    std::map<int, bool> plists;
    std::map<int, std::string> cards; // the PLAYLIST folder by number of clips
    bool catalogueWritten = false;
    bool wideWritten = false;
    // The commands the converter ran: ffmpeg, one per pass; then the checks
    // of its output, ffprobe and ffmpeg's decode, which read the output the
    // converter left.
    std::vector<std::vector<std::string>> converterPasses;
    std::vector<std::vector<std::string>> converterChecks;

    std::string toolOutputPath() const { return scratch.file("tool-output.txt"); }
    std::string spacedPath() const { return scratch.file("spaced.txt"); }
    std::string treePath(const TreeShape &shape) const { return scratch.file(shape.name); }
    std::string prosePath(ProseEncoding encoding) const
    {
        return scratch.file(encoding == ProseEncoding::Utf8 ? "prose-utf8.txt" : "prose-windows-1252.txt");
    }
    std::optional<ProseStats> &prose(ProseEncoding encoding)
    {
        return encoding == ProseEncoding::Utf8 ? proseUtf8 : proseWindows;
    }
    void needProse(ProseEncoding encoding)
    {
        if (!prose(encoding))
            prose(encoding) = writeProse(prosePath(encoding), kProseBytes, encoding);
    }
    std::string plistPath(int entries) const { return scratch.file("catalogue-" + str(entries) + ".plist"); }
    std::string cataloguePath() const { return scratch.file("catalogue.plist"); }
    std::string catalogueXmlPath() const { return scratch.file("catalogue.xml"); }
    std::string widePath() const { return scratch.file("wide.plist"); }
    std::string wideXmlPath() const { return scratch.file("wide.xml"); }
    std::string clipPath() const { return scratch.file("clip.mp4"); }
    // The time-stamp tool of the benchmark's own bundle, which the toolkit runs.
    std::string timeStampTool() const
    {
        return reel::stringByAppendingPathComponent(reel::Bundle::main().resourcePath(), QStringLiteral("tools/gettimestamps"))
            .toStdString();
    }
    const std::string &card(int clips)
    {
        auto it = cards.find(clips);
        if (it == cards.end())
            it = cards.emplace(clips, makeCameraCard(scratch.file("card-" + str(clips)), clips, kCardClipBytes)).first;
        return it->second;
    }
    std::string convertedFolder() const { return scratch.file("converted"); }
    std::string hostilePlistPath(const std::string &shape) const { return scratch.file("hostile-" + shape + ".plist"); }
    std::string sparsePath() const { return scratch.file("sparse.txt"); }
    std::map<std::string, bool> hostilePlists;

    // An XML property list whose markup the reader refuses: count items of
    // the shape (" aN=\"N\"" attributes on <plist>, or <!ATTLIST>
    // declarations in the DOCTYPE).
    void needHostilePlist(const std::string &shape, int count)
    {
        if (hostilePlists[shape])
            return;
        std::ofstream out(hostilePlistPath(shape), std::ios::binary);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        if (shape == "attlist") {
            out << "<!DOCTYPE plist [\n";
            for (int i = 0; i < count; ++i)
                out << "<!ATTLIST plist a" << i << " CDATA \"\">\n";
            out << "]>\n<plist version=\"1.0\">";
        } else {
            out << "<plist version=\"1.0\"";
            for (int i = 0; i < count; ++i)
                out << " a" << i << "=\"" << i << "\"";
            out << ">";
        }
        out << "<dict><key>k</key><string>v</string></dict></plist>\n";
        if (!out)
            throw std::runtime_error("cannot write " + hostilePlistPath(shape));
        hostilePlists[shape] = true;
    }
    // A file of NUL bytes, a hole on the disk, as truncate -s makes it.
    void needSparse()
    {
        struct stat st {};
        if (::stat(sparsePath().c_str(), &st) == 0 && st.st_size == kSparseBytes)
            return;
        const int fd = ::open(sparsePath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool made = fd >= 0 && ::ftruncate(fd, kSparseBytes) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!made)
            throw std::runtime_error("cannot make " + sparsePath());
    }

    void needToolOutput()
    {
        if (!toolOutput)
            toolOutput = writeToolOutput(toolOutputPath(), kToolOutputBytes);
    }
    void needSpaced()
    {
        if (!spaced)
            spaced = writeSpacedText(spacedPath(), kSpacedBytes);
    }
    const TreeStats &tree(const TreeShape &shape)
    {
        auto it = trees.find(shape.name);
        if (it == trees.end()) {
            std::fprintf(stderr, "bench:   making a tree of %lld files\n", static_cast<long long>(shape.count()));
            it = trees.emplace(shape.name, makeTree(treePath(shape), shape.top, shape.sub, shape.files, kPresencePaths,
                                                   shape.maxFileBytes))
                     .first;
        }
        return it->second;
    }
    // Made in a child: the dictionary is large, and the benchmark process
    // must stay small.
    void needPlist(int entries)
    {
        if (plists[entries])
            return;
        const Sample made = inChild([this, entries] {
            const QVariantMap value = catalogue(entries);
            const QByteArray bytes = reel::plistToData(value, reel::PlistFormat::Binary);
            QFile file(q(plistPath(entries)));
            check(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                  "cannot write " + plistPath(entries));
            return Usage{0, 0, 0, 0};
        });
        if (!made.ok())
            throw std::runtime_error(made.error);
        plists[entries] = true;
    }
    // A clip from ffmpeg's test sources, converted once by the converter
    // with its log on, which names the ffmpeg commands it runs.
    void needConversion()
    {
        if (!converterPasses.empty())
            return;
        const Sample clip = command({ffmpeg, "-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                     "testsrc2=size=1280x720:rate=25", "-f", "lavfi", "-i", "sine=frequency=440", "-t",
                                     "10", "-c:v", "mpeg4", "-q:v", "3", "-c:a", "aac", "-y", clipPath()});
        if (!clip.ok())
            throw std::runtime_error("cannot make the clip: " + clip.error);
        const std::string log = scratch.file("converter.log");
        const std::string saved = childLog();
        setChildLog(log);
        const Sample converted = convert(true);
        setChildLog(saved);
        if (!converted.ok())
            throw std::runtime_error("the converter failed: " + converted.error);
        // "conversion tool : <program> <arguments>", a line per tool run.
        // The run's work folder is gone with it: a pass writes in the
        // scratch folder instead, and the checks read the converter's output.
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            const size_t tool = line.find("conversion tool");
            const size_t colon = tool == std::string::npos ? tool : line.find(" : ", tool);
            if (colon == std::string::npos)
                continue;
            const std::vector<std::string> ran = words(line.substr(colon + 3));
            const std::string name = ran.empty() ? std::string() : ran[0].substr(ran[0].rfind('/') + 1);
            if (name != "ffmpeg" && name != "ffprobe")
                continue;
            // The decode writes to "-", a pass to a file or /dev/null.
            const bool check = name == "ffprobe" || ran.back() == "-";
            std::vector<std::string> argv{taskset, "-c", "0", name == "ffmpeg" ? ffmpeg : ffprobe};
            for (size_t i = 1; i < ran.size(); ++i) {
                if (ran[i - 1] == "-passlogfile")
                    argv.push_back(scratch.file("passlog"));
                else if (ran[i].find("/.reelkit-work-") != std::string::npos)
                    argv.push_back(check ? convertedFolder() + "/clip.mp4"
                                         : scratch.file(ran[i].substr(ran[i].rfind('/') + 1)));
                else
                    argv.push_back(ran[i]);
            }
            (check ? converterChecks : converterPasses).push_back(argv);
        }
        if (converterPasses.empty())
            throw std::runtime_error("the converter's log names no ffmpeg command (see " + log + ")");
    }
    // The converter's own CPU time (see the row), or with debug its log on.
    Sample convert(bool debug) const
    {
        std::vector<std::string> argv{taskset, "-c", "0", kConverter, "--preset", "mp4", "--bitrate", "800", "-o",
                                      convertedFolder(), "--overwrite"};
        if (debug)
            argv.push_back("--debug");
        argv.push_back(clipPath());
        return debug ? command(argv) : commandOwnCpu(argv);
    }
    // The checks the converter made of its output, bare.
    Sample bareChecks() const
    {
        std::vector<Sample> checks;
        for (const std::vector<std::string> &argv : converterChecks)
            checks.push_back(command(argv));
        return sum(checks);
    }
    // The bare passes (then, with checks, the checks), then their output and
    // statistics files removed so that the next run finds what the converter
    // finds.
    Sample bareConversion(bool checks) const
    {
        std::vector<Sample> passes;
        for (const std::vector<std::string> &argv : converterPasses)
            passes.push_back(command(argv));
        if (checks)
            passes.push_back(bareChecks());
        for (const std::vector<std::string> &argv : converterPasses) {
            const std::string &output = argv.back();
            if (output.rfind(scratch.path(), 0) == 0)
                ::unlink(output.c_str());
            for (size_t i = 0; i + 1 < argv.size(); ++i) {
                if (argv[i] == "-passlogfile") {
                    for (const char *suffix : {"-0.log", "-0.log.mbtree", "-0.log.temp", "-0.log.mbtree.temp"})
                        ::unlink((argv[i + 1] + suffix).c_str());
                }
            }
        }
        return sum(passes);
    }
    static void writePlists(const std::function<QVariantMap()> &make, const std::string &binary, const std::string &xml)
    {
        const Sample made = inChild([&] {
            const QVariantMap value = make();
            for (const auto &[path, format] :
                 {std::pair{binary, reel::PlistFormat::Binary}, std::pair{xml, reel::PlistFormat::Xml}}) {
                const QByteArray bytes = reel::plistToData(value, format);
                QFile file(q(path));
                check(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                      "cannot write " + path);
            }
            return Usage{0, 0, 0, 0};
        });
        if (!made.ok())
            throw std::runtime_error(made.error);
    }
    void needCatalogue()
    {
        if (!catalogueWritten)
            writePlists([] { return catalogue(kCatalogueEntries); }, cataloguePath(), catalogueXmlPath());
        catalogueWritten = true;
    }
    void needWide()
    {
        if (!wideWritten)
            writePlists([] { return wideDictionary(kWideEntries); }, widePath(), wideXmlPath());
        wideWritten = true;
    }
};

Workbench::Workbench(const ScratchFolder &scratch, std::string python)
    : m_inputs(std::make_unique<Inputs>(scratch, std::move(python)))
{
}

Workbench::~Workbench() = default;

std::vector<Row> Workbench::rows()
{
    Inputs &in = *m_inputs;
    std::vector<Row> rows;

    // The data of both capture rows passes through the measured process;
    // the tools' own work is counted on both sides.
    rows.push_back({
        .operation = "three-tool pipeline returning 200 MB (taskArrayPipes)",
        .anchorName = "Python subprocess.run of sh -c 'a | b | c', text=True",
        .target = 1.0,
        .prepare = [&in] { in.needToolOutput(); },
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.cat), q(in.toolOutputPath()), q(in.toolOutputPath()), QStringLiteral("|"),
                                        q(in.tr), QStringLiteral("-d"), QStringLiteral("\\r"), QStringLiteral("|"),
                                        q(in.cat)};
                QString out;
                const Usage usage = measure([&] { out = reel::taskArrayPipes(words); });
                check(out.size() == 2 * in.toolOutput->utf16Units,
                      "returned " + str(out.size()) + " characters, expected " + str(2 * in.toolOutput->utf16Units));
                return usage;
            });
        },
        .anchor = [&in] {
            const std::string pipeline =
                in.cat + " " + in.toolOutputPath() + " " + in.toolOutputPath() + " | " + in.tr + " -d '\\r' | " + in.cat;
            return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonCapture), str(2 * in.toolOutput->utf16Units),
                                        in.sh, "-c", pipeline});
        },
    });

    rows.push_back({
        .operation = "capture 200 MB of tool output",
        .anchorName = "Python subprocess.run, text=True",
        .target = 0.8,
        .memory = {.bytes = 2.0 * double(kToolOutputBytes), .maxBytesPerByte = 4},
        .prepare = [&in] { in.needToolOutput(); },
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.cat), q(in.toolOutputPath()), q(in.toolOutputPath())};
                QString out;
                const Usage usage = measure([&] { out = reel::taskArrayPipes(words); });
                check(out.size() == 2 * in.toolOutput->utf16Units,
                      "captured " + str(out.size()) + " characters, expected " + str(2 * in.toolOutput->utf16Units));
                return usage;
            });
        },
        .anchor = [&in] {
            return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonCapture), str(2 * in.toolOutput->utf16Units),
                                        in.cat, in.toolOutputPath(), in.toolOutputPath()});
        },
    });

    rows.push_back({
        .operation = "1 000 runs of a trivial tool (true)",
        .anchorName = "sh loop running true",
        .target = 1.15,
        .showMemory = false,
        .slices = kTrivialSlices,
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.truePath)};
                // The first run of a process reads the bundle's information;
                // the shell's start is the anchor's share of the same.
                int answered = !reel::taskArrayPipes(words).isNull();
                const Usage usage = measure([&] {
                    for (int i = 0; i < kTrivialRuns / kTrivialSlices; ++i)
                        answered += !reel::taskArrayPipes(words).isNull();
                });
                check(answered == 0, "true printed something");
                return usage;
            });
        },
        .anchor = [&in] {
            return command({in.sh, "-c",
                            "i=0; while [ $i -lt " + str(kTrivialRuns / kTrivialSlices) + " ]; do " + in.truePath + "; i=$((i+1)); done"});
        },
    });

    // The tree rows: one unmeasured run of each side first, so that both
    // find the tree in the file-system caches.
    const auto treeRow = [&in](const TreeShape &shape, std::string operation, const char *anchorName, double target,
                               std::function<qsizetype(const QString &)> call,
                               std::function<qsizetype(const TreeStats &)> expected,
                               std::function<std::vector<std::string>(const std::string &)> anchor) {
        return Row{
            .operation = operation,
            .anchorName = anchorName,
            .target = target,
            .warmUp = true,
            .skip = [&in, shape] {
                return lacksRoomFor(in.scratch.path(), shape.count(),
                                    shape.count() * (shape.maxFileBytes > 0 ? 4096 : 64) + (qint64(256) << 20));
            },
            .prepare = [&in, shape] { in.tree(shape); },
            .reel = [&in, shape, call, expected, operation] {
                return inChild([&] {
                    const QString root = q(in.treePath(shape));
                    qsizetype got = 0;
                    const Usage usage = measure([&] { got = call(root); });
                    check(got == expected(in.tree(shape)), operation + " gave " + str(got));
                    return usage;
                });
            },
            .anchor = [&in, shape, anchor] { return command(anchor(in.treePath(shape))); },
        };
    };
    const std::string marked = std::string("*") + kMarker + "*";
    rows.push_back(treeRow(
        kSmallTree, "folder size, 100 000 files (poidsFolderMo)", "du -sb", 1.0,
        [&in](const QString &root) {
            // The files' bytes and a little for the folders' own entries: 1 when so.
            const double files = double(in.tree(kSmallTree).bytes) / (1024.0 * 1024.0);
            const double total = reel::poidsFolderMo(root);
            return qsizetype(total >= files && total < files + 4);
        },
        [](const TreeStats &) { return qsizetype(1); }, [&in](const std::string &root) {
            return std::vector<std::string>{in.du, "-sb", root};
        }));
    for (const TreeShape &shape : {kSmallTree, kLargeTree}) {
        const std::string files = shape.count() == 100'000 ? "100 000" : "1 000 000";
        rows.push_back(treeRow(
            shape, "search of " + files + " files (findCocoa)", "find -type f -path", 1.5,
            [](const QString &root) { return reel::findCocoa(root, QString::fromLatin1(kMarker), QStringLiteral("")).size(); },
            [](const TreeStats &tree) { return qsizetype(tree.marked); },
            [&in, marked](const std::string &root) {
                return std::vector<std::string>{in.find, root, "-type", "f", "-path", marked};
            }));
        rows.push_back(treeRow(
            shape, "listing of " + files + " files (lsCocoaRecursive)", "find", 1.5,
            [](const QString &root) { return reel::lsCocoaRecursive(root).size(); },
            [](const TreeStats &tree) { return qsizetype(tree.files + tree.folders); },
            [&in](const std::string &root) { return std::vector<std::string>{in.find, root}; }));
    }

    // The first files of the small tree, all present, as a program holds
    // them. The anchor makes the two calls that presence needs: the item's
    // status (links followed) and the permission to read it.
    rows.push_back({
        .operation = "200 000 presence tests (testPresenceC)",
        .anchorName = "stat + faccessat loop",
        .target = 1.15,
        .showMemory = false,
        .prepare = [&in] { in.tree(kSmallTree); },
        .reel = [&in] {
            return inChild([&in] {
                QStringList paths;
                for (const std::string &path : in.tree(kSmallTree).firstFiles)
                    paths.append(q(path));
                qint64 present = 0;
                const Usage usage = measure([&] {
                    for (int round = 0; round < kPresenceRounds; ++round) {
                        for (const QString &path : std::as_const(paths))
                            present += reel::testPresenceC(path);
                    }
                });
                check(present == qint64(kPresenceRounds) * paths.size(), "present " + str(present) + " times");
                return usage;
            });
        },
        .anchor = [&in] {
            return inChild([&in] {
                const std::vector<std::string> &paths = in.tree(kSmallTree).firstFiles;
                qint64 present = 0;
                const Usage usage = measure([&] {
                    for (int round = 0; round < kPresenceRounds; ++round) {
                        for (const std::string &path : paths) {
                            struct stat st {};
                            present += ::stat(path.c_str(), &st) == 0
                                && ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
                        }
                    }
                });
                check(present == qint64(kPresenceRounds) * qint64(paths.size()), "present " + str(present) + " times");
                return usage;
            });
        },
    });

    // Both sides encode the same dictionary and decode the bytes again, in
    // memory, and free what they made inside the measure. The larger row
    // also runs the toolkit on the smaller input in each repetition: the
    // time must grow with the input, not with its square.
    const auto plistOutAndBack = [&in](int entries) {
        return inChild([&in, entries] {
            const std::optional<QVariant> value = reel::plistFromData(readFileBytes(in.plistPath(entries)));
            check(value.has_value(), "cannot read " + in.plistPath(entries));
            qsizetype back = 0;
            const Usage usage = measure([&] {
                const QByteArray bytes = reel::plistToData(*value, reel::PlistFormat::Binary);
                back = reel::plistFromData(bytes).value_or(QVariant()).toMap().size();
            });
            check(back == entries, "the property list came back with " + str(back) + " entries");
            return usage;
        });
    };
    for (const int entries : {kPlistEntries, 4 * kPlistEntries}) {
        const bool larger = entries > kPlistEntries;
        rows.push_back({
            .operation = "binary property list of " + str(entries) + " entries, out and back",
            .anchorName = "Python plistlib dumps + loads",
            .target = 1.0,
            .smaller = larger ? std::function<Sample()>([plistOutAndBack] { return plistOutAndBack(kPlistEntries); })
                              : std::function<Sample()>(),
            .growthFactor = larger ? 4.0 : 0.0,
            .maxGrowth = larger ? 4.5 : 0.0,
            .prepare = [&in, entries, larger] {
                in.needPlist(entries);
                if (larger)
                    in.needPlist(kPlistEntries);
            },
            .reel = [plistOutAndBack, entries] { return plistOutAndBack(entries); },
            .anchor = [&in, entries] {
                return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonPlist), in.plistPath(entries), str(entries)});
            },
        });
    }

    // createNewPlist then readPlist of the same dictionary. plistutil copies a
    // file already in the asked format unchanged, so its write is measured
    // from the XML form and its read into it.
    const auto plistRow = [&in](const char *operation, double target, double maxSeconds, double memoryRatio,
                                std::function<void()> prepare, std::function<QVariantMap()> make, int entries,
                                std::function<std::string()> binary, std::function<std::string()> xml) {
        return Row{
            .operation = operation,
            .anchorName = "plistutil, both ways",
            .target = target,
            .maxSeconds = maxSeconds,
            .showMemory = true,
            .memory = {.maxAnchorRatio = memoryRatio},
            .prepare = prepare,
            .reel = [&in, make, entries] {
                return inChild([&] {
                    const QVariantMap value = make();
                    const QString path = q(in.scratch.file("written.plist"));
                    std::optional<QVariantMap> back;
                    bool written = false;
                    const Usage usage = measure([&] {
                        written = reel::createNewPlist(path, value);
                        back = reel::readPlist(path);
                    });
                    check(written && back && back->size() == entries, "the property list did not come back");
                    return usage;
                });
            },
            .anchor = [&in, binary, xml] {
                return sum({command({in.plistutil, "-i", xml(), "-o", in.scratch.file("written-by-tool.plist"), "-f", "bin"}),
                            command({in.plistutil, "-i", binary(), "-o", in.scratch.file("read-by-tool.xml"), "-f", "xml"})});
            },
        };
    };
    rows.push_back(plistRow(
        "write + read a 10 MB binary property list", 1.0, 0, 1.2, [&in] { in.needCatalogue(); },
        [] { return catalogue(kCatalogueEntries); }, kCatalogueEntries, [&in] { return in.cataloguePath(); },
        [&in] { return in.catalogueXmlPath(); }));
    rows.push_back(plistRow(
        "write + read a plist with one dictionary of 200 000 entries", 1.0, 2.0, 0, [&in] { in.needWide(); },
        [] { return wideDictionary(kWideEntries); }, kWideEntries, [&in] { return in.widePath(); },
        [&in] { return in.wideXmlPath(); }));

    // Text rows: the text is read before the measure starts, on both sides,
    // and the result is freed inside it.
    const auto pythonTextRow = [&in](const char *operation, const char *anchorName, double target,
                                     std::function<void()> prepare, std::function<std::string()> path,
                                     std::function<qsizetype(const QString &)> call, std::function<qsizetype()> expected,
                                     const char *script) {
        return Row{
            .operation = operation,
            .anchorName = anchorName,
            .target = target,
            .prepare = prepare,
            .reel = [=] {
                return inChild([&] {
                    const QString text = readText(path());
                    qsizetype got = 0;
                    const Usage usage = measure([&] { got = call(text); });
                    check(got == expected(), std::string(operation) + " gave " + str(got));
                    return usage;
                });
            },
            .anchor = [&in, path, expected, script] {
                return selfMeasuredCommand({in.python, "-c", pythonScript(script), path(), str(expected())});
            },
        };
    };
    rows.push_back(pythonTextRow(
        "collapse space runs in 10 MB (findAndReplace)", "Python re.sub", 0.7, [&in] { in.needSpaced(); },
        [&in] { return in.spacedPath(); },
        [](const QString &text) {
            return reel::findAndReplace(text, QStringLiteral("  "), QStringLiteral(" "), true).size();
        },
        [&in] { return qsizetype(in.spaced->collapsedUnits); }, kPythonCollapse));
    rows.push_back(pythonTextRow(
        "split 100 MB of tool output into lines (linesToArray)", "Python str.splitlines", 1.1,
        [&in] { in.needToolOutput(); }, [&in] { return in.toolOutputPath(); },
        [](const QString &text) { return reel::linesToArray(text).size(); },
        [&in] { return qsizetype(in.toolOutput->lines); }, kPythonSplit));

    for (const auto &[encoding, name, iconvName] :
         {std::tuple{ProseEncoding::Utf8, "UTF-8", "UTF-8"},
          std::tuple{ProseEncoding::Windows1252, "Windows-1252", "WINDOWS-1252"}}) {
        rows.push_back({
            .operation = std::string("read + detect a 100 MB ") + name + " text (readContentsTxtUTF8)",
            .anchorName = std::string("iconv -f ") + iconvName + " -t UTF-16LE",
            .target = 1.5,
            .memory = {.bytes = double(kProseBytes), .maxBytesPerByte = encoding == ProseEncoding::Utf8 ? 1.9 : 0},
            .prepare = [&in, encoding = encoding] { in.needProse(encoding); },
            .reel = [&in, encoding = encoding] {
                return inChild([&in, encoding] {
                    QString text;
                    const Usage usage = measure([&] { text = reel::readContentsTxtUTF8(q(in.prosePath(encoding))); });
                    const ProseStats &expected = *in.prose(encoding);
                    const auto *units = reinterpret_cast<const char16_t *>(text.utf16());
                    check(text.size() == expected.utf16Units
                              && proseChecksum(0, units, text.size()) == expected.checksum,
                          "read " + str(text.size()) + " characters, not the text written");
                    return usage;
                });
            },
            .anchor = [&in, encoding = encoding, iconvName = iconvName] {
                return command({in.iconv, "-f", iconvName, "-t", "UTF-16LE", in.prosePath(encoding)});
            },
        });
    }

    // One run of the time-stamp tool names a whole card; each clip is read
    // only as far as its recording time. The anchor is that tool alone,
    // started by the benchmark: the toolkit's share is the start, the
    // reading of the lines and the log. The clips' holes are read as
    // zeros, as a card's tail would be.
    const auto nameCard = [&in](int clips) {
        return inChild([&in, clips] {
            const QString playlist = q(in.card(clips));
            QMap<QString, QString> names;
            const Usage usage = measure([&] { names = reel::dateCreation2iMovieNames(playlist); });
            check(names.size() == clips && names.value(QStringLiteral("00001")) == QStringLiteral("2009-05-02 12:01:00-00001"),
                  "named " + str(names.size()) + " clips, the first " + names.value(QStringLiteral("00001")).toStdString());
            return usage;
        });
    };
    rows.push_back({
        .operation = "name the clips of a " + str(kCardClips) + "-clip camera card (dateCreation2iMovieNames)",
        .anchorName = "gettimestamps alone",
        .target = 1.5,
        .maxSeconds = 2.0,
        .smaller = [nameCard] { return nameCard(kCardClips / 4); },
        .growthFactor = 4.0,
        .maxGrowth = 4.5,
        .warmUp = true,
        .prepare = [&in] {
            in.card(kCardClips);
            in.card(kCardClips / 4);
        },
        .reel = [nameCard] { return nameCard(kCardClips); },
        .anchor = [&in] { return command({in.timeStampTool(), in.card(kCardClips)}); },
    });

    const auto noConverter = [] {
        return std::string(kConverter).empty() ? std::string("the converter is not built (REELKIT_BUILD_APPS=OFF)")
                                               : std::string();
    };
    // x264's own CPU time varies by several per cent between identical
    // runs, more than the overhead to be judged: the converter's own CPU
    // time (its process alone) is set against the bare commands', and its
    // total, with the tools it runs (ffprobe, ffmpeg's interlace test, the
    // passes and the checks of the output), is shown beside.
    rows.push_back({
        .operation = "converter's own CPU in a 10 s 720p conversion to MP4, two passes (reelkit-convert)",
        .anchorName = "the ffmpeg commands it ran, bare",
        .target = 0.02,
        .totalNote = "with the tools it runs (probe, interlace test, passes, checks)",
        .skip = noConverter,
        .prepare = [&in] { in.needConversion(); },
        .reel = [&in] { return in.convert(false); },
        .anchor = [&in] { return in.bareConversion(true); },
    });
    // What checking an output costs: the converter's checks of that
    // conversion (ffprobe, then ffmpeg decoding it whole), as it ran them,
    // against its passes. Set against the whole converter with and without
    // --no-verify, the few per cent would drown in x264's own spread.
    rows.push_back({
        .operation = "the checks of that conversion's output: probed, decoded whole (reelkit-convert)",
        .anchorName = "its two passes, bare",
        .target = 0.15,
        .skip = noConverter,
        .prepare = [&in] { in.needConversion(); },
        .reel = [&in] { return in.bareChecks(); },
        .anchor = [&in] { return in.bareConversion(false); },
    });
    rows.push_back({
        .operation = str(kStartUpRuns) + " start-ups of the converter (reelkit-convert --version)",
        .anchorName = "ffmpeg -version",
        .target = 0.5,
        .skip = noConverter,
        .reel = [] {
            std::vector<Sample> runs;
            for (int i = 0; i < kStartUpRuns; ++i)
                runs.push_back(command({kConverter, "--version"}));
            return sum(runs);
        },
        .anchor = [&in] {
            std::vector<Sample> runs;
            for (int i = 0; i < kStartUpRuns; ++i)
                runs.push_back(command({in.ffmpeg, "-version"}));
            return sum(runs);
        },
    });

    // Markup the reader refuses before it parses: the refusal must come in
    // one pass, whatever the number of attributes or declarations.
    for (const auto &[shape, count, what] :
         {std::tuple{std::string("attributes"), kPlistAttributes, "attributes on <plist>"},
          std::tuple{std::string("attlist"), kPlistAttlists, "<!ATTLIST> declarations"}}) {
        rows.push_back({
            .operation = "refuse an XML property list with " + str(count) + " " + what + " (readPlist)",
            .anchorName = "Python plistlib.load",
            .target = 1.0,
            .maxSeconds = 1.0,
            .prepare = [&in, shape = shape, count = count] { in.needHostilePlist(shape, count); },
            .reel = [&in, shape = shape] {
                return inChild([&in, shape] {
                    std::optional<QVariantMap> value;
                    const Usage usage = measure([&] { value = reel::readPlist(q(in.hostilePlistPath(shape))); });
                    check(!value, "the property list was read");
                    return usage;
                });
            },
            .anchor = [&in, shape = shape] {
                return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonPlistRefused), in.hostilePlistPath(shape)});
            },
        });
    }

    // Every byte a character: the text alone is two bytes a byte, and the
    // read may hold little more. Most of either side's time is the kernel
    // clearing the pages of the file's hole and of the text: the file is
    // read once by each side first, so that neither pays for the other.
    // Python keeps such text one byte a character, a QString two: twice the
    // pages to clear, hence the target.
    rows.push_back({
        .operation = "read a 1 GiB sparse file of NUL bytes (readContentsTxtUTF8)",
        .anchorName = "Python open(encoding='utf-8').read()",
        .target = 2.5,
        .memory = {.bytes = double(kSparseBytes), .maxBytesPerByte = 2.05},
        .warmUp = true,
        .prepare = [&in] { in.needSparse(); },
        .reel = [&in] {
            return inChild([&in] {
                QString text;
                const Usage usage = measure([&] { text = reel::readContentsTxtUTF8(q(in.sparsePath())); });
                check(text.size() == kSparseBytes && text.back() == QChar(0), "read " + str(text.size()) + " characters");
                return usage;
            });
        },
        .anchor = [&in] {
            return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonReadText), in.sparsePath(), str(kSparseBytes)});
        },
        .cleanUp = [&in] { ::unlink(in.sparsePath().c_str()); },
    });

    // A tool that writes far more than a run takes: stopped at the limit,
    // having held no more than the text of that many bytes (two bytes a
    // byte). The anchor captures as much and keeps it.
    rows.push_back({
        .operation = "stop a tool writing 2 GiB at a 256 MiB output limit (taskArray1PipeMax)",
        .anchorName = "Python subprocess.run of 256 MiB, text=True",
        .target = 1.0,
        .memory = {.bytes = double(kFloodLimit), .maxBytesPerByte = 2.1},
        .reel = [&in] {
            return inChild([&in] {
                reel::setToolOutputLimit(kFloodLimit);
                QString out;
                const Usage usage = measure([&] {
                    out = reel::taskArray1PipeMax({q(in.head), QStringLiteral("-c"), QString::number(kFloodBytes),
                                                   QStringLiteral("/dev/zero")},
                                                  false);
                });
                check(out.isNull(), "the run gave " + str(out.size()) + " characters");
                return usage;
            });
        },
        .anchor = [&in] {
            return selfMeasuredCommand({in.python, "-c", pythonScript(kPythonCapture), str(kFloodLimit), in.head, "-c",
                                        str(kFloodLimit), "/dev/zero"});
        },
    });

    return rows;
}

} // namespace bench
