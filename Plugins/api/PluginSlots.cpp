#include "PluginSlots.h"

#include "HostServices.h"
#include "SettingsStore.h"

#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"

#include <QHash>

PluginSlots Plugins;

namespace {

const QString ActiveKey = QStringLiteral("Active");

// Delivers frames to the slots' plug-ins. A plug-in that fails is reported when it first fails
// and then only counted, so one that throws on every frame cannot bury the user in news; the
// count is logged at shutdown.
class SlotOutput : public PluginSink
{
public:
    int UpperSlot() const override { return int(Plugins.size()) - 1; }

    void OutputToDevice(int slot, const LedFrame &frame) override
    {
        const PluginSlot &target = Plugins[slot];
        QString error;
        if (target.Instance->OutputToDevice(frame, &error))
            return;
        if (m_failures[slot]++ == 0)
            HostReportStatus(
                QStringLiteral("Plugin '%1': Fehler bei der Ausgabe (%2). Weitere Fehler "
                               "werden nur gezählt.")
                    .arg(target.DisplayName, error));
    }

    void LogFailures()
    {
        for (auto it = m_failures.cbegin(); it != m_failures.cend(); ++it)
            if (it.key() < Plugins.size())
                DebugLog(QStringLiteral("Plugin '%1' failed in OutputToDevice %2 times")
                             .arg(Plugins[it.key()].DisplayName)
                             .arg(it.value()));
        m_failures.clear();
    }

private:
    QHash<int, qint64> m_failures;
};

SlotOutput slotOutput;

void ReportFailure(const PluginSlot &slot, const char *member, const QString &error)
{
    HostReportStatus(QStringLiteral("Plugin '%1': Fehler in %2 (%3)")
                         .arg(slot.DisplayName, QLatin1String(member), error));
}

} // namespace

void FindPluginSlots(const QString &programFolder)
{
    LoadPlugins(Plugins, PluginFilePattern(programFolder));
}

void InstallPluginSlots()
{
    SettingsStore store(AppTitle);
    Plugins[0] = { SimulationDisplayName, SimulationFileName, nullptr, SimulationFileName };
    const QString simulationSection = SettingsStore::PluginSection(SimulationFileName);
    if (store.GetSetting(simulationSection, ActiveKey, QStringLiteral("-1")) == QLatin1String("-1"))
        store.SaveSetting(simulationSection, ActiveKey, QStringLiteral("1"));

    // The configuration file stores both lists by slot index; values it held are kept.
    Config.PluginNames.resize(Plugins.size());
    Config.PluginActive.resize(Plugins.size(), false);
    for (qsizetype i = 0; i < Plugins.size(); ++i) {
        const PluginSlot &slot = Plugins[i];
        QString error;
        if (i >= 1 && !slot.Instance->Init(AppTitle, slot.FileName, &error))
            ReportFailure(slot, "Init", error);
        Config.PluginNames[i] = slot.DisplayName;
        if (store.GetSetting(SettingsStore::PluginSection(slot.FileName), ActiveKey)
            == QLatin1String("1"))
            Config.PluginActive[i] = true;
    }
    SetPluginSink(&slotOutput);
}

void StopPluginSlots()
{
    SettingsStore store(AppTitle);
    for (qsizetype i = 0; i < Plugins.size(); ++i) {
        const PluginSlot &slot = Plugins[i];
        const bool active = i < Config.PluginActive.size() && Config.PluginActive[i];
        store.SaveSetting(SettingsStore::PluginSection(slot.FileName), ActiveKey,
                          active ? QStringLiteral("1") : QStringLiteral("0"));
        QString error;
        if (i >= 1 && !slot.Instance->Term(&error))
            ReportFailure(slot, "Term", error);
    }
    SetPluginSink(nullptr);
    slotOutput.LogFailures();
    Plugins.clear();
}

void ConfigurePlugin(int slot)
{
    if (slot < 1) {
        ShowMessage(MessageIcon::Information,
                    QStringLiteral("Keine weiteren Einstellungen nötig."));
        return;
    }
    if (slot >= Plugins.size())
        return;
    QString error;
    if (!Plugins[slot].Instance->Configure(&error))
        ReportFailure(Plugins[slot], "Configure", error);
}
