#include "chronology/Cronologiavel.h"

#include "app/ModtavolaVel.h"
#include "app/Principale.h"
#include "chronology/DisegniCronologia.h"
#include "chronology/TestiCronologia.h"
#include "chronology/stampacronvel.h"
#include "maps/RegistroCarte.h"
#include "music/FMMediaVel.h"
#include "toolkit/Appunti.h"
#include "toolkit/Cursori.h"
#include "toolkit/FigureCondivise.h"
#include "toolkit/Messaggi.h"
#include "toolkit/MisureFigure.h"
#include "toolkit/Processo.h"
#include "toolkit/ProssimoFotogramma.h"
#include "toolkit/Registro.h"
#include "toolkit/Stampante.h"

using namespace ModtavolaVel;
using forma::vbCenter;
using forma::vbOpaque;
using forma::vbTransparent;

namespace {

// Thumbnails of maps 1..NumeroCarte, page by page; maps that share a picture
// share a thumbnail. The last entry is read by no page.
const char* const miniature[NumeroCarte + 1] = {
#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) miniatura,
#include "maps/RegistroCarte.def"
#undef CARTA
    "",
};

// Captions of the period buttons: the years of the first and last map of the
// page, or of the picture those maps use.
const char* const periodi[21] = {
    "5000-2061", "2004-1595", "1580-1250", "1230-900", "770-612", "587-492", "481-390", "382-329", "326-202", "198-44", "0-320", "330-526", "565-843", "870-1100", "1120-1270", "1300-1500", "1500-1700", "1700-1808", "1812-1871", "1878-1939", "1945-2000"
};

constexpr forma::Colore RosaPulsante = 0xFFC0C0;  // period buttons, Back and Exit at rest
constexpr forma::Colore Magenta = 0xFF00FF;       // the period button under the mouse
constexpr forma::Colore Grigio = 0xC0C0C0;        // Back and Exit once reset
constexpr forma::Colore Rosso = 0x0000FF;         // Back or Exit under the mouse; language chosen
constexpr forma::Colore RosaLingua = 0xFFC0FF;    // the other language labels

// The three captions the load language writes.
struct CaptionsLingua {
    const char* suggerimento;
    const char* esci;
    const char* torna;
};
constexpr CaptionsLingua captionsIta{
    "Cliccare sulla carta o sul commento che interessa per selezionare e tornare.", "Esci", "Torna"};
constexpr CaptionsLingua captionsFra{
    "Cliquez sur la carte ou sur le commentaire pour sélectionner et retourner.", "Sortie", "Retourner"};
constexpr CaptionsLingua captionsSpa{
    "Haga un clique en mapa o en la fila que interesa para seleccionar y volver.", "Salir", "Atrás"};
constexpr CaptionsLingua captionsIng{
    "Clik on the map or on the comment that interest to select and go back.", "Exit", "Back"};

void etichetta(forma::Label& l, float left, float top, float width, float height, forma::Colore fondo,
               forma::Colore testo) {
    l.Move(left, top, width, height);
    l.setBackStyle(vbOpaque);
    l.setBackColor(fondo);
    l.setForeColor(testo);
}

}  // namespace

Cronologiavel::Cronologiavel() {
    // Created in stacking order, bottom first: a later sibling lies on top.
    for (auto& im : Image1) im = new forma::Image(this);
    for (auto& l : Label1) l = new forma::Label(this);
    Label2.raise();
    Labesci.raise();
    Labtorna.raise();
    for (auto& l : Label3) l = new forma::Label(this);
    for (QWidget* w : std::initializer_list<QWidget*>{&Shape1, &Label4, &Label5, &Label6, &Label7, &Label8,
                                                      &ImageStampa, &ImageCOPIA})
        w->raise();
    progetta();
    collegaEventi();
}

