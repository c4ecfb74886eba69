// The window's list of sources: one row per video with its thumbnail and
// title, duration, picture, size, tracks, planned output and status; videos
// and folders can be dropped on it.
#pragma once

#include "model/source.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

namespace convert {

class SourceList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { Title, Duration, Resolution, Size, Tracks, Output, Status, ColumnCount };
    // Where a row is on its way; only Ready, Failed, Cancelled and Kept rows
    // are taken by the next Convert. Unreadable rows (refused by the probe,
    // or not read) never are.
    enum class RowState { Reading, Unreadable, Ready, Waiting, Converting, Done, Failed, Cancelled, Kept };

    explicit SourceList(QWidget *parent = nullptr);

    // A row for a file being read, known by the reader's ticket.
    void addReading(int ticket, const QString &path);
    // The answer for the row of ticket; false when that row was removed.
    bool setSource(int ticket, const SourceInfo &source);
    // A row read at once (tests, and sources known already).
    void appendSource(const SourceInfo &source);

    // Every row's source; a row still being read has an error saying so.
    const QList<SourceInfo> &sources() const { return m_sources; }
    int readingCount() const;
    // Removes the selected rows.
    void removeSelected();

    RowState rowState(int row) const;
    // Rows that the next Convert takes: read, usable and not done.
    QList<int> rowsToConvert() const;

    // Done rows become Ready again, for settings that would make another
    // output; the others stay as they are.
    void reopenDone();
    // For every row of that source: the black bars measured, the thumbnail
    // (a PNG file) as its icon.
    void setBlackBars(const QString &path, const Bars &bars);
    void setThumbnail(const QString &path, const QString &png);

    void setOutputText(int row, const QString &text, bool problem);
    void setTracksText(int row, const QString &text, const QString &details);
    // The row's state and the text shown for it; details go to the tooltip.
    void setState(int row, RowState state, const QString &text, const QString &details = QString());
    QString status(int row) const;

    // The row selected when exactly one is; -1 otherwise.
    int selectedRow() const;

signals:
    void filesDropped(const QStringList &paths);
    void sourcesChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showSource(int row);

    QList<SourceInfo> m_sources;
    QList<int> m_tickets;
    QList<RowState> m_states;
};

} // namespace convert
