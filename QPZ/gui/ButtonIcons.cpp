#include "gui/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const char *ThemeName(ButtonIcon kind)
{
    switch (kind) {
    case ButtonIcon::Play:
        return "media-playback-start";
    case ButtonIcon::Stop:
        return "media-playback-stop";
    case ButtonIcon::NextEntry:
        return "media-skip-forward";
    case ButtonIcon::NextMovie:
        return "media-seek-forward";
    case ButtonIcon::Open:
        return "document-open";
    case ButtonIcon::Save:
        return "document-save";
    case ButtonIcon::Up:
        return "go-up";
    case ButtonIcon::Down:
        return "go-down";
    case ButtonIcon::Delete:
        return "edit-delete";
    case ButtonIcon::Repeat:
        return "media-playlist-repeat";
    case ButtonIcon::Shuffle:
        return "media-playlist-shuffle";
    case ButtonIcon::Add:
        return "list-add";
    case ButtonIcon::Apply:
        return "document-edit";
    case ButtonIcon::Test:
        return "media-playback-start";
    }
    return "";
}

QPainterPath Triangle(double x, double top, double width, double height)
{
    QPainterPath path;
    path.moveTo(x, top);
    path.lineTo(x + width, top + height / 2);
    path.lineTo(x, top + height);
    path.closeSubpath();
    return path;
}

QPainterPath Arrow(bool up)
{
    QPainterPath path;
    const double tip = up ? 2 : 14;
    const double base = 8;
    path.moveTo(8, tip);
    path.lineTo(14, base);
    path.lineTo(10, base);
    path.lineTo(10, up ? 14 : 2);
    path.lineTo(6, up ? 14 : 2);
    path.lineTo(6, base);
    path.lineTo(2, base);
    path.closeSubpath();
    return path;
}

// Draws the picture on a 16 x 16 grid; the painter is scaled to the pixmap's size.
void Draw(QPainter &p, ButtonIcon kind)
{
    const QColor ink(0x3a, 0x3f, 0x44);
    const QColor accent(0x2a, 0x7a, 0x3a);
    const QPen line(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
    case ButtonIcon::Play:
    case ButtonIcon::Test:
        p.fillPath(Triangle(4, 2, 10, 12), kind == ButtonIcon::Play ? accent : ink);
        break;
    case ButtonIcon::Stop:
        p.fillRect(QRectF(3, 3, 10, 10), QColor(0xb0, 0x30, 0x28));
        break;
    case ButtonIcon::NextEntry:
        p.fillPath(Triangle(2, 3, 9, 10), ink);
        p.fillRect(QRectF(11.5, 3, 2.5, 10), ink);
        break;
    case ButtonIcon::NextMovie:
        p.fillPath(Triangle(1, 3, 7, 10), ink);
        p.fillPath(Triangle(8, 3, 7, 10), ink);
        break;
    case ButtonIcon::Open: {
        QPainterPath folder;
        folder.moveTo(1.5, 3.5);
        folder.lineTo(6, 3.5);
        folder.lineTo(7.5, 5);
        folder.lineTo(14.5, 5);
        folder.lineTo(14.5, 13);
        folder.lineTo(1.5, 13);
        folder.closeSubpath();
        p.fillPath(folder, QColor(0xd9, 0xa4, 0x41));
        p.setPen(QPen(ink, 1));
        p.drawPath(folder);
        break;
    }
    case ButtonIcon::Save:
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(0x4a, 0x6f, 0xa5));
        p.drawRoundedRect(QRectF(2, 2, 12, 12), 1.5, 1.5);
        p.fillRect(QRectF(4.5, 2.6, 7, 4), Qt::white);
        p.fillRect(QRectF(4, 9, 8, 4.4), QColor(0xe8, 0xe8, 0xe8));
        break;
    case ButtonIcon::Up:
    case ButtonIcon::Down:
        p.fillPath(Arrow(kind == ButtonIcon::Up), ink);
        break;
    case ButtonIcon::Delete:
        p.setPen(QPen(QColor(0xb0, 0x30, 0x28), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case ButtonIcon::Repeat: {
        p.setPen(line);
        p.drawArc(QRectF(2.5, 3, 11, 10), 100 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(7, 0.8);
        head.lineTo(10.5, 3.2);
        head.lineTo(7, 5.6);
        head.closeSubpath();
        p.fillPath(head, ink);
        break;
    }
    case ButtonIcon::Shuffle: {
        p.setPen(line);
        p.drawLine(QPointF(1.5, 4.5), QPointF(11, 11.5));
        p.drawLine(QPointF(1.5, 11.5), QPointF(11, 4.5));
        for (const double y : { 4.5, 11.5 }) {
            QPainterPath head;
            head.moveTo(15, y);
            head.lineTo(11, y - 3);
            head.lineTo(11, y + 3);
            head.closeSubpath();
            p.fillPath(head, ink);
        }
        break;
    }
    case ButtonIcon::Add:
        p.setPen(QPen(accent, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case ButtonIcon::Apply:
        p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4) }));
        break;
    }
}

QIcon DrawnIcon(ButtonIcon kind)
{
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        Draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon MakeButtonIcon(ButtonIcon kind)
{
    return QIcon::fromTheme(QString::fromLatin1(ThemeName(kind)), DrawnIcon(kind));
}
