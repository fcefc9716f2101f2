#include "toolkit/Shape.h"

#include <QPainter>

namespace forma {

Shape::Shape(QWidget* padre) : Controllo(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setMouseTracking(false);
}

void Shape::setForma(int f) {
    forma_ = f;
    update();
}

void Shape::setFillColor(std::optional<Colore> c) {
    riempimento_ = c;
    update();
}

void Shape::setBorderColor(std::optional<Colore> c) {
    bordo_ = c;
    update();
}

void Shape::setBorderWidth(int pixel) {
    spessore_ = pixel;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool arrotondata = forma_ == vbShapeRoundedRectangle;
    p.setRenderHint(QPainter::Antialiasing, forma_ == vbShapeOval || forma_ == vbShapeCircle || arrotondata);
    p.setPen(bordo_ ? QPen(qcolore(*bordo_), spessore_) : QPen(Qt::NoPen));
    p.setBrush(riempimento_ ? QBrush(qcolore(*riempimento_)) : QBrush(Qt::NoBrush));
    const qreal mezzo = spessore_ / 2.0;
    QRectF r = QRectF(rect()).adjusted(mezzo, mezzo, -mezzo, -mezzo);
    if (arrotondata) {
        // Corners rounded by a sixth of the shorter side.
        const qreal raggio = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, raggio, raggio);
        return;
    }
    if (forma_ == vbShapeSquare || forma_ == vbShapeCircle) {
        const qreal lato = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato);
    }
    if (r.width() < 1 || r.height() < 1) {
        // A bar one twip wide still shows a sliver, as a border line would.
        p.fillRect(rect(), bordo_ ? qcolore(*bordo_) : (riempimento_ ? qcolore(*riempimento_) : QColor()));
        return;
    }
    if (forma_ == vbShapeOval || forma_ == vbShapeCircle)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

}  // namespace forma
