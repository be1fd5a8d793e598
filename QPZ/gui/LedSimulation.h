#pragma once

#include "display/FrameSinks.h"

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// The on-screen simulation of the 144 LEDs: one widget that paints every cell itself. Cells
// keep their classic geometry (200 twips square at a 240 twip pitch) as the smallest size and
// scale up evenly with the widget. A click toggles the LED under the pointer.
class LedSimulation : public QWidget, public SimulationSink
{
    Q_OBJECT

public:
    explicit LedSimulation(QWidget *parent = nullptr);

    // SimulationSink
    bool IsShowing() const override;
    void ShowFrame(const LedFrame &frame) override;

    // The colour cell 0..143 shows now.
    QColor CellColor(int cellIndex) const;
    // The cell under a point of the widget, or -1 between cells.
    int CellAt(const QPointF &point) const;
    // The rectangle cell 0..143 covers in widget coordinates.
    QRectF CellRect(int cellIndex) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    double Scale() const;
    QPointF Origin() const;
    void UpdateBackground();

    LedFrame m_frame;
    QColor m_onColor;
    QColor m_offColor;
    QPixmap m_background; // what the parent shows beneath the widget
};
