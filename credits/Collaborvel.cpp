#include "credits/Collaborvel.h"

#include "credits/ManiPuntate.h"
#include "music/FMMediaVel.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

using forma::vbCenter;
using forma::vbOpaque;

namespace {

// The system's application-workspace colour in the standard scheme.
constexpr forma::Colore ColoreAreaApplicazioni = 0x808080;

// Put before every entry of a column, the first included: LF CR LF CR.
const QString separatore = QStringLiteral("\n\r\n\r");

void etichetta(forma::Label& l, float left, float top, float width, float height, forma::Colore sfondo) {
    l.Move(left, top, width, height);
    l.setBackStyle(vbOpaque);
    l.setBackColor(sfondo);
}

void pulsante(forma::Label& l, const QString& caption, forma::Colore testo, forma::Colore sfondo, float punti) {
    l.setCaption(caption);
    l.setForeColor(testo);
    l.setAlignment(vbCenter);
    l.setFont(QStringLiteral("Kabel Bk BT"), punti, true);
    l.setBackColor(sfondo);
}

template <std::size_t N>
void riempiColonna(forma::Label& colonna, const std::array<QString, N>& voci, int ultima) {
    QString testo = colonna.Caption();
    for (int i = 0; i <= ultima; ++i) testo += separatore + voci[static_cast<std::size_t>(i)];
    colonna.setCaption(testo);
}

}  // namespace

Collaborvel::Collaborvel() {
    progetta();
    Labtorna.Click = [this] { Labtorna_Click(); };
    Labesci.Click = [this] { Labesci_Click(); };
}

void Collaborvel::progetta() {
    setCaption(QStringLiteral("Collaborazioni"));
    setBackColor(0x400000);

    etichetta(Label3, 240, 7800, 11655, 735, 0xFFC0C0);

    etichetta(Label4, 240, 360, 11655, 255, 0xFFC0C0);
    pulsante(Label4, QStringLiteral("I Thank...      Ringrazio...     Je remercie...     Agradezco..."), 0xFF0000,
             0xFFC0C0, 11.25f);

    etichetta(Label5, 360, 960, 3855, 6615, 0x808080);
    Label5.setForeColor(0xFFFFC0);
    etichetta(Label6, 4440, 960, 3735, 6615, 0x404040);
    Label6.setForeColor(0xC0E0FF);
    etichetta(Label7, 8400, 960, 3495, 6615, 0x800000);
    Label7.setForeColor(0xC0C0FF);

    etichetta(Labesci, 360, 7920, 5535, 495, 0xC00000);
    pulsante(Labesci, QStringLiteral("Exit  Uscita  Sortie   Salida"), 0xFF8080, 0xC00000, 18);
    Labesci.setCursor(collaboratori::CursoreManoDestra());

    etichetta(Labtorna, 6000, 7920, 5775, 495, 0xFF0000);
    pulsante(Labtorna, QStringLiteral("Back  Ritorna  Retourner  Volver"), 0xC0C0FF, 0xFF0000, 18);
    Labtorna.setCursor(collaboratori::CursoreManoSinistra());

    etichetta(Label8, 240, 960, 135, 6615, ColoreAreaApplicazioni);
    etichetta(Label9, 4320, 960, 135, 6615, 0x404040);
    etichetta(Label10, 8280, 960, 135, 6615, 0x800000);

    // Stacking order, bottom first.
    for (QWidget* w : std::initializer_list<QWidget*>{&Label3, &Label4, &Label5, &Label6, &Label7, &Labesci,
                                                      &Labtorna, &Label8, &Label9, &Label10})
        w->raise();
}

