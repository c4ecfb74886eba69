/// \file
/// \ingroup strings
/// Small list transforms: reversal, duplicate removal, sorting by text, and
/// insertion of one list into another. Each takes a QStringList, or a
/// QVariantList (listforms.h): a braced list of strings is a QStringList.
/// Only insertObjectsFromArray can fail, and logs it.
#pragma once

#include "reel/core/export.h"
#include "reel/core/listforms.h"
#include "reel/plist/numberkind.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

REEL_EXPORT_BEGIN
namespace reel {

/// A new list with the elements in reverse order.
QStringList reverseArray(const QStringList &list);
/// reverseArray for a list of values.
template <typename List, detail::IfValues<List> = 0>
QVariantList reverseArray(const List &list);

/// A new list holding each distinct element once. Elements are compared by
/// value: strings by their text, numbers by their numeric value whatever
/// their type (int 1, double 1.0 and true are one number), a string and a
/// number never match. Callers must not rely on the order of the result
/// (today: the order of first occurrence).
QStringList supprimerDoublons(const QStringList &list);
/// supprimerDoublons for a list of values.
template <typename List, detail::IfValues<List> = 0>
QVariantList supprimerDoublons(const List &list);

/// The elements' texts (a string itself, anything else its "%@" text) sorted
/// without regard to case. An empty list stands for nothing: it is what an
/// empty list gives.
QStringList triAlphabetique(const QStringList &list);
/// triAlphabetique for a list of values.
template <typename List, detail::IfValues<List> = 0>
QStringList triAlphabetique(const List &list);

/// Inserts the elements of source, in their order, in front of the element
/// at index in target, and returns target. An index past the end of target
/// leaves target unchanged (logged).
QVariantList &insertObjectsFromArray(QVariantList &target, const QVariantList &source, uint index);
/// insertObjectsFromArray for lists of strings.
QStringList &insertObjectsFromArray(QStringList &target, const QStringList &source, uint index);

namespace detail {
QVariantList reverseArrayOfValues(const QVariantList &list);
QVariantList supprimerDoublonsOfValues(const QVariantList &list);
QStringList triAlphabetiqueOfValues(const QVariantList &list);
} // namespace detail

/// \cond
// The list-of-values forms declared above.
template <typename List, detail::IfValues<List>>
QVariantList reverseArray(const List &list)
{
    return detail::reverseArrayOfValues(list);
}
template <typename List, detail::IfValues<List>>
QVariantList supprimerDoublons(const List &list)
{
    return detail::supprimerDoublonsOfValues(list);
}
template <typename List, detail::IfValues<List>>
QStringList triAlphabetique(const List &list)
{
    return detail::triAlphabetiqueOfValues(list);
}
/// \endcond

} // namespace reel
REEL_EXPORT_END
