#include "gui/PlaylistPanel.h"

#include "gui/ButtonIcons.h"
#include "log/DebugLog.h"
#include "playback/PlaylistRunner.h"
#include "playlists/PlaylistFile.h"
#include "playlists/PlaylistModel.h"

#include <QFileDialog>
#include <QMetaMethod>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString FileDialogTitle = QStringLiteral("Playlist laden/speichern");
const QStringList FileDialogFilters
    = { QStringLiteral("QuarnoPlayer Playlists (*.qpp)"), QStringLiteral("Alle Dateien (*)") };

QPushButton *MakeButton(ButtonIcon icon, const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(MakeButtonIcon(icon), text, parent);
    button->setObjectName(name);
    return button;
}

QFrame *Separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The file dialog shared by loading and saving.
QString AskForPlaylist(QWidget *parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, FileDialogTitle);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(FileDialogFilters);
    dialog.setDefaultSuffix(QStringLiteral("qpp"));
    if (!CurrentPlaylistPath.isEmpty())
        dialog.selectFile(CurrentPlaylistPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

PlaylistPanel::PlaylistPanel(PlaylistRunner &runner, QWidget *parent)
    : QGroupBox(QStringLiteral("Playlist"), parent), m_runner(runner),
      m_lvPlaylist(new QTreeView(this))
{
    setObjectName(QStringLiteral("fraPlaylist"));
    PlaylistModel &playlist = runner.Playlist();

    m_cmdPlayList = MakeButton(ButtonIcon::Play, QStringLiteral("Wiedergabe"),
                               QStringLiteral("cmdPlayList"), this);
    m_cmdPlayList->setDefault(true);
    m_cmdNext = MakeButton(ButtonIcon::NextEntry, QStringLiteral("Nächster Playlist-Eintrag"),
                           QStringLiteral("cmdNext"), this);
    m_cmdnextMovie = MakeButton(ButtonIcon::NextMovie, QStringLiteral("Nächster Film"),
                                QStringLiteral("cmdnextMovie"), this);
    m_cmdnextMovie->setToolTip(
        QStringLiteral("Bricht den aktuellen Film ab und springt zum nächsten"));
    for (QPushButton *button : { m_cmdPlayList, m_cmdNext, m_cmdnextMovie })
        button->setIconSize(QSize(22, 22));
    connect(m_cmdPlayList, &QPushButton::clicked, &runner, &PlaylistRunner::TogglePlay);
    connect(m_cmdNext, &QPushButton::clicked, &runner, &PlaylistRunner::RequestNext);
    connect(m_cmdnextMovie, &QPushButton::clicked, &runner, &PlaylistRunner::RequestNextMovie);
    m_cmdConfig = new QPushButton(QIcon::fromTheme(QStringLiteral("preferences-system")),
                                  QStringLiteral("Einstellungen"), this);
    m_cmdConfig->setObjectName(QStringLiteral("cmdConfig"));
    connect(m_cmdConfig, &QPushButton::clicked, this, &PlaylistPanel::ConfigClicked);

    m_lvPlaylist->setObjectName(QStringLiteral("lvPlaylist"));
    m_lvPlaylist->setModel(&playlist);
    m_lvPlaylist->setSelectionModel(playlist.Selection());
    m_lvPlaylist->setRootIsDecorated(false);
    m_lvPlaylist->setUniformRowHeights(true);
    m_lvPlaylist->setAlternatingRowColors(true);
    m_lvPlaylist->setAllColumnsShowFocus(true);
    m_lvPlaylist->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvPlaylist->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView *header = m_lvPlaylist->header();
    header->setStretchLastSection(true);
    // Narrow columns fit their caption, the name and transition columns their usual texts.
    const QFontMetrics metrics = m_lvPlaylist->fontMetrics();
    const int padding = metrics.horizontalAdvance(QStringLiteral("MM"));
    const auto fit = [&](int column, const QString &sample) {
        const QString caption
            = playlist.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        m_lvPlaylist->setColumnWidth(
            column,
            std::max(metrics.horizontalAdvance(caption), metrics.horizontalAdvance(sample))
                + padding);
    };
    fit(PlaylistModel::PositionColumn, QStringLiteral("MM 999"));
    fit(PlaylistModel::NameColumn, QStringLiteral("Zufallsfilm aus Movie-Verzeichnis"));
    fit(PlaylistModel::DurationColumn, QStringLiteral("999s"));
    fit(PlaylistModel::RepetitionsColumn, QStringLiteral("99"));
    fit(PlaylistModel::BoostColumn, QStringLiteral("-100%"));
    fit(PlaylistModel::TransitionColumn, QStringLiteral("Wischen (Rechts->Links)"));
    m_lvPlaylist->setMinimumHeight(metrics.height() * 12);

    m_cmdLoad
        = MakeButton(ButtonIcon::Open, QStringLiteral("Laden…"), QStringLiteral("cmdLoad"), this);
    m_cmdSave = MakeButton(ButtonIcon::Save, QStringLiteral("Speichern…"),
                           QStringLiteral("cmdSave"), this);
    m_cmdListUp = MakeButton(ButtonIcon::Up, QStringLiteral("Nach oben"),
                             QStringLiteral("cmdListUp"), this);
    m_cmdListDown = MakeButton(ButtonIcon::Down, QStringLiteral("Nach unten"),
                               QStringLiteral("cmdListDown"), this);
    m_cmdListDel = MakeButton(ButtonIcon::Delete, QStringLiteral("Löschen"),
                              QStringLiteral("cmdListDel"), this);
    m_chkRepeat = MakeButton(ButtonIcon::Repeat, QStringLiteral("Playlist wiederholen"),
                             QStringLiteral("chkRepeat"), this);
    m_chkShuffle = MakeButton(ButtonIcon::Shuffle, QStringLiteral("Zufällige Reihenfolge"),
                              QStringLiteral("chkShuffle"), this);
    m_chkRepeat->setCheckable(true);
    m_chkShuffle->setCheckable(true);
    m_chkRepeat->setChecked(playlist.Repeat());
    m_chkShuffle->setChecked(playlist.Shuffle());
    connect(m_chkRepeat, &QPushButton::toggled, &playlist, &PlaylistModel::SetRepeat);
    connect(m_chkShuffle, &QPushButton::toggled, &playlist, &PlaylistModel::SetShuffle);
    connect(&playlist, &PlaylistModel::RepeatChanged, m_chkRepeat, &QPushButton::setChecked);
    connect(&playlist, &PlaylistModel::ShuffleChanged, m_chkShuffle, &QPushButton::setChecked);
    connect(m_cmdLoad, &QPushButton::clicked, this, &PlaylistPanel::LoadClicked);
    connect(m_cmdSave, &QPushButton::clicked, this, &PlaylistPanel::SaveClicked);
    connect(m_cmdListUp, &QPushButton::clicked, this, &PlaylistPanel::MoveUpClicked);
    connect(m_cmdListDown, &QPushButton::clicked, this, &PlaylistPanel::MoveDownClicked);
    connect(m_cmdListDel, &QPushButton::clicked, this, &PlaylistPanel::DeleteClicked);

    auto *playRow = new QHBoxLayout;
    playRow->addWidget(m_cmdPlayList);
    playRow->addWidget(m_cmdNext);
    playRow->addWidget(m_cmdnextMovie);
    playRow->addStretch(1);
    playRow->addWidget(m_cmdConfig);

    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_cmdLoad);
    listRow->addWidget(m_cmdSave);
    listRow->addWidget(Separator(this));
    listRow->addWidget(m_cmdListUp);
    listRow->addWidget(m_cmdListDown);
    listRow->addWidget(m_cmdListDel);
    listRow->addStretch(1);
    listRow->addWidget(m_chkRepeat);
    listRow->addWidget(m_chkShuffle);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(playRow);
    layout->addWidget(m_lvPlaylist, 1);
    layout->addLayout(listRow);
    UpdateButtons();
}

