#include "main_window/Tavolavel.h"

#include <QString>
#include <cmath>

#include "app/ModtavolaVel.h"
#include "app/Principale.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/FasceTempo.h"
#include "maps/ContenutoCarta.h"
#include "music/FMMediaVel.h"
#include "toolkit/Casuale.h"
#include "toolkit/Cursori.h"
#include "toolkit/FigureCondivise.h"
#include "toolkit/MisureFigure.h"
#include "toolkit/Registro.h"

using namespace ModtavolaVel;
using forma::vbCenter;
using forma::vbOpaque;
using forma::vbRightJustify;
using forma::vbTransparent;

namespace {

// Designed places and colours of the overlay labels: only seen where no map
// drawn since start-up has set them.
constexpr float sinistraProgetto[NumeroEtichette] = {
    480,   720,   1320,  1680,  2160,  2760,  3240,  3720,  4080,  4440,  4920,  5400,
    5760,  6000,  6600,  7080,  7440,  7800,  8160,  8520,  8880,  9240,  9600,  9840,
    10200, 10560, 10920, 11280, 11640, 120,   120,   600,   1080,  1440,  1920,  2280};

float altoProgetto(int i) {
    if (i <= 29) return 0;
    if (i == 30) return 1080;
    return 1200;
}

void etichetta(forma::Label& l, float left, float top, float width, float height, int backStyle,
               const char* caption) {
    l.Move(left, top, width, height);
    l.setBackStyle(backStyle);
    l.setCaption(QString::fromUtf8(caption));
}

// How the other windows reach this one: made known before main runs, in every
// program that holds the main window.
class Collegamento final : public principale::Principale {
public:
    void disegnaCarta() const override { forma::Finestra<Tavolavel>().disegnaCarta(); }
    void mostra() const override { forma::Finestra<Tavolavel>().Show(); }
    const contenuti::ContenutoCarta* contenutoDi(int carta) const override {
        const SchedaCarta* scheda = schedaDi(carta);
        return scheda ? scheda->dati : nullptr;
    }
};
const Collegamento collegamento;
[[maybe_unused]] const bool collegato = (principale::Collega(collegamento), true);

// The pictures start-up shows: map 1 and its inset.
constexpr const char* kCartaIniziale = "atlante\\5000bac.gif";
constexpr const char* kInsertoIniziale = "atlante\\battaglia2.jpg";

}  // namespace

void Tavolavel::PreparaFigureIniziali() {
    forma::PreparaFigura(QLatin1String(kCartaIniziale));
    forma::PreparaFigura(QLatin1String(kInsertoIniziale));
}

Tavolavel::Tavolavel() {
    for (int i = 0; i < NumeroEtichette; ++i) Label1[static_cast<std::size_t>(i)] = new forma::Label(this);
    progetta();
    collegaEventi();
}

