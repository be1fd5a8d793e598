#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The transition list; the index is the transition type that entries refer to.
enum TransitionKind : quint8 {
    TransitionNone = 0,
    TransitionWipeLeftToRight = 1,
    TransitionWipeRightToLeft = 2,
    TransitionShutterClose = 3,
    TransitionShutterOpen = 4,
    TransitionSinglePixels = 5,
    TransitionRandom = 6,
};

// The captions of the transition list in type order, as the transition combo box shows them.
const QStringList &TransitionCaptions();

// Blends from LastFrame into the frame now in CurrentFrame, delivering each step through
// OutputFrame with its own minimum display time. Blocks for at most ~300 ms. On return
// CurrentFrame holds the target picture again.
void RunTransition(quint8 Type);
