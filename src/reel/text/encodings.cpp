#include "reel/text/encodings.h"

#include "reel/core/log.h"
#include "reel/files/presence.h"
#include "reel/text/detection.h"

#include <QVariantMap>

namespace reel {

namespace {

// Built afresh for every look-up, as callers may keep and change what they
// are given.
QVariantMap encodingNameTable()
{
    return QVariantMap{
        {QStringLiteral("1"), QStringLiteral("Western (ASCII)")},
        {QStringLiteral("2"), QStringLiteral("Western (NEXTSTEP)")},
        {QStringLiteral("3"), QStringLiteral("Japanese (EUC)")},
        {QStringLiteral("4"), QStringLiteral("UTF- 8")},
        {QStringLiteral("5"), QStringLiteral("Western (ISO Latin 1)")},
        {QStringLiteral("6"), QStringLiteral("Symbol (Mac OS)")},
        {QStringLiteral("7"), QStringLiteral("ASCII (Non Lossy)")},
        {QStringLiteral("8"), QStringLiteral("Japanese (Shift JIS)")},
        {QStringLiteral("9"), QStringLiteral("Central European (ISO Latin 2)")},
        {QStringLiteral("10"), QStringLiteral("UTF-16")},
        {QStringLiteral("11"), QStringLiteral("Cyrillic (Windows)")},
        {QStringLiteral("12"), QStringLiteral("Western (Windows Latin 1)")},
        {QStringLiteral("13"), QStringLiteral("Greek (Windows)")},
        {QStringLiteral("14"), QStringLiteral("Turkish (Windows Latin 5)")},
        {QStringLiteral("15"), QStringLiteral("Central European (Windows Latin 2)")},
        {QStringLiteral("21"), QStringLiteral("Japanese (ISO-2022)")},
        {QStringLiteral("30"), QStringLiteral("Western (Mac OS Roman)")},
        {QStringLiteral("65536"), QStringLiteral("UTF-32LE")},
    };
}

} // namespace

QVariant encodingCharsetInt2Name(int number, const QString &name)
{
    const QVariantMap table = encodingNameTable();
    if (!name.isNull()) {
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            if (it.value().toString() == name)
                return it.key().toInt();
        }
    }
    if (number == -1)
        return table;
    if (number == 0)
        return QVariant();
    return table.value(QString::number(uint(number)));
}

QString encodingCharsetIdentify(const QString &path, bool wantContents)
{
    if (path.isNull() || !testPresenceCocoa(path))
        return QString();
    // The name needs only the start of the file.
    const DecodedText read = wantContents ? readFileDetectingEncoding(path) : detectFileEncoding(path);
    logDebug(LogLabel("encoding"), " : %u", read.encoding);
    const QString name = encodingCharsetInt2Name(int(read.encoding), QString()).toString();
    logAlways("encoding : %@", name.isNull() ? QStringLiteral("nil") : name);

    const bool named = read.error.isNull() && read.encoding != kNotFoundStringEncoding;
    if (named && !wantContents)
        return name;
    if (named && !read.text.isNull())
        return read.text;

    if (!read.error.isNull())
        logAlways("encodingCharsetIdenti:-( %@", read.error);
    // Nothing was read when the file could not be (encoding 0); otherwise
    // ASCII reads every byte.
    if (wantContents && read.encoding != kNoStringEncoding)
        return readFileAsAscii(path).value_or(QString());
    return QString();
}

QString convertFromEncoding(const QString &path, StringEncoding encoding)
{
    if (encoding == kNoStringEncoding || path.isNull() || !testPresenceCocoa(path))
        return QString();
    const DecodedText read = readFileWithEncoding(path, encoding);
    if (!read.error.isNull()) {
        logAlways(LogLabel("convertFromEncoding"), " :-( %@", read.error);
        return QString();
    }
    logAlways(LogLabel("convertFromEncoding"), " :-)");
    return read.text;
}

} // namespace reel
