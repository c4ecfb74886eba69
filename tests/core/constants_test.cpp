#include <reel/core/constants.h>
#include <reel/core/privatefiles.h>

#include "filestate.h"
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <unistd.h>

using namespace reel;

namespace {

// Owned by the running user, a real folder, mode exactly 0700.
void expectPrivate(const QString &path)
{
    EXPECT_TRUE(S_ISDIR(test::statOf(path).st_mode)) << path.toStdString();
    EXPECT_EQ(test::statOf(path).st_uid, ::geteuid()) << path.toStdString();
    EXPECT_EQ(test::modeOf(path), 0700) << path.toStdString();
}

QString mineUnder(const QString &tmp)
{
    return tmp + QStringLiteral("/reelkit-tests-") + QString::number(::geteuid());
}

} // namespace

TEST(Constants, DefaultTemporaryFolderIsPrivateAndNeverStored)
{
    ASSERT_TRUE(TMPFOLDER.isNull());
    const QString mine = mineUnder(qEnvironmentVariable("TMPDIR"));
    {
        // Made 0700, also under a umask that takes the owner's own bits.
        const mode_t old = ::umask(0777);
        EXPECT_EQ(getTMPFOLDER(), mine);
        ::umask(old);
    }
    expectPrivate(mine);
    EXPECT_TRUE(TMPFOLDER.isNull());
    const test::ScopedEnv slash("TMPDIR", qEnvironmentVariable("TMPDIR") + QStringLiteral("/"));
    EXPECT_EQ(getTMPFOLDER(), mine);
    // A $TMPDIR that is not there: its path as before, and one log line
    // however often the tools ask.
    const QString gone = test::scratchDir() + QStringLiteral("/gone");
    const test::ScopedEnv missing("TMPDIR", gone);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(getTMPFOLDER(), mineUnder(gone));
    EXPECT_EQ(test::takeLog().size(), 1);
    // A folder set by the program is used as it is.
    setTMPFOLDER(QStringLiteral("/tmp/x-does-not-exist"));
    EXPECT_EQ(getTMPFOLDER(), QStringLiteral("/tmp/x-does-not-exist"));
}

TEST(Constants, ATemporaryFolderOthersCouldWriteIntoIsNotUsed)
{
    const QString elsewhere = test::scratchDir() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    const auto folder = [](mode_t mode) {
        return [mode](const QString &p) { return QDir().mkdir(p) && ::chmod(QFile::encodeName(p).constData(), mode) == 0; };
    };
    const struct {
        const char *name;
        std::function<bool(const QString &)> plant;
    } cases[] = {
        {"a folder opened 0777", folder(0777)},
        {"a folder group-writable", folder(0770)},
        {"a link planted to a folder of the user", [&](const QString &p) { return QFile::link(elsewhere, p); }},
        {"a file at the name", [](const QString &p) { return !test::writeFile(p, "x").isEmpty(); }},
        {"a folder of another user", // only root can make one
         [&](const QString &p) {
             return ::geteuid() == 0 && folder(0700)(p) && ::chown(QFile::encodeName(p).constData(), 65534, 65534) == 0;
         }},
    };
    int n = 0;
    test::forEachCase(cases, [&](const auto &c) {
        const QString tmp = test::scratchDir() + QStringLiteral("/tmp") + QString::number(++n);
        QDir().mkpath(tmp);
        const test::ScopedEnv env("TMPDIR", tmp);
        const QString wanted = mineUnder(tmp);
        if (!c.plant(wanted)) {
            EXPECT_NE(::geteuid(), 0u) << "only another user's folder may be out of reach";
            return;
        }
        const struct stat before = test::statOf(wanted);
        const QString used = getTMPFOLDER();
        EXPECT_TRUE(used.startsWith(wanted + QStringLiteral("-"))) << used.toStdString();
        expectPrivate(used);
        // The same fresh folder on the next call, without another line;
        // what was planted is left as it was.
        EXPECT_EQ(getTMPFOLDER(), used);
        EXPECT_EQ(test::takeLog().filter(QStringLiteral("is not private")).size(), 1);
        EXPECT_EQ(test::statOf(wanted).st_mode, before.st_mode);
        EXPECT_EQ(test::statOf(wanted).st_uid, before.st_uid);
    });
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
        EXPECT_EQ(createNewFile(dir + QLatin1Char('/') + QLatin1String(name), &error), -1) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/nowhere")));

    // Replacing removes the link itself; its target keeps its bytes.
    const int fd = replaceWithNewFile(dir + QStringLiteral("/link"), &error);
    ASSERT_GE(fd, 0) << error.toStdString();
    ASSERT_EQ(::write(fd, "new", 3), 3);
    ::close(fd);
    EXPECT_FALSE(test::isLinkAt(dir + QStringLiteral("/link")));
    EXPECT_EQ(test::readFile(dir + QStringLiteral("/link")), QByteArray("new"));
    EXPECT_EQ(test::readFile(target), QByteArray("precious"));
    EXPECT_EQ(test::modeOf(dir + QStringLiteral("/link")), 0600);
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
        EXPECT_EQ(test::modeOf(made), 0600);
    }
    EXPECT_TRUE(createUniqueFile(dir + QStringLiteral("/missing"), QStringLiteral("x"), QString(), &error).isNull());
}

TEST(Constants, FlagsAndComponents)
{
    // OPENPERM starts at 1 and keeps eight signed bits; the components start at 0.
    EXPECT_EQ(getOPENPERM(), 1);
    setOPENPERM(255);
    EXPECT_EQ(getOPENPERM(), -1);
    for (int (*get)() : {getWMV, getDIVX, getAIC, getPRORESdec, getPRORES, getMPEG2, getMTS})
        EXPECT_EQ(get(), 0);
}
