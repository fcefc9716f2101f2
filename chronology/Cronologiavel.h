// The chronology: the 168 maps as 21 pages of eight rows, each a thumbnail and
// a text in a language of the window's own. A row opens its map in the main
// window; the page can be copied to the clipboard or printed.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "maps/RegistroCarte.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"

class Cronologiavel : public forma::Form {
    Q_OBJECT
public:
    Cronologiavel();

    void Form_Load() override;

    // Fill the text table of a language: the first part fills entries 1..65
    // and calls the second (66..130), which calls the third (131..168).
    void Italia();
    void ita2();
    void ita3();
    void Francia();
    void fra2();
    void fra3();
    void Spagna();
    void spa2();
    void spa3();
    void Britannia();
    void bri2();
    void bri3();

    // Window state. A table entry never filled reads as the empty text.
    using TabellaTesti = std::array<QString, NumeroCarte + 1>;
    TabellaTesti testiIta;
    TabellaTesti testiFra;
    TabellaTesti testiSpa;
    TabellaTesti testiIng;
    std::array<QString, NumeroCarte + 1> fileMiniatura;
    std::int16_t inizioPagina = 0;
    std::int16_t paginaEvidenziata = 0;
    std::string linguaCronologia;

    // Controls, bottom of the stack first.
    std::array<forma::Image*, 8> Image1{};
    std::array<forma::Label*, 8> Label1{};
    forma::Label Label2{this};
    forma::Label Labesci{this};
    forma::Label Labtorna{this};
    std::array<forma::Label*, 21> Label3{};
    forma::Shape Shape1{this};
    forma::Label Label4{this};
    forma::Label Label5{this};
    forma::Label Label6{this};
    forma::Label Label7{this};
    forma::Label Label8{this};
    forma::Image ImageStampa{this};
    forma::Image ImageCOPIA{this};

private:
    void progetta();
    void collegaEventi();

    // Language operations.
    void applicaLinguaIniziale();
    void testiDellaPagina();
    bool miniatureInAttesa_ = false;
    void scegliLingua(void (Cronologiavel::*riempi)(), const TabellaTesti& tabella, const char* parola,
                      forma::Label& etichetta);
    void riempi(TabellaTesti& tabella, int lingua, int dalla, int alla);

    // Handlers, named after their control and event.
    void Label3_Click(int Index);
    void Image1_Click(int Index);
    void Label1_Click(int Index);
    void Label3_MouseMove(int Index);
    void Label1_MouseMove(int Index);
    void Labesci_MouseMove();
    void Labtorna_MouseMove();
    void Labtorna_Click();
    void Labesci_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void ImageCOPIA_Click();
    void ImageCOPIA_MouseDown();
    void ImageCOPIA_MouseUp();
    void ImageStampa_Click();
    void ImageStampa_MouseDown();
    void ImageStampa_MouseUp();
    void scegliCarta(int riga);
};

