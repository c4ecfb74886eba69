#include "reel/numbers/durations.h"

#include "reel/core/log.h"
#include "reel/core/scan.h"
#include "reel/dialogs/alerts.h"
#include "reel/numbers/checked_p.h"
#include "reel/numbers/parsing.h"
#include "reel/strings/rewriting.h"

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

} // namespace reel
