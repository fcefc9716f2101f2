#include "animation/mapanimVel.h"

#include <QPainter>
#include <QPainterPath>

#include "app/ModtavolaVel.h"
#include "app/Principale.h"
#include "maps/ContenutoCarta.h"
#include "music/FMMediaVel.h"
#include "toolkit/Casuale.h"
#include "toolkit/Figure.h"
#include "toolkit/MisureFigure.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

using namespace ModtavolaVel;
using forma::vbCenter;
using forma::vbLeftJustify;
using forma::vbOpaque;
using forma::vbTransparent;

namespace {

// ---------------------------------------------------------------------------
// The four series: each frame a picture and its date, the same in every
// language. The dates are the series' own, even where they differ from the
// year in the picture's name.
// ---------------------------------------------------------------------------

struct Fotogramma {
    const char* figura;
    const char* data;
};

// World series, 28 frames.
constexpr Fotogramma serie_mondo[] = {
    {"atlante\\5000bac.gif", "5000 B.C."},
    {"atlante\\3000ac.gif", "3000 B.C."},
    {"atlante\\1500ac.gif", "1500 B.C."},
    {"atlante\\1250ac.gif", "1250 B.C."},
    {"atlante\\770ac.gif", "770 B.C."},
    {"atlante\\500ac.gif", "500 B.C."},
    {"atlante\\221ac.gif", "221 B.C."},
    {"atlante\\zero.gif", "Zero"},
    {"atlante\\117dc.gif", "117"},
    {"atlante\\mo250dc.gif", "250"},
    {"atlante\\mo500dc.gif", "500"},
    {"atlante\\mo750dc.gif", "750"},
    {"atlante\\mo1000dc.gif", "1000"},
    {"atlante\\mo1200dc.gif", "1200"},
    {"atlante\\mo1260dc.gif", "1260"},
    {"atlante\\mo1300dc.gif", "1300"},
    {"atlante\\mo1400dc.gif", "1400"},
    {"atlante\\mo1500dc.gif", "1500"},
    {"atlante\\mo1600dc.gif", "1600"},
    {"atlante\\mo1700dc.gif", "1700"},
    {"atlante\\mo1800dc.gif", "1800"},
    {"atlante\\mo1812dc.gif", "1812"},
    {"atlante\\mo1850dc.gif", "1850"},
    {"atlante\\mo1900dc.gif", "1900"},
    {"atlante\\mo1925dc.gif", "1925"},
    {"atlante\\mo1950dc.gif", "1950"},
    {"atlante\\mo1975dc.gif", "1975"},
    {"atlante\\mo2000dc.gif", "2000"},
};
// Europe series, 63 frames.
constexpr Fotogramma serie_europa[] = {
    {"atlante\\eu268dc.gif", "268"},
    {"atlante\\eu290dc.gif", "290"},
    {"atlante\\eu330dc.gif", "330"},
    {"atlante\\eu378dc.gif", "378"},
    {"atlante\\eu410dc.gif", "410"},
    {"atlante\\eu451dc.gif", "451"},
    {"atlante\\eu476dc.gif", "476"},
    {"atlante\\eu500dc.gif", "500"},
    {"atlante\\eu526dc.gif", "526"},
    {"atlante\\eu565dc.gif", "565"},
    {"atlante\\eu600dc.gif", "600"},
    {"atlante\\eu700dc.gif", "700"},
    {"atlante\\eu732dc.gif", "732"},
    {"atlante\\eu774dc.gif", "768"},
    {"atlante\\eu800dc.gif", "800"},
    {"atlante\\eu843dc.gif", "843"},
    {"atlante\\eu870dc.gif", "870"},
    {"atlante\\eu900dc.gif", "900"},
    {"atlante\\eu1000dc.gif", "1000"},
    {"atlante\\eu1032dc.gif", "1032"},
    {"atlante\\eu1075dc.gif", "1075"},
    {"atlante\\eu1092dc.gif", "1092"},
    {"atlante\\eu1100dc.gif", "1100"},
    {"atlante\\eu1120dc.gif", "1120"},
    {"atlante\\eu1160dc.gif", "1160"},
    {"atlante\\eu1180dc.gif", "1192"},
    {"atlante\\eu1200dc.gif", "1200"},
    {"atlante\\eu1205dc.gif", "1205"},
    {"atlante\\eu1270dc.gif", "1270"},
    {"atlante\\eu1300dc.gif", "1300"},
    {"atlante\\eu1328dc.gif", "1328"},
    {"atlante\\eu1400dc.gif", "1400"},
    {"atlante\\eu1430dc.gif", "1430"},
    {"atlante\\eu1470dc.gif", "1470"},
    {"atlante\\eu1500dc.gif", "1500"},
    {"atlante\\eu1530dc.gif", "1530"},
    {"atlante\\eu1600dc.gif", "1600"},
    {"atlante\\eu1618dc.gif", "1618"},
    {"atlante\\eu1648dc.gif", "1648"},
    {"atlante\\eu1660dc.gif", "1660"},
    {"atlante\\eu1700dc.gif", "1700"},
    {"atlante\\eu1748dc.gif", "1748"},
    {"atlante\\eu1772dc.gif", "1772"},
    {"atlante\\eu1793dc.gif", "1793"},
    {"atlante\\eu1795dc.gif", "1795"},
    {"atlante\\eu1803dc.gif", "1803"},
    {"atlante\\eu1808dc.gif", "1808"},
    {"atlante\\eu1812dc.gif", "1812"},
    {"atlante\\eu1815dc.gif", "1815"},
    {"atlante\\eu1833dc.gif", "1833"},
    {"atlante\\eu1861dc.gif", "1861"},
    {"atlante\\eu1866dc.gif", "1866"},
    {"atlante\\eu1871dc.gif", "1871"},
    {"atlante\\eu1878dc.gif", "1878"},
    {"atlante\\eu1885dc.gif", "1885"},
    {"atlante\\eu1913dc.gif", "1913"},
    {"atlante\\eu1919dc.gif", "1919"},
    {"atlante\\eu1938dc.gif", "1938"},
    {"atlante\\eu1939dc.gif", "1939"},
    {"atlante\\eu1945dc.gif", "1945"},
    {"atlante\\eu1990dc.gif", "1990"},
    {"atlante\\eu1991dc.gif", "1991"},
    {"atlante\\eu1992dc.gif", "1992"},
};
// Middle East series, 40 frames.
constexpr Fotogramma serie_medioriente[] = {
    {"atlante\\3300ac.gif", "3300 B.C."},
    {"atlante\\3100ac.gif", "3100 B.C."},
    {"atlante\\2350ac.gif", "2350 B.C."},
    {"atlante\\2220ac.gif", "2200 B.C."},
    {"atlante\\2112ac.gif", "2112 B.C."},
    {"atlante\\2061ac.gif", "2061 B.C."},
    {"atlante\\2004ac.gif", "2004 B.C."},
    {"atlante\\1950ac.gif", "1950 B.C."},
    {"atlante\\1810ac.gif", "1810 B.C."},
    {"atlante\\1760ac.gif", "1760 B.C."},
    {"atlante\\1685ac.gif", "1685 B.C."},
    {"atlante\\1650ac.gif", "1650 B.C."},
    {"atlante\\1595ac.gif", "1595 B.C."},
    {"atlante\\1580ac.gif", "1580 B.C."},
    {"atlante\\1550ac.gif", "1550 B.C."},
    {"atlante\\1512ac.gif", "1512 B.C."},
    {"atlante\\1400ac.gif", "1400 B.C."},
    {"atlante\\1365ac.gif", "1365 B.C."},
    {"atlante\\1286ac.gif", "1286 B.C."},
    {"atlante\\1280ac.gif", "1280 B.C."},
    {"atlante\\1230ac.gif", "1230 B.C."},
    {"atlante\\1200ac.gif", "1200 B.C."},
    {"atlante\\1157ac.gif", "1157 B.C."},
    {"atlante\\1120ac.gif", "1120 B.C."},
    {"atlante\\1100ac.gif", "1100 B.C."},
    {"atlante\\1085ac.gif", "1085 B.C."},
    {"atlante\\1020ac.gif", "1020 B.C."},
    {"atlante\\900ac.gif", "900 B.C."},
    {"atlante\\745ac.gif", "745 B.C."},
    {"atlante\\732ac.gif", "732 B.C."},
    {"atlante\\722ac.gif", "722 B.C."},
    {"atlante\\671ac.gif", "671 B.C."},
    {"atlante\\652ac.gif", "652 B.C."},
    {"atlante\\626ac.gif", "626 B.C."},
    {"atlante\\612ac.gif", "612 B.C."},
    {"atlante\\587ac.gif", "587 B.C."},
    {"atlante\\550ac.gif", "550 B.C."},
    {"atlante\\536ac.gif", "536 B.C."},
    {"atlante\\525ac.gif", "525 B.C."},
    {"atlante\\512ac.gif", "512 B.C."},
};
// Mediterranean series, 25 frames.
constexpr Fotogramma serie_mediterraneo[] = {
    {"atlante\\450ac.gif", "450 B.C."},
    {"atlante\\396ac.gif", "396 B.C."},
    {"atlante\\390ac.gif", "390 B.C."},
    {"atlante\\357ac.gif", "357 B.C."},
    {"atlante\\348ac.gif", "348 B.C."},
    {"atlante\\338ac.gif", "338 B.C."},
    {"atlante\\333ac.gif", "333 B.C."},
    {"atlante\\332ac.gif", "332 B.C."},
    {"atlante\\331ac.gif", "331 B.C."},
    {"atlante\\329ac.gif", "329 B.C."},
    {"atlante\\326ac.gif", "326 B.C."},
    {"atlante\\303ac.gif", "303 B.C."},
    {"atlante\\290ac.gif", "290 B.C."},
    {"atlante\\264ac.gif", "264 B.C."},
    {"atlante\\241ac.gif", "241 B.C."},
    {"atlante\\212ac.gif", "212 B.C."},
    {"atlante\\202ac.gif", "202 B.C."},
    {"atlante\\198ac.gif", "198 B.C."},
    {"atlante\\188ac.gif", "188 B.C."},
    {"atlante\\146ac.gif", "146 B.C."},
    {"atlante\\133ac.gif", "133 B.C."},
    {"atlante\\106ac.gif", "106 B.C."},
    {"atlante\\59ac.gif", "59 B.C."},
    {"atlante\\dc14.gif", "14 A.D."},
    {"atlante\\dc87.gif", "87 A.D."},
};

// ---------------------------------------------------------------------------
// The two pictures that belong to the design rather than to the atlas' files.
// ---------------------------------------------------------------------------

// Two loudspeakers, the right one crossed out in red (85 by 43 pixels).
forma::Picture altoparlantiProgetto() {
    QImage img(85, 43, QImage::Format_RGB32);
    img.fill(QColor(0x40, 0x40, 0x40));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int x0 : {6, 48}) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.setBrush(QColor(0xD8, 0xD8, 0xD8));
        p.drawRect(x0, 15, 9, 13);
        QPolygon cono;
        cono << QPoint(x0 + 9, 15) << QPoint(x0 + 22, 5) << QPoint(x0 + 22, 38) << QPoint(x0 + 9, 28);
        p.drawPolygon(cono);
        p.setPen(QPen(QColor(0xF0, 0xF0, 0xF0), 2));
        p.drawArc(x0 + 20, 12, 10, 19, -60 * 16, 120 * 16);
    }
    p.setPen(QPen(QColor(0xE0, 0x10, 0x10), 4));
    p.drawLine(46, 4, 80, 39);
    p.drawLine(80, 4, 46, 39);
    return forma::FiguraDa(img);
}

