#pragma once

#include <QGroupBox>

class PlaylistRunner;
class QPushButton;
class QTreeView;

// The playlist region of the main window: the play, next-entry and next-movie buttons, the
// list view "lvPlaylist" with its seven columns and check boxes, and the buttons that load,
// save and rearrange the list and switch repeat and shuffle.
class PlaylistPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit PlaylistPanel(PlaylistRunner &runner, QWidget *parent = nullptr);

    // The runner's state: the play button's caption and icon, and the buttons that must not
    // change the list under a running playlist.
    void SetPlaying(bool playing);

signals:
    // The settings button: the settings dialog opens beside the running show.
    void ConfigClicked();
    // The up, down and delete buttons are enabled only while something listens to them.
    void MoveUpClicked();
    void MoveDownClicked();
    void DeleteClicked();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    bool IsListened(void (PlaylistPanel::*signal)()) const;
    void LoadClicked();
    void SaveClicked();
    void UpdateButtons();

    PlaylistRunner &m_runner;
    QTreeView *m_lvPlaylist;
    QPushButton *m_cmdPlayList;
    QPushButton *m_cmdNext;
    QPushButton *m_cmdnextMovie;
    QPushButton *m_cmdConfig;
    QPushButton *m_cmdLoad;
    QPushButton *m_cmdSave;
    QPushButton *m_cmdListUp;
    QPushButton *m_cmdListDown;
    QPushButton *m_cmdListDel;
    QPushButton *m_chkRepeat;
    QPushButton *m_chkShuffle;
    bool m_playing = false;
};
