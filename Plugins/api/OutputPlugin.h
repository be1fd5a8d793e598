#pragma once

#include "display/LedFrame.h"

#include <QObject>
#include <QString>
#include <QtPlugin>

// The contract between a host (the player, or a plug-in that hosts others) and an output
// plug-in, version 1.
//
// A plug-in file is a Qt plug-in named "*.out.so" whose root object implements
// OutputPluginFactory. The metadata file named in its Q_PLUGIN_METADATA holds
//     { "TypeLibrary": "UDP", "Classes": [ "clsUDP" ] }
// that is the library's name and its class names in declared order. The host reads both from
// the file without loading it, so a file of another kind is never loaded; a new version of the
// contract changes the interface id, so plug-ins built for another version are turned away the
// same way.
//
// A plug-in object is a QObject whose contract members are Q_INVOKABLE. The host finds them by
// name, ignoring case, checks their parameters once and then calls them directly:
//
//     QString PluginName()                                      required, works before Init
//     bool Init(const QString &CallingAppTitle,
//               const QString &MyFilename)                      required
//     bool Term()                                               required
//     bool Configure()                                          required, modal dialog
//     bool OutputToDevice(const LedFrame &OutputData)           required
//     bool SetData(quint8 DataBit, bool Enable)                 optional test line
//     bool SetClock(bool Enable)                                optional test line
//     bool SetStrobe(bool Enable)                               optional test line
//     bool SetOE(bool Enable)                                   optional test line
//
// Strings may also be taken as QString & (the plug-in then gets the host's copy). The frame is
// the host's own storage for the duration of the call and must not be changed. Results other
// than PluginName's are not used. A member that fails throws; the host catches it, reports it
// and goes on with the other plug-ins. Everything is called on the host's GUI thread.

class OutputPluginFactory
{
public:
    virtual ~OutputPluginFactory() = default;
    // A new object of the named class (one of the metadata's "Classes"), owned by the caller,
    // or null for a name the library does not know.
    virtual QObject *CreatePluginObject(const QString &className) = 0;
};

#define OutputPluginFactory_iid "de.quarnoleds.qpz.OutputPlugin/1"
Q_DECLARE_INTERFACE(OutputPluginFactory, OutputPluginFactory_iid)

// Keys of the "MetaData" object in a plug-in's metadata.
inline constexpr char PluginMetaTypeLibrary[] = "TypeLibrary";
inline constexpr char PluginMetaClasses[] = "Classes";

// The file pattern of plug-in libraries and the marker for "no plug-in" in slot references.
inline const QString PluginFileSuffix = QStringLiteral(".out.so");
