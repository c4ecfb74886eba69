/// \file
/// \ingroup plist
/// Which QVariant types stand for number objects, and of which kind.
#pragma once

#include "reel/base/export.h"

#include <QVariant>

REEL_EXPORT_BEGIN
namespace reel {

enum class NumberKind {
    NotANumber,
    Boolean,
    Signed,   ///< int, long, long long, short, signed char
    Unsigned, ///< the unsigned integer types
    Floating, ///< float, double
};

NumberKind numberKind(const QVariant &value);

/// True for the variant types that stand for number objects: the integer and
/// floating types and booleans.
inline bool isNumberValue(const QVariant &value)
{
    return numberKind(value) != NumberKind::NotANumber;
}

} // namespace reel
REEL_EXPORT_END
