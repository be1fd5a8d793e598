#include "net/modAnsiAscii.h"

#include <array>

namespace {

struct Replacement
{
    unsigned char from;
    unsigned char to;
};

constexpr std::array<Replacement, 7> Replacements = { {
    { 246, 214 }, // Ö
    { 228, 196 }, // Ä
    { 252, 220 }, // Ü
    { 225, 228 }, // ä
    { 239, 246 }, // ö
    { 245, 252 }, // ü
    { 226, 223 }, // ß
} };

} // namespace

QByteArray ServerTextToAnsi(QByteArray reply)
{
    for (const Replacement &step : Replacements)
        reply.replace(char(step.from), char(step.to));
    return reply;
}
