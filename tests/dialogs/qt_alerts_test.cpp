// The alerts shown for real with Qt Widgets on the offscreen platform, their
// buttons pressed with real clicks. Timed limits are 1 s or less.
#include "logcapture.h"

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
};

Shown look(QMessageBox *box)
{
    auto *title = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
    auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    Shown shown{title->text(), message ? message->text() : u""_s,
                title->textFormat() == Qt::PlainText && (!message || message->textFormat() == Qt::PlainText),
                box->icon(), {}, box->windowModality(), box->parentWidget()};
    for (QAbstractButton *button : box->buttons())
        shown.buttons.append(button->text().replace(u"&&"_s, u"&"_s));
    return shown;
}

// True when the text field lies below the message and above the buttons.
bool fieldBetweenMessageAndButtons(QMessageBox *box)
{
    QCoreApplication::sendPostedEvents(box, QEvent::LayoutRequest);
    box->layout()->activate();
    auto *field = box->findChild<QLineEdit *>();
    const int top = field->mapTo(box, QPoint()).y();
    return top > box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s)->mapTo(box, QPoint()).y()
        && top + field->height() <= box->findChild<QDialogButtonBox *>()->mapTo(box, QPoint()).y();
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

TEST_F(QtAlerts, ModalAlertShowsTextsAsTypedAndReturnsOne)
{
    const struct {
        QString title, message;
        int style;
        QMessageBox::Icon icon;
    } cases[] = {
        {QString(), QString(), 0, QMessageBox::Warning},
        {u"Disk full"_s, u"Only 5% left, 100%"_s, 2, QMessageBox::Critical},
        {u"<b>x</b> & %@ %d"_s, u"<i>y</i><br>%s <a href=\"x\">link</a>"_s, 1, QMessageBox::Warning},
    };
    for (const auto &c : cases) {
        Shown shown;
        WhenShown driver([&shown](QMessageBox *box) {
            shown = look(box);
            press(box, u"OK"_s);
        });
        EXPECT_EQ(displayAlert(c.title, c.message, c.style, nullptr), kAlertDefaultReturn) << c.title.toStdString();
        ASSERT_TRUE(driver.acted);
        EXPECT_EQ(shown.title, c.title.isNull() ? u""_s : c.title);
        EXPECT_EQ(shown.message, c.message.isNull() ? u""_s : c.message);
        EXPECT_TRUE(shown.plainText);
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(shown.buttons, QStringList{u"OK"_s});
        EXPECT_EQ(shown.modality, Qt::ApplicationModal);
        EXPECT_TRUE(visibleAlerts().isEmpty());
    }
}

TEST_F(QtAlerts, SheetsReturnAtOnceOnTheirWindow)
{
    QWidget window;
    auto *inner = new QWidget(&window);
    window.show();
    // A sheet goes on the window that holds the given widget.
    EXPECT_EQ(displayAlert(u"Saved"_s, u"50% <b>done</b>"_s, 2, inner), kAlertDefaultReturn);
    displayAlertSheet(QString(), u"second"_s, &window);

    const QList<QMessageBox *> sheets = window.findChildren<QMessageBox *>();
    ASSERT_EQ(sheets.size(), 2);
    const Shown first = look(sheets[0]);
    EXPECT_EQ(first.message, u"50% <b>done</b>"_s);
    EXPECT_TRUE(first.plainText);
    EXPECT_EQ(first.icon, QMessageBox::Critical);
    EXPECT_EQ(first.modality, Qt::WindowModal);
    EXPECT_EQ(first.parent, &window);
    EXPECT_EQ(look(sheets[1]).icon, QMessageBox::Warning);
    EXPECT_TRUE(sheets[1]->isVisible());

    // Pressing OK on a sheet closes and frees it.
    QPointer<QMessageBox> pressed = sheets[0];
    press(pressed, u"OK"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pressed.isNull());
    EXPECT_EQ(window.findChildren<QMessageBox *>().size(), 1);
}

