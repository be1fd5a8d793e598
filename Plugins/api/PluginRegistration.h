#pragma once

#include "PluginInstance.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Registration of plug-in libraries and creation of their objects.

// How long the host waits for one library to register.
inline constexpr int RegistrationTimeoutMs = 5000;

// Registers the library Path on a worker thread and waits for it at most RegistrationTimeoutMs:
// the file's metadata must name an output plug-in (files of any other kind are turned away
// without being loaded), then the library is loaded and its factory created. On failure the
// user is told "Fehler beim Registrieren des Plugins '<Path>'." and the reason is logged. A
// registration still running at the time limit is abandoned: its thread finishes on its own
// and the library's objects are never created.
bool RegisterPluginFile(const QString &Path);

// The library name and the class names in declared order, read from the file's metadata
// without loading it.
bool ReadPluginMetadata(const QString &path, QString *typeLibrary, QStringList *classes,
                        QString *error = nullptr);

struct CreatedPluginObject
{
    QString ClassName;
    std::shared_ptr<PluginInstance> Object;
};

// One object per class of a registered library, in declared order. A class whose object cannot
// be created or does not offer the contract is left out and logged; a library that was not
// registered gives no objects.
QList<CreatedPluginObject> CreatePluginObjects(const QString &Path, QString *libraryName = nullptr);
