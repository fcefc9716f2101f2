#include "credits/ManiPuntate.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace collaboratori {

namespace {

// The hand pointing right, 32 x 32, in the few flat colours of a 16-colour
// icon (no antialiasing, so no shades in between): black outline, white skin,
// a blue cuff.
QImage manoVersoDestra() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    QPainterPath mano;
    // Fist on the left, the index finger stretched to the right edge, the
    // thumb folded over it, three folded fingers stacked under it.
    mano.addRoundedRect(QRectF(6, 9, 12, 17), 3, 3);
    mano.addRoundedRect(QRectF(14, 9, 17, 5), 2.5, 2.5);
    mano.addRoundedRect(QRectF(10, 6, 9, 5), 2.5, 2.5);
    mano.addRoundedRect(QRectF(15, 13, 8, 5), 2.5, 2.5);
    mano.addRoundedRect(QRectF(15, 17, 7, 5), 2.5, 2.5);
    mano.addRoundedRect(QRectF(14, 21, 6, 5), 2.5, 2.5);
    mano.setFillRule(Qt::WindingFill);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(mano.simplified());
    // The folds between the fingers.
    p.drawLine(QPointF(15, 17.5), QPointF(21, 17.5));
    p.drawLine(QPointF(15, 21.5), QPointF(19, 21.5));
    // The cuff.
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(1, 10, 5, 15));
    return img;
}

constexpr int puntaY = 11;

}  // namespace

QCursor CursoreManoDestra() {
    static const QCursor cursore(QPixmap::fromImage(manoVersoDestra()), 31, puntaY);
    return cursore;
}

QCursor CursoreManoSinistra() {
    static const QCursor cursore(QPixmap::fromImage(manoVersoDestra().mirrored(true, false)), 0, puntaY);
    return cursore;
}

}  // namespace collaboratori
