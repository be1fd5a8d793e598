#include "gui/LedSimulation.h"

#include "config/ConfigRecord.h"
#include "display/modQuarnoleds.h"
#include "gui/OleColors.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// 15 twips are one pixel at 96 dpi.
constexpr double CellPx = 200.0 / 15.0;
constexpr double PitchPx = 240.0 / 15.0;
constexpr double MarginPx = 4.0;
constexpr double GridWidthPx = (LedFrame::Columns - 1) * PitchPx + CellPx;
constexpr double GridHeightPx = (LedFrame::Rows - 1) * PitchPx + CellPx;

} // namespace

LedSimulation::LedSimulation(QWidget *parent)
    : QWidget(parent)
    , m_onColor(ToQColor(Config.LedOnColor))
    , m_offColor(ToQColor(Config.LedOffColor))
{
    setObjectName(QStringLiteral("picLEDs"));
    // The widget paints its whole area itself (the parent's look beneath it is kept in a
    // pixmap), so a new frame repaints only this widget, not the window and frame behind it.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
}

bool LedSimulation::IsShowing() const
{
    return !window()->isMinimized();
}

void LedSimulation::ShowFrame(const LedFrame &frame)
{
    // Colours are taken at delivery, as the settings dialog may have changed them.
    m_onColor = ToQColor(Config.LedOnColor);
    m_offColor = ToQColor(Config.LedOffColor);
    m_frame = frame;
    update(); // painting is coalesced by the event loop, however fast frames arrive
}

QColor LedSimulation::CellColor(int cellIndex) const
{
    const int column = cellIndex / 8 + 1;
    const int row = cellIndex % 8 + 1;
    return m_frame.At(column, row) == LedTrue ? m_onColor : m_offColor;
}

double LedSimulation::Scale() const
{
    const double scale = std::min((width() - 2 * MarginPx) / GridWidthPx,
                                  (height() - 2 * MarginPx) / GridHeightPx);
    return std::max(scale, 0.1);
}

QPointF LedSimulation::Origin() const
{
    const double s = Scale();
    return {(width() - GridWidthPx * s) / 2, (height() - GridHeightPx * s) / 2};
}

QRectF LedSimulation::CellRect(int cellIndex) const
{
    const double s = Scale();
    const QPointF origin = Origin();
    const int column = cellIndex / 8 + 1;
    const int row = cellIndex % 8 + 1;
    return {origin.x() + (column - 1) * PitchPx * s, origin.y() + (row - 1) * PitchPx * s,
            CellPx * s, CellPx * s};
}

int LedSimulation::CellAt(const QPointF &point) const
{
    const double s = Scale();
    const QPointF p = (point - Origin()) / (PitchPx * s);
    const int column = int(std::floor(p.x())) + 1;
    const int row = int(std::floor(p.y())) + 1;
    if (column < 1 || column > LedFrame::Columns || row < 1 || row > LedFrame::Rows)
        return -1;
    const int cell = CellIndex(column, row);
    return CellRect(cell).contains(point) ? cell : -1;
}

QSize LedSimulation::sizeHint() const
{
    return QSize(int(std::ceil(GridWidthPx * 1.5 + 2 * MarginPx)),
                 int(std::ceil(GridHeightPx * 1.5 + 2 * MarginPx)));
}

QSize LedSimulation::minimumSizeHint() const
{
    return QSize(int(std::ceil(GridWidthPx + 2 * MarginPx)),
                 int(std::ceil(GridHeightPx + 2 * MarginPx)));
}

void LedSimulation::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        UpdateBackground();
    painter.drawPixmap(0, 0, m_background);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor frameColor = palette().color(QPalette::Dark);
    for (int cell = 0; cell < LedFrame::Columns * LedFrame::Rows; ++cell) {
        const QRectF rect = CellRect(cell);
        painter.setPen(QPen(frameColor, 1));
        painter.setBrush(CellColor(cell));
        painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void LedSimulation::resizeEvent(QResizeEvent *)
{
    m_background = QPixmap(); // taken again at the next paint, when the parent is laid out
}

void LedSimulation::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        m_background = QPixmap();
    QWidget::changeEvent(event);
}

void LedSimulation::UpdateBackground()
{
    if (size().isEmpty())
        return;
    m_background = QPixmap(size() * devicePixelRatio());
    m_background.setDevicePixelRatio(devicePixelRatio());
    m_background.fill(palette().color(QPalette::Window));
    if (QWidget *parent = parentWidget())
        parent->render(&m_background, {}, QRegion(geometry()), QWidget::DrawWindowBackground);
}

void LedSimulation::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = CellAt(event->position());
    if (cell >= 0)
        ToggleCell(cell);
}
