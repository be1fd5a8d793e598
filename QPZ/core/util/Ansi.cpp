#include "Ansi.h"

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused bytes map to
// themselves so that every byte survives a round trip.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ToAnsi(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return char(unicode);
    for (size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == unicode)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString AnsiToUnicode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(HighControlRange[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray UnicodeToAnsi(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text)
        *out++ = ToAnsi(c.unicode());
    return bytes;
}
