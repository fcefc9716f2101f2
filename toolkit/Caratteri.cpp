#include "toolkit/Caratteri.h"

#include <QFontDatabase>
#include <QHash>

#include "toolkit/Twips.h"

namespace forma {

namespace {

struct Sostituto {
    const char* designato;
    const char* scelte[3];  // first installed one wins
};

// Substitutes are fixed, so the screen looks the same on every machine that
// ran the set-up: Liberation (metric twins of the classic faces), TeX Gyre Adventor
// for the geometric faces, Comic Neue for the handwriting face.
constexpr Sostituto sostituti[] = {
    {"Arial", {"Liberation Sans", "DejaVu Sans", nullptr}},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans", nullptr}},
    {"Kabel Bk BT", {"TeX Gyre Adventor", "URW Gothic", "DejaVu Sans"}},
    {"Futura Lt BT", {"TeX Gyre Adventor", "URW Gothic", "DejaVu Sans"}},
    {"Comic Sans MS", {"Comic Neue", "DejaVu Sans", nullptr}},
    {"Italic", {"Liberation Serif", "DejaVu Serif", nullptr}},
    {"Lucida Sans Unicode", {"DejaVu Sans", "Liberation Sans", nullptr}},
};

}  // namespace

QString FamigliaPer(const QString& nome) {
    static QHash<QString, QString> cache;
    if (auto it = cache.constFind(nome); it != cache.constEnd()) return *it;
    const QStringList installate = QFontDatabase::families();
    QString scelta = nome;
    for (const auto& s : sostituti) {
        if (nome.compare(QLatin1String(s.designato), Qt::CaseInsensitive) != 0) continue;
        if (installate.contains(nome, Qt::CaseInsensitive)) break;
        for (const char* f : s.scelte) {
            if (f && installate.contains(QLatin1String(f), Qt::CaseInsensitive)) {
                scelta = QLatin1String(f);
                break;
            }
        }
        break;
    }
    cache.insert(nome, scelta);
    return scelta;
}

QFont FontPer(const QString& nome, float punti) {
    QFont f(FamigliaPer(nome));
    f.setPixelSize(std::max(1, pixelDaPunti(punti)));
    if (FontCorsivoPerNome(nome)) f.setItalic(true);
    return f;
}

bool FontCorsivoPerNome(const QString& nome) {
    return nome.compare(QLatin1String("Italic"), Qt::CaseInsensitive) == 0;
}

}  // namespace forma
