#include "chronology/DisegniCronologia.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace {

// The sixteen colours an old icon could use.
const QColor Nero(0, 0, 0), Bianco(255, 255, 255), Grigio(128, 128, 128), Argento(192, 192, 192),
    Rosso(255, 0, 0), RossoScuro(128, 0, 0), Giallo(255, 255, 0), Oliva(128, 128, 0), Verde(0, 255, 0),
    VerdeScuro(0, 128, 0), Ciano(0, 255, 255), Blu(0, 0, 255), BluScuro(0, 0, 128), Magenta(255, 0, 255),
    Porpora(128, 0, 128);

// Body and second colour of each row's pencil.
struct ColoriMatita {
    QColor corpo;
    QColor fascia;
};

QPixmap matita(const ColoriMatita& c) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    // Drawn along the diagonal, tip at the lower left (1, 30).
    p.translate(1, 30);
    p.rotate(-45);
    // Tip, wood, body, band and eraser along the pencil's length.
    QPolygonF punta{{0, 0}, {7, -3}, {7, 3}};
    p.setPen(Nero);
    p.setBrush(QColor(222, 184, 135));
    p.drawPolygon(punta);
    p.setBrush(Nero);
    p.drawPolygon(QPolygonF{{0, 0}, {3, -1.3}, {3, 1.3}});
    p.setBrush(c.corpo);
    p.drawRect(QRectF(7, -3, 20, 6));
    p.setBrush(c.fascia);
    p.drawRect(QRectF(27, -3, 4, 6));
    p.setBrush(Magenta.lighter(160));
    p.drawRect(QRectF(31, -3, 4, 6));
    return pm;
}

QPixmap libro(int variante) {
    static const std::array<QColor, 4> copertine{RossoScuro, BluScuro, VerdeScuro, Porpora};
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Nero);
    // Papers sticking out of the book, a different number in each variant.
    for (int f = 0; f <= variante; ++f) {
        p.setBrush(Bianco);
        p.drawRect(8 + 4 * f, 2 + f, 10, 12);
        p.setPen(Grigio);
        p.drawLine(10 + 4 * f, 5 + f, 16 + 4 * f, 5 + f);
        p.drawLine(10 + 4 * f, 8 + f, 16 + 4 * f, 8 + f);
        p.setPen(Nero);
    }
    // The closed book: cover, page edges, spine.
    p.setBrush(Argento);
    p.drawRect(4, 12, 25, 15);
    p.setBrush(copertine[static_cast<std::size_t>(variante % 4)]);
    p.drawRect(2, 10, 25, 15);
    p.setBrush(Giallo);
    p.drawRect(2, 10, 4, 15);
    p.setPen(Giallo);
    p.drawLine(11, 16, 22, 16);
    return pm;
}

}  // namespace

QCursor CursoreMatita(int riga) {
    static const std::array<ColoriMatita, 8> colori{{
        {Rosso, Rosso},
        {Blu, Blu},
        {Verde, Verde},
        {Magenta, Magenta},
        {Blu, Ciano},
        {RossoScuro, Giallo},
        {Grigio, Grigio},
        {Nero, Grigio},
    }};
    return QCursor(matita(colori[static_cast<std::size_t>(riga % 8)]), 1, 30);
}

QCursor CursoreLibro(int variante) { return QCursor(libro(variante % 4), 2, 2); }

QImage IconaCopia() {
    QImage img(18, 21, QImage::Format_RGB32);
    img.fill(Argento);
    QPainter p(&img);
    p.setPen(Nero);
    for (int f = 0; f < 2; ++f) {
        const int x = 1 + 6 * f, y = 1 + 6 * f;
        p.setBrush(Bianco);
        p.drawRect(x, y, 9, 12);
        p.setPen(BluScuro);
        for (int r = y + 3; r < y + 11; r += 2) p.drawLine(x + 2, r, x + 7, r);
        p.setPen(Nero);
    }
    return img;
}

QImage IconaStampa() {
    QImage img(24, 21, QImage::Format_RGB32);
    img.fill(Argento);
    QPainter p(&img);
    p.setPen(Nero);
    // The sheet in the feeder, the printer's body, the printed sheet.
    p.setBrush(Bianco);
    p.drawRect(6, 1, 11, 7);
    p.setBrush(Grigio);
    p.drawRect(1, 8, 21, 8);
    p.setBrush(Oliva);
    p.drawRect(17, 10, 2, 2);
    p.setBrush(Bianco);
    p.drawRect(5, 13, 13, 7);
    p.setPen(BluScuro);
    p.drawLine(7, 16, 15, 16);
    p.drawLine(7, 18, 13, 18);
    return img;
}
