#include "gui/OleColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The classic system colour indices, mapped onto the palette roles that play the same part.
QColor SystemColor(quint32 index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 13: // selection
        return palette.color(QPalette::Highlight);
    case 14: // selected text
        return palette.color(QPalette::HighlightedText);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::PlaceholderText);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    default: // 15, the button face, and everything without a closer match
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor ToQColor(OleColor color)
{
    if (color & SystemColorFlag)
        return SystemColor(color & 0xFF);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
