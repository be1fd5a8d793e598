#pragma once

#include "display/LedFrame.h"

#include <vector>

// A fixed number of frames in arrival order: the frame pushed in call n is the oldest in call
// n + size. A ring, so a push copies one frame whatever the delay.
class FrameDelay
{
public:
    // size all-dark frames.
    void Reset(int size);
    bool IsEmpty() const { return m_frames.empty(); }
    const LedFrame &Oldest() const { return m_frames[m_oldest]; }
    // Replaces the oldest frame with the lit cells (columns 1..18, rows 1..8) of frame.
    void Push(const LedFrame &frame);

private:
    std::vector<LedFrame> m_frames;
    size_t m_oldest = 0;
};