void Tavolavel::progetta() {
    setCaption(QStringLiteral("CARTAVIVA"));
    setBackColor(0x400000);

    Text1.Move(1800, 6840, 8535, 1695);
    Text1.setBackColor(0x404040);
    Text1.setForeColor(0xFFC0FF);
    Text1.setFont(QStringLiteral("Futura Lt BT"), 9.75f);
    Text1.setBorderStyle(0);
    Text1.setLocked(true);
    Text1.setText(QStringLiteral("Text1"));

    ShapeDC.Move(1200, 6570, 6015, 135);
    ShapeDC.setFillColor(0xC00000);
    ShapeAC.Move(1200, 6180, 135, 135);
    ShapeAC.setFillColor(0x0000FF);

    etichetta(Label7, 1680, 6840, 135, 1695, vbOpaque, "");
    Label7.setBackColor(0x404040);

    etichetta(Labcronol, 1320, 5520, 2295, 255, vbTransparent, "Chronology");
    Labcronol.setForeColor(0xFFC0C0);
    Labcronol.setFont(QStringLiteral("Kabel Bk BT"), 9.75f, true);
    Labcronol.setAlignment(vbCenter);
    Labcronol.setCursor(forma::CursoreMano());

    etichetta(LabCOLLABOR, 6000, 8550, 4800, 240, vbTransparent,
              "Collaboratori   Collaborateurs  Colaboradores  Collaborators");
    LabCOLLABOR.setForeColor(0xFFC0C0);
    LabCOLLABOR.setFont(QStringLiteral("Kabel Bk BT"), 9.75f);
    LabCOLLABOR.setAutoSize(true);

    etichetta(Label6, 195, 8550, 2460, 195, vbTransparent, "CARTAVIVA, atlante storico");
    Label6.setForeColor(0xFF8080);
    Label6.setFont(QStringLiteral("MS Sans Serif"), 8.25f);
    Label6.setAutoSize(true);

    etichetta(Labstampa, 10440, 6820, 1335, 255, vbOpaque, "PRINT Map");
    Labstampa.setBackColor(0xC00000);
    Labstampa.setForeColor(0xFFC0C0);
    Labstampa.setFont(QStringLiteral("Kabel Bk BT"), 12, true);
    Labstampa.setAlignment(vbCenter);
    Labstampa.setCursor(forma::CursoreMano());

    for (int i = 0; i < NumeroEtichette; ++i) {
        forma::Label& l = *Label1[static_cast<std::size_t>(i)];
        l.setBackStyle(vbTransparent);
        l.setAutoSize(true);
        // Every map parks and empties the labels it does not use.
        l.setFuoriSeVuota(true);
        l.setFontName(QStringLiteral("MS Sans Serif"));
        l.setFontSize(8.25f);
        l.setForeColor(i <= 9 ? 0xC00000 : forma::ColoreTestoPulsante);
        l.setTop(altoProgetto(i));
        l.setLeft(sinistraProgetto[i]);
        l.setCaption(QString::number(i));
    }

    etichetta(LabSPA, 2400, 720, 735, 495, vbTransparent, "");
    etichetta(LabITA, 1800, 720, 615, 495, vbTransparent, "");
    etichetta(LabFRA, 1200, 720, 615, 495, vbTransparent, "");
    etichetta(LabING, 480, 720, 615, 495, vbTransparent, "");

    Image4.Move(480, 720, 2715, 510);
    Image4.setRiquadro(forma::misure::Bandiere);
    Image4.setPicture(forma::LoadPicture(QStringLiteral("atlante\\linguaing.gif")));

    etichetta(LabAc, 1200, 5980, 10600, 330, vbOpaque, "");
    LabAc.setBackColor(0x000000);
    LabAc.setForeColor(0xC0C0FF);
    LabAc.setFont(QStringLiteral("MS Sans Serif"), 8.25f);
    LabAc.setCursor(forma::CursoreCroce());

    etichetta(Label5, 120, 1200, 3495, 615, vbOpaque,
              "To explore the maps, click on 'Next' or 'Previous', otherwise click on the timeline below.");
    Label5.setBackColor(0x400000);
    Label5.setForeColor(0xFF8080);
    Label5.setFont(QStringLiteral("Arial"), 8.25f);
    Label5.setAlignment(vbCenter);

    etichetta(LabDc, 1200, 6380, 10600, 330, vbOpaque, "");
    LabDc.setBackColor(0x000000);
    LabDc.setForeColor(0xFF8080);
    LabDc.setFont(QStringLiteral("MS Sans Serif"), 8.25f);
    LabDc.setCursor(forma::CursoreCroce());

    etichetta(Labanimazioni, 120, 1800, 3495, 375, vbOpaque, "Animated Series");
    Labanimazioni.setBackColor(0x808080);
    Labanimazioni.setForeColor(0xFFC0C0);
    Labanimazioni.setFont(QStringLiteral("Kabel Bk BT"), 14.25f);
    Labanimazioni.setAlignment(vbCenter);

    etichetta(Label9, 750, 6405, 315, 195, vbTransparent, "A.D.");
    Label9.setForeColor(0xFFC0C0);
    Label9.setFont(QStringLiteral("MS Sans Serif"), 8.25f);
    Label9.setAutoSize(true);

    etichetta(Label8, 750, 6000, 300, 195, vbTransparent, "B.C.");
    Label8.setForeColor(0xC0C0FF);
    Label8.setFont(QStringLiteral("MS Sans Serif"), 8.25f);
    Label8.setAutoSize(true);

    etichetta(Label4, 960, 7920, 615, 495, vbTransparent, "");
    etichetta(Label3, 240, 7920, 615, 495, vbTransparent, "");

    Image7.Move(240, 7920, 1335, 525);
    Image7.setStretch(true);
    Image7.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti1.jpg")));

    for (forma::Label* l : {&Labsuccessiva, &Labprecedente}) {
        l->setBackStyle(vbOpaque);
        l->setBackColor(0x000000);
        l->setForeColor(0xFFC0C0);
        l->setFont(QStringLiteral("Comic Sans MS"), 9.75f, true);
        l->setAlignment(vbCenter);
    }
    etichetta(Labsuccessiva, 7800, 5520, 3975, 255, vbOpaque, "NEXT >>");
    etichetta(Labprecedente, 3840, 5520, 3975, 255, vbOpaque, "<<  PREVIOUS");

    etichetta(Labesci, 10560, 7620, 975, 870, vbTransparent, "Exit");
    Labesci.setForeColor(0xFFC0C0);
    Labesci.setFont(QStringLiteral("Italic"), 9.75f, true);
    Labesci.setAlignment(vbCenter);

    Shape2.Move(10440, 7155, 1215, 1215);
    Shape2.setForma(forma::vbShapeOval);
    Shape2.setFillColor(0x800000);
    Shape2.setBorderColor(0xFF0000);

    etichetta(Label2, 120, 300, 1815, 255, vbOpaque, "Map of the year");
    Label2.setBackColor(0x000000);
    Label2.setForeColor(0xFFC0C0);
    Label2.setFont(QStringLiteral("MS Sans Serif"), 9.75f, true);
    Label2.setAlignment(vbCenter);

    etichetta(labAnni, 120, 240, 2535, 375, vbOpaque, "5000");
    labAnni.setBackColor(0x404040);
    labAnni.setForeColor(0xFFC0C0);
    labAnni.setFont(QStringLiteral("MS Sans Serif"), 13.5f, true);
    labAnni.setAlignment(vbRightJustify);

    etichetta(LabCristo, 2640, 240, 975, 375, vbOpaque, "B. C.");
    LabCristo.setBackColor(0x404040);
    LabCristo.setForeColor(0xFFC0C0);
    LabCristo.setFont(QStringLiteral("MS Sans Serif"), 13.5f, true);
    LabCristo.setAlignment(vbCenter);

    Image2.Move(120, 2280, 3495, 3060);
    Image2.setRiquadro(forma::misure::Inserto);
    Image1.Move(3720, 240, 7815, 5055);
    Image1.setRiquadro(forma::misure::Carta);
    Image5.Move(360, 6960, 1275, 855);
    Image5.setRiquadro(forma::misure::Collegamenti);
    Image5.setPicture(forma::LoadPicture(QStringLiteral("atlante\\collegamenti.gif")));
    Image5.setCursor(forma::CursoreMano());

    Shape5.Move(1200, 5955, 10605, 800);
    Shape5.setFillColor(0x808080);
    Shape5.setBorderColor(std::nullopt);
    Shape3.Move(240, 5800, 1335, 1095);
    Shape3.setForma(forma::vbShapeOval);
    Shape3.setFillColor(0x808080);
    Shape1.Move(1440, 5400, 1935, 495);
    Shape1.setForma(forma::vbShapeOval);
    Shape1.setFillColor(0xFF0000);

    // Stacking order, bottom first: each raise puts a control over the others.
    QWidget* dalBasso[] = {&Shape1, &Shape3, &Shape5, &Image5, &Image1, &Image2, &LabCristo, &labAnni,
                           &Label2, &Shape2, &Labesci, &Labprecedente, &Labsuccessiva, &Image7, &Label3,
                           &Label4, &Label8, &Label9, &Labanimazioni, &LabDc, &Label5, &LabAc, &Image4,
                           &LabING, &LabFRA, &LabITA, &LabSPA};
    for (QWidget* w : dalBasso) w->raise();
    for (forma::Label* l : Label1) l->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{&Labstampa, &Label6, &LabCOLLABOR, &Labcronol, &Label7,
                                                      &ShapeAC, &ShapeDC, &Text1})
        w->raise();
}