TEST_F(QtAlerts, DialogReturnsTheTypedText)
{
    enum class Edit { Keep, Clear, Replace };
    const QString typed = u"typed & 10%"_s;
    const struct {
        QString defaultText, cancelTitle;
        Edit edit;
        QString pressed; // null: the return key
        QString expected;
        bool restyle; // a style change makes the box lay itself out again
    } cases[] = {
        {u"x"_s, QString(), Edit::Keep, u"OK"_s, u"x"_s, true},
        {u"x"_s, QString(), Edit::Clear, u"OK"_s, QString(), false},
        {u"x"_s, QString(), Edit::Replace, QString(), typed, false},
        {u"x"_s, QString(), Edit::Keep, u"Cancel"_s, QString(), false},
        {QString(), u"Later"_s, Edit::Replace, u"Later"_s, QString(), false},
    };
    for (const auto &c : cases) {
        Shown shown;
        QString fieldText;
        QSize fieldSize;
        bool fieldPlaced = false;
        WhenShown driver([&](QMessageBox *box) {
            if (c.restyle)
                box->setStyleSheet(u"QLabel { margin: 3px; }"_s);
            shown = look(box);
            auto *field = box->findChild<QLineEdit *>();
            ASSERT_NE(field, nullptr);
            fieldText = field->text();
            fieldSize = field->size();
            fieldPlaced = fieldBetweenMessageAndButtons(box);
            if (c.edit != Edit::Keep) {
                field->setFocus();
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_Backspace);
            }
            if (c.edit == Edit::Replace)
                QTest::keyClicks(field, typed);
            if (c.pressed.isNull())
                QTest::keyClick(field, Qt::Key_Return);
            else
                press(box, c.pressed);
        });
        const QString result = displayDialog(u"Name"_s, u"Type a name"_s, c.defaultText, c.cancelTitle);
        ASSERT_TRUE(driver.acted);
        EXPECT_EQ(result, c.expected) << int(c.edit) << " " << c.pressed.toStdString();
        EXPECT_EQ(result.isNull(), c.expected.isNull());
        EXPECT_EQ(shown.buttons, (QStringList{u"OK"_s, c.cancelTitle.isNull() ? u"Cancel"_s : c.cancelTitle}));
        EXPECT_EQ(fieldText, c.defaultText.isNull() ? u""_s : c.defaultText);
        EXPECT_EQ(fieldSize, QSize(300, 40));
        EXPECT_TRUE(fieldPlaced);
    }
}

TEST_F(QtAlerts, AlertsNobodyCouldAnswerAreLoggedInstead)
{
    int code = 0;
    std::thread worker([&code] { code = displayAlert(u"From a worker"_s, QString(), 0, nullptr); });
    worker.join();
    EXPECT_EQ(code, kAlertDefaultReturn);
    EXPECT_TRUE(test::logHas(u"alert               :-(  not on the main thread, not shown"_s));
    EXPECT_TRUE(test::logHas(u"alert               : From a worker - "_s));

    // Left to choose, nothing is shown on the offscreen platform.
    ASSERT_EQ(QGuiApplication::platformName(), u"offscreen"_s);
    ScopedAlertPresenter automatic(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);
    EXPECT_EQ(displayAlert(u"Nobody there"_s, QString(), 0, nullptr), kAlertDefaultReturn);
    EXPECT_TRUE(test::logHas(u"alert               : Nobody there - "_s));
    // The widgets library, linked here, is asked and answers no screen.
    const ScreenPresenterQuery widgets = setScreenPresenterQuery(nullptr);
    setScreenPresenterQuery(widgets);
    ASSERT_NE(widgets, nullptr);
    EXPECT_EQ(widgets(), nullptr);
}

TEST_F(QtAlerts, TimedButtonsReturnTheirOwnTitles)
{
    const QString yes = u"Convert"_s, no = u"Skip"_s, other = u"Save & Quit"_s;
    for (int seconds : {0, 1}) {
        // A null title closes the window, which presses the escape button.
        for (const QString &pressed : {yes, no, other, QString()}) {
            QStringList shown;
            WhenShown driver([&](QMessageBox *box) {
                shown = look(box).buttons;
                if (pressed.isNull())
                    box->close();
                else
                    press(box, pressed);
            });
            EXPECT_EQ(displayAlertDelayed(u"Title"_s, u"Message"_s, yes, no, other, 0, seconds), pressed.isNull() ? no : pressed)
                << seconds;
            EXPECT_EQ(shown, (QStringList{yes, no, other}));
            EXPECT_FALSE(m_widgets.last.timedOut);
        }
    }
}

