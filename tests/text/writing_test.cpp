#include "logcapture.h"
#include "privileges.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/text/codecs.h>
#include <reel/text/writing.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace reel;

namespace {

QString scratch(const char *name)
{
    return test::scratchDir() + QLatin1Char('/') + QLatin1String(name);
}

bool exists(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// What is written to the standard error stream until text() is called.
class StderrCapture {
public:
    StderrCapture() : m_path(scratch("stderr.txt"))
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, STDERR_FILENO);
        ::close(fd);
    }
    ~StderrCapture() { text(); }
    QByteArray text()
    {
        std::fflush(stderr);
        if (m_saved >= 0 && ::dup2(m_saved, STDERR_FILENO) >= 0 && ::close(m_saved) == 0)
            m_saved = -1;
        return test::readFile(m_path);
    }

private:
    QString m_path;
    int m_saved = -1;
};

// Files may not grow past limit bytes meanwhile (a full disk, even for root).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lower = m_saved;
        lower.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved {};
    void (*m_handler)(int);
};

const QByteArray kMark("\xEF\xBB\xBF");

// The writers that replace a file's contents.
using Replace = bool (*)(const QString &path, const QString &text);
const struct {
    const char *name;
    Replace replace;
} kReplacingWriters[] = {
    {"writeTextFileEncoding", [](const QString &p, const QString &t) { return writeTextFileEncoding(p, t, QStringLiteral("utf8")); }},
    {"ecritureFichier", [](const QString &p, const QString &t) { return ecritureFichier(p, t, 1); }},
};

struct stat statOf(const QString &path, bool followLinks = true)
{
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    EXPECT_EQ(followLinks ? ::stat(native.constData(), &st) : ::lstat(native.constData(), &st), 0) << native.constData();
    return st;
}

bool isLink(const QString &path)
{
    return S_ISLNK(statOf(path, false).st_mode);
}

void makeLink(const QString &target, const QString &link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

} // namespace

TEST(WriteUtf8, MarkOnlyOnTheFileTheCallCreates)
{
    const QString path = scratch("bom.srt");
    EXPECT_TRUE(writeTextFileUtf8Bom(path, QStringLiteral("été\n")));
    EXPECT_EQ(test::readFile(path), kMark + QStringLiteral("été\n").toUtf8());
    EXPECT_TRUE(writeTextFileUtf8Bom(path, QStringLiteral("deux")));
    EXPECT_EQ(test::readFile(path), kMark + QStringLiteral("été\ndeux").toUtf8());

    const QString plain = test::writeFile(scratch("plain.srt"), "old\n");
    EXPECT_TRUE(writeTextFileUtf8Bom(plain, QStringLiteral("new")));
    EXPECT_EQ(test::readFile(plain), QByteArray("old\nnew"));

    const QString noMark = scratch("nomark.srt");
    EXPECT_TRUE(writeTextFileUtf8NoBom(noMark, QStringLiteral("é")));
    EXPECT_EQ(test::readFile(noMark), QByteArray("\xC3\xA9"));
}

TEST(WriteUtf8, RefusesWhatItCannotWrite)
{
    const QString path = scratch("never.txt");
    const struct {
        QString path;
        QString text;
    } cases[] = {{QString(), QStringLiteral("x")}, {QStringLiteral(""), QStringLiteral("x")}, {path, QString()}, {path, QStringLiteral("")}};
    for (const auto &c : cases) {
        EXPECT_FALSE(writeTextFileUtf8(c.path, c.text, true));
        EXPECT_FALSE(writeTextFileEncoding(c.path, c.text, QStringLiteral("utf8")));
    }
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(ecritureFichier(QString(), QStringLiteral("x"), 0));
    EXPECT_FALSE(ecritureFichier(path, QString(), 0));
    EXPECT_FALSE(exists(path));

    // A file that cannot be created says so; a link leading nowhere is never
    // written through.
    const QString nowhere = scratch("no/such/folder/a.txt");
    const QString target = scratch("target.txt");
    const QString link = scratch("link.txt");
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    StderrCapture capture;
    EXPECT_FALSE(writeTextFileUtf8(nowhere, QStringLiteral("x"), false));
    EXPECT_EQ(capture.text(), QByteArray("Impossible to create destination file !\n"));
    EXPECT_FALSE(exists(nowhere));
    EXPECT_FALSE(writeTextFileUtf8(link, QStringLiteral("x"), true));
    EXPECT_FALSE(exists(target));
}

