// The Europe maps of 1812 to 1990 reached along real routes through the main
// window: whatever the previous map left on the overlay, each of these maps
// rewrites all 36 labels, so only its own places, colours and captions remain.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

class Percorsi146a165 : public prova::FinestraPrincipale {
public:
    static void premiDC(Tavolavel& t, int anno) { t.LabDc.MouseDown(1, 0, static_cast<float>(anno * 3), 100); }
    void avanti(Tavolavel& t) { clic(t, t.Labsuccessiva); }
    void indietro(Tavolavel& t) { clic(t, t.Labprecedente); }
    void bandiera(Tavolavel& t, const forma::Label& b) { clic(t, b); }
};

struct AttesaEtichetta {
    int indice;
    int Top;
    int Left;
    std::uint32_t colore;
    const char* didascalia;
};

struct Percorso {
    const char* nome;
    std::function<void(Percorsi146a165&, Tavolavel&)> strada;
    int carta;
    const contenuti::ContenutoCarta* contenuto;
    contenuti::Lingua lingua;
    std::vector<AttesaEtichetta> attese;
    const char* inizioDescrizione;
};

void PrintTo(const Percorso& p, std::ostream* os) { *os << p.nome; }

class Percorsi146a165Strade : public Percorsi146a165, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Percorsi146a165Strade, SoloLaCartaRaggiuntaSullaSovrapposizione) {
    const Percorso& p = GetParam();
    Tavolavel& t = mostra();
    p.strada(*this, t);
    ASSERT_EQ(numcarta, p.carta);

