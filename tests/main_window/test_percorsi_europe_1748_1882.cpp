// The Europe maps of AD 1748 to 1882 (maps/europe_1748_1882/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "maps/TutteLeCarte.h"
#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;
using namespace contenuti;

const PercorsoComeLaCarta stradeComeLaCarta[] = {
    // Poland and Lithuania vanish: labels 10 and 23 go under the picture, empty.
    PercorsoComeLaCarta{"Carta141DallaCarta140_Italiano",
                        [](Tavolavel& t) {
                            italiano(t);
                            dc(t, 1793);
                            avanti(t);
                        },
                        141,
                        &contenuti::dc1795,
                        contenuti::Italiano,
                        {}},
    // From a BC map that empties a range and leaves other labels elsewhere.
    PercorsoComeLaCarta{"Carta143DallaCarta5_Francese",
                        [](Tavolavel& t) {
                            francese(t);
                            ac(t, 2350);
                            dc(t, 1803);
                        },
                        143,
                        &contenuti::dc1803,
                        contenuti::Francese,
                        {}},
    PercorsoComeLaCarta{"Carta144DallaCarta145ConIndietro_Inglese",
                        [](Tavolavel& t) {
                            inglese(t);
                            dc(t, 1811);
                            indietro(t);
                        },
                        144,
                        &contenuti::dc1808,
                        contenuti::Inglese,
                        {}},
    // From the start-up map, in English, straight to 1812.
    PercorsoComeLaCarta{"Carta146DallAvvio",
                        [](Tavolavel& t) { dc(t, 1813); },
                        146,
                        &contenuti::dc1812eu,
                        contenuti::Inglese,
                        {{27, "Switzerl", 3480, 5520, 0xFFFFFF},
                         {9, "United kingdom", 2240, 4680, 0x000000},
                         {0, "", 5760, 6240, 0xFF0000},
                         {30, "", 5760, 9000, 0x0000FF}},
                        "1812  T"},
    // Previous from 1833 to 1815 in Spanish.
    PercorsoComeLaCarta{"Carta147DaPrevious148Spagnolo",
                        [](Tavolavel& t) {
                            dc(t, 1833);
                            prova::FinestraPrincipale::clic(t, t.LabSPA);
                            indietro(t);
                        },
                        147,
                        &contenuti::dc1815,
                        contenuti::Spagnolo,
                        {{13, "R.di Suecia", 1520, 5880, 0x000000},
                         {6, "Confed. Germànica", 2770, 5760, 0x000000},
                         {12, "Reino de", 3720, 5400, 0xFFFFFF},
                         {0, "Cerdeña", 3840, 5400, 0xFFFFFF}},
                        "1815  E"},
    // 1833 then 1861 in Italian: Tuscany and Wallachia are parked and empty.
    PercorsoComeLaCarta{"Carta150Dopo148Italiano",
                        [](Tavolavel& t) {
                            dc(t, 1833);
                            prova::FinestraPrincipale::clic(t, t.LabITA);
                            ASSERT_EQ(numcarta, 148);
                            ASSERT_EQ(t.Label1[26]->Caption(), QStringLiteral("Toscana"));
                            ASSERT_EQ(t.Label1[35]->Caption(), QStringLiteral("Valacchia"));
                            dc(t, 1861);
                        },
                        150,
                        &contenuti::dc1861,
                        contenuti::Italiano,
                        {{26, "", 5760, 7560, 0x000000},
                         {35, "", 5760, 9480, 0x000000},
                         {0, "R.d'Italia", 3960, 5760, 0x000000},
                         {3, "Turcomanni", 3600, 10800, 0x000000}},
                        "1861   L"},
    // Next from 1866 to 1871: Hungary's label stays on the map, empty.
    PercorsoComeLaCarta{"Carta152DaNext151Inglese",
                        [](Tavolavel& t) {
                            dc(t, 1866);
                            ASSERT_EQ(t.Label1[31]->Caption(), QStringLiteral("Hungary Kdm"));
                            avanti(t);
                        },
                        152,
                        &contenuti::dc1871,
                        contenuti::Inglese,
                        {{31, "", 3600, 6600, 0xFFFFFF},
                         {1, "", 2760, 11040, 0xFFFFFF},
                         {33, "Austro-hungarian Emp.", 3480, 6120, 0xFFFFFF},
                         {34, "Rep. of France", 3240, 4800, 0x000000}},
                        "1871  T"},
};

INSTANTIATE_TEST_SUITE_P(Europe1748a1882, PercorsiComeLaCarta, ::testing::ValuesIn(stradeComeLaCarta), NomePercorso());

