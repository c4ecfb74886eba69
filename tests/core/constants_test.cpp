#include <reel/core/bundle.h>
#include <reel/core/constants.h>
#include <reel/core/privatefiles.h>

#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace reel;

namespace {

struct stat statOf(const QString &path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Owned by the running user, a real folder, mode exactly 0700.
void expectPrivate(const QString &path)
{
    const struct stat st = statOf(path);
    EXPECT_TRUE(S_ISDIR(st.st_mode)) << path.toStdString();
    EXPECT_EQ(st.st_uid, ::geteuid()) << path.toStdString();
    EXPECT_EQ(st.st_mode & 07777, 0700u) << path.toStdString();
}

} // namespace

TEST(Constants, DefaultTemporaryFolderIsPrivateAndNeverStored)
{
    ASSERT_TRUE(TMPFOLDER.isNull());
    const QString mine = qEnvironmentVariable("TMPDIR") + QStringLiteral("/reelkit-tests-") + QString::number(::geteuid());
    {
        // Made 0700, also under a umask that takes the owner's own bits.
        const mode_t old = ::umask(0777);
        EXPECT_EQ(getTMPFOLDER(), mine);
        ::umask(old);
    }
    expectPrivate(mine);
    EXPECT_EQ(getTMPFOLDER(), mine);
    EXPECT_TRUE(TMPFOLDER.isNull());
    const test::ScopedEnv slash("TMPDIR", qEnvironmentVariable("TMPDIR") + QStringLiteral("/"));
    EXPECT_EQ(getTMPFOLDER(), mine);
    {
        const test::ScopedEnv unset("TMPDIR", nullptr);
        EXPECT_EQ(systemTemporaryFolder(), QStringLiteral("/tmp"));
    }
    // A $TMPDIR that is not there: its path as before, and one log line
    // however often the tools ask.
    const QString gone = test::scratchDir() + QStringLiteral("/gone");
    const test::ScopedEnv missing("TMPDIR", gone);
    test::clearLog();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(getTMPFOLDER(), gone + QStringLiteral("/reelkit-tests-") + QString::number(::geteuid()));
    EXPECT_EQ(test::logLines().size(), 1);
}

TEST(Constants, ATemporaryFolderOthersCouldWriteIntoIsNotUsed)
{
    const QString uid = QString::number(::geteuid());
    const QString elsewhere = test::scratchDir() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    const struct {
        const char *fault;
        std::function<bool(const QString &)> plant;
    } cases[] = {
        {"a folder opened 0777",
         [](const QString &p) { return QDir().mkdir(p) && ::chmod(QFile::encodeName(p).constData(), 0777) == 0; }},
        {"a folder group-writable", [](const QString &p) { return QDir().mkdir(p) && ::chmod(QFile::encodeName(p).constData(), 0770) == 0; }},
        {"a link planted to a folder of the user",
         [&](const QString &p) { return QFile::link(elsewhere, p); }},
        {"a file at the name", [](const QString &p) { return !test::writeFile(p, "x").isEmpty(); }},
        {"a folder of another user", // only root can make one
         [](const QString &p) {
             return ::geteuid() == 0 && QDir().mkdir(p) && ::chmod(QFile::encodeName(p).constData(), 0700) == 0
                    && ::chown(QFile::encodeName(p).constData(), 65534, 65534) == 0;
         }},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        const QString tmp = test::scratchDir() + QStringLiteral("/tmp") + QString::number(++n);
        QDir().mkpath(tmp);
        const test::ScopedEnv env("TMPDIR", tmp);
        const QString wanted = tmp + QStringLiteral("/reelkit-tests-") + uid;
        if (!c.plant(wanted)) {
            EXPECT_NE(::geteuid(), 0u) << "only another user's folder may be out of reach";
            continue;
        }
        const struct stat before = statOf(wanted);
        test::clearLog();
        const QString used = getTMPFOLDER();
        EXPECT_NE(used, wanted);
        EXPECT_TRUE(used.startsWith(wanted + QStringLiteral("-"))) << used.toStdString();
        expectPrivate(used);
        EXPECT_TRUE(test::logContains(QStringLiteral("is not private"))) << test::logLines().join(u'\n').toStdString();
        // The same fresh folder on the next call, without another line;
        // what was planted is left as it was.
        test::clearLog();
        EXPECT_EQ(getTMPFOLDER(), used);
        EXPECT_TRUE(test::logLines().isEmpty());
        const struct stat after = statOf(wanted);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
    }
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
}

TEST(PrivateFiles, NewFilesNeverGoThroughAPlantedLink)
{
    const QString dir = test::scratchDir();
    const QString target = test::writeFile(dir + QStringLiteral("/precious"), "precious");
    QFile::link(target, dir + QStringLiteral("/link"));
    QFile::link(dir + QStringLiteral("/nowhere"), dir + QStringLiteral("/dangling"));
    QString error;
    for (const char *name : {"link", "dangling", "precious"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(createNewFile(dir + QLatin1Char('/') + QLatin1String(name), &error), -1);
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/nowhere")));

    // Replacing removes the link itself; its target keeps its bytes.
    const int fd = replaceWithNewFile(dir + QStringLiteral("/link"), &error);
    ASSERT_GE(fd, 0) << error.toStdString();
    ASSERT_EQ(::write(fd, "new", 3), 3);
    ::close(fd);
    EXPECT_FALSE(QFileInfo(dir + QStringLiteral("/link")).isSymLink());
    EXPECT_EQ(test::readFile(dir + QStringLiteral("/link")), QByteArray("new"));
    EXPECT_EQ(test::readFile(target), QByteArray("precious"));
    EXPECT_EQ(statOf(dir + QStringLiteral("/link")).st_mode & 0777, 0600u);
    QDir().mkdir(dir + QStringLiteral("/folder"));
    EXPECT_EQ(replaceWithNewFile(dir + QStringLiteral("/folder")), -1);

    // Unique names: distinct, made exclusively, private.
    const QString a = createUniqueFile(dir, QStringLiteral("passlog-"), QStringLiteral("-0.log"));
    const QString b = createUniqueFile(dir, QStringLiteral("passlog-"), QStringLiteral("-0.log"));
    EXPECT_NE(a, b);
    for (const QString &made : {a, b}) {
        EXPECT_TRUE(made.startsWith(dir + QStringLiteral("/passlog-")) && made.endsWith(QStringLiteral("-0.log")))
            << made.toStdString();
        EXPECT_EQ(made.size(), dir.size() + 21);
        EXPECT_EQ(statOf(made).st_mode & 0777, 0600u);
    }
    EXPECT_TRUE(createUniqueFile(dir + QStringLiteral("/missing"), QStringLiteral("x"), QString(), &error).isNull());
}

TEST(Constants, StoredTemporaryFolder)
{
    setTMPFOLDER(QStringLiteral("/tmp/x-does-not-exist"));
    EXPECT_EQ(getTMPFOLDER(), QStringLiteral("/tmp/x-does-not-exist"));
}

TEST(Constants, FlagsAndComponents)
{
    EXPECT_EQ(getOPENPERM(), 1);
    const struct {
        int set, get;
    } eightBits[] = {{0, 0}, {255, -1}, {256, 0}, {1, 1}};
    for (const auto &c : eightBits) {
        setOPENPERM(c.set);
        EXPECT_EQ(getOPENPERM(), c.get) << c.set;
    }
    const struct {
        int (*get)();
        void (*set)(int);
    } components[] = {
        {getWMV, setWMV},       {getDIVX, setDIVX},   {getAIC, setAIC}, {getPRORESdec, setPRORESdec},
        {getPRORES, setPRORES}, {getMPEG2, setMPEG2}, {getMTS, setMTS},
    };
    for (const auto &c : components) {
        EXPECT_EQ(c.get(), 0);
        c.set(-123456);
        EXPECT_EQ(c.get(), -123456);
        c.set(0);
    }
}