void Collaborvel::Form_Load() {
    setTop(0);
    setLeft(0);

    revisoriFra[0] = QStringLiteral("Pour la révision des textes FRANÇAIS:");
    revisoriFra[1] = QStringLiteral("Madame ODILE PERCEVAL, professeur de lettres, Dole: de 5000 à 1550 av.JC.");
    revisoriFra[2] = QStringLiteral(
        "Monsieur BASILE QUINTARD, professeur d'histoire, collège des Saules, Vesoul: de 1512 à 652 av.JC.");
    revisoriFra[3] = QStringLiteral("Madame LÉONIE FARGEMONT, institutrice, Aurillac: de 626 à 290 av.JC.");
    revisoriFra[4] = QStringLiteral("Monsieur ARISTIDE POULDREUX, agrégé d'histoire, Nantua: de 264 av.JC. à 87 ap.JC.");
    revisoriFra[5] = QString();
    revisoriFra[6] = QStringLiteral(
        "Madame HORTENSE VILLEBRUNE, professeur de lettres classiques, lycée du Vieux-Port, Sète: de 117 à 870");
    revisoriFra[7] = QStringLiteral("Monsieur FIRMIN CASTAGNOLLE, docteur en histoire, Périgueux: de 900 à 1400");
    revisoriFra[8] = QStringLiteral("Madame CLOTILDE BRASSEMAIN, professeur des écoles, Belgique: de 1420 à 1815");
    revisoriFra[9] = QStringLiteral("Monsieur ÉDOUARD TRÉMOLIÈRE, professeur d'histoire, Genève: de 1833 à 2000");
    riempiColonna(Label5, revisoriFra, 9);

    revisoriIng[0] = QStringLiteral("For the revision of the ENGLISH texts");
    revisoriIng[1] = QStringLiteral(
        "Miss HARRIET GLOVERSBY, teacher of English, Fernhollow College, Devon: 5000 B.C. to 1550 B.C.");
    revisoriIng[2] = QStringLiteral("Mister ROLAND PUDDIFOOT, history teacher, Wexcombe: 1512 B.C. to 431 B.C.");
    revisoriIng[3] = QStringLiteral("Missis MAUREEN ASHCROFT-TULLY, graduate in classics, Scotland: 403 B.C. to A.D. 87");
    revisoriIng[4] = QStringLiteral("Mister DESMOND OKELBY, teacher of history, Limerick, Ireland: A.D. 117 to A.D. 1328");
    revisoriIng[5] = QStringLiteral("Miss PENELOPE STRAWICK, English teacher, Canada: 1400 to 2000");
    riempiColonna(Label6, revisoriIng, 5);

    revisoriSpa[0] = QStringLiteral("Para la revisión de los textos ESPAÑOLES");
    revisoriSpa[1] = QStringLiteral(
        "Señora ROSALÍA MENDAZA URQUIJO, profesora de lengua, Instituto Los Almendros, Teruel: de 5000 a 652 a.C.");
    revisoriSpa[2] = QStringLiteral("Señor ANSELMO QUIRÓS PEDRAZUELA, profesor de historia, Cáceres: de 626 a.C. a 87 d.C.");
    revisoriSpa[3] = QStringLiteral(
        "Señora ROSALÍA MENDAZA URQUIJO, profesora de lengua, Instituto Los Almendros, Teruel: de 117 a 1328 d.C.");
    revisoriSpa[4] = QStringLiteral(
        "Doctor EUSEBIO TARANCÓN VELILLA, licenciado en filología, Montevideo, Uruguay: de 1400 a 2000");
    revisoriSpa[5] = QStringLiteral(" ");
    revisoriSpa[6] = QStringLiteral(" ");
    revisoriSpa[7] = QStringLiteral(
        "Je remercie aussi Madame AGATHE LORMIÈRE et Monsieur JULES VANDERBEQUE pour leurs précieux conseils.");
    revisoriSpa[8] = QString();
    revisoriSpa[9] = QString();
    riempiColonna(Label7, revisoriSpa, 9);
}

// Back: the window goes and a fresh, hidden one takes its place at once, its
// columns already filled, so the next opening only has to show it.
void Collaborvel::Labtorna_Click() {
    forma::Distruggi<Collaborvel>();
    forma::Finestra<Collaborvel>();
}

void Collaborvel::Labesci_Click() {
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
    forma::End();
}
