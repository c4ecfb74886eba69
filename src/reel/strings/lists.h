// Small list transforms: reversal, duplicate removal, sorting by text, and
// insertion of one list into another.
#pragma once

#include "reel/core/numberkind.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace reel {

// A new list with the elements in reverse order.
QVariantList reverseArray(const QVariantList &list);
QStringList reverseArray(const QStringList &list);

// A new list holding each distinct element once. Elements are compared by
// value: strings by their text, numbers by their numeric value whatever
// their type (int 1, double 1.0 and true are one number), a string and a
// number never match. Callers must not rely on the order of the result
// (today: the order of first occurrence).
QVariantList supprimerDoublons(const QVariantList &list);
QStringList supprimerDoublons(const QStringList &list);

// The elements' texts (a string itself, anything else its "%@" text) sorted
// without regard to case. An empty list stands for nothing: it is what an
// empty list gives.
QStringList triAlphabetique(const QVariantList &list);
QStringList triAlphabetique(const QStringList &list);

// Inserts the elements of source, in their order, in front of the element
// at index in target, and returns target. An index past the end of target
// leaves target unchanged (logged).
QVariantList &insertObjectsFromArray(QVariantList &target, const QVariantList &source, uint index);
QStringList &insertObjectsFromArray(QStringList &target, const QStringList &source, uint index);


} // namespace reel
