/// \file
/// \ingroup numbers
/// Lenient number reading, ratios as text, version numbers and field picking.
///
/// Floats are single precision. Where a function below says nothing of the
/// log, it writes no line.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariantList>

REEL_EXPORT_BEGIN
namespace reel {

/// The toolkit's lenient number reader: spaces (U+0020 only) are removed,
/// then one number is read from the front, letters before it passed over.
/// "  12.5 fps" gives 12.5, "x264" 264, "12,5" 12; "abc", "", a null string
/// and a text starting with a tab or line break give 0.
float str2Float(const QString &s);

/// str2Float truncated towards zero ("-7.9" gives -7). A value beyond the int
/// range or infinite gives 0 (logged).
int str2Int(const QString &s);

/// The numbers of list in ascending numeric order: number elements as they
/// are (int, double, ... unchanged), any other element as a float number read
/// with str2Float from its text. Every element is logged. An empty list
/// stands for nothing: it is what an empty list gives. NaN sorts first.
QVariantList sortNumbers(const QVariantList &list);

/// A ratio from "w:h" (w / h in single precision, further fields ignored) or
/// a plain number ("1.85"). 1 for a null text and for a magnitude below 0.1;
/// a zero height gives an infinity or NaN, returned as it is. A plain number
/// is logged.
float fractionStr2Float(const QString &s);

/// A ratio as "w:h": near 1, 4/3 and 16/9 (within 0.02) the usual names,
/// otherwise the thousandths reduced by small common factors (1.85 gives
/// "37:20"). "1:1" below 0.1, and for NaN and ratios too large to scale
/// (logged). A ratio worked out from its thousandths is logged.
QString float2FractionStr(float r);

/// "major.minor.patch" as major + minor/100 + patch/10000 ("10.4.11" gives
/// 10.0411); parts after the third are ignored, missing ones add nothing.
float versionStr2Float(const QString &s);

/// The index-th field of s cut at every separator (empty fields kept); 666
/// stands for the second-to-last field and 777 for the last. s itself when
/// it reads as an int ("%d") or a six-decimal float ("%f"), when it holds no
/// separator (or the separator is empty or null), or when the index is past
/// the last field. "" for a null s.
QString ASTID(const QString &s, const QString &separator, uint index);

} // namespace reel
REEL_EXPORT_END
