/// \file
/// \ingroup plist
/// Which QVariant types stand for number objects, and of which kind. Every
/// value has an answer: nothing here fails or logs.
#pragma once

#include "reel/base/export.h"

#include <QVariant>

REEL_EXPORT_BEGIN
namespace reel {

/// The kind of number a value stands for.
enum class NumberKind {
    NotANumber, ///< a string, a list, an invalid value...
    Boolean,    ///< bool
    Signed,   ///< int, long, long long, short, signed char
    Unsigned, ///< the unsigned integer types
    Floating, ///< float, double
};

/// The kind of number the value's type stands for.
NumberKind numberKind(const QVariant &value);

/// True for the variant types that stand for number objects: the integer and
/// floating types and booleans.
inline bool isNumberValue(const QVariant &value)
{
    return numberKind(value) != NumberKind::NotANumber;
}

} // namespace reel
REEL_EXPORT_END