TEST(WriteUtf8, AFailedAppendLeavesTheFileAsItWas)
{
    const QString path = test::writeFile(scratch("full.txt"), "old\n");
    {
        FileSizeLimit limit(8);
        EXPECT_FALSE(writeTextFileUtf8(path, QString(100, QLatin1Char('x')), false));
    }
    EXPECT_EQ(test::readFile(path), QByteArray("old\n"));
    EXPECT_TRUE(test::logContains(QStringLiteral("ecrit               :-( ") + path));
}

TEST(WriteUtf8Bom, OverwritesTheFirstBytesOfAnExistingFileOnly)
{
    const QString path = test::writeFile(scratch("a.txt"), "abcdef");
    setDEBUG(1);
    EXPECT_TRUE(writeUtf8Bom(path));
    EXPECT_EQ(test::readFile(path), kMark + "def");
    EXPECT_TRUE(test::logHas(QStringLiteral("Fixed BOM           :-) ") + path));

    EXPECT_FALSE(writeUtf8Bom(QString()));
    const QString missing = scratch("missing.txt");
    EXPECT_FALSE(writeUtf8Bom(missing));
    EXPECT_FALSE(exists(missing));

    // A pipe without a reader is not waited on.
    const QString fifo = scratch("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(writeUtf8Bom(fifo));
    EXPECT_FALSE(writeTextFileUtf8(fifo, QStringLiteral("x"), false));
}

TEST(WriteEncoding, TheNameChoosesTheEncodingAndTheAlert)
{
    const QString text = QStringLiteral("Été 😀");
    const QByteArray utf16be = encodeText(text, kUTF16BigEndianStringEncoding, false).value();
    const QByteArray utf16le = encodeText(text, kUTF16LittleEndianStringEncoding, false).value();
    const QByteArray marked = encodeText(text, kUnicodeStringEncoding, false).value();
    const struct {
        QString name;
        QByteArray bytes;
        const char *alert; // null: none
    } cases[] = {
        {QStringLiteral("UTF-16BE"), utf16be, "NSUTF16BigEndianStringEncoding"},
        {QStringLiteral("utf16le"), utf16le, "NSUTF16LittleEndianStringEncoding"},
        {QStringLiteral("UTF-16"), marked, "NSUnicodeStringEncoding"},
        {QStringLiteral("Unicode (UTF-16)"), marked, "NSUnicodeStringEncoding"},
        {QStringLiteral("UTF-8"), text.toUtf8(), "NSUTF8StringEncoding"},
        {QStringLiteral("utf8"), text.toUtf8(), "NSUTF8StringEncoding"},
        {QStringLiteral("MacRoman"), "\x83t\x8E ?", nullptr}, {QStringLiteral("UTF-16 Mac Roman"), "\x83t\x8E ?", nullptr},
        {QStringLiteral("Latin-1"), "?t? ?", nullptr}, {QStringLiteral("UTF-32"), "?t? ?", nullptr},
        {QStringLiteral(""), "?t? ?", nullptr},        {QString(), "?t? ?", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        RecordingPresenter alerts;
        ScopedAlertPresenter use(&alerts);
        const QString path = scratch("enc.txt");
        EXPECT_TRUE(writeTextFileEncoding(path, text, c.name));
        EXPECT_EQ(test::readFile(path).toHex(' ').toStdString(), c.bytes.toHex(' ').toStdString());
        if (!c.alert) {
            EXPECT_EQ(alerts.count(), 0);
            continue;
        }
        ASSERT_EQ(alerts.count(), 1);
        const AlertRequest shown = alerts.last();
        EXPECT_EQ(shown.kind, AlertRequest::Kind::Modal);
        EXPECT_EQ(shown.title, QStringLiteral("encoding"));
        EXPECT_EQ(shown.message, QString::fromLatin1(c.alert));
        EXPECT_TRUE(shown.critical);
        EXPECT_EQ(shown.window, nullptr);
    }
}

TEST(Replacing, AFailedWriteLeavesTheOldFile)
{
    const QString longText(4096, QLatin1Char('x'));
    for (const auto &writer : kReplacingWriters) {
        SCOPED_TRACE(writer.name);
        // The disk fills up.
        const QString path = test::writeFile(scratch("old.txt"), "old contents\n");
        {
            FileSizeLimit limit(100);
            EXPECT_FALSE(writer.replace(path, longText));
        }
        EXPECT_EQ(test::readFile(path), QByteArray("old contents\n"));
        EXPECT_EQ(QDir(test::scratchDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("old.txt")});

        // A folder in the way stays a folder, with what it holds.
        const QString folder = scratch("folder.txt");
        test::writeFile(folder + QStringLiteral("/inside"), "kept");
        EXPECT_FALSE(writer.replace(folder, QStringLiteral("x")));
        EXPECT_EQ(test::readFile(folder + QStringLiteral("/inside")), QByteArray("kept"));
        // A pipe is not written (nor waited on); links that lead to each
        // other lead nowhere.
        const QString fifo = scratch("fifo");
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        EXPECT_FALSE(writer.replace(fifo, QStringLiteral("x")));
        makeLink(QStringLiteral("loop2"), scratch("loop1"));
        makeLink(QStringLiteral("loop1"), scratch("loop2"));
        EXPECT_FALSE(writer.replace(scratch("loop1"), QStringLiteral("x")));
        EXPECT_TRUE(isLink(scratch("loop1")) && isLink(scratch("loop2")));

        // A file that may not be written, in a folder that may; and a
        // folder that may not be written, where the file may (written in
        // place), with the disk full.
        {
            test::ScopedOwnerRightsOnly bound;
            const QString readOnly = test::writeFile(scratch("readonly.txt"), "old");
            setMode(readOnly, 0444);
            EXPECT_FALSE(writer.replace(readOnly, QStringLiteral("new")));
            EXPECT_EQ(test::readFile(readOnly), QByteArray("old"));
            EXPECT_EQ(statOf(readOnly).st_mode & 07777, 0444u);

            const QString locked = test::writeFile(scratch("locked/old.txt"), "old contents\n");
            setMode(scratch("locked"), 0555);
            {
                FileSizeLimit limit(100);
                EXPECT_FALSE(writer.replace(locked, longText));
            }
            EXPECT_EQ(test::readFile(locked), QByteArray("old contents\n"));
            setMode(scratch("locked"), 0755);
        }
        QDir(test::scratchDir()).removeRecursively();
    }
}

TEST(Replacing, WritesWhereTheFileReallyIs)
{
    for (const auto &writer : kReplacingWriters) {
        SCOPED_TRACE(writer.name);
        const QString s = test::scratchDir();
        // Through two links, one of them relative, to the file: the links
        // stay links and the file keeps its mode.
        const QString file = test::writeFile(s + QStringLiteral("/real/file.txt"), "old");
        setMode(file, 0640);
        QDir().mkpath(s + QStringLiteral("/links"));
        makeLink(QStringLiteral("../real/file.txt"), s + QStringLiteral("/links/relative"));
        makeLink(s + QStringLiteral("/links/relative"), s + QStringLiteral("/absolute"));
        EXPECT_TRUE(writer.replace(s + QStringLiteral("/absolute"), QStringLiteral("through links")));
        EXPECT_EQ(test::readFile(file), QByteArray("through links"));
        EXPECT_TRUE(isLink(s + QStringLiteral("/absolute")));
        EXPECT_TRUE(isLink(s + QStringLiteral("/links/relative")));
        EXPECT_EQ(statOf(file).st_mode & 07777, 0640u);

        // A link that leads nowhere yet: the file is made where it points.
        makeLink(QStringLiteral("made.txt"), s + QStringLiteral("/real/pointer"));
        EXPECT_TRUE(writer.replace(s + QStringLiteral("/real/pointer"), QStringLiteral("made")));
        EXPECT_TRUE(isLink(s + QStringLiteral("/real/pointer")));
        EXPECT_EQ(test::readFile(s + QStringLiteral("/real/made.txt")), QByteArray("made"));

        // Every name of a file with several sees the new text.
        const QString other = s + QStringLiteral("/other name.txt");
        ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()), 0);
        EXPECT_TRUE(writer.replace(file, QStringLiteral("one file, two names")));
        EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));
        EXPECT_EQ(statOf(other).st_ino, statOf(file).st_ino);
        EXPECT_EQ(statOf(file).st_mode & 07777, 0640u);

        // A writable file in a folder that is not (for root too).
        {
            test::ScopedOwnerRightsOnly bound;
            const QString locked = test::writeFile(s + QStringLiteral("/locked/file.txt"), "old and longer");
            setMode(s + QStringLiteral("/locked"), 0555);
            EXPECT_TRUE(writer.replace(locked, QStringLiteral("new")));
            EXPECT_EQ(test::readFile(locked), QByteArray("new"));
            EXPECT_TRUE(writer.replace(locked, QStringLiteral("newer, and longer")));
            EXPECT_EQ(test::readFile(locked), QByteArray("newer, and longer"));
            setMode(s + QStringLiteral("/locked"), 0755);
        }

        if (::geteuid() == 0) {
            // A link that someone else left in a shared sticky folder (as
            // /tmp) is not followed, as the kernel would not.
            const QString shared = s + QStringLiteral("/shared");
            QDir().mkpath(shared);
            setMode(shared, 01777);
            ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
            makeLink(file, shared + QStringLiteral("/planted"));
            ASSERT_EQ(::lchown(QFile::encodeName(shared + QStringLiteral("/planted")).constData(), 65533, 65533), 0);
            EXPECT_FALSE(writer.replace(shared + QStringLiteral("/planted"), QStringLiteral("planted")));
            EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));

            // The owner, where the user may give a file away.
            ASSERT_EQ(::chown(QFile::encodeName(other).constData(), 65534, 65534), 0);
            ASSERT_EQ(::unlink(QFile::encodeName(file).constData()), 0);
            EXPECT_TRUE(writer.replace(other, QStringLiteral("still theirs")));
            EXPECT_EQ(test::readFile(other), QByteArray("still theirs"));
            EXPECT_EQ(statOf(other).st_uid, 65534u);
            EXPECT_EQ(statOf(other).st_gid, 65534u);
        }
        QDir(s).removeRecursively();
    }
}

