// The alerts shown for real with Qt Widgets on the offscreen platform, their
// buttons pressed with real clicks. Timed limits are 1 s or less.
#include "logcapture.h"
#include "tables.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/qtpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <thread>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

QList<QMessageBox *> visibleAlerts()
{
    QList<QMessageBox *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            boxes.append(box);
    return boxes;
}

// Acts on the first alert that shows, from inside the alert's own event
// handling. An alert still open after 5 s fails the test and is closed, so
// nothing hangs.
class WhenShown {
public:
    explicit WhenShown(std::function<void(QMessageBox *)> act)
    {
        m_clock.start();
        QObject::connect(&m_poll, &QTimer::timeout, [this, act] {
            const QList<QMessageBox *> boxes = visibleAlerts();
            if (!acted && !boxes.isEmpty()) {
                acted = true;
                m_poll.setInterval(20);
                act(boxes.first());
            } else if (!boxes.isEmpty() && m_clock.hasExpired(5000)) {
                ADD_FAILURE() << "an alert stayed open past the deadline";
                for (QMessageBox *box : boxes)
                    box->done(-1);
            }
        });
        m_poll.start(0); // every pass of event handling, however few there are
    }
    bool acted = false;

private:
    QElapsedTimer m_clock;
    QTimer m_poll;
};

void click(QWidget *widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// The button showing title ("&" is doubled on screen).
void press(QMessageBox *box, const QString &title)
{
    QAbstractButton *found = nullptr;
    for (QAbstractButton *button : box->buttons())
        if (button->text() == QString(title).replace(u'&', u"&&"_s))
            found = button;
    click(found);
}

struct Shown {
    QString title, message;
    bool plainText = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *parent = nullptr;
    bool field = false;
    bool operator==(const Shown &) const = default;
};

Shown look(QMessageBox *box)
{
    auto *title = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
    auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    Shown shown{title->text(), message ? message->text() : u""_s,
                title->textFormat() == Qt::PlainText && (!message || message->textFormat() == Qt::PlainText),
                box->icon(), {}, box->windowModality(), box->parentWidget(), box->findChild<QLineEdit *>() != nullptr};
    for (QAbstractButton *button : box->buttons())
        shown.buttons.append(button->text().replace(u"&&"_s, u"&"_s));
    return shown;
}

// True when the text field lies below the message, lined up with it, and
// above the buttons.
bool fieldBetweenMessageAndButtons(QMessageBox *box)
{
    QCoreApplication::sendPostedEvents(box, QEvent::LayoutRequest);
    box->layout()->activate();
    auto *field = box->findChild<QLineEdit *>();
    auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    const QPoint at = field->mapTo(box, QPoint());
    return at.y() > message->mapTo(box, QPoint()).y() && at.x() == message->mapTo(box, QPoint()).x()
        && at.y() + field->height() <= box->findChild<QDialogButtonBox *>()->mapTo(box, QPoint()).y();
}

// The Qt presenter, keeping its last answer for the test to look at.
class WatchedWidgets : public AlertPresenter {
public:
    AlertAnswer present(const AlertRequest &request) override { return last = widgets.present(request); }
    QtAlertPresenter widgets;
    AlertAnswer last;
};

class QtAlerts : public ::testing::Test {
protected:
    WatchedWidgets m_widgets;
    ScopedAlertPresenter m_use{&m_widgets};
};

} // namespace

