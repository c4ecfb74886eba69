#include "reel/widgets/qtpresenter.h"

#include "reel/core/log.h"
#include "reel/dialogs/passclock.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>

#include <array>
#include <memory>

namespace reel {

namespace {

constexpr unsigned long kPassMicroseconds = 100000;
constexpr unsigned long kHoldPassMicroseconds = 1000000;
constexpr qint64 kHoldPassMilliseconds = 1000;

// Button and checkbox texts treat "&" as a mnemonic marker; doubling it
// shows the title as typed.
QString withoutMnemonic(const QString &text)
{
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

class AlertBox : public QMessageBox {
public:
    AlertBox(const AlertRequest &request, QWidget *parent) : QMessageBox(parent)
    {
        setTextFormat(Qt::PlainText);
        setText(request.title);
        setInformativeText(request.message);
        // The informative label detects rich text on its own; a message such
        // as "<b>x</b>" must show its tags.
        if (auto *info = findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
            info->setTextFormat(Qt::PlainText);
        setIcon(request.critical        ? QMessageBox::Critical
                : request.informational ? QMessageBox::Information
                                        : QMessageBox::Warning);

        const QString defaultTitle = request.defaultButton.isNull() ? defaultButtonTitle() : request.defaultButton;
        m_buttons[0] = addButton(withoutMnemonic(defaultTitle), QMessageBox::AcceptRole);
        if (!request.alternateButton.isNull())
            m_buttons[1] = addButton(withoutMnemonic(request.alternateButton), QMessageBox::RejectRole);
        if (!request.otherButton.isNull())
            m_buttons[2] = addButton(withoutMnemonic(request.otherButton), QMessageBox::ActionRole);
        setDefaultButton(qobject_cast<QPushButton *>(m_buttons[0]));

        if (request.hasCheckbox) {
            const QString title = request.checkboxTitle.isEmpty() ? defaultCheckboxTitle() : request.checkboxTitle;
            setCheckBox(new QCheckBox(withoutMnemonic(title)));
        }
        if (request.hasTextField) {
            m_field = new QLineEdit(request.fieldText, this);
            m_field->setFixedSize(request.fieldSize);
            placeField();
            m_field->setFocus();
        }
    }

    AlertButton roleOf(const QAbstractButton *button) const
    {
        if (button && button == m_buttons[1])
            return AlertButton::Alternate;
        if (button && button == m_buttons[2])
            return AlertButton::Other;
        return AlertButton::Default;
    }

    void fillAnswer(AlertAnswer &answer) const
    {
        if (m_field)
            answer.text = m_field->text();
        if (checkBox())
            answer.checked = checkBox()->isChecked();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        QMessageBox::changeEvent(event);
        // A style change rebuilds the box's layout without the field, and
        // sizes the box for that layout.
        if (m_field && event->type() == QEvent::StyleChange) {
            placeField();
            if (isVisible())
                fitHeightToLayout();
        }
    }

private:
    // The box has no slot for an extra view: the field goes into its grid
    // under the message, the buttons one row lower.
    void placeField()
    {
        auto *grid = qobject_cast<QGridLayout *>(layout());
        auto *buttonBox = findChild<QDialogButtonBox *>();
        auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        const int buttonIndex = grid && buttonBox ? grid->indexOf(buttonBox) : -1;
        const int labelIndex = grid && label ? grid->indexOf(label) : -1;
        if (buttonIndex < 0 || labelIndex < 0) {
            logAlways(LogLabel("alert field"), ":-(  no place for the text field");
            return;
        }
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(buttonIndex, &row, &column, &rowSpan, &columnSpan);
        int labelRow = 0, labelColumn = 0, unused = 0;
        grid->getItemPosition(labelIndex, &labelRow, &labelColumn, &unused, &unused);
        grid->removeWidget(m_field);
        grid->removeWidget(buttonBox);
        grid->addWidget(m_field, row, labelColumn, 1, 1, Qt::AlignLeft);
        grid->addWidget(buttonBox, row + 1, column, rowSpan, columnSpan);
    }

    // The box keeps a fixed size of its own choosing; grow it by the field.
    void fitHeightToLayout()
    {
        QLayout *grid = layout();
        grid->activate();
        const int height = grid->hasHeightForWidth() ? grid->totalHeightForWidth(width()) : grid->totalSizeHint().height();
        if (height > this->height())
            setFixedHeight(height);
    }

    std::array<QAbstractButton *, 3> m_buttons{};
    QLineEdit *m_field = nullptr;
};

QWidget *sheetParent(const AlertRequest &request)
{
    return request.window ? request.window->window() : nullptr;
}

AlertAnswer runModal(const AlertRequest &request)
{
    AlertBox box(request, nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    AlertAnswer answer;
    answer.button = box.roleOf(box.clickedButton());
    box.fillAnswer(answer);
    return answer;
}

// The alert's events are handled once per pass; the pass clock, not the wall
// clock, decides when it gives up. A button, or closing the window (which
// presses the escape button), ends the run.
AlertAnswer runTimed(const AlertRequest &request)
{
    AlertBox box(request, nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();

    AlertPassClock clock(request.timeLimit);
    bool answered = false;
    while (clock.running()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        answered = box.clickedButton() || !box.isVisible();
        if (answered)
            break;
        clock.tick();
        QThread::usleep(kPassMicroseconds);
    }
    box.hide();

    AlertAnswer answer;
    answer.timedOut = !answered;
    answer.button = box.roleOf(box.clickedButton());
    answer.passes = clock.passes();
    box.fillAnswer(answer);
    return answer;
}

AlertAnswer showSheet(const AlertRequest &request)
{
    auto *box = new AlertBox(request, sheetParent(request));
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->open();
    AlertAnswer answer;
    box->fillAnswer(answer);
    return answer;
}

// The sheet stays for holdSeconds + 1 passes of about a second. It is
// repainted on each pass but takes no input, so it cannot be answered.
AlertAnswer holdSheet(const AlertRequest &request)
{
    QPointer<AlertBox> box = new AlertBox(request, sheetParent(request));
    box->setWindowModality(Qt::WindowModal);
    box->show();

    QElapsedTimer stamp;
    for (qint64 i = 0; i <= request.holdSeconds; ++i) {
        if (stamp.isValid()) {
            while (!stamp.hasExpired(kHoldPassMilliseconds))
                QThread::usleep(1000);
        }
        stamp.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::usleep(kHoldPassMicroseconds);
        logAlways("i = %d", int(i));
    }

    AlertAnswer answer;
    if (box) {
        box->hide();
        box->fillAnswer(answer);
        delete box.data();
    }
    return answer;
}

bool widgetsUsable()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!qobject_cast<const QApplication *>(app))
        return false;
    if (QThread::currentThread() != app->thread()) {
        logAlways(LogLabel("alert"), ":-(  not on the main thread, not shown");
        return false;
    }
    return true;
}

} // namespace

AlertAnswer QtAlertPresenter::present(const AlertRequest &request)
{
    if (!widgetsUsable())
        return HeadlessPresenter().present(request);
    switch (request.kind) {
    case AlertRequest::Kind::Modal:
        return runModal(request);
    case AlertRequest::Kind::Timed:
        return runTimed(request);
    case AlertRequest::Kind::Sheet:
        return showSheet(request);
    case AlertRequest::Kind::TimedSheet:
        break;
    }
    return holdSheet(request);
}

} // namespace reel
