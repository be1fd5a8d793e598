#pragma once

#include "display/LedFrame.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

#include <vector>

// The hidden drawing surface of the scroll text: 22 x 15 pixels, white background and black
// ink, with its own current font. The font set for one scroll entry stays until the next.
class TextSurface
{
public:
    static constexpr int Width = 22;
    static constexpr int Height = 15;

    TextSurface();

    const QFont &Font() const { return m_font; }
    // Text is drawn without smoothing, so every pixel is plainly on or off on the LEDs.
    void SetFont(QFont font);

    QImage &Image() { return m_image; }

private:
    QImage m_image;
    QFont m_font;
};

// The one surface of the program (created on first use; needs the GUI application object).
TextSurface &picText();

// Draws one text on a surface for scrolling. The text is measured once, in pieces; every step
// then draws only the pieces that reach into the surface, so a step costs the same at the
// start and at the end of a long text, and the surface never grows.
class ScrollRenderer
{
public:
    ScrollRenderer(TextSurface &surface, const QString &text);

    int TextWidth() const { return m_textWidth; }
    int TextHeight() const { return m_metrics.height(); }
    // The surface row above display row 1, found from where "ÜX" starts to be lit.
    int Top() const { return m_top; }

    // Clears the surface, draws the text with its top-left corner at (-x, -y) and switches on
    // pixel (c, r) of frame for every lit surface pixel (c - 1, Top + r). Surface pixels
    // outside the surface count as dark.
    void RenderStep(int x, int y, LedFrame &frame);

private:
    struct Piece
    {
        int X;
        int Width;
        QString Text;
    };

    void Draw(int x, int y, const QString &prefix = QString());
    int FindTop();

    TextSurface &m_surface;
    QFont m_font;
    QFontMetrics m_metrics;
    std::vector<Piece> m_pieces;
    int m_textWidth = 0;
    int m_margin = 0;
    QRgb m_background = 0;
    int m_top = 0;
};
