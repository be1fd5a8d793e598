#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The list from which the user picks what a playlist entry shows: the built-in functions, a
// separator and the movies of the movies folder. Every usable item ends with its key in
// parentheses: a movie's file name, or the special entry name of a built-in function.

// The name the web gallery goes by in captions.
QString GallerySiteName();

// The eight fixed items, separator last.
QStringList BuiltInMovieListItems();

// The whole list for the movies folder Config.MoviesDir: the fixed items, then one item per
// "*.qlm" file whose name can be read ("<name> (<file>)"), in file-name order. A folder that
// is missing or holds no file at all is reported with "Movies-Verzeichnis nicht gefunden!".
QStringList MovieListItems();

// The "*.qlm" file names of a folder in file-name order (the file system's own order is
// arbitrary here, and a stable order keeps the list and random picks reproducible).
QStringList MovieFilesIn(const QString &folder);

// The key of an item: the text between its last "(" and its last character. None without "(".
std::optional<QString> MovieListKey(const QString &itemText);

// The editor panel a key shows.
enum class EditorPanel { Scroll, Duration, Movie };
EditorPanel PanelForKey(const QString &key);
