#include "rows.h"

#include "inputs.h"

#include <reel/core/plistcodec.h>
#include <reel/files/listing.h>
#include <reel/files/presence.h>
#include <reel/files/sizes.h>
#include <reel/prefs/plistfiles.h>
#include <reel/strings/rewriting.h>
#include <reel/strings/transforms.h>
#include <reel/task/pipeline.h>
#include <reel/text/reading.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include <unistd.h>

namespace bench {

namespace {

constexpr qint64 kPipelineBytes = qint64(1) << 30;
constexpr qint64 kToolOutputBytes = 100'000'000; // captured twice over: 200 MB
constexpr int kTrivialRuns = 1000;
constexpr int kTreeTop = 20;
constexpr int kTreeSub = 10;
constexpr int kTreeFiles = 500; // 20 x 10 x 500 = 100 000 files
constexpr int kPresencePaths = 1000;
constexpr int kPresenceRounds = 1000; // 1 000 000 tests
constexpr int kCatalogueEntries = 21300; // about 10 MB as a binary property list
constexpr int kWideEntries = 200000;
constexpr qint64 kSpacedBytes = 10'000'000;
constexpr qint64 kProseBytes = 100'000'000;

// The Python anchors time their own operation (the interpreter's start and
// the reading of the input are not counted) and print the seconds.
const char *const kPythonCapture = R"(import subprocess, sys, time
expected = int(sys.argv[1])
t = time.perf_counter()
r = subprocess.run(sys.argv[2:], capture_output=True)
e = time.perf_counter() - t
assert r.returncode == 0 and len(r.stdout) == expected, (r.returncode, len(r.stdout), expected)
print(e)
)";

const char *const kPythonCollapse = R"(import re, sys, time
s = open(sys.argv[1], encoding='utf-8').read()
t = time.perf_counter()
r = re.sub(' +', ' ', s)
e = time.perf_counter() - t
assert len(r) == int(sys.argv[2]), (len(r), sys.argv[2])
print(e)
)";

const char *const kPythonSplit = R"(import sys, time
s = open(sys.argv[1], encoding='utf-8').read()
t = time.perf_counter()
lines = s.splitlines()
e = time.perf_counter() - t
assert len(lines) == int(sys.argv[2]), (len(lines), sys.argv[2])
print(e)
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

// Two runs as one: their times added, the larger peak.
Sample sum(const Sample &a, const Sample &b)
{
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    return Sample{a.seconds + b.seconds, std::max(a.peakKiB, b.peakKiB), {}};
}

// Times one call.
template <typename F>
double timed(F &&f)
{
    const double start = now();
    f();
    return now() - start;
}

} // namespace

struct Inputs {
    Inputs(const ScratchFolder &folder, std::string interpreter) : scratch(folder), python(std::move(interpreter)) {}

    const ScratchFolder &scratch;
    std::string python;
    std::string sh = tool("sh");
    std::string head = tool("head");
    std::string wc = tool("wc");
    std::string cat = tool("cat");
    std::string truePath = tool("true");
    std::string du = tool("du");
    std::string find = tool("find");
    std::string plistutil = tool("plistutil");
    std::string iconv = tool("iconv");

    std::optional<TextStats> toolOutput;
    std::optional<TextStats> spaced;
    std::optional<TreeStats> tree;
    std::optional<ProseStats> proseUtf8;
    std::optional<ProseStats> proseWindows;
    bool catalogueWritten = false;
    bool wideWritten = false;

    std::string toolOutputPath() const { return scratch.file("tool-output.txt"); }
    std::string spacedPath() const { return scratch.file("spaced.txt"); }
    std::string treePath() const { return scratch.file("tree"); }
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
    std::string cataloguePath() const { return scratch.file("catalogue.plist"); }
    std::string catalogueXmlPath() const { return scratch.file("catalogue.xml"); }
    std::string widePath() const { return scratch.file("wide.plist"); }
    std::string wideXmlPath() const { return scratch.file("wide.xml"); }

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
    void needTree()
    {
        if (!tree) {
            std::fprintf(stderr, "bench:   making a tree of %d files\n", kTreeTop * kTreeSub * kTreeFiles);
            tree = makeTree(treePath(), kTreeTop, kTreeSub, kTreeFiles, kPresencePaths);
        }
    }
    // Made in a child: the dictionary is large, and the benchmark process
    // must stay small.
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
            return 0.0;
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

