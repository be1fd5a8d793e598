#include "playlists/PlaylistModel.h"

#include <algorithm>

PlaylistModel::PlaylistModel(QObject *parent)
    : QAbstractTableModel(parent), m_selection(new QItemSelectionModel(this, this))
{ }

void PlaylistModel::Append(const PlaylistEntry &entry)
{
    beginInsertRows({}, Count(), Count());
    m_entries.push_back(entry);
    endInsertRows();
}

void PlaylistModel::SetEntries(std::vector<PlaylistEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void PlaylistModel::SetChecked(int row, bool checked)
{
    if (row < 0 || row >= Count() || m_entries[size_t(row)].Checked == checked)
        return;
    m_entries[size_t(row)].Checked = checked;
    emit dataChanged(index(row, PositionColumn), index(row, PositionColumn),
                     { Qt::CheckStateRole });
}

void PlaylistModel::SetPlayed(int row, bool played)
{
    if (row >= 0 && row < Count())
        m_entries[size_t(row)].Played = played;
}

void PlaylistModel::ClearPlayedMarks()
{
    for (PlaylistEntry &entry : m_entries)
        entry.Played = false;
}

bool PlaylistModel::AllPlayed() const
{
    return std::all_of(m_entries.begin(), m_entries.end(),
                       [](const PlaylistEntry &entry) { return entry.Played; });
}

void PlaylistModel::SetRepeat(bool on)
{
    if (m_repeat == on)
        return;
    m_repeat = on;
    emit RepeatChanged(on);
}

void PlaylistModel::SetShuffle(bool on)
{
    if (m_shuffle == on)
        return;
    m_shuffle = on;
    emit ShuffleChanged(on);
}

int PlaylistModel::SelectedRow() const
{
    int first = -1;
    for (const QModelIndex &selected : m_selection->selectedIndexes()) {
        if (first < 0 || selected.row() < first)
            first = selected.row();
    }
    return first;
}

void PlaylistModel::SelectRow(int row)
{
    if (row < 0 || row >= Count())
        return;
    m_selection->setCurrentIndex(index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int PlaylistModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

int PlaylistModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlaylistModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    const PlaylistEntry &entry = Entry(index.row());
    if (role == Qt::CheckStateRole && index.column() == PositionColumn)
        return entry.Checked ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case PositionColumn:
        return entry.Position;
    case NameColumn:
        return entry.Description;
    case DurationColumn:
        return entry.Duration;
    case RepetitionsColumn:
        return entry.Repetitions;
    case BoostColumn:
        return entry.Boost;
    case TransitionColumn:
        return entry.Transition;
    case FilenameColumn:
        return entry.Filename;
    default:
        return {};
    }
}

bool PlaylistModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != PositionColumn)
        return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags itemFlags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == PositionColumn)
        itemFlags |= Qt::ItemIsUserCheckable;
    return itemFlags;
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions = {
        QStringLiteral("Pos."),     QStringLiteral("Name"),  QStringLiteral("Dauer"),
        QStringLiteral("Wiederh."), QStringLiteral("Boost"), QStringLiteral("Überblendung"),
        QStringLiteral("Filename"),
    };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= captions.size())
        return {};
    return captions[section];
}
