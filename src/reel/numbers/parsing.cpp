#include "reel/numbers/parsing.h"

#include "reel/core/describe.h"
#include "reel/core/log.h"
#include "reel/core/scan.h"
#include "reel/numbers/checked_p.h"
#include "reel/numbers/multiples.h"
#include "reel/strings/lists.h"
#include "reel/strings/rewriting.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace reel {

namespace {

// The value of a number element, exact for every int and double.
long double numericValue(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::Float:
        return v.toFloat();
    default:
        return numberKind(v) == NumberKind::Unsigned ? static_cast<long double>(v.toULongLong())
                                                     : static_cast<long double>(v.toLongLong());
    }
}

} // namespace

float str2Float(const QString &s)
{
    if (s.isNull())
        return 0;
    logDebug(LogLabel("str2Float"), "- deb : %@…", s);
    const QString cleaned = findAndReplace(s, QStringLiteral(" "), QStringLiteral(""), false);
    qsizetype pos = 0;
    if (const std::optional<float> value = scanFloat(cleaned, &pos, ScanSkip::Letters)) {
        logDebug(LogLabel("str2Float"), "- fin :'%@'->%f", cleaned, *value);
        return *value;
    }
    logDebug("mais heuu, c'est meme pas un float :(");
    return 0;
}

int str2Int(const QString &s)
{
    const float value = str2Float(s);
    if (const std::optional<int> whole = detail::truncatedToInt(value))
        return *whole;
    logAlways(LogLabel("str2Int"), ":-( %f is no int, 0 returned", value);
    return 0;
}

QVariantList sortNumbers(const QVariantList &list)
{
    QVariantList numbers;
    numbers.reserve(list.size());
    for (const QVariant &element : list) {
        logAlways("%@", element);
        if (isNumberValue(element))
            numbers.append(element);
        else
            numbers.append(QVariant(str2Float(element.typeId() == QMetaType::QString ? element.toString()
                                                                                      : describe(element))));
    }
    // NaN is put before every number so that the order stays a strict one.
    std::stable_sort(numbers.begin(), numbers.end(), [](const QVariant &a, const QVariant &b) {
        const long double x = numericValue(a);
        const long double y = numericValue(b);
        if (std::isnan(x) || std::isnan(y))
            return std::isnan(x) && !std::isnan(y);
        return x < y;
    });
    return numbers;
}

float fractionStr2Float(const QString &s)
{
    if (s.isNull())
        return 1;
    float ratio = 0;
    if (!s.contains(QLatin1Char(':'))) {
        ratio = str2Float(s);
        logAlways("fractionStr2Float :-/ %.3f (<-%@)", ratio, s);
    } else {
        const QStringList parts = s.split(QLatin1Char(':'));
        ratio = floatValue(parts.at(0)) / floatValue(parts.at(1));
        logDebug("fractionStr2Float :-) %.3f (<-%@)", ratio, s);
    }
    return std::fabs(ratio) < 0.1 ? 1.0f : ratio;
}

QString float2FractionStr(float r)
{
    // The tests run on r widened to double, against double constants.
    const double wide = r;
    if (std::fabs(wide) < 0.1 || std::fabs(wide - 1.0) <= 0.02)
        return QStringLiteral("1:1");
    if (std::fabs(wide - 1.33) <= 0.02)
        return QStringLiteral("4:3");
    if (std::fabs(wide - 1.77) <= 0.02)
        return QStringLiteral("16:9");
    const std::optional<int> thousandths = detail::truncatedToInt(r * 1000.0f);
    if (!thousandths) {
        logAlways("float2FractionStr :-( %f has no fraction, 1:1 returned", r);
        return QStringLiteral("1:1");
    }
    const QVariantList reduced = sousMultipleCommuns(*thousandths, 1000);
    const QString result = format("%d:%d", reduced.at(0), reduced.at(1));
    logAlways("float2FractionStr : %@ (<-%.3f)", result, r);
    return result;
}

float versionStr2Float(const QString &s)
{
    const QStringList parts = s.split(QLatin1Char('.'));
    float version = float(intValue(parts.at(0)));
    if (parts.size() > 1)
        version = version + float(intValue(parts.at(1))) / 100.0f;
    if (parts.size() > 2)
        version = version + float(intValue(parts.at(2))) / 100.0f / 100.0f;
    logDebug("returnedFloat %f", version);
    return version;
}

QString ASTID(const QString &s, const QString &separator, uint index)
{
    if (s.isNull())
        return QStringLiteral("");
    if (separator.isNull())
        return s;
    logDebug("ASTID - debut : (%@) %@", separator, s);
    if (s == format("%d", intValue(s))) {
        logDebug("ASTID - int détecté ;-)");
        return s;
    }
    if (s == format("%f", floatValue(s))) {
        logDebug("ASTID - float détecté ;-)");
        return s;
    }
    if (separator.isEmpty() || !s.contains(separator))
        return s;
    const QStringList fields = s.split(separator, Qt::KeepEmptyParts);
    const qsizetype count = fields.size();
    qsizetype at = 0;
    if (index == 666)
        at = count - 2;
    else if (index == 777)
        at = count - 1;
    else if (qsizetype(index) < count)
        at = qsizetype(index);
    else
        return s;
    return fields.at(at);
}

} // namespace reel
