// The Europe maps of AD 268-870 reached by different routes: a label that a map
// does not place, colour or caption shows what the previous map left there.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::numcarta;

struct Atteso {
    int etichetta;
    const char* didascalia;  // nullptr: not checked
    float top, left;         // < 0: not checked
    long colore;             // < 0: not checked
};

struct Percorso {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    std::vector<Atteso> attesi;
    const char* inizioTesto;  // opening of the description; nullptr: not checked
};

void dc(Tavolavel& t, int anno) { t.LabDc.MouseDown(forma::vbLeftButton, 0, static_cast<float>(anno * 3), 100); }
void avanti(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.Labsuccessiva); }
void indietro(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.Labprecedente); }
void italiano(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabITA); }
void francese(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabFRA); }

constexpr long nero = 0x000000, bianco = 0xFFFFFF, rosso = 0x0000FF, bluScuro = 0xC00000;

class Percorsi86a105 : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Percorsi86a105, LaCartaMostraCioCheLaStradaLeLascia) {
    Tavolavel& t = mostra();
    GetParam().strada(t);
    ASSERT_EQ(numcarta, GetParam().carta);
    for (const Atteso& a : GetParam().attesi) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(a.etichetta)];
        SCOPED_TRACE(a.etichetta);
        if (a.didascalia) {
            EXPECT_EQ(l.Caption(), QString::fromUtf8(a.didascalia));
        }
        if (a.top >= 0) {
            EXPECT_EQ(l.Top(), a.top);
        }
        if (a.left >= 0) {
            EXPECT_EQ(l.Left(), a.left);
        }
        if (a.colore >= 0) {
            EXPECT_EQ(l.ForeColor(), static_cast<forma::Colore>(a.colore));
        }
    }
    if (const char* inizio = GetParam().inizioTesto) {
        const QString testo = t.Text1.Text();
        EXPECT_TRUE(testo.startsWith(QString::fromUtf8(inizio))) << testo.left(30).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Carte86a105, Percorsi86a105,
    ::testing::Values(
        // Map 86 captions 13, 15 and 16 empty without placing them: they stay
        // where map 89 put its two Roman empires, in red.
        Percorso{"Carta86DopoLa89",
                 [](Tavolavel& t) {
                     dc(t, 330);  // map 89
                     dc(t, 268);  // map 86
                 },
                 86,
                 {{15, "", 4440, 7920, rosso}, {16, "", 4680, 7920, rosso}, {13, "", 4440, 5760, rosso},
                  {20, "", 3960, 5400, nero}, {7, "R O M A N   E M P I R E", 3960, 4920, rosso}},
                 "268 A.D. "},
        // Map 87 empties Palmyra (label 19) where map 86 left it, in white.
        Percorso{"Carta87DopoLa86ConNext",
                 [](Tavolavel& t) {
                     dc(t, 268);
                     avanti(t);
                 },
                 87, {{19, "", 4440, 8160, bianco}, {7, "R O M A N   E M P I R E", 3000, 4000, rosso}}, "290A.D. "},
        Percorso{"Carta86InFrancese",
                 [](Tavolavel& t) {
                     francese(t);
                     dc(t, 268);
                 },
                 86, {{7, "E M P I R E   R O M A I N", 3960, 4920, rosso}, {19, "R.de Palmyre", 4440, 8160, bianco}},
                 "268 Ap.JC. "},
        // From map 90 to 91 the waters turn dark blue and the Caspian moves 5 twips.
        Percorso{"Carta91DopoLa90ConNext",
                 [](Tavolavel& t) {
                     dc(t, 378);
                     avanti(t);
                 },
                 91,
                 {{0, "Mediterranean S.", 4680, 4560, bluScuro}, {3, "Caspian S.", 3960, 10120, bluScuro},
                  {9, "-----Angles----", 2160, 5160, nero}, {22, "oAntioch", 4800, 8860, nero}},
                 "410 A.D. "},
        Percorso{"Carta91InItalianoSenzaAnno",
                 [](Tavolavel& t) {
                     italiano(t);
                     dc(t, 410);
                 },
                 91, {{10, "-------Sassoni", 2640, 5280, nero}}, "Gli Unni continuano"},
        // Back from map 93, label 31 is emptied but stays where map 93 put it.
        Percorso{"Carta92IndietroDalla93",
                 [](Tavolavel& t) {
                     dc(t, 476);
                     indietro(t);
                 },
                 92, {{31, "", 2160, 4440, nero}, {21, "H U N N I C   E M P I R E", 2880, 6720, bianco}}, "451 A.D. "},
        // Map 96's Thuringian labels stay in place, empty, on maps 95 and 97.
        Percorso{"Carta95DopoLa96",
                 [](Tavolavel& t) {
                     dc(t, 526);
                     dc(t, 500);  // map 95, the Europe map
                 },
                 95, {{32, "", 2760, 6120, bianco}, {33, "", 2880, 6240, bianco}}, "500 A.D. "},
        Percorso{"Carta97DopoLa96ConNext",
                 [](Tavolavel& t) {
                     dc(t, 526);
                     avanti(t);
                 },
                 97,
                 {{32, "", 2760, 6120, bianco}, {33, "", 2880, 6240, bianco}, {18, "", 6000, 5880, bianco},
                  {20, "", 6000, 6960, nero}, {24, "", 6000, 7920, bianco}},
                 "565 A.D. "},
        // Labels 18, 20 and 24, moved below the map by map 97, come back on map 98.
        Percorso{"Carta98DopoLa97InItaliano",
                 [](Tavolavel& t) {
                     italiano(t);
                     dc(t, 565);
                     avanti(t);
                 },
                 98,
                 {{18, "Burgundia", 3480, 5160, bianco}, {20, "Aquitania", 3600, 4800, nero},
                  {24, "Austrasia", 2880, 5640, bianco}, {10, "---------Sassoni", 2640, 5280, nero}},
                 "600 d.C.   "},
        // Maps 104 and 105 share their labels: only the description changes.
        Percorso{"Carta105DopoLa104",
                 [](Tavolavel& t) {
                     dc(t, 843);
                     avanti(t);
                 },
                 105,
                 {{11, "ABBASID CALIPHATE", 4800, 9720, bianco}, {32, "Denmark Kdm", 2160, 5760, nero},
                  {34, "", -1, -1, -1}, {35, "", -1, -1, -1}},
                 " 870 A.D. "},
        Percorso{"Carta103InFrancese",
                 [](Tavolavel& t) {
                     francese(t);
                     dc(t, 800);
                 },
                 103, {{11, "Toltecas ABBASIDE", 4800, 9720, bianco}, {33, "Benevento", 4440, 6240, nero}},
                 "800 Ap.JC. "}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
