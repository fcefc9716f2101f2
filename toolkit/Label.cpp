#include "toolkit/Label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <vector>

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

Label::~Label() = default;

void Label::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    aggiornaPresaMouse();
    adattaDimensioni();
    aggiornaPresenza();
    update();
}

// A map sets the colours of all its labels, most of them as they already
// are: only a change is painted.
void Label::setForeColor(Colore c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    update();
}

void Label::setBackColor(Colore c) {
    if (c == backColor_) return;
    backColor_ = c;
    update();
}

void Label::setBackStyle(int s) {
    if (s == backStyle_) return;
    backStyle_ = s;
    aggiornaPresenza();
    update();
}

void Label::setAlignment(int a) {
    if (a == alignment_) return;
    alignment_ = a;
    update();
}

void Label::setAutoSize(bool a) {
    autoSize_ = a;
    aggiornaPresaMouse();
    adattaDimensioni();
    aggiornaPresenza();
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

// Such a label, transparent as well, draws nothing either.
bool Label::haPresenza() const {
    return !(fuoriSeVuota_ && autoSize_ && backStyle_ == vbTransparent && caption_.isEmpty());
}

void Label::setFuoriSeVuota(bool f) {
    fuoriSeVuota_ = f;
    aggiornaPresenza();
}

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
        inizioRiga_ = 0;
        disposizione_.reset();
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
//
// A line takes word after word (each with the blanks before it) while the
// line with the next word still fits the width, as measured by the font's
// metrics. Measuring every longer line again would shape the same text over
// and over; instead the paragraph is shaped once, the break is foreseen from
// its glyph positions, and only the two lines either side of the break are
// measured in the same way as before. When they do not confirm it, the
// words are taken one by one and measured as before.
void Label::prossimaRiga(const QFontMetrics& fm, int larghezza) const {
    const QString& paragrafo = paragrafi_[paragrafo_];
    // Where each of the words still to place ends, with the blanks before it.
    std::vector<qsizetype> fini;
    for (qsizetype j = posizione_; j < paragrafo.size();) {
        while (j < paragrafo.size() && paragrafo[j] == QLatin1Char(' ')) ++j;
        while (j < paragrafo.size() && paragrafo[j] != QLatin1Char(' ')) ++j;
        fini.push_back(j);
    }
    const qsizetype inizio = inizioRiga_;
    auto misura = [&](qsizetype fine) { return fm.horizontalAdvance(paragrafo.mid(inizio, fine - inizio)); };
    // The line is measured with a word only when it already holds some text.
    auto misurata = [&](std::size_t k) { return (k == 0 ? posizione_ : fini[k - 1]) > inizio; };

    // The first word that does not fit (fini.size(): none), foreseen...
    std::size_t rottura = fini.size();
    if (!fini.empty()) {
        if (!disposizione_ || disposizioneParagrafo_ != paragrafo_) {
            disposizione_ = std::make_unique<QTextLayout>(paragrafo, font());
            disposizione_->setCacheEnabled(true);
            disposizione_->beginLayout();
            QTextLine riga = disposizione_->createLine();
            if (riga.isValid()) riga.setLineWidth(0x01000000);
            disposizione_->endLayout();
            disposizioneParagrafo_ = paragrafo_;
        }
        const QTextLine riga = disposizione_->lineAt(0);
        const qreal x0 = riga.cursorToX(int(inizio));
        // The words' ends lie further and further along the shaped line:
        // the first one past the width is sought by halves (each position
        // costs a walk along the line).
        auto oltre = [&](std::size_t k) {
            return misurata(k) && qRound(riga.cursorToX(int(fini[k])) - x0) > larghezza;
        };
        std::size_t basso = 0;
        std::size_t alto = fini.size();
        while (basso < alto) {
            const std::size_t mezzo = basso + (alto - basso) / 2;
            if (oltre(mezzo))
                alto = mezzo;
            else
                basso = mezzo + 1;
        }
        rottura = basso;
        // ...and confirmed: the word does not fit, the line before it does.
        bool confermata = rottura == fini.size() || misura(fini[rottura]) > larghezza;
        const std::size_t ultima = rottura == 0 ? 0 : rottura - 1;
        if (confermata && rottura > 0 && misurata(ultima)) confermata = misura(fini[ultima]) <= larghezza;
        if (!confermata) {
            rottura = fini.size();
            for (std::size_t k = 0; k < fini.size(); ++k) {
                if (misurata(k) && misura(fini[k]) > larghezza) {
                    rottura = k;
                    break;
                }
            }
        }
    }

    if (rottura < fini.size()) {
        const qsizetype fineRiga = rottura == 0 ? posizione_ : fini[rottura - 1];
        righe_ << paragrafo.mid(inizio, fineRiga - inizio);
        // The new line starts with the word, without the blanks before it.
        qsizetype parola = fineRiga;
        while (parola < fini[rottura] && paragrafo[parola] == QLatin1Char(' ')) ++parola;
        inizioRiga_ = parola;
        posizione_ = fini[rottura];
        return;
    }
    righe_ << paragrafo.mid(inizio, paragrafo.size() - inizio);
    inizioRiga_ = 0;
    posizione_ = 0;
    disposizione_.reset();
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
        for (qsizetype i = 0; i < linee.size(); ++i) {
            disegnaRiga(p, QRect(0, y, width(), fm.height()).translated(scarto), i);
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

// One line in its rectangle, as the painter's drawText(r, alignment | top,
// line) draws it: shaped on one line of unlimited width in the painter's
// font, placed by its alignment and clipped to r when it does not fit. The
// shaping is the costly part and depends only on the line and the font, so
// each line is shaped once and drawn from then on; colour, alignment and
// place are applied at every paint. What the painter would treat otherwise
// (decorated fonts, right-to-left painting, tabs, alternative texts) is left
// to drawText itself.
void Label::disegnaRiga(QPainter& p, const QRect& r, qsizetype indice) const {
    const QString& riga = righe_[indice];
    if (riga.isEmpty() || r.isEmpty()) return;
    const QFont& fp = p.font();
    if (fp.underline() || fp.overline() || fp.strikeOut() || p.layoutDirection() != Qt::LeftToRight ||
        riga.contains(QLatin1Char('\t')) || riga.contains(QChar(0x9C))) {
        p.drawText(r, flagsTesto() | Qt::AlignTop, riga);
        return;
    }
    const int dpi = p.device()->logicalDpiY();
    if (disegniImpaginazione_ != impaginazioni_ || disegniDpi_ != dpi || disegniFont_ != fp) {
        disegni_.clear();
        disegniImpaginazione_ = impaginazioni_;
        disegniDpi_ = dpi;
        disegniFont_ = fp;
    }
    if (disegni_.size() <= static_cast<std::size_t>(indice)) disegni_.resize(static_cast<std::size_t>(indice) + 1);
    std::unique_ptr<QTextLayout>& disposizione = disegni_[static_cast<std::size_t>(indice)];
    if (!disposizione) {
        disposizione = std::make_unique<QTextLayout>(riga, fp);
        QTextOption opzioni;
        opzioni.setTextDirection(Qt::LeftToRight);
        opzioni.setAlignment(Qt::AlignLeft);
        disposizione->setTextOption(opzioni);
        disposizione->setCacheEnabled(true);
        disposizione->beginLayout();
        QTextLine l = disposizione->createLine();
        if (l.isValid()) {
            l.setLineWidth(0x01000000);
            l.setPosition(QPointF(0, 0));
        }
        disposizione->endLayout();
    }
    const QTextLine l = disposizione->lineAt(0);
    if (!l.isValid()) return;
    const qreal larghezza = l.naturalTextWidth();
    const QRectF rf(r);
    qreal x = 0;
    if (alignment_ == vbRightJustify)
        x = rf.width() - larghezza;
    else if (alignment_ == vbCenter)
        x = (rf.width() - larghezza) / 2;
    const bool ritaglia = !rf.contains(QRectF(rf.x() + x, rf.y(), larghezza, l.ascent() + l.descent()));
    if (ritaglia) {
        p.save();
        p.setClipRect(rf, Qt::IntersectClip);
    }
    x = 0;
    if (alignment_ == vbRightJustify)
        x = rf.width() - l.horizontalAdvance();
    else if (alignment_ == vbCenter)
        x = (rf.width() - l.horizontalAdvance()) / 2;
    l.draw(&p, QPointF(rf.x() + x, rf.y()));
    if (ritaglia) p.restore();
}

}  // namespace forma
