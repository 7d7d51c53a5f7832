#include "ui/about_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <array>

namespace quendral::ui {

namespace {

// The sixteen-colour palette the small pictures keep to, so they sit well beside the
// window's plain colours.
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kMaroon(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kTeal(0, 128, 128);

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A flight of `steps` treads rising from (left, bottom) to (right, top), with the sloping
// soffit `thickness` below the nosings.
QPolygonF flightOutline(QRectF box, int steps, qreal thickness) {
    const qreal tread = box.width() / steps;
    const qreal riser = box.height() / steps;
    QPolygonF outline;
    outline << QPointF(box.left(), box.bottom());
    for (int i = 0; i < steps; ++i) {
        const qreal x = box.left() + i * tread;
        const qreal y = box.bottom() - (i + 1) * riser;
        outline << QPointF(x, y) << QPointF(x + tread, y);
    }
    outline << QPointF(box.right(), box.top() + thickness)
            << QPointF(box.left() + thickness, box.bottom());
    return outline;
}

}  // namespace

QPixmap projectLogo() {
    QPixmap logo = transparentPixmap(94, 27);
    QPainter paint(&logo);
    paint.setRenderHint(QPainter::Antialiasing);
    // A "Q" ring whose tail is a flight of steps.
    paint.setPen(QPen(kBlue, 3));
    paint.setBrush(Qt::NoBrush);
    paint.drawEllipse(QRectF(3, 3, 21, 21));
    paint.setPen(Qt::NoPen);
    paint.setBrush(kMaroon);
    paint.drawPolygon(flightOutline(QRectF(15, 15, 11, 10), 3, 3));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    paint.setFont(font);
    paint.setPen(kNavy);
    paint.drawText(QRect(28, 1, 66, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("QUENDRAL"));
    font.setBold(false);
    font.setPixelSize(9);
    paint.setFont(font);
    paint.setPen(kTeal);
    paint.drawText(QRect(28, 14, 66, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("stair design"));
    return logo;
}

QPixmap designerPicture() {
    QPixmap mark = transparentPixmap(90, 27);
    QPainter paint(&mark);
    paint.setRenderHint(QPainter::Antialiasing);
    QPainterPath stroke(QPointF(4, 20));
    stroke.cubicTo(QPointF(10, 2), QPointF(16, 2), QPointF(18, 16));
    stroke.cubicTo(QPointF(20, 26), QPointF(26, 8), QPointF(32, 14));
    stroke.cubicTo(QPointF(38, 20), QPointF(42, 6), QPointF(48, 12));
    stroke.cubicTo(QPointF(54, 18), QPointF(58, 8), QPointF(64, 14));
    stroke.cubicTo(QPointF(70, 20), QPointF(76, 10), QPointF(86, 8));
    paint.setPen(QPen(kNavy, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paint.drawPath(stroke);
    paint.setPen(QPen(kGrey, 1));
    paint.drawLine(QPointF(10, 24), QPointF(80, 22));
    return mark;
}

QPixmap groupPicture() {
    QPixmap picture(640, 477);
    QPainter paint(&picture);
    paint.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 270);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(205, 225, 245));
    paint.fillRect(0, 0, 640, 270, sky);

    // The office: a plain block with rows of windows and a stair at its door.
    paint.fillRect(QRect(60, 40, 520, 230), QColor(214, 204, 186));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 10; ++column) {
            paint.fillRect(QRect(84 + column * 50, 60 + row * 48, 28, 30), QColor(92, 120, 150));
        }
    }
    paint.setPen(Qt::NoPen);
    paint.setBrush(QColor(170, 166, 160));
    paint.drawPolygon(flightOutline(QRectF(270, 230, 100, 40), 5, 12));

    QLinearGradient ground(0, 270, 0, 477);
    ground.setColorAt(0, QColor(150, 150, 140));
    ground.setColorAt(1, QColor(95, 110, 80));
    paint.fillRect(0, 270, 640, 207, ground);

    // Two rows of people, the back row standing higher.
    const std::array<QColor, 6> coats = {QColor(40, 60, 110),  QColor(120, 40, 40),
                                         QColor(60, 90, 60),   QColor(70, 70, 80),
                                         QColor(150, 110, 60), QColor(30, 30, 40)};
    const std::array<QColor, 3> faces = {QColor(236, 200, 170), QColor(222, 184, 150),
                                         QColor(206, 166, 130)};
    struct Row {
        int count;
        qreal left, spacing, shoulders, scale;
    };
    const std::array<Row, 2> rows = {Row{8, 88, 66, 330, 0.9}, Row{7, 110, 70, 390, 1.0}};
    int person = 0;
    for (const Row& row : rows) {
        for (int i = 0; i < row.count; ++i, ++person) {
            const qreal x = row.left + i * row.spacing;
            const qreal s = row.scale;
            paint.setBrush(coats[static_cast<std::size_t>(person) % coats.size()]);
            paint.drawRoundedRect(QRectF(x - 26 * s, row.shoulders, 52 * s, 110 * s), 18 * s,
                                  18 * s);
            paint.setBrush(faces[static_cast<std::size_t>(person) % faces.size()]);
            paint.drawEllipse(QPointF(x, row.shoulders - 22 * s), 17 * s, 20 * s);
            paint.setBrush(QColor(35, 30, 28));
            paint.drawChord(QRectF(x - 17 * s, row.shoulders - 43 * s, 34 * s, 30 * s), 0,
                            180 * 16);
        }
    }
    return picture;
}

}  // namespace quendral::ui
