#include "toolkit/Caratteri.h"

#include <QFontDatabase>
#include <QHash>
#include <fontconfig/fontconfig.h>

#include "toolkit/Twips.h"

namespace forma {

namespace {

// A substitute face and the letter spacing (in percent of its own) that
// brings its widths to those of the designed face: captions were laid out
// for the designed widths, the timeline scales digit by digit.
struct Scelta {
    const char* famiglia;
    qreal spaziatura;
};

struct Sostituto {
    const char* designato;
    Scelta scelte[3];  // first installed one wins
};

// Substitutes are fixed, so the screen looks the same on every machine that
// ran the set-up: Liberation (metric twins of the classic faces), TeX Gyre Adventor
// for the geometric faces, Comic Neue for the handwriting face.
//
// "MS Sans Serif" is narrower than Liberation Sans, the twin of Arial: at
// 97.25 % its widths are the designed ones closely enough that both timeline
// scales fit their 10600 twips (the AD one within the 6200 twips a press
// accepts) with each mark as near the place of its year as the scale's text
// allows, and the animation's widest date, "5000 B.C.", fits its 1575 twips
// on one line.
constexpr Sostituto sostituti[] = {
    {"Arial", {{"Liberation Sans", 100}, {"DejaVu Sans", 100}, {nullptr, 100}}},
    {"MS Sans Serif", {{"Liberation Sans", 97.25}, {"DejaVu Sans", 85}, {nullptr, 100}}},
    {"Kabel Bk BT", {{"TeX Gyre Adventor", 100}, {"URW Gothic", 100}, {"DejaVu Sans", 100}}},
    {"Futura Lt BT", {{"TeX Gyre Adventor", 100}, {"URW Gothic", 100}, {"DejaVu Sans", 100}}},
    {"Comic Sans MS", {{"Comic Neue", 100}, {"DejaVu Sans", 100}, {nullptr, 100}}},
    {"Italic", {{"Liberation Serif", 100}, {"DejaVu Serif", 100}, {nullptr, 100}}},
    {"Lucida Sans Unicode", {{"DejaVu Sans", 100}, {"Liberation Sans", 100}, {nullptr, 100}}},
};

struct Faccia {
    QString famiglia;
    qreal spaziatura = 100;
};

Faccia facciaPer(const QString& nome) {
    static QHash<QString, Faccia> cache;
    if (auto it = cache.constFind(nome); it != cache.constEnd()) return *it;
    const QStringList installate = QFontDatabase::families();
    Faccia scelta{nome, 100};
    for (const auto& s : sostituti) {
        if (nome.compare(QLatin1String(s.designato), Qt::CaseInsensitive) != 0) continue;
        if (installate.contains(nome, Qt::CaseInsensitive)) break;
        for (const Scelta& f : s.scelte) {
            if (f.famiglia && installate.contains(QLatin1String(f.famiglia), Qt::CaseInsensitive)) {
                scelta = Faccia{QLatin1String(f.famiglia), f.spaziatura};
                break;
            }
        }
        break;
    }
    cache.insert(nome, scelta);
    return scelta;
}

}  // namespace

QString FamigliaPer(const QString& nome) { return facciaPer(nome).famiglia; }

QFont FontPer(const QString& nome, float punti) {
    const Faccia faccia = facciaPer(nome);
    QFont f(faccia.famiglia);
    f.setPixelSize(std::max(1, pixelDaPunti(punti)));
    if (faccia.spaziatura != 100) f.setLetterSpacing(QFont::PercentageSpacing, faccia.spaziatura);
    if (FontCorsivoPerNome(nome)) f.setItalic(true);
    return f;
}

std::thread LeggiConfigurazioneCaratteri() {
    // Once read, the configuration stays the current one: the toolkit's own
    // initialisation then finds it ready. Were the thread still reading when
    // the toolkit asks, the toolkit would read a second copy, not wait.
    return std::thread([] { (void)FcInit(); });
}

bool FontCorsivoPerNome(const QString& nome) {
    return nome.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0;
}

}  // namespace forma
