// Maps 54 to 67 (maps/bc_403_290/) reached by different routes, through the real window:
// what a map does not set shows what the map drawn before left there.
#include <gtest/gtest.h>

#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::numcarta;

const Percorso strade[] = {
    // Map 59 parks label 26 out of sight; map 58 writes no place for it.
    Percorso{"Carta58DopoLa59Etichetta26Ferma", [](Tavolavel& t) { vaiA(t, 59); indietro(t); }, 58,
                  {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 10100, bianco},
                   {2, "Atlantic O.", 360, 3840, 0xC00000}}},
    Percorso{"Carta58InSpagnoloDopoLa59",
                  [](Tavolavel& t) { vaiA(t, 59); prova::FinestraPrincipale::clic(t, t.LabSPA); indietro(t); }, 58,
                  {{2, "Océano Atlantico", -1, -1, -1}, {23, "oDamasco", 3960, 7080, nero}}},
    Percorso{"Carta59DopoLa58", [](Tavolavel& t) { vaiA(t, 58); avanti(t); }, 59,
                  {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 9720, bianco}}},
    // In Spanish only, label 2 changes between maps 58 and 59.
    Percorso{"Carta59InSpagnoloDopoLa58",
                  [](Tavolavel& t) { vaiA(t, 58); prova::FinestraPrincipale::clic(t, t.LabSPA); avanti(t); }, 59,
                  {{2, "Océano Atlántico", -1, -1, -1}}},
};

INSTANTIATE_TEST_SUITE_P(Bc403a290, Percorsi, ::testing::ValuesIn(strade), nomePercorso);

// The descriptions are written whole: the blank that opens the French text of
// map 56 and the one that closes the English text both reach the box.
class Bc403a290Descrizioni : public prova::FinestraPrincipale {};

TEST_F(Bc403a290Descrizioni, Carta56BianchiIniziaEFinaliScrittiTali) {
    Tavolavel& t = mostra();
    vaiA(t, 56);
    ASSERT_EQ(numcarta, 56);
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("390 B.C. The Galliums,"))) << t.Text1.Text().toStdString();
    EXPECT_TRUE(t.Text1.Text().endsWith(QStringLiteral(". "))) << t.Text1.Text().toStdString();
    prova::FinestraPrincipale::clic(t, t.LabFRA);
    ASSERT_EQ(numcarta, 56);
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral(" 390 Av. J.-C. Les Gaulois,"))) << t.Text1.Text().toStdString();
    EXPECT_EQ(t.Text1.Text().size(), 91);
}

}  // namespace
