#pragma once

#include <QString>
#include <QStringList>

// The player's command line. It is read as one text, the arguments joined by single blanks, and
// split again at single blanks: "-debug" and "NOHIDE" count wherever they appear, and only the
// first word can name a playlist, so a playlist path with a blank cannot be given.
struct CommandLine
{
    QStringList Arguments; // as given, handed on unchanged to the standby companion
    QString Text; // the arguments joined by single blanks
    bool Debug = false; // the text contains "-debug" (case-sensitive)
    bool NoHide = false; // the text contains "NOHIDE" (any case)
    bool HasPlaylist = false; // the text is not empty and its first word does not begin with "-"
    QString PlaylistWord; // that first word
    bool Help = false; // "--help" or "-h": print the usage and end
    bool Version = false; // "--version": print the version and end
};

CommandLine ParseCommandLine(const QStringList &arguments);

// The playlist to load at start-up and whether it came from the command line. Playback is
// started in either case; an empty Path means there is nothing to load.
struct FirstPlaylist
{
    bool Given = false;
    QString Path;
};

// A given name without "/" lies in the program folder; it is loaded even when it does not exist,
// so that the loader reports it. The last playlist is loaded only when its file still exists.
FirstPlaylist ChooseFirstPlaylist(const CommandLine &commandLine, const QString &lastPlaylist,
                                  const QString &programFolder);

// The release as major.minor.revision.
QString ReleaseVersion();

// The notice on the main window's about label; it ends with the release.
QString AboutNotice();

// What "--help" and "--version" print.
QString HelpText();
QString VersionText();