// A blue-tinted engraving-like scene: sky, hills and a column (236 by 204
// pixels), shown stretched in its box under Back.
forma::Picture decorazioneProgetto() {
    QImage img(236, 204, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, 204);
    cielo.setColorAt(0, QColor(0x9C, 0xB4, 0xE0));
    cielo.setColorAt(1, QColor(0x20, 0x30, 0x70));
    p.fillRect(img.rect(), cielo);
    p.setPen(QPen(QColor(0x18, 0x24, 0x58, 110), 1));
    for (int y = 4; y < 204; y += 5) p.drawLine(0, y, 236, y - 12);  // engraved hatching
    QPainterPath colline;
    colline.moveTo(0, 150);
    colline.cubicTo(60, 110, 120, 170, 236, 120);
    colline.lineTo(236, 204);
    colline.lineTo(0, 204);
    colline.closeSubpath();
    p.fillPath(colline, QColor(0x22, 0x2C, 0x60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xD4, 0xF0));
    p.drawRect(168, 60, 18, 90);
    p.drawRect(160, 52, 34, 10);
    p.drawRect(160, 148, 34, 8);
    return forma::FiguraDa(img);
}

void etichetta(forma::Label& l, float left, float top, float width, float height, const char* caption) {
    l.Move(left, top, width, height);
    l.setCaption(QString::fromUtf8(caption));
}

