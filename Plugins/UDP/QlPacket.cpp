#include "QlPacket.h"

void BuildQlPacket(const LedFrame &frame, QlPacket &packet)
{
    static constexpr std::array<unsigned char, QlHeaderSize> header
        = { 0xDE, 0xAD,          0xBE, 0xEF, 0x00, 0x00, 0x00, 0x00, 0x00, LedFrame::Columns,
            0x00, LedFrame::Rows };
    std::copy(header.begin(), header.end(), packet.begin());
    char *cell = packet.data() + QlHeaderSize;
    for (int row = 1; row <= LedFrame::Rows; ++row)
        for (int column = 1; column <= LedFrame::Columns; ++column)
            *cell++ = frame.At(column, row) != LedFalse ? 1 : 0;
}
