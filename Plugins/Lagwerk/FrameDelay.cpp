#include "FrameDelay.h"

void FrameDelay::Reset(int size)
{
    m_frames.assign(size_t(size), LedFrame {});
    m_oldest = 0;
}

void FrameDelay::Push(const LedFrame &frame)
{
    LedFrame &newest = m_frames[m_oldest];
    newest.Clear();
    for (int row = 1; row <= LedFrame::Rows; ++row)
        for (int column = 1; column <= LedFrame::Columns; ++column)
            if (frame.At(column, row) != LedFalse)
                newest.At(column, row) = LedTrue;
    m_oldest = (m_oldest + 1) % m_frames.size();
}
