// The plumbing under every subsystem: descriptors, error texts, whole reads
// and writes.
#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"
#include "reel/base/io_p.h"

#include "sandbox.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace reel;

namespace {

bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

} // namespace

TEST(UniqueFd, ClosesOnceAndOnlyWhatItHolds)
{
    int raw = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    {
        UniqueFd fd(raw);
        UniqueFd moved(std::move(fd));
        EXPECT_FALSE(fd.valid());
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_FALSE(isOpen(raw)) << "the moved-to holder closes it";

    raw = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    UniqueFd kept(raw);
    EXPECT_EQ(kept.release(), raw);
    EXPECT_TRUE(isOpen(raw)) << "a released descriptor stays open";
    kept.reset(raw);
    EXPECT_TRUE(kept.close());
    EXPECT_FALSE(isOpen(raw));
    EXPECT_TRUE(kept.close()) << "nothing held, nothing to report";
}

TEST(WholeIo, WritesAndReadsEverythingOrSaysWhy)
{
    const QString path = test::scratchDir() + QStringLiteral("/bytes");
    UniqueFd file(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    ASSERT_TRUE(file.valid());
    const QByteArray bytes = QByteArray("0123456789").repeated(1000);
    ASSERT_TRUE(writeAll(file.get(), bytes.constData(), bytes.size()));
    ASSERT_TRUE(writeAll(file.get(), "AB", 2, 3)) << "at an offset, the file position unmoved";

    struct Row {
        const char *name;
        qint64 size;
        off_t offset;
        QByteArray expected;
    } rows[] = {
        {"the whole file from the start", bytes.size(), 0, "012AB" + bytes.mid(5)},
        {"a piece at an offset", 4, 2, "2AB5"},
        {"past the end gives what there is", 10, bytes.size() - 3, "789"},
        {"at the end, nothing", 5, bytes.size(), ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray into(qsizetype(row.size), '\0');
        const qint64 got = readFully(file.get(), into.data(), row.size, row.offset);
        EXPECT_EQ(into.left(qsizetype(qMax<qint64>(got, 0))), row.expected);
    }

    // A device that takes nothing: the write fails with the reason kept.
    UniqueFd full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    if (full.valid()) {
        errno = 0;
        EXPECT_FALSE(writeAll(full.get(), "x", 1));
        EXPECT_EQ(errno, ENOSPC);
    }
    // A descriptor that is not open.
    char c = 0;
    EXPECT_EQ(readFully(-1, &c, 1), -1);
    EXPECT_EQ(errno, EBADF);
}

TEST(ErrnoText, SaysWhatStrerrorSaysFromAnyThread)
{
    const QString expected = QString::fromLocal8Bit(std::strerror(ENOENT));
    QString fromThread;
    std::thread other([&] { fromThread = errnoText(ENOENT); });
    other.join();
    EXPECT_EQ(errnoText(ENOENT), expected);
    EXPECT_EQ(fromThread, expected);
    EXPECT_FALSE(errnoText(99999).isEmpty()) << "an unknown code still says something";
}
