// Drawing a map through the catalogue, Previous and Next, the timelines and
// the language flags.
#include <QString>
#include <cmath>

#include "app/ModtavolaVel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/FasceTempo.h"
#include "main_window/Tavolavel.h"
#include "maps/ContenutoCarta.h"
#include "toolkit/FigureCondivise.h"
#include "toolkit/ProssimoFotogramma.h"

using namespace ModtavolaVel;

namespace {

// Era words beside the year, by language (Italian, French, Spanish, English):
// BC, AD.
struct ParoleEra {
    const char* aC;
    const char* dC;
};
constexpr ParoleEra paroleEra[contenuti::NumeroLingue] = {
    {"a.C.", "d.C."},
    {"av.JC.", "ap.JC."},
    {"a.C.", "d.C."},
    {"B.C.", "A.D."},
};

// Another value of `lingua` leaves the era word as it is.
void scriviEra(forma::Label& LabCristo, bool dopoCristo) {
    const std::optional<contenuti::Lingua> l = contenuti::linguaDa(lingua);
    if (!l) return;
    const ParoleEra& p = paroleEra[*l];
    LabCristo.setCaption(QString::fromUtf8(dopoCristo ? p.dC : p.aC));
}

}  // namespace

// Draws the entry in the order the maps were designed for: picture, year, the
// inset before or after the content, then nothing else. Nothing is reset: what
// an entry does not set stays as the previous map left it.
static void disegnaScheda(Tavolavel& t, const SchedaCarta& s) {
    t.Image1.setPicture(forma::CaricaFigura(QString::fromUtf8(s.fileCarta)));
    t.labAnni.setCaption(QString::fromUtf8(s.anno));
    const bool inserto = s.fileInserto[0] != '\0';
    if (inserto && !s.dopoContenuto) t.Image2.setPicture(forma::CaricaFigura(QString::fromUtf8(s.fileInserto)));
    (t.*s.contenuto)();
    if (inserto && s.dopoContenuto) t.Image2.setPicture(forma::CaricaFigura(QString::fromUtf8(s.fileInserto)));
}

// Once the map's frame is on the screen, the pictures of the maps either side
// are read, so that Next and Previous find them decoded.
void Tavolavel::preparaVicine() {
    if (vicineInAttesa_) return;
    vicineInAttesa_ = true;
    forma::DopoIlProssimoFotogramma(*this, [this] {
        vicineInAttesa_ = false;
        for (const int vicina : {numcarta + 1, numcarta - 1}) {
            const SchedaCarta* s = schedaDi(vicina);
            if (!s) continue;
            forma::PreparaFigura(QString::fromUtf8(s->fileCarta));
            if (s->fileInserto[0]) forma::PreparaFigura(QString::fromUtf8(s->fileInserto));
        }
    });
}

void Tavolavel::CArte() {
    scriviEra(LabCristo, false);
    if (numcarta < 1 || numcarta > UltimaCartaaC) return;
    disegnaScheda(*this, *schedaDi(numcarta));
    preparaVicine();
}

void Tavolavel::carte2() {
    scriviEra(LabCristo, true);
    if (numcarta <= UltimaCartaaC || numcarta > NumeroCarte) return;
    disegnaScheda(*this, *schedaDi(numcarta));
    preparaVicine();
}

void Tavolavel::disegnaCarta() {
    if (numcarta > UltimaCartaaC)
        carte2();
    else
        CArte();
}

// --- Previous and Next -----------------------------------------------------

void Tavolavel::barraDaAnno(bool dopoCristo) {
    forma::Label& linea = dopoCristo ? LabDc : LabAc;
    // Banker's rounding of width / 3500, as the design computes it: 3 with
    // the designed width.
    const double fattore = std::nearbyint(static_cast<double>(linea.Width()) / 3500.0);
    const double anni = labAnni.Caption().toDouble();
    const auto quantita = static_cast<std::int16_t>(std::nearbyint(fattore * anni));
    if (dopoCristo)
        ShapeDC.setWidth(quantita);
    else
        ShapeAC.setWidth(LabAc.Width() - quantita);
}

void Tavolavel::Labprecedente_Click() {
    if (numcarta == 1) return;
    Labsuccessiva.setEnabled(true);
    numcarta = static_cast<std::int16_t>(numcarta - 1);
    if (numcarta == 1) {
        Labprecedente.setEnabled(false);
        CArte();
        ShapeAC.setWidth(1);
        return;
    }
    disegnaCarta();
    barraDaAnno(numcarta > UltimaCartaaC);
}

