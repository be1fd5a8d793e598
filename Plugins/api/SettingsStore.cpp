#include "SettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {

QString KeyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore(const QString &AppName) : m_appName(AppName) { }

QString SettingsStore::GetSetting(const QString &Section, const QString &Key,
                                  const QString &Default) const
{
    // QSettings keeps one parsed copy of the file per process and rereads it when it changes,
    // so a short-lived QSettings per call is cheap.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, m_appName);
    const QVariant value = settings.value(KeyPath(Section, Key));
    if (!value.isValid())
        return Default;
    // An unquoted comma in a hand-edited file makes QSettings read a list; the text is meant.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::SaveSetting(const QString &Section, const QString &Key, const QString &Value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, m_appName);
    settings.setValue(KeyPath(Section, Key), Value);
}

QString SettingsStore::PluginSection(const QString &FileName)
{
    return QStringLiteral("Plugins/") + FileName;
}
