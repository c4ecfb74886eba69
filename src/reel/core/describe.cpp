#include "reel/core/describe.h"

#include "reel/plist/numberkind.h"

#include <QByteArray>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <charconv>

namespace reel {

namespace {

template <typename F>
QString shortestFloat(F value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString describeData(const QByteArray &data)
{
    static const char hex[] = "0123456789abcdef";
    QString out;
    out.reserve(2 + data.size() * 2 + data.size() / 4);
    out += QLatin1Char('<');
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            out += QLatin1Char(' ');
        const auto byte = static_cast<unsigned char>(data.at(i));
        out += QLatin1Char(hex[byte >> 4]);
        out += QLatin1Char(hex[byte & 15]);
    }
    out += QLatin1Char('>');
    return out;
}

// Characters that old-style property-list text leaves unquoted.
bool isBareChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'
           || u == '$' || u == '+' || u == '/' || u == ':' || u == '.' || u == '-';
}

QString quotedIfNeeded(const QString &s)
{
    bool bare = !s.isEmpty();
    for (QChar c : s) {
        if (!isBareChar(c)) {
            bare = false;
            break;
        }
    }
    if (bare)
        return s;
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        const char16_t u = c.unicode();
        switch (u) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default:
            if (u < 0x20 || u == 0x7F) {
                out += QStringLiteral("\\%1").arg(unsigned(u), 3, 8, QLatin1Char('0'));
            } else if (u > 0x7E) {
                out += QStringLiteral("\\U%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    out += QLatin1Char('"');
    return out;
}

bool isCollection(const QVariant &v)
{
    const int id = v.metaType().id();
    return id == QMetaType::QVariantList || id == QMetaType::QStringList || id == QMetaType::QVariantMap
           || id == QMetaType::QVariantHash;
}

QString describeNested(const QVariant &value, int indent);

QString describeList(const QVariantList &list, int indent)
{
    const QString pad(indent * 4, QLatin1Char(' '));
    const QString innerPad((indent + 1) * 4, QLatin1Char(' '));
    QString out = QStringLiteral("(\n");
    for (qsizetype i = 0; i < list.size(); ++i) {
        out += innerPad + describeNested(list.at(i), indent + 1);
        if (i + 1 < list.size())
            out += QLatin1Char(',');
        out += QLatin1Char('\n');
    }
    out += pad + QLatin1Char(')');
    return out;
}

QString describeMap(const QVariantMap &map, int indent)
{
    const QString pad(indent * 4, QLatin1Char(' '));
    const QString innerPad((indent + 1) * 4, QLatin1Char(' '));
    QString out = QStringLiteral("{\n");
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        out += innerPad + quotedIfNeeded(it.key()) + QStringLiteral(" = ")
               + describeNested(it.value(), indent + 1) + QStringLiteral(";\n");
    out += pad + QLatin1Char('}');
    return out;
}

QString describeNested(const QVariant &value, int indent)
{
    switch (value.metaType().id()) {
    case QMetaType::QVariantList:
        return describeList(value.toList(), indent);
    case QMetaType::QStringList: {
        QVariantList list;
        for (const QString &s : value.toStringList())
            list.append(s);
        return describeList(list, indent);
    }
    case QMetaType::QVariantMap:
        return describeMap(value.toMap(), indent);
    case QMetaType::QVariantHash: {
        QVariantMap map;
        const QVariantHash hash = value.toHash();
        for (auto it = hash.cbegin(); it != hash.cend(); ++it)
            map.insert(it.key(), it.value());
        return describeMap(map, indent);
    }
    case QMetaType::QString:
        return quotedIfNeeded(value.toString());
    default:
        break;
    }
    const QString text = describe(value);
    // Dates and other texts with blanks are quoted inside a collection, as a
    // string would be; data and numbers are written as they are.
    if (value.metaType().id() == QMetaType::QByteArray)
        return text;
    return quotedIfNeeded(text);
}

} // namespace

QString describeDate(const QDateTime &date)
{
    if (!date.isValid())
        return QStringLiteral("(null)");
    const QDateTime local = date.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = (offset < 0 ? -offset : offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + QLatin1Char(offset < 0 ? '-' : '+')
           + QStringLiteral("%1%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString describe(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("(null)");
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Float:
        return shortestFloat(value.toFloat());
    case QMetaType::Double:
        return shortestFloat(value.toDouble());
    case QMetaType::QByteArray:
        return describeData(value.toByteArray());
    case QMetaType::QDateTime:
        return describeDate(value.toDateTime());
    case QMetaType::QChar:
        return QString(value.toChar());
    default:
        break;
    }
    switch (numberKind(value)) {
    case NumberKind::Signed:
        return QString::number(value.toLongLong());
    case NumberKind::Unsigned:
        return QString::number(value.toULongLong());
    default:
        break;
    }
    if (isCollection(value))
        return describeNested(value, 0);
    if (value.canConvert<QString>())
        return value.toString();
    return QStringLiteral("<%1>").arg(QString::fromLatin1(value.metaType().name()));
}

} // namespace reel
