#include "reel/plist/numberkind.h"

namespace reel {

NumberKind numberKind(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return NumberKind::Boolean;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
        return NumberKind::Signed;
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return NumberKind::Unsigned;
    case QMetaType::Float:
    case QMetaType::Double:
        return NumberKind::Floating;
    default:
        return NumberKind::NotANumber;
    }
}

} // namespace reel
