#include "toolkit/Label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "toolkit/Caratteri.h"
#include "toolkit/Twips.h"

namespace forma {

namespace {

// A caption's paragraphs: its own line ends, whichever way they are written.
QStringList paragrafiDi(const QString& testo) {
    QString normale = testo;
    normale.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normale.split(QLatin1Char('\n'));
}

}  // namespace

Label::Label(QWidget* padre) : Controllo(padre) { aggiornaFont(); }

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    aggiornaPresaMouse();
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
    aggiornaPresaMouse();
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
    if (alignment_ == vbCenter) return Qt::AlignHCenter;
    if (alignment_ == vbRightJustify) return Qt::AlignRight;
    return Qt::AlignLeft;
}

// A label that is not sized to its caption wraps it within its width.
bool Label::avvolge() const { return !autoSize_ || wordWrap_; }

// A label sized to an empty caption shows nothing and has nothing to press:
// the pointer goes to whatever lies under it (the overlay parks its unused
// labels over the timelines and Previous/Next). A label of designed size
// keeps the pointer even without a caption: it is a click area.
void Label::aggiornaPresaMouse() { setAttribute(Qt::WA_TransparentForMouseEvents, autoSize_ && caption_.isEmpty()); }

// Working the lines out measures the text word by word; a label is painted
// far more often than its caption, width or font change, so the lines are
// kept until one of them does. They are worked out as far as they are
// needed: a paint needs only the lines that reach into the label (a long
// caption in a short label clips the rest), the label's size and Righe()
// need them all; the later lines follow on from where the earlier stopped,
// so they are the same either way.
const QStringList& Label::righePer(int larghezza, qsizetype quante) const {
    const bool avvolte = avvolge();
    // Unwrapped lines do not depend on the width.
    if (!avvolte) larghezza = 0;
    if (!righeValide_ || righeAvvolte_ != avvolte || righeLarghezza_ != larghezza || righeCaption_ != caption_ ||
        righeFont_ != font()) {
        paragrafi_ = paragrafiDi(caption_);
        righe_.clear();
        rigaInCorso_.clear();
        paragrafo_ = 0;
        posizione_ = 0;
        righeComplete_ = !avvolte;
        if (!avvolte) righe_ = paragrafi_;
        righeCaption_ = caption_;
        righeFont_ = font();
        righeLarghezza_ = larghezza;
        righeAvvolte_ = avvolte;
        righeValide_ = true;
        ++impaginazioni_;
    }
    if (!righeComplete_ && righe_.size() < quante) {
        const QFontMetrics fm(font());
        while (!righeComplete_ && righe_.size() < quante) prossimaRiga(fm, larghezza);
    }
    return righe_;
}

// The next line as the old labels broke them: at the caption's own line
// ends and, when wrapping, only at blanks. A word wider than the label stays
// whole (the label clips it), never split at a dot or a hyphen.
void Label::prossimaRiga(const QFontMetrics& fm, int larghezza) const {
    const QString& paragrafo = paragrafi_[paragrafo_];
    while (posizione_ < paragrafo.size()) {
        // Next word with the blanks before it.
        qsizetype j = posizione_;
        while (j < paragrafo.size() && paragrafo[j] == QLatin1Char(' ')) ++j;
        while (j < paragrafo.size() && paragrafo[j] != QLatin1Char(' ')) ++j;
        const QString pezzo = paragrafo.mid(posizione_, j - posizione_);
        posizione_ = j;
        if (!rigaInCorso_.isEmpty() && fm.horizontalAdvance(rigaInCorso_ + pezzo) > larghezza) {
            righe_ << rigaInCorso_;
            // The new line starts with the word, without the blanks before it.
            qsizetype inizio = 0;
            while (inizio < pezzo.size() && pezzo[inizio] == QLatin1Char(' ')) ++inizio;
            rigaInCorso_ = pezzo.mid(inizio);
            return;
        }
        rigaInCorso_ += pezzo;
    }
    righe_ << rigaInCorso_;
    rigaInCorso_.clear();
    posizione_ = 0;
    if (++paragrafo_ == paragrafi_.size()) righeComplete_ = true;
}

const QStringList& Label::Righe() const { return righePer(width(), kTutte); }

void Label::adattaDimensioni() {
    if (!autoSize_) return;
    const QFontMetrics fm(font());
    const QStringList& linee = righePer(std::max(1, pixel(Width())), kTutte);
    const int altezza = static_cast<int>(linee.size()) * fm.height();
    if (wordWrap_) {
        impostaDimensioniPixel(pixel(Width()), altezza);
        return;
    }
    int larghezza = 1;
    for (const QString& l : linee) larghezza = std::max(larghezza, fm.horizontalAdvance(l));
    impostaDimensioniPixel(larghezza, altezza);
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
    const QFontMetrics fm(font());
    // Only the lines that reach into the label can show.
    const qsizetype visibili = height() <= 0 ? 0 : (height() + fm.height() - 1) / std::max(1, fm.height());
    const QStringList& linee = righePer(width(), visibili);
    auto disegna = [&](QPoint scarto) {
        int y = 0;
        for (const QString& l : linee) {
            p.drawText(QRect(0, y, width(), fm.height()).translated(scarto), flagsTesto() | Qt::AlignTop, l);
            y += fm.height();
        }
    };
    if (isEnabled()) {
        p.setPen(qcolore(foreColor_));
        disegna(QPoint());
    } else {
        // Disabled captions are drawn engraved, as the old forms did.
        p.setPen(qcolore(0xFFFFFF));
        disegna(QPoint(1, 1));
        p.setPen(qcolore(0x808080));
        disegna(QPoint());
    }
}

}  // namespace forma
