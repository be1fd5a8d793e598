#pragma once

#include "FrameDelay.h"

#include "api/PluginHost.h"
#include "display/LedFrame.h"

#include <QList>
#include <QObject>
#include <QString>

// The delay output: a plug-in host of its own over the plug-ins of its folder. Every frame it
// receives reaches one chosen plug-in (the target) Size frames later.
class clsLagwerk : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint32 UsePlugin MEMBER UsePlugin)
    Q_PROPERTY(qint32 Size MEMBER Size)

public:
    // UsePlugin's value for "no target".
    static constexpr qint32 NoTarget = 9999;
    // Bounds of the delay. The upper one keeps a mistyped delay from claiming gigabytes; it is
    // about ten minutes at 50 frames per second.
    static constexpr qint32 MinSize = 1;
    static constexpr qint32 MaxSize = 30000;

    explicit clsLagwerk(QObject *parent = nullptr);
    ~clsLagwerk() override;

    qint32 UsePlugin = NoTarget;
    qint32 Size = 18;

    Q_INVOKABLE bool SetStrobe(bool Enable);
    Q_INVOKABLE QString PluginName() const;
    Q_INVOKABLE bool OutputToDevice(const LedFrame &OutputData);
    Q_INVOKABLE bool SetClock(bool Enable);
    Q_INVOKABLE bool SetOE(bool Enable);
    Q_INVOKABLE bool SetData(quint8 DataBit, bool Enable);
    Q_INVOKABLE bool Configure();
    Q_INVOKABLE bool Init(const QString &CallingAppTitle, const QString &MyFilename);
    Q_INVOKABLE bool Term();

    // Its own plug-in list, loaded by Init; slot 0 stays empty.
    const PluginSlots &LoadedPlugins() const { return m_plugins; }
    // Whether the slot can receive the delayed frames: a loaded plug-in other than a delay
    // plug-in (those are never started, so a delay plug-in cannot load itself again and again).
    bool IsTarget(int slot) const;
    // Opens the settings dialog of a loaded plug-in.
    void ConfigureLoadedPlugin(int slot);

private:
    QString m_callingAppTitle;
    QString m_myFilename;
    PluginSlots m_plugins;
    QList<bool> m_targets;
    FrameDelay m_queue;
};
