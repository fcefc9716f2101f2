// The main window of the atlas: the map picture with its overlay, the year and
// era word, the two timelines, Previous and Next, the language flags, and the
// commands that open the other windows.
#pragma once

#include <array>

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
    void ac5000();
    void ac3300();
    void ac3100();
    void ac3000();
    void ac2350();
    void ac2220();
    void ac2112();
    void ac2061();
    void ac2004();
    void ac2000();
    void ac1950();
    void ac1810();
    void ac1760();
    void ac1685();
    void ac1650();
    void ac1595();
    void ac1580();
    void ac1550();
    void ac1512();
    void ac1400();
    void ac1365();
    void ac1286();
    void ac1280();
    void ac1250();
    void ac1230();
    void ac1200();
    void ac1157();
    void ac1120();
    void ac1100();
    void ac1085();
    void ac1020();
    void ac900();
    void ac770();
    void ac745();
    void ac732();
    void ac722();
    void ac671();
    void ac652();
    void ac626();
    void ac612();
    void ac587();
    void ac550();
    void ac536();
    void ac525();
    void ac512();
    void ac500();
    void ac492();
    void ac490();
    void ac481();
    void ac480();
    void ac479();
    void ac461();
    void ac431();
    void ac403();
    void ac396();
    void ac390();
    void ac382();
    void ac357();
    void ac348();
    void ac338();
    void ac333();
    void ac332();
    void ac331();
    void ac329();
    void ac326();
    void ac301();
    void ac290();
    void ac264();
    void ac241();
    void ac221();
    void ac212();
    void ac202();
    void ac198();
    void ac188();
    void ac146();
    void ac133();
    void ac106();
    void ac83();
    void ac59();
    void ac51();
    void zero();
    void dc14();
    void dc87();
    void dc117();
    void dc250();
    void dc268();
    void dc290();
    void dc320();
    void dc330();
    void dc378();
    void dc410();
    void dc451();
    void dc476();
    void dc500();
    void dc500eu();
    void dc526();
    void dc565();
    void dc600();
    void dc700();
    void dc732();
    void dc750();
    void dc774();
    void dc800();
    void dc843();
    void dc870();
    void dc900();
    void dc1000();
    void dc1000eu();
    void dc1032();
    void dc1075();
    void dc1092();
    void dc1100();
    void dc1120();
    void dc1160();
    void dc1180();
    void dc1200();
    void dc1200eu();
    void dc1205();
    void dc1260();
    void dc1270();
    void dc1300();
    void dc1300eu();
    void dc1328();
    void dc1400();
    void dc1400eu();
    void dc1420();
    void dc1470();
    void dc1500();
    void dc1500eu();
    void dc1530();
    void dc1600();
    void dc1600eu();
    void dc1618();
    void dc1648();
    void dc1660();
    void dc1700();
    void dc1700eu();
    void dc1748();
    void dc1772();
    void dc1793();
    void dc1795();
    void dc1800();
    void dc1803();
    void dc1808();
    void dc1812();
    void dc1812eu();
    void dc1815();
    void dc1833();
    void dc1850();
    void dc1861();
    void dc1866();
    void dc1871();
    void dc1878();
    void dc1882();
    void dc1900();
    void dc1913();
    void dc1919();
    void dc1925();
    void dc1938();
    void dc1939();
    void dc1945();
    void dc1950();
    void dc1967();
    void dc1975();
    void dc1990();
    void dc1991();
    void dc1992();
    void dc2000();

    // Controls, as designed (twips, colours as 0xBBGGRR).
    forma::TextBox Text1{this};
    forma::Shape ShapeDC{this};
    forma::Shape ShapeAC{this};
    forma::Label Label7{this};
    forma::Label Labcronol{this};
    forma::Label LabCOLLABOR{this};
    forma::Label Label6{this};
    forma::Label Labstampa{this};
    std::array<forma::Label*, 36> Label1{};
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
};
