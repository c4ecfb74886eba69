#include "reel/base/errortext.h"

#include <cstring>

namespace reel {

QString errnoText(int code)
{
    // The GNU strerror_r: it returns the text, in buffer or a constant.
    char buffer[256];
    return QString::fromLocal8Bit(::strerror_r(code, buffer, sizeof buffer));
}

} // namespace reel
