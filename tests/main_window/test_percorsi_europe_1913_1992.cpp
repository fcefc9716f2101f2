// The Europe and Middle East maps of AD 1913 to 1992 (maps/europe_1913_1992/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "maps/TutteLeCarte.h"
#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;
using namespace contenuti;

const Percorso strade[] = {
    Percorso{"Carta163DopoLa162OltreNVuoteAlPostoDellaPrecedente",
             [](Tavolavel& t) {
                 dc(t, 1955);  // map 162
                 avanti(t);
             },
             163,
             {{32, "", 4080, 5280, bianco},
              {33, "", 2280, 3840, bianco},
              {34, "", 4560, 11040, bianco},
              {35, "", 2760, 3720, nero},
              {0, "Sinai", 3480, 9600, bianco},
              {30, "Restituited to Egypt", 3720, 9120, nero}},
             nullptr,
             contenuti::dc1967.descrizione[contenuti::Inglese]},
    Percorso{"Carta163DallaLineaDopoLa136",
             [](Tavolavel& t) {
                 dc(t, 1690);  // map 136
                 dc(t, 1970);  // map 163
             },
             163,
             {{32, "", 3000, 6720, nero},
              {33, "", 2960, 8280, nero},
              {34, "", 2640, 8520, bianco},
              {35, "", 4320, 7920, nero},
              {31, "(1974 - 1982)", 3960, 9360, nero}},
             nullptr,
             nullptr},
    Percorso{"Carta163InFranceseRidisegnataTestoIntero",
             [](Tavolavel& t) {
                 francese(t);
                 dc(t, 1970);  // map 163
                 francese(t);  // drawn again: the text is replaced, not doubled
             },
             163,
             {{0, "Sinaï", -1, -1, bianco}, {12, "SAOUDITE", 4680, 6480, bianco}},
             nullptr,
             contenuti::dc1967.descrizione[contenuti::Francese]},
    Percorso{"Carta163ConLinguaEstraneaDopoLa164",
             [](Tavolavel& t) {
                 dc(t, 1985);  // map 164
                 lingua = "Inglese";
                 dc(t, 1970);  // map 163
             },
             163,
             {{0, "France", 3480, 9600, bianco},
              {4, "U.S.S.R.", 4680, 5880, blu},
              {31, "Argentina", 3960, 9360, nero},
              {32, "", 4080, 5280, bianco},
              {35, "", 2760, 3720, nero}},
             nullptr,
             contenuti::dc1975.descrizione[contenuti::Inglese]},
    Percorso{"Carta166DopoLa165InFrancese",
             [](Tavolavel& t) {
                 francese(t);
                 dc(t, 1991);  // map 165
                 avanti(t);
             },
             166,
             {{34, "France", 3360, 5040, nero}, {33, "Austriche", 3480, 6120, bianco}},
             nullptr,
             contenuti::dc1991.descrizione[contenuti::Francese]},
    Percorso{"Carta167IndietroDalla168",
             [](Tavolavel& t) {
                 dc(t, 2000);  // map 167
                 avanti(t);
                 indietro(t);
             },
             167,
             {{18, "Czekia  Slovakia", 3165, 6240, bianco},
              {34, "Bosnia", 3900, 6480, bianco},
              {30, "Moldava", 3480, 7440, nero}},
             nullptr,
             contenuti::dc1992.descrizione[contenuti::Inglese]},
};

INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

const PercorsoComeLaCarta stradeComeLaCarta[] = {
    // Previous from 1945 to 1939 in French; the inset follows the routine.
    PercorsoComeLaCarta{"Carta160DaPrevious161Francese",
                        [](Tavolavel& t) {
                            dc(t, 1945);
                            prova::FinestraPrincipale::clic(t, t.LabFRA);
                            indietro(t);
                            EXPECT_EQ(t.Image2.Picture()->origine, QStringLiteral("atlante\\battaglia2.jpg"));
                        },
                        160,
                        &contenuti::dc1939,
                        contenuti::Francese,
                        {{31, "Albanie-It", 4320, 6720, 0x000000},
                         {18, "Tchécoslovaquie", 3240, 6480, 0xFFFFFF},
                         {26, "Estonie", 1800, 7080, 0xFFFFFF}},
                        "1939 L"},
    // Spanish then Italian on the same map: the description is replaced
    // whole, the labels keep their places and colours.
    PercorsoComeLaCarta{"Carta161DaSpagnoloAItaliano",
                        [](Tavolavel& t) {
                            dc(t, 1945);
                            prova::FinestraPrincipale::clic(t, t.LabSPA);
                            ASSERT_EQ(t.Text1.Text(),
                                      QString::fromUtf8(contenuti::dc1945.descrizione[contenuti::Spagnolo]));
                            ASSERT_EQ(t.Text1.Text().size(), 451);
                            prova::FinestraPrincipale::clic(t, t.LabITA);
                        },
                        161,
                        &contenuti::dc1945,
                        contenuti::Italiano,
                        {{35, "Siria", 4920, 8880, 0x000000},
                         {6, "Germania-fed", 3000, 5640, 0x000000},
                         {26, "", 6000, 8040, 0xFFFFFF}},
                        "1945   A"},
    // Next from 1981-1990 to 1990 in French.
    PercorsoComeLaCarta{"Carta165DaNext164Francese",
                        [](Tavolavel& t) {
                            dc(t, 1985);
                            prova::FinestraPrincipale::clic(t, t.LabFRA);
                            ASSERT_EQ(numcarta, 164);
                            avanti(t);
                        },
                        165,
                        &contenuti::dc1990,
                        contenuti::Francese,
                        {{26, "", 6000, 8040, 0xFFFFFF},
                         {16, "Union Soviétique", 1920, 8160, 0xFFFFFF},
                         {29, "Lithuanie", 2280, 6960, 0xFFFFFF}},
                        "1990 L"},
};

INSTANTIATE_TEST_SUITE_P(Europe1913a1992, PercorsiComeLaCarta, ::testing::ValuesIn(stradeComeLaCarta), NomePercorso());

}  // namespace
