#include "toolkit/Figure.h"

#include <QImageReader>
#include <cstdio>

#include "toolkit/Percorsi.h"

namespace forma {

Picture LoadPicture(const QString& percorso) {
    auto figura = std::make_shared<Figura>();
    figura->origine = percorso;
    if (percorso.isEmpty()) return figura;

    const QString locale = PercorsoLocale(percorso);
    QImageReader lettore(locale);
    QImage immagine = lettore.read();
    if (immagine.isNull()) {
        std::fprintf(stderr, "cartaviva: cannot load picture %s: %s\n", qPrintable(locale),
                     qPrintable(lettore.errorString()));
        return figura;
    }
    figura->immagine = std::move(immagine);
    return figura;
}

Picture FiguraDa(QImage immagine, QString origine) {
    auto figura = std::make_shared<Figura>();
    figura->immagine = std::move(immagine);
    figura->origine = std::move(origine);
    return figura;
}

}  // namespace forma
