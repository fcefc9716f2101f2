// The world maps of AD 1700 to 2000 (maps/world_1700_2000/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "maps/TutteLeCarte.h"
#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;

const Percorso strade[] = {
    Percorso{"Carta142DopoLa136Etichetta29Vuota",
             [](Tavolavel& t) {
                 dc(t, 1690);  // map 136, label 29 "Poland"
                 dc(t, 1799);  // map 142
             },
             142,
             {{29, "", 1440, 7680, bianco}, {6, "Marathi", 2640, 9240, nero}},
             nullptr,
             nullptr},
    Percorso{"Carta145InItalianoEtichette9e29Vuote",
             [](Tavolavel& t) {
                 italiano(t);
                 dc(t, 1812);  // map 145
             },
             145,
             {{9, "", 5520, 6120, nero}, {29, "", 1440, 7680, bianco}, {18, "India", 2880, 9360, nero}},
             nullptr,
             contenuti::dc1812.descrizione[contenuti::Italiano]},
    Percorso{"Carta164DopoLa162DallaLinea",
             [](Tavolavel& t) {
                 dc(t, 1955);  // map 162
                 dc(t, 1985);  // map 164
             },
             164,
             {{8, "Etiopia", 3240, 8040, bianco},
              {11, "Algeria", 2400, 6840, bianco},
              {20, "Nigeria", 3120, 7080, bianco},
              {24, "Bangladesh", 2640, 9720, bianco},
              {21, "Thailand", 2880, 9840, rosso}},
             nullptr,
             contenuti::dc1975.descrizione[contenuti::Inglese]},
    Percorso{
        "Carta168DopoLa167InSpagnolo",
        [](Tavolavel& t) {
            spagnolo(t);
            dc(t, 2000);  // map 167
            avanti(t);
        },
        168,
        {{11, "Ucraina", 1480, 7800, nero}, {30, "Kazajstán", 1560, 8640, bianco}, {18, "India", 2640, 9360, nero}},
        nullptr,
        contenuti::dc2000.descrizione[contenuti::Spagnolo]},
};

INSTANTIATE_TEST_SUITE_P(World1700a2000, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

}  // namespace
