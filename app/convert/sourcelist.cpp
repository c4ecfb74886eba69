#include "sourcelist.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

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

} // namespace

SourceList::SourceList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(ColumnCount);
    setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Duration"), QStringLiteral("Size"),
                     QStringLiteral("Output"), QStringLiteral("Status")});
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    header()->setSectionResizeMode(Title, QHeaderView::Stretch);
    header()->setStretchLastSection(false);
    for (int column : {Duration, Size, Output, Status})
        header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void SourceList::appendSource(const SourceInfo &source)
{
    auto *item = new QTreeWidgetItem(this);
    item->setText(Title, source.title);
    item->setToolTip(Title, source.path);
    item->setText(Duration, source.usable() ? durationText(source.duration) : QString());
    item->setText(Size, sizeText(source.sizeMB));
    item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
    if (!source.usable()) {
        item->setText(Status, QStringLiteral("unreadable"));
        item->setToolTip(Status, source.error);
        item->setForeground(Status, QBrush(Qt::red));
    }
    m_sources << source;
    emit sourcesChanged();
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
    }
    if (!rows.isEmpty())
        emit sourcesChanged();
}

void SourceList::setOutputText(int row, const QString &text, bool problem)
{
    if (QTreeWidgetItem *item = topLevelItem(row)) {
        item->setText(Output, text);
        item->setForeground(Output, problem ? QBrush(Qt::red) : QBrush());
    }
}

void SourceList::setStatus(int row, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setText(Status, text);
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
