#pragma once

#include "display/LedFrame.h"

#include <QByteArrayList>
#include <QObject>
#include <QObjectList>
#include <QStringList>

// A plug-in for tests: records every call it gets and every frame it is given. Its contract
// members are spelt in mixed case and Init takes its file name by non-const reference, so the
// host's case-insensitive lookup and the by-reference form are exercised through the real
// loader. Every object reports the name "Rekorder".
class Recorder : public QObject
{
    Q_OBJECT

public:
    explicit Recorder(const QString &className);
    ~Recorder() override;

    Q_INVOKABLE QString pluginname() const;
    Q_INVOKABLE bool INIT(const QString &CallingAppTitle, QString &MyFilename);
    Q_INVOKABLE bool term();
    Q_INVOKABLE bool Configure();
    Q_INVOKABLE bool outputToDevice(const LedFrame &OutputData);
    Q_INVOKABLE bool SetData(quint8 DataBit, bool Enable);
    Q_INVOKABLE bool SetClock(bool Enable);

    // What tests read back.
    Q_INVOKABLE QString ClassName() const { return m_className; }
    // Calls in order: "Init <title>|<file>", "Term Active=<value of the own Active key>",
    // "Configure", "SetData <bit> <0|1>", "SetClock <0|1>"; frames are kept apart.
    Q_INVOKABLE QStringList Calls() const { return m_calls; }
    // Every frame given, as its 342 bytes.
    Q_INVOKABLE QByteArrayList Frames() const { return m_frames; }
    // Every live recorder object of this library, whichever host created it.
    Q_INVOKABLE QObjectList Siblings() const;

private:
    QString m_className;
    QString m_title;
    QString m_fileName;
    QStringList m_calls;
    QByteArrayList m_frames;
};
