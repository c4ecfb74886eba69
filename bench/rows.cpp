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
    void needCatalogue()
    {
        if (catalogueWritten)
            return;
        const Sample made = inChild([this] {
            const QVariantMap value = catalogue(kCatalogueEntries);
            for (const auto &[path, format] : {std::pair{cataloguePath(), reel::PlistFormat::Binary},
                                               std::pair{catalogueXmlPath(), reel::PlistFormat::Xml}}) {
                const QByteArray bytes = reel::plistToData(value, format);
                QFile file(q(path));
                check(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                      "cannot write " + path);
            }
            return 0.0;
        });
        if (!made.ok())
            throw std::runtime_error(made.error);
        catalogueWritten = true;
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

    {
        Row row;
        row.operation = "pipeline moving 1 GiB (head to wc)";
        row.anchorName = "sh -c 'a | b'";
        row.target = 1.1;
        row.reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.head), QStringLiteral("-c"), q(str(kPipelineBytes)),
                                        QStringLiteral("/dev/zero"), QStringLiteral("|"), q(in.wc),
                                        QStringLiteral("-c")};
                QString out;
                const double t = timed([&] { out = reel::taskArrayPipes(words); });
                check(out.trimmed() == q(str(kPipelineBytes)), "wc counted '" + out.toStdString() + "'");
                return t;
            });
        };
        row.anchor = [&in] {
            return command({in.sh, "-c", in.head + " -c " + str(kPipelineBytes) + " /dev/zero | " + in.wc + " -c"});
        };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "capture 200 MB of tool output";
        row.anchorName = "Python subprocess.run";
        row.target = 1.0;
        row.showMemory = true;
        row.memory.bytes = 2.0 * double(kToolOutputBytes);
        row.memory.maxBytesPerByte = 4;
        row.prepare = [&in] { in.needToolOutput(); };
        row.reel = [&in] {
            return inChild([&in] {
                const QStringList words{q(in.cat), q(in.toolOutputPath()), q(in.toolOutputPath())};
                QString out;
                const double t = timed([&] { out = reel::taskArrayPipes(words); });
                check(out.size() == 2 * in.toolOutput->utf16Units,
                      "captured " + str(out.size()) + " characters, expected " + str(2 * in.toolOutput->utf16Units));
                return t;
            });
        };
        row.anchor = [&in] {
            return selfTimedCommand({in.python, "-c", kPythonCapture, str(2 * in.toolOutput->bytes), in.cat,
                                     in.toolOutputPath(), in.toolOutputPath()});
        };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "1 000 runs of a trivial tool (true)";
        row.anchorName = "sh loop running true";
        row.target = 1.2;
        row.reel = [&in] {
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
        };
        row.anchor = [&in] {
            return command({in.sh, "-c",
                            "i=0; while [ $i -lt " + str(kTrivialRuns) + " ]; do " + in.truePath + "; i=$((i+1)); done"});
        };
        rows.push_back(row);
    }

    const auto treeRow = [&in](std::string operation, std::string anchorName) {
        Row row;
        row.operation = std::move(operation);
        row.anchorName = std::move(anchorName);
        row.target = 1.5;
        row.warmUp = true;
        row.prepare = [&in] { in.needTree(); };
        return row;
    };
    {
        Row row = treeRow("folder size, 100 000 files", "du -sb");
        row.reel = [&in] {
            return inChild([&in] {
                float size = 0;
                const double t = timed([&] { size = reel::poidsFolderMo(q(in.treePath())); });
                check(size > 1, "poidsFolderMo gave " + std::to_string(size));
                return t;
            });
        };
        row.anchor = [&in] { return command({in.du, "-sb", in.treePath()}); };
        rows.push_back(row);
    }
    {
        Row row = treeRow("search of the tree (findCocoa)", "find -type f -path");
        row.reel = [&in] {
            return inChild([&in] {
                QStringList found;
                const double t = timed([&] {
                    found = reel::findCocoa(q(in.treePath()), QString::fromLatin1(kMarker), QStringLiteral(""));
                });
                check(found.size() == in.tree->marked, "findCocoa found " + str(found.size()));
                return t;
            });
        };
        row.anchor = [&in] {
            return command({in.find, in.treePath(), "-type", "f", "-path", std::string("*") + kMarker + "*"});
        };
        rows.push_back(row);
    }
    {
        Row row = treeRow("full listing of the tree (lsCocoaRecursive)", "find");
        row.reel = [&in] {
            return inChild([&in] {
                QStringList items;
                const double t = timed([&] { items = reel::lsCocoaRecursive(q(in.treePath())); });
                check(items.size() == in.tree->files + in.tree->folders, "lsCocoaRecursive listed " + str(items.size()));
                return t;
            });
        };
        row.anchor = [&in] { return command({in.find, in.treePath()}); };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "1 000 000 presence tests (testPresenceC)";
        row.anchorName = "access(2) loop";
        row.target = 3;
        row.prepare = [&in] { in.needTree(); };
        // The first files of the tree, all present, as a program holds them.
        row.reel = [&in] {
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
        };
        row.anchor = [&in] {
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
        };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "write + read a 10 MB binary property list";
        row.anchorName = "plistutil, both ways";
        row.target = 1.5;
        row.showMemory = true;
        row.prepare = [&in] { in.needCatalogue(); };
        row.reel = [&in] {
            return inChild([&in] {
                const QVariantMap value = catalogue(kCatalogueEntries);
                const QString path = q(in.scratch.file("written.plist"));
                std::optional<QVariantMap> back;
                bool written = false;
                const double t = timed([&] {
                    written = reel::createNewPlist(path, value);
                    back = reel::readPlist(path);
                });
                check(written && back && back->size() == kCatalogueEntries, "the property list did not come back");
                return t;
            });
        };
        // plistutil copies a file already in the asked format unchanged, so
        // its write is measured from the XML form and its read into it.
        row.anchor = [&in] {
            return sum(command({in.plistutil, "-i", in.catalogueXmlPath(), "-o", in.scratch.file("written-by-tool.plist"),
                                "-f", "bin"}),
                       command({in.plistutil, "-i", in.cataloguePath(), "-o", in.scratch.file("read-by-tool.xml"), "-f",
                                "xml"}));
        };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "collapse space runs in 10 MB (findAndReplace)";
        row.anchorName = "Python re.sub";
        row.target = 2;
        row.showMemory = true;
        row.prepare = [&in] { in.needSpaced(); };
        row.reel = [&in] {
            return inChild([&in] {
                const QString text = readText(in.spacedPath());
                QString out;
                const double t = timed(
                    [&] { out = reel::findAndReplace(text, QStringLiteral("  "), QStringLiteral(" "), true); });
                check(out.size() == in.spaced->collapsedUnits, "collapsed to " + str(out.size()) + " characters");
                return t;
            });
        };
        row.anchor = [&in] {
            return selfTimedCommand({in.python, "-c", kPythonCollapse, in.spacedPath(), str(in.spaced->collapsedUnits)});
        };
        rows.push_back(row);
    }

    {
        Row row;
        row.operation = "split 100 MB of tool output into lines";
        row.anchorName = "Python str.splitlines";
        row.target = 1.5;
        row.showMemory = true;
        row.prepare = [&in] { in.needToolOutput(); };
        row.reel = [&in] {
            return inChild([&in] {
                const QString text = readText(in.toolOutputPath());
                QStringList lines;
                const double t = timed([&] { lines = reel::linesToArray(text); });
                check(lines.size() == in.toolOutput->lines, "split into " + str(lines.size()) + " lines");
                return t;
            });
        };
        row.anchor = [&in] {
            return selfTimedCommand({in.python, "-c", kPythonSplit, in.toolOutputPath(), str(in.toolOutput->lines)});
        };
        rows.push_back(row);
    }

    for (const auto &[encoding, name, iconvName] :
         {std::tuple{ProseEncoding::Utf8, "UTF-8", "UTF-8"},
          std::tuple{ProseEncoding::Windows1252, "Windows-1252", "WINDOWS-1252"}}) {
        Row row;
        row.operation = std::string("read + detect a 100 MB ") + name + " text";
        row.anchorName = std::string("iconv -f ") + iconvName + " -t UTF-16LE";
        row.target = 2;
        row.showMemory = true;
        row.prepare = [&in, encoding = encoding] { in.needProse(encoding); };
        row.reel = [&in, encoding = encoding] {
            return inChild([&in, encoding] {
                QString text;
                const double t = timed([&] { text = reel::readContentsTxtUTF8(q(in.prosePath(encoding))); });
                const ProseStats &expected = *in.prose(encoding);
                check(text.size() == expected.utf16Units
                          && proseChecksum(0, reinterpret_cast<const char16_t *>(text.utf16()), text.size()) == expected.checksum,
                      "read " + str(text.size()) + " characters, not the text written");
                return t;
            });
        };
        row.anchor = [&in, encoding = encoding, iconvName = iconvName] {
            return command({in.iconv, "-f", iconvName, "-t", "UTF-16LE", in.prosePath(encoding)});
        };
        rows.push_back(row);
    }

    return rows;
}

} // namespace bench