void Tavolavel::collegaEventi() {
    Labanimazioni.MouseMove = [this](int, int, float, float) { Labanimazioni_MouseMove(); };
    LabCOLLABOR.MouseMove = [this](int, int, float, float) { LabCOLLABOR_MouseMove(); };
    Labesci.MouseMove = [this](int, int, float, float) { Labesci_MouseMove(); };
    Text1.MouseMove = [this](int, int, float, float) { Text1_MouseMove(); };

    Labprecedente.Click = [this] { Labprecedente_Click(); };
    Labsuccessiva.Click = [this] { Labsuccessiva_Click(); };
    Labprecedente.MouseDown = [this](int, int, float, float) { Labprecedente_MouseDown(); };
    Labprecedente.MouseUp = [this](int, int, float, float) { Labprecedente_MouseUp(); };
    Labsuccessiva.MouseDown = [this](int, int, float, float) { Labsuccessiva_MouseDown(); };
    Labsuccessiva.MouseUp = [this](int, int, float, float) { Labsuccessiva_MouseUp(); };

    LabAc.MouseDown = [this](int b, int s, float x, float y) { LabAc_MouseDown(b, s, x, y); };
    LabDc.MouseDown = [this](int b, int s, float x, float y) { LabDc_MouseDown(b, s, x, y); };

    LabITA.Click = [this] { LabITA_Click(); };
    LabFRA.Click = [this] { LabFRA_Click(); };
    LabSPA.Click = [this] { LabSPA_Click(); };
    LabING.Click = [this] { LabING_Click(); };

    Labcronol.Click = [this] { Labcronol_Click(); };
    Labanimazioni.Click = [this] { Labanimazioni_Click(); };
    LabCOLLABOR.Click = [this] { LabCOLLABOR_Click(); };
    Labstampa.Click = [this] { Labstampa_Click(); };
    Label3.Click = [this] { Label3_Click(); };
    Label4.Click = [this] { Label4_Click(); };
    Labesci.Click = [this] { Labesci_Click(); };
    Image5.Click = [this] { Image5_Click(); };
}

