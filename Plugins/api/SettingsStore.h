#pragma once

#include <QString>

// The per-user settings shared by the hosts and the plug-ins: text values addressed by
// application name, section and key. Each application name is one INI file in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config), named after the application, so the
// player and every plug-in created with the same application title share one file.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &AppName);

    // The stored text, or Default when the key is absent.
    QString GetSetting(const QString &Section, const QString &Key,
                       const QString &Default = {}) const;
    void SaveSetting(const QString &Section, const QString &Key, const QString &Value);

    // The section of a plug-in's keys and of the host's "Active" key for it.
    static QString PluginSection(const QString &FileName);

private:
    QString m_appName;
};