void Cronologiavel::progetta() {
    setCaption(QStringLiteral("Cronologia"));
    setBackColor(0x400000);

    etichetta(Label4, 0, 0, 1695, 285, 0xFF8080, 0xFFFFC0);
    Label4.setFont(QStringLiteral("MS Sans Serif"), 12, true);
    Label4.setAlignment(vbCenter);
    Label4.setCaption(QStringLiteral("5000-2061"));

    etichetta(Label2, 1680, 0, 10455, 285, 0xFF8080, 0x00FFFF);
    Label2.setFont(QStringLiteral("MS Sans Serif"), 8.25f, true);
    Label2.setAlignment(vbCenter);

    for (int i = 0; i < 8; ++i) {
        forma::Image& im = *Image1[static_cast<std::size_t>(i)];
        im.setLeft(0);
        im.setBorderStyle(1);
        im.setRiquadro(forma::misure::Miniatura);
        im.setCursor(CursoreLibro(i % 4));
        forma::Label& l = *Label1[static_cast<std::size_t>(i)];
        const bool pari = i % 2 == 0;
        etichetta(l, 1710, 0, 8940, i == 7 ? 1075 : 1020, pari ? 0x000000 : 0x404040, pari ? 0xFFC0C0 : 0xFFFFC0);
        l.setCaption(QStringLiteral("Label1"));
        l.setCursor(CursoreMatita(i));
    }

    for (int k = 0; k < 21; ++k) {
        forma::Label& l = *Label3[static_cast<std::size_t>(k)];
        etichetta(l, 10680, 350 + 350 * static_cast<float>(k), 1335, 255, RosaPulsante, forma::ColoreTestoPulsante);
        l.setFont(QStringLiteral("MS Sans Serif"), 8.25f, true);
        l.setAlignment(vbCenter);
        l.setCaption(QString::fromLatin1(periodi[k]));
    }

    etichetta(Labtorna, 10680, 7710, 1335, 375, RosaPulsante, 0xFFFFC0);
    Labtorna.setFont(QStringLiteral("Kabel Bk BT"), 14.25f, true);
    Labtorna.setAlignment(vbCenter);
    Labtorna.setCaption(QStringLiteral("Torna"));

    etichetta(Labesci, 10680, 8200, 1335, 375, RosaPulsante, 0x800080);
    Labesci.setFont(QStringLiteral("Kabel Bk BT"), 14.25f, true);
    Labesci.setAlignment(vbCenter);
    Labesci.setCaption(QStringLiteral("Esci"));

    Shape1.Move(0, 8700, 12015, 255);
    Shape1.setFillColor(0xFF8080);
    Shape1.setBorderColor(0xFF8080);

    struct Lingua {
        forma::Label& l;
        float left;
        float width;
        const char* caption;
    };
    for (const Lingua& x : {Lingua{Label5, 2160, 1575, "English"}, Lingua{Label6, 3960, 1575, "Français"},
                            Lingua{Label7, 5880, 1575, "Italiano"}, Lingua{Label8, 7800, 1455, "Español"}}) {
        x.l.Move(x.left, 8700, x.width, 255);
        x.l.setBackStyle(vbTransparent);
        x.l.setForeColor(RosaLingua);
        x.l.setFont(QStringLiteral("MS Sans Serif"), 9.75f, true);
        x.l.setAlignment(vbCenter);
        x.l.setCaption(QString::fromUtf8(x.caption));
        x.l.setCursor(forma::CursoreMano());
    }

    ImageCOPIA.Move(9600, 8640, 270, 315);
    ImageCOPIA.setPicture(forma::FiguraDa(IconaCopia()));
    ImageStampa.Move(9840, 8640, 360, 315);
    ImageStampa.setPicture(forma::FiguraDa(IconaStampa()));
}

