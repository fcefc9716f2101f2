// The Europe maps of AD 900 to 1328 (maps/europe_900_1328/) reached by different routes,
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

const PercorsoComeLaCarta stradeComeLaCarta[] = {
    // From the last map before the group, whatever it leaves on the overlay.
    PercorsoComeLaCarta{"Carta106AvantiDalla105InFrancese",
                        [](Tavolavel& t) {
                            francese(t);
                            dc(t, 870);  // map 105
                            avanti(t);
                        },
                        106,
                        &contenuti::dc900,
                        contenuti::Francese,
                        {{19, "oConstantinopole", -1, -1, -1}}},
    // Map 113 leaves "Chernikof" and "Normandia" on labels 12 and 21; map 114
    // parks both below the picture with nothing written on them.
    PercorsoComeLaCarta{
        "Carta114AvantiDalla113InItaliano",
        [](Tavolavel& t) {
            italiano(t);
            dc(t, 1120);  // map 113
            avanti(t);
        },
        114,
        &contenuti::dc1160,
        contenuti::Italiano,
        {{12, "", -1, -1, -1}, {21, "", -1, -1, -1}, {29, "Principati", -1, -1, -1}, {35, "Russi", -1, -1, -1}}},
    // Map 115 leaves Saladin's empire on label 12.
    PercorsoComeLaCarta{"Carta114IndietroDalla115",
                        [](Tavolavel& t) {
                            dc(t, 1180);  // map 115
                            indietro(t);
                        },
                        114,
                        &contenuti::dc1160,
                        contenuti::Inglese,
                        {{12, "", -1, -1, -1}, {21, "", -1, -1, -1}}},
    // A language value that is none of the four words: the labels move and
    // take this map's colours, but keep the previous map's captions.
    PercorsoComeLaCarta{
        "Carta114ConLinguaEstraneaTieneLeDidascalieDella113",
        [](Tavolavel& t) {
            dc(t, 1120);  // map 113, in English
            lingua = "Inglese";
            avanti(t);
        },
        114,
        &contenuti::dc1160,
        -1,
        {{12, "Chernigov", -1, -1, -1}, {21, "Normandy", -1, -1, -1}, {0, "Sult. of Iconio", -1, -1, -1}}},
    // Map 117 writes Croatia on label 21 and the world map in between may
    // write anything; map 115 empties it again.
    PercorsoComeLaCarta{"Carta115IndietroDalla117InSpagnolo",
                        [](Tavolavel& t) {
                            spagnolo(t);
                            dc(t, 1202);  // map 117
                            indietro(t, 2);
                        },
                        115,
                        &contenuti::dc1180,
                        contenuti::Spagnolo,
                        {{21, "", -1, -1, -1}, {12, "Imp.de Saladino", -1, -1, -1}}},
    PercorsoComeLaCarta{"Carta115AvantiDalla114",
                        [](Tavolavel& t) {
                            dc(t, 1160);
                            avanti(t);
                        },
                        115,
                        &contenuti::dc1180,
                        contenuti::Inglese,
                        {{21, "", -1, -1, -1}, {12, "Saladin Emp.", -1, -1, -1}}},
    // A flag on the map shown redraws it: same places and colours, the
    // captions and the description in the new language.
    PercorsoComeLaCarta{"Carta117PoiBandieraFrancese",
                        [](Tavolavel& t) {
                            dc(t, 1202);  // map 117
                            francese(t);
                        },
                        117,
                        &contenuti::dc1200eu,
                        contenuti::Francese,
                        {{11, "Saladin     Seljuquides", -1, -1, -1}, {34, "R. de  France", -1, -1, -1}}},
    PercorsoComeLaCarta{"Carta120IndietroDalla123InItaliano",
                        [](Tavolavel& t) {
                            italiano(t);
                            dc(t, 1328);  // map 123
                            indietro(t, 3);
                        },
                        120,
                        &contenuti::dc1270,
                        contenuti::Italiano,
                        {{0, "Ordine", -1, -1, -1}, {11, "Teutonico", -1, -1, -1}, {34, "R.di  Francia", -1, -1, -1}}},
    // From start-up (map 1, 5000 BC) straight to the last map of the group.
    PercorsoComeLaCarta{"Carta123DallAvvio",
                        [](Tavolavel& t) { dc(t, 1328); },
                        123,
                        &contenuti::dc1328,
                        contenuti::Inglese,
                        {{0, "Teutonic", -1, -1, -1}, {11, "Order", -1, -1, -1}}},
};

INSTANTIATE_TEST_SUITE_P(Europe900a1328, PercorsiComeLaCarta, ::testing::ValuesIn(stradeComeLaCarta), NomePercorso());

// The window as start-up leaves it, for the checks that take their own steps.
class Europe900a1328Finestra : public prova::FinestraPrincipale {};

// With an unknown language value the description also stays the previous map's.
TEST_F(Europe900a1328Finestra, LinguaEstraneaLasciaLaDescrizione) {
    Tavolavel& t = mostra();
    dc(t, 1120);  // map 113
    ASSERT_EQ(numcarta, 113);
    const QString prima = t.Text1.Text();
    EXPECT_EQ(prima, QString::fromUtf8(contenuti::dc1120.descrizione[contenuti::Inglese]));
    lingua = "Italiano";
    avanti(t);
    ASSERT_EQ(numcarta, 114);
    EXPECT_EQ(t.Text1.Text(), prima);
}

// Map 106 in French: the dispatcher writes "900" and "ap.JC." while the
// description keeps its own year form.
TEST_F(Europe900a1328Finestra, Carta106InFranceseAnnoEdEra) {
    Tavolavel& t = mostra();
    francese(t);
    dc(t, 900);
    ASSERT_EQ(numcarta, 106);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("900"));
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("ap.JC."));
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("900 Ap.J.C.. Le Saint empire romain est")))
        << t.Text1.Text().toStdString();
}

}  // namespace
