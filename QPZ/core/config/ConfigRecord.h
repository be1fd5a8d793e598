#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The two input modes: frames come from the player's own producers, or from the UDP input.
inline const QStringList InputModeNames = {QStringLiteral("Internem Generator"),
                                           QStringLiteral("UDP-Port")};

// Colours are stored as 0x00BBGGRR; a value with the top bit set names a system colour by
// index, as the default dark LED colour (the button face) does.
using OleColor = quint32;
constexpr OleColor SystemColorFlag = 0x80000000u;
constexpr OleColor ButtonFaceColor = SystemColorFlag | 0x0F;

// The player's own settings, in the order they are stored in QPZ.cfg.
struct ConfigRecord
{
    QString MoviesDir;
    bool OutputEnabled = true;
    QStringList PluginNames;  // index = plug-in slot
    QList<bool> PluginActive; // same bounds as PluginNames
    QString InputMode;
    qint32 UDPInPort = 2323;
    bool OfflineMode = false;
    bool RemoteEnabled = false;
    bool RemotePasswordRequired = false;
    QString RemotePassword;
    QString ServerHost;
    qint32 ServerPort = 9828;
    bool KeepConnection = true;
    qint32 Reaction = 100;
    qint32 SamplingRate = 215;
    qint32 Stretch = 15;
    QString LastPlaylist;
    OleColor LedOnColor = 255;
    OleColor LedOffColor = ButtonFaceColor;

    bool operator==(const ConfigRecord &) const = default;
};

// The one record every part of the player reads directly.
extern ConfigRecord Config;

// Every field to its default; both plug-in lists get exactly one element (slot 0).
void SetDefaultConfig();

// The folder of the program file, where QPZ.cfg, the plug-ins and the font live.
QString ProgramFolder();
