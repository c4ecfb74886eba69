#include "reel/plist/xml_p.h"

#include "reel/plist/codec.h"
#include "reel/plist/value_p.h"
#include "reel/plist/xmlmarkup_p.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QVariantList>
#include <QVariantMap>
#include <QXmlStreamReader>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <vector>

namespace reel::plist {

namespace {

class Reader {
public:
    explicit Reader(const XmlDocument &document)
    {
        if (document.text.isNull())
            m_xml.addData(document.bytes);
        else
            m_xml.addData(document.text);
    }

    std::optional<QVariant> read(QString *error)
    {
        m_stack.reserve(size_t(kPlistMaxDepth));
        bool ok = true;
        while (ok && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::DTD:
                // Entities could make a small file expand without end.
                if (!m_xml.entityDeclarations().isEmpty())
                    ok = fail(QStringLiteral("the document declares entities"));
                break;
            case QXmlStreamReader::EntityReference:
                ok = fail(QStringLiteral("unknown entity"));
                break;
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    ok = fail(QStringLiteral("text outside a value"));
                break;
            case QXmlStreamReader::StartElement:
                ok = start();
                break;
            case QXmlStreamReader::EndElement:
                ok = end();
                break;
            default:
                break;
            }
        }
        if (ok && m_xml.hasError())
            ok = fail(m_xml.errorString());
        if (ok && !m_haveRoot)
            ok = fail(QStringLiteral("no value"));
        if (!ok) {
            if (error)
                *error = QStringLiteral("XML property list, line %1: %2").arg(m_xml.lineNumber()).arg(m_error);
            return std::nullopt;
        }
        return std::move(m_root);
    }

private:
    struct Frame {
        bool dictionary = false;
        bool haveKey = false;
        QString key;
        QVariantList list;
        std::map<QString, QVariant> map;
    };

    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }

    bool spend()
    {
        if (++m_objects > kPlistMaxObjects)
            return fail(QStringLiteral("more than %1 objects").arg(kPlistMaxObjects));
        return true;
    }

    // A value may start here: the root, an array item, or a dictionary
    // value after its key.
    bool valueAllowed(QStringView name)
    {
        const bool allowed = m_stack.empty() ? !m_haveRoot && m_inPlist == m_sawPlist
                                             : !m_stack.back().dictionary || m_stack.back().haveKey;
        return allowed || fail(QStringLiteral("misplaced <%1>").arg(name));
    }

    bool place(QVariant &&value)
    {
        if (m_stack.empty()) {
            m_root = std::move(value);
            m_haveRoot = true;
        } else if (Frame &frame = m_stack.back(); frame.dictionary) {
            frame.map.insert_or_assign(frame.map.end(), frame.key, std::move(value));
            frame.haveKey = false;
        } else {
            frame.list.append(std::move(value));
        }
        return true;
    }

    bool text(QString &out)
    {
        out = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        return !m_xml.hasError() || fail(m_xml.errorString());
    }

    bool start()
    {
        const QStringView name = m_xml.name();
        if (name == u"plist") {
            if (m_sawPlist || m_haveRoot || !m_stack.empty())
                return fail(QStringLiteral("misplaced <plist>"));
            m_sawPlist = m_inPlist = true;
            return true;
        }
        if (name == u"key") {
            if (m_stack.empty() || !m_stack.back().dictionary || m_stack.back().haveKey)
                return fail(QStringLiteral("misplaced <key>"));
            QString key;
            if (!text(key) || !spend())
                return false;
            if (!isValidKey(key))
                return fail(QStringLiteral("a key is not valid text"));
            m_stack.back().key = std::move(key);
            m_stack.back().haveKey = true;
            return true;
        }
        if (!valueAllowed(name) || !spend())
            return false;
        if (name == u"dict" || name == u"array") {
            if (m_stack.size() >= size_t(kPlistMaxDepth))
                return fail(QStringLiteral("containers nested deeper than %1").arg(kPlistMaxDepth));
            m_stack.emplace_back().dictionary = name == u"dict";
            return true;
        }
        QString content;
        const QString element = name.toString();
        if (!text(content))
            return false;
        if (element == u"string") {
            // A declared encoding such as UTF-7 can decode to lone surrogates.
            if (!isValidText(content))
                return fail(QStringLiteral("a string holds an unpaired surrogate"));
            return place(std::move(content));
        }
        if (element == u"true" || element == u"false") {
            if (!content.trimmed().isEmpty())
                return fail(QStringLiteral("text in <%1/>").arg(element));
            return place(element == u"true");
        }
        QVariant value;
        if (element == u"integer")
            value = integerValue(content);
        else if (element == u"real")
            value = realValue(content);
        else if (element == u"date")
            value = dateValue(content);
        else if (element == u"data")
            value = dataValue(content);
        else
            return fail(QStringLiteral("unknown element <%1>").arg(element));
        if (!value.isValid())
            return fail(QStringLiteral("bad <%1> %2").arg(element, content.left(40)));
        return place(std::move(value));
    }

