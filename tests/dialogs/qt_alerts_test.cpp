// Alerts shown for real with Qt Widgets on the offscreen platform, answered
// with real clicks and keys. Timed limits are 1 s or less.
#include "logcapture.h"
#include "tables.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/qtpresenter.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <thread>

using namespace reel;
using namespace Qt::StringLiterals;
using Kind = AlertRequest::Kind;

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

// Clicks the button showing title ("&" is doubled on screen).
void press(QMessageBox *box, const QString &title)
{
    for (QAbstractButton *button : box->buttons())
        if (button->text() == QString(title).replace(u'&', u"&&"_s))
            return QTest::mouseClick(button, Qt::LeftButton);
    ADD_FAILURE() << "no button " << title.toStdString();
}

QString onScreen(const QAbstractButton *button)
{
    return button ? button->text().replace(u"&&"_s, u"&"_s) : QString();
}

struct Shown {
    QString title, message;
    bool plainText = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *parent = nullptr;
    QString defaultButton, checkbox;
    bool operator==(const Shown &) const = default;
};

Shown look(QMessageBox *box)
{
    auto *title = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
    auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    Shown shown{title->text(), message ? message->text() : u""_s,
                title->textFormat() == Qt::PlainText && (!message || message->textFormat() == Qt::PlainText),
                box->icon(), {}, box->windowModality(), box->parentWidget(), onScreen(box->defaultButton()),
                onScreen(box->checkBox())};
    for (QAbstractButton *button : box->buttons())
        shown.buttons.append(onScreen(button));
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

auto answerOf(const AlertAnswer &a)
{
    return std::tuple(a.button, a.timedOut, a.passes, a.text, a.checked);
}

} // namespace

// Each blocking kind, shown and answered (or left alone) with real clicks.
// Texts show as typed, in plain text. A held sheet goes on the window that
// holds its widget for its passes (so it can be looked at), then goes.
TEST(QtAlerts, BlockingAlertsShowTheirTextsAndButtonsAndAnswer)
{
    QWidget window;
    auto *inner = new QWidget(&window);
    window.show();
    const QString go = u"Go"_s, skip = u"Skip"_s, other = u"Save & Quit"_s;
    const auto pressing = [](QString title) { return [title](QMessageBox *box) { press(box, title); }; };
    const struct {
        const char *name;
        AlertRequest request;
        std::function<void(QMessageBox *)> act;
        AlertAnswer expected;
    } cases[] = {
        {"critical, markup", {.title = u"<b>x</b> & %@"_s, .message = u"<i>y</i><br>%s <a href=\"x\">l</a>"_s,
                              .critical = true}, pressing(u"OK"_s), {}},
        {"other button", {.defaultButton = go, .alternateButton = skip, .otherButton = other}, pressing(other),
         {AlertButton::Other}},
        // Closing the window presses the escape button.
        {"timed, closed", {.kind = Kind::Timed, .defaultButton = go, .alternateButton = skip, .timeLimit = 1},
         [](QMessageBox *box) { box->close(); }, {AlertButton::Alternate}},
        {"timed, nobody answers", {.kind = Kind::Timed, .defaultButton = go, .alternateButton = skip, .timeLimit = 1},
         [](QMessageBox *) {}, {AlertButton::Default, true, 10}},
        {"checkbox ticked, then a button",
         {.kind = Kind::Timed, .defaultButton = go, .alternateButton = skip, .hasCheckbox = true,
          .checkboxTitle = u"Always & skip"_s, .timeLimit = 1},
         [](QMessageBox *box) {
             QTest::mouseClick(box->checkBox(), Qt::LeftButton);
             press(box, u"Skip"_s);
         },
         {AlertButton::Alternate, false, 0, QString(), true}},
        {"held sheet", {.kind = Kind::TimedSheet, .title = u"Busy"_s, .alternateButton = u"Later"_s, .window = inner},
         [](QMessageBox *) {}, {}},
    };
    test::forEachCase(cases, [&](const auto &c) {
        Shown shown;
        WhenShown driver([&](QMessageBox *box) {
            shown = look(box);
            c.act(box);
        });
        EXPECT_EQ(answerOf(QtAlertPresenter().present(c.request)), answerOf(c.expected));
        ASSERT_TRUE(driver.acted);
        const AlertRequest &r = c.request;
        EXPECT_EQ(shown, (Shown{r.title, r.message, true, r.critical ? QMessageBox::Critical : QMessageBox::Warning,
                                r.shownButtons(), r.window ? Qt::WindowModal : Qt::ApplicationModal,
                                r.window ? &window : nullptr, r.shownButtons().first(), r.checkboxTitle}));
        EXPECT_TRUE(visibleAlerts().isEmpty() && !window.findChild<QMessageBox *>());
    });
    EXPECT_EQ(test::takeLog(), QStringList{u"i = 0"_s});
    // A limit below zero gives up before any event is handled.
    const AlertAnswer none = QtAlertPresenter().present({.kind = Kind::Timed, .hasCheckbox = true, .timeLimit = -1});
    EXPECT_EQ(answerOf(none), answerOf({AlertButton::Default, true}));
}

// The field lies between the message and the buttons, also after a style
// change makes the box lay itself out again, or in a grid whose first item is
// the message; the return key presses OK.
TEST(QtAlerts, DialogReturnsTheTypedText)
{
    const AlertRequest dialog{.title = u"Name"_s, .message = u"Type a name"_s, .alternateButton = u"Cancel"_s,
                              .hasTextField = true, .fieldText = u"x"_s, .fieldSize = QSize(300, 40)};
    const QString typed = u"typed & 10%"_s;
    for (const int mode : {0, 1, 2}) {
        QString fieldText;
        bool fieldPlaced = false;
        WhenShown driver([&](QMessageBox *box) {
            if (mode == 2) {
                box->setIcon(QMessageBox::NoIcon); // a style change keeps the grid below
                delete box->layout();
                auto *grid = new QGridLayout(box);
                grid->addWidget(box->findChild<QLabel *>(u"qt_msgbox_label"_s), 0, 0);
                grid->addWidget(box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s), 1, 0);
                grid->addWidget(box->findChild<QDialogButtonBox *>(), 2, 0);
            }
            if (mode != 1)
                box->setStyleSheet(u"QLabel { margin: 3px; }"_s);
            auto *field = box->findChild<QLineEdit *>();
            ASSERT_NE(field, nullptr);
            fieldText = field->text();
            fieldPlaced = box->layout()->indexOf(field) >= 0 && fieldBetweenMessageAndButtons(box);
            if (mode != 1)
                return press(box, u"OK"_s);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        EXPECT_EQ(QtAlertPresenter().present(dialog).text, mode == 1 ? typed : u"x"_s);
        ASSERT_TRUE(driver.acted);
        EXPECT_EQ(fieldText, u"x"_s);
        EXPECT_TRUE(fieldPlaced) << mode;
    }
}

TEST(QtAlerts, AlertsNobodyCouldAnswerAreLoggedInstead)
{
    ScopedAlertPresenter automatic(nullptr);
    // Left to choose, nothing is shown on the offscreen platform.
    ASSERT_EQ(QGuiApplication::platformName(), u"offscreen"_s);
    EXPECT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);

    QtAlertPresenter presenter;
    ScopedAlertPresenter use(&presenter);
    int code = 0;
    std::thread worker([&code] { code = displayAlert(u"From a worker"_s, QString(), 0, nullptr); });
    worker.join();
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(test::logHas(u"alert               :-(  not on the main thread, not shown"_s));
    EXPECT_TRUE(test::logHas(u"alert               : From a worker - "_s));
}
