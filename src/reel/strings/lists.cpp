#include "reel/strings/lists.h"

#include "reel/core/describe.h"
#include "reel/core/log.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace reel {

namespace {

template <typename List>
List reversed(const List &list)
{
    List out;
    out.reserve(list.size());
    for (auto it = list.crbegin(); it != list.crend(); ++it)
        out.append(*it);
    return out;
}

// The text of a number that equal numbers share, whatever their type.
QString numberKey(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.typeId() == QMetaType::Float ? double(v.toFloat()) : v.toDouble();
        if (std::isnan(d))
            return QStringLiteral("nan");
        if (d == std::trunc(d)) {
            if (d >= -9223372036854775808.0 && d < 9223372036854775808.0)
                return QString::number(static_cast<qint64>(d));
            if (d >= 0 && d < 18446744073709551616.0)
                return QString::number(static_cast<quint64>(d));
        }
        return QString::number(d, 'g', 17);
    }
    default:
        return numberKind(v) == NumberKind::Unsigned ? QString::number(v.toULongLong())
                                                     : QString::number(v.toLongLong());
    }
}

// A key that values equal by value share: strings and numbers. Nothing for
// other values, which are compared one by one.
std::optional<QString> valueKey(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return QLatin1Char('s') + v.toString();
    if (isNumberValue(v))
        return QLatin1Char('n') + numberKey(v);
    return std::nullopt;
}

QStringList sortedCaseInsensitive(QStringList texts)
{
    std::stable_sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return texts;
}

template <typename List>
List &insertAt(List &target, const List &source, uint index)
{
    if (qsizetype(index) > target.size()) {
        logAlways(LogLabel("insertObjectsFromArray"), ":-( index %u past the %lld elements, nothing inserted", index,
                  qint64(target.size()));
        return target;
    }
    const List items = source; // source may be target itself
    qsizetype at = qsizetype(index);
    for (const auto &item : items)
        target.insert(at++, item);
    return target;
}

} // namespace

QVariantList detail::reverseArrayOfValues(const QVariantList &list)
{
    return reversed(list);
}

QStringList reverseArray(const QStringList &list)
{
    return reversed(list);
}

QVariantList detail::supprimerDoublonsOfValues(const QVariantList &list)
{
    QVariantList out;
    QSet<QString> seen;
    QVariantList others;
    for (const QVariant &v : list) {
        if (const std::optional<QString> key = valueKey(v)) {
            if (seen.contains(*key))
                continue;
            seen.insert(*key);
        } else {
            if (others.contains(v))
                continue;
            others.append(v);
        }
        out.append(v);
    }
    return out;
}

QStringList supprimerDoublons(const QStringList &list)
{
    QStringList out = list;
    out.removeDuplicates();
    return out;
}

QStringList detail::triAlphabetiqueOfValues(const QVariantList &list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (const QVariant &v : list)
        texts.append(v.typeId() == QMetaType::QString ? v.toString() : describe(v));
    return sortedCaseInsensitive(texts);
}

QStringList triAlphabetique(const QStringList &list)
{
    return sortedCaseInsensitive(list);
}

QVariantList &insertObjectsFromArray(QVariantList &target, const QVariantList &source, uint index)
{
    return insertAt(target, source, index);
}

QStringList &insertObjectsFromArray(QStringList &target, const QStringList &source, uint index)
{
    return insertAt(target, source, index);
}

} // namespace reel