    rows.push_back({
        .operation = "pipeline moving 1 GiB (head to wc)",
        .anchorName = "sh -c 'a | b'",
        .target = 1.1,
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.head), QStringLiteral("-c"), q(str(kPipelineBytes)),
                                        QStringLiteral("/dev/zero"), QStringLiteral("|"), q(in.wc),
                                        QStringLiteral("-c")};
                QString out;
                const double t = timed([&] { out = reel::taskArrayPipes(words); });
                check(out.trimmed() == q(str(kPipelineBytes)), "wc counted '" + out.toStdString() + "'");
                return t;
            });
        },
        .anchor = [&in] {
            return command({in.sh, "-c", in.head + " -c " + str(kPipelineBytes) + " /dev/zero | " + in.wc + " -c"});
        },
    });

    rows.push_back({
        .operation = "capture 200 MB of tool output",
        .anchorName = "Python subprocess.run",
        .target = 1.0,
        .showMemory = true,
        .memory = {.bytes = 2.0 * double(kToolOutputBytes), .maxBytesPerByte = 4},
        .prepare = [&in] { in.needToolOutput(); },
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.cat), q(in.toolOutputPath()), q(in.toolOutputPath())};
                QString out;
                const double t = timed([&] { out = reel::taskArrayPipes(words); });
                check(out.size() == 2 * in.toolOutput->utf16Units,
                      "captured " + str(out.size()) + " characters, expected " + str(2 * in.toolOutput->utf16Units));
                return t;
            });
        },
        .anchor = [&in] {
            return selfTimedCommand({in.python, "-c", kPythonCapture, str(2 * in.toolOutput->bytes), in.cat,
                                     in.toolOutputPath(), in.toolOutputPath()});
        },
    });

    rows.push_back({
        .operation = "1 000 runs of a trivial tool (true)",
        .anchorName = "sh loop running true",
        .target = 1.2,
        .reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.truePath)};
                int answered = 0;
                const double t = timed([&] {
                    for (int i = 0; i < kTrivialRuns; ++i)
                        answered += !reel::taskArrayPipes(words).isNull();
                });
                check(answered == 0, "true printed something");
                return t;
            });
        },
        .anchor = [&in] {
            return command({in.sh, "-c",
                            "i=0; while [ $i -lt " + str(kTrivialRuns) + " ]; do " + in.truePath + "; i=$((i+1)); done"});
        },
    });

    // The tree rows: one unmeasured run of each side first, so that both
    // find the tree in the file-system caches.
    const auto treeRow = [&in](const char *operation, const char *anchorName, std::function<qsizetype()> call,
                               std::function<qsizetype()> expected, std::vector<std::string> anchor) {
        return Row{
            .operation = operation,
            .anchorName = anchorName,
            .target = 1.5,
            .warmUp = true,
            .prepare = [&in] { in.needTree(); },
            .reel = [call, expected, operation] {
                return inChild([&] {
                    qsizetype got = 0;
                    const double t = timed([&] { got = call(); });
                    check(got == expected(), std::string(operation) + " gave " + str(got));
                    return t;
                });
            },
            .anchor = [anchor] { return command(anchor); },
        };
    };
    const QString tree = q(in.treePath());
    // The files' bytes and a little for the folders' own entries: 1 when so.
    rows.push_back(treeRow(
        "folder size, 100 000 files", "du -sb",
        [&in, tree] {
            const double files = double(in.tree->bytes) / (1024.0 * 1024.0);
            const double total = reel::poidsFolderMo(tree);
            return qsizetype(total >= files && total < files + 4);
        },
        [] { return qsizetype(1); }, {in.du, "-sb", in.treePath()}));
    rows.push_back(treeRow(
        "search of the tree (findCocoa)", "find -type f -path",
        [tree] { return reel::findCocoa(tree, QString::fromLatin1(kMarker), QStringLiteral("")).size(); },
        [&in] { return qsizetype(in.tree->marked); },
        {in.find, in.treePath(), "-type", "f", "-path", std::string("*") + kMarker + "*"}));
    rows.push_back(treeRow(
        "full listing of the tree (lsCocoaRecursive)", "find", [tree] { return reel::lsCocoaRecursive(tree).size(); },
        [&in] { return qsizetype(in.tree->files + in.tree->folders); }, {in.find, in.treePath()}));

    // The first files of the tree, all present, as a program holds them.
    rows.push_back({
        .operation = "1 000 000 presence tests (testPresenceC)",
        .anchorName = "access(2) loop",
        .target = 3,
        .prepare = [&in] { in.needTree(); },
        .reel = [&in] {
            return inChild([&in] {
                QStringList paths;
                for (const std::string &path : in.tree->firstFiles)
                    paths.append(q(path));
                qint64 present = 0;
                const double t = timed([&] {
                    for (int round = 0; round < kPresenceRounds; ++round) {
                        for (const QString &path : std::as_const(paths))
                            present += reel::testPresenceC(path);
                    }
                });
                check(present == qint64(kPresenceRounds) * paths.size(), "present " + str(present) + " times");
                return t;
            });
        },
        .anchor = [&in] {
            return inChild([&in] {
                const std::vector<std::string> &paths = in.tree->firstFiles;
                qint64 present = 0;
                const double t = timed([&] {
                    for (int round = 0; round < kPresenceRounds; ++round) {
                        for (const std::string &path : paths)
                            present += ::access(path.c_str(), R_OK) == 0;
                    }
                });
                check(present == qint64(kPresenceRounds) * qint64(paths.size()), "present " + str(present) + " times");
                return t;
            });
        },
    });

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
                    const double t = timed([&] {
                        written = reel::createNewPlist(path, value);
                        back = reel::readPlist(path);
                    });
                    check(written && back && back->size() == entries, "the property list did not come back");
                    return t;
                });
            },
            .anchor = [&in, binary, xml] {
                return sum(command({in.plistutil, "-i", xml(), "-o", in.scratch.file("written-by-tool.plist"), "-f", "bin"}),
                           command({in.plistutil, "-i", binary(), "-o", in.scratch.file("read-by-tool.xml"), "-f", "xml"}));
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

    // Text rows: the text is read before the clock starts, on both sides.
    const auto pythonTextRow = [&in](const char *operation, const char *anchorName, double target,
                                     std::function<void()> prepare, std::function<std::string()> path,
                                     std::function<qsizetype(const QString &)> call, std::function<qsizetype()> expected,
                                     const char *script) {
        return Row{
            .operation = operation,
            .anchorName = anchorName,
            .target = target,
            .showMemory = true,
            .prepare = prepare,
            .reel = [=] {
                return inChild([&] {
                    const QString text = readText(path());
                    qsizetype got = 0;
                    const double t = timed([&] { got = call(text); });
                    check(got == expected(), std::string(operation) + " gave " + str(got));
                    return t;
                });
            },
            .anchor = [&in, path, expected, script] {
                return selfTimedCommand({in.python, "-c", script, path(), str(expected())});
            },
        };
    };
    rows.push_back(pythonTextRow(
        "collapse space runs in 10 MB (findAndReplace)", "Python re.sub", 2, [&in] { in.needSpaced(); },
        [&in] { return in.spacedPath(); },
        [](const QString &text) {
            return reel::findAndReplace(text, QStringLiteral("  "), QStringLiteral(" "), true).size();
        },
        [&in] { return qsizetype(in.spaced->collapsedUnits); }, kPythonCollapse));
    rows.push_back(pythonTextRow(
        "split 100 MB of tool output into lines", "Python str.splitlines", 1.5, [&in] { in.needToolOutput(); },
        [&in] { return in.toolOutputPath(); }, [](const QString &text) { return reel::linesToArray(text).size(); },
        [&in] { return qsizetype(in.toolOutput->lines); }, kPythonSplit));

    for (const auto &[encoding, name, iconvName] :
         {std::tuple{ProseEncoding::Utf8, "UTF-8", "UTF-8"},
          std::tuple{ProseEncoding::Windows1252, "Windows-1252", "WINDOWS-1252"}}) {
        rows.push_back({
            .operation = std::string("read + detect a 100 MB ") + name + " text",
            .anchorName = std::string("iconv -f ") + iconvName + " -t UTF-16LE",
            .target = 2,
            .showMemory = true,
            .prepare = [&in, encoding = encoding] { in.needProse(encoding); },
            .reel = [&in, encoding = encoding] {
                return inChild([&in, encoding] {
                    QString text;
                    const double t = timed([&] { text = reel::readContentsTxtUTF8(q(in.prosePath(encoding))); });
                    const ProseStats &expected = *in.prose(encoding);
                    const auto *units = reinterpret_cast<const char16_t *>(text.utf16());
                    check(text.size() == expected.utf16Units
                              && proseChecksum(0, units, text.size()) == expected.checksum,
                          "read " + str(text.size()) + " characters, not the text written");
                    return t;
                });
            },
            .anchor = [&in, encoding = encoding, iconvName = iconvName] {
                return command({in.iconv, "-f", iconvName, "-t", "UTF-16LE", in.prosePath(encoding)});
            },
        });
    }

    return rows;
}

} // namespace bench
