#include "playlists/modINI.h"

#include "playlists/IniDocument.h"

#include <QFileInfo>

QString ReadIniValue(const IniDocument &document, const QString &Section, const QString &Key,
                     const QString &Default)
{
    const std::optional<QString> value = document.Value(Section, Key);
    if (!value || value->isEmpty())
        return Default;
    return value->left(MaxIniValueLength);
}

QString ReadIniValue(const QString &File, const QString &Section, const QString &Key,
                     const QString &Default)
{
    IniDocument document;
    document.Load(File);
    return ReadIniValue(document, Section, Key, Default);
}

bool WriteIniValue(const QString &File, const QString &Section, const QString &Key,
                   const QString &Value)
{
    IniDocument document;
    if (!document.Load(File) && QFileInfo::exists(File))
        return false; // never replace a file that could not be read
    document.SetValue(Section, Key, Value);
    return document.Save(File);
}
