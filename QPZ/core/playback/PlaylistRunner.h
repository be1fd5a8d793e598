#pragma once

#include <QObject>
#include <QString>

class PlaylistModel;
struct EditorValues;

// The player's main loop: plays the checked rows of the playlist one after another (in list
// order or shuffled, once or repeatedly) until the list is done or the user stops it.
//
// The loop runs inside the call that starts it (the play button's click) and keeps the
// program alive by handling events between frames; every other click, timer and remote
// command runs nested inside those waits and steers the loop only through the playback flags.
class PlaylistRunner : public QObject
{
    Q_OBJECT

public:
    // After a pass in which no entry could show anything (missing files, empty movies) the
    // next pass waits this long, so such a playlist never spins the processor.
    static constexpr int IdlePassWaitMs = 2000;

    explicit PlaylistRunner(PlaylistModel &playlist, QObject *parent = nullptr);

    PlaylistModel &Playlist() const { return m_playlist; }
    bool IsPlaying() const { return m_playing; }
    bool IsTestPlaying() const { return m_testPlaying; }

    // The play button: starts the loop when stopped (returning when playback ends), otherwise
    // asks it to stop and makes the display dark at once.
    void TogglePlay();
    // "Nächster Playlist-Eintrag": ends the current entry and goes on with the next.
    void RequestNext();
    // "Nächster Film": ends the current movie; a random-movie entry goes on with another one.
    void RequestNextMovie();
    // The test button: plays the editor's settings once without touching the playlist, or
    // stops a test play that is running.
    void ToggleTestPlay(const EditorValues &values);

signals:
    void PlayingChanged(bool playing);
    void TestPlayingChanged(bool playing);

private:
    void RunPasses();
    // The row (0-based) to play at position 1..n of a pass; -1 when every row is played.
    int ChooseRow(int position) const;
    void SetPlaying(bool playing);
    void SetTestPlaying(bool playing);

    PlaylistModel &m_playlist;
    bool m_playing = false;
    bool m_testPlaying = false;
};

// The index of a transition caption in the transition list, -1 when it names none.
int TransitionIndex(const QString &caption);