void Cronologiavel::collegaEventi() {
    for (int i = 0; i < 8; ++i) {
        Image1[static_cast<std::size_t>(i)]->Click = [this, i] { Image1_Click(i); };
        forma::Label& l = *Label1[static_cast<std::size_t>(i)];
        l.Click = [this, i] { Label1_Click(i); };
        l.MouseMove = [this, i](int, int, float, float) { Label1_MouseMove(i); };
    }
    for (int k = 0; k < 21; ++k) {
        forma::Label& l = *Label3[static_cast<std::size_t>(k)];
        l.Click = [this, k] { Label3_Click(k); };
        l.MouseMove = [this, k](int, int, float, float) { Label3_MouseMove(k); };
    }
    Labesci.MouseMove = [this](int, int, float, float) { Labesci_MouseMove(); };
    Labtorna.MouseMove = [this](int, int, float, float) { Labtorna_MouseMove(); };
    Labtorna.Click = [this] { Labtorna_Click(); };
    Labesci.Click = [this] { Labesci_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    ImageCOPIA.Click = [this] { ImageCOPIA_Click(); };
    ImageCOPIA.MouseDown = [this](int, int, float, float) { ImageCOPIA_MouseDown(); };
    ImageCOPIA.MouseUp = [this](int, int, float, float) { ImageCOPIA_MouseUp(); };
    ImageStampa.Click = [this] { ImageStampa_Click(); };
    ImageStampa.MouseDown = [this](int, int, float, float) { ImageStampa_MouseDown(); };
    ImageStampa.MouseUp = [this](int, int, float, float) { ImageStampa_MouseUp(); };
}

// ---------------------------------------------------------------------------
// Start-up.
// ---------------------------------------------------------------------------

void Cronologiavel::Form_Load() {
    setLeft(0);
    Label3[0]->setBackColor(Magenta);
    for (int i = 0; i < 8; ++i) {
        const float top = 360 + 1020 * static_cast<float>(i);
        Image1[static_cast<std::size_t>(i)]->setTop(top);
        Label1[static_cast<std::size_t>(i)]->setTop(top);
    }
    for (std::size_t k = 0; k < fileMiniatura.size(); ++k) fileMiniatura[k] = QString::fromLatin1(miniature[k]);
    for (std::size_t i = 0; i < 8; ++i) Image1[i]->setPicture(forma::LoadPicture(fileMiniatura[i]));
    linguaCronologia = lingua;
    applicaLinguaIniziale();
}

// ---------------------------------------------------------------------------
// Languages.
// ---------------------------------------------------------------------------

void Cronologiavel::applicaLinguaIniziale() {
    struct Scelta {
        const CaptionsLingua& captions;
        forma::Label& etichetta;
        void (Cronologiavel::*riempi)();
        const TabellaTesti& tabella;
    };
    const Scelta scelte[contenuti::NumeroLingue] = {
        {captionsIta, Label7, &Cronologiavel::Italia, testiIta},
        {captionsFra, Label6, &Cronologiavel::Francia, testiFra},
        {captionsSpa, Label8, &Cronologiavel::Spagna, testiSpa},
        {captionsIng, Label5, &Cronologiavel::Britannia, testiIng},
    };
    // Another value of the language leaves the window as designed.
    const std::optional<contenuti::Lingua> l = contenuti::linguaDa(linguaCronologia);
    if (!l) return;
    const Scelta& s = scelte[*l];
    Label2.setCaption(QString::fromUtf8(s.captions.suggerimento));
    Labesci.setCaption(QString::fromUtf8(s.captions.esci));
    Labtorna.setCaption(QString::fromUtf8(s.captions.torna));
    s.etichetta.setForeColor(Rosso);
    (this->*s.riempi)();
    for (std::size_t i = 0; i < 8; ++i) Label1[i]->setCaption(s.tabella[i + 1]);
}

void Cronologiavel::testiDellaPagina() {
    // Another value of the language leaves the rows as they are.
    const std::optional<contenuti::Lingua> l = contenuti::linguaDa(linguaCronologia);
    if (!l) return;
    const TabellaTesti* const tabelle[contenuti::NumeroLingue] = {&testiIta, &testiFra, &testiSpa, &testiIng};
    const TabellaTesti& tabella = *tabelle[*l];
    for (std::size_t i = 0; i < 8; ++i)
        Label1[i]->setCaption(tabella[static_cast<std::size_t>(inizioPagina) + i + 1]);
}

void Cronologiavel::scegliLingua(void (Cronologiavel::*riempi)(), const TabellaTesti& tabella, const char* parola,
                                 forma::Label& etichetta) {
    (this->*riempi)();
    for (std::size_t i = 0; i < 8; ++i)
        Label1[i]->setCaption(tabella[static_cast<std::size_t>(inizioPagina) + i + 1]);
    linguaCronologia = parola;
    for (forma::Label* l : {&Label5, &Label6, &Label7, &Label8}) l->setForeColor(l == &etichetta ? Rosso : RosaLingua);
}

void Cronologiavel::Label5_Click() { scegliLingua(&Cronologiavel::Britannia, testiIng, "inglese", Label5); }
void Cronologiavel::Label6_Click() { scegliLingua(&Cronologiavel::Francia, testiFra, "francese", Label6); }
void Cronologiavel::Label7_Click() { scegliLingua(&Cronologiavel::Italia, testiIta, "italiano", Label7); }
void Cronologiavel::Label8_Click() { scegliLingua(&Cronologiavel::Spagna, testiSpa, "spagnolo", Label8); }

// ---------------------------------------------------------------------------
// Text tables: each language in three parts, 1..65, 66..130, 131..168.
// ---------------------------------------------------------------------------

void Cronologiavel::riempi(TabellaTesti& tabella, int lingua, int dalla, int alla) {
    const auto l = static_cast<contenuti::Lingua>(lingua);
    for (int k = dalla; k <= alla; ++k)
        tabella[static_cast<std::size_t>(k)] = cronologia::TestoCronologia(k, l, cronologia::DescrizioneCarta(k, l));
}

void Cronologiavel::Italia() {
    riempi(testiIta, contenuti::Italiano, 1, 65);
    ita2();
}
void Cronologiavel::ita2() {
    riempi(testiIta, contenuti::Italiano, 66, 130);
    ita3();
}
void Cronologiavel::ita3() { riempi(testiIta, contenuti::Italiano, 131, NumeroCarte); }

void Cronologiavel::Francia() {
    riempi(testiFra, contenuti::Francese, 1, 65);
    fra2();
}
void Cronologiavel::fra2() {
    riempi(testiFra, contenuti::Francese, 66, 130);
    fra3();
}
void Cronologiavel::fra3() { riempi(testiFra, contenuti::Francese, 131, NumeroCarte); }

void Cronologiavel::Spagna() {
    riempi(testiSpa, contenuti::Spagnolo, 1, 65);
    spa2();
}
void Cronologiavel::spa2() {
    riempi(testiSpa, contenuti::Spagnolo, 66, 130);
    spa3();
}
void Cronologiavel::spa3() { riempi(testiSpa, contenuti::Spagnolo, 131, NumeroCarte); }

void Cronologiavel::Britannia() {
    riempi(testiIng, contenuti::Inglese, 1, 65);
    bri2();
}
void Cronologiavel::bri2() {
    riempi(testiIng, contenuti::Inglese, 66, 130);
    bri3();
}
void Cronologiavel::bri3() { riempi(testiIng, contenuti::Inglese, 131, NumeroCarte); }

// ---------------------------------------------------------------------------
// Pages and rows.
// ---------------------------------------------------------------------------

void Cronologiavel::Label3_Click(int Index) {
    Label4.setCaption(Label3[static_cast<std::size_t>(Index)]->Caption());
    inizioPagina = static_cast<std::int16_t>(8 * Index);
    for (std::size_t i = 0; i < 8; ++i)
        Image1[i]->setPicture(forma::CaricaFigura(fileMiniatura[static_cast<std::size_t>(inizioPagina) + i]));
    testiDellaPagina();
    // Once the page is on the screen, the next page's thumbnails are read:
    // the reader goes through the periods mostly in order.
    if (!miniatureInAttesa_) {
        miniatureInAttesa_ = true;
        forma::DopoIlProssimoFotogramma(*this, [this] {
            miniatureInAttesa_ = false;
            const std::size_t seguente = static_cast<std::size_t>(inizioPagina) + 8;
            for (std::size_t i = seguente; i < seguente + 8 && i < NumeroCarte; ++i) forma::PreparaFigura(fileMiniatura[i]);
        });
    }
}

void Cronologiavel::scegliCarta(int riga) {
    numcarta = static_cast<std::int16_t>(inizioPagina + riga + 1);
    principale::DisegnaCarta();
    principale::Mostra();
    Hide();
}

void Cronologiavel::Image1_Click(int Index) { scegliCarta(Index); }
void Cronologiavel::Label1_Click(int Index) { scegliCarta(Index); }

// ---------------------------------------------------------------------------
// Hover colours.
// ---------------------------------------------------------------------------

void Cronologiavel::Label3_MouseMove(int Index) {
    for (forma::Label* l : Label3) l->setBackColor(RosaPulsante);
    Label3[static_cast<std::size_t>(Index)]->setBackColor(Magenta);
    Labtorna.setBackColor(Grigio);
    paginaEvidenziata = static_cast<std::int16_t>(Index);
}

void Cronologiavel::Label1_MouseMove(int) {
    Labesci.setBackColor(Grigio);
    Labtorna.setBackColor(Grigio);
    Label3[static_cast<std::size_t>(paginaEvidenziata)]->setBackColor(RosaPulsante);
}

void Cronologiavel::Labesci_MouseMove() {
    Labesci.setBackColor(Rosso);
    Labtorna.setBackColor(Grigio);
}

void Cronologiavel::Labtorna_MouseMove() {
    Labtorna.setBackColor(Rosso);
    Labesci.setBackColor(Grigio);
}

// ---------------------------------------------------------------------------
// Back and Exit.
// ---------------------------------------------------------------------------

void Cronologiavel::Labtorna_Click() { principale::Mostra(); }

void Cronologiavel::Labesci_Click() {
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
    forma::End();
}

// ---------------------------------------------------------------------------
// Copy and print the page.
// ---------------------------------------------------------------------------

void Cronologiavel::ImageCOPIA_MouseDown() { ImageCOPIA.setBorderStyle(1); }
void Cronologiavel::ImageCOPIA_MouseUp() { ImageCOPIA.setBorderStyle(0); }
void Cronologiavel::ImageStampa_MouseDown() { ImageStampa.setBorderStyle(1); }
void Cronologiavel::ImageStampa_MouseUp() { ImageStampa.setBorderStyle(0); }

void Cronologiavel::ImageCOPIA_Click() {
    QString testo;
    for (std::size_t i = 0; i < 8; ++i) {
        if (i > 0) testo += QStringLiteral("\r\n\r\n");
        testo += Label1[i]->Caption();
    }
    forma::AppuntiTesto(testo);
}

void Cronologiavel::ImageStampa_Click() {
    QString testo;
    for (forma::Label* l : Label1) testo += l->Caption() + QStringLiteral("\r\n");
    stampacronvel& pagina = forma::Finestra<stampacronvel>();
    pagina.Label1.setCaption(testo);
    if (!forma::PrintForm(pagina)) forma::MsgBox(QStringLiteral("Problema di stampa nella stampante utilizzata."));
}

