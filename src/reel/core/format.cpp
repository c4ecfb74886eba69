#include "reel/core/format.h"

#include "reel/core/describe.h"

#include <cstdio>
#include <locale.h>
#include <string>

namespace reel {

namespace {

enum class Length { None, Char, Short, Long, LongLong, Size };

struct Spec {
    std::string flags;
    std::string width;
    std::string precision; // includes the leading '.' when present
    Length length = Length::None;
    char conversion = 0;
};

QString cFormat(const Spec &spec, const char *lengthText, auto value)
{
    std::string f = "%" + spec.flags + spec.width + spec.precision + lengthText + spec.conversion;
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

QString formatInteger(const Spec &spec, const QVariant &arg)
{
    const qlonglong raw = signedArg(arg);
    const bool isSigned = spec.conversion == 'd' || spec.conversion == 'i';
    switch (spec.length) {
    case Length::LongLong:
    case Length::Long:
    case Length::Size:
        return isSigned ? cFormat(spec, "ll", static_cast<long long>(raw))
                        : cFormat(spec, "ll", static_cast<unsigned long long>(raw));
    case Length::Short:
        return isSigned ? cFormat(spec, "", int(static_cast<short>(raw)))
                        : cFormat(spec, "", unsigned(static_cast<unsigned short>(raw)));
    case Length::Char:
        return isSigned ? cFormat(spec, "", int(static_cast<signed char>(raw)))
                        : cFormat(spec, "", unsigned(static_cast<unsigned char>(raw)));
    case Length::None:
        break;
    }
    return isSigned ? cFormat(spec, "", static_cast<int>(static_cast<quint32>(raw)))
                    : cFormat(spec, "", static_cast<unsigned>(static_cast<quint32>(raw)));
}

QString padded(const Spec &spec, const QString &text)
{
    if (spec.width.empty())
        return text;
    const int width = std::stoi(spec.width);
    if (text.size() >= width)
        return text;
    const QString fill(width - text.size(), QLatin1Char(' '));
    return spec.flags.find('-') != std::string::npos ? text + fill : fill + text;
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
        Spec spec;
        while (i < fmt.size() && std::string_view("-+ #0'").find(fmt[i]) != std::string_view::npos)
            spec.flags += fmt[i++];
        while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9')
            spec.width += fmt[i++];
        if (i < fmt.size() && fmt[i] == '.') {
            spec.precision += fmt[i++];
            while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9')
                spec.precision += fmt[i++];
        }
        if (i < fmt.size()) {
            switch (fmt[i]) {
            case 'h':
                ++i;
                spec.length = Length::Short;
                if (i < fmt.size() && fmt[i] == 'h') {
                    ++i;
                    spec.length = Length::Char;
                }
                break;
            case 'l':
                ++i;
                spec.length = Length::Long;
                if (i < fmt.size() && fmt[i] == 'l') {
                    ++i;
                    spec.length = Length::LongLong;
                }
                break;
            case 'q':
            case 'j':
                ++i;
                spec.length = Length::LongLong;
                break;
            case 'z':
            case 't':
                ++i;
                spec.length = Length::Size;
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
        spec.conversion = fmt[i++];
        literalStart = i;
        switch (spec.conversion) {
        case '%':
            out += QLatin1Char('%');
            break;
        case '@':
            out += padded(spec, describe(takeArg()));
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            out += formatInteger(spec, takeArg());
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            out += cFormat(spec, "", takeArg().toDouble());
            break;
        case 'c':
        case 'C': {
            const QVariant v = takeArg();
            const char32_t code = v.metaType().id() == QMetaType::QString && !v.toString().isEmpty()
                                      ? v.toString().at(0).unicode()
                                      : char32_t(v.toUInt());
            out += padded(spec, QString::fromUcs4(&code, 1));
            break;
        }
        case 's':
        case 'S': {
            const QVariant v = takeArg();
            QString s = v.isValid() ? v.toString() : QStringLiteral("(null)");
            if (spec.precision.size() > 1)
                s.truncate(std::stoi(spec.precision.substr(1)));
            out += padded(spec, s);
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