void pulsante(forma::CommandButton& b, float left, float width, const char* caption) {
    b.Move(left, 6600, width, 615);
    b.setCaption(QString::fromUtf8(caption));
}

}  // namespace

// ---------------------------------------------------------------------------
// The window object.
// ---------------------------------------------------------------------------

std::shared_ptr<mapanimVel::Oggetto> mapanimVel::oggettoFinestra() {
    static std::shared_ptr<Oggetto> unico;
    if (!unico) {
        static const bool registrato = [] {
            forma::AllaDistruzioneDiTutte([] { unico.reset(); });
            return true;
        }();
        (void)registrato;
        unico = std::make_shared<Oggetto>();
    }
    return unico;
}

// ---------------------------------------------------------------------------
// Design.
// ---------------------------------------------------------------------------

mapanimVel::mapanimVel() {
    progetta();
    collegaEventi();
}

void mapanimVel::progetta() {
    setBackColor(0x400000);

    Shape3.Move(840, 120, 10695, 975);
    Shape3.setFillColor(std::nullopt);
    Shape3.setBorderColor(0xFFC0C0);

    etichetta(Label9, 960, 240, 1215, 735, "Maps series");
    Label9.setBackStyle(vbTransparent);
    Label9.setForeColor(0xFFC0C0);
    Label9.setFont(QStringLiteral("Arial"), 12, true);
    Label9.setAlignment(vbCenter);

    struct Serie {
        forma::Label& l;
        float left, top, width;
        const char* caption;
        forma::Colore testo, sfondo;
    };
    for (const Serie& s : {Serie{Labmondo, 2400, 240, 3495, "World: 3000 BC - 2000 AC.  (28 frames)", 0xFFFF00, 0x808000},
                           Serie{Labeuropa, 2400, 720, 3495, "Europe 268 - 2000 (63 frames) ", 0xFFC0FF, 0x800080},
                           Serie{Laboriente, 6720, 240, 4095, "Middle east: 3300 BC. - 512 BC. 40frames)", 0xC0FFC0,
                                 0xC00000},
                           Serie{Labmediterr, 6720, 720, 4095, "Mediterranean: 450 BC. - 87 AD (25 frames)", 0xFFFFC0,
                                 0x800000}}) {
        etichetta(s.l, s.left, s.top, s.width, 255, s.caption);
        s.l.setBackStyle(vbOpaque);
        s.l.setForeColor(s.testo);
        s.l.setBackColor(s.sfondo);
        s.l.setFont(QStringLiteral("Arial"), 8.25f, true);
        s.l.setAlignment(vbCenter);
    }

    // Not stretched: the frame picture takes the size of the picture it shows.
    Image1.Move(720, 1200, 8055, 4815);
    Image1.setStretch(false);
    Image1.setRiquadro(forma::misure::Carta);

    etichetta(Label1, 9840, 3120, 1575, 495, "Date");
    Label1.setBackStyle(vbTransparent);
    Label1.setForeColor(0xFFC0C0);
    Label1.setFont(QStringLiteral("MS Sans Serif"), 18, true);
    Label1.setAlignment(vbCenter);

    Shape1.Move(840, 6480, 4335, 855);
    Shape1.setForma(forma::vbShapeRoundedRectangle);
    Shape1.setBorderWidth(3);
    Shape1.setFillColor(0x808080);
    Shape1.setBorderColor(0xFF8080);

    pulsante(cmdprima, 960, 495, "<<");
    pulsante(cmdprec, 1560, 495, "<");
    pulsante(cmdstop, 2160, 855, "stop");
    pulsante(cmdplay, 3120, 735, "Play");
    pulsante(cmdseg, 3960, 495, ">");
    pulsante(cmdultima, 4560, 495, ">>");

    etichetta(Label3, 840, 7440, 615, 255, "Fastly");
    Label3.setBackStyle(vbTransparent);
    Label3.setForeColor(0x8080FF);
    Label3.setFont(QStringLiteral("MS Sans Serif"), 8.25f, true);
    Label3.setAlignment(vbCenter);

    etichetta(Label2, 4560, 7440, 735, 255, "Slowly");
    Label2.setBackStyle(vbTransparent);
    Label2.setForeColor(0x8080FF);
    Label2.setFont(QStringLiteral("MS Sans Serif"), 8.25f, true);
    Label2.setAlignment(vbLeftJustify);

    Shape2.Move(840, 7680, 4335, 495);
    Shape2.setForma(forma::vbShapeRoundedRectangle);
    Shape2.setBorderWidth(3);
    Shape2.setFillColor(0x404040);
    Shape2.setBorderColor(0x8080FF);

    // The pace in milliseconds per frame, 100 ("Fastly") to 3000 ("Slowly").
    HScroll1.Move(960, 7800, 4095, 255);
    HScroll1.setMin(100);
    HScroll1.setMax(3000);
    HScroll1.setSmallChange(100);
    HScroll1.setLargeChange(500);
    HScroll1.setValue(1000);

    etichetta(Label5, 5280, 6480, 4215, 495, "Begin selecting the map serie");
    Label5.setBackStyle(vbTransparent);
    Label5.setForeColor(0x0000C0);
    Label5.setFont(QStringLiteral("Lucida Sans Unicode"), 9.75f, true);
    Label5.setAlignment(vbCenter);

    Image3.Move(6720, 7080, 1275, 645);
    Image3.setStretch(false);
    Image3.setRiquadro(forma::misure::Altoparlanti);
    Image3.setPicture(altoparlantiProgetto());
    etichetta(Label6, 6720, 7080, 615, 615, "");
    Label6.setBackStyle(vbTransparent);
    etichetta(Label7, 7320, 7080, 615, 615, "");
    Label7.setBackStyle(vbTransparent);

    etichetta(Labesci, 6720, 7920, 1215, 495, "Exit");
    Labesci.setBackStyle(vbTransparent);
    Labesci.setForeColor(0xFF8080);
    Labesci.setFont(QStringLiteral("Arial"), 12, true);
    Labesci.setAlignment(vbCenter);

    Image2.Move(9480, 6480, 2085, 1695);
    Image2.setStretch(true);
    Image2.setPicture(decorazioneProgetto());

    etichetta(Labtorna, 9840, 7080, 1455, 495, "Back to Main menu");
    Labtorna.setBackStyle(vbTransparent);
    Labtorna.setForeColor(0xFFC0FF);
    Labtorna.setFont(QStringLiteral("Arial"), 9.75f, true);
    Labtorna.setAlignment(vbCenter);

    Timer1.setInterval(1000);

    // Keyboard focus: stop first, then the speed bar and the other buttons.
    OrdineDelFuoco({&cmdstop, &HScroll1, &cmdprima, &cmdultima, &cmdprec, &cmdseg, &cmdplay});
}

