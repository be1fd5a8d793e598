#pragma once

#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QStringList>

// Collects the debug log (with debug output on) while a test runs.
class RecordingLog : public DebugLogSink
{
public:
    RecordingLog()
    {
        DebugMode = true;
        SetDebugLogSink(this);
    }
    ~RecordingLog() override
    {
        SetDebugLogSink(nullptr);
        DebugMode = false;
    }
    void AppendLine(const QString &line) override { lines << line; }
    QStringList lines;
};

// Collects the message boxes the user would have seen, instead of showing them.
class RecordingMessages : public MessagePresenter
{
public:
    RecordingMessages() { SetMessagePresenter(this); }
    ~RecordingMessages() override { SetMessagePresenter(nullptr); }
    void ShowMessage(MessageIcon icon, const QString &text, const QString &) override
    {
        icons << icon;
        texts << text;
    }
    QList<MessageIcon> icons;
    QStringList texts;
};
