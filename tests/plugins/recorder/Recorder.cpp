#include "Recorder.h"

#include "api/SettingsStore.h"

namespace {
QObjectList &LiveRecorders()
{
    static QObjectList recorders;
    return recorders;
}
} // namespace

Recorder::Recorder(const QString &className) : m_className(className)
{
    LiveRecorders().append(this);
}

Recorder::~Recorder()
{
    LiveRecorders().removeOne(this);
}

QString Recorder::pluginname() const
{
    return QStringLiteral("Rekorder");
}

bool Recorder::INIT(const QString &CallingAppTitle, QString &MyFilename)
{
    m_title = CallingAppTitle;
    m_fileName = MyFilename;
    m_calls.append(QStringLiteral("Init %1|%2").arg(CallingAppTitle, MyFilename));
    return false;
}

bool Recorder::term()
{
    const QString active = SettingsStore(m_title).GetSetting(
        SettingsStore::PluginSection(m_fileName), QStringLiteral("Active"), QStringLiteral("none"));
    m_calls.append(QStringLiteral("Term Active=") + active);
    return false;
}

bool Recorder::Configure()
{
    m_calls.append(QStringLiteral("Configure"));
    return false;
}

bool Recorder::outputToDevice(const LedFrame &OutputData)
{
    m_frames.append(
        QByteArray(reinterpret_cast<const char *>(OutputData.Pixel.data()), sizeof OutputData));
    return true;
}

bool Recorder::SetData(quint8 DataBit, bool Enable)
{
    m_calls.append(QStringLiteral("SetData %1 %2").arg(DataBit).arg(int(Enable)));
    return false;
}

bool Recorder::SetClock(bool Enable)
{
    m_calls.append(QStringLiteral("SetClock %1").arg(int(Enable)));
    return false;
}

QObjectList Recorder::Siblings() const
{
    return LiveRecorders();
}
