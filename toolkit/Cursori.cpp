#include "toolkit/Cursori.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace forma {

QCursor CursoreMano() {
    static const QCursor cursore = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath mano;
        // Index finger pointing up, three folded fingers, the thumb on the left.
        mano.addRoundedRect(QRectF(11, 1, 5, 16), 2.5, 2.5);
        mano.addRoundedRect(QRectF(15, 9, 5, 10), 2.5, 2.5);
        mano.addRoundedRect(QRectF(19, 10, 5, 10), 2.5, 2.5);
        mano.addRoundedRect(QRectF(23, 12, 4, 9), 2, 2);
        mano.addRoundedRect(QRectF(5, 14, 8, 5), 2.5, 2.5);
        mano.addRoundedRect(QRectF(9, 15, 18, 13), 4, 4);
        mano.setFillRule(Qt::WindingFill);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(mano.simplified());
        return QCursor(pm, 13, 1);
    }();
    return cursore;
}

QCursor CursoreCroce() { return QCursor(Qt::CrossCursor); }

}  // namespace forma
