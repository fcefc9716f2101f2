// Maps 39 to 53 (maps/bc_626_431/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;

const Percorso strade[] = {
    // Map 41 colours its Cilicia label white; map 39 leaves label 27 uncoloured.
    Percorso{"Carta39DopoLa41ScitiInBianco",
             [](Tavolavel& t) {
                 vaiA(t, 41);
                 indietro(t, 2);
             },
             39,
             {{27, "Scythyans", 1080, 7680, bianco},
              {28, "Scythyans", 1200, 9600, -1},
              {26, "Sardis", 1800, 5520, -1},
              {29, "", -1, -1, -1}}},
    // Map 39 captions three labels at or above its emptied start, in any language.
    Percorso{"Carta39InItalianoDidascalieSopraLaPulizia",
             [](Tavolavel& t) {
                 vaiA(t, 39);
                 prova::FinestraPrincipale::clic(t, t.LabITA);
             },
             39,
             {{26, "Sardi", -1, -1, -1}, {27, "Sciti", -1, -1, -1}, {28, "Sciti", -1, -1, -1}, {35, "", -1, -1, -1}}},
    // Map 40 empties the two Scythian labels of map 39, which stay where they were.
    Percorso{"Carta40DopoLa39SvuotaGliSciti",
             [](Tavolavel& t) {
                 vaiA(t, 39);
                 avanti(t);
             },
             40,
             {{27, "", 1080, 7680, -1},
              {28, "", 1200, 9600, -1},
              {22, "New Babylonian Empire", 2640, 6960, bianco},
              {24, "MEDIA", 2280, 8640, bianco}}},
    // Map 44 places label 17 with the empty caption where map 45 names Thrace elsewhere.
    Percorso{"Carta44DopoLa45Etichetta17Vuota",
             [](Tavolavel& t) {
                 vaiA(t, 45);
                 indietro(t);
             },
             44,
             {{17, "", 3960, 5280, bianco}, {22, "Persepolis", 3480, 9240, nero}}},
    // The world map of 500 BC colours labels 10 to 12; map 45 does not.
    Percorso{"Carta45DopoLa46ColoriDelMondo",
             [](Tavolavel& t) {
                 vaiA(t, 46);
                 indietro(t);
             },
             45,
             {{10, "Damascus", 2520, 6700, bianco},
              {11, "Memphis", 3480, 5400, nero},
              {12, "Thebes", 4160, 6330, bianco},
              {17, "Thracia", 1200, 5040, bianco}}},
    // Map 46 empties every label from 13 on, the Near East frame included.
    Percorso{"Carta46DopoLa45",
             [](Tavolavel& t) {
                 vaiA(t, 45);
                 avanti(t);
             },
             46,
             {{0, "Egypt", 2400, 7680, bianco},
              {12, "Celts", 1560, 7080, bianco},
              {13, "", 1920, 4920, -1},
              {28, "", 2240, 8280, -1}}},
    // Maps 47 and 48 leave the same labels alone, so map 49 still shows map 46's colours.
    Percorso{"Carta49Dalla46ConTreNext",
             [](Tavolavel& t) {
                 vaiA(t, 46);
                 avanti(t, 3);
             },
             49,
             {{10, "Damascus", -1, -1, bianco},
              {11, "Memphis", -1, -1, nero},
              {12, "Thebes", -1, -1, bianco},
              {29, "", -1, -1, -1}}},
};

INSTANTIATE_TEST_SUITE_P(Bc626a431, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

}  // namespace