    bool end()
    {
        const QStringView name = m_xml.name();
        if (name == u"plist") {
            m_inPlist = false;
            return true;
        }
        // Only containers end here: the other elements were read whole.
        if (m_stack.empty())
            return fail(QStringLiteral("misplaced </%1>").arg(name));
        Frame &frame = m_stack.back();
        if (frame.haveKey)
            return fail(QStringLiteral("a key without a value"));
        QVariant value = frame.dictionary ? QVariant(QVariantMap(std::move(frame.map))) : QVariant(std::move(frame.list));
        m_stack.pop_back();
        return place(std::move(value));
    }

    static QVariant integerValue(const QString &text)
    {
        bool ok = false;
        const QString t = text.trimmed();
        if (t.startsWith(QLatin1Char('-'))) {
            const qint64 v = t.toLongLong(&ok, 10);
            return ok ? integer(v) : QVariant();
        }
        const quint64 u = t.toULongLong(&ok, 10);
        return ok ? unsignedInteger(u) : QVariant();
    }

    static QVariant realValue(const QString &text)
    {
        const QString t = text.trimmed().toLower();
        if (t == u"nan")
            return std::numeric_limits<double>::quiet_NaN();
        for (const char16_t *inf : {u"inf", u"+inf", u"infinity", u"+infinity"}) {
            if (t == inf)
                return std::numeric_limits<double>::infinity();
        }
        if (t == u"-inf" || t == u"-infinity")
            return -std::numeric_limits<double>::infinity();
        bool ok = false;
        const double v = t.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }

    static QVariant dateValue(const QString &text)
    {
        static const QRegularExpression pattern(
            QStringLiteral("^(-?\\d{1,9})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)(?:\\.(\\d{1,9}))?Z$"));
        const QRegularExpressionMatch m = pattern.match(text.trimmed());
        if (!m.hasMatch())
            return {};
        const QDate day(m.capturedView(1).toInt(), m.capturedView(2).toInt(), m.capturedView(3).toInt());
        const QTime time(m.capturedView(4).toInt(), m.capturedView(5).toInt(), m.capturedView(6).toInt());
        if (!day.isValid() || !time.isValid())
            return {};
        QDateTime date(day, time, QTimeZone::utc());
        if (m.hasCaptured(7))
            date = date.addMSecs(std::llround((QStringLiteral("0.") + m.captured(7)).toDouble() * 1000));
        if (!dateToMs(date))
            return {};
        return date;
    }

    static QVariant dataValue(const QString &text)
    {
        QByteArray base64;
        base64.reserve(text.size());
        for (const QChar c : text) {
            if (c.isSpace())
                continue;
            if (c.unicode() > 0x7F)
                return {};
            base64.append(char(c.unicode()));
        }
        auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return {};
        return *decoded;
    }

    QXmlStreamReader m_xml;
    std::vector<Frame> m_stack;
    QVariant m_root;
    bool m_haveRoot = false;
    bool m_sawPlist = false;
    bool m_inPlist = false;
    qint64 m_objects = 0;
    QString m_error;
};

