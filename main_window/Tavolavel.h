// The main window of the atlas: the map picture with its overlay, the year and
// era word, the two timelines, Previous and Next, the language flags, and the
// commands that open the other windows.
#pragma once

#include <array>

#include "maps/RegistroCarte.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"

namespace contenuti {
struct ContenutoCarta;
}

class Tavolavel : public forma::Form {
    Q_OBJECT
public:
    Tavolavel();

    // Reads the pictures that start-up shows into the pictures kept decoded,
    // before the window exists: start-up then finds them ready. For a moment
    // when the program would otherwise wait (the fonts' configuration being
    // read on its own thread).
    static void PreparaFigureIniziali();

    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

    // Dispatchers: draw map `numcarta`, BC (1..81) and AD (82..168).
    void CArte();
    void carte2();
    // Draws map `numcarta` through the dispatcher that owns it.
    void disegnaCarta();
    // Timeline lookups, run right after a press has set `posizione`.
    void POsizioneaC();
    void PosizionedC();

    // Content routines, one per map, in catalogue order.
#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) void routine();
#include "maps/RegistroCarte.def"
#undef CARTA

    // Controls, as designed (twips, colours as 0xBBGGRR).
    forma::TextBox Text1{this};
    forma::Shape ShapeDC{this};
    forma::Shape ShapeAC{this};
    forma::Label Label7{this};
    forma::Label Labcronol{this};
    forma::Label LabCOLLABOR{this};
    forma::Label Label6{this};
    forma::Label Labstampa{this};
    std::array<forma::Label*, NumeroEtichette> Label1{};
    forma::Label LabSPA{this};
    forma::Label LabITA{this};
    forma::Label LabFRA{this};
    forma::Label LabING{this};
    forma::Image Image4{this};
    forma::Label LabAc{this};
    forma::Label Label5{this};
    forma::Label LabDc{this};
    forma::Label Labanimazioni{this};
    forma::Label Label9{this};
    forma::Label Label8{this};
    forma::Label Label4{this};
    forma::Label Label3{this};
    forma::Image Image7{this};
    forma::Label Labsuccessiva{this};
    forma::Label Labprecedente{this};
    forma::Label Labesci{this};
    forma::Shape Shape2{this};
    forma::Label Label2{this};
    forma::Label labAnni{this};
    forma::Label LabCristo{this};
    forma::Image Image2{this};
    forma::Image Image1{this};
    forma::Image Image5{this};
    forma::Shape Shape5{this};
    forma::Shape Shape3{this};
    forma::Shape Shape1{this};

    // Position of the last timeline press, in steps of 3 twips.
    float posizione = 0;

private:
    void progetta();
    void collegaEventi();
    void applica(const contenuti::ContenutoCarta& contenuto);

    // Handlers, named after their control and event.
    void Labanimazioni_MouseMove();
    void LabCOLLABOR_MouseMove();
    void Labesci_MouseMove();
    void Text1_MouseMove();
    void Labprecedente_Click();
    void Labsuccessiva_Click();
    void Labprecedente_MouseDown();
    void Labprecedente_MouseUp();
    void Labsuccessiva_MouseDown();
    void Labsuccessiva_MouseUp();
    void LabAc_MouseDown(int Button, int Shift, float X, float Y);
    void LabDc_MouseDown(int Button, int Shift, float X, float Y);
    void LabITA_Click();
    void LabFRA_Click();
    void LabSPA_Click();
    void LabING_Click();
    void cambiaLingua(const char* parola, const char* bandiera, int colonna);
    // Commands that reach the other windows.
    void Labcronol_Click();
    void Labanimazioni_Click();
    void LabCOLLABOR_Click();
    void Labstampa_Click();
    void Label3_Click();
    void Label4_Click();
    void Labesci_Click();
    void Image5_Click();
    void barraDaAnno(bool dopoCristo);
    void preparaVicine();
    bool vicineInAttesa_ = false;
};
