#include "print/Stampavel.h"

#include <QString>
#include <QWidget>

#include "app/ModtavolaVel.h"
#include "app/Principale.h"
#include "maps/ContenutoCarta.h"
#include "music/FMMediaVel.h"
#include "toolkit/Appunti.h"
#include "toolkit/Caratteri.h"
#include "toolkit/Messaggi.h"
#include "toolkit/MisureFigure.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"
#include "toolkit/Stampante.h"

using namespace ModtavolaVel;
using forma::vbOpaque;
using forma::vbTransparent;

namespace {

// Tables by language: Italian, French, Spanish, English.
struct DidascalieLingua {
    const char* esci;
    const char* torna;
    const char* copia;
    const char* stampa;
};

constexpr DidascalieLingua didascalie[contenuti::NumeroLingue] = {
    {"Esci", "Torna", "Copia", "Stampa"},
    {"Sortie", "Retour", "Copie", "Imprime"},
    {"Salir", "Atrás", "Copiar", "Imprimir"},
    {"Exit", "Back", "Copy", "Print"},
};

struct AiutoLingua {
    const char* paragrafi[4];
};

constexpr AiutoLingua aiuto[contenuti::NumeroLingue] = {
    {{"Per stampare la carta ed il testo a commento, cliccare su 'Stampa', qui sotto.",
      "Verrà attivata la stampante predefinita. Per modificarne le proprietà, si vada su Avvio --> Impostazioni "
      "-->  stampanti --> Proprietà.",
      "Prima di stampare è possibile modificare la dimensione della carta cliccando, qui sotto, su 'zoom +' oppure "
      "su 'zoom -'.",
      "Il tasto 'Copia' serve a trasferire la carta nella memoria del computer e renderla disponibile per altre "
      "applicazioni (con 'Incolla'."}},
    {{"Pour imprimer la carte et le texte il faut cliquer sur le bouton 'Imprime'.",
      "Pour changer les caractéristiques de votre imprimante de défault (Couleurs? Gris? Noir et blanc? "
      "Qualité?...), vous devez ouvrir votre panneau de controle de l'imprimante.",
      "Vous pouvez changer aussi la dimension de la carte en clickant, ici en bas, sur 'zoom +' ou bien sur 'zoom -'.",
      "Le bouton 'Copie' vous permet de copier la carte dans la mémoire de l'ordinateur. La carte sera ainsi "
      "disponible pour une autre application (avec 'Encolle')."}},
    {{"Para imprimir: --> haga clic sobre 'Imprimir'.",
      "Para modificar las opciones (Color? Gris? Calidad?...) de la impresora: --> Propriedades de vuestra "
      "impresora de sistema.",
      "Para modificar la dimensión del mapa: --> 'zoom +', 'zoom -' (Bajo, izquierda)",
      "Con 'Copia' se pone la carta en la memoria del computer."}},
    {{"To print you have to click on 'Print' button.",
      "The map and the text will be printed with your default printer. You can change its properties (Color? Grey "
      "scale? Quality?..) opening Settings --> Printers --> Properties.",
      "You can change the dimension of the printed map by clicking on 'zoom +' or 'zoom -' (Here, down)",
      "The 'Copy' button save the map on clipboard. Then you can 'Paste' it in a different program."}},
};

// The same in every language.
const char* const messaggioStampaFallita = "Impossibile stampare il form.";

void pulsante(forma::CommandButton& b, float left, float top, float width, float height, const char* caption) {
    b.Move(left, top, width, height);
    b.setCaption(QString::fromUtf8(caption));
    b.setFont(forma::FontPer(QStringLiteral("MS Sans Serif"), 8.25f));
}

void grassetto(forma::CommandButton& b, float punti) {
    QFont f = forma::FontPer(QStringLiteral("MS Sans Serif"), punti);
    f.setBold(true);
    b.setFont(f);
}

}  // namespace

Stampavel::Stampavel() {
    for (forma::Label*& l : Label1) l = new forma::Label(this);
    progetta();
    collegaEventi();
}

