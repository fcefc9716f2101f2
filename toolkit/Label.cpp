#include "toolkit/Label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include "toolkit/Caratteri.h"
#include "toolkit/Twips.h"

namespace forma {

Label::Label(QWidget* padre) : Controllo(padre) { aggiornaFont(); }

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    adattaDimensioni();
    update();
}

void Label::setForeColor(Colore c) {
    foreColor_ = c;
    update();
}

void Label::setBackColor(Colore c) {
    backColor_ = c;
    update();
}

void Label::setBackStyle(int s) {
    backStyle_ = s;
    update();
}

void Label::setAlignment(int a) {
    alignment_ = a;
    update();
}

void Label::setAutoSize(bool a) {
    autoSize_ = a;
    adattaDimensioni();
    update();
}

void Label::setWordWrap(bool w) {
    wordWrap_ = w;
    adattaDimensioni();
    update();
}

void Label::setFontName(const QString& nome) {
    fontName_ = nome;
    aggiornaFont();
}

void Label::setFontSize(float punti) {
    fontSize_ = punti;
    aggiornaFont();
}

void Label::setFontBold(bool b) {
    QFont f = font();
    f.setBold(b);
    setFont(f);
    adattaDimensioni();
    update();
}

void Label::setFontItalic(bool i) {
    QFont f = font();
    f.setItalic(i);
    setFont(f);
    adattaDimensioni();
    update();
}

void Label::setWidth(float w) {
    Controllo::setWidth(w);
    if (autoSize_ && wordWrap_) adattaDimensioni();
}

void Label::aggiornaFont() {
    QFont f = FontPer(fontName_, fontSize_);
    f.setBold(font().bold());
    if (!FontCorsivoPerNome(fontName_)) f.setItalic(font().italic());
    setFont(f);
    adattaDimensioni();
    update();
}

int Label::flagsTesto() const {
    int flags = Qt::AlignTop;
    if (alignment_ == vbCenter)
        flags |= Qt::AlignHCenter;
    else if (alignment_ == vbRightJustify)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // A label that is not sized to its caption wraps it within its width.
    if (!autoSize_ || wordWrap_) flags |= Qt::TextWordWrap;
    return flags;
}

void Label::adattaDimensioni() {
    if (!autoSize_) return;
    const QFontMetrics fm(font());
    QRect r;
    if (wordWrap_) {
        r = fm.boundingRect(QRect(0, 0, std::max(1, pixel(Width())), 100000), flagsTesto(), caption_);
        impostaDimensioniPixel(pixel(Width()), std::max(r.height(), fm.height()));
        return;
    }
    r = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, caption_);
    impostaDimensioniPixel(std::max(r.width(), 1), std::max(r.height(), fm.height()));
}

void Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    Controllo::changeEvent(e);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (backStyle_ == vbOpaque) p.fillRect(rect(), qcolore(backColor_));
    if (caption_.isEmpty()) return;
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(qcolore(foreColor_));
        p.drawText(rect(), flagsTesto(), caption_);
    } else {
        // Disabled captions are drawn engraved, as the old forms did.
        p.setPen(qcolore(0xFFFFFF));
        p.drawText(rect().translated(1, 1), flagsTesto(), caption_);
        p.setPen(qcolore(0x808080));
        p.drawText(rect(), flagsTesto(), caption_);
    }
}

}  // namespace forma
