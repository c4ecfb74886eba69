#include "reel/plist/xmlmarkup_p.h"

#include "reel/plist/codec.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace reel::plist {

namespace {

// The markup of UTF-8 bytes (uchar) or of text (char16_t): every character
// of markup is ASCII in both. Malformed markup is left to the reader, which
// stops there with its own message: nothing after it is ever parsed.
template <typename Unit>
class Markup {
public:
    Markup(const Unit *units, qsizetype size) : m_p(units), m_n(size) {}

    // Why the document is refused, or null; *at is where.
    QString refusal(qsizetype *at)
    {
        bool inProlog = true;
        bool sawDoctype = false;
        qint64 elements = 0;
        qsizetype i = 0;
        while ((i = find(i, '<')) < m_n) {
            *at = i;
            const Unit next = i + 1 < m_n ? m_p[i + 1] : Unit(0);
            if (next == '?') {
                i = after(i + 2, "?>");
            } else if (next == '/') {
                i = find(i + 2, '>');
            } else if (next != '!') {
                inProlog = false;
                const qsizetype name = i + 1;
                const qsizetype nameEnd = endOfName(name);
                const bool plist = equals(name, nameEnd, "plist");
                // <plist> is no object; every other element is a key or a value.
                if (!plist && ++elements > kPlistMaxObjects)
                    return QStringLiteral("more than %1 objects").arg(kPlistMaxObjects);
                QString why;
                i = afterAttributes(nameEnd, plist, &why);
                if (!why.isNull())
                    return why.arg(text(name, std::min(nameEnd, name + 40)));
            } else if (is(i, "<!--")) {
                i = after(i + 4, "-->");
            } else if (is(i, "<![CDATA[")) {
                i = after(i + 9, "]]>");
            } else if (is(i, "<!DOCTYPE")) {
                if (sawDoctype || !inProlog)
                    return QStringLiteral("misplaced DOCTYPE");
                sawDoctype = true;
                QString why;
                i = afterDoctype(i + 9, &why);
                if (!why.isNull())
                    return why;
            } else {
                return QStringLiteral("a declaration outside the DOCTYPE");
            }
        }
        return QString();
    }

private:
    static bool isSpace(Unit u) { return u == ' ' || u == '\t' || u == '\n' || u == '\r'; }

    bool is(qsizetype i, const char *ascii) const
    {
        const qsizetype length = qsizetype(std::strlen(ascii));
        if (m_n - i < length)
            return false;
        for (qsizetype k = 0; k < length; ++k) {
            if (m_p[i + k] != Unit(uchar(ascii[k])))
                return false;
        }
        return true;
    }

    bool equals(qsizetype from, qsizetype to, const char *ascii) const
    {
        return to - from == qsizetype(std::strlen(ascii)) && is(from, ascii);
    }

    static bool endsName(Unit u)
    {
        return isSpace(u) || u == '/' || u == '>' || u == '=' || u == '<' || u == '"' || u == '\'';
    }

public:
    qsizetype find(qsizetype from, Unit u) const
    {
        if (from >= m_n)
            return m_n;
        if constexpr (sizeof(Unit) == 1) {
            const void *found = std::memchr(m_p + from, u, size_t(m_n - from));
            return found ? static_cast<const Unit *>(found) - m_p : m_n;
        }
        return std::find(m_p + from, m_p + m_n, u) - m_p;
    }

private:

    // Just after the next ascii from from; the end when there is none.
    qsizetype after(qsizetype from, const char *ascii) const
    {
        for (qsizetype i = from; (i = find(i, Unit(uchar(ascii[0])))) < m_n; ++i) {
            if (is(i, ascii))
                return i + qsizetype(std::strlen(ascii));
        }
        return m_n;
    }

    qsizetype skipSpace(qsizetype i) const
    {
        while (i < m_n && isSpace(m_p[i]))
            ++i;
        return i;
    }

    qsizetype endOfName(qsizetype i) const
    {
        while (i < m_n && !endsName(m_p[i]))
            ++i;
        return i;
    }

    // Past a quoted literal starting at i; the end when unfinished.
    qsizetype afterQuoted(qsizetype i) const
    {
        const qsizetype close = find(i + 1, m_p[i]);
        return close < m_n ? close + 1 : m_n;
    }

