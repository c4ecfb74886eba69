#include "window/sourcelist.h"

#include <reel/core.h>
#include <reel/media.h>
#include <reel/numbers.h>

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QIcon>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace convert {

namespace {

QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

// 0:01:35, as people write a duration; the toolkit's forms go to the tooltip.
QString clockText(float seconds)
{
    return reel::secondeFloat2TimecodeStr(std::round(seconds), 0);
}

// "1920x1080, 29.97 fps"; the rate left out when the stream does not give it.
QString resolutionText(const SourceInfo &source)
{
    QString text = QStringLiteral("%1x%2").arg(source.width).arg(source.height);
    const StreamInfo *video = source.video();
    if (video && video->fps > 0) {
        QString rate = QString::number(video->fps, 'f', 2);
        while (rate.endsWith(QLatin1Char('0')))
            rate.chop(1);
        if (rate.endsWith(QLatin1Char('.')))
            rate.chop(1);
        text += QStringLiteral(", %1 fps").arg(rate);
    }
    return text;
}

// Why the probe refused the source, without the path its sentence starts
// with (the row shows it) nor the one ffprobe repeats before its own words:
// "cannot be read: Invalid data found when processing input".
QString refusalReason(const SourceInfo &source)
{
    QString reason = source.error;
    const QString name = reel::lastPathComponent(source.path);
    for (const QString &path : {source.path, name}) {
        if (path.isEmpty())
            continue;
        reason.replace(path + QStringLiteral(": "), QString());
        if (reason.startsWith(path + QLatin1Char(' ')))
            reason = reason.mid(path.size() + 1);
    }
    if (reason.startsWith(QLatin1String("is ")))
        reason = reason.mid(3);
    return reason;
}

} // namespace

SourceList::SourceList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(ColumnCount);
    setHeaderLabels(
        {tr("Title"), tr("Duration"), tr("Resolution"), tr("Size"), tr("Tracks"), tr("Output"), tr("Status")});
    headerItem()->setToolTip(Size, tr("In MB of 1024 x 1024 bytes, as every size in this program"));
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    header()->setSectionResizeMode(Title, QHeaderView::Stretch);
    header()->setStretchLastSection(false);
    // Thumbnails are made 72 pixels high; the list shows them smaller.
    setIconSize(QSize(96, 54));
    for (int column : {Duration, Resolution, Size, Tracks, Output, Status})
        header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void SourceList::addReading(int ticket, const QString &path)
{
    SourceInfo pending;
    pending.path = path;
    pending.title = reel::nameCleanedFromSrcpathstr(path, QStringList());
    pending.error = tr("%1 is still being read").arg(path);
    auto *item = new QTreeWidgetItem(this);
    item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
    m_sources << pending;
    m_tickets << ticket;
    m_states << RowState::Reading;
    showSource(int(m_sources.size()) - 1);
    emit sourcesChanged();
}

bool SourceList::setSource(int ticket, const SourceInfo &source)
{
    const qsizetype row = m_tickets.indexOf(ticket);
    if (row < 0)
        return false;
    m_sources[row] = source;
    m_states[row] = source.usable() ? RowState::Ready : RowState::Unreadable;
    showSource(int(row));
    emit sourcesChanged();
    return true;
}

void SourceList::appendSource(const SourceInfo &source)
{
    auto *item = new QTreeWidgetItem(this);
    item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
    m_sources << source;
    m_tickets << 0;
    m_states << (source.usable() ? RowState::Ready : RowState::Unreadable);
    showSource(int(m_sources.size()) - 1);
    emit sourcesChanged();
}

void SourceList::showSource(int row)
{
    QTreeWidgetItem *item = topLevelItem(row);
    const SourceInfo &source = m_sources.at(row);
    item->setText(Title, source.title);
    item->setToolTip(Title, source.titleNote.isEmpty() ? source.path : source.path + u'\n' + source.titleNote);
    const bool read = m_states.at(row) != RowState::Reading;
    item->setText(Duration, source.usable() ? clockText(source.duration) : QString());
    item->setToolTip(Duration, source.usable() ? durationText(source.duration) : QString());
    item->setText(Resolution, source.usable() ? resolutionText(source) : QString());
    item->setText(Size, read ? sizeText(source.sizeMB) : QString());
    if (m_states.at(row) == RowState::Reading) {
        setState(row, RowState::Reading, tr("reading…"));
    } else if (!source.usable()) {
        // Shown and kept, never converted: the user sees why.
        setState(row, RowState::Unreadable, tr("refused: %1").arg(refusalReason(source)), source.error);
    } else {
        setState(row, RowState::Ready, QString());
    }
}

int SourceList::readingCount() const
{
    return int(std::count(m_states.cbegin(), m_states.cend(), RowState::Reading));
}

void SourceList::removeSelected()
{
    QList<int> rows;
    for (QTreeWidgetItem *item : selectedItems())
        rows << indexOfTopLevelItem(item);
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : rows) {
        delete takeTopLevelItem(row);
        m_sources.removeAt(row);
        m_tickets.removeAt(row);
        m_states.removeAt(row);
    }
    if (!rows.isEmpty())
        emit sourcesChanged();
}

SourceList::RowState SourceList::rowState(int row) const
{
    return m_states.value(row, RowState::Unreadable);
}

QList<int> SourceList::rowsToConvert() const
{
    QList<int> rows;
    for (int row = 0; row < m_sources.size(); ++row) {
        const RowState state = m_states.at(row);
        if (m_sources.at(row).usable()
            && (state == RowState::Ready || state == RowState::Failed || state == RowState::Cancelled
                || state == RowState::Kept))
            rows << row;
    }
    return rows;
}

void SourceList::reopenDone()
{
    for (int row = 0; row < m_states.size(); ++row) {
        if (m_states.at(row) == RowState::Done)
            setState(row, RowState::Ready, tr("waiting"),
                     tr("Converted before with other settings; Convert makes it again with these"));
    }
}

void SourceList::setBlackBars(const QString &path, const Bars &bars)
{
    for (SourceInfo &source : m_sources) {
        if (source.path == path)
            source.blackBars = bars;
    }
}

void SourceList::setThumbnail(const QString &path, const QString &png)
{
    const QIcon icon(png);
    for (int row = 0; row < m_sources.size(); ++row) {
        if (m_sources.at(row).path == path)
            topLevelItem(row)->setIcon(Title, icon);
    }
}

int SourceList::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.size() == 1 ? indexOfTopLevelItem(selected.first()) : -1;
}

void SourceList::setOutputText(int row, const QString &text, bool problem)
{
    if (QTreeWidgetItem *item = topLevelItem(row)) {
        item->setText(Output, text);
        item->setForeground(Output, problem ? QBrush(Qt::red) : QBrush());
    }
}

void SourceList::setTracksText(int row, const QString &text, const QString &details)
{
    if (QTreeWidgetItem *item = topLevelItem(row)) {
        item->setText(Tracks, text);
        item->setToolTip(Tracks, details);
    }
}

void SourceList::setState(int row, RowState state, const QString &text, const QString &details)
{
    QTreeWidgetItem *item = topLevelItem(row);
    if (!item)
        return;
    m_states[row] = state;
    item->setText(Status, text);
    item->setToolTip(Status, details.isEmpty() ? text : details);
    item->setForeground(Status, state == RowState::Failed || state == RowState::Unreadable ? QBrush(Qt::red)
                                                                                          : QBrush());
}

QString SourceList::status(int row) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(Status) : QString();
}

void SourceList::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SourceList::dragMoveEvent(QDragMoveEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SourceList::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

} // namespace convert
