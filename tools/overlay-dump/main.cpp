// overlay-dump: draws every map in every language exactly as Next does and
// prints one JSON line per draw, to check the content against its tables.
// With --cronologia it prints instead, for every language and map, the text
// of the chronology's row that shows the map, as the chronology window shows
// it after a click on its language label and on the period button of the page.
// With --catalogo it prints, for every map of the registry, its picture, its
// inset and the overlay labels its content places itself, with their English
// captions: what the picture generator (tools/atlante) fits its frames to.
// Run in a working folder, with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "app/ModtavolaVel.h"
#include "chronology/Cronologiavel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "maps/ContenutoCarta.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

namespace {

QString esadecimale(forma::Colore c) { return QStringLiteral("0x%1").arg(c, 6, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x")); }

void scrivi(const QJsonObject& riga) {
    const QByteArray json = QJsonDocument(riga).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fputc('\n', stdout);
}

void stampa(const Tavolavel& t) {
    QJsonObject riga;
    riga.insert(QStringLiteral("lingua"), QString::fromStdString(ModtavolaVel::lingua));
    riga.insert(QStringLiteral("numcarta"), ModtavolaVel::numcarta);
    riga.insert(QStringLiteral("era"), t.LabCristo.Caption());
    riga.insert(QStringLiteral("year"), t.labAnni.Caption());
    riga.insert(QStringLiteral("picture"), t.Image1.Picture()->origine);
    riga.insert(QStringLiteral("inset"), t.Image2.Picture()->origine);
    QJsonArray etichette;
    for (const forma::Label* l : t.Label1) {
        QJsonObject e;
        e.insert(QStringLiteral("caption"), l->Caption());
        e.insert(QStringLiteral("top"), static_cast<double>(l->Top()));
        e.insert(QStringLiteral("left"), static_cast<double>(l->Left()));
        e.insert(QStringLiteral("forecolor"), esadecimale(l->ForeColor()));
        // the caption's width in pixels in the face the screen shows it in
        e.insert(QStringLiteral("width"), QFontMetrics(l->font()).horizontalAdvance(l->Caption()));
        e.insert(QStringLiteral("visible"), l->Visible());
        etichette.append(e);
    }
    riga.insert(QStringLiteral("labels"), etichette);
    riga.insert(QStringLiteral("text"), t.Text1.Text());
    scrivi(riga);
}

// The chronology as the reader uses it: opened from the main window, each
// language label clicked, then the 21 period buttons in turn.
void cronologia(Tavolavel& t) {
    t.Labcronol.Click();
    Cronologiavel& c = forma::Finestra<Cronologiavel>();
    forma::Label* etichette[] = {&c.Label7, &c.Label6, &c.Label8, &c.Label5};  // Italiano, Français, Español, English
    for (forma::Label* etichetta : etichette) {
        etichetta->Click();
        for (std::size_t pagina = 0; pagina < c.Label3.size(); ++pagina) {
            c.Label3[pagina]->Click();
            for (std::size_t riga = 0; riga < c.Label1.size(); ++riga) {
                QJsonObject r;
                r.insert(QStringLiteral("lingua"), QString::fromStdString(c.linguaCronologia));
                r.insert(QStringLiteral("numcarta"), c.inizioPagina + static_cast<int>(riga) + 1);
                r.insert(QStringLiteral("text"), c.Label1[riga]->Caption());
                scrivi(r);
            }
        }
    }
}

// The labels a map places (a place and an English caption that is not blank);
// a label its content only recaptions stays where an earlier map left it.
void catalogo() {
    for (const SchedaCarta& s : CatalogoCarte) {
        QJsonObject r;
        r.insert(QStringLiteral("numcarta"), s.numero);
        r.insert(QStringLiteral("picture"), QString::fromUtf8(s.fileCarta));
        r.insert(QStringLiteral("inset"), QString::fromUtf8(s.fileInserto));
        QJsonArray etichette;
        for (const contenuti::EtichettaCarta& e : s.dati->etichette) {
            const char* didascalia = e.didascalia[contenuti::Inglese];
            if (!e.posizione || !didascalia || QString::fromUtf8(didascalia).trimmed().isEmpty()) continue;
            QJsonObject l;
            l.insert(QStringLiteral("index"), e.indice);
            l.insert(QStringLiteral("top"), e.posizione->Top);
            l.insert(QStringLiteral("left"), e.posizione->Left);
            l.insert(QStringLiteral("caption"), QString::fromUtf8(didascalia));
            etichette.append(l);
        }
        r.insert(QStringLiteral("labels"), etichette);
        scrivi(r);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--catalogo"))) {
        catalogo();
        std::fflush(stdout);
        return 0;
    }
    Tavolavel& t = forma::Finestra<Tavolavel>();
    if (app.arguments().contains(QStringLiteral("--cronologia"))) {
        cronologia(t);
        std::fflush(stdout);
        forma::DistruggiTutte();
        return 0;
    }
    forma::Label* bandiere[] = {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING};
    for (forma::Label* bandiera : bandiere) {
        bandiera->Click();
        for (int n = 1; n <= NumeroCarte; ++n) {
            ModtavolaVel::numcarta = static_cast<std::int16_t>(n);
            t.disegnaCarta();
            stampa(t);
        }
    }
    std::fflush(stdout);
    forma::DistruggiTutte();
    return 0;
}
