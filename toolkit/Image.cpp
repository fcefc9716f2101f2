#include "toolkit/Image.h"

#include <QPainter>

namespace forma {

Image::Image(QWidget* padre) : Controllo(padre), figura_(LoadPicture(QString())) {}

void Image::setPicture(forma::Picture p) {
    // The very picture it holds (pictures are immutable): nothing changes.
    if (p && p == figura_) return;
    figura_ = p ? std::move(p) : LoadPicture(QString());
    adattaDimensioni();
    update();
}

void Image::setStretch(bool s) {
    stretch_ = s;
    adattaDimensioni();
    update();
}

void Image::setBorderStyle(int b) {
    bordo_ = b;
    update();
}

void Image::setRiquadro(QSize pixel) {
    riquadro_ = pixel;
    adattaDimensioni();
    update();
}

void Image::adattaDimensioni() {
    // Not stretched, the control takes the size of its picture, up to its
    // room; an empty picture leaves the size as it was.
    if (stretch_ || figura_->immagine.isNull()) return;
    QSize misura = figura_->immagine.size();
    if (riquadro_.isValid() && (misura.width() > riquadro_.width() || misura.height() > riquadro_.height())) {
        if (!figura_->origine.isEmpty())
            SegnalaFigura(figura_->origine,
                          QStringLiteral("larger than its place (%1 x %2 pixels, room for %3 x %4), shown cut to it")
                              .arg(misura.width())
                              .arg(misura.height())
                              .arg(riquadro_.width())
                              .arg(riquadro_.height()));
        misura = misura.boundedTo(riquadro_);
    }
    const int b = bordo_ ? 2 : 0;
    impostaDimensioniPixel(misura.width() + b, misura.height() + b);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& img = figura_->immagine;
    const int b = bordo_ ? 1 : 0;
    if (!img.isNull()) {
        if (stretch_)
            p.drawImage(rect().adjusted(b, b, -b, -b), img);
        else
            p.drawImage(QPoint(b, b), img);
    }
    if (bordo_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace forma
