#include "reel/text/reading.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/movecopy.h"
#include "reel/files/native.h"
#include "reel/files/removal.h"
#include "reel/files/sizes.h"
#include "reel/text/codecs.h"
#include "reel/text/detection.h"
#include "reel/text/fileaccess.h"

#include <QFile>

#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>

namespace reel {

namespace {

QString asciiText(QByteArrayView bytes)
{
    return decodeText(bytes, kASCIIStringEncoding).value_or(QString());
}

// Writes bytes to a new file at path; never replaces anything. A failed
// write takes its half file away again.
bool writeNewFile(const QString &path, const QByteArray &bytes, QString *why)
{
    QFile file;
    if (!text::openRegularFile(file, path, O_WRONLY | O_CREAT | O_EXCL, why))
        return false;
    if (text::writeAndClose(file, bytes, why))
        return true;
    rmCocoa(path);
    return false;
}

// The road taken when the file cannot be read or decoded: its bytes go to a
// copy beside it (an empty one when the file cannot be read at all), which
// is read as ASCII and moved back without overwriting.
QString readThroughCopy(const QString &path)
{
    const QString copy = stringByAppendingPathExtension(path, QStringLiteral("txt"));
    const QByteArray bytes = readRegularFile(path).value_or(QByteArray());
    if (files::lstatPath(copy)) {
        // Someone else's file: it stays as it is, and no copy is needed to
        // read the bytes already at hand.
        logAlways("readContentsTxtUTF8 :-/ '%@' already exists, no copy made", copy);
        return asciiText(bytes);
    }
    QString why;
    if (!writeNewFile(copy, bytes, &why)) {
        logAlways("readContentsTxtUTF8 :-( cannot copy to '%@' (%@)", copy, why);
        return QString();
    }
    const QString text = asciiText(bytes);
    mvCocoa(copy, path, QStringLiteral("-y"));
    logDebug("str                 : %@", text);
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
    QByteArray bytes;
    DecodedText read = readFileDetectingEncoding(path, &bytes);
    if (read.encoding != kNoStringEncoding)
        logDebug("encoding            : %d", int(read.encoding));
    if (read.encoding == kNotFoundStringEncoding) {
        logAlways("encoding            :-/ %d (ascii)", int(kASCIIStringEncoding));
        read.text = asciiText(bytes);
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
    logDebug("poidsFile(src, o)   : %f", size);
    if (std::fabs(size) < 0.1)
        return QString();
    // Room for the whole file and the end of the C string when the file is
    // shorter than the limit.
    int n = truncatedSize(size);
    if (n < INT_MAX)
        ++n;
    if (maxChars < n)
        n = maxChars;
    logDebug("charInt             = %d", n);
    if (n <= 0)
        return QString();

    // What fgets gives: up to n - 1 bytes, ending after the first LF.
    QByteArray line;
    const qsizetype want = n - 1;
    char buffer[65536];
    while (line.size() < want) {
        const qint64 got = file.read(buffer, qMin<qint64>(qint64(sizeof buffer), want - line.size()));
        if (got < 0)
            return QString();
        if (got == 0)
            break;
        if (const void *lf = std::memchr(buffer, '\n', size_t(got))) {
            line.append(buffer, static_cast<const char *>(lf) - buffer + 1);
            break;
        }
        line.append(buffer, qsizetype(got));
    }
    // A C string ends at its first NUL.
    if (const qsizetype nul = line.indexOf('\0'); nul >= 0)
        line.truncate(nul);
    return asciiText(line);
}

} // namespace reel