    // The labels named by the route, checked against literal values.
    for (const AttesaEtichetta& a : p.attese) {
        SCOPED_TRACE(a.indice);
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(a.indice)];
        EXPECT_EQ(l.Top(), a.Top);
        EXPECT_EQ(l.Left(), a.Left);
        EXPECT_EQ(l.ForeColor(), a.colore);
        EXPECT_EQ(l.Caption(), QString::fromUtf8(a.didascalia));
    }
    // And every label: nothing of the previous map survives.
    for (const contenuti::EtichettaCarta& e : p.contenuto->etichette) {
        SCOPED_TRACE(e.indice);
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(e.indice)];
        EXPECT_EQ(l.Top(), e.posizione->Top);
        EXPECT_EQ(l.Left(), e.posizione->Left);
        EXPECT_EQ(l.ForeColor(), *e.ForeColor);
        EXPECT_EQ(l.Caption(), QString::fromUtf8(e.didascalia[p.lingua]));
    }
    EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(p.contenuto->descrizione[p.lingua]));
    EXPECT_TRUE(t.Text1.Text().startsWith(QString::fromUtf8(p.inizioDescrizione)));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi146a165Strade,
    ::testing::Values(
        // From the start-up map, in English, straight to 1812.
        Percorso{"Carta146DallAvvio",
                 [](Percorsi146a165&, Tavolavel& t) { Percorsi146a165::premiDC(t, 1813); },
                 146,
                 &contenuti::dc1812eu,
                 contenuti::Inglese,
                 {{27, 3480, 5520, 0xFFFFFF, "Switzerl"},
                  {9, 2240, 4680, 0x000000, "United kingdom"},
                  {0, 5760, 6240, 0xFF0000, ""},
                  {30, 5760, 9000, 0x0000FF, ""}},
                 "1812  T"},
        // 1833 then 1861 in Italian: Tuscany and Wallachia are parked and empty.
        Percorso{"Carta150Dopo148Italiano",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1833);
                     f.bandiera(t, t.LabITA);
                     ASSERT_EQ(numcarta, 148);
                     ASSERT_EQ(t.Label1[26]->Caption(), QStringLiteral("Toscana"));
                     ASSERT_EQ(t.Label1[35]->Caption(), QStringLiteral("Valacchia"));
                     Percorsi146a165::premiDC(t, 1861);
                 },
                 150,
                 &contenuti::dc1861,
                 contenuti::Italiano,
                 {{26, 5760, 7560, 0x000000, ""},
                  {35, 5760, 9480, 0x000000, ""},
                  {0, 3960, 5760, 0x000000, "R.d'Italia"},
                  {3, 3600, 10800, 0x000000, "Turcomanni"}},
                 "1861   L"},
        // Previous from 1833 to 1815 in Spanish.
        Percorso{"Carta147DaPrevious148Spagnolo",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1833);
                     f.bandiera(t, t.LabSPA);
                     f.indietro(t);
                 },
                 147,
                 &contenuti::dc1815,
                 contenuti::Spagnolo,
                 {{13, 1520, 5880, 0x000000, "R.di Suecia"},
                  {6, 2770, 5760, 0x000000, "Confed. Germànica"},
                  {12, 3720, 5400, 0xFFFFFF, "Reino de"},
                  {0, 3840, 5400, 0xFFFFFF, "Cerdeña"}},
                 "1815  E"},
        // Next from 1866 to 1871: Hungary's label stays on the map, empty.
        Percorso{"Carta152DaNext151Inglese",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1866);
                     ASSERT_EQ(t.Label1[31]->Caption(), QStringLiteral("Hungary Kdm"));
                     f.avanti(t);
                 },
                 152,
                 &contenuti::dc1871,
                 contenuti::Inglese,
                 {{31, 3600, 6600, 0xFFFFFF, ""},
                  {1, 2760, 11040, 0xFFFFFF, ""},
                  {33, 3480, 6120, 0xFFFFFF, "Austro-hungarian Emp."},
                  {34, 3240, 4800, 0x000000, "Rep. of France"}},
                 "1871  T"},
        // Previous from 1945 to 1939 in French; the inset follows the routine.
        Percorso{"Carta160DaPrevious161Francese",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1945);
                     f.bandiera(t, t.LabFRA);
                     f.indietro(t);
                     EXPECT_EQ(t.Image2.Picture()->origine, QStringLiteral("atlante\\battaglia2.jpg"));
                 },
                 160,
                 &contenuti::dc1939,
                 contenuti::Francese,
                 {{31, 4320, 6720, 0x000000, "Albanie-It"},
                  {18, 3240, 6480, 0xFFFFFF, "Tchécoslovaquie"},
                  {26, 1800, 7080, 0xFFFFFF, "Estonie"}},
                 "1939 L"},
        // Next from 1981-1990 to 1990 in French.
        Percorso{"Carta165DaNext164Francese",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1985);
                     f.bandiera(t, t.LabFRA);
                     ASSERT_EQ(numcarta, 164);
                     f.avanti(t);
                 },
                 165,
                 &contenuti::dc1990,
                 contenuti::Francese,
                 {{26, 6000, 8040, 0xFFFFFF, ""},
                  {16, 1920, 8160, 0xFFFFFF, "Union Soviétique"},
                  {29, 2280, 6960, 0xFFFFFF, "Lithuanie"}},
                 "1990 L"},
        // Spanish then Italian on the same map: the description is replaced
        // whole, the labels keep their places and colours.
        Percorso{"Carta161DaSpagnoloAItaliano",
                 [](Percorsi146a165& f, Tavolavel& t) {
                     Percorsi146a165::premiDC(t, 1945);
                     f.bandiera(t, t.LabSPA);
                     ASSERT_EQ(t.Text1.Text(), QString::fromUtf8(contenuti::dc1945.descrizione[contenuti::Spagnolo]));
                     ASSERT_EQ(t.Text1.Text().size(), 451);
                     f.bandiera(t, t.LabITA);
                 },
                 161,
                 &contenuti::dc1945,
                 contenuti::Italiano,
                 {{35, 4920, 8880, 0x000000, "Siria"},
                  {6, 3000, 5640, 0x000000, "Germania-fed"},
                  {26, 6000, 8040, 0xFFFFFF, ""}},
                 "1945   A"}),
    [](const ::testing::TestParamInfo<Percorso>& i) { return std::string(i.param.nome); });

// From 1878 to 1882 in the same language only label 4 changes on the overlay.
TEST_F(Percorsi146a165, Da1878A1882CambiaSoloLEtichetta4) {
    Tavolavel& t = mostra();
    premiDC(t, 1878);
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
TEST_F(Percorsi146a165, LinguaEstraneaTieneLeDidascaliePrecedenti) {
    Tavolavel& t = mostra();
    premiDC(t, 1815);
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
