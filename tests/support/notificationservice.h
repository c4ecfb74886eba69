// A notification service of the test's own, on the private session bus of
// the suites run under dbus-run-session: it keeps what it is sent, gives ids
// from 1, and sends the signals a user's click would. It answers on a
// connection of its own, from the test's thread: the toolkit's calls to it
// do not wait, so nothing blocks.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>

namespace reel::test {

struct ReceivedNotification {
    uint id = 0;
    QString appName;
    QString icon;
    QString title;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeoutMs = 0;
};

// Whether the suite runs on a session bus at all (the ctest command starts
// a private one; run by hand, the sandbox leaves none).
inline bool sessionBusAnswers()
{
    return QDBusConnection::sessionBus().isConnected();
}

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    static inline const QString kName = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

    NotificationService()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-notifications")))
    {
    }
    ~NotificationService() override
    {
        m_bus.unregisterService(kName);
        m_bus.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
    }

    // Takes the name; false when it cannot.
    bool start()
    {
        return m_bus.isConnected() && m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots)
            && m_bus.registerService(kName);
    }

    QList<ReceivedNotification> received;

    void invokeAction(uint id, const QString &key)
    {
        m_bus.send(QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActionInvoked")) << id << key);
    }
    void close(uint id)
    {
        // 2: closed by the user.
        m_bus.send(QDBusMessage::createSignal(kPath, kName, QStringLiteral("NotificationClosed")) << id << uint(2));
    }

public slots:
    uint Notify(const QString &appName, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        const uint id = uint(received.size()) + 1;
        received << ReceivedNotification{id, appName, icon, summary, body, actions, hints, timeout};
        emit notified();
        return id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    void CloseNotification(uint id) { close(id); }

signals:
    void notified();

private:
    QDBusConnection m_bus;
};

} // namespace reel::test
