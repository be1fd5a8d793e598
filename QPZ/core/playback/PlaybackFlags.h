#pragma once

// The flags through which buttons, timers and the remote control steer the running playlist.
// All start false or 0. Every producer loop tests AbortItem after each frame.
inline bool StopPlaylist = false;      // leave the playlist loop after the current item
inline bool AbortItem = false;         // end the current item now
inline bool NextRequested = false;     // the user asked for the next playlist entry
inline bool NextMovieRequested = false; // the next movie of a random-movie entry
inline bool StopEntry = false;         // the duration of a timed entry has run out
inline double EntryDuration = 0;       // seconds left for a timed entry
