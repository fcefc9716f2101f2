// The Europe maps of AD 268 to 870 (maps/europe_268_870/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;

const Percorso strade[] = {
    // Map 86 captions 13, 15 and 16 empty without placing them: they stay
    // where map 89 put its two Roman empires, in red.
    Percorso{"Carta86DopoLa89",
             [](Tavolavel& t) {
                 dc(t, 330);  // map 89
                 dc(t, 268);  // map 86
             },
             86,
             {{15, "", 4440, 7920, rosso},
              {16, "", 4680, 7920, rosso},
              {13, "", 4440, 5760, rosso},
              {20, "", 3960, 5400, nero},
              {7, "R O M A N   E M P I R E", 3960, 4920, rosso}},
             "268 A.D. "},
    Percorso{"Carta86InFrancese",
             [](Tavolavel& t) {
                 francese(t);
                 dc(t, 268);
             },
             86,
             {{7, "E M P I R E   R O M A I N", 3960, 4920, rosso}, {19, "R.de Palmyre", 4440, 8160, bianco}},
             "268 Ap.JC. "},
    // Map 87 empties Palmyra (label 19) where map 86 left it, in white.
    Percorso{"Carta87DopoLa86ConNext",
             [](Tavolavel& t) {
                 dc(t, 268);
                 avanti(t);
             },
             87,
             {{19, "", 4440, 8160, bianco}, {7, "R O M A N   E M P I R E", 3000, 4000, rosso}},
             "290A.D. "},
    // From map 90 to 91 the waters turn dark blue and the Caspian moves 5 twips.
    Percorso{"Carta91DopoLa90ConNext",
             [](Tavolavel& t) {
                 dc(t, 378);
                 avanti(t);
             },
             91,
             {{0, "Mediterranean S.", 4680, 4560, bluScuro},
              {3, "Caspian S.", 3960, 10120, bluScuro},
              {9, "-----Angles----", 2160, 5160, nero},
              {22, "oAntioch", 4800, 8860, nero}},
             "410 A.D. "},
    Percorso{"Carta91InItalianoSenzaAnno",
             [](Tavolavel& t) {
                 italiano(t);
                 dc(t, 410);
             },
             91,
             {{10, "-------Sassoni", 2640, 5280, nero}},
             "Gli Unni continuano"},
    // Back from map 93, label 31 is emptied but stays where map 93 put it.
    Percorso{"Carta92IndietroDalla93",
             [](Tavolavel& t) {
                 dc(t, 476);
                 indietro(t);
             },
             92,
             {{31, "", 2160, 4440, nero}, {21, "H U N N I C   E M P I R E", 2880, 6720, bianco}},
             "451 A.D. "},
    // Map 96's Thuringian labels stay in place, empty, on maps 95 and 97.
    Percorso{"Carta95DopoLa96",
             [](Tavolavel& t) {
                 dc(t, 526);
                 dc(t, 500);  // map 95, the Europe map
             },
             95,
             {{32, "", 2760, 6120, bianco}, {33, "", 2880, 6240, bianco}},
             "500 A.D. "},
    Percorso{"Carta97DopoLa96ConNext",
             [](Tavolavel& t) {
                 dc(t, 526);
                 avanti(t);
             },
             97,
             {{32, "", 2760, 6120, bianco},
              {33, "", 2880, 6240, bianco},
              {18, "", 6000, 5880, bianco},
              {20, "", 6000, 6960, nero},
              {24, "", 6000, 7920, bianco}},
             "565 A.D. "},
    // Labels 18, 20 and 24, moved below the map by map 97, come back on map 98.
    Percorso{"Carta98DopoLa97InItaliano",
             [](Tavolavel& t) {
                 italiano(t);
                 dc(t, 565);
                 avanti(t);
             },
             98,
             {{18, "Burgundia", 3480, 5160, bianco},
              {20, "Aquitania", 3600, 4800, nero},
              {24, "Austrasia", 2880, 5640, bianco},
              {10, "---------Sassoni", 2640, 5280, nero}},
             "600 d.C.   "},
    Percorso{"Carta103InFrancese",
             [](Tavolavel& t) {
                 francese(t);
                 dc(t, 800);
             },
             103,
             {{11, "Toltecas ABBASIDE", 4800, 9720, bianco}, {33, "Benevento", 4440, 6240, nero}},
             "800 Ap.JC. "},
    // Maps 104 and 105 share their labels: only the description changes.
    Percorso{"Carta105DopoLa104",
             [](Tavolavel& t) {
                 dc(t, 843);
                 avanti(t);
             },
             105,
             {{11, "ABBASID CALIPHATE", 4800, 9720, bianco},
              {32, "Denmark Kdm", 2160, 5760, nero},
              {34, "", -1, -1, -1},
              {35, "", -1, -1, -1}},
             " 870 A.D. "},
};

INSTANTIATE_TEST_SUITE_P(Europe268a870, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

}  // namespace
