#pragma once

#include "display/LedFrame.h"
#include "log/DebugLog.h"

#include <QByteArrayList>
#include <QMetaObject>
#include <QMetaType>
#include <QObjectList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Helpers for the plug-in tests.

// A temporary program folder with copies of plug-in files. Each entry is a file name found in
// the program's build folder, the test plug-ins' folder or tests/data/plugins, optionally
// followed by "=" and the name the copy gets ("Lagwerk.out.so=Lagwerk2.out.so").
class PluginFolder
{
public:
    explicit PluginFolder(const QStringList &files);
    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString &fileName) const { return m_dir.filePath(fileName); }

private:
    QTemporaryDir m_dir;
};

// Points the per-user settings store at a folder of its own for as long as it lives.
class ScratchSettings
{
public:
    ScratchSettings();
    QString Path() const { return m_dir.path(); }
    // A key in the section of a plug-in file ("Plugins/" + file name) under the player's title.
    void Set(const QString &fileName, const QString &key, const QString &value);
    QString Get(const QString &fileName, const QString &key) const;

private:
    QTemporaryDir m_dir;
};

// Calls a member of a plug-in object by name and returns its result.
template<typename T> T Ask(QObject *object, const char *member)
{
    T value {};
    QMetaObject::invokeMethod(object, member, Qt::DirectConnection,
                              QGenericReturnArgument(QMetaType::fromType<T>().name(), &value));
    return value;
}

// What the test plug-in "Rekorder" recorded.
inline QStringList CallsOf(QObject *recorder)
{
    return Ask<QStringList>(recorder, "Calls");
}
QList<LedFrame> FramesOf(QObject *recorder);
// Every recorder object of the library that made recorder, whichever host created it.
inline QObjectList RecordersBeside(QObject *recorder)
{
    return Ask<QObjectList>(recorder, "Siblings");
}

// Runs action on the next modal window that opens and is not skip: the code under test opens
// a dialog or a message box and waits in it, the action fills it in and closes it.
void OnNextModal(std::function<void(QWidget *)> action, QWidget *skip = nullptr);
// Closes the next message box that opens over skip and appends its text to texts.
void CloseNextMessageBox(QStringList *texts, QWidget *skip);
// Clicks the button with that objectName in a window.
void Click(QWidget *window, const char *buttonName);