void PlaylistPanel::SetPlaying(bool playing)
{
    m_playing = playing;
    m_cmdPlayList->setText(playing ? QStringLiteral("Stop") : QStringLiteral("Wiedergabe"));
    m_cmdPlayList->setIcon(MakeButtonIcon(playing ? ButtonIcon::Stop : ButtonIcon::Play));
    UpdateButtons();
}

void PlaylistPanel::connectNotify(const QMetaMethod &)
{
    UpdateButtons();
}

bool PlaylistPanel::IsListened(void (PlaylistPanel::*signal)()) const
{
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void PlaylistPanel::UpdateButtons()
{
    // Loading or deleting rows under a running playlist is not possible; adding and moving is.
    m_cmdLoad->setEnabled(!m_playing);
    m_cmdListDel->setEnabled(IsListened(&PlaylistPanel::DeleteClicked) && !m_playing);
    m_cmdListUp->setEnabled(IsListened(&PlaylistPanel::MoveUpClicked));
    m_cmdListDown->setEnabled(IsListened(&PlaylistPanel::MoveDownClicked));
}

void PlaylistPanel::LoadClicked()
{
    const QString path = AskForPlaylist(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        LoadPlaylist(m_runner.Playlist(), path);
}

void PlaylistPanel::SaveClicked()
{
    if (m_runner.Playlist().Count() == 0)
        return;
    const QString path = AskForPlaylist(this, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    QString error;
    if (!SavePlaylist(m_runner.Playlist(), path, &error))
        ReportStatus(
            QStringLiteral("Playlist konnte nicht gespeichert werden: %1 (%2)").arg(path, error));
}
