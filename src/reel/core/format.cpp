#include "reel/core/format.h"

#include "reel/core/describe.h"

#include <cstdio>
#include <locale.h>
#include <optional>
#include <string>

namespace reel {

namespace {

enum class Length { None, Char, Short, Long, LongLong, Size };

struct Directive {
    std::string flags;
    std::string width;
    std::string precision; // includes the leading '.' when present
    Length length = Length::None;
    char conversion = 0;
};

QString cFormat(const Directive &directive, const char *lengthText, auto value)
{
    std::string f = "%" + directive.flags + directive.width + directive.precision + lengthText + directive.conversion;
    // Numbers are written with the C locale's "." whatever LC_NUMERIC says.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = uselocale(cLocale);
    char small[128];
    int n = std::snprintf(small, sizeof small, f.c_str(), value);
    QString out;
    if (n >= 0 && n < int(sizeof small)) {
        out = QString::fromUtf8(small, n);
    } else if (n >= 0) {
        std::string big(size_t(n) + 1, '\0');
        std::snprintf(big.data(), big.size(), f.c_str(), value);
        big.resize(size_t(n));
        out = QString::fromStdString(big);
    }
    uselocale(previous);
    return out;
}

qlonglong signedArg(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float) {
        const double d = v.toDouble();
        if (!(d > -9.2e18 && d < 9.2e18))
            return 0;
        return static_cast<qlonglong>(d);
    }
    if (v.metaType().id() == QMetaType::ULongLong)
        return static_cast<qlonglong>(v.toULongLong());
    return v.toLongLong();
}

QString formatInteger(const Directive &directive, const QVariant &arg)
{
    const qlonglong raw = signedArg(arg);
    const bool isSigned = directive.conversion == 'd' || directive.conversion == 'i';
    switch (directive.length) {
    case Length::LongLong:
    case Length::Long:
    case Length::Size:
        return isSigned ? cFormat(directive, "ll", static_cast<long long>(raw))
                        : cFormat(directive, "ll", static_cast<unsigned long long>(raw));
    case Length::Short:
        return isSigned ? cFormat(directive, "", int(static_cast<short>(raw)))
                        : cFormat(directive, "", unsigned(static_cast<unsigned short>(raw)));
    case Length::Char:
        return isSigned ? cFormat(directive, "", int(static_cast<signed char>(raw)))
                        : cFormat(directive, "", unsigned(static_cast<unsigned char>(raw)));
    case Length::None:
        break;
    }
    return isSigned ? cFormat(directive, "", static_cast<int>(static_cast<quint32>(raw)))
                    : cFormat(directive, "", static_cast<unsigned>(static_cast<quint32>(raw)));
}

QString padded(const Directive &directive, const QString &text)
{
    if (directive.width.empty())
        return text;
    const int width = std::stoi(directive.width);
    if (text.size() >= width)
        return text;
    const QString fill(width - text.size(), QLatin1Char(' '));
    return directive.flags.find('-') != std::string::npos ? text + fill : fill + text;
}

// The length modifier at i, if any: h, hh, l, ll, q, j, z, t.
Length readLength(std::string_view fmt, size_t &i)
{
    auto twice = [&](char c) {
        const bool doubled = i + 1 < fmt.size() && fmt[i + 1] == c;
        i += doubled ? 2 : 1;
        return doubled;
    };
    if (i >= fmt.size())
        return Length::None;
    switch (fmt[i]) {
    case 'h':
        return twice('h') ? Length::Char : Length::Short;
    case 'l':
        return twice('l') ? Length::LongLong : Length::Long;
    case 'q':
    case 'j':
        ++i;
        return Length::LongLong;
    case 'z':
    case 't':
        ++i;
        return Length::Size;
    default:
        return Length::None;
    }
}

// The directive whose '%' stands just before i, i then past it; nothing when
// the text ends before its conversion character.
std::optional<Directive> readDirective(std::string_view fmt, size_t &i)
{
    Directive directive;
    auto digits = [&](std::string &into) {
        while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9')
            into += fmt[i++];
    };
    while (i < fmt.size() && std::string_view("-+ #0'").find(fmt[i]) != std::string_view::npos)
        directive.flags += fmt[i++];
    digits(directive.width);
    if (i < fmt.size() && fmt[i] == '.') {
        directive.precision += fmt[i++];
        digits(directive.precision);
    }
    directive.length = readLength(fmt, i);
    if (i >= fmt.size())
        return std::nullopt;
    directive.conversion = fmt[i++];
    return directive;
}

QString character(const Directive &directive, const QVariant &v)
{
    const char32_t code = v.metaType().id() == QMetaType::QString && !v.toString().isEmpty()
                              ? v.toString().at(0).unicode()
                              : char32_t(v.toUInt());
    return padded(directive, QString::fromUcs4(&code, 1));
}

QString string(const Directive &directive, const QVariant &v)
{
    QString s = v.isValid() ? v.toString() : QStringLiteral("(null)");
    if (directive.precision.size() > 1)
        s.truncate(std::stoi(directive.precision.substr(1)));
    return padded(directive, s);
}

// The text of a directive, taking its argument with takeArg; nothing for a
// conversion this formatter does not know.
template <typename TakeArg>
std::optional<QString> converted(const Directive &directive, TakeArg &&takeArg)
{
    switch (directive.conversion) {
    case '%':
        return QStringLiteral("%");
    case '@':
        return padded(directive, describe(takeArg()));
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
        return formatInteger(directive, takeArg());
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        return cFormat(directive, "", takeArg().toDouble());
    case 'c':
    case 'C':
        return character(directive, takeArg());
    case 's':
    case 'S':
        return string(directive, takeArg());
    default:
        return std::nullopt;
    }
}

} // namespace

QString formatv(std::string_view fmt, const QVariantList &args)
{
    QString out;
    out.reserve(qsizetype(fmt.size()) + 16);
    qsizetype next = 0;
    size_t literalStart = 0;
    auto takeArg = [&]() -> QVariant { return next < args.size() ? args.at(next++) : QVariant(); };

    for (size_t i = 0; i < fmt.size();) {
        if (fmt[i] != '%') {
            ++i;
            continue;
        }
        const size_t directiveStart = i++;
        const std::optional<Directive> directive = readDirective(fmt, i);
        if (!directive)
            break; // a lone trailing directive is kept as written
        out += QString::fromUtf8(fmt.data() + literalStart, qsizetype(directiveStart - literalStart));
        literalStart = i;
        if (const std::optional<QString> text = converted(*directive, takeArg))
            out += *text;
        else // kept as written, consuming nothing
            out += QString::fromUtf8(fmt.data() + directiveStart, qsizetype(i - directiveStart));
    }
    out += QString::fromUtf8(fmt.data() + literalStart, qsizetype(fmt.size() - literalStart));
    return out;
}

} // namespace reel
