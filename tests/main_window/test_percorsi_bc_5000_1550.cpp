// Maps 1 to 18 (maps/bc_5000_1550/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;

const Percorso strade[] = {
    Percorso{"Carta2DopoLAvvioMemphisNelColoreProgettato",
             [](Tavolavel& t) { avanti(t); },
             2,
             {{11, "Memphis", 3500, 5400, progettato}, {10, "", 2520, 6680, -1}, {14, "", -1, -1, -1}}},
    Percorso{"Carta4IndietroDalla5",
             [](Tavolavel& t) {
                 avanti(t, 4);
                 indietro(t);
             },
             4,
             {{0, "Agricultural Communities", 3630, 8880, nero},
              {3, "Lands in contact with urban life", 4830, 8880, nero},
              {4, "", -1, -1, -1},
              {17, "", -1, -1, -1}}},
    Percorso{"Carta5ConQuattroNext",
             [](Tavolavel& t) { avanti(t, 4); },
             5,
             {{10, "Byblos", -1, 6700, progettato},
              {11, "Memphis", 3480, -1, progettato},
              {15, "Niniveh", -1, -1, progettato},
              {14, "", 2700, 6600, nero}}},
    Percorso{"Carta5DopoLa10DallaLinea",
             [](Tavolavel& t) {
                 ac(t, 1990);  // map 10
                 ac(t, 2500);  // map 5
             },
             5,
             {{10, "Byblos", -1, -1, bianco}, {11, "Memphis", -1, -1, bianco}}},
};

INSTANTIATE_TEST_SUITE_P(Bc5000a1550, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

}  // namespace
