#pragma once

#include <QString>
#include <QtGlobal>

// Playing one playlist entry. The entry's name decides what it is: a movie file, or one of
// the special names in square brackets.

// Arms the entry's transition, clears the movie information and plays the entry; returns when
// it is over. Duration is read as seconds ("30s" is 30). Returns false when the entry showed
// nothing (an unreadable or empty movie, a producer that has nothing to show), so the runner
// can tell a pass in which nothing could be played.
bool PlayEntry(const QString &Name, const QString &Duration, int Repetitions, int Boost,
               quint8 Transition);

// Where a movie entry's file is looked for: an absolute path as it is; otherwise the movies
// folder, and when the file is not there, the folder of the current playlist file. Returns
// the name to hand to PlayMovie.
QString ResolveMovieName(const QString &Name);

// "[shuffledir]": Repetitions random movies from the movies folder, each played once. Returns
// false when none could be played.
bool PlayRandomMovies(int Boost, int Repetitions);
