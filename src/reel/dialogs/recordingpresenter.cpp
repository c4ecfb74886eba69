#include "reel/dialogs/recordingpresenter.h"

#include "reel/dialogs/passclock.h"

namespace reel {

AlertAnswer RecordingPresenter::present(const AlertRequest &request)
{
    m_alerts.append(request);
    AlertAnswer answer;
    answer.text = request.fieldText;
    // Sheets answer nothing to their caller and leave the script alone.
    if (request.kind == AlertRequest::Kind::Sheet || request.kind == AlertRequest::Kind::TimedSheet)
        return answer;

    const bool timed = request.kind == AlertRequest::Kind::Timed;
    if (m_script.isEmpty()) {
        answer.timedOut = timed;
    } else {
        const bool keepsField = m_keepsField.takeFirst();
        answer = m_script.takeFirst();
        if (keepsField)
            answer.text = request.fieldText;
        answer.timedOut = answer.timedOut && timed;
    }
    if (answer.timedOut) {
        answer.button = AlertButton::Default;
        answer.passes = alertPassesForLimit(request.timeLimit);
    }
    if (!request.hasCheckbox)
        answer.checked = false;
    return answer;
}

AlertRequest RecordingPresenter::last() const
{
    return m_alerts.isEmpty() ? AlertRequest() : m_alerts.constLast();
}

void RecordingPresenter::willAnswer(const AlertAnswer &answer)
{
    m_script.append(answer);
    m_keepsField.append(false);
}

void RecordingPresenter::willPress(AlertButton button, bool tickCheckbox)
{
    AlertAnswer answer;
    answer.button = button;
    answer.checked = tickCheckbox;
    m_script.append(answer);
    m_keepsField.append(true);
}

void RecordingPresenter::willType(const QString &text)
{
    AlertAnswer answer;
    answer.text = text;
    m_script.append(answer);
    m_keepsField.append(false);
}

void RecordingPresenter::willTimeOut(bool tickCheckbox)
{
    AlertAnswer answer;
    answer.timedOut = true;
    answer.checked = tickCheckbox;
    m_script.append(answer);
    m_keepsField.append(true);
}

} // namespace reel
