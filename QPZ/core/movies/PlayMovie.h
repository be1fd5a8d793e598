#pragma once

#include <QString>

// Playing one movie on the display, in its own timing, scaled by a speed boost.

// The factor the speed boost applies to every display time: 1 - Boost / 200 above 0 (100
// halves the times), 1 - Boost / 100 from 0 down (-100 doubles them). Above 200 it turns
// negative and frames follow each other without waiting.
double BoostFactor(int Boost);

// Where the comment of the movie shown goes (the main window's "txtMovieInfo").
class MovieInfoSink
{
public:
    virtual ~MovieInfoSink() = default;
    virtual void ShowMovieInfo(const QString &text) = 0;
};

void SetMovieInfoSink(MovieInfoSink *sink);
void ShowMovieInfo(const QString &text);

enum class MovieOutcome {
    Played, // frames were delivered (or were about to be when the item was aborted)
    Unreadable, // the file could not be read; reported in the status bar, nothing shown
    NothingToPlay // no frames, or no repetitions: nothing shown and no time taken
};

// Loads the movie and plays it Repetitions times, re-arming the pending transition before each
// repetition. A name that is not an absolute path is taken from the movies folder. Returns
// early once AbortItem is set; the waits between frames keep the event loop running.
MovieOutcome PlayMovie(const QString &Name, int Boost, int Repetitions);
