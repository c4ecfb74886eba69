#include "reel/dialogs/alerts.h"

#include "reel/core/log.h"

namespace reel {

// Placeholder until the presenter lands: logs the alert and answers the
// default button.
int displayAlert(const QString &title, const QString &message, int /*style*/, QWidget * /*window*/)
{
    logAlways("alert               : %@ - %@", title, message);
    return kAlertDefaultReturn;
}

} // namespace reel