void Stampavel::progetta() {
    setCaption(QStringLiteral("Form1"));
    setBackColor(0xFFFFFF);

    pulsante(CmdHelp, 0, 8400, 735, 375, "?");
    grassetto(CmdHelp, 9.75f);
    pulsante(Cmdtorna, 11040, 8160, 975, 360, "Back");
    pulsante(cmdcopia, 11040, 7920, 975, 255, "Copy");
    pulsante(cmdzoommeno, 0, 7920, 735, 495, "zoom -");
    grassetto(cmdzoommeno, 8.25f);
    pulsante(cmdzoom, 0, 7440, 735, 495, "zoom +");
    grassetto(cmdzoom, 8.25f);
    pulsante(cmdstampa, 11040, 7440, 975, 495, "Print");
    grassetto(cmdstampa, 8.25f);
    pulsante(Cmdesci, 11040, 8520, 975, 255, "Exit");

    // A fixed box: the description wraps inside it and is cut at its edge.
    Labtesto.Move(840, 7440, 10095, 1335);
    Labtesto.setBackStyle(vbOpaque);
    Labtesto.setBackColor(0xE0E0E0);
    Labtesto.setCaption(QString());

    // Placeholders, every one replaced by the fill before the first showing:
    // a row along the top edge and a row near the description.
    for (int i = 0; i < NumeroEtichette; ++i) {
        forma::Label& l = *Label1[static_cast<std::size_t>(i)];
        if (i <= 26) {
            l.Move(120.0f + 435.0f * static_cast<float>(i), 0, 375, 195);
            l.setCaption(QStringLiteral("aa") + QString::number(i));
        } else {
            l.Move(120.0f + 1200.0f * static_cast<float>(i - 27), 6960, 375, 195);
            l.setCaption(i <= 31 ? QString::number(i + 1) : QStringLiteral("aa") + QString::number(i));
        }
    }

    Image1.Move(3720, 240, 7815, 5055);
    Image1.setStretch(false);
    Image1.setRiquadro(forma::misure::Carta);

    // Stacking order, bottom first: picture, labels, description, buttons.
    Image1.raise();
    for (forma::Label* l : Label1) l->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{&Labtesto, &Cmdesci, &cmdstampa, &cmdzoom, &cmdzoommeno,
                                                      &cmdcopia, &Cmdtorna, &CmdHelp})
        w->raise();

    // Keyboard focus order; Exit holds the focus when the window opens.
    OrdineDelFuoco({&Cmdesci, &cmdstampa, &cmdzoom, &cmdzoommeno, &cmdcopia, &Cmdtorna, &CmdHelp});
}

void Stampavel::collegaEventi() {
    cmdzoom.Click = [this] { cmdzoom_Click(); };
    cmdzoommeno.Click = [this] { cmdzoommeno_Click(); };
    cmdstampa.Click = [this] { cmdstampa_Click(); };
    cmdcopia.Click = [this] { cmdcopia_Click(); };
    CmdHelp.Click = [this] { CmdHelp_Click(); };
    Cmdtorna.Click = [this] { Cmdtorna_Click(); };
    Cmdesci.Click = [this] { Cmdesci_Click(); };
}

void Stampavel::Form_Load() {
    setLeft(0);
    setTop(0);
    Image1.setTop(240);
    Image1.setLeft(3720);
    Image1.setHeight(5055);
    Image1.setWidth(7815);
    for (forma::Label* l : Label1) {
        l->setFontName(QStringLiteral("Arial"));
        l->setBackStyle(vbTransparent);
        l->setAutoSize(true);
        l->setFontSize(7);
    }
    // Another value of `lingua` keeps the designed captions.
    if (const std::optional<contenuti::Lingua> l = contenuti::linguaDa(lingua)) {
        const DidascalieLingua& d = didascalie[*l];
        Cmdesci.setCaption(QString::fromUtf8(d.esci));
        Cmdtorna.setCaption(QString::fromUtf8(d.torna));
        cmdcopia.setCaption(QString::fromUtf8(d.copia));
        cmdstampa.setCaption(QString::fromUtf8(d.stampa));
    }
}

// Each product or quotient is worked out in double precision and kept as
// single-precision twips. Nothing limits the presses: far beyond the screen
// the stored values go on growing while the form layer keeps the widget
// geometry within the toolkit's range.
void Stampavel::scala(double picture, double etichette, bool ingrandisci) {
    auto per = [ingrandisci](float v, double f) { return static_cast<float>(ingrandisci ? v * f : v / f); };
    Image1.setStretch(true);
    Image1.setWidth(per(Image1.Width(), picture));
    Image1.setHeight(per(Image1.Height(), picture));
    for (forma::Label* l : Label1) {
        l->setTop(per(l->Top(), etichette));
        l->setLeft(per(l->Left(), etichette));
    }
}

void Stampavel::cmdzoom_Click() { scala(1.1, 1.09, true); }

void Stampavel::cmdzoommeno_Click() { scala(1.1, 1.09, false); }

void Stampavel::cmdstampa_Click() {
    // Labels still holding a placeholder caption stay off the page, and
    // hidden, for the life of the window.
    for (forma::Label* l : Label1)
        if (l->Caption().startsWith(QLatin1String("aa"))) l->setVisible(false);
    if (!forma::PrintForm(*this)) forma::MsgBox(QString::fromUtf8(messaggioStampaFallita), forma::vbOKOnly);
}

void Stampavel::cmdcopia_Click() {
    // The picture at its own size, whatever the zoom; an empty picture leaves
    // the clipboard as it was.
    const QImage& immagine = Image1.Picture()->immagine;
    if (!immagine.isNull()) forma::AppuntiImmagine(immagine);
}

void Stampavel::CmdHelp_Click() {
    // Another value of `lingua` shows the separators alone.
    const std::optional<contenuti::Lingua> l = contenuti::linguaDa(lingua);
    const char* const* paragrafi = l ? aiuto[*l].paragrafi : nullptr;
    const QString separatore = QStringLiteral("\r\n\r\n");
    QString testo;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) testo += separatore;
        if (paragrafi) testo += QString::fromUtf8(paragrafi[i]);
    }
    forma::MsgBox(testo, forma::vbOKOnly);
}

void Stampavel::Cmdtorna_Click() {
    forma::Distruggi<Stampavel>();
    principale::Mostra();
}

void Stampavel::Cmdesci_Click() {
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
    forma::End();
}
