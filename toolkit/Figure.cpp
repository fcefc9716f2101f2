#include "toolkit/Figure.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit/GifSemplice.h"
#include "toolkit/Percorsi.h"

namespace forma {

namespace {

// The atlas's largest pictures are its maps, at most 560 x 337 pixels. A
// file that claims far more than this on a side is damaged (a few bytes of
// GIF can claim 5600 x 5600 and decode into 125 MB): it is refused from its
// header, before any pixel is decoded. The bound does not follow the screen, so the same
// file loads, or not, on every screen.
constexpr int kLatoMassimo = 4096;
// Should a reader not know the size before decoding, it still may not hold
// more than such a picture (4096 x 4096 at 4 bytes a pixel).
constexpr int kMegabyteMassimi = 64;
// No picture file of the atlas reaches 100 KB; a file over 16 MB is not one
// of its pictures, and is not read at all.
constexpr qint64 kByteMassimi = 16 * 1024 * 1024;

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

// What kind of thing a path names, when it is not a regular file.
QString tipoNonFile(mode_t modo) {
    if (S_ISFIFO(modo)) return QStringLiteral("a FIFO");
    if (S_ISSOCK(modo)) return QStringLiteral("a socket");
    if (S_ISCHR(modo)) return QStringLiteral("a character device");
    if (S_ISBLK(modo)) return QStringLiteral("a block device");
    return QStringLiteral("not a regular file");
}

// The picture's size as Qt's reader finds it in the header (for a GIF, in
// the descriptors up to its first image, skipping the pixel data), before
// the body is read. Invalid when the header says nothing; the reader's
// allocation limit still holds then.
QSize misuraDallIntestazione(QFile& file) {
    QImageReader lettore(&file);
    const QSize misura = lettore.size();
    file.seek(0);
    return misura;
}

}  // namespace

void SegnalaFigura(const QString& percorso, const QString& causa) { segnala(PercorsoLocale(percorso), causa); }

Picture LoadPicture(const QString& percorso) {
    auto figura = std::make_shared<Figura>();
    figura->origine = percorso;
    if (percorso.isEmpty()) return figura;

    // The kind and size of what the path names come first, from stat: a FIFO
    // or a device is never opened (opening a FIFO waits for a writer, reading
    // /dev/zero never ends), and a file larger than any picture is never read.
    const QString locale = PercorsoLocale(percorso);
    const QByteArray nomeLocale = QFile::encodeName(locale);
    struct stat stato {};
    if (::stat(nomeLocale.constData(), &stato) != 0) {
        if (errno == ENOENT)
            segnala(locale, QStringLiteral("missing (no such file), shown empty"));
        else
            segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return figura;
    }
    if (S_ISDIR(stato.st_mode)) {
        segnala(locale, QStringLiteral("is a folder, not a picture file; shown empty"));
        return figura;
    }
    auto nonFile = [&](mode_t modo) {
        segnala(locale, QStringLiteral("cannot be read (%1, not a picture file), shown empty").arg(tipoNonFile(modo)));
    };
    auto troppiByte = [&](qint64 byte) {
        segnala(locale, QStringLiteral("too large a file (%1 bytes, at most %2 MB), not read, shown empty")
                            .arg(byte)
                            .arg(kByteMassimi / (1024 * 1024)));
    };
    // Only a regular file within the bound is read: a FIFO or a device would
    // block or never end.
    auto accettato = [&](const struct stat& s) {
        if (!S_ISREG(s.st_mode)) {
            nonFile(s.st_mode);
            return false;
        }
        if (s.st_size > kByteMassimi) {
            troppiByte(s.st_size);
            return false;
        }
        return true;
    };
    if (!accettato(stato)) return figura;
    // Opened without waiting, and looked at again through the open file: the
    // path may have been replaced in between.
    const int descrittore = ::open(nomeLocale.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descrittore < 0) {
        segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return figura;
    }
    QFile file;
    if (!file.open(descrittore, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descrittore);
        segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(file.errorString()));
        return figura;
    }
    if (::fstat(descrittore, &stato) != 0) {
        segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return figura;
    }
    if (!accettato(stato)) return figura;

    // The size from the header, before the body is read or decoded: a few
    // bytes of GIF can claim 5600 x 5600 and decode into 125 MB.
    const QSize misura = misuraDallIntestazione(file);
    if (misura.width() > kLatoMassimo || misura.height() > kLatoMassimo) {
        segnala(locale, QStringLiteral("too large (%1 x %2 pixels, at most %3 x %3), not decoded, shown empty")
                            .arg(misura.width())
                            .arg(misura.height())
                            .arg(kLatoMassimo));
        return figura;
    }
    // At most the bound, even from a file that grows while it is read. The
    // room starts at the size the file has now: reading into room for the
    // bound itself would map and unmap 16 MB for every picture.
    QByteArray dati(qMin<qint64>(stato.st_size, kByteMassimi) + 1, Qt::Uninitialized);
    qint64 letti = 0;
    for (;;) {
        const qint64 n = file.read(dati.data() + letti, dati.size() - letti);
        if (n < 0) {
            segnala(locale, QStringLiteral("cannot be read (%1), shown empty").arg(file.errorString()));
            return figura;
        }
        if (n == 0) break;
        letti += n;
        if (letti < dati.size()) continue;
        if (dati.size() > kByteMassimi) break;
        dati.resize(qMin<qint64>(2 * dati.size(), kByteMassimi + 1));
    }
    dati.truncate(letti);
    if (dati.size() > kByteMassimi) {
        troppiByte(dati.size());
        return figura;
    }

    // The atlas's own pictures are plain GIFs: decoded here at once; any
    // other file goes through Qt's readers below, which also explain faults.
    bool tronca = false;
    if (std::optional<QImage> semplice = DecodificaGifSemplice(dati, kLatoMassimo, &tronca)) {
        figura->immagine = std::move(*semplice);
        return figura;
    }

    AvvisiDelLettore avvisi;
    QBuffer memoria;
    memoria.setData(dati);
    memoria.open(QIODevice::ReadOnly);
    QImageReader lettore(&memoria);
    lettore.setAllocationLimit(kMegabyteMassimi);
    QImage immagine = lettore.read();
    if (immagine.isNull()) {
        QString causa = lettore.errorString();
        if (!avvisi.avvisi().isEmpty()) causa += QStringLiteral("; ") + avvisi.avvisi().join(QStringLiteral("; "));
        segnala(locale, QStringLiteral("corrupt or not a picture (%1), shown empty").arg(causa));
        return figura;
    }
    // A picture cut short decodes as far as its data go, the rest dark: it
    // shows so, and what is wrong is said once. Qt's GIF reader says nothing
    // of a GIF cut short; the quick decoder knows.
    QStringList danni = avvisi.avvisi();
    if (tronca) danni.prepend(QStringLiteral("its picture data end before the last pixel"));
    if (!danni.isEmpty())
        segnala(locale, QStringLiteral("damaged (%1), shown as far as it could be read").arg(danni.join(QStringLiteral("; "))));
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
