#pragma once

#include <QString>

class PlaylistModel;

// Playlist files (".qpp"): INI text with the section "General" (Editor, Repeat, Shuffle,
// EntryCount) and one section "Entry<i>" per row (Checked, Description, Duration, Repitions,
// Boost, Transition, Filename).
//
// Movie names in a playlist are file names relative to the movies folder; the player also
// looks for them beside the playlist file, so a playlist can be shipped together with its
// movies.

// The playlist file last loaded or saved (absolute), empty at start.
extern QString CurrentPlaylistPath;

// "EntryCount" is honoured up to this many rows. A larger count (a damaged or hostile file)
// loads the first MaxPlaylistEntries rows and says so in the status bar.
inline constexpr int MaxPlaylistEntries = 10'000;

// Replaces the playlist by the file's rows and switches. A path where no file exists changes
// nothing and returns false.
bool LoadPlaylist(PlaylistModel &playlist, const QString &Path);

// Writes the playlist into the file, keeping everything else the file holds (sections of a
// longer list saved there before stay, unread). An empty playlist writes nothing. Returns
// false with the reason when the file could not be written.
bool SavePlaylist(const PlaylistModel &playlist, const QString &Path, QString *error = nullptr);
