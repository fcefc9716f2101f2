// Maps 39-59 reached by different routes, through the real window: what a map
// does not set (the colour of its cities, a label's place, captions from the
// emptied start on) shows what the map drawn before left there.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "main_window/FasceTempo.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::numcarta;

struct Atteso39a59 {
    int etichetta;
    const char* didascalia;  // nullptr: not checked
    float top, left;         // < 0: not checked
    long colore;             // < 0: not checked
};

struct Percorso39a59 {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    std::vector<Atteso39a59> attesi;
};

// A press on the BC timeline at the first value that selects map n.
void vaiA(Tavolavel& t, int n) {
    for (int valore = 0; valore <= 3500; ++valore) {
        if (cartaPer(FasceaC, static_cast<float>(valore)) == n) {
            t.LabAc.MouseDown(forma::vbLeftButton, 0, static_cast<float>((3500 - valore) * 3), 100);
            return;
        }
    }
    ADD_FAILURE() << "no timeline value selects map " << n;
}
void avanti(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labsuccessiva);
}
void indietro(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labprecedente);
}

constexpr long nero = 0x000000, bianco = 0xFFFFFF;

class Percorsi39a59 : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso39a59> {};

TEST_P(Percorsi39a59, LaCartaMostraCioCheLaStradaLeLascia) {
    Tavolavel& t = mostra();
    GetParam().strada(t);
    ASSERT_EQ(numcarta, GetParam().carta);
    for (const Atteso39a59& a : GetParam().attesi) {
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
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi39a59,
    ::testing::Values(
        // Map 41 colours its Cilicia label white; map 39 leaves label 27 uncoloured.
        Percorso39a59{"Carta39DopoLa41ScitiInBianco", [](Tavolavel& t) { vaiA(t, 41); indietro(t, 2); }, 39,
                      {{27, "Scythyans", 1080, 7680, bianco}, {28, "Scythyans", 1200, 9600, -1},
                       {26, "Sardis", 1800, 5520, -1}, {29, "", -1, -1, -1}}},
        // Map 39 captions three labels at or above its emptied start, in any language.
        Percorso39a59{"Carta39InItalianoDidascalieSopraLaPulizia",
                      [](Tavolavel& t) { vaiA(t, 39); prova::FinestraPrincipale::clic(t, t.LabITA); }, 39,
                      {{26, "Sardi", -1, -1, -1}, {27, "Sciti", -1, -1, -1}, {28, "Sciti", -1, -1, -1},
                       {35, "", -1, -1, -1}}},
        // Map 40 empties the two Scythian labels of map 39, which stay where they were.
        Percorso39a59{"Carta40DopoLa39SvuotaGliSciti", [](Tavolavel& t) { vaiA(t, 39); avanti(t); }, 40,
                      {{27, "", 1080, 7680, -1}, {28, "", 1200, 9600, -1},
                       {22, "New Babylonian Empire", 2640, 6960, bianco}, {24, "MEDIA", 2280, 8640, bianco}}},
        // The world map of 500 BC colours labels 10 to 12; map 45 does not.
        Percorso39a59{"Carta45DopoLa46ColoriDelMondo", [](Tavolavel& t) { vaiA(t, 46); indietro(t); }, 45,
                      {{10, "Damascus", 2520, 6700, bianco}, {11, "Memphis", 3480, 5400, nero},
                       {12, "Thebes", 4160, 6330, bianco}, {17, "Thracia", 1200, 5040, bianco}}},
        // Maps 47 and 48 leave the same labels alone, so map 49 still shows map 46's colours.
        Percorso39a59{"Carta49Dalla46ConTreNext", [](Tavolavel& t) { vaiA(t, 46); avanti(t, 3); }, 49,
                      {{10, "Damascus", -1, -1, bianco}, {11, "Memphis", -1, -1, nero},
                       {12, "Thebes", -1, -1, bianco}, {29, "", -1, -1, -1}}},
        // Map 44 places label 17 with the empty caption where map 45 names Thrace elsewhere.
        Percorso39a59{"Carta44DopoLa45Etichetta17Vuota", [](Tavolavel& t) { vaiA(t, 45); indietro(t); }, 44,
                      {{17, "", 3960, 5280, bianco}, {22, "Persepolis", 3480, 9240, nero}}},
        // Map 46 empties every label from 13 on, the Near East frame included.
        Percorso39a59{"Carta46DopoLa45", [](Tavolavel& t) { vaiA(t, 45); avanti(t); }, 46,
                      {{0, "Egypt", 2400, 7680, bianco}, {12, "Celts", 1560, 7080, bianco},
                       {13, "", 1920, 4920, -1}, {28, "", 2240, 8280, -1}}},
        // Map 59 parks label 26 out of sight; map 58 writes no place for it.
        Percorso39a59{"Carta58DopoLa59Etichetta26Ferma", [](Tavolavel& t) { vaiA(t, 59); indietro(t); }, 58,
                      {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 10100, bianco},
                       {2, "Atlantic O.", 360, 3840, 0xC00000}}},
        Percorso39a59{"Carta59DopoLa58", [](Tavolavel& t) { vaiA(t, 58); avanti(t); }, 59,
                      {{26, "", 8000, 9800, -1}, {19, "Nanda Empire", 4920, 9720, bianco}}},
        // In Spanish only, label 2 changes between maps 58 and 59.
        Percorso39a59{"Carta59InSpagnoloDopoLa58",
                      [](Tavolavel& t) { vaiA(t, 58); prova::FinestraPrincipale::clic(t, t.LabSPA); avanti(t); }, 59,
                      {{2, "Océano Atlántico", -1, -1, -1}}},
        Percorso39a59{"Carta58InSpagnoloDopoLa59",
                      [](Tavolavel& t) { vaiA(t, 59); prova::FinestraPrincipale::clic(t, t.LabSPA); indietro(t); }, 58,
                      {{2, "Océano Atlantico", -1, -1, -1}, {23, "oDamasco", 3960, 7080, nero}}}),
    [](const ::testing::TestParamInfo<Percorso39a59>& i) { return std::string(i.param.nome); });

// The descriptions are written whole: the blank that opens the French text of
// map 56 and the one that closes the English text both reach the box.
class Descrizioni39a59 : public prova::FinestraPrincipale {};

TEST_F(Descrizioni39a59, Carta56BianchiIniziaEFinaliScrittiTali) {
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
