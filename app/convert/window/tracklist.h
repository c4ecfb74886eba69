// The sound and subtitle tracks of the selected video, one checkbox each,
// checked as the plan would keep them; a change is the video's own pick.
#pragma once

#include "model/presets.h"
#include "model/source.h"
#include "model/tracks.h"

#include <QGroupBox>

#include <optional>

class QListWidget;
class QListWidgetItem;

namespace convert {

class TrackList : public QGroupBox {
    Q_OBJECT
public:
    explicit TrackList(QWidget *parent = nullptr);

    // The source's tracks, checked as picked, or as the default choice for
    // the preset when nothing was picked; nothing for a null source.
    void showSource(const SourceInfo *source, const Preset &preset, const std::optional<TrackRequest> &picked);

signals:
    // The checks of the source shown, as a request of listed tracks.
    void picked(const QString &sourcePath, const convert::TrackRequest &request);

private:
    void itemChanged(QListWidgetItem *item);
    TrackRequest checkedRequest() const;

    QListWidget *m_list = nullptr;
    QString m_path;
    int m_defaultAudio = -1; // the track the default choice keeps, listed first when checked
};

// "#2 French · ac3 · 5.1", "#3 English · subrip".
QString trackText(const StreamInfo &stream);

} // namespace convert
