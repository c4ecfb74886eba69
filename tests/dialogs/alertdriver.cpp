#include "alertdriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace reel::test {

struct AlertDriver::State {
    std::function<void(QMessageBox *)> action;
    int deadlineMs = 0;
    QElapsedTimer clock;
    QTimer poll;
    bool acted = false;
    bool gaveUp = false;
};

AlertDriver::AlertDriver(std::function<void(QMessageBox *)> action, int deadlineMs) : d(new State)
{
    d->action = std::move(action);
    d->deadlineMs = deadlineMs;
    d->clock.start();
    // A zero timer runs on every pass of event handling, so even an alert
    // that handles its events once is seen; after that, a slower watch.
    d->poll.setInterval(0);
    QObject::connect(&d->poll, &QTimer::timeout, [state = d] {
        if (!state->acted) {
            const QList<QMessageBox *> boxes = visibleAlerts();
            if (!boxes.isEmpty()) {
                state->acted = true;
                state->poll.setInterval(20);
                state->action(boxes.first());
                return;
            }
        }
        if (!state->gaveUp && state->clock.hasExpired(state->deadlineMs) && !visibleAlerts().isEmpty()) {
            state->gaveUp = true;
            ADD_FAILURE() << "an alert stayed open past the test's deadline";
            for (QMessageBox *box : visibleAlerts())
                box->done(-1);
        }
    });
    d->poll.start();
}

AlertDriver::~AlertDriver()
{
    delete d;
}

bool AlertDriver::acted() const
{
    return d->acted;
}

QList<QMessageBox *> visibleAlerts()
{
    QList<QMessageBox *> boxes;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *box = qobject_cast<QMessageBox *>(window);
        if (box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

QAbstractButton *buttonTitled(QMessageBox *box, const QString &title)
{
    QString shown = title;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *button : buttons)
        if (button->text() == shown)
            return button;
    return nullptr;
}

QStringList shownButtonTitles(QMessageBox *box)
{
    QStringList titles;
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *button : buttons)
        titles.append(button->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
    return titles;
}

QLabel *titleLabel(QMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

QLabel *messageLabel(QMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"));
}

void clickOn(QWidget *widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

} // namespace reel::test
