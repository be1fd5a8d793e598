#pragma once

#include "log/DebugLog.h"
#include "movies/PlayMovie.h"

#include <QMainWindow>

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

    // StatusSink
    void ShowStatus(const QString &text) override;
    // MovieInfoSink
    void ShowMovieInfo(const QString &text) override;

private:
    EmulationPanel *m_emulation;
    EntryEditor *m_editor;
    PlaylistPanel *m_playlist;
};