class Writer {
public:
    QByteArray write(const QVariant &value, QString *error)
    {
        m_out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                "<plist version=\"1.0\">\n";
        if (!this->value(value, 0)) {
            if (error)
                *error = invalid(m_error);
            return {};
        }
        m_out += "</plist>\n";
        if (m_out.size() > kPlistMaxBytes) {
            if (error)
                *error = invalid(QStringLiteral("larger than %1 bytes").arg(kPlistMaxBytes));
            return {};
        }
        return std::move(m_out);
    }

private:
    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }

    // The element with its text; false for a text XML cannot carry.
    bool element(const char *name, const QString &text, int indent)
    {
        bool plain = true;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < 0x20 || u == '&' || u == '<' || u == '>' || u >= 0xFFFE) {
                plain = false;
                break;
            }
        }
        QString escaped;
        if (!plain) {
            escaped.reserve(text.size() + 16);
            for (const QChar c : text) {
                const char16_t u = c.unicode();
                if (u == '&')
                    escaped += u"&amp;";
                else if (u == '<')
                    escaped += u"&lt;";
                else if (u == '>')
                    escaped += u"&gt;";
                else if (u == '\r')
                    escaped += u"&#13;"; // a bare one would read back as a line feed
                else if ((u < 0x20 && u != '\t' && u != '\n') || u >= 0xFFFE)
                    return fail(QStringLiteral("XML cannot carry the character U+%1")
                                    .arg(QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0'))));
                else
                    escaped += c;
            }
        }
        element(name, (plain ? text : escaped).toUtf8(), indent);
        return true;
    }

    void element(const char *name, const QByteArray &text, int indent)
    {
        m_out.append(indent, '\t');
        m_out += '<';
        m_out += name;
        m_out += '>';
        m_out += text;
        m_out += "</";
        m_out += name;
        m_out += ">\n";
    }

    void line(const char *tag, int indent)
    {
        m_out.append(indent, '\t');
        m_out += tag;
        m_out += '\n';
    }

    template <typename F>
    void number(F v, int indent)
    {
        if (std::isnan(v))
            return element("real", QByteArray("nan"), indent);
        if (std::isinf(v))
            return element("real", QByteArray(v > 0 ? "+infinity" : "-infinity"), indent);
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
        element("real", QByteArray(buffer, result.ptr - buffer), indent);
    }

    bool date(const QDateTime &value, int indent)
    {
        const QDateTime utc = dateFromMs(*dateToMs(value));
        const QDate day = utc.date();
        const QTime time = utc.time();
        if (day.year() < 1 || day.year() > 9999)
            return fail(QStringLiteral("XML dates stop at the years 1 to 9999"));
        char buffer[40];
        int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", day.year(), day.month(),
                              day.day(), time.hour(), time.minute(), time.second());
        if (time.msec() != 0)
            n += std::snprintf(buffer + n, sizeof buffer - size_t(n), ".%03d", time.msec());
        element("date", QByteArray(buffer, n) + 'Z', indent);
        return true;
    }

    bool value(const QVariant &v, int indent)
    {
        if (m_out.size() > kPlistMaxBytes)
            return fail(QStringLiteral("larger than %1 bytes").arg(kPlistMaxBytes));
        switch (kindOf(v)) {
        case Kind::Boolean:
            line(v.toBool() ? "<true/>" : "<false/>", indent);
            return true;
        case Kind::Signed:
            element("integer", QByteArray::number(v.toLongLong()), indent);
            return true;
        case Kind::Unsigned:
            element("integer", QByteArray::number(v.toULongLong()), indent);
            return true;
        case Kind::Float:
            number(v.toFloat(), indent);
            return true;
        case Kind::Double:
            number(v.toDouble(), indent);
            return true;
        case Kind::Date:
            return date(v.toDateTime(), indent);
        case Kind::Data:
            element("data", v.toByteArray().toBase64(), indent);
            return true;
        case Kind::String:
            return element("string", v.toString(), indent);
        case Kind::Array: {
            const QVariantList list = arrayOf(v);
            if (list.isEmpty()) {
                line("<array/>", indent);
                return true;
            }
            line("<array>", indent);
            for (const QVariant &item : list) {
                if (!value(item, indent + 1))
                    return false;
            }
            line("</array>", indent);
            return true;
        }
        case Kind::Dictionary: {
            const QVariantMap map = dictionaryOf(v);
            if (map.isEmpty()) {
                line("<dict/>", indent);
                return true;
            }
            line("<dict>", indent);
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                if (!element("key", it.key(), indent + 1) || !value(it.value(), indent + 1))
                    return false;
            }
            line("</dict>", indent);
            return true;
        }
        case Kind::Invalid:
            break;
        }
        return fail(QStringLiteral("not a property-list value"));
    }

    QByteArray m_out;
    QString m_error;
};

} // namespace

std::optional<QVariant> readXml(const QByteArray &bytes, QString *error)
{
    const XmlDocument document = prepareXml(bytes);
    if (!document.refusal.isNull()) {
        if (error)
            *error = QStringLiteral("XML property list, line %1: %2").arg(document.refusalLine).arg(document.refusal);
        return std::nullopt;
    }
    return Reader(document).read(error);
}

QByteArray writeXml(const QVariant &value, QString *error)
{
    return Writer().write(value, error);
}

} // namespace reel::plist
