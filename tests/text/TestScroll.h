#pragma once

#include <QObject>

// ScrollText: the runs, the frames it delivers and how it ends.
class TestScroll : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void runs_data();
    void runs();
    void horizontalFramesFollowTheText_data();
    void horizontalFramesFollowTheText();
    void halloWeltMidScroll();
    void verticalRunsMoveShortText_data();
    void verticalRunsMoveShortText();
    void stillTextIsHeld();
    void emptyTextGivesOneDarkFrame();
    void longTextDrawsOnlyTheWindow();
    void abortEndsTheScroll();
    void abortBeforeTheStartIsIgnored();
};
