/// \file
/// \ingroup core
/// printf-style formatting with the Foundation "%@" directive.
///
/// The toolkit's log lines are written as format strings ("lsCocoa - fin : %d
/// items : %@"); this is the one place that fills them. "%@" takes any value
/// and writes its describe() text; the C conversions (d i u x X o c f F e E g G
/// s, with flags, width, precision and the h/l/ll/q/z lengths) behave as in C,
/// with "%d" and "%u" truncating to 32 bits as an int argument would. "%%" is a
/// percent sign. A missing argument formats as "(null)" or 0, and a directive
/// that cannot be read stays as written: formatting never fails and never
/// logs.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <string_view>

REEL_EXPORT_BEGIN
namespace reel {

/// The format text filled with the values of args, in order.
QString formatv(std::string_view format, const QVariantList &args);

namespace detail {
inline QVariant formatArg(const QVariant &v) { return v; }
inline QVariant formatArg(const QString &v) { return v; }
inline QVariant formatArg(QStringView v) { return v.toString(); }
inline QVariant formatArg(const char *v) { return v ? QVariant(QString::fromUtf8(v)) : QVariant(); }
inline QVariant formatArg(const QStringList &v) { return v; }
template <typename T>
QVariant formatArg(const T &v) { return QVariant::fromValue(v); }
} // namespace detail

/// formatv with the arguments as they are: strings, numbers, lists, any
/// value a QVariant holds.
template <typename... Args>
QString format(std::string_view fmt, const Args &...args)
{
    return formatv(fmt, QVariantList{detail::formatArg(args)...});
}

} // namespace reel
REEL_EXPORT_END
