// Maps 136-168 reached by different routes, through the real window: what a
// map does not set stays as the previous map left it (the places and colours
// of the labels the 1967 map empties, the captions a foreign `lingua` leaves),
// and the 1967 map's French text, put in the box in two writes, ends whole.
#include <gtest/gtest.h>

#include "maps/TutteLeCarte.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
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
    const char* descrizione;  // the whole text of the box; nullptr: not checked
};

// A press on the AD timeline at the place of a year.
void dc(Tavolavel& t, int anno) { t.LabDc.MouseDown(forma::vbLeftButton, 0, static_cast<float>(anno * 3), 100); }
void avanti(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.Labsuccessiva); }
void indietro(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.Labprecedente); }
void francese(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabFRA); }
void spagnolo(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabSPA); }
void italiano(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabITA); }

constexpr long nero = 0x000000, bianco = 0xFFFFFF, blu = 0xFF0000, rosso = 0x0000FF;

class Percorsi136a168 : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Percorsi136a168, LaCartaMostraCioCheLaStradaLeLascia) {
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
    if (GetParam().descrizione) {
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(GetParam().descrizione));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi136a168,
    ::testing::Values(
        Percorso{"Carta163DopoLa162OltreNVuoteAlPostoDellaPrecedente",
                 [](Tavolavel& t) {
                     dc(t, 1955);  // map 162
                     avanti(t);
                 },
                 163,
                 {{32, "", 4080, 5280, bianco}, {33, "", 2280, 3840, bianco}, {34, "", 4560, 11040, bianco},
                  {35, "", 2760, 3720, nero}, {0, "Sinai", 3480, 9600, bianco},
                  {30, "Restituited to Egypt", 3720, 9120, nero}},
                 contenuti::dc1967.descrizione[contenuti::Inglese]},
        Percorso{"Carta163DallaLineaDopoLa136",
                 [](Tavolavel& t) {
                     dc(t, 1690);  // map 136
                     dc(t, 1970);  // map 163
                 },
                 163,
                 {{32, "", 3000, 6720, nero}, {33, "", 2960, 8280, nero}, {34, "", 2640, 8520, bianco},
                  {35, "", 4320, 7920, nero}, {31, "(1974 - 1982)", 3960, 9360, nero}},
                 nullptr},
        Percorso{"Carta163InFranceseRidisegnataTestoIntero",
                 [](Tavolavel& t) {
                     francese(t);
                     dc(t, 1970);  // map 163
                     francese(t);  // drawn again: the text is replaced, not doubled
                 },
                 163, {{0, "Sinaï", -1, -1, bianco}, {12, "SAOUDITE", 4680, 6480, bianco}},
                 contenuti::dc1967.descrizione[contenuti::Francese]},
        Percorso{"Carta163ConLinguaEstraneaDopoLa164",
                 [](Tavolavel& t) {
                     dc(t, 1985);  // map 164
                     lingua = "Inglese";
                     dc(t, 1970);  // map 163
                 },
                 163,
                 {{0, "France", 3480, 9600, bianco}, {4, "U.S.S.R.", 4680, 5880, blu},
                  {31, "Argentina", 3960, 9360, nero}, {32, "", 4080, 5280, bianco}, {35, "", 2760, 3720, nero}},
                 contenuti::dc1975.descrizione[contenuti::Inglese]},
        Percorso{"Carta164DopoLa162DallaLinea",
                 [](Tavolavel& t) {
                     dc(t, 1955);  // map 162
                     dc(t, 1985);  // map 164
                 },
                 164,
                 {{8, "Etiopia", 3240, 8040, bianco}, {11, "Algeria", 2400, 6840, bianco},
                  {20, "Nigeria", 3120, 7080, bianco}, {24, "Bangladesh", 2640, 9720, bianco},
                  {21, "Thailand", 2880, 9840, rosso}},
                 contenuti::dc1975.descrizione[contenuti::Inglese]},
        Percorso{"Carta142DopoLa136Etichetta29Vuota",
                 [](Tavolavel& t) {
                     dc(t, 1690);  // map 136, label 29 "Poland"
                     dc(t, 1799);  // map 142
                 },
                 142, {{29, "", 1440, 7680, bianco}, {6, "Marathi", 2640, 9240, nero}}, nullptr},
        Percorso{"Carta145InItalianoEtichette9e29Vuote",
                 [](Tavolavel& t) {
                     italiano(t);
                     dc(t, 1812);  // map 145
                 },
                 145, {{9, "", 5520, 6120, nero}, {29, "", 1440, 7680, bianco}, {18, "India", 2880, 9360, nero}},
                 contenuti::dc1812.descrizione[contenuti::Italiano]},
        Percorso{"Carta166DopoLa165InFrancese",
                 [](Tavolavel& t) {
                     francese(t);
                     dc(t, 1991);  // map 165
                     avanti(t);
                 },
                 166, {{34, "France", 3360, 5040, nero}, {33, "Austriche", 3480, 6120, bianco}},
                 contenuti::dc1991.descrizione[contenuti::Francese]},
        Percorso{"Carta167IndietroDalla168",
                 [](Tavolavel& t) {
                     dc(t, 2000);  // map 167
                     avanti(t);
                     indietro(t);
                 },
                 167,
                 {{18, "Czekia  Slovakia", 3165, 6240, bianco}, {34, "Bosnia", 3900, 6480, bianco},
                  {30, "Moldava", 3480, 7440, nero}},
                 contenuti::dc1992.descrizione[contenuti::Inglese]},
        Percorso{"Carta168DopoLa167InSpagnolo",
                 [](Tavolavel& t) {
                     spagnolo(t);
                     dc(t, 2000);  // map 167
                     avanti(t);
                 },
                 168,
                 {{11, "Ucraina", 1480, 7800, nero}, {30, "Kazajstán", 1560, 8640, bianco},
                  {18, "India", 2640, 9360, nero}},
                 contenuti::dc2000.descrizione[contenuti::Spagnolo]}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
