#include "window/tracklist.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace convert {

namespace {

// Where an item's track number and kind are kept.
constexpr int kIndexRole = Qt::UserRole;
constexpr int kSoundRole = Qt::UserRole + 1;

QString channelsText(int channels)
{
    switch (channels) {
    case 0:
        return QString();
    case 1:
        return QCoreApplication::translate("convert::TrackList", "mono");
    case 2:
        return QCoreApplication::translate("convert::TrackList", "stereo");
    case 6:
        return QStringLiteral("5.1");
    case 8:
        return QStringLiteral("7.1");
    default:
        return QCoreApplication::translate("convert::TrackList", "%1 channels").arg(channels);
    }
}

} // namespace

QString trackText(const StreamInfo &stream)
{
    QStringList facts;
    if (!stream.language.isEmpty()) {
        const QLocale::Language language = QLocale::codeToLanguage(stream.language);
        facts << (language == QLocale::AnyLanguage ? stream.language : QLocale::languageToString(language));
    }
    if (!stream.codec.isEmpty())
        facts << stream.codec;
    if (stream.type == QLatin1String("audio") && !channelsText(stream.channels).isEmpty())
        facts << channelsText(stream.channels);
    if (!stream.title.isEmpty())
        facts << QStringLiteral("\"%1\"").arg(stream.title);
    const QString number = QStringLiteral("#%1").arg(stream.index);
    return facts.isEmpty() ? number : number + u' ' + facts.join(QStringLiteral(" · "));
}

TrackList::TrackList(QWidget *parent) : QGroupBox(tr("Tracks of the selected video"), parent)
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("trackList"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemChanged, this, &TrackList::itemChanged);
    showSource(nullptr, Preset(), std::nullopt);
}

void TrackList::showSource(const SourceInfo *source, const Preset &preset, const std::optional<TrackRequest> &picked)
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_path = source ? source->path : QString();
    if (!source) {
        setToolTip(tr("Select one video to choose its sound and subtitle tracks"));
        return;
    }
    setToolTip(QString());
    m_defaultAudio = chooseTracks(*source, preset).defaultAudio;
    const TrackChoice choice = chooseTracks(*source, preset, picked.value_or(TrackRequest()));
    for (const char *type : {"audio", "subtitle"}) {
        const bool sound = qstrcmp(type, "audio") == 0;
        for (const StreamInfo &stream : source->streams) {
            if (stream.type != QLatin1String(type))
                continue;
            auto *item = new QListWidgetItem(trackText(stream), m_list);
            item->setData(kIndexRole, stream.index);
            item->setData(kSoundRole, sound);
            const bool kept = sound ? choice.audio.contains(stream.index)
                                    : choice.subtitles.contains(stream.index) || choice.burn == stream.index;
            // Subtitles an output cannot hold are shown, not offered.
            const bool offered = sound || (preset.family == Family::Mp4 && isTextSubtitle(stream.codec));
            item->setFlags(offered ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
            item->setCheckState(kept ? Qt::Checked : Qt::Unchecked);
            if (!offered)
                item->setToolTip(preset.family == Family::Mp4 ? tr("Picture subtitles cannot become MP4 text subtitles")
                                                              : tr("DVD subtitles come from an .srt beside the video"));
        }
    }
    if (m_list->count() == 0)
        setToolTip(tr("This video has no sound or subtitle track"));
}

TrackRequest TrackList::checkedRequest() const
{
    TrackRequest request;
    request.audio = TrackRequest::Pick::Listed;
    request.subtitles = TrackRequest::Pick::Listed;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const QString number = QString::number(item->data(kIndexRole).toInt());
        if (!item->data(kSoundRole).toBool())
            request.subtitlesListed << number;
        else if (item->data(kIndexRole).toInt() == m_defaultAudio)
            request.audioListed.prepend(number); // the first listed is marked default
        else
            request.audioListed << number;
    }
    // An empty list would mean the default track; none checked means none.
    if (request.audioListed.isEmpty())
        request.audio = TrackRequest::Pick::None;
    if (request.subtitlesListed.isEmpty())
        request.subtitles = TrackRequest::Pick::None;
    return request;
}

void TrackList::itemChanged(QListWidgetItem *)
{
    if (!m_path.isEmpty())
        emit picked(m_path, checkedRequest());
}

} // namespace convert
