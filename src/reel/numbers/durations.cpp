#include "reel/numbers/durations.h"

#include "reel/core/log.h"
#include "reel/core/scan.h"
#include "reel/dialogs/alerts.h"
#include "reel/numbers/checked_p.h"
#include "reel/numbers/parsing.h"
#include "reel/strings/rewriting.h"

#include <QRegularExpression>
#include <QStringList>

#include <climits>
#include <cmath>
#include <optional>

namespace reel {

namespace {

const char16_t kDoubleQuote = u'"';

// "0" in front of a value below 10 (used before the value is formatted).
QString zeroBelowTen(double v)
{
    return v < 10 ? QStringLiteral("0") : QStringLiteral("");
}

// v on two digits at least.
QString twoDigits(int v)
{
    return v > 9 ? format("%d", v) : format("0%d", v);
}

// The part of a split at index, or "" when the split gave fewer parts.
QString part(const QStringList &parts, qsizetype index)
{
    return index < parts.size() ? parts.at(index) : QStringLiteral("");
}

} // namespace

QString secondesInt2Str(int t)
{
    if (t < 0) {
        logAlways(LogLabel("secondesInt2Str"), ":-( negative duration %d, 0 written", t);
        t = 0;
    }
    const int h = t / 3600;
    const int m = t / 60 - (t > 3599 ? h * 60 : 0);
    const int s = t - h * 3600 - m * 60;
    return format("%dh%@%d'%@%d\"", h, zeroBelowTen(m), m, zeroBelowTen(s), s);
}

int secondesStr2Int(const QString &s)
{
    if (s.isNull())
        return 0;
    if (!(s.contains(QLatin1Char('h')) && s.contains(QLatin1Char('\'')) && s.contains(QChar(kDoubleQuote))))
        return intValue(s);
    logDebug(":-) %@", s);
    const QStringList byHour = s.split(QLatin1Char('h'));
    const QStringList byMinute = part(byHour, 1).split(QLatin1Char('\''));
    const QStringList bySecond = part(byMinute, 1).split(QChar(kDoubleQuote));
    const qint64 total =
        qint64(intValue(byHour.at(0))) * 3600 + qint64(intValue(byMinute.at(0))) * 60 + intValue(bySecond.at(0));
    if (total > INT_MAX || total < INT_MIN) {
        logAlways(LogLabel("secondesStr2Int"), ":-( '%@' leaves the integers, 0 returned", s);
        return 0;
    }
    return int(total);
}

QString secondesCutFloat2Str(float x)
{
    if (!(x > 0))
        return QStringLiteral("");
    return format("-%@%.1f'", zeroBelowTen(x), x);
}

float secondesCutStr2Float(const QString &s)
{
    if (s.isEmpty())
        return 0;
    // Nothing lies between the first and the last character of a shorter text.
    const QString inner = s.size() > 2 ? s.sliced(1, s.size() - 2) : QStringLiteral("");
    return str2Float(inner);
}

QString secondeFloat2TimecodeStr(float x, int digits)
{
    if (digits < 0) {
        logAlways(LogLabel("secondeFloat2TimecodeStr"), ":-( %d digits, none written", digits);
        digits = 0;
    }
    const int d = qMin(digits, 3);
    std::optional<int> whole = detail::truncatedToInt(x);
    if (!whole || x < 0) {
        logAlways(LogLabel("secondeFloat2TimecodeStr"), ":-( %f seconds has no timecode, 0 written", x);
        x = 0;
        whole = 0;
    }
    const int w = *whole;
    const int h = w / 3600;
    const int rest = w % 3600;
    const QString mm = twoDigits(rest / 60);
    const QString ss = twoDigits(rest % 60);
    if (d == 0)
        return format("%d:%@:%@", h, mm, ss);

    // The difference in single precision, the scaling in double, truncated:
    // it stays below 1000.
    const float below = std::fabs(x - float(w));
    const int f = int(double(below) * std::pow(10.0, d));
    QString fraction;
    if (d == 1) {
        fraction = format("%d", f);
    } else if (d == 2) {
        fraction = twoDigits(f);
    } else {
        fraction = format("%d", f);
        if (f <= 99)
            fraction = format("0%@", fraction);
        if (f <= 9)
            fraction = format("0%@", fraction);
    }
    return format("%d:%@:%@.%@", h, mm, ss, fraction);
}

float timecodeStr2Float(const QString &s)
{
    if (s.isNull())
        return 0;
    QStringList fields = s.split(QLatin1Char(':'));
    logDebug(LogLabel("tcMArray"), ": %@", fields);

    if (fields.size() == 4) {
        const float hours = str2Float(fields.at(0)) * 24 + str2Float(fields.at(1));
        if (const std::optional<int> wholeHours = detail::truncatedToInt(hours)) {
            fields[1] = format("%d", *wholeHours);
            fields.removeFirst();
        } else {
            logAlways(LogLabel("timecodeStr2Float"), ":-( '%@' has too many hours, 0 returned", s);
            fields.clear();
        }
    }

    float result = 0;
    if (fields.size() == 3) {
        const QString &secondsField = fields.at(2);
        const QChar separator = secondsField.contains(QLatin1Char(',')) ? QLatin1Char(',') : QLatin1Char('.');
        const qsizetype cut = secondsField.indexOf(separator);
        const float seconds = str2Float(cut < 0 ? secondsField : secondsField.first(cut));
        const float hours = str2Float(fields.at(0));
        const float minutes = str2Float(fields.at(1));
        result = detail::narrowedToFloat(double(hours) * 60 * 60 + double(minutes) * 60 + double(seconds));

        if (cut >= 0) {
            QString fractionText = secondsField.sliced(cut + 1);
            float divisor = 1;
            if (fractionText.contains(QLatin1Char('/'))) {
                // Frames over a frame rate, as hundredths of a second.
                const QStringList frames = fractionText.split(QLatin1Char('/'));
                const double hundredths = double(str2Float(frames.at(0))) * 100 / double(str2Float(frames.at(1)));
                if (const std::optional<int> whole = detail::truncatedToInt(hundredths)) {
                    fractionText = format("%d", *whole);
                } else {
                    logAlways(LogLabel("timecodeStr2Float"), ":-( frames '%@' give no fraction, 0 added", fractionText);
                    fractionText = QStringLiteral("0");
                }
                divisor = 100;
            } else {
                fractionText = findAndReplace(fractionText, QStringLiteral(" "), QStringLiteral(""), false);
                for (qsizetype i = 0; i < fractionText.size() && std::isfinite(divisor); ++i)
                    divisor = divisor * 10;
            }
            logDebug(LogLabel("diviseurFloat"), ": %f, tmpStr : %@", divisor, fractionText);
            float fraction = str2Float(fractionText) / divisor;
            if (std::isnan(fraction)) {
                // Digits beyond the float range overflow both sides.
                logAlways(LogLabel("timecodeStr2Float"), ":-( fraction '%@' too long, 0 added",
                          valueTrimmedForLogAsStr(fractionText));
                fraction = 0;
            }
            logDebug(LogLabel("msFloat"), ": %f", fraction);
            result = result + fraction;
        }
    }

    logDebug(LogLabel("returnedFloat"), ":-) %f", result);
    if (std::fabs(result) < 0.1 && debugOn() && str2Float(s) != 0) {
        displayAlert(QStringLiteral("utils > timecodeStr2Float ? :-/"), format("…à revoir :-( returnedFloat = %f", result),
                     kCriticalAlertStyle, nullptr);
    }
    return result;
}

std::optional<double> userDurationSeconds(const QString &text)
{
    // A number with "." or "," before its fraction; digits only, so that
    // neither signs nor exponents get in.
    const QString number = QStringLiteral("(\\d{1,9}(?:[.,]\\d{1,9})?)");
    static const QRegularExpression plain(QStringLiteral("^%1$").arg(number));
    static const QRegularExpression clock(QStringLiteral("^(?:(\\d{1,7}):)?(\\d{1,7}):(\\d{1,2}(?:[.,]\\d{1,9})?)$"));
    static const QRegularExpression units(QStringLiteral("^(?:%1\\s*h)?\\s*(?:%1\\s*(?:min|m|')(?!s))?\\s*(?:%1\\s*(?:s|\"))?$"
                                                         "|^%1\\s*h\\s*(\\d{1,2})$")
                                              .arg(number));
    const auto value = [](const QString &digits) { return QString(digits).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); };
    const QString t = text.trimmed().toLower();
    double seconds = -1;
    if (t.isEmpty()) {
        return std::nullopt;
    } else if (const QRegularExpressionMatch m = plain.match(t); m.hasMatch()) {
        seconds = value(m.captured(1));
    } else if (const QRegularExpressionMatch m = clock.match(t); m.hasMatch()) {
        const bool hours = m.hasCaptured(1) && !m.captured(1).isEmpty();
        const double minutes = value(m.captured(2));
        const double secs = value(m.captured(3));
        if (secs >= 60 || (hours && minutes >= 60))
            return std::nullopt;
        seconds = (hours ? value(m.captured(1)) * 3600 : 0) + minutes * 60 + secs;
    } else if (const QRegularExpressionMatch m = units.match(t); m.hasMatch()) {
        // The second form: hours and bare minutes ("1h30").
        const bool bare = !m.captured(5).isEmpty();
        const QString h = bare ? m.captured(4) : m.captured(1);
        const QString min = bare ? m.captured(5) : m.captured(2);
        const QString sec = bare ? QString() : m.captured(3);
        if (h.isEmpty() && min.isEmpty() && sec.isEmpty())
            return std::nullopt;
        // Below a larger unit, a unit counts less than the next one up.
        if ((!h.isEmpty() && !min.isEmpty() && value(min) >= 60)
            || ((!h.isEmpty() || !min.isEmpty()) && !sec.isEmpty() && value(sec) >= 60))
            return std::nullopt;
        seconds = value(h) * 3600 + value(min) * 60 + value(sec);
    }
    if (!(seconds >= 0) || seconds >= 1e7)
        return std::nullopt;
    return seconds;
}

} // namespace reel
