#pragma once

#include <QString>
#include <QtGlobal>

// The scroll text: a line of text moved across the display one pixel per step, drawn in the
// current font of the surface picText and sampled into CurrentFrame.

// The positions one scroll passes through: pos runs from Start to End in steps of Step (+1 or
// -1). Horizontal runs draw the text at (-pos, 0), vertical ones at (0, -pos).
struct ScrollRun
{
    int Start = 0;
    int End = 0;
    int Step = 1;
    bool Vertical = false;

    // A horizontal text that fits the display is shown once, standing still.
    bool Still() const { return Start == 0 && End == 0; }
    int Frames() const { return (End - Start) * Step + 1; }
};

// The run for a direction word ("R->L", "L->R", "O->U", "U->O"; anything else is "R->L")
// and a text of TextWidth x TextHeight pixels.
ScrollRun PlanScroll(const QString &Direction, int TextWidth, int TextHeight);

// How long a still text stays on the display after its frame, in milliseconds (0: no hold).
int ScrollHoldMs(qint16 Speed, int TextWidth);

// Scrolls Text once and returns when it has passed or AbortItem is set. One step takes
// 200 - Speed milliseconds counted from its start; each step delivers one frame through
// OutputFrame(false, false). Clears AbortItem when it starts.
void ScrollText(const QString &Text, qint16 Speed, const QString &Direction = QString());
