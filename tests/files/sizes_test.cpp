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

#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

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
    const struct {
        qint64 count;
        QString unit;
        double expected;
    } cases[] = {
        {2048, QString(), 2.0}, {3 * kMiB / 2, u"m"_s, 1.5}, {kMiB * 1024, u"g"_s, 1.0}, {2048, u"K"_s, 2.0},
        {2048, u""_s, 2048.0},  {2048, u"o"_s, 2048.0},      {0, u"G"_s, 0.0},           {-5, u"K"_s, -5.0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(octet2unite(c.count, c.unit), c.expected) << c.count << " " << c.unit.toStdString();
}

TEST(Sizes, PoidsFileOfFilesFoldersAndPipes)
{
    // A folder of 1.9 MiB counts its whole mebibytes first; its stream has no
    // size. A pipe is never waited on.
    const QString s = test::scratchDir();
    const QString three = sparseFile(s + u"/three.bin"_s, 3 * kMiB), folder = s + u"/folder"_s;
    sparseFile(folder + u"/a"_s, kMiB);
    sparseFile(folder + u"/sub/b"_s, kMiB * 9 / 10);
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    const struct {
        QString path, unit;
        double file, stream;
    } rows[] = {
        {three, u"M"_s, 3.0, 3.0},         {three, u"k"_s, 3072.0, 3072.0},
        {three, QString(), 3.0 * kMiB, 3.0 * kMiB}, {three, u"o"_s, 3.0 * kMiB, 3.0 * kMiB},
        {test::writeFile(s + u"/zero.txt"_s, ""), u"k"_s, 0.0, 0.0},
        {s + u"/missing"_s, u"M"_s, -1.0, -1.0}, {QString(), u"M"_s, -1.0, -1.0},
        {folder, u"M"_s, 1.0, -1.0},       {folder, u"K"_s, 1024.0, -1.0},
        {folder, u"G"_s, 0.0009765625, -1.0}, {folder, u"o"_s, double(kMiB), -1.0},
        {s + u"/fifo"_s, QString(), 0.0, -1.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString() + " " + row.unit.toStdString());
        EXPECT_EQ(poidsFile(row.path, row.unit), row.file);
        EXPECT_EQ(poidsFileC(row.path, row.unit), row.stream);
    }
    EXPECT_FLOAT_EQ(progressPoidsMo(three), 3.0f);
    EXPECT_GT(poidsFile(folder, QString()), 0.0) << "the folder's own entry";
    EXPECT_TRUE(test::takeLog().isEmpty());

    const QString log = test::writeFile(s + u"/a.log"_s, QByteArray(2048, 'x'));
    setDEBUG(1);
    poidsFile(log, u"k"_s);
    poidsFileC(log, u"k"_s);
    EXPECT_EQ(test::takeLog(), (QStringList{
                                   u"poidsFile…"_s, u"poidsFile…1"_s, u"poidsFile…2"_s,
                                   u"dict (size)         : 2048"_s,
                                   u"current file size   : 2048 units"_s,
                                   u"current file size   : 2.00 k"_s,
                                   u"poidsFileC          : (1)"_s, u"poidsFileC          : (2)"_s,
                                   u"poidsFileC          : (3)"_s, u"poidsFileC          : (4)"_s,
                                   u"fclose end"_s,
                                   u"poidsFileC          :   2048 units"_s,
                                   u"poidsFileC          :-) 2.00 k"_s,
                               }));
}

TEST(Sizes, PoidsFolderMoKeepsSmallFilesOfLargeFolders)
{
    const QString folder = test::scratchDir() + u"/big"_s;
    sparseFile(folder + u"/huge.bin"_s, 1024 * kMiB);
    // Fifty bytes are far below the spacing of single-precision numbers
    // near 1024: added one by one to a running total they would vanish.
    for (int i = 0; i < 200; ++i)
        test::writeFile(folder + u"/small%1"_s.arg(i, 3, 10, QLatin1Char('0')), QByteArray(50, 's'));
    QDir().mkpath(folder + u"/sub"_s);
    test::makeLink(u".."_s, folder + u"/sub/up"_s);
    const qint64 entries = QFileInfo(folder + u"/sub"_s).size() + 2; // the link's size is its text
    EXPECT_FLOAT_EQ(poidsFolderMo(folder), float((1024.0 * kMiB + 200 * 50 + double(entries)) / kMiB));
    EXPECT_GT(poidsFolderMo(folder), 1024.009f);
    EXPECT_EQ(poidsFolderMo(QString()), 0.0f);
    EXPECT_EQ(poidsFolderMo(folder + u"/missing"_s), 0.0f);
}

TEST(Sizes, FreeSpaceUpdatesAndDates)
{
    const QString s = test::scratchDir();
    EXPECT_GT(espaceDiskDispo(u"~"_s), -1) << "the path the presence test accepted is the one asked";
    EXPECT_GE(espaceDiskDispo(s), 0);
    EXPECT_EQ(espaceDiskDispo(s + u"/missing"_s), -1);
    EXPECT_EQ(espaceDiskDispo(QString()), -1);

    // Files (and pipes, judged without being opened) can be updated; folders cannot.
    const QString file = test::writeFile(s + u"/f"_s, "x");
    test::writeFile(test::homePath() + u"/h"_s, "x");
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    for (const QString &yes : {file, u"~/h"_s, s + u"/fifo"_s})
        EXPECT_TRUE(disponible(yes)) << yes.toStdString();
    for (const QString &no : {s, s + u"/missing"_s, QString()})
        EXPECT_FALSE(disponible(no)) << no.toStdString();
    EXPECT_EQ(test::readFile(file), QByteArray("x"));

    const QString text = dateCreation(file);
    static const QRegularExpression form(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"_s);
    EXPECT_TRUE(form.match(text).hasMatch()) << text.toStdString();
    const QDateTime when = QDateTime::fromString(text.left(19), u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_LE(qAbs(when.secsTo(QDateTime::currentDateTime())), 3600);
    EXPECT_TRUE(dateCreation(s + u"/missing"_s).isNull() && dateCreation(QString()).isNull());
    test::makeLink(u"nowhere"_s, s + u"/link"_s);
    EXPECT_FALSE(dateCreation(s + u"/link"_s).isNull()) << "a dangling link has dates of its own";
    EXPECT_TRUE(test::takeLog().isEmpty());

    setDEBUG(1);
    espaceDiskDispo(s);
    dateCreation(file);
    EXPECT_TRUE(test::logContains(u"free disk space     : "_s));
    EXPECT_TRUE(test::logHas(u"path : "_s + file));
    EXPECT_TRUE(test::logHas(u"dict (creation)     : "_s + text));
}
