#pragma once

#include "config/ConfigRecord.h"
#include "display/FrameSinks.h"
#include "display/modQuarnoleds.h"
#include "log/DebugLog.h"
#include "log/UserMessages.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

// Test stand-ins for the simulation, the plug-ins, the status bar, the debug log and the
// message boxes: they record what the engine hands them. Each installs itself while it lives.

class RecordingSimulation : public SimulationSink
{
public:
    RecordingSimulation() { SetSimulationSink(this); }
    ~RecordingSimulation() override { SetSimulationSink(nullptr); }

    bool IsShowing() const override { return Showing; }
    void ShowFrame(const LedFrame &frame) override
    {
        Frames.push_back(frame);
        if (OnFrame)
            OnFrame(frame);
    }

    bool Showing = true; // false: the window is minimized
    std::vector<LedFrame> Frames;
    std::function<void(const LedFrame &)> OnFrame;
};

struct PluginDelivery
{
    int Slot;
    LedFrame Frame;
};

class RecordingPlugins : public PluginSink
{
public:
    explicit RecordingPlugins(int upperSlot)
        : Upper(upperSlot)
    {
        SetPluginSink(this);
    }
    ~RecordingPlugins() override { SetPluginSink(nullptr); }

    int UpperSlot() const override { return Upper; }
    void OutputToDevice(int slot, const LedFrame &frame) override
    {
        Deliveries.push_back({slot, frame});
    }

    int Upper;
    std::vector<PluginDelivery> Deliveries;
};

class RecordingStatus : public StatusSink
{
public:
    RecordingStatus() { SetStatusSink(this); }
    ~RecordingStatus() override { SetStatusSink(nullptr); }
    void ShowStatus(const QString &text) override { Lines.append(text); }
    QStringList Lines;
};

// Collects the debug log, with debug output switched on while it lives.
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
    void AppendLine(const QString &line) override { Lines.append(line); }
    QStringList Lines;
};

// Collects the message boxes the user would have seen, instead of showing them.
class RecordingMessages : public MessagePresenter
{
public:
    RecordingMessages() { SetMessagePresenter(this); }
    ~RecordingMessages() override { SetMessagePresenter(nullptr); }
    void ShowMessage(MessageIcon icon, const QString &text, const QString &caption) override
    {
        Icons.append(icon);
        Texts.append(text);
        Captions.append(caption);
    }
    void Clear()
    {
        Icons.clear();
        Texts.clear();
        Captions.clear();
    }
    QList<MessageIcon> Icons;
    QStringList Texts;
    QStringList Captions;
};

// The default configuration with the simulation (slot 0) switched on and no plug-in, so every
// frame that is output reaches a RecordingSimulation.
inline void SetDefaultConfigWithSimulation()
{
    SetDefaultConfig();
    Config.PluginActive[0] = true;
}

// A frame as eight rows of "X" (lit) and "." (dark), columns 1..18, so a failed comparison
// shows the picture.
inline QStringList FrameRows(const LedFrame &frame)
{
    QStringList rows;
    for (int row = 1; row <= LedFrame::Rows; ++row) {
        QString line;
        for (int column = 1; column <= LedFrame::Columns; ++column)
            line += frame.IsLit(column, row) ? u'X' : u'.';
        rows << line;
    }
    return rows;
}

// A frame with exactly one pixel lit, so recorded frames tell where they came from.
inline LedFrame OnePixel(int column, int row)
{
    LedFrame frame;
    frame.Set(column, row, true);
    return frame;
}

// A frame with the given pixels (column, row) lit.
inline LedFrame FrameWith(std::initializer_list<std::pair<int, int>> pixels)
{
    LedFrame frame;
    for (const auto &[column, row] : pixels)
        frame.Set(column, row, true);
    return frame;
}

// A frame with the given columns fully lit.
inline LedFrame FrameWithColumns(std::initializer_list<int> columns)
{
    LedFrame frame;
    for (int column : columns)
        for (int row = 1; row <= LedFrame::Rows; ++row)
            frame.Set(column, row, true);
    return frame;
}

inline LedFrame FullFrame()
{
    LedFrame frame;
    for (int column = 1; column <= LedFrame::Columns; ++column)
        for (int row = 1; row <= LedFrame::Rows; ++row)
            frame.Set(column, row, true);
    return frame;
}