void mapanimVel::collegaEventi() {
    Timer1.Tick = [this] { Timer1_Timer(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
    cmdplay.Click = [this] { cmdplay_Click(); };
    cmdstop.Click = [this] { cmdstop_Click(); };
    cmdprima.Click = [this] { cmdprima_Click(); };
    cmdprec.Click = [this] { cmdprec_Click(); };
    cmdseg.Click = [this] { cmdseg_Click(); };
    cmdultima.Click = [this] { cmdultima_Click(); };
    Labmondo.Click = [this] { Labmondo_Click(); };
    Labeuropa.Click = [this] { Labeuropa_Click(); };
    Laboriente.Click = [this] { Laboriente_Click(); };
    Labmediterr.Click = [this] { Labmediterr_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Labtorna.Click = [this] { Labtorna_Click(); };
    Labesci.Click = [this] { Labesci_Click(); };
    Labmondo.MouseMove = [this](int, int, float, float) { Labmondo_MouseMove(); };
    Labeuropa.MouseMove = [this](int, int, float, float) { Labeuropa_MouseMove(); };
    Laboriente.MouseMove = [this](int, int, float, float) { Laboriente_MouseMove(); };
    Labmediterr.MouseMove = [this](int, int, float, float) { Labmediterr_MouseMove(); };
    Labtorna.MouseMove = [this](int, int, float, float) { Labtorna_MouseMove(); };
    Labesci.MouseMove = [this](int, int, float, float) { Labesci_MouseMove(); };
}

// ---------------------------------------------------------------------------
// Start-up: playback stopped on frame 1, captions in the current language.
// ---------------------------------------------------------------------------

void mapanimVel::Form_Load() {
    Timer1.setEnabled(false);
    fotogramma = 1;
    // By language: Italian, French, Spanish, English.
    struct Didascalie {
        const char *oriente, *mediterr, *data, *torna, *suggerimento, *mondo, *europa, *serie, *esci, *veloce, *lento;
    };
    static constexpr Didascalie tabella[contenuti::NumeroLingue] = {
        {"Oriente: 3300 a.C. - 512 a.C. 40 mapas", "Mediterraneo: 450 a.C. - 87 a.C 25 mapas", "",
         "Torna al Menù principale", "Per iniziare, scegli una serie", "Mondo: 5000 a.C. - 2000 d.C. 28 carte",
         "Europa: 268 - 1993 d.C. 63 carte", "Serie", "Esci", "Veloce", "Lento"},
        {"Orient: 3300 av.C. - 512 av.C. 40 cartes", "Méditerranée: 450 av.C. - 87 av.C 25 cartes", "",
         "Retour au menu principal", "Choisir une série pour commencer", "Monde: 5000 av.C. - 2000 ap.C. 28 cartes",
         "Europe: 268 - 1993 ap.JC. 63 cartes", "Séries", "Sortie", "Rapide", "Lent"},
        {"Oriente: 3300 a.C. - 512 a.C. 40 mapas", "Mediterráneo: 450 a.C. - 87 a.C 25 mapas", "",
         "Menú principal", "Selecciona la serie", "Mundo: 5000 a.C. - 2000 d.C. 28 mapas",
         "Europa: 268 - 1993 d.C. 63 mapas", "Mapas", "Salir", "Rápido", "Lento"},
        {"Middle East: 3300 BC - 512 AC 40 frames", "Mediterranean: 450 BC - 87 BC 25 frames", "",
         "Back to main menu", "Select, before, the map serie", "World: 5000 BC - 2000 AC 28 frames",
         "Europe: 268 AC - 1993 AC 63 frames", "Maps series", "Exit", "Fastly", "Slowly"},
    };
    // Another value of `lingua` keeps the designed captions.
    if (const std::optional<contenuti::Lingua> l = contenuti::linguaDa(lingua)) {
        const Didascalie& d = tabella[*l];
        Laboriente.setCaption(QString::fromUtf8(d.oriente));
        Labmediterr.setCaption(QString::fromUtf8(d.mediterr));
        Label1.setCaption(QString::fromUtf8(d.data));
        Labtorna.setCaption(QString::fromUtf8(d.torna));
        Label5.setCaption(QString::fromUtf8(d.suggerimento));
        Labmondo.setCaption(QString::fromUtf8(d.mondo));
        Labeuropa.setCaption(QString::fromUtf8(d.europa));
        Label9.setCaption(QString::fromUtf8(d.serie));
        Labesci.setCaption(QString::fromUtf8(d.esci));
        Label3.setCaption(QString::fromUtf8(d.veloce));
        Label2.setCaption(QString::fromUtf8(d.lento));
    }
}

// ---------------------------------------------------------------------------
// Playback.
// ---------------------------------------------------------------------------

void mapanimVel::mostraFotogramma(int k) {
    Image1.setPicture(forma::LoadPicture(fileFotogramma[static_cast<std::size_t>(k)]));
    Label1.setCaption(dataFotogramma[static_cast<std::size_t>(k)]);
}

// Shows the frame due and moves on; after the last one the playback stops
// with that frame on the screen and frame 1 next.
void mapanimVel::Timer1_Timer() {
    mostraFotogramma(fotogramma);
    ++fotogramma;
    if (fotogramma > numFotogrammi) {
        Timer1.setEnabled(false);
        fotogramma = 1;
    }
}

// The pace changes; a running playback goes on at the new pace.
void mapanimVel::HScroll1_Change() { Timer1.setInterval(HScroll1.Value()); }

void mapanimVel::cmdplay_Click() { Timer1.setEnabled(true); }

void mapanimVel::cmdstop_Click() { Timer1.setEnabled(false); }

void mapanimVel::cmdprima_Click() {
    Timer1.setEnabled(false);
    fotogramma = 1;
    mostraFotogramma(1);
}

void mapanimVel::cmdprec_Click() {
    Timer1.setEnabled(false);
    --fotogramma;
    if (fotogramma < 1) fotogramma = 1;
    mostraFotogramma(fotogramma);
}

// Bounded only from above: before any series is loaded this is entry 0.
void mapanimVel::cmdseg_Click() {
    Timer1.setEnabled(false);
    ++fotogramma;
    if (fotogramma > numFotogrammi) fotogramma = numFotogrammi;
    mostraFotogramma(fotogramma);
}

void mapanimVel::cmdultima_Click() {
    Timer1.setEnabled(false);
    fotogramma = numFotogrammi;
    mostraFotogramma(fotogramma);
}

// ---------------------------------------------------------------------------
// Series: a label restarts the playback from frame 1 of its series.
// ---------------------------------------------------------------------------

namespace {

template <std::size_t N>
void carica(mapanimVel& f, const Fotogramma (&serie)[N]) {
    for (std::size_t k = 1; k <= N; ++k) f.fileFotogramma[k] = QString::fromUtf8(serie[k - 1].figura);
    for (std::size_t k = 1; k <= N; ++k) f.dataFotogramma[k] = QString::fromUtf8(serie[k - 1].data);
    f.numFotogrammi = static_cast<std::int16_t>(N);
    f.Timer1.setEnabled(true);
}

}  // namespace

void mapanimVel::europa() { carica(*this, serie_europa); }
void mapanimVel::mondo() { carica(*this, serie_mondo); }
void mapanimVel::mediterraneo() { carica(*this, serie_mediterraneo); }
void mapanimVel::medioriente() { carica(*this, serie_medioriente); }

void mapanimVel::Labmondo_Click() {
    fotogramma = 1;
    mondo();
}

void mapanimVel::Labeuropa_Click() {
    fotogramma = 1;
    europa();
}

void mapanimVel::Laboriente_Click() {
    fotogramma = 1;
    medioriente();
}

void mapanimVel::Labmediterr_Click() {
    fotogramma = 1;
    mediterraneo();
}

// ---------------------------------------------------------------------------
// Music switch, Back and Exit.
// ---------------------------------------------------------------------------

void mapanimVel::Label6_Click() {
    Image3.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti1.jpg")));
    brano = forma::BranoCasuale();
    forma::Finestra<FMMediaVel>().Command1.setValue(true);
}

void mapanimVel::Label7_Click() {
    Image3.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti2.jpg")));
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
}

// Destroys the controls, not the window object: the series chosen last is
// still there at the next opening.
void mapanimVel::Labtorna_Click() {
    Timer1.setEnabled(false);
    forma::Distruggi<mapanimVel>();
    principale::Mostra();
}

void mapanimVel::Labesci_Click() {
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
    forma::End();
}

// ---------------------------------------------------------------------------
// Hover colours: red over a clickable label; only the bare window restores them.
// ---------------------------------------------------------------------------

void mapanimVel::Labmondo_MouseMove() { Labmondo.setForeColor(0x0000FF); }
void mapanimVel::Labeuropa_MouseMove() { Labeuropa.setForeColor(0x0000FF); }
void mapanimVel::Laboriente_MouseMove() { Laboriente.setForeColor(0x0000FF); }
void mapanimVel::Labmediterr_MouseMove() { Labmediterr.setForeColor(0x0000FF); }
void mapanimVel::Labtorna_MouseMove() { Labtorna.setForeColor(0x0000FF); }
void mapanimVel::Labesci_MouseMove() { Labesci.setForeColor(0x0000FF); }

void mapanimVel::Form_MouseMove(int, int, float, float) {
    Labtorna.setForeColor(0xFFC0FF);
    Labesci.setForeColor(0xFF8080);
    Labeuropa.setForeColor(0xFFC0FF);
    Labmondo.setForeColor(0xFFFF00);
    Laboriente.setForeColor(0xC0FFC0);
    Labmediterr.setForeColor(0xFFFFC0);
}
