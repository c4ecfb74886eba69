#include "reel/core/stringsfile.h"

#include "reel/plist/codec.h"

#include <QStringDecoder>
#include <QVariantMap>

namespace reel {

namespace {

class Parser {
public:
    explicit Parser(const QString &text) : m_text(text) {}

    std::optional<QHash<QString, QString>> parse()
    {
        QHash<QString, QString> table;
        skipSpace();
        bool braced = false;
        if (peek() == QLatin1Char('{')) {
            braced = true;
            ++m_pos;
        }
        for (;;) {
            if (!skipSpace())
                return std::nullopt;
            if (atEnd())
                return braced ? std::nullopt : std::optional(table);
            if (braced && peek() == QLatin1Char('}')) {
                ++m_pos;
                if (!skipSpace())
                    return std::nullopt;
                return atEnd() ? std::optional(table) : std::nullopt;
            }
            const std::optional<QString> key = readString();
            if (!key || !skipSpace())
                return std::nullopt;
            if (peek() == QLatin1Char(';')) {
                ++m_pos;
                table.insert(*key, *key);
                continue;
            }
            if (peek() != QLatin1Char('='))
                return std::nullopt;
            ++m_pos;
            if (!skipSpace())
                return std::nullopt;
            const std::optional<QString> value = readString();
            if (!value || !skipSpace() || peek() != QLatin1Char(';'))
                return std::nullopt;
            ++m_pos;
            table.insert(*key, *value);
        }
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }

    // Skips blanks and comments; false on an unterminated comment.
    bool skipSpace()
    {
        while (!atEnd()) {
            const QChar c = peek();
            if (c.isSpace() || c == QChar(0xFEFF)) {
                ++m_pos;
            } else if (c == QLatin1Char('/') && peek(1) == QLatin1Char('*')) {
                const qsizetype end = m_text.indexOf(QLatin1String("*/"), m_pos + 2);
                if (end < 0)
                    return false;
                m_pos = end + 2;
            } else if (c == QLatin1Char('/') && peek(1) == QLatin1Char('/')) {
                while (!atEnd() && peek() != QLatin1Char('\n') && peek() != QLatin1Char('\r'))
                    ++m_pos;
            } else {
                break;
            }
        }
        return true;
    }

    static bool isBare(QChar c)
    {
        const char16_t u = c.unicode();
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'
               || u == '$' || u == '+' || u == '/' || u == ':' || u == '.' || u == '-';
    }

    std::optional<QString> readString()
    {
        if (peek() == QLatin1Char('"'))
            return readQuoted();
        const qsizetype start = m_pos;
        while (!atEnd() && isBare(peek()))
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return m_text.mid(start, m_pos - start);
    }

    static int hexValue(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            return u - '0';
        if (u >= 'a' && u <= 'f')
            return u - 'a' + 10;
        if (u >= 'A' && u <= 'F')
            return u - 'A' + 10;
        return -1;
    }

    std::optional<QString> readQuoted()
    {
        ++m_pos; // opening quote
        QString out;
        while (!atEnd()) {
            const QChar c = m_text.at(m_pos++);
            if (c == QLatin1Char('"'))
                return out;
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (atEnd())
                return std::nullopt;
            const QChar e = m_text.at(m_pos++);
            switch (e.unicode()) {
            case 'n': out += QLatin1Char('\n'); break;
            case 't': out += QLatin1Char('\t'); break;
            case 'r': out += QLatin1Char('\r'); break;
            case 'a': out += QChar(7); break;
            case 'b': out += QChar(8); break;
            case 'f': out += QChar(12); break;
            case 'v': out += QChar(11); break;
            case 'U':
            case 'u': {
                char16_t code = 0;
                int digits = 0;
                while (digits < 4 && hexValue(peek()) >= 0) {
                    code = char16_t(code * 16 + hexValue(peek()));
                    ++m_pos;
                    ++digits;
                }
                if (digits == 0)
                    out += e;
                else
                    out += QChar(code);
                break;
            }
            default:
                if (e.unicode() >= '0' && e.unicode() <= '7') {
                    int code = e.unicode() - '0';
                    for (int k = 0; k < 2 && peek().unicode() >= '0' && peek().unicode() <= '7'; ++k)
                        code = code * 8 + (m_text.at(m_pos++).unicode() - '0');
                    out += QChar(char16_t(code & 0xFF));
                } else {
                    out += e; // \" \\ \' and any other character stand for themselves
                }
            }
        }
        return std::nullopt;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

QString decodeStringsFileText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::ConvertInvalidToNull);
        return decoder.decode(bytes.mid(2));
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(body);
}

std::optional<QHash<QString, QString>> parseStringsFile(const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &why) -> std::optional<QHash<QString, QString>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (bytes.size() > kPlistMaxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(kPlistMaxBytes));
    const QByteArray head = bytes.left(64).trimmed();
    if (head.startsWith("bplist") || head.startsWith("<?xml") || head.startsWith("<plist")) {
        const std::optional<QVariant> root = plistFromData(bytes, error);
        if (!root)
            return std::nullopt;
        if (root->metaType().id() != QMetaType::QVariantMap)
            return fail(QStringLiteral("the property list is not a dictionary"));
        QHash<QString, QString> table;
        const QVariantMap map = root->toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            table.insert(it.key(), it.value().toString());
        return table;
    }
    const QString text = decodeStringsFileText(bytes);
    std::optional<QHash<QString, QString>> table = Parser(text).parse();
    if (!table)
        return fail(QStringLiteral("not in the strings-file syntax"));
    return table;
}

} // namespace reel
