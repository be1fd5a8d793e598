#include "PluginHost.h"

#include "HostServices.h"
#include "OutputPlugin.h"
#include "PluginRegistration.h"
#include "util/TextNumbers.h"

#include <QDir>
#include <QFileInfo>

QString PluginFilePattern(const QString &folder)
{
    return AddBackslash(folder) + QLatin1Char('*') + PluginFileSuffix;
}

namespace {

// The k-th object reporting a name shows it with " #k". Counting the names the objects reported
// (not the display names already numbered) keeps a third "X" from becoming a second "X #2"; the
// loop covers a plug-in whose own name looks like a numbered one.
QString UniqueDisplayName(const QString &name, const QStringList &reportedNames,
                          const PluginSlots &pluginSlots)
{
    const qsizetype earlier = reportedNames.count(name);
    auto taken = [&](const QString &candidate) {
        for (const PluginSlot &slot : pluginSlots)
            if (slot.Instance && slot.DisplayName == candidate)
                return true;
        return false;
    };
    if (earlier == 0 && !taken(name))
        return name;
    for (qsizetype number = earlier + 1;; ++number) {
        const QString candidate = name + QStringLiteral(" #") + QString::number(number);
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace

void LoadPlugins(PluginSlots &pluginSlots, const QString &FilePattern)
{
    ClaimHostServices();
    pluginSlots = PluginSlots(1);

    const QFileInfo pattern(FilePattern);
    // Absolute, because the loader searches its own library paths for a relative name.
    const QDir folder = pattern.absoluteDir();
    const QStringList files = folder.entryList({ pattern.fileName() }, QDir::Files, QDir::Name);
    QStringList reportedNames;
    for (const QString &fileName : files) {
        const QString path = folder.filePath(fileName);
        RegisterPluginFile(path);
        for (const CreatedPluginObject &created : CreatePluginObjects(path)) {
            QString name;
            QString error;
            if (!created.Object->PluginName(&name, &error)) {
                HostReportStatus(
                    QStringLiteral("Plugin %1 (%2) liefert keinen Namen und wird nicht geladen: %3")
                        .arg(created.ClassName, fileName, error));
                continue;
            }
            pluginSlots.append({ UniqueDisplayName(name, reportedNames, pluginSlots),
                                 created.ClassName, created.Object, fileName });
            reportedNames.append(name);
        }
    }
}
