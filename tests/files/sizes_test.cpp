#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/sizes.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;

namespace {

// A file of the given size without writing its bytes.
QString sparseFile(const QString &path, qint64 size)
{
    test::writeFile(path, QByteArray());
    EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), off_t(size)), 0);
    return path;
}

constexpr qint64 kMiB = 1024 * 1024;

} // namespace

TEST(Sizes, Octet2Unite)
{
    struct Case {
        qint64 count;
        QString unit;
        double expected;
    };
    const std::vector<Case> cases{
        {2048, QStringLiteral("k"), 2.0},       {2048, QString(), 2.0},         {2048, QStringLiteral("K"), 2.0},
        {3 * kMiB / 2, QStringLiteral("m"), 1.5}, {0, QStringLiteral("G"), 0.0}, {-5, QStringLiteral("K"), -5.0},
        {2048, QStringLiteral("o"), 2048.0},    {2048, QStringLiteral("x"), 2048.0}, {kMiB * 1024, QStringLiteral("g"), 1.0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(octet2unite(c.count, c.unit), c.expected) << c.count << " " << c.unit.toStdString();
}

TEST(Sizes, PoidsFileOfFilesAndFolders)
{
    const QString s = test::scratchDir();
    const QString three = sparseFile(s + QStringLiteral("/three.bin"), 3 * kMiB);
    for (auto measure : {poidsFile, poidsFileC}) {
        EXPECT_EQ(measure(three, QStringLiteral("M")), 3.0);
        EXPECT_EQ(measure(three, QStringLiteral("k")), 3072.0);
        EXPECT_EQ(measure(three, QString()), double(3 * kMiB));
        EXPECT_EQ(measure(three, QStringLiteral("o")), double(3 * kMiB));
        EXPECT_EQ(measure(s + QStringLiteral("/missing"), QStringLiteral("M")), -1.0);
        EXPECT_EQ(measure(QString(), QStringLiteral("M")), -1.0);
        EXPECT_EQ(measure(test::writeFile(s + QStringLiteral("/zero.txt"), ""), QStringLiteral("k")), 0.0);
    }
    EXPECT_FLOAT_EQ(progressPoidsMo(three), 3.0f);

    const QString folder = s + QStringLiteral("/folder");
    sparseFile(folder + QStringLiteral("/a"), kMiB);
    sparseFile(folder + QStringLiteral("/sub/b"), kMiB * 9 / 10);
    EXPECT_EQ(poidsFile(folder, QStringLiteral("M")), 1.0);
    EXPECT_EQ(poidsFile(folder, QStringLiteral("K")), 1024.0);
    EXPECT_EQ(poidsFile(folder, QStringLiteral("G")), 0.0009765625);
    EXPECT_EQ(poidsFile(folder, QStringLiteral("o")), double(kMiB));
    EXPECT_GT(poidsFile(folder, QString()), 0.0) << "the folder's own entry";
    EXPECT_EQ(poidsFileC(folder, QString()), -1.0) << "a folder's stream has no size";
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(Sizes, PoidsFileCNeverWaitsOnAPipe)
{
    const QString fifo = test::scratchDir() + QStringLiteral("/fifo");
    ASSERT_TRUE(test::makeFifo(fifo));
    EXPECT_EQ(poidsFileC(fifo, QString()), -1.0);
    EXPECT_EQ(poidsFile(fifo, QString()), 0.0);
}

TEST(Sizes, DebugLines)
{
    const QString file = test::writeFile(test::scratchDir() + QStringLiteral("/a.log"), QByteArray(2048, 'x'));
    setDEBUG(1);
    poidsFile(file, QStringLiteral("k"));
    EXPECT_EQ(test::logLines(), (QStringList{
                                    QStringLiteral("poidsFile…"),
                                    QStringLiteral("poidsFile…1"),
                                    QStringLiteral("poidsFile…2"),
                                    QStringLiteral("dict (size)         : 2048"),
                                    QStringLiteral("current file size   : 2048 units"),
                                    QStringLiteral("current file size   : 2.00 k"),
                                }));
    test::clearLog();
    poidsFileC(file, QStringLiteral("k"));
    EXPECT_EQ(test::logLines(), (QStringList{
                                    QStringLiteral("poidsFileC          : (1)"),
                                    QStringLiteral("poidsFileC          : (2)"),
                                    QStringLiteral("poidsFileC          : (3)"),
                                    QStringLiteral("poidsFileC          : (4)"),
                                    QStringLiteral("fclose end"),
                                    QStringLiteral("poidsFileC          :   2048 units"),
                                    QStringLiteral("poidsFileC          :-) 2.00 k"),
                                }));
}

TEST(Sizes, PoidsFolderMoKeepsSmallFilesOfLargeFolders)
{
    const QString folder = test::scratchDir() + QStringLiteral("/big");
    sparseFile(folder + QStringLiteral("/huge.bin"), 1024 * kMiB);
    // Fifty bytes are far below the spacing of single-precision numbers
    // near 1024: added one by one to a running total they would vanish.
    for (int i = 0; i < 200; ++i)
        test::writeFile(folder + QStringLiteral("/small%1").arg(i, 3, 10, QLatin1Char('0')), QByteArray(50, 's'));
    QDir().mkpath(folder + QStringLiteral("/sub"));
    test::makeLink(QStringLiteral(".."), folder + QStringLiteral("/sub/up"));
    const qint64 entries = QFileInfo(folder + QStringLiteral("/sub")).size() + qint64(QByteArray("..").size());
    const double expected = (1024.0 * kMiB + 200 * 50 + double(entries)) / kMiB;
    EXPECT_FLOAT_EQ(poidsFolderMo(folder), float(expected));
    EXPECT_GT(poidsFolderMo(folder), 1024.009f);
    EXPECT_EQ(poidsFolderMo(QString()), 0.0f);
    EXPECT_EQ(poidsFolderMo(folder + QStringLiteral("/missing")), 0.0f);
}

TEST(Sizes, FreeSpaceOnTheExpandedPath)
{
    EXPECT_GT(espaceDiskDispo(QStringLiteral("~")), -1) << "the path the presence test accepted is the one asked";
    EXPECT_GE(espaceDiskDispo(test::scratchDir()), 0);
    EXPECT_EQ(espaceDiskDispo(test::scratchDir() + QStringLiteral("/missing")), -1);
    EXPECT_EQ(espaceDiskDispo(QString()), -1);
    EXPECT_TRUE(test::logLines().isEmpty());
    setDEBUG(1);
    espaceDiskDispo(test::scratchDir());
    EXPECT_TRUE(test::logContains(QStringLiteral("free disk space     : ")));
}

TEST(Sizes, Disponible)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/f"), "x");
    EXPECT_TRUE(disponible(file));
    EXPECT_EQ(test::readFile(file), QByteArray("x"));
    test::writeFile(test::homePath() + QStringLiteral("/h"), "x");
    EXPECT_TRUE(disponible(QStringLiteral("~/h")));
    EXPECT_FALSE(disponible(s));
    EXPECT_FALSE(disponible(s + QStringLiteral("/missing")));
    EXPECT_FALSE(disponible(QString()));
    ASSERT_TRUE(test::makeFifo(s + QStringLiteral("/fifo")));
    EXPECT_TRUE(disponible(s + QStringLiteral("/fifo"))) << "judged without being opened";
}

TEST(Sizes, DateCreation)
{
    const QString file = test::writeFile(test::scratchDir() + QStringLiteral("/d"), "x");
    const QString text = dateCreation(file);
    static const QRegularExpression form(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d [+-]\d{4}$)"));
    EXPECT_TRUE(form.match(text).hasMatch()) << text.toStdString();
    const QDateTime when = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_LE(qAbs(when.secsTo(QDateTime::currentDateTime())), 3600);
    EXPECT_TRUE(dateCreation(test::scratchDir() + QStringLiteral("/missing")).isNull());
    EXPECT_TRUE(dateCreation(QString()).isNull());
    // A dangling link has dates of its own.
    test::makeLink(QStringLiteral("nowhere"), test::scratchDir() + QStringLiteral("/link"));
    EXPECT_FALSE(dateCreation(test::scratchDir() + QStringLiteral("/link")).isNull());
    setDEBUG(1);
    dateCreation(file);
    EXPECT_TRUE(test::logHas(QStringLiteral("path : ") + file));
    EXPECT_TRUE(test::logHas(QStringLiteral("dict (creation)     : ") + text));
}
