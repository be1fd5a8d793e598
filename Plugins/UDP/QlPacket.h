#pragma once

#include "display/LedFrame.h"

#include <array>

// The QL packet: one frame as a 156-byte UDP datagram. Magic DE AD BE EF, four zero bytes, the
// width 18 and the height 8 as 16-bit big-endian numbers, then one byte per cell (1 lit,
// 0 dark), row 1 first and within a row column 1 first.
inline constexpr int QlPacketSize = 156;
inline constexpr int QlHeaderSize = 12;
using QlPacket = std::array<char, QlPacketSize>;

void BuildQlPacket(const LedFrame &frame, QlPacket &packet);
