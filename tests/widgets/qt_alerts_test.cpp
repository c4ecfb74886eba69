// Alerts shown for real with Qt Widgets on the offscreen platform, answered
// with real clicks and keys. Timed limits are 1 s or less.
#include "logcapture.h"
#include "tables.h"

#include <reel/dialogs/alerts.h>
#include <reel/widgets/qtpresenter.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
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
struct WhenShown {
    explicit WhenShown(std::function<void(QMessageBox *)> act)
    {
        clock.start();
        QObject::connect(&poll, &QTimer::timeout, [this, act] {
            const QList<QMessageBox *> boxes = visibleAlerts();
            if (!acted && !boxes.isEmpty()) {
                acted = true;
                poll.setInterval(20);
                act(boxes.first());
            } else if (!boxes.isEmpty() && clock.hasExpired(5000)) {
                ADD_FAILURE() << "an alert stayed open past the deadline";
                for (QMessageBox *box : boxes)
                    box->done(-1);
            }
        });
        poll.start(0); // every pass of event handling, however few there are
    }
    bool acted = false;
    QElapsedTimer clock;
    QTimer poll;
};

// The title as typed of a button that shows "&" doubled.
QString onScreen(const QAbstractButton *button)
{
    return button ? button->text().replace(u"&&"_s, u"&"_s) : QString();
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
    const AlertRequest timed{.kind = Kind::Timed, .defaultButton = u"Go"_s, .alternateButton = u"Skip"_s, .timeLimit = 1};
    AlertRequest ticked = timed;
    ticked.otherButton = u"Save & Quit"_s;
    ticked.hasCheckbox = true;
    ticked.checkboxTitle = u"Always & skip"_s;
    const struct {
        const char *name;
        AlertRequest request;
        std::function<void(QMessageBox *)> act;
        AlertAnswer expected;
    } cases[] = {
        {"critical, markup", {.title = u"<b>x</b> & %@"_s, .message = u"<i>y</i><br>%s <a href=\"x\">l</a>"_s,
                              .critical = true},
         [](QMessageBox *box) { QTest::mouseClick(box->buttons().at(0), Qt::LeftButton); }, {}},
        {"all went well", {.title = u"Done"_s, .informational = true},
         [](QMessageBox *box) { QTest::mouseClick(box->buttons().at(0), Qt::LeftButton); }, {}},
        // Closing the window presses the escape button.
        {"timed, closed", timed, [](QMessageBox *box) { box->close(); }, {AlertButton::Alternate}},
        {"timed, nobody answers", timed, [](QMessageBox *) {}, {AlertButton::Default, true, 10}},
        {"checkbox ticked, then the other button", ticked,
         [](QMessageBox *box) {
             QTest::mouseClick(box->checkBox(), Qt::LeftButton);
             QTest::mouseClick(box->buttons().at(2), Qt::LeftButton);
         },
         {AlertButton::Other, false, 0, QString(), true}},
        {"held sheet", {.kind = Kind::TimedSheet, .title = u"Busy"_s, .alternateButton = u"Later"_s, .window = inner},
         [](QMessageBox *) {}, {}},
    };
    test::forEachCase(cases, [&](const auto &c) {
        const AlertRequest &r = c.request;
        WhenShown driver([&](QMessageBox *box) {
            const auto *title = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            const auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons.append(onScreen(button));
            EXPECT_EQ(std::tuple(title->text(), title->textFormat(), box->informativeText(), buttons,
                                 onScreen(box->defaultButton()), onScreen(box->checkBox()), box->icon(), box->parentWidget()),
                      std::tuple(r.title, Qt::PlainText, r.message, r.shownButtons(), r.shownButtons().first(),
                                 r.checkboxTitle,
                                 r.critical ? QMessageBox::Critical
                                 : r.informational ? QMessageBox::Information
                                                   : QMessageBox::Warning,
                                 r.window ? &window : nullptr));
            if (message)
                EXPECT_EQ(message->textFormat(), Qt::PlainText);
            c.act(box);
        });
        EXPECT_EQ(answerOf(QtAlertPresenter().present(r)), answerOf(c.expected));
        ASSERT_TRUE(driver.acted);
        EXPECT_TRUE(visibleAlerts().isEmpty());
        EXPECT_FALSE(window.findChild<QMessageBox *>());
    });
    EXPECT_EQ(test::takeLog(), QStringList{u"i = 0"_s});
}

// The field lies below the message, lined up with it, and above the buttons,
// also after a style change makes the box lay itself out again, or in a grid
// whose first item is the message; the return key answers with what was typed.
TEST(QtAlerts, DialogReturnsTheTypedText)
{
    const AlertRequest dialog{.title = u"Name"_s, .message = u"Type a name"_s, .alternateButton = u"Cancel"_s,
                              .hasTextField = true, .fieldText = u"x"_s, .fieldSize = QSize(300, 40)};
    const QString typed = u"typed & 10%"_s;
    for (const bool ownGrid : {false, true}) {
        WhenShown driver([&](QMessageBox *box) {
            auto *message = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
            auto *buttons = box->findChild<QDialogButtonBox *>();
            if (ownGrid) {
                box->setIcon(QMessageBox::NoIcon); // a style change keeps the grid below
                delete box->layout();
                auto *grid = new QGridLayout(box);
                grid->addWidget(box->findChild<QLabel *>(u"qt_msgbox_label"_s), 0, 0);
                grid->addWidget(message, 1, 0);
                grid->addWidget(buttons, 2, 0);
            }
            box->setStyleSheet(u"QLabel { margin: 3px; }"_s);
            QCoreApplication::sendPostedEvents(box, QEvent::LayoutRequest);
            box->layout()->activate();
            auto *field = box->findChild<QLineEdit *>();
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->text(), u"x"_s);
            const QPoint at = field->mapTo(box, QPoint()), below = message->mapTo(box, QPoint());
            EXPECT_GE(box->layout()->indexOf(field), 0) << ownGrid;
            EXPECT_GT(at.y(), below.y()) << ownGrid;
            EXPECT_EQ(at.x(), below.x()) << ownGrid;
            EXPECT_LE(at.y() + field->height(), buttons->mapTo(box, QPoint()).y()) << ownGrid;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        EXPECT_EQ(QtAlertPresenter().present(dialog).text, typed);
        EXPECT_TRUE(driver.acted);
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
}