    // The attributes of a start tag whose name ends at i: none, or the
    // version alone on <plist>. *why takes the element's name as %1.
    qsizetype afterAttributes(qsizetype i, bool plist, QString *why) const
    {
        int attributes = 0;
        for (;;) {
            i = skipSpace(i);
            if (i >= m_n || m_p[i] == '>' || m_p[i] == '/' || m_p[i] == '<')
                return i;
            const qsizetype name = i;
            i = endOfName(i);
            if (i == name)
                return i;
            if (!plist) {
                *why = QStringLiteral("an attribute on <%1>");
                return i;
            }
            if (attributes++ > 0 || !equals(name, i, "version")) {
                *why = QStringLiteral("an attribute other than version on <%1>");
                return i;
            }
            i = skipSpace(i);
            if (i >= m_n || m_p[i] != '=')
                return i;
            i = skipSpace(i + 1);
            if (i >= m_n || (m_p[i] != '"' && m_p[i] != '\''))
                return i;
            i = afterQuoted(i);
        }
    }

    // Past a DOCTYPE whose keyword ends at i: its name and external
    // identifier, and an internal subset of nothing but comments and
    // processing instructions.
    qsizetype afterDoctype(qsizetype i, QString *why) const
    {
        while (i < m_n) {
            const Unit u = m_p[i];
            if (u == '>')
                return i + 1;
            if (u == '"' || u == '\'') {
                i = afterQuoted(i);
            } else if (u == '[') {
                i = skipSpace(i + 1);
                while (i < m_n && m_p[i] != ']') {
                    if (is(i, "<!--")) {
                        i = after(i + 4, "-->");
                    } else if (is(i, "<?")) {
                        i = after(i + 2, "?>");
                    } else {
                        // Entities could make a small file expand without end.
                        *why = is(i, "<!ENTITY") ? QStringLiteral("the document declares entities")
                                                 : QStringLiteral("declarations in the DOCTYPE");
                        return i;
                    }
                    i = skipSpace(i);
                }
                ++i;
            } else {
                ++i;
            }
        }
        return i;
    }

    QString text(qsizetype from, qsizetype to) const
    {
        if constexpr (sizeof(Unit) == 1)
            return QString::fromUtf8(reinterpret_cast<const char *>(m_p + from), to - from);
        else
            return QString(reinterpret_cast<const QChar *>(m_p + from), to - from);
    }

    const Unit *m_p;
    qsizetype m_n;
};

template <typename Unit>
void look(const Unit *units, qsizetype size, XmlDocument &document)
{
    qsizetype at = 0;
    Markup<Unit> markup(units, size);
    document.refusal = markup.refusal(&at);
    if (document.refusal.isNull())
        return;
    document.refusalLine = 1;
    for (qsizetype i = 0; (i = markup.find(i, Unit('\n'))) < at; ++i)
        ++document.refusalLine;
}

// The encoding an XML declaration at the start of head names: nothing
// without one; "" when it names one in a way not read here.
std::optional<QString> declaredEncoding(const QString &head)
{
    if (!head.startsWith(u"<?xml") || head.size() < 6 || !QChar(head[5]).isSpace())
        return std::nullopt;
    const qsizetype end = head.indexOf(u"?>");
    const QString declaration = end < 0 ? head : head.left(end);
    if (!declaration.contains(u"encoding"))
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral("\\sencoding\\s*=\\s*([\"'])([A-Za-z][A-Za-z0-9._-]*)\\1"));
    const QRegularExpressionMatch match = pattern.match(declaration);
    if (end < 0 || !match.hasMatch())
        return QStringLiteral("");
    return match.captured(2);
}

} // namespace

// The encoding is found as QXmlStreamReader finds it: the first bytes (a
// mark, or the zeros of UTF-16 and UTF-32 around "<"), else UTF-8, then the
// XML declaration's.
XmlDocument prepareXml(const QByteArray &bytes)
{
    XmlDocument document;
    const QStringConverter::Encoding first = QStringDecoder::encodingForData(bytes, u'<').value_or(QStringConverter::Utf8);
    QStringDecoder headDecoder(first, QStringDecoder::Flag::Stateless);
    const std::optional<QString> declared = declaredEncoding(headDecoder(QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 1024))));
    const bool utf8 = first == QStringConverter::Utf8
        && (!declared || QStringConverter::encodingForName(declared->toLatin1().constData()) == QStringConverter::Utf8);
    if (utf8) {
        document.bytes = bytes;
        look(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), document);
        return document;
    }
    QStringDecoder decoder = declared && !declared->isEmpty()
        ? QStringDecoder(declared->toLatin1().constData(), QStringDecoder::Flag::Stateless)
        : QStringDecoder(first, QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        document.refusal = QStringLiteral("Encoding %1 is unsupported").arg(*declared);
        document.refusalLine = 1;
        return document;
    }
    document.text = decoder(bytes);
    if (decoder.hasError()) {
        document.text = QString();
        document.refusal = QStringLiteral("Encountered incorrectly encoded content.");
        document.refusalLine = 1;
        return document;
    }
    look(reinterpret_cast<const char16_t *>(document.text.utf16()), document.text.size(), document);
    return document;
}

} // namespace reel::plist
