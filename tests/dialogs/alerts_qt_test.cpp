// The plain alerts shown for real with Qt Widgets on the offscreen platform.
#include "alertdriver.h"
#include "logcapture.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/qtpresenter.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <thread>

using namespace reel;
using test::AlertDriver;

namespace {

class QtAlerts : public ::testing::Test {
protected:
    QtAlertPresenter m_widgets;
    ScopedAlertPresenter m_use{&m_widgets};
};

struct Shown {
    QString title;
    QString message;
    bool hasMessageLabel = false;
    bool plainText = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *parent = nullptr;
};

Shown look(QMessageBox *box)
{
    Shown shown;
    shown.title = test::titleLabel(box)->text();
    shown.plainText = test::titleLabel(box)->textFormat() == Qt::PlainText;
    if (QLabel *message = test::messageLabel(box)) {
        shown.hasMessageLabel = true;
        shown.message = message->text();
        shown.plainText = shown.plainText && message->textFormat() == Qt::PlainText;
    }
    shown.icon = box->icon();
    shown.buttons = test::shownButtonTitles(box);
    shown.modality = box->windowModality();
    shown.parent = box->parentWidget();
    return shown;
}

// True when the text field lies below the message and above the buttons.
bool fieldBetweenMessageAndButtons(QMessageBox *box)
{
    // Let the box size itself to its layout first.
    QCoreApplication::sendPostedEvents(box, QEvent::LayoutRequest);
    box->layout()->activate();
    auto *field = box->findChild<QLineEdit *>();
    const int fieldTop = field->mapTo(box, QPoint()).y();
    return fieldTop > test::messageLabel(box)->mapTo(box, QPoint()).y()
        && fieldTop + field->height() <= box->findChild<QDialogButtonBox *>()->mapTo(box, QPoint()).y();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST_F(QtAlerts, ModalAlertShowsTextsAsTypedAndReturnsOne)
{
    struct Case {
        QString title, message;
        int style;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {QString(), QString(), 0, QMessageBox::Warning},
        {QStringLiteral("Disk full"), QStringLiteral("Only 5% left, 100%"), 2, QMessageBox::Critical},
        {QStringLiteral("<b>x</b> & %@ %d"), QStringLiteral("<i>y</i><br>%s"), 1, QMessageBox::Warning},
        {QStringLiteral("Two\nlines"), QStringLiteral("<a href=\"x\">link</a>"), -2, QMessageBox::Warning},
    };
    for (const Case &c : cases) {
        Shown shown;
        AlertDriver driver([&shown](QMessageBox *box) {
            shown = look(box);
            test::clickOn(test::buttonTitled(box, QStringLiteral("OK")));
        });
        EXPECT_EQ(displayAlert(c.title, c.message, c.style, nullptr), kAlertDefaultReturn) << c.title.toStdString();
        ASSERT_TRUE(driver.acted());
        EXPECT_EQ(shown.title, c.title.isNull() ? QStringLiteral("") : c.title);
        EXPECT_EQ(shown.hasMessageLabel, !c.message.isEmpty());
        EXPECT_EQ(shown.message, c.message.isNull() ? QStringLiteral("") : c.message);
        EXPECT_TRUE(shown.plainText) << c.title.toStdString();
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
        EXPECT_EQ(shown.modality, Qt::ApplicationModal);
        EXPECT_TRUE(test::visibleAlerts().isEmpty());
    }
}

TEST_F(QtAlerts, SheetsReturnAtOnceOnTheirWindow)
{
    QWidget window;
    auto *inner = new QWidget(&window);
    window.show();
    // A sheet goes on the window that holds the given widget.
    EXPECT_EQ(displayAlert(QStringLiteral("Saved"), QStringLiteral("50% <b>done</b>"), 2, inner), kAlertDefaultReturn);
    displayAlertSheet(QString(), QStringLiteral("second"), &window);

    const QList<QMessageBox *> sheets = window.findChildren<QMessageBox *>();
    ASSERT_EQ(sheets.size(), 2);
    const Shown first = look(sheets[0]);
    EXPECT_EQ(first.title, QStringLiteral("Saved"));
    EXPECT_EQ(first.message, QStringLiteral("50% <b>done</b>"));
    EXPECT_TRUE(first.plainText);
    EXPECT_EQ(first.icon, QMessageBox::Critical);
    EXPECT_EQ(first.modality, Qt::WindowModal);
    EXPECT_EQ(first.parent, &window);
    const Shown second = look(sheets[1]);
    EXPECT_EQ(second.title, QStringLiteral(""));
    EXPECT_EQ(second.icon, QMessageBox::Warning);
    EXPECT_EQ(second.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(sheets[1]->isVisible());

    // Pressing OK on a sheet closes and frees it.
    QPointer<QMessageBox> pressed = sheets[0];
    test::clickOn(test::buttonTitled(pressed, QStringLiteral("OK")));
    flushDeletes();
    EXPECT_TRUE(pressed.isNull());
    EXPECT_EQ(window.findChildren<QMessageBox *>().size(), 1);
}

TEST_F(QtAlerts, DialogReturnsTheTypedText)
{
    enum class Edit { Keep, Clear, Replace };
    enum class Press { OkButton, ReturnKey, CancelButton };
    struct Case {
        QString defaultText, cancelTitle;
        Edit edit;
        Press press;
        QString expected;
    };
    const QString cancel = QStringLiteral("Cancel");
    const Case cases[] = {
        {QStringLiteral("x"), QString(), Edit::Keep, Press::OkButton, QStringLiteral("x")},
        {QStringLiteral("x"), QString(), Edit::Clear, Press::OkButton, QString()},
        {QStringLiteral("x"), QString(), Edit::Replace, Press::ReturnKey, QStringLiteral("typed & 10%")},
        {QStringLiteral("x"), QString(), Edit::Keep, Press::CancelButton, QString()},
        {QString(), QStringLiteral("Later"), Edit::Replace, Press::CancelButton, QString()},
        {QString(), QStringLiteral("Later"), Edit::Keep, Press::OkButton, QString()},
    };
    for (const Case &c : cases) {
        Shown shown;
        QString fieldText;
        QSize fieldSize;
        bool fieldPlaced = false;
        AlertDriver driver([&](QMessageBox *box) {
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
                QTest::keyClicks(field, QStringLiteral("typed & 10%"));
            if (c.press == Press::ReturnKey)
                QTest::keyClick(field, Qt::Key_Return);
            else
                test::clickOn(test::buttonTitled(box, c.press == Press::OkButton ? QStringLiteral("OK") : shown.buttons.value(1)));
        });
        const QString result = displayDialog(QStringLiteral("Name"), QStringLiteral("Type a name"), c.defaultText, c.cancelTitle);
        ASSERT_TRUE(driver.acted());
        EXPECT_EQ(result, c.expected) << c.defaultText.toStdString() << " " << int(c.edit) << " " << int(c.press);
        EXPECT_EQ(result.isNull(), c.expected.isNull());
        EXPECT_EQ(shown.buttons, (QStringList{QStringLiteral("OK"), c.cancelTitle.isNull() ? cancel : c.cancelTitle}));
        EXPECT_EQ(fieldText, c.defaultText.isNull() ? QStringLiteral("") : c.defaultText);
        EXPECT_EQ(fieldSize, QSize(300, 40));
        EXPECT_TRUE(fieldPlaced);
    }
}

TEST_F(QtAlerts, FieldKeepsItsPlaceAfterAStyleChange)
{
    bool fieldPlaced = false;
    AlertDriver driver([&fieldPlaced](QMessageBox *box) {
        // A style change makes the box lay itself out again.
        box->setStyleSheet(QStringLiteral("QLabel { margin: 3px; }"));
        fieldPlaced = fieldBetweenMessageAndButtons(box);
        test::clickOn(test::buttonTitled(box, QStringLiteral("OK")));
    });
    EXPECT_EQ(displayDialog(QStringLiteral("Name"), QStringLiteral("Type a name"), QStringLiteral("x"), QString()),
              QStringLiteral("x"));
    EXPECT_TRUE(fieldPlaced);
}

TEST_F(QtAlerts, BugAlertIsCriticalWithASadFace)
{
    Shown shown;
    AlertDriver driver([&shown](QMessageBox *box) {
        shown = look(box);
        test::clickOn(test::buttonTitled(box, QStringLiteral("OK")));
    });
    EXPECT_EQ(displayAlertBug(QStringLiteral("state 3 <x>")), kAlertDefaultReturn);
    EXPECT_TRUE(shown.title.startsWith(QStringLiteral(":-(\nYou would not have to see this alert.")));
    EXPECT_EQ(shown.message, QStringLiteral("state 3 <x>"));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
}

TEST_F(QtAlerts, OffTheMainThreadNothingIsShown)
{
    int code = 0;
    std::thread worker([&code] { code = displayAlert(QStringLiteral("From a worker"), QString(), 0, nullptr); });
    worker.join();
    EXPECT_EQ(code, kAlertDefaultReturn);
    EXPECT_TRUE(test::logHas(QStringLiteral("alert               :-(  not on the main thread, not shown")));
    EXPECT_TRUE(test::logHas(QStringLiteral("alert               : From a worker - ")));
}

TEST(AlertPresenterChoice, NobodyCanClickOnTheOffscreenPlatform)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    ScopedAlertPresenter automatic(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);
    EXPECT_EQ(displayAlert(QStringLiteral("Nobody there"), QString(), 0, nullptr), kAlertDefaultReturn);
    EXPECT_TRUE(test::logHas(QStringLiteral("alert               : Nobody there - ")));
}
