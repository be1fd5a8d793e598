#include "playback/PlaylistRunner.h"

#include "display/Transitions.h"
#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"
#include "movies/MovieList.h"
#include "playback/PlaybackFlags.h"
#include "util/Rnd.h"
#include "playback/modMain.h"
#include "playlists/EditorValues.h"
#include "playlists/PlaylistModel.h"
#include "timing/Pacing.h"
#include "util/TextNumbers.h"

#include <algorithm>

int TransitionIndex(const QString &caption)
{
    return int(TransitionCaptions().indexOf(caption));
}

PlaylistRunner::PlaylistRunner(PlaylistModel &playlist, QObject *parent)
    : QObject(parent), m_playlist(playlist)
{ }

void PlaylistRunner::TogglePlay()
{
    if (m_playing) {
        // The loop further down the call stack ends once its current item notices the flags;
        // the display goes dark now.
        StopPlaylist = true;
        AbortItem = true;
        CurrentFrame.Clear();
        OutputFrame(false, false);
        return;
    }

    SetPlaying(true);
    NextRequested = false;
    AbortItem = false;
    StopPlaylist = false;
    m_playlist.ClearPlayedMarks();
    if (m_playlist.Count() > 0)
        RunPasses();
    SetPlaying(false);
}

void PlaylistRunner::RunPasses()
{
    quint8 transition = 0; // an entry whose caption names no transition keeps the one before
    for (;;) {
        bool checkedAny = false;
        bool shownAny = false;
        // The rows may change while an entry plays (rows are added or moved), so the count is
        // read anew at every position.
        for (int position = 1; position <= m_playlist.Count(); ++position) {
            const int row = ChooseRow(position);
            if (row < 0)
                break;
            if (NextRequested) {
                NextRequested = false;
                AbortItem = false;
            }
            m_playlist.SelectRow(row);
            m_playlist.SetPlayed(row, true);
            // A copy: the row itself may change while the entry plays.
            const PlaylistEntry entry = m_playlist.Entry(row);
            if (entry.Checked) {
                checkedAny = true;
                const int index = TransitionIndex(entry.Transition);
                if (index >= 0)
                    transition = quint8(index);
                if (PlayEntry(entry.Filename, entry.Duration, LenientInt(entry.Repetitions),
                              LenientInt(entry.Boost), transition))
                    shownAny = true;
            }
            if (StopPlaylist)
                break;
        }

        if (!checkedAny || !m_playlist.Repeat()) {
            StopPlaylist = true;
            return;
        }
        m_playlist.ClearPlayedMarks();
        if (StopPlaylist)
            return;
        if (!shownAny) {
            ReportStatus(QStringLiteral("Kein Eintrag der Playlist konnte abgespielt werden."));
            WaitUntil(NowMs() + IdlePassWaitMs, [] { return StopPlaylist || AbortItem; });
            if (StopPlaylist)
                return;
        }
    }
}

int PlaylistRunner::ChooseRow(int position) const
{
    const int count = m_playlist.Count();
    if (!m_playlist.Shuffle())
        return position - 1;
    if (m_playlist.AllPlayed())
        return -1;
    // Drawn until an unplayed row comes up: every row once per pass, in random order.
    for (;;) {
        const int row = std::clamp(int(Rnd() * count), 0, count - 1);
        if (!m_playlist.Entry(row).Played)
            return row;
    }
}

void PlaylistRunner::RequestNext()
{
    NextRequested = true;
    AbortItem = true;
}

void PlaylistRunner::RequestNextMovie()
{
    NextMovieRequested = true;
    AbortItem = true;
}

void PlaylistRunner::ToggleTestPlay(const EditorValues &values)
{
    if (m_testPlaying) {
        AbortItem = true; // the test play further down the call stack ends
        SetTestPlaying(false);
        return;
    }

    AbortItem = false;
    SetTestPlaying(true);
    const int duration = LenientInt(values.DurationText);
    const int repetitions = LenientInt(values.RepetitionsText);
    const int transition = std::max(0, TransitionIndex(values.TransitionText));
    const std::optional<QString> key = MovieListKey(values.MovieText);
    if (key && !key->isEmpty()) {
        const QString name = *key == QLatin1String("[scroll]") ? ScrollEntryName(values) : *key;
        PlayEntry(name, QString::number(duration), repetitions, values.Boost, quint8(transition));
    }
    SetTestPlaying(false);
}

void PlaylistRunner::SetPlaying(bool playing)
{
    m_playing = playing;
    emit PlayingChanged(playing);
}

void PlaylistRunner::SetTestPlaying(bool playing)
{
    m_testPlaying = playing;
    emit TestPlayingChanged(playing);
}
