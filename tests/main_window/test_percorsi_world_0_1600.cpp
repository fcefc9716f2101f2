// The world maps from the year zero to AD 1600 (maps/world_0_1600/) reached by different routes,
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

const PercorsoVerificato stradeVerificate[] = {
    // A language flag on map 107 redraws it: only captions and the text change.
    PercorsoVerificato{"Carta107DalFranceseAllInglese",
                       [](Tavolavel& t) {
                           disegna(t, 107);
                           prova::FinestraPrincipale::clic(t, t.LabFRA);
                           EXPECT_EQ(t.Label1[7]->Caption(), QStringLiteral("Mayas"));
                           EXPECT_EQ(t.Label1[13]->Caption(), QStringLiteral("ERG"));
                           prova::FinestraPrincipale::clic(t, t.LabING);
                       },
                       [](const Tavolavel& t) {
                           comeLaCarta(t, dc1000, Inglese);
                           EXPECT_EQ(t.Label1[13]->Caption(), QStringLiteral("HRE"));
                           EXPECT_EQ(t.Text1.Text().size(), 860);
                       }},
    // Map 119 has no emptying step: with a foreign language value its row
    // of spare labels below the picture shows the previous map's captions.
    PercorsoVerificato{"Da77a119LinguaEstranea",
                       [](Tavolavel& t) {
                           disegna(t, 77);
                           lingua = "english";
                           disegna(t, 119);
                       },
                       [](const Tavolavel& t) {
                           EXPECT_EQ(t.Label1[11]->Top(), 5640.0f);
                           EXPECT_EQ(t.Label1[11]->Left(), 5760.0f);
                           EXPECT_EQ(t.Label1[11]->Caption(), QStringLiteral("Turks"));
                           EXPECT_EQ(t.Label1[29]->ForeColor(), 0xFFFFFFu);
                           EXPECT_EQ(t.Label1[29]->Caption(), QStringLiteral("Media"));
                           EXPECT_EQ(t.Label1[35]->Caption(), QStringLiteral("CHINA HAN"));
                           EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("106 B.C.")));
                       }},
    // In a known language map 119 replaces every label of the map before.
    PercorsoVerificato{"Da77a119Spagnolo",
                       [](Tavolavel& t) {
                           disegna(t, 77);
                           prova::FinestraPrincipale::clic(t, t.LabSPA);
                           disegna(t, 119);
                       },
                       [](const Tavolavel& t) {
                           comeLaCarta(t, dc1260, Spagnolo);
                           for (int i : {11, 13, 15, 18, 20, 21, 28, 29})
                               EXPECT_TRUE(t.Label1[static_cast<std::size_t>(i)]->Caption().isEmpty()) << i;
                           EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral(" 1260")));
                       }},
    // Back from map 132 to 131 with Previous in Italian, then French.
    PercorsoVerificato{"Da132a131Indietro",
                       [](Tavolavel& t) {
                           disegna(t, 131);
                           avanti(t);
                           prova::FinestraPrincipale::clic(t, t.LabITA);
                           prova::FinestraPrincipale::clic(t, t.Labprecedente);
                           prova::FinestraPrincipale::clic(t, t.LabFRA);
                       },
                       [](const Tavolavel& t) {
                           EXPECT_EQ(numcarta, 131);
                           comeLaCarta(t, dc1600, Francese);
                           EXPECT_EQ(t.Label1[2]->Caption(), QStringLiteral("Moroc"));
                       }},
};

INSTANTIATE_TEST_SUITE_P(World0a1600, PercorsiVerificati, ::testing::ValuesIn(stradeVerificate), NomePercorso());

}  // namespace
