#include "text/TextSurface.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Characters per measured piece. Small pieces keep each step's drawing short; pieces end only
// between whole characters, so surrogate pairs and combining marks stay together.
constexpr qsizetype PieceLength = 16;
// The surface is drawn at 96 dpi whatever the screen, so 6 pt are always 8 pixels.
constexpr int DotsPerMeter = 3780;
const QRgb Ink = qRgb(0, 0, 0);
const QRgb Paper = qRgb(255, 255, 255);

qsizetype PieceEnd(const QString &text, qsizetype start)
{
    qsizetype end = std::min(start + PieceLength, text.size());
    while (end < text.size() && (text.at(end).isLowSurrogate() || text.at(end).isMark()))
        ++end;
    return end;
}

} // namespace

TextSurface::TextSurface()
    : m_image(Width, Height, QImage::Format_RGB32), m_font(QStringLiteral("Arial"))
{
    m_image.setDotsPerMeterX(DotsPerMeter);
    m_image.setDotsPerMeterY(DotsPerMeter);
    m_image.fill(Paper);
    m_font.setPointSizeF(6);
    m_font.setStyleStrategy(QFont::NoAntialias);
}

void TextSurface::SetFont(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    m_font = font;
}

namespace {
TextSurface *surfaceInstance = nullptr;
}

TextSurface &picText()
{
    // Fonts must be released while the application object still exists.
    if (!surfaceInstance) {
        surfaceInstance = new TextSurface;
        qAddPostRoutine([] {
            delete surfaceInstance;
            surfaceInstance = nullptr;
        });
    }
    return *surfaceInstance;
}

ScrollRenderer::ScrollRenderer(TextSurface &surface, const QString &text)
    : m_surface(surface), m_font(surface.Font()), m_metrics(m_font, &surface.Image())
{
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = PieceEnd(text, start);
        Piece piece { m_textWidth, 0, text.mid(start, end - start) };
        piece.Width = m_metrics.horizontalAdvance(piece.Text);
        m_textWidth += piece.Width;
        m_pieces.push_back(std::move(piece));
        start = end;
    }
    // Glyphs may reach beyond their advance (italics, overhanging letters): a piece is drawn
    // while it is this close to the surface.
    m_margin = m_metrics.height() + m_metrics.maxWidth();

    m_surface.Image().fill(Paper);
    m_background = m_surface.Image().pixel(0, 0);
    m_top = FindTop();
}

void ScrollRenderer::Draw(int x, int y, const QString &prefix)
{
    QImage &image = m_surface.Image();
    QPainter painter(&image);
    painter.fillRect(image.rect(), Paper);
    painter.setFont(m_font);
    painter.setPen(Ink);
    const int baseline = m_metrics.ascent() - y;
    int left = -x;
    if (!prefix.isEmpty()) {
        painter.drawText(left, baseline, prefix);
        left += m_metrics.horizontalAdvance(prefix);
    }
    // The first piece that ends within the margin of the surface's left edge.
    auto piece = std::partition_point(m_pieces.begin(), m_pieces.end(), [&](const Piece &p) {
        return left + p.X + p.Width + m_margin <= 0;
    });
    for (; piece != m_pieces.end() && left + piece->X - m_margin < TextSurface::Width; ++piece)
        painter.drawText(left + piece->X, baseline, piece->Text);
}

int ScrollRenderer::FindTop()
{
    Draw(0, 0, QStringLiteral("ÜX"));
    const QImage &image = m_surface.Image();
    for (int y = 0; y <= 11; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x <= 17; ++x) {
            if (line[x] != m_background)
                return y - 1;
        }
    }
    return 0;
}

void ScrollRenderer::RenderStep(int x, int y, LedFrame &frame)
{
    Draw(x, y);
    const QImage &image = m_surface.Image();
    for (int row = 1; row <= LedFrame::Rows; ++row) {
        const int surfaceRow = m_top + row;
        if (surfaceRow < 0 || surfaceRow >= TextSurface::Height)
            continue;
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(surfaceRow));
        for (int column = 1; column <= LedFrame::Columns; ++column) {
            if (line[column - 1] != m_background)
                frame.At(column, row) = LedTrue;
        }
    }
}
