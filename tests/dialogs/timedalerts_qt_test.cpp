// Timed alerts shown for real with Qt Widgets on the offscreen platform; the
// limits are 1 s or less so the suite stays fast.
#include "alertdriver.h"
#include "logcapture.h"

#include <reel/core/debug.h>
#include <reel/dialogs/qtpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>

using namespace reel;
using test::AlertDriver;

namespace {

// The Qt presenter, keeping its last answer for the test to look at.
class WatchedWidgets : public AlertPresenter {
public:
    AlertAnswer present(const AlertRequest &request) override
    {
        last = widgets.present(request);
        return last;
    }
    QtAlertPresenter widgets;
    AlertAnswer last;
};

class QtTimedAlerts : public ::testing::Test {
protected:
    WatchedWidgets m_presenter;
    ScopedAlertPresenter m_use{&m_presenter};
};

} // namespace

TEST_F(QtTimedAlerts, EachButtonReturnsItsOwnTitle)
{
    const QString yes = QStringLiteral("Convert"), no = QStringLiteral("Skip"), other = QStringLiteral("Save & Quit");
    for (int seconds : {0, 1}) {
        for (const QString &pressed : {yes, no, other}) {
            setDEBUG(1);
            test::clearLog();
            QStringList shown;
            AlertDriver driver([&](QMessageBox *box) {
                shown = test::shownButtonTitles(box);
                test::clickOn(test::buttonTitled(box, pressed));
            });
            EXPECT_EQ(displayAlertDelayed(QStringLiteral("Title"), QStringLiteral("Message"), yes, no, other, 0, seconds), pressed)
                << seconds;
            EXPECT_EQ(shown, (QStringList{yes, no, other}));
            EXPECT_FALSE(m_presenter.last.timedOut);
            EXPECT_TRUE(test::logHas(QStringLiteral("giveUpAfterSeconds  : %1").arg(seconds)));
            EXPECT_EQ(test::logHas(QStringLiteral("ALERTE NORMALE")), seconds == 0);
            EXPECT_EQ(test::logHas(QStringLiteral("FERMETURE USER       : CLIC")), seconds == 1);
            EXPECT_FALSE(test::logContains(QStringLiteral("TIMEOUT")));
        }
    }
}

TEST_F(QtTimedAlerts, ClosingTheWindowPressesTheEscapeButton)
{
    for (int seconds : {0, 1}) {
        AlertDriver driver([](QMessageBox *box) { box->close(); });
        EXPECT_EQ(displayAlertDelayed(QStringLiteral("Title"), QString(), QStringLiteral("Convert"), QStringLiteral("Skip"),
                                      QString(), 0, seconds),
                  QStringLiteral("Skip"))
            << seconds;
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(m_presenter.last.timedOut);
    }
}

TEST_F(QtTimedAlerts, NobodyAnswersAndTheDefaultTitleComesBackAfterTenPasses)
{
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Look at the alert without answering it.
    AlertDriver driver([&](QMessageBox *box) {
        title = test::titleLabel(box)->text();
        icon = box->icon();
    });
    EXPECT_EQ(displayAlertDelayed(QStringLiteral("100% <b>sure</b>?"), QString(), QStringLiteral("Convert"),
                                  QStringLiteral("Skip"), QString(), 2, 1),
              QStringLiteral("Convert"));
    EXPECT_TRUE(driver.acted());
    EXPECT_EQ(title, QStringLiteral("100% <b>sure</b>?"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(m_presenter.last.timedOut);
    EXPECT_EQ(m_presenter.last.passes, 10);
    EXPECT_TRUE(test::logHas(QStringLiteral("FERMETURE AUTO       : TIMEOUT")));
    EXPECT_TRUE(test::visibleAlerts().isEmpty());
}

TEST_F(QtTimedAlerts, CheckboxStateComesBack)
{
    struct Case {
        int seconds;
        bool tick;
        QString press; // null: nobody presses a button
        QString checkboxTitle;
        QString expectedTitle;
        int expectedState;
        QString expectedLog;
    };
    const Case cases[] = {
        {1, true, QStringLiteral("Skip"), QStringLiteral("Always skip"), QStringLiteral("Skip"), 1,
         QStringLiteral("FERMETURE USER      : CLIC=-1001")},
        {1, false, QStringLiteral("Go"), QString(), QStringLiteral("Go"), 0, QStringLiteral("FERMETURE USER      : CLIC=-1000")},
        {1, true, QString(), QStringLiteral("Remember"), QStringLiteral("Go"), 1, QStringLiteral("FERMETURE AUTO      : TIMEOUT")},
    };
    for (const Case &c : cases) {
        test::clearLog();
        QString checkboxText;
        AlertDriver driver([&](QMessageBox *box) {
            ASSERT_NE(box->checkBox(), nullptr);
            checkboxText = box->checkBox()->text();
            if (c.tick)
                test::clickOn(box->checkBox());
            if (!c.press.isNull())
                test::clickOn(test::buttonTitled(box, c.press));
        });
        const QVariantList result = displayAlertDelayedCheckbox(QStringLiteral("Title"), QStringLiteral("Message"),
                                                                QStringLiteral("Go"), QStringLiteral("Skip"), QString(), 0,
                                                                c.seconds, c.checkboxTitle);
        EXPECT_EQ(result, (QVariantList{c.expectedTitle, c.expectedState})) << c.press.toStdString();
        EXPECT_EQ(checkboxText, c.checkboxTitle.isEmpty() ? defaultCheckboxTitle() : c.checkboxTitle);
        EXPECT_TRUE(test::logHas(c.expectedLog)) << c.expectedLog.toStdString();
    }
}

TEST_F(QtTimedAlerts, NegativeLimitGivesUpBeforeAnyEvent)
{
    const QVariantList result = displayAlertDelayedCheckbox(QString(), QString(), QString(), QString(), QString(), 0, -1, QString());
    EXPECT_EQ(result, (QVariantList{QStringLiteral("button 1"), 0}));
    EXPECT_TRUE(m_presenter.last.timedOut);
    EXPECT_EQ(m_presenter.last.passes, 0);
    EXPECT_TRUE(test::visibleAlerts().isEmpty());
}

TEST_F(QtTimedAlerts, HeldSheetIsShownOnItsWindowThenRemoved)
{
    QWidget window;
    window.show();
    for (int seconds : {-1, 0}) {
        test::clearLog();
        QStringList buttons;
        QWidget *parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        // The sheet is repainted during its passes, so it can be looked at.
        AlertDriver driver([&](QMessageBox *box) {
            buttons = test::shownButtonTitles(box);
            parent = box->parentWidget();
            modality = box->windowModality();
            icon = box->icon();
        });
        displayAlertDelayedSheet(QStringLiteral("Busy"), QStringLiteral("50%"), QStringLiteral(""), QStringLiteral("Later"),
                                 QString(), 2, seconds, &window);
        EXPECT_TRUE(test::logHas(QStringLiteral("giveUpAfterSeconds : %1").arg(seconds)));
        EXPECT_EQ(test::logHas(QStringLiteral("i = 0")), seconds == 0);
        EXPECT_FALSE(test::logContains(QStringLiteral("i = 1")));
        EXPECT_TRUE(window.findChildren<QMessageBox *>().isEmpty());
        if (seconds == 0) {
            ASSERT_TRUE(driver.acted());
            EXPECT_EQ(buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Later")}));
            EXPECT_EQ(parent, &window);
            EXPECT_EQ(modality, Qt::WindowModal);
            EXPECT_EQ(icon, QMessageBox::Warning);
        }
    }
}
