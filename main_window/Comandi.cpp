// Commands of the main window that reach the other windows: opening them, the
// print fill, the music switches, Exit and the links prompt.
#include <QFileInfo>
#include <QString>

#include "animation/mapanimVel.h"
#include "app/ModtavolaVel.h"
#include "chronology/Cronologiavel.h"
#include "credits/Collaborvel.h"
#include "main_window/Tavolavel.h"
#include "maps/ContenutoCarta.h"
#include "music/FMMediaVel.h"
#include "print/Stampavel.h"
#include "toolkit/Apertura.h"
#include "toolkit/Casuale.h"
#include "toolkit/Messaggi.h"
#include "toolkit/Percorsi.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

using namespace ModtavolaVel;

// ---------------------------------------------------------------------------
// Chronology.
// ---------------------------------------------------------------------------

void Tavolavel::Labcronol_Click() { forma::Finestra<Cronologiavel>().Show(); }

// ---------------------------------------------------------------------------
// Animated series.
// ---------------------------------------------------------------------------

// Opens the animation window; after its Back this builds it afresh.
void Tavolavel::Labanimazioni_Click() { forma::Finestra<mapanimVel>().Show(); }

// ---------------------------------------------------------------------------
// Credits.
// ---------------------------------------------------------------------------

void Tavolavel::LabCOLLABOR_Click() { forma::Finestra<Collaborvel>().Show(); }

// ---------------------------------------------------------------------------
// Print: the map shown, copied into the print window.
// ---------------------------------------------------------------------------

void Tavolavel::Labstampa_Click() {
    // The first touch creates the print window and runs its start-up; the
    // copies below then overwrite what they must. Picture and labels move left
    // by the same amount, worked out in double precision and kept as
    // single-precision twips; the picture's Left is read again for each label.
    constexpr double divisore = 1.3;
    Stampavel& stampa = forma::Finestra<Stampavel>();
    stampa.Image1.setLeft(static_cast<float>(Image1.Left() - Image1.Left() / divisore));
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        const forma::Label& da = *Label1[i];
        forma::Label& a = *stampa.Label1[i];
        a.setCaption(da.Caption());
        a.setTop(da.Top());
        a.setLeft(static_cast<float>(da.Left() - Image1.Left() / divisore));
        a.setForeColor(da.ForeColor());
    }
    stampa.Labtesto.setCaption(Text1.Text());
    // The same picture object: no file is read again.
    stampa.Image1.setPicture(Image1.Picture());
    stampa.Show();
}

// ---------------------------------------------------------------------------
// Music switches.
// ---------------------------------------------------------------------------

void Tavolavel::Label3_Click() {
    Image7.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti1.jpg")));
    forma::Randomize();
    brano = forma::BranoCasuale();
    forma::Finestra<FMMediaVel>().Command1.setValue(true);
}

void Tavolavel::Label4_Click() {
    Image7.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti2.jpg")));
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
}

// ---------------------------------------------------------------------------
// Exit.
// ---------------------------------------------------------------------------

void Tavolavel::Labesci_Click() {
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
    forma::End();
}

// ---------------------------------------------------------------------------
// Links prompt.
// ---------------------------------------------------------------------------

namespace {

struct TestiCollegamenti {
    const char* paragrafi[4];
    const char* titolo;
};

// By language: Italian, French, Spanish, English. Several texts end with a
// blank, kept as written.
constexpr TestiCollegamenti testiCollegamenti[contenuti::NumeroLingue] = {
    {{"Vengono mostrati dei collegamenti alle carte storiche da me selezionate, ai siti che mostrano le carte degli "
      "atlanti storici ed ai siti che propongono delle cronologie.",
      "Per rendere disponibili questi collegamenti, li ho scritti su una pagina HTML. Essa verrà automaticamente "
      "aperta con Microsoft Internet Explorer. Per visitare i collegamenti, dovrà essere in linea via modem.",
      "Se il suo computer non dispone di Internet Explorer, clicchi su 'NO'.",
      "Se vuole vedere la pagina dei collegamenti, clicchi su 'YES'."},
     "Vuol vedere la pagina dei collegamenti?"},
    {{"Je vous propose des LIENS pour visiter des sites qui présentent des CARTES  et des CHRONOLOGIES historiques. ",
      "Afin de rendre disponible ces liens, j'ai écri une page HTML. Elle viendra automatiquement montrée avec "
      "Microsoft Internet Explorer. Pour pouvoir visiter les liens, vous devrez être en ligne avec un modem. ",
      "Si votre ordinateur n'a pas Internet Explorer, cliquetez sur 'NO'. ",
      "Si vous voulez voir la page des liens, cliquetez sur 'YES'"},
     "Voulez vous voir la PAGE de LIENS? "},
    {{"Aquí son CONEXIONES para ver sitios con MAPAS y con CRONOLOGIAS históricas.",
      "Para hacer disponibles estas conexiones, las he escritas en una pàgina HTML. Vendrá abierta automáticamente "
      "con Microsoft Internet Explorer. Para visitar las conexiones, usted tendrá que estar en línea vía modem.",
      "Si su ordenador no tiene Internet Explorer, haga un clic en 'NO'.",
      "Si usted desea ver las conexiónes, haga clic en 'YES'"},
     "Usted desea ver las CONEXIONES? "},
    {{"Here are LINKS to MAP sites and to sites with World historical CHRONOLOGIE.",
      "In order to make available these connections, I have written them on a HTML page. It will come "
      "automatically opened with Microsoft Internet Explorer. In order to visit the connections, you will have to "
      "be on line via modem. ",
      "If your computer does not have Internet Explorer, click on 'NO'. ",
      "If you want to see the link page, click on 'YES'. "},
     "Do you want to see the LINKS PAGE?"},
};

}  // namespace

void Tavolavel::Image5_Click() {
    QString prompt;
    QString titolo;
    // Another value of `lingua` asks with an empty prompt and title.
    if (const std::optional<contenuti::Lingua> l = contenuti::linguaDa(lingua)) {
        const TestiCollegamenti& t = testiCollegamenti[*l];
        const QString aCapo = QStringLiteral("\r\n");
        prompt = QString::fromUtf8(t.paragrafi[0]) + aCapo + QString::fromUtf8(t.paragrafi[1]) + aCapo +
                 QString::fromUtf8(t.paragrafi[2]) + aCapo + QString::fromUtf8(t.paragrafi[3]);
        titolo = QString::fromUtf8(t.titolo);
    }
    if (forma::MsgBox(prompt, forma::vbYesNo + forma::vbQuestion, titolo) != forma::vbYes) return;
    // The page goes to the desktop's opener as one absolute path, with no
    // shell in between; whether it could be started is not reported.
    const QString pagina =
        QFileInfo(forma::PercorsoLocale(QStringLiteral("tavolahtmvel\\carteindice.htm"))).absoluteFilePath();
    (void)forma::ApriDocumento(pagina);
}
