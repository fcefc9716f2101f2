#include "toolkit/Stampante.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace forma {

namespace {
QString& destinazioneFile() {
    static QString pdf;
    return pdf;
}
QString& nomeLavoro() {
    static QString nome;
    return nome;
}
}  // namespace

void StampaSuFile(const QString& pdf) { destinazioneFile() = pdf; }

void NomeLavoroDiStampa(const QString& nome) { nomeLavoro() = nome; }

bool StampaImmagine(const QImage& immagine, QString* errore) {
    auto fallisci = [errore](const QString& motivo) {
        if (errore) *errore = motivo;
        return false;
    };
    if (immagine.isNull()) return fallisci(QStringLiteral("nothing to print"));

    QPrinter stampante(QPrinter::HighResolution);
    if (destinazioneFile().isEmpty()) {
        // Without a default printer Qt would quietly write a PDF somewhere:
        // that is a failure to print, not a print.
        const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
        if (predefinita.isNull() || predefinita.printerName().isEmpty())
            return fallisci(QStringLiteral("no default printer"));
        stampante.setPrinterName(predefinita.printerName());
        if (stampante.outputFormat() != QPrinter::NativeFormat)
            return fallisci(QStringLiteral("the default printer cannot be used"));
    } else {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(destinazioneFile());
    }
    stampante.setDocName(nomeLavoro().isEmpty() ? QStringLiteral("CARTAVIVA") : nomeLavoro());
    stampante.setPageOrientation(immagine.width() > immagine.height() ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    QPainter pittore;
    if (!pittore.begin(&stampante)) return fallisci(QStringLiteral("the printer cannot be opened"));
    const QRect pagina = pittore.viewport();
    QSize misura = immagine.size();
    misura.scale(pagina.size(), Qt::KeepAspectRatio);
    pittore.setViewport(pagina.x(), pagina.y(), misura.width(), misura.height());
    pittore.setWindow(immagine.rect());
    pittore.drawImage(0, 0, immagine);
    if (!pittore.end()) return fallisci(QStringLiteral("the printer did not take the page"));
    return true;
}

QImage ImmagineDi(QWidget& finestra) { return finestra.grab().toImage(); }

bool PrintForm(QWidget& finestra, QString* errore) { return StampaImmagine(ImmagineDi(finestra), errore); }

}  // namespace forma
