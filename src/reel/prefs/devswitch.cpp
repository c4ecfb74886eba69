#include "reel/prefs/devswitch.h"

#include "reel/prefs/preferences.h"

#include <QString>

namespace reel {

namespace {

// The makers' domain name.
constexpr QLatin1String kMarker("reelkit-videoworkshop.org");
static_assert(kMarker.size() == 25);

} // namespace

bool getDEBUGMOI()
{
    const QString key = QStringLiteral("id");
    if (!prefRead2(key).isValid())
        return false;
    const QVariant value = prefRead2(key);
    return value.metaType().id() == QMetaType::QString && value.toString().contains(kMarker);
}

} // namespace reel