void Tavolavel::Form_Load() {
    for (forma::Label* l : Label1) {
        l->setFontName(QStringLiteral("Arial"));
        l->setFontSize(7);
    }
    ShapeAC.setWidth(1);
    ShapeDC.setWidth(1);
    lingua = "inglese";
    LabAc.setCaption(QStringLiteral(
        "..3400......3200.....3000......2800.....2600......2400.....2200......2000......1800......1600....."
        "1400.....1200.....1000......800......600.......400........200.........0"));
    LabDc.setCaption(QStringLiteral(
        "0.......200.......400.......600.......800.......1000......1200......1400......1600......1800......"
        "2000"));
    Labprecedente.setEnabled(false);
    forma::Randomize();
    brano = forma::BranoCasuale();
    numcarta = 1;
    Image1.setPicture(forma::CaricaFigura(QLatin1String(kCartaIniziale)));
    Image2.setPicture(forma::CaricaFigura(QLatin1String(kInsertoIniziale)));
    ac5000();
    labAnni.setCaption(QString::number(5000));
    forma::Finestra<FMMediaVel>().Command1.setValue(true);
    preparaVicine();
}

void Tavolavel::applica(const contenuti::ContenutoCarta& contenuto) {
    contenuti::applicaContenuto(contenuto, Label1, Text1, lingua);
}

// Hover colours: each handler sets its colours on every move it receives.
void Tavolavel::Labanimazioni_MouseMove() { Labanimazioni.setForeColor(0x0000FF); }
void Tavolavel::Labesci_MouseMove() { Labesci.setForeColor(0x0000FF); }
void Tavolavel::LabCOLLABOR_MouseMove() { LabCOLLABOR.setForeColor(0xFFFF80); }
void Tavolavel::Text1_MouseMove() { LabCOLLABOR.setForeColor(0xFFC0C0); }

void Tavolavel::Form_MouseMove(int, int, float, float) {
    Labesci.setForeColor(0xFFC0C0);
    Labanimazioni.setForeColor(0xFFC0C0);
    LabCOLLABOR.setForeColor(0xFFC0C0);
    Shape3.setFillColor(0x404040);
}
