#include "shell/CommandLine.h"

#include "log/UserMessages.h"

#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    result.Arguments = arguments;
    result.Text = arguments.join(QLatin1Char(' '));
    result.Debug = result.Text.contains(QLatin1String("-debug"));
    result.NoHide = result.Text.contains(QLatin1String("NOHIDE"), Qt::CaseInsensitive);
    if (!result.Text.isEmpty()) {
        const QString firstWord = result.Text.section(QLatin1Char(' '), 0, 0);
        if (!firstWord.startsWith(QLatin1Char('-'))) {
            result.HasPlaylist = true;
            result.PlaylistWord = firstWord;
        }
    }
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            result.Help = true;
        else if (argument == QLatin1String("--version"))
            result.Version = true;
    }
    return result;
}

FirstPlaylist ChooseFirstPlaylist(const CommandLine &commandLine, const QString &lastPlaylist,
                                  const QString &programFolder)
{
    FirstPlaylist result;
    if (commandLine.HasPlaylist) {
        result.Given = true;
        result.Path = commandLine.PlaylistWord;
        if (!result.Path.contains(QLatin1Char('/')))
            result.Path = programFolder + QLatin1Char('/') + result.Path;
    } else if (!lastPlaylist.isEmpty() && QFileInfo(lastPlaylist).isFile()) {
        result.Path = lastPlaylist;
    }
    return result;
}

QString ReleaseVersion()
{
    return QStringLiteral(QPZ_RELEASE_VERSION);
}

QString AboutNotice()
{
    return QStringLiteral("%1 spielt Filme, Lauftexte und Uhren auf der QuarnoLeds-Anzeige. "
                          "Version %2")
        .arg(AppTitle, ReleaseVersion());
}

QString HelpText()
{
    return QStringLiteral(
               "Aufruf: qpz [PLAYLIST] [-debug] [NOHIDE]\n"
               "\n"
               "  PLAYLIST   lädt diese Playlist und spielt sie ab. Sie muss das erste Wort sein\n"
               "             und darf nicht mit \"-\" beginnen; ein Name ohne \"/\" wird im\n"
               "             Programmordner gesucht. Ohne sie wird die zuletzt benutzte\n"
               "             Playlist geladen.\n"
               "  -debug     zeigt das Fenster \"Debugging-Ausgabe\" und schreibt jede Zeile\n"
               "             auch auf die Standardfehlerausgabe.\n"
               "  NOHIDE     lässt das Hauptfenster beim Start sichtbar (auch -nohide).\n"
               "  --help     zeigt diese Hilfe.\n"
               "  --version  zeigt die Version.\n"
               "\n"
               "Es läuft immer nur ein %1: ein zweiter Start endet sofort.\n")
        .arg(AppTitle);
}

QString VersionText()
{
    return QStringLiteral("%1 %2\n").arg(AppTitle, ReleaseVersion());
}
