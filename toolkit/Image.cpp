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

void Image::adattaDimensioni() {
    // Not stretched, the control takes the size of its picture; an empty
    // picture leaves the size as it was.
    if (stretch_ || figura_->immagine.isNull()) return;
    const int b = bordo_ ? 2 : 0;
    impostaDimensioniPixel(figura_->immagine.width() + b, figura_->immagine.height() + b);
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
