#include "reel/text/reading.h"

#include "reel/base/bigbuffers_p.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/movecopy.h"
#include "reel/files/native_p.h"
#include "reel/files/removal.h"
#include "reel/files/sizes.h"
#include "reel/text/codecs.h"
#include "reel/text/detection.h"
#include "reel/text/fileaccess_p.h"

#include <QFile>

#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>

namespace reel {

namespace {

// Copies the bytes of the file at from to a new file at to, a piece at a
// time; never replaces anything. A file that cannot be read gives an empty
// copy; a failed write takes its half file away again.
bool copyToNewFile(const QString &from, const QString &to, QString *why)
{
    QFile target;
    if (!text::openRegularFile(target, to, O_WRONLY | O_CREAT | O_EXCL, why))
        return false;
    QFile source;
    QString unread;
    if (text::openRegularFile(source, from, O_RDONLY, &unread)) {
        char buffer[65536];
        for (;;) {
            const qint64 got = source.read(buffer, sizeof buffer);
            if (got < 0) {
                target.resize(0);
                break;
            }
            if (got == 0)
                break;
            if (target.write(buffer, got) != got) {
                *why = target.errorString();
                target.close();
                rmCocoa(to);
                return false;
            }
        }
    }
    if (text::writeAndClose(target, QByteArray(), why))
        return true;
    rmCocoa(to);
    return false;
}

QString asciiFile(const QString &path)
{
    return readFileAsAscii(path).value_or(QStringLiteral(""));
}

// The road taken when the file cannot be read or decoded: its bytes go to a
// copy beside it (an empty one when the file cannot be read at all), which
// is read as ASCII and moved back without overwriting.
QString readThroughCopy(const QString &path)
{
    const QString copy = stringByAppendingPathExtension(path, QStringLiteral("txt"));
    if (files::lstatPath(copy)) {
        // Someone else's file: it stays as it is, and the file is read as
        // it stands.
        logAlways(LogLabel("readContentsTxtUTF8"), ":-/ '%@' already exists, no copy made", copy);
        return asciiFile(path);
    }
    QString why;
    if (!copyToNewFile(path, copy, &why)) {
        logAlways(LogLabel("readContentsTxtUTF8"), ":-( cannot copy to '%@' (%@)", copy, why);
        return QString();
    }
    const QString text = asciiFile(copy);
    mvCocoa(copy, path, QStringLiteral("-y"));
    logDebug(LogLabel("str"), ": %@", text);
    return text;
}

// The size in bytes as a single-precision number cut to an int.
int truncatedSize(double size)
{
    const float f = float(size);
    if (f >= float(INT_MAX))
        return INT_MAX;
    if (f <= float(INT_MIN))
        return INT_MIN;
    return int(f);
}

} // namespace

QString readContentsTxtUTF8(const QString &path)
{
    if (path.isNull())
        return QString();
    DecodedText read = readFileDetectingEncoding(path);
    if (read.encoding != kNoStringEncoding)
        logDebug(LogLabel("encoding"), ": %d", int(read.encoding));
    if (read.encoding == kNotFoundStringEncoding) {
        logAlways(LogLabel("encoding"), ":-/ %d (ascii)", int(kASCIIStringEncoding));
        read.text = asciiFile(path);
        read.error = QString();
    }
    if (read.error.isNull())
        return read.text;
    logAlways("Error reading file at path %@\n%@", path, read.error);
    return readThroughCopy(path);
}

QString readContentsTxtC(const QString &path, int maxChars)
{
    QFile file;
    QString why;
    if (!text::openRegularFile(file, path, O_RDONLY, &why))
        return QString();

    const double size = poidsFile(path, QStringLiteral("o"));
    logDebug(LogLabel("poidsFile(src, o)"), ": %f", size);
    if (std::fabs(size) < 0.1)
        return QString();
    // Room for the whole file and the end of the C string when the file is
    // shorter than the limit.
    int n = truncatedSize(size);
    if (n < INT_MAX)
        ++n;
    if (maxChars < n)
        n = maxChars;
    logDebug(LogLabel("charInt"), "= %d", n);
    if (n <= 0)
        return QString();

    // What fgets gives: up to n - 1 bytes, ending after the first LF; a C
    // string ends at its first NUL. Read a piece at a time, so that reading
    // stops as soon as either shows, and each piece goes straight into the
    // text (ASCII: every byte the character of the same number).
    const qsizetype want = n - 1;
    if (want == 0)
        return QStringLiteral("");
    QString line = largeUninitializedString(want);
    auto *const out = reinterpret_cast<char16_t *>(line.data());
    qsizetype used = 0;
    char buffer[65536];
    bool ended = false;
    while (used < want && !ended) {
        const qint64 got = file.read(buffer, qMin<qint64>(qint64(sizeof buffer), want - used));
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        qsizetype take = qsizetype(got);
        if (const void *nul = std::memchr(buffer, '\0', size_t(take))) {
            take = static_cast<const char *>(nul) - buffer;
            ended = true;
        }
        if (const void *lf = std::memchr(buffer, '\n', size_t(take))) {
            take = static_cast<const char *>(lf) - buffer + 1;
            ended = true;
        }
        for (qsizetype i = 0; i < take; ++i)
            out[used + i] = uchar(buffer[i]);
        used += take;
    }
    if (used == 0)
        return QStringLiteral("");
    truncateLargeString(line, used);
    return line;
}

} // namespace reel
