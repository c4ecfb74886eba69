/// \file
/// \ingroup widgets
/// Notifications through the desktop's notification service, the one that
/// owns org.freedesktop.Notifications on the session bus.
#pragma once

#include "reel/core/export.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

REEL_EXPORT_BEGIN
namespace reel {

/// One notification, as the service's Notify call takes it.
struct DesktopNotification {
    QString appName; ///< the program that sends it
    /// An icon name of the desktop's theme (or a file's path).
    QString icon;
    QString title; ///< the summary line
    QString body;  ///< the text under it (plain, or the little markup services take)
    /// Pairs of a key and its label; the key "default" is what clicking the
    /// notification itself does.
    QStringList actions;
    /// "desktop-entry" (the menu entry's id, without ".desktop"), "urgency"...
    QVariantMap hints;
    /// -1 lets the service decide, 0 keeps it until it is closed.
    int timeoutMs = -1;
};

/// Called with the key of each action picked on a notification.
using NotificationActionHandler = std::function<void(const QString &action)>;

/// Sends notifications and hands the actions picked on them to their
/// handlers. Nothing here waits on the service: the notification is sent
/// and its id comes back later; a handler lives until its notification
/// closes or the notifier goes.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    /// A notifier; it listens to the service from its first notification on.
    explicit DesktopNotifier(QObject *parent = nullptr);
    ~DesktopNotifier() override; ///< forgets every handler

    /// Whether a service would take a notification: the session bus answers
    /// and the name is owned, or the bus can start what owns it.
    static bool serviceAvailable();

    /// Sends the notification. False, with a log line, when no service would
    /// take it: nothing is sent then.
    bool notify(const DesktopNotification &notification, NotificationActionHandler onAction = {});

signals:
    /// The service showed a notification under that id.
    void sent(uint id);
    /// The service refused one, or did not answer in time.
    void refused(const QString &error);

private slots:
    void serviceActionInvoked(uint id, const QString &action);
    void serviceNotificationClosed(uint id, uint reason);

private:
    bool m_listening = false;
    QHash<uint, NotificationActionHandler> m_handlers;
};

} // namespace reel
REEL_EXPORT_END
