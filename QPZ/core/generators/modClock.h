#pragma once

#include <QTime>
#include <QtGlobal>

#include <functional>

// The two clock faces: ClockType 1 is the digital clock (hours and minutes in 3 x 7 digits
// with a colon that is lit at odd seconds), 2 the binary clock (hours, minutes and seconds as
// six decimal digits of four stacked bits each). Any other type draws nothing.

// Where the clocks take the time from; the local time unless a test sets another source.
// An empty function restores the local time.
void SetClockTimeSource(std::function<QTime()> source);

// Switches on the pixels of the current time's face in CurrentFrame. Reads the time once,
// neither delivers the frame nor waits.
void ShowClock(quint8 ClockType);

// One 3 x 7 digit with its left column at Column (rows 1..7). Digits outside 0..9 and pixels
// outside the display are not drawn.
void DigitalDigit(int Digit, int Column);

// One binary digit in the columns Column and Column + 1: bit 8 lights rows 1-2, bit 4 rows
// 3-4, bit 2 rows 5-6 and bit 1 rows 7-8.
void BinaryDigit(int Digit, int Column);
