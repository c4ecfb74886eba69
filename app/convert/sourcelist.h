// The window's list of sources: one row per video with its title, duration,
// size, planned output and status; videos can be dropped on it.
#pragma once

#include "source.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

namespace convert {

class SourceList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { Title, Duration, Size, Output, Status, ColumnCount };

    explicit SourceList(QWidget *parent = nullptr);

    void appendSource(const SourceInfo &source);
    const QList<SourceInfo> &sources() const { return m_sources; }
    // Removes the selected rows.
    void removeSelected();

    void setOutputText(int row, const QString &text, bool problem);
    void setStatus(int row, const QString &text);
    QString status(int row) const;

signals:
    void filesDropped(const QStringList &paths);
    void sourcesChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QList<SourceInfo> m_sources;
};

} // namespace convert