TEST_F(QtAlerts, NobodyAnswersAndTheDefaultComesBackAfterTheRightPasses)
{
    Shown shown;
    WhenShown driver([&shown](QMessageBox *box) { shown = look(box); }); // looks, never answers
    EXPECT_EQ(displayAlertDelayed(u"100% <b>sure</b>?"_s, QString(), u"Convert"_s, u"Skip"_s, QString(), 2, 1), u"Convert"_s);
    EXPECT_TRUE(driver.acted);
    EXPECT_EQ(shown.title, u"100% <b>sure</b>?"_s);
    EXPECT_TRUE(shown.plainText);
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_TRUE(m_widgets.last.timedOut);
    EXPECT_EQ(m_widgets.last.passes, 10);
    EXPECT_TRUE(visibleAlerts().isEmpty());

    // A negative limit gives up before any event is handled.
    EXPECT_EQ(displayAlertDelayedCheckbox(QString(), QString(), QString(), QString(), QString(), 0, -1, QString()),
              (QVariantList{u"button 1"_s, 0}));
    EXPECT_TRUE(m_widgets.last.timedOut);
    EXPECT_EQ(m_widgets.last.passes, 0);
    EXPECT_TRUE(visibleAlerts().isEmpty());
}

TEST_F(QtAlerts, CheckboxStateComesBack)
{
    // A null press: nobody presses a button.
    for (const QString &pressed : {u"Skip"_s, QString()}) {
        const QString checkboxTitle = pressed.isNull() ? QString() : u"Always & skip"_s;
        QString shownTitle;
        WhenShown driver([&](QMessageBox *box) {
            ASSERT_NE(box->checkBox(), nullptr);
            shownTitle = box->checkBox()->text().replace(u"&&"_s, u"&"_s);
            click(box->checkBox());
            if (!pressed.isNull())
                press(box, pressed);
        });
        EXPECT_EQ(displayAlertDelayedCheckbox(u"Title"_s, u"Message"_s, u"Go"_s, u"Skip"_s, QString(), 0, 1, checkboxTitle),
                  (QVariantList{pressed.isNull() ? u"Go"_s : pressed, 1}));
        EXPECT_EQ(shownTitle, checkboxTitle.isNull() ? defaultCheckboxTitle() : checkboxTitle);
        EXPECT_EQ(m_widgets.last.timedOut, pressed.isNull());
    }
}

TEST_F(QtAlerts, HeldSheetIsShownOnItsWindowThenRemoved)
{
    QWidget window;
    window.show();
    for (int seconds : {-1, 0}) {
        test::clearLog();
        Shown shown;
        // The sheet is repainted during its passes, so it can be looked at.
        WhenShown driver([&shown](QMessageBox *box) { shown = look(box); });
        displayAlertDelayedSheet(u"Busy"_s, u"50%"_s, u""_s, u"Later"_s, QString(), 2, seconds, &window);
        EXPECT_TRUE(test::logHas(u"giveUpAfterSeconds : %1"_s.arg(seconds)));
        EXPECT_EQ(test::logHas(u"i = 0"_s), seconds == 0);
        EXPECT_FALSE(test::logContains(u"i = 1"_s));
        EXPECT_TRUE(window.findChildren<QMessageBox *>().isEmpty());
        ASSERT_EQ(driver.acted, seconds == 0);
        if (driver.acted) {
            EXPECT_EQ(shown.title, u"Busy"_s);
            EXPECT_EQ(shown.message, u"50%"_s);
            EXPECT_EQ(shown.buttons, (QStringList{u"OK"_s, u"Later"_s}));
            EXPECT_EQ(shown.parent, &window);
            EXPECT_EQ(shown.modality, Qt::WindowModal);
            EXPECT_EQ(shown.icon, QMessageBox::Warning);
        }
    }
}
