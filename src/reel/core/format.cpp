#include "reel/core/format.h"

#include "reel/core/describe.h"

#include <cstdio>
#include <locale.h>
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

} // namespace

QString formatv(std::string_view fmt, const QVariantList &args)
{
    QString out;
    out.reserve(qsizetype(fmt.size()) + 16);
    qsizetype next = 0;
    size_t literalStart = 0;
    size_t i = 0;

    auto flushLiteral = [&](size_t end) {
        if (end > literalStart)
            out += QString::fromUtf8(fmt.data() + literalStart, qsizetype(end - literalStart));
    };
    auto takeArg = [&]() -> QVariant { return next < args.size() ? args.at(next++) : QVariant(); };

    while (i < fmt.size()) {
        if (fmt[i] != '%') {
            ++i;
            continue;
        }
        flushLiteral(i);
        const size_t directiveStart = i;
        ++i;
        Directive directive;
        while (i < fmt.size() && std::string_view("-+ #0'").find(fmt[i]) != std::string_view::npos)
            directive.flags += fmt[i++];
        while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9')
            directive.width += fmt[i++];
        if (i < fmt.size() && fmt[i] == '.') {
            directive.precision += fmt[i++];
            while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9')
                directive.precision += fmt[i++];
        }
        if (i < fmt.size()) {
            switch (fmt[i]) {
            case 'h':
                ++i;
                directive.length = Length::Short;
                if (i < fmt.size() && fmt[i] == 'h') {
                    ++i;
                    directive.length = Length::Char;
                }
                break;
            case 'l':
                ++i;
                directive.length = Length::Long;
                if (i < fmt.size() && fmt[i] == 'l') {
                    ++i;
                    directive.length = Length::LongLong;
                }
                break;
            case 'q':
            case 'j':
                ++i;
                directive.length = Length::LongLong;
                break;
            case 'z':
            case 't':
                ++i;
                directive.length = Length::Size;
                break;
            default:
                break;
            }
        }
        if (i >= fmt.size()) {
            // A lone trailing directive is kept as written.
            literalStart = directiveStart;
            break;
        }
        directive.conversion = fmt[i++];
        literalStart = i;
        switch (directive.conversion) {
        case '%':
            out += QLatin1Char('%');
            break;
        case '@':
            out += padded(directive, describe(takeArg()));
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            out += formatInteger(directive, takeArg());
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            out += cFormat(directive, "", takeArg().toDouble());
            break;
        case 'c':
        case 'C': {
            const QVariant v = takeArg();
            const char32_t code = v.metaType().id() == QMetaType::QString && !v.toString().isEmpty()
                                      ? v.toString().at(0).unicode()
                                      : char32_t(v.toUInt());
            out += padded(directive, QString::fromUcs4(&code, 1));
            break;
        }
        case 's':
        case 'S': {
            const QVariant v = takeArg();
            QString s = v.isValid() ? v.toString() : QStringLiteral("(null)");
            if (directive.precision.size() > 1)
                s.truncate(std::stoi(directive.precision.substr(1)));
            out += padded(directive, s);
            break;
        }
        default:
            // Unknown directive: keep it as written, consume nothing.
            out += QString::fromUtf8(fmt.data() + directiveStart, qsizetype(i - directiveStart));
            break;
        }
    }
    flushLiteral(fmt.size());
    return out;
}

} // namespace reel
