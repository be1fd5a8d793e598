#pragma once

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"

#include <QStringList>

#include <vector>

// Takes the place of the on-screen simulation and keeps every frame delivered to it.
class FrameRecorder : public SimulationSink
{
public:
    FrameRecorder()
    {
        SetDefaultConfig();
        Config.PluginActive[0] = true;
        SetSimulationSink(this);
    }
    ~FrameRecorder() override { SetSimulationSink(nullptr); }

    bool IsShowing() const override { return true; }
    void ShowFrame(const LedFrame &frame) override { Frames.push_back(frame); }

    std::vector<LedFrame> Frames;
};

// A frame as eight rows of "X" (lit) and "." (dark), columns 1..18.
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
