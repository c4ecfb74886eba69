/// \file
/// \ingroup core
/// Functions that take a list of strings or a list of values: the QStringList
/// form is an ordinary function, the QVariantList form a template that only a
/// QVariantList chooses. A braced list deduces no template argument, so
/// f({"a", "b"}) calls the QStringList form instead of being ambiguous.
#pragma once

#include <QVariantList>

#include <type_traits>

namespace reel::detail {

template <typename List>
using IfValues = std::enable_if_t<std::is_same_v<List, QVariantList>, int>;

} // namespace reel::detail
