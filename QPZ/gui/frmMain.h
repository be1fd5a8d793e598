#pragma once

#include "log/DebugLog.h"
#include "movies/PlayMovie.h"

#include <QMainWindow>

#include <functional>

class EmulationPanel;
class EntryEditor;
class LedSimulation;
class PlaylistPanel;
class PlaylistRunner;

// The main window: the simulation at the top left, the entry editor at the top right and the
// playlist across the bottom. It shows the engine's state and turns clicks into engine calls.
class frmMain : public QMainWindow, public StatusSink, public MovieInfoSink
{
    Q_OBJECT

public:
    explicit frmMain(PlaylistRunner &runner, QWidget *parent = nullptr);
    ~frmMain() override;

    LedSimulation *Simulation() const;
    EntryEditor *Editor() const { return m_editor; }
    PlaylistPanel *Playlist() const { return m_playlist; }

    // Rebuilds the editor's movie list from the movies folder.
    void FillMovieList();
    // The editor's lists start at their first entries.
    void SelectEditorDefaults();
    // The notice with the version, shown at the right of the status bar as "lblCopy".
    void ShowAboutNotice(const QString &notice);

    // StatusSink
    void ShowStatus(const QString &text) override;
    // MovieInfoSink
    void ShowMovieInfo(const QString &text) override;

    // Closing the window runs this instead (the player's shutdown, which ends the process); the
    // close itself is refused. Without a handler the window simply closes.
    void SetCloseHandler(std::function<void()> handler);
    // While the tray icon is there, minimising hides the window; the icon brings it back.
    void SetHideWhenMinimised(bool hide);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    EmulationPanel *m_emulation;
    std::function<void()> m_closeHandler;
    bool m_hideWhenMinimised = false;
    EntryEditor *m_editor;
    PlaylistPanel *m_playlist;
};