void Tavolavel::Labsuccessiva_Click() {
    if (numcarta == NumeroCarte) return;
    numcarta = static_cast<std::int16_t>(numcarta + 1);
    Labprecedente.setEnabled(true);
    if (numcarta == NumeroCarte) Labsuccessiva.setEnabled(false);
    disegnaCarta();
    barraDaAnno(numcarta > UltimaCartaaC);
}

void Tavolavel::Labprecedente_MouseDown() { Labprecedente.setForeColor(0x808080); }
void Tavolavel::Labprecedente_MouseUp() { Labprecedente.setForeColor(0xFFC0C0); }
void Tavolavel::Labsuccessiva_MouseDown() { Labsuccessiva.setForeColor(0x808080); }
void Tavolavel::Labsuccessiva_MouseUp() { Labsuccessiva.setForeColor(0xFFC0C0); }

// --- Timelines -------------------------------------------------------------

void Tavolavel::LabAc_MouseDown(int, int, float X, float) {
    Labprecedente.setEnabled(true);
    posizione = std::floor(X / 3.0f);
    ShapeAC.setWidth(X);
    ShapeDC.setWidth(1);
    POsizioneaC();
}

void Tavolavel::LabDc_MouseDown(int, int, float X, float) {
    if (X > 6200) return;
    Labprecedente.setEnabled(true);
    posizione = std::floor(X / 3.0f);
    ShapeDC.setWidth(X);
    ShapeAC.setWidth(10600);
    PosizionedC();
}

void Tavolavel::POsizioneaC() {
    posizione = 3500 - posizione;
    if (auto carta = cartaPer(FasceaC, posizione)) numcarta = *carta;
    CArte();
}

void Tavolavel::PosizionedC() {
    if (auto carta = cartaPer(FascedC, posizione)) numcarta = *carta;
    carte2();
}

// --- Language flags ----------------------------------------------------------

namespace {

// The ten captions a flag sets, in the order it sets them; columns Italian,
// French, Spanish, English.
struct DidascaliaLocalizzata {
    forma::Label Tavolavel::*controllo;
    const char* testi[4];
};

const DidascaliaLocalizzata didascalieLocalizzate[] = {
    {&Tavolavel::Label2, {"Carta dell'anno", "Carte de l'année", "Mapa de", "Map of the year"}},
    {&Tavolavel::Label5,
     {"Per esplorare le carte, clicca su 'Avanti' o 'Indietro'. Può scegliere un periodo cliccando sulle due "
      "linee del tempo.",
      "Pour explorer les cartes, cliquez sur 'Suivante' ou 'Précédente'. Pour choisir une période, cliquez sur "
      "les deux lignes du temps.",
      "Para ver los mapas, hacer clic en 'Anterior' o 'Siguiente'. Se puede seleccionar un periodo haciendo clic "
      "en las barras del tiempo.",
      "To explore the maps, click on 'Next' or 'Previous'. To choose a period, click on the timelines below."}},
    {&Tavolavel::Labanimazioni, {"Carte animate", "Séries animées", "Mapas animados", "Animated Series"}},
    {&Tavolavel::Labprecedente, {"<<  INDIETRO", "<<  PRECEDENTE", "<<  ANTERIOR", "<<  PREVIOUS"}},
    {&Tavolavel::Labsuccessiva, {"AVANTI  >>", "SUIVANTE  >>", "SIGUIENTE  >>", "NEXT  >>"}},
    {&Tavolavel::Labesci, {"Esci", "Sortie", "Salir", "Exit"}},
    {&Tavolavel::Label8, {"a.C.", "Av.JC.", "a.C.", "B.C."}},
    {&Tavolavel::Label9, {"d.C.", "Ap.JC.", "d.C.", "A.D."}},
    {&Tavolavel::Labstampa, {"STAMPA", "IMPRIME", "IMPRIMIR", "PRINT Map"}},
    {&Tavolavel::Labcronol, {"Cronologia", "Chronologie", "Cronología", "Chronology"}},
};

}  // namespace

void Tavolavel::cambiaLingua(const char* parola, const char* bandiera, int colonna) {
    lingua = parola;
    Image4.setPicture(forma::LoadPicture(QString::fromUtf8(bandiera)));
    for (const DidascaliaLocalizzata& d : didascalieLocalizzate)
        (this->*d.controllo).setCaption(QString::fromUtf8(d.testi[colonna]));
    disegnaCarta();
}

void Tavolavel::LabITA_Click() { cambiaLingua("italiano", "atlante\\linguaita.gif", 0); }
void Tavolavel::LabFRA_Click() { cambiaLingua("francese", "atlante\\linguafra.gif", 1); }
void Tavolavel::LabSPA_Click() { cambiaLingua("spagnolo", "atlante\\linguaspa.gif", 2); }
void Tavolavel::LabING_Click() { cambiaLingua("inglese", "atlante\\linguaing.gif", 3); }
