#include "log/DebugLog.h"

#include <cstdio>

bool DebugMode = false;

namespace {
DebugLogSink *debugSink = nullptr;
StatusSink *statusSink = nullptr;
} // namespace

void SetDebugLogSink(DebugLogSink *sink)
{
    debugSink = sink;
}

void DebugLog(const QString &Line)
{
    if (!DebugMode)
        return;
    // One line each, so the log can be followed in a terminal or the journal.
    std::fprintf(stderr, "%s\n", Line.toLocal8Bit().constData());
    std::fflush(stderr);
    if (debugSink)
        debugSink->AppendLine(Line);
}

void SetStatusSink(StatusSink *sink)
{
    statusSink = sink;
}

void ReportStatus(const QString &text)
{
    DebugLog(text);
    if (statusSink)
        statusSink->ShowStatus(text);
}
