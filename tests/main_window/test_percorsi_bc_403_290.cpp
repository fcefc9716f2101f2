// Maps 54 to 67 (maps/bc_403_290/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::numcarta;

const Percorso strade[] = {
    Percorso{"Il403InFrancese",
             [](Tavolavel& t) {
                 francese(t);
                 ac(t, 403);
             },
             54,
             {{11, "Océano Atlantique", 600, 3720, blu},
              {1, "Persepolis", 3420, 7080, bianco},
              {21, "Turcs", -1, -1, -1},
              {22, "", -1, -1, -1}},
             "403 Av. J.-C. En Chine commence la période"},
    // Map 59 parks label 26 out of sight; map 58 writes no place for it.
    Percorso{
        "Carta58DopoLa59Etichetta26Ferma",
        [](Tavolavel& t) {
            vaiA(t, 59);
            indietro(t);
        },
        58,
        {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 10100, bianco}, {2, "Atlantic O.", 360, 3840, 0xC00000}}},
    Percorso{"Carta58InSpagnoloDopoLa59",
             [](Tavolavel& t) {
                 vaiA(t, 59);
                 prova::FinestraPrincipale::clic(t, t.LabSPA);
                 indietro(t);
             },
             58,
             {{2, "Océano Atlantico", -1, -1, -1}, {23, "oDamasco", 3960, 7080, nero}}},
    Percorso{"Carta59DopoLa58",
             [](Tavolavel& t) {
                 vaiA(t, 58);
                 avanti(t);
             },
             59,
             {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 9720, bianco}}},
    // In Spanish only, label 2 changes between maps 58 and 59.
    Percorso{"Carta59InSpagnoloDopoLa58",
             [](Tavolavel& t) {
                 vaiA(t, 58);
                 prova::FinestraPrincipale::clic(t, t.LabSPA);
                 avanti(t);
             },
             59,
             {{2, "Océano Atlántico", -1, -1, -1}}},
    Percorso{"Da333A332ConAvanti",
             [](Tavolavel& t) {
                 ac(t, 333);
                 avanti(t);
             },
             62,
             {{19, "Alexandria", 4305, 6000, nero},
              {23, "oDamascus", 3960, 7080, nero},
              {26, "Nanda Empire", 4920, 9720, bianco},
              {27, "", 3660, 6750, nero}},
             "332 B.C. Alexander The Great conquers"},
    Percorso{"Da331A329ConAvantiInglese",
             [](Tavolavel& t) {
                 ac(t, 331);
                 avanti(t);
             },
             64,
             {{17, "Alexander Empire", 3900, 7800, bianco}, {9, "Mesopotamia", 4320, 7320, bluScuro}},
             " 329 B.C. Alexander The Great gets to Afghanistan."},
    // 301 BC empties labels 29 to 35 itself: whatever map came before (264 BC
    // through the timeline puts Media, the Achaean League and Epirus there),
    // none of its captions stays.
    Percorso{"Da264A301LeEtichette29a35Vuote",
             [](Tavolavel& t) {
                 ac(t, 264);
                 ac(t, 301);
             },
             66,
             {{9, "Antigon Kdm", 3600, 6360, bianco},
              {28, "Armenia", 3360, 7320, bianco},
              {29, "", 3600, 7680, bianco},
              {30, "", 3600, 5640, nero},
              {31, "", 3360, 5400, nero},
              {32, "", -1, -1, -1},
              {35, "", -1, -1, -1}},
             "301 B.C. On Alexander's death"},
    Percorso{"Da133A301NienteSopra28",
             [](Tavolavel& t) {
                 ac(t, 133);
                 ac(t, 301);
             },
             66,
             {{17, "Seleucid Empire", 3960, 8040, bianco},
              {29, "", -1, -1, -1},
              {30, "", -1, -1, -1},
              {31, "", -1, -1, -1},
              {32, "", -1, -1, -1},
              {33, "", -1, -1, -1}},
             "301 B.C. On Alexander's death"},
    Percorso{"Da264A301PoiItaliano",
             [](Tavolavel& t) {
                 ac(t, 264);
                 ac(t, 301);
                 italiano(t);
             },
             66,
             {{9, "Regno di Antigono", -1, -1, -1},
              {29, "", -1, -1, -1},
              {30, "", -1, -1, -1},
              {31, "", -1, -1, -1},
              {32, "", -1, -1, -1}},
             "301 a.C.    Alla morte di Alessandro"},
    // By Next from 326 BC, which empties everything from 27 up, nothing shows
    // above 28; Mesopotamia turns into the white kingdom of Antigonus.
    Percorso{"Da326A301ConAvantiNienteSopra28",
             [](Tavolavel& t) {
                 ac(t, 326);
                 avanti(t);
             },
             66,
             {{9, "Antigon Kdm", 3600, 6360, bianco},
              {29, "", -1, -1, -1},
              {30, "", -1, -1, -1},
              {31, "", -1, -1, -1},
              {35, "", -1, -1, -1}},
             "301 B.C. On Alexander's death"},
    Percorso{"Da301A290ConAvantiLaNoveSiSvuota",
             [](Tavolavel& t) {
                 ac(t, 301);
                 avanti(t);
             },
             67,
             {{9, "", 3600, 6360, bianco},
              {14, "Ptolemaic Empire", 4440, 6120, bianco},
              {21, "Macedon", 3360, 5760, bianco}},
             "290 B.C. ROME: after the victory"},
    Percorso{"Da264A290ConIndietroSvuota29a31",
             [](Tavolavel& t) {
                 ac(t, 264);
                 indietro(t);
             },
             67,
             {{9, "", 3600, 6360, bianco},
              {27, "Thrace", 3120, 6000, bianco},
              {29, "", 3600, 7680, bianco},
              {30, "", 3600, 5640, nero},
              {31, "", 3360, 5400, nero}},
             "290 B.C. ROME: after the victory"},
};

INSTANTIATE_TEST_SUITE_P(Bc403a290, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

// The window as start-up leaves it, for the checks that take their own steps.
class Bc403a290Finestra : public prova::FinestraPrincipale {};

// The descriptions are written whole: the blank that opens the French text of
// map 56 and the one that closes the English text both reach the box.
TEST_F(Bc403a290Finestra, Carta56BianchiIniziaEFinaliScrittiTali) {
    Tavolavel& t = mostra();
    vaiA(t, 56);
    ASSERT_EQ(numcarta, 56);
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("390 B.C. The Galliums,"))) << t.Text1.Text().toStdString();
    EXPECT_TRUE(t.Text1.Text().endsWith(QStringLiteral(". "))) << t.Text1.Text().toStdString();
    prova::FinestraPrincipale::clic(t, t.LabFRA);
    ASSERT_EQ(numcarta, 56);
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral(" 390 Av. J.-C. Les Gaulois,")))
        << t.Text1.Text().toStdString();
    EXPECT_EQ(t.Text1.Text().size(), 91);
}

}  // namespace
