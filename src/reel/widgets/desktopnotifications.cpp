#include "reel/widgets/desktopnotifications.h"

#include "reel/core/log.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCallWatcher>
#include <QtDBus/QDBusPendingReply>
#include <QtDBus/QDBusReply>

namespace reel {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

// How long the bus may take over the questions about the service, and the
// service over a notification: a stuck service must not hold the program.
constexpr int kBusTimeoutMs = 2000;
constexpr int kNotifyTimeoutMs = 5000;

} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent) : QObject(parent) {}

DesktopNotifier::~DesktopNotifier() = default;

bool DesktopNotifier::serviceAvailable()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        logAlways(LogLabel("notify"), ":-( no session bus: %@", bus.lastError().message());
        return false;
    }
    QDBusConnectionInterface *daemon = bus.interface();
    if (!daemon) {
        logAlways(LogLabel("notify"), ":-( the session bus does not answer");
        return false;
    }
    // The daemon's own proxy is shared by the connection's users; its
    // timeout is put back after.
    const int timeout = daemon->timeout();
    daemon->setTimeout(kBusTimeoutMs);
    const QDBusReply<bool> owned = daemon->isServiceRegistered(kService);
    bool available = owned.isValid() && owned.value();
    if (!available) {
        const QDBusReply<QStringList> activatable = daemon->activatableServiceNames();
        available = activatable.isValid() && activatable.value().contains(kService);
    }
    daemon->setTimeout(timeout);
    if (!available)
        logAlways(LogLabel("notify"), ":-( no notification service on the session bus");
    return available;
}

bool DesktopNotifier::notify(const DesktopNotification &notification, NotificationActionHandler onAction)
{
    if (!serviceAvailable())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_listening) {
        bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(serviceActionInvoked(uint, QString)));
        bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(serviceNotificationClosed(uint, uint)));
        m_listening = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << notification.appName << uint(0) << notification.icon << notification.title << notification.body
         << notification.actions << notification.hints << qint32(notification.timeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kNotifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title = notification.title, onAction = std::move(onAction)](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    logAlways(LogLabel("notify"), ":-( \"%@\" not shown: %@", title, reply.error().message());
                    emit refused(reply.error().message());
                    return;
                }
                const uint id = reply.value();
                if (onAction)
                    m_handlers.insert(id, onAction);
                emit sent(id);
            });
    return true;
}

void DesktopNotifier::serviceActionInvoked(uint id, const QString &action)
{
    // Every program's notifications are announced on the bus; only ours
    // have a handler.
    // A copy: the handler may close the notification, which drops it.
    const NotificationActionHandler handler = m_handlers.value(id);
    if (handler)
        handler(action);
}

void DesktopNotifier::serviceNotificationClosed(uint id, uint)
{
    m_handlers.remove(id);
}

} // namespace reel