// Each blocking kind of alert, shown and answered (or left alone) with real
// clicks. Texts show as typed, in plain text; style 2 is critical.
TEST_F(QtAlerts, BlockingAlertsShowTheirTextsAndButtonsAndAnswer)
{
    enum class Call { Alert, Delayed, Checkbox };
    const QString go = u"Go"_s, skip = u"Skip"_s, other = u"Save & Quit"_s, nil;
    const struct {
        const char *name;
        Call call;
        QString title, message;
        int style, seconds;
        QStringList buttons; // the titles given: default, alternate, other
        QString press;       // null: nobody presses
        bool close, tick;
        QVariant expected;
        QStringList shown;
        int passes; // -1: answered
    } cases[] = {
        {"nil texts", Call::Alert, nil, nil, 0, 0, {}, u"OK"_s, false, false, 1, {u"OK"_s}, -1},
        {"critical", Call::Alert, u"Disk full"_s, u"Only 5% left, 100%"_s, 2, 0, {}, u"OK"_s, false, false, 1, {u"OK"_s}, -1},
        {"markup", Call::Alert, u"<b>x</b> & %@ %d"_s, u"<i>y</i><br>%s <a href=\"x\">link</a>"_s, 1, 0, {}, u"OK"_s, false,
         false, 1, {u"OK"_s}, -1},
        {"question, other button", Call::Delayed, u"T"_s, u"M"_s, 0, 0, {go, skip, other}, other, false, false, other,
         {go, skip, other}, -1},
        {"timed, alternate button", Call::Delayed, u"T"_s, u"M"_s, 0, 1, {go, skip, other}, skip, false, false, skip,
         {go, skip, other}, -1},
        // Closing the window presses the escape button.
        {"timed, closed", Call::Delayed, u"T"_s, u"M"_s, 0, 1, {go, skip, other}, nil, true, false, skip, {go, skip, other}, -1},
        {"timed, nobody answers", Call::Delayed, u"100% <b>sure</b>?"_s, nil, 2, 1, {go, skip}, nil, false, false, go,
         {go, skip}, 10},
        {"checkbox ticked, then a button", Call::Checkbox, u"T"_s, u"M"_s, 0, 1, {go, skip}, skip, false, true,
         QVariantList{skip, 1}, {go, skip}, -1},
        {"checkbox ticked, nobody answers", Call::Checkbox, u"T"_s, u"M"_s, 0, 1, {go, skip}, nil, false, true,
         QVariantList{go, 1}, {go, skip}, 10},
    };
    test::forEachCase(cases, [&](const auto &c) {
        Shown shown;
        QString checkboxTitle;
        WhenShown driver([&](QMessageBox *box) {
            shown = look(box);
            if (c.tick) {
                ASSERT_NE(box->checkBox(), nullptr);
                checkboxTitle = box->checkBox()->text().replace(u"&&"_s, u"&"_s);
                click(box->checkBox());
            }
            if (c.close)
                box->close();
            else if (!c.press.isNull())
                press(box, c.press);
        });
        // A checkbox answered by a button has a title of its own.
        const QString titled = c.press.isNull() ? nil : u"Always & skip"_s;
        const QString b0 = c.buttons.value(0), b1 = c.buttons.value(1), b2 = c.buttons.value(2);
        const QVariant result = c.call == Call::Alert ? QVariant(displayAlert(c.title, c.message, c.style, nullptr))
            : c.call == Call::Delayed ? QVariant(displayAlertDelayed(c.title, c.message, b0, b1, b2, c.style, c.seconds))
                                      : QVariant(displayAlertDelayedCheckbox(c.title, c.message, b0, b1, b2, c.style,
                                                                             c.seconds, titled));
        EXPECT_EQ(result, c.expected);
        ASSERT_TRUE(driver.acted);
        const auto icon = c.style == 2 ? QMessageBox::Critical : QMessageBox::Warning;
        EXPECT_EQ(shown, (Shown{c.title, c.message, true, icon, c.shown, Qt::ApplicationModal}));
        if (c.tick)
            EXPECT_EQ(checkboxTitle, titled.isNull() ? defaultCheckboxTitle() : titled);
        EXPECT_EQ(m_widgets.last.timedOut, c.passes >= 0);
        EXPECT_EQ(m_widgets.last.passes, c.passes >= 0 ? c.passes : m_widgets.last.passes);
        EXPECT_TRUE(visibleAlerts().isEmpty());
    });
    // A negative limit gives up before any event is handled.
    EXPECT_EQ(displayAlertDelayedCheckbox(nil, nil, nil, nil, nil, 0, -1, nil), (QVariantList{u"button 1"_s, 0}));
    EXPECT_TRUE(m_widgets.last.timedOut);
    EXPECT_EQ(m_widgets.last.passes, 0);
}

