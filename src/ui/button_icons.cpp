#include "ui/button_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quendral::ui {

namespace {

// Everything is drawn on a 16 x 16 grid and scaled to the pixmap's size.
void draw(QPainter& painter, ButtonPicture picture) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0x1f, 0x5f, 0xbf);
    switch (picture) {
        case ButtonPicture::Calculate: {
            painter.setPen(
                QPen(QColor(0x1f, 0x8f, 0x2f), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
            break;
        }
        case ButtonPicture::Save: {
            painter.setPen(QPen(QColor(0x10, 0x30, 0x70), 1));
            painter.setBrush(blue);
            painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(4, 2, 8, 5));  // the label
            painter.setBrush(QColor(0xc0, 0xc8, 0xd8));
            painter.drawRect(QRectF(4.5, 10, 7, 4.5));  // the shutter
            break;
        }
        case ButtonPicture::Help:
        case ButtonPicture::About: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(blue);
            painter.drawEllipse(QRectF(1, 1, 14, 14));
            painter.setBrush(Qt::white);
            if (picture == ButtonPicture::About) {
                painter.drawEllipse(QRectF(7, 3.5, 2.2, 2.2));
                painter.drawRoundedRect(QRectF(7, 6.8, 2.2, 6), 0.8, 0.8);
            } else {
                painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
                painter.setBrush(Qt::NoBrush);
                QPainterPath hook;
                hook.moveTo(5.4, 6.2);
                hook.cubicTo(5.4, 2.6, 10.8, 2.6, 10.8, 5.8);
                hook.cubicTo(10.8, 7.8, 8.1, 8.0, 8.1, 10.0);
                painter.drawPath(hook);
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::white);
                painter.drawEllipse(QRectF(7, 11.4, 2.2, 2.2));
            }
            break;
        }
        case ButtonPicture::Exit: {
            painter.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
            break;
        }
    }
}

QPixmap pixmapOf(ButtonPicture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter, picture);
    return pixmap;
}

}  // namespace

QIcon buttonIcon(ButtonPicture picture) {
    QIcon icon;
    icon.addPixmap(pixmapOf(picture, 16));
    icon.addPixmap(pixmapOf(picture, 32));
    return icon;
}

}  // namespace quendral::ui
