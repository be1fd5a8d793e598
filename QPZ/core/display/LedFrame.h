#pragma once

#include <QtGlobal>

#include <array>
#include <cstring>

// A 16-bit Boolean as stored in frames, records and files: True is -1 (all bits set).
using LedBool = qint16;
constexpr LedBool LedTrue = -1;
constexpr LedBool LedFalse = 0;

// One picture of the 18 x 8 display. Column 0 and row 0 exist but are never drawn; the visible
// picture is columns 1..18 (left to right) and rows 1..8 (top to bottom). Storage is
// column-fastest, element (c, r) being word c + 19 * r, and frames are copied as whole blocks.
// Plug-ins receive a reference to exactly this layout.
struct LedFrame
{
    static constexpr int Columns = 18;
    static constexpr int Rows = 8;
    static constexpr int Stride = Columns + 1;

    std::array<LedBool, (Columns + 1) * (Rows + 1)> Pixel {};

    LedBool &At(int column, int row) { return Pixel[size_t(column + Stride * row)]; }
    LedBool At(int column, int row) const { return Pixel[size_t(column + Stride * row)]; }
    bool IsLit(int column, int row) const { return At(column, row) == LedTrue; }
    void Set(int column, int row, bool lit) { At(column, row) = lit ? LedTrue : LedFalse; }

    void Clear() { std::memset(Pixel.data(), 0, sizeof Pixel); }
    bool operator==(const LedFrame &other) const = default;
};

static_assert(sizeof(LedFrame) == 342, "a frame is 19 x 9 16-bit Booleans, 342 bytes");
static_assert(std::is_trivially_copyable_v<LedFrame>, "frames are copied as blocks");
