// Drives the real Qt alerts in the offscreen tests: acts on the alert as soon
// as it shows, from inside the alert's own event handling.
#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QMessageBox;
class QWidget;

namespace reel::test {

// Polls for a visible message box and runs action on the first one found.
// When none shows before the deadline, or the action leaves the box open
// past it, the test fails and every open box is closed, so nothing hangs.
class AlertDriver {
public:
    explicit AlertDriver(std::function<void(QMessageBox *)> action, int deadlineMs = 5000);
    ~AlertDriver();
    AlertDriver(const AlertDriver &) = delete;
    AlertDriver &operator=(const AlertDriver &) = delete;

    bool acted() const;

private:
    struct State;
    State *d;
};

// The visible message boxes, top-level or sheets.
QList<QMessageBox *> visibleAlerts();

// The box's button showing title ("&" doubled as Qt needs it); null if none.
QAbstractButton *buttonTitled(QMessageBox *box, const QString &title);
// The titles the box's buttons show, in the box's order of creation.
QStringList shownButtonTitles(QMessageBox *box);
// The bold title label and the informative message label (null when none).
QLabel *titleLabel(QMessageBox *box);
QLabel *messageLabel(QMessageBox *box);

// A real mouse click in the middle of the widget.
void clickOn(QWidget *widget);

} // namespace reel::test
