#pragma once

#include <QString>

// The debug log: English progress lines, written only when the player was started with
// "-debug". They go to the debug window (when one is attached) and to standard error.

extern bool DebugMode;

class DebugLogSink
{
public:
    virtual ~DebugLogSink() = default;
    virtual void AppendLine(const QString &line) = 0;
};

// The window that shows the lines; null once it has been closed.
void SetDebugLogSink(DebugLogSink *sink);

void DebugLog(const QString &Line);

// A passing piece of news for the user that must not stop an unattended show (a movie that
// could not be read, a failing plug-in): shown in the main window's status bar and logged.
class StatusSink
{
public:
    virtual ~StatusSink() = default;
    virtual void ShowStatus(const QString &text) = 0;
};

void SetStatusSink(StatusSink *sink);
void ReportStatus(const QString &text);
