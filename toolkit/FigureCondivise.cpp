#include "toolkit/FigureCondivise.h"

#include <sys/stat.h>

#include <QFile>
#include <list>

#include "toolkit/Percorsi.h"

namespace forma {

namespace {

// The pictures asked for last: on the main window a map, its inset and the
// neighbours prepared on either side; in the chronology the thumbnails of
// the page shown and of the next (small pictures). 24 pictures of the
// largest size take 17 MB.
constexpr std::size_t kTenute = 24;

// What tells one state of a file from another without reading it.
struct Impronta {
    dev_t dispositivo = 0;
    ino_t nodo = 0;
    off_t dimensione = 0;
    timespec modifica{};
    bool operator==(const Impronta& o) const {
        return dispositivo == o.dispositivo && nodo == o.nodo && dimensione == o.dimensione &&
               modifica.tv_sec == o.modifica.tv_sec && modifica.tv_nsec == o.modifica.tv_nsec;
    }
};

bool improntaDi(const QString& percorso, Impronta& impronta) {
    struct stat s {};
    if (::stat(QFile::encodeName(PercorsoLocale(percorso)).constData(), &s) != 0 || !S_ISREG(s.st_mode)) return false;
    impronta = Impronta{s.st_dev, s.st_ino, s.st_size, s.st_mtim};
    return true;
}

struct Tenuta {
    QString percorso;
    Impronta impronta;
    Picture figura;
};

// Most recent first.
std::list<Tenuta>& tenute() {
    static std::list<Tenuta> l;
    return l;
}

}  // namespace

Picture CaricaFigura(const QString& percorso) {
    Impronta impronta;
    // A missing or unreadable file is never kept: LoadPicture says what is
    // wrong with it, and a file that appears later is read then.
    if (percorso.isEmpty() || !improntaDi(percorso, impronta)) return LoadPicture(percorso);
    auto& l = tenute();
    for (auto it = l.begin(); it != l.end(); ++it) {
        if (it->percorso != percorso) continue;
        if (it->impronta == impronta) {
            l.splice(l.begin(), l, it);
            return it->figura;
        }
        l.erase(it);
        break;
    }
    Picture figura = LoadPicture(percorso);
    if (figura->immagine.isNull()) return figura;  // a damaged file is read (and reported) each time
    l.push_front(Tenuta{percorso, impronta, figura});
    if (l.size() > kTenute) l.pop_back();
    return figura;
}

// A missing file is left for the draw that needs it to report.
void PreparaFigura(const QString& percorso) {
    Impronta impronta;
    if (!percorso.isEmpty() && improntaDi(percorso, impronta)) (void)CaricaFigura(percorso);
}

void DimenticaFigure() { tenute().clear(); }

}  // namespace forma