// The window as start-up leaves it, for the checks that take their own steps.
class Europe1748a1882Finestra : public prova::FinestraPrincipale {};

// With a language word that matches none of the four, map 143 still moves and
// colours its labels (the ten spare ones go under the picture) but writes no
// caption and no description: what map 141 wrote stays.
TEST_F(Europe1748a1882Finestra, LinguaEstraneaSullaCarta143TieneLeDidascalieDella141) {
    Tavolavel& t = mostra();
    dc(t, 1795);
    ASSERT_EQ(numcarta, 141);
    overlayComeIDati(t, contenuti::dc1795, contenuti::Inglese);
    lingua = "Inglese";
    dc(t, 1803);
    ASSERT_EQ(numcarta, 143);
    for (int i = 0; i < contenuti::NumeroEtichette; ++i) {
        SCOPED_TRACE(i);
        const contenuti::EtichettaCarta& nuova = contenuti::dc1803.etichette[static_cast<std::size_t>(i)];
        const contenuti::EtichettaCarta& vecchia = contenuti::dc1795.etichette[static_cast<std::size_t>(i)];
        const forma::Label& label = *t.Label1[static_cast<std::size_t>(i)];
        EXPECT_EQ(label.Top(), static_cast<float>(nuova.posizione->Top));
        EXPECT_EQ(label.Left(), static_cast<float>(nuova.posizione->Left));
        EXPECT_EQ(label.ForeColor(), *nuova.ForeColor);
        EXPECT_EQ(label.Caption(), QString::fromUtf8(vecchia.didascalia[contenuti::Inglese]));
    }
    // Savoy, Genoa and Tuscany keep their names, now under the picture.
    EXPECT_EQ(t.Label1[12]->Caption(), QStringLiteral("Savoy"));
    EXPECT_EQ(t.Label1[12]->Top(), 6000.0f);
    EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(contenuti::dc1795.descrizione[contenuti::Inglese]));
}

// From 1878 to 1882 in the same language only label 4 changes on the overlay.
TEST_F(Europe1748a1882Finestra, Da1878A1882CambiaSoloLEtichetta4) {
    Tavolavel& t = mostra();
    dc(t, 1878);
    clic(t, t.LabSPA);
    ASSERT_EQ(numcarta, 153);
    struct Stato {
        float Top, Left;
        std::uint32_t colore;
        QString didascalia;
        bool operator==(const Stato&) const = default;
    };
    auto fotografia = [&t] {
        std::array<Stato, 36> s;
        for (std::size_t i = 0; i < 36; ++i)
            s[i] = {t.Label1[i]->Top(), t.Label1[i]->Left(), t.Label1[i]->ForeColor(), t.Label1[i]->Caption()};
        return s;
    };
    const auto prima = fotografia();
    const QString descrizionePrima = t.Text1.Text();
    avanti(t);
    ASSERT_EQ(numcarta, 154);
    const auto dopo = fotografia();
    for (std::size_t i = 0; i < 36; ++i) EXPECT_EQ(prima[i] == dopo[i], i != 4) << i;
    EXPECT_EQ(dopo[4].didascalia, QStringLiteral("Túnez -Fr."));
    EXPECT_EQ(dopo[4].Top, 5160);
    EXPECT_EQ(dopo[4].Left, 5280);
    EXPECT_NE(t.Text1.Text(), descrizionePrima);
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("1882  F")));
}

// A language value outside the four words: the labels take the places and
// colours of the map reached, and keep the captions and the description of
// the map before.
TEST_F(Europe1748a1882Finestra, LinguaEstraneaTieneLeDidascaliePrecedenti) {
    Tavolavel& t = mostra();
    dc(t, 1815);
    ASSERT_EQ(numcarta, 147);
    const QString descrizione1815 = t.Text1.Text();
    lingua = "Inglese";
    indietro(t);
    ASSERT_EQ(numcarta, 146);
    EXPECT_EQ(t.Label1[0]->Top(), 5760);
    EXPECT_EQ(t.Label1[0]->Left(), 6240);
    EXPECT_EQ(t.Label1[0]->ForeColor(), 0xFF0000u);
    EXPECT_EQ(t.Label1[0]->Caption(), QStringLiteral("Sardinia"));
    EXPECT_EQ(t.Label1[27]->Caption(), QStringLiteral("Switzerl."));
    EXPECT_EQ(t.Label1[12]->Top(), 6000);
    EXPECT_EQ(t.Label1[12]->Caption(), QStringLiteral("Kdm of"));
    EXPECT_EQ(t.Text1.Text(), descrizione1815);
}

}  // namespace
