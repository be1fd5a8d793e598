#include "generators/modClock.h"

#include "display/modQuarnoleds.h"

#include <array>

namespace {

std::function<QTime()> timeSource;

// The digits of the digital clock, one string per row, "X" lit. The 6 has no top bar and the
// 9 no bottom bar.
constexpr std::array<std::array<const char *, 7>, 10> DigitGlyphs = { {
    { "XXX", "X.X", "X.X", "X.X", "X.X", "X.X", "XXX" },
    { "..X", "..X", "..X", "..X", "..X", "..X", "..X" },
    { "XXX", "..X", "..X", "XXX", "X..", "X..", "XXX" },
    { "XXX", "..X", "..X", "XXX", "..X", "..X", "XXX" },
    { "X.X", "X.X", "X.X", "XXX", "..X", "..X", "..X" },
    { "XXX", "X..", "X..", "XXX", "..X", "..X", "XXX" },
    { "X..", "X..", "X..", "XXX", "X.X", "X.X", "XXX" },
    { "XXX", "..X", "..X", "..X", "..X", "..X", "..X" },
    { "XXX", "X.X", "X.X", "XXX", "X.X", "X.X", "XXX" },
    { "XXX", "X.X", "X.X", "XXX", "..X", "..X", "..X" },
} };

// Left columns of the digital clock's digits: hour tens, hour units, minute tens and units.
constexpr std::array<int, 4> DigitalColumns = { 1, 5, 12, 16 };
// Left columns of the binary clock's digits, hour tens to second units.
constexpr std::array<int, 6> BinaryColumns = { 2, 5, 8, 11, 14, 17 };

void Light(int column, int row)
{
    if (column >= 1 && column <= LedFrame::Columns && row >= 1 && row <= LedFrame::Rows)
        CurrentFrame.At(column, row) = LedTrue;
}

QTime Now()
{
    return timeSource ? timeSource() : QTime::currentTime();
}

void ShowDigitalClock(const QTime &time)
{
    const std::array<int, 4> digits
        = { time.hour() / 10, time.hour() % 10, time.minute() / 10, time.minute() % 10 };
    for (size_t i = 0; i < digits.size(); ++i)
        DigitalDigit(digits[i], DigitalColumns[i]);
    if (time.second() % 2 == 1) {
        for (const int row : { 2, 3, 5, 6 }) {
            Light(9, row);
            Light(10, row);
        }
    }
}

void ShowBinaryClock(const QTime &time)
{
    const std::array<int, 6> digits
        = { time.hour() / 10,   time.hour() % 10,   time.minute() / 10,
            time.minute() % 10, time.second() / 10, time.second() % 10 };
    for (size_t i = 0; i < digits.size(); ++i)
        BinaryDigit(digits[i], BinaryColumns[i]);
}

} // namespace

void SetClockTimeSource(std::function<QTime()> source)
{
    timeSource = std::move(source);
}

void ShowClock(quint8 ClockType)
{
    const QTime time = Now();
    if (ClockType == 1)
        ShowDigitalClock(time);
    else if (ClockType == 2)
        ShowBinaryClock(time);
}

void DigitalDigit(int Digit, int Column)
{
    if (Digit < 0 || Digit > 9)
        return;
    for (int row = 0; row < 7; ++row) {
        for (int x = 0; x < 3; ++x) {
            if (DigitGlyphs[size_t(Digit)][size_t(row)][x] == 'X')
                Light(Column + x, row + 1);
        }
    }
}

void BinaryDigit(int Digit, int Column)
{
    int rest = Digit;
    // Bit value 2^i lights rows 7 - 2i and 8 - 2i, so the least significant bit is at the bottom.
    for (int bit = 3; bit >= 0; --bit) {
        const int value = 1 << bit;
        if (rest < value)
            continue;
        rest -= value;
        for (const int row : { 7 - 2 * bit, 8 - 2 * bit }) {
            Light(Column, row);
            Light(Column + 1, row);
        }
    }
}
