// Maps 19 to 38 (maps/bc_1512_652/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;

const Percorso strade[] = {
    Percorso{"Carta19DopoLa22MinoiciNeri",
             [](Tavolavel& t) {
                 ac(t, 1300);  // map 22
                 ac(t, 1510);  // map 19
             },
             19,
             {{21, "Minoans", 2320, 4920, nero}}},
    Percorso{"Carta19DopoLa23MinoiciBianchi",
             [](Tavolavel& t) {
                 ac(t, 1270);  // map 23
                 ac(t, 1510);
             },
             19,
             {{21, "Minoans", 2320, 4920, bianco}}},
    Percorso{"Carta25DopoLa24",
             [](Tavolavel& t) {
                 ac(t, 1250);  // map 24
                 avanti(t);
             },
             25,
             {{10, "Byblos", -1, -1, nero}, {11, "Memphis", -1, -1, nero}, {12, "Thebes", -1, -1, nero}}},
    Percorso{"Carta26RossoIPopoliDelMare", [](Tavolavel& t) { ac(t, 1200); }, 26, {{19, nullptr, -1, -1, rosso}}},
    Percorso{"Carta27DopoLa26InItaliano",
             [](Tavolavel& t) {
                 italiano(t);
                 ac(t, 1200);  // map 26
                 avanti(t);
             },
             27,
             {{19, "", 2040, 3720, bianco}, {13, "", 2640, 7200, bianco}}},
    Percorso{"Carta28DopoLa27InItaliano",
             [](Tavolavel& t) {
                 italiano(t);
                 ac(t, 1150);  // map 27
                 avanti(t);
             },
             28,
             {{13, "Impero Babilonese", 2640, 7200, bianco}}},
    Percorso{"Carta32IndietroDalla33",
             [](Tavolavel& t) {
                 ac(t, 800);  // map 33
                 indietro(t);
             },
             32,
             {{14, "Tyre", -1, -1, bianco},
              {10, nullptr, -1, -1, nero},
              {11, nullptr, -1, -1, nero},
              {12, nullptr, -1, -1, nero},
              {15, nullptr, -1, -1, nero},
              {18, nullptr, -1, -1, nero},
              {20, nullptr, -1, -1, nero},
              {13, "", 3240, 4920, -1},
              {22, "", 2760, 10700, -1}}},
    Percorso{"Carta36IndietroDalla38",
             [](Tavolavel& t) {
                 ac(t, 650);  // map 38
                 indietro(t, 2);
             },
             36,
             {{23, "", 2070, 4440, nero}, {13, "", 3240, 4920, nero}}},
};

INSTANTIATE_TEST_SUITE_P(Bc1512a652, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

}  // namespace
