#pragma once

#include "display/FrameSinks.h"
#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QStringList>

#include <functional>
#include <vector>

// Test stand-ins for the simulation, the status bar and the message boxes: they record what
// the engine hands them.

class RecordingSimulation : public SimulationSink
{
public:
    RecordingSimulation() { SetSimulationSink(this); }
    ~RecordingSimulation() override { SetSimulationSink(nullptr); }

    bool IsShowing() const override { return true; }
    void ShowFrame(const LedFrame &frame) override
    {
        Frames.push_back(frame);
        if (OnFrame)
            OnFrame(frame);
    }

    std::vector<LedFrame> Frames;
    std::function<void(const LedFrame &)> OnFrame;
};

class RecordingStatus : public StatusSink
{
public:
    RecordingStatus() { SetStatusSink(this); }
    ~RecordingStatus() override { SetStatusSink(nullptr); }
    void ShowStatus(const QString &text) override { Lines.append(text); }
    QStringList Lines;
};

class RecordingMessages : public MessagePresenter
{
public:
    RecordingMessages() { SetMessagePresenter(this); }
    ~RecordingMessages() override { SetMessagePresenter(nullptr); }
    void ShowMessage(MessageIcon, const QString &text, const QString &) override
    {
        Texts.append(text);
    }
    QStringList Texts;
};

// A frame with exactly one pixel lit, so recorded frames tell which movie they came from.
inline LedFrame OnePixel(int column, int row)
{
    LedFrame frame;
    frame.Set(column, row, true);
    return frame;
}
