#include "reel/text/localisation.h"

#include "reel/core/bundle.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/presence.h"
#include "reel/strings/transforms.h"
#include "reel/text/reading.h"

namespace reel {

namespace {

const QString kStringsType = QStringLiteral("strings");

QStringList linesOf(const QString &path)
{
    return linesToArray(readContentsTxtUTF8(path));
}

// The piece between the first and the second occurrence of separator; the
// rest of the text after the first when there is no second.
QString secondPiece(const QString &text, QChar separator)
{
    return text.section(separator, 1, 1);
}

} // namespace

QString str2LocalisationTitle(const QString &text, const QString &file)
{
    if (text.isEmpty())
        return QString();
    if (file.isNull())
        return text;
    QString path = file;
    if (stringByDeletingPathExtension(path) == path)
        path = stringByAppendingPathExtension(path, kStringsType);
    if (!testPresenceCocoa(path)) {
        path = Bundle::main().pathForResource(stringByDeletingPathExtension(path), pathExtension(path));
        if (path.isNull())
            return text;
    }
    const QChar quote(u'"');
    const QChar equals(u'=');
    for (const QString &line : linesOf(path)) {
        if (!line.contains(quote) || !line.contains(equals))
            continue;
        const QString key = secondPiece(line, quote);
        QString value = secondPiece(line, equals);
        if (value.contains(quote))
            value = secondPiece(value, quote);
        if (value == text)
            return key;
    }
    logAlways(LogLabel("str2LocalisationTitle"), ":-( from '%@'", text);
    return text;
}

QStringList localisationAllKeysFromFile(const QString &name)
{
    if (name.isEmpty())
        return QStringList();
    const QString path = Bundle::main().pathForResource(stringByDeletingPathExtension(name), kStringsType);
    if (path.isNull() || !testPresenceCocoa(path))
        return QStringList();
    QStringList keys;
    for (const QString &line : linesOf(path)) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView before = QStringView(line).first(equals);
        if (!before.contains(u'"'))
            continue;
        const QList<QStringView> pieces = before.split(u'"');
        if (pieces.size() == 2)
            keys.append(pieces[0].toString());
        else if (pieces.size() == 3)
            keys.append(pieces[1].toString());
    }
    return keys;
}

} // namespace reel
