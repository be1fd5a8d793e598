#pragma once

#include "playlists/PlaylistEntry.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>

#include <vector>

// The one playlist of the program: an ordered sequence of rows that the main window's list
// view shows and the runner reads by index, plus the playlist-wide repeat and shuffle switches
// and the row selection (the runner highlights the row it plays). Row indexes are 0-based.
class PlaylistModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        PositionColumn,
        NameColumn,
        DurationColumn,
        RepetitionsColumn,
        BoostColumn,
        TransitionColumn,
        FilenameColumn,
        ColumnCount
    };

    explicit PlaylistModel(QObject *parent = nullptr);

    int Count() const { return int(m_entries.size()); }
    const PlaylistEntry &Entry(int row) const { return m_entries[size_t(row)]; }

    void Append(const PlaylistEntry &entry);
    // Replaces every row at once (loading a file).
    void SetEntries(std::vector<PlaylistEntry> entries);
    void SetChecked(int row, bool checked);
    void SetPlayed(int row, bool played);
    void ClearPlayedMarks();
    bool AllPlayed() const;

    bool Repeat() const { return m_repeat; }
    bool Shuffle() const { return m_shuffle; }
    void SetRepeat(bool on);
    void SetShuffle(bool on);

    QItemSelectionModel *Selection() const { return m_selection; }
    // The first selected row in list order, -1 when none is selected.
    int SelectedRow() const;
    // Selects the row alone and makes it the current one.
    void SelectRow(int row);

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void RepeatChanged(bool on);
    void ShuffleChanged(bool on);

private:
    std::vector<PlaylistEntry> m_entries;
    bool m_repeat = true;
    bool m_shuffle = false;
    QItemSelectionModel *m_selection;
};
