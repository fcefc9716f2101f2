#include "toolkit/Figure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <cstdio>
#include <cstring>

#include "toolkit/GifSemplice.h"
#include "toolkit/Percorsi.h"

namespace forma {

namespace {

// The atlas's largest picture is a map of at most 560 x 337 pixels. A file that
// claims more than this on a side is damaged (a few bytes of GIF can claim
// 5600 x 5600 and decode into 125 MB): it is refused from its header, before
// any pixel is decoded. The bound does not follow the screen, so the same
// file loads, or not, on every screen.
constexpr int kLatoMassimo = 4096;
// Should a reader not know the size before decoding, it still may not hold
// more than such a picture (4096 x 4096 at 4 bytes a pixel).
constexpr int kMegabyteMassimi = 64;

// Qt's image readers write warnings of their own ("Corrupt JPEG data: ...")
// on every load of a damaged file. While a picture is read they are taken
// here instead, and our one line about the file replaces them. Other
// messages pass on as before.
class AvvisiDelLettore {
public:
    AvvisiDelLettore() {
        raccolti_ = &avvisi_;
        precedente_ = qInstallMessageHandler(&AvvisiDelLettore::gestore);
    }
    ~AvvisiDelLettore() {
        qInstallMessageHandler(precedente_);
        raccolti_ = nullptr;
    }
    AvvisiDelLettore(const AvvisiDelLettore&) = delete;
    AvvisiDelLettore& operator=(const AvvisiDelLettore&) = delete;

    const QStringList& avvisi() const { return avvisi_; }

private:
    static void gestore(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
        if (raccolti_ && contesto.category && std::strncmp(contesto.category, "qt.gui.imageio", 14) == 0) {
            raccolti_->append(testo.trimmed());
            return;
        }
        if (precedente_) precedente_(tipo, contesto, testo);
    }

    static inline QtMessageHandler precedente_ = nullptr;
    static inline QStringList* raccolti_ = nullptr;
    QStringList avvisi_;
};

// One line on stderr per file and fault for the whole run: a map shown again
// and again with the same broken picture does not repeat it.
void segnala(const QString& locale, const QString& causa) {
    static QSet<QString> segnalati;
    const QString chiave = QFileInfo(locale).absoluteFilePath() + QLatin1Char('\n') + causa;
    if (segnalati.contains(chiave)) return;
    segnalati.insert(chiave);
    std::fprintf(stderr, "cartaviva: picture %s: %s\n", qPrintable(locale), qPrintable(causa));
}

}  // namespace

Picture LoadPicture(const QString& percorso) {
    auto figura = std::make_shared<Figura>();
    figura->origine = percorso;
    if (percorso.isEmpty()) return figura;

    const QString locale = PercorsoLocale(percorso);
    const QFileInfo info(locale);
    if (!info.exists()) {
        segnala(locale, QStringLiteral("missing (no such file), shown empty"));
        return figura;
    }
    if (info.isDir()) {
        segnala(locale, QStringLiteral("is a folder, not a picture file; shown empty"));
        return figura;
    }
    QFile file(locale);
    if (!file.open(QIODevice::ReadOnly)) {
        segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(file.errorString()));
        return figura;
    }

    // The atlas's own pictures are plain GIFs: decoded here at once; any
    // other file goes through Qt's readers below, which also explain faults.
    const QByteArray dati = file.readAll();
    if (std::optional<QImage> semplice = DecodificaGifSemplice(dati, kLatoMassimo)) {
        figura->immagine = std::move(*semplice);
        return figura;
    }
    file.seek(0);

    AvvisiDelLettore avvisi;
    QImageReader lettore(&file);
    lettore.setAllocationLimit(kMegabyteMassimi);
    const QSize misura = lettore.size();
    if (misura.width() > kLatoMassimo || misura.height() > kLatoMassimo) {
        segnala(locale, QStringLiteral("too large (%1 x %2 pixels, at most %3 x %3), not decoded, shown empty")
                            .arg(misura.width())
                            .arg(misura.height())
                            .arg(kLatoMassimo));
        return figura;
    }
    QImage immagine = lettore.read();
    if (immagine.isNull()) {
        QString causa = lettore.errorString();
        if (!avvisi.avvisi().isEmpty()) causa += QStringLiteral("; ") + avvisi.avvisi().join(QStringLiteral("; "));
        segnala(locale, QStringLiteral("corrupt or not a picture (%1), shown empty").arg(causa));
        return figura;
    }
    // A picture cut short decodes as far as its data go, the rest grey: it
    // shows so, and the reader's complaint is said once.
    if (!avvisi.avvisi().isEmpty())
        segnala(locale, QStringLiteral("damaged (%1), shown as far as it could be read")
                            .arg(avvisi.avvisi().join(QStringLiteral("; "))));
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