// The field lies between the message and the buttons, also after a style
// change makes the box lay itself out again; the return key presses OK.
TEST_F(QtAlerts, DialogReturnsTheTypedText)
{
    const QString typed = u"typed & 10%"_s;
    for (const bool retype : {false, true}) {
        QStringList buttons;
        QString fieldText;
        QSize fieldSize;
        bool fieldPlaced = false;
        WhenShown driver([&](QMessageBox *box) {
            if (!retype)
                box->setStyleSheet(u"QLabel { margin: 3px; }"_s);
            buttons = look(box).buttons;
            auto *field = box->findChild<QLineEdit *>();
            ASSERT_NE(field, nullptr);
            fieldText = field->text();
            fieldSize = field->size();
            fieldPlaced = fieldBetweenMessageAndButtons(box);
            if (!retype)
                return press(box, u"OK"_s);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        EXPECT_EQ(displayDialog(u"Name"_s, u"Type a name"_s, u"x"_s, QString()), retype ? typed : u"x"_s);
        ASSERT_TRUE(driver.acted);
        EXPECT_EQ(buttons, (QStringList{u"OK"_s, u"Cancel"_s}));
        EXPECT_EQ(fieldText, u"x"_s);
        EXPECT_EQ(fieldSize, QSize(300, 40));
        EXPECT_TRUE(fieldPlaced) << retype;
    }
}

// A held sheet is shown during its passes (so it can be looked at), then
// removed; other sheets return at once and stay until pressed.
TEST_F(QtAlerts, SheetsGoOnTheWindowThatHoldsTheirWidget)
{
    QWidget window;
    auto *inner = new QWidget(&window);
    window.show();
    for (int seconds : {-1, 0}) {
        Shown shown;
        WhenShown driver([&shown](QMessageBox *box) { shown = look(box); });
        displayAlertDelayedSheet(u"Busy"_s, u"50%"_s, u""_s, u"Later"_s, QString(), 2, seconds, inner);
        EXPECT_EQ(test::takeLog(), QStringList{u"giveUpAfterSeconds : %1"_s.arg(seconds)} + QStringList(seconds + 1, u"i = 0"_s));
        EXPECT_TRUE(window.findChildren<QMessageBox *>().isEmpty());
        ASSERT_EQ(driver.acted, seconds == 0);
        if (driver.acted)
            EXPECT_EQ(shown, (Shown{u"Busy"_s, u"50%"_s, true, QMessageBox::Warning, {u"OK"_s, u"Later"_s},
                                    Qt::WindowModal, &window}));
    }

    EXPECT_EQ(displayAlert(u"Saved"_s, u"50% <b>done</b>"_s, 2, inner), 1);
    displayAlertSheet(QString(), u"second"_s, &window);
    const QList<QMessageBox *> sheets = window.findChildren<QMessageBox *>();
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(look(sheets[0]), (Shown{u"Saved"_s, u"50% <b>done</b>"_s, true, QMessageBox::Critical, {u"OK"_s},
                                      Qt::WindowModal, &window}));
    EXPECT_EQ(look(sheets[1]).icon, QMessageBox::Warning);
    EXPECT_TRUE(sheets[1]->isVisible());
    // Pressing OK on a sheet closes and frees it.
    QPointer<QMessageBox> pressed = sheets[0];
    press(pressed, u"OK"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pressed.isNull());
    EXPECT_EQ(window.findChildren<QMessageBox *>().size(), 1);
}

TEST_F(QtAlerts, AlertsNobodyCouldAnswerAreLoggedInstead)
{
    int code = 0;
    std::thread worker([&code] { code = displayAlert(u"From a worker"_s, QString(), 0, nullptr); });
    worker.join();
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(test::logHas(u"alert               :-(  not on the main thread, not shown"_s));
    EXPECT_TRUE(test::logHas(u"alert               : From a worker - "_s));

    // Left to choose, nothing is shown on the offscreen platform.
    ASSERT_EQ(QGuiApplication::platformName(), u"offscreen"_s);
    ScopedAlertPresenter automatic(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);
    // The widgets library, linked here, is asked and answers no screen.
    const ScreenPresenterQuery widgets = setScreenPresenterQuery(nullptr);
    setScreenPresenterQuery(widgets);
    ASSERT_NE(widgets, nullptr);
    EXPECT_EQ(widgets(), nullptr);
}