TEST(EcritureFichier, LineEndingsBecomeLineFeedsAndLogLines)
{
    const struct {
        QString content;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("a\r\nb\rc\n"), "a\nb\nc\n"}, {QStringLiteral("\r\r\n\n"), "\n\n\n"},
        {QStringLiteral("é\r"), "\xC3\xA9\n"},         {QStringLiteral(""), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const QString path = scratch("lines.txt");
        EXPECT_TRUE(ecritureFichier(path, c.content, 7));
        EXPECT_TRUE(exists(path));
        EXPECT_EQ(test::readFile(path), c.bytes);
    }

    test::clearLog();
    const QString path = scratch("c.txt");
    EXPECT_TRUE(ecritureFichier(path, QStringLiteral("x"), -42));
    EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("-42")});

    test::clearLog();
    setDEBUG(1);
    EXPECT_TRUE(ecritureFichier(path, QStringLiteral("x"), 3));
    EXPECT_EQ(test::logLines(), (QStringList{QStringLiteral("utils > ecritureFichier > pathStr : ") + path,
                                             QStringLiteral("nomFichier : c.txt"), QStringLiteral("3"),
                                             QStringLiteral("ecritureFichier     :-)")}));

    test::clearLog();
    setDEBUG(0);
    const QString nowhere = scratch("no/such/folder/c.txt");
    EXPECT_FALSE(ecritureFichier(nowhere, QStringLiteral("x"), 3));
    ASSERT_EQ(test::logLines().size(), 2);
    EXPECT_TRUE(test::logLines().at(1).startsWith(QStringLiteral("Error writing file at ") + nowhere + QLatin1Char('\n')));
}

TEST(Writing, TildeMeansTheHomeFolder)
{
    EXPECT_TRUE(writeTextFileUtf8(QStringLiteral("~/a.txt"), QStringLiteral("a"), false));
    EXPECT_TRUE(writeTextFileEncoding(QStringLiteral("~/b.txt"), QStringLiteral("b"), QStringLiteral("roman")));
    EXPECT_TRUE(ecritureFichier(QStringLiteral("~/c.txt"), QStringLiteral("c"), 0));
    for (const char *name : {"a", "b", "c"})
        EXPECT_EQ(test::readFile(test::homePath() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".txt")),
                  QByteArray(name));
}
