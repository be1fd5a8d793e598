#pragma once

#include "display/FrameSinks.h"
#include "log/UserMessages.h"

#include <QList>
#include <QString>

#include <vector>

// Test doubles for the frame output's receivers and the message boxes.

class RecordingSimulation : public SimulationSink
{
public:
    bool showing = true;
    std::vector<LedFrame> frames;

    bool IsShowing() const override { return showing; }
    void ShowFrame(const LedFrame &frame) override { frames.push_back(frame); }
};

struct PluginDelivery
{
    int slot;
    LedFrame frame;
};

class RecordingPlugins : public PluginSink
{
public:
    explicit RecordingPlugins(int upperSlot = 0)
        : upperSlot(upperSlot)
    {
    }
    int upperSlot;
    std::vector<PluginDelivery> deliveries;

    int UpperSlot() const override { return upperSlot; }
    void OutputToDevice(int slot, const LedFrame &frame) override
    {
        deliveries.push_back({slot, frame});
    }
};

struct ShownMessage
{
    MessageIcon icon;
    QString text;
    QString caption;
};

class RecordingMessages : public MessagePresenter
{
public:
    QList<ShownMessage> shown;
    void ShowMessage(MessageIcon icon, const QString &text, const QString &caption) override
    {
        shown.append({icon, text, caption});
    }
};

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
