#include "clsLagwerk.h"

#include "frmConfig.h"

#include "api/HostServices.h"
#include "api/SettingsStore.h"
#include "util/TextNumbers.h"

#include <QApplication>
#include <QFileInfo>

#include <dlfcn.h>

#include <stdexcept>

namespace {

const QString UsePluginKey = QStringLiteral("UsePlugin");
const QString SizeKey = QStringLiteral("Size");

// The folder this library was loaded from: the plug-ins beside it are the ones to host.
QString OwnFolder()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&OwnFolder), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace

clsLagwerk::clsLagwerk(QObject *parent) : QObject(parent) { }

clsLagwerk::~clsLagwerk() = default;

bool clsLagwerk::SetStrobe(bool)
{
    return false;
}

QString clsLagwerk::PluginName() const
{
    return QStringLiteral("Lagwerk");
}

bool clsLagwerk::OutputToDevice(const LedFrame &OutputData)
{
    if (m_queue.IsEmpty())
        return false; // not started
    QString error;
    const bool delivered = !IsTarget(UsePlugin)
        || m_plugins[UsePlugin].Instance->OutputToDevice(m_queue.Oldest(), &error);
    // The queue moves on even when the target fails, so it does not replay stale frames later.
    m_queue.Push(OutputData);
    if (!delivered)
        throw std::runtime_error(
            (m_plugins[UsePlugin].DisplayName + QStringLiteral(": ") + error).toStdString());
    return true;
}

bool clsLagwerk::SetClock(bool)
{
    return false;
}

bool clsLagwerk::SetOE(bool)
{
    return false;
}

bool clsLagwerk::SetData(quint8, bool)
{
    return false;
}

bool clsLagwerk::Configure()
{
    Lagwerk::frmConfig dialog(QApplication::activeWindow());
    dialog.SetClass(this);
    dialog.exec();
    return false;
}

bool clsLagwerk::Init(const QString &CallingAppTitle, const QString &MyFilename)
{
    m_callingAppTitle = CallingAppTitle;
    m_myFilename = MyFilename;

    LoadPlugins(m_plugins, PluginFilePattern(OwnFolder()));
    m_targets = QList<bool>(m_plugins.size(), false);
    qint32 defaultTarget = NoTarget;
    for (qsizetype i = 1; i < m_plugins.size(); ++i) {
        const PluginSlot &slot = m_plugins[i];
        // Its own copy, and any other delay plug-in, by the name the object reports: numbered
        // display names ("Lagwerk #2") must not slip through and start another host.
        QString name;
        if (slot.Instance->PluginName(&name) && name == PluginName())
            continue;
        defaultTarget = qMin(defaultTarget, qint32(i));
        QString error;
        if (!slot.Instance->Init(m_callingAppTitle, slot.FileName, &error))
            HostReportStatus(QStringLiteral("Lagwerk: Plugin '%1': Fehler in Init (%2)")
                                 .arg(slot.DisplayName, error));
        m_targets[i] = true;
    }

    const SettingsStore store(m_callingAppTitle);
    const QString section = SettingsStore::PluginSection(m_myFilename);
    UsePlugin = LenientInt(store.GetSetting(section, UsePluginKey, QString::number(defaultTarget)));
    Size = qBound(MinSize, LenientInt(store.GetSetting(section, SizeKey, QStringLiteral("18"))),
                  MaxSize);
    m_queue.Reset(Size);
    return false;
}

bool clsLagwerk::Term()
{
    SettingsStore store(m_callingAppTitle);
    const QString section = SettingsStore::PluginSection(m_myFilename);
    store.SaveSetting(section, UsePluginKey, QString::number(UsePlugin));
    store.SaveSetting(section, SizeKey, QString::number(Size));
    // The plug-ins it started are stopped too, so they release their devices.
    for (qsizetype i = 1; i < m_plugins.size(); ++i) {
        QString error;
        if (m_targets[i] && !m_plugins[i].Instance->Term(&error))
            HostReportStatus(QStringLiteral("Lagwerk: Plugin '%1': Fehler in Term (%2)")
                                 .arg(m_plugins[i].DisplayName, error));
    }
    return false;
}

bool clsLagwerk::IsTarget(int slot) const
{
    return slot >= 1 && slot < m_targets.size() && m_targets[slot];
}

void clsLagwerk::ConfigureLoadedPlugin(int slot)
{
    QString error;
    if (IsTarget(slot) && !m_plugins[slot].Instance->Configure(&error))
        HostReportStatus(QStringLiteral("Lagwerk: Plugin '%1': Fehler in Configure (%2)")
                             .arg(m_plugins[slot].DisplayName, error));
}
