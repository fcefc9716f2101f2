// Maps 70 to 131 drawn through the real main window, reached by different
// roads: what each map leaves of the previous overlay, and what it keeps when
// the language selects none of the four.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "maps/TutteLeCarte.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;
using namespace contenuti;

class Percorsi70a131 : public prova::FinestraPrincipale {
public:
    // Draw a map the way the chronology or a timeline does: set the number
    // and call the dispatcher that owns it.
    static void disegna(Tavolavel& t, int n) {
        numcarta = static_cast<std::int16_t>(n);
        if (n <= 81) t.CArte();
        else t.carte2();
    }
    static void premi(Tavolavel& t, const QWidget& controllo) { clic(t, controllo); }
    static void avanti(Tavolavel& t) { premi(t, t.Labsuccessiva); }
};

struct Stato {
    float Top, Left;
    forma::Colore colore;
    QString didascalia;
};

std::array<Stato, 36> fotografa(const Tavolavel& t) {
    std::array<Stato, 36> s{};
    for (int i = 0; i < 36; ++i) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(i)];
        s[static_cast<std::size_t>(i)] = {l.Top(), l.Left(), l.ForeColor(), l.Caption()};
    }
    return s;
}

// The overlay as a map's content leaves it in a known language: its entries
// placed, coloured and captioned, every label from N on empty, its description.
void comeLaCarta(const Tavolavel& t, const ContenutoCarta& c, Lingua l) {
    for (const EtichettaCarta& e : c.etichette) {
        const forma::Label& lab = *t.Label1[static_cast<std::size_t>(e.indice)];
        SCOPED_TRACE(e.indice);
        EXPECT_EQ(lab.Top(), static_cast<float>(e.posizione->Top));
        EXPECT_EQ(lab.Left(), static_cast<float>(e.posizione->Left));
        EXPECT_EQ(lab.ForeColor(), *e.ForeColor);
        EXPECT_EQ(lab.Caption(), QString::fromUtf8(e.didascalia[l]));
    }
    if (c.primaDaPulire != NessunaPulizia) {
        for (int i = c.primaDaPulire; i < 36; ++i) {
            EXPECT_TRUE(t.Label1[static_cast<std::size_t>(i)]->Caption().isEmpty()) << i;
        }
    }
    EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(c.descrizione[l]));
}

struct Percorso {
    const char* nome;
    std::function<void(Percorsi70a131&, Tavolavel&)> strada;
    std::function<void(const Tavolavel&)> verifica;
};

class Percorsi70a131Strade : public Percorsi70a131, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Percorsi70a131Strade, LasciaLaSovrapposizioneAttesa) {
    Tavolavel& t = mostra();
    GetParam().strada(*this, t);
    GetParam().verifica(t);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi70a131Strade,
    ::testing::Values(
        // Next across the boundary of the two dispatchers: the spare labels of
        // map 81 go below the picture empty, and map 82 parks its own.
        Percorso{"Da80a82ConAvanti",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 80);
                     f.avanti(t);
                     f.avanti(t);
                 },
                 [](const Tavolavel& t) {
                     EXPECT_EQ(numcarta, 82);
                     comeLaCarta(t, dc14, Inglese);
                     EXPECT_EQ(t.Label1[27]->Top(), 5520.0f);
                     EXPECT_TRUE(t.Label1[27]->Caption().isEmpty());
                 }},
        // Map 82 with a language none of the four: its spare label 27 shows,
        // below the picture, the caption map 80 left; 34 and 35 are emptied.
        Percorso{"Da80a82LinguaEstranea",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 80);
                     lingua = "Inglese";
                     f.disegna(t, 82);
                 },
                 [](const Tavolavel& t) {
                     EXPECT_EQ(t.Label1[27]->Top(), 5520.0f);
                     EXPECT_EQ(t.Label1[27]->Left(), 6360.0f);
                     EXPECT_EQ(t.Label1[27]->ForeColor(), 0xFFFFFFu);
                     EXPECT_EQ(t.Label1[27]->Caption(), QStringLiteral("Capadocia"));
                     EXPECT_EQ(t.Label1[26]->Caption(), QStringLiteral("Kanva Empire"));
                     EXPECT_EQ(t.Label1[26]->ForeColor(), 0x000000u);
                     EXPECT_TRUE(t.Label1[34]->Caption().isEmpty());
                     EXPECT_TRUE(t.Label1[35]->Caption().isEmpty());
                     EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("51 B.C.")));
                 }},
        // Map 119 has no emptying step: with a foreign language value its row
        // of spare labels below the picture shows the previous map's captions.
        Percorso{"Da77a119LinguaEstranea",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 77);
                     lingua = "english";
                     f.disegna(t, 119);
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
        Percorso{"Da77a119Spagnolo",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 77);
                     f.premi(t, t.LabSPA);
                     f.disegna(t, 119);
                 },
                 [](const Tavolavel& t) {
                     comeLaCarta(t, dc1260, Spagnolo);
                     for (int i : {11, 13, 15, 18, 20, 21, 28, 29})
                         EXPECT_TRUE(t.Label1[static_cast<std::size_t>(i)]->Caption().isEmpty()) << i;
                     EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral(" 1260")));
                 }},
        // A language flag on map 107 redraws it: only captions and the text change.
        Percorso{"Carta107DalFranceseAllInglese",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 107);
                     f.premi(t, t.LabFRA);
                     EXPECT_EQ(t.Label1[7]->Caption(), QStringLiteral("Mayas"));
                     EXPECT_EQ(t.Label1[13]->Caption(), QStringLiteral("ERG"));
                     f.premi(t, t.LabING);
                 },
                 [](const Tavolavel& t) {
                     comeLaCarta(t, dc1000, Inglese);
                     EXPECT_EQ(t.Label1[13]->Caption(), QStringLiteral("HRE"));
                     EXPECT_EQ(t.Text1.Text().size(), 860);
                 }},
        // Back from map 132 to 131 with Previous in Italian, then French.
        Percorso{"Da132a131Indietro",
                 [](Percorsi70a131& f, Tavolavel& t) {
                     f.disegna(t, 131);
                     f.avanti(t);
                     f.premi(t, t.LabITA);
                     f.premi(t, t.Labprecedente);
                     f.premi(t, t.LabFRA);
                 },
                 [](const Tavolavel& t) {
                     EXPECT_EQ(numcarta, 131);
                     comeLaCarta(t, dc1600, Francese);
                     EXPECT_EQ(t.Label1[2]->Caption(), QStringLiteral("Moroc"));
                 }}),
    [](const ::testing::TestParamInfo<Percorso>& i) { return std::string(i.param.nome); });

// Map 70 empties labels 13 to 35 and leaves their places and colours as the
// map before set them, whichever way it is reached.
TEST_F(Percorsi70a131, Carta70SvuotaSenzaSpostare) {
    Tavolavel& t = mostra();
    for (int prima : {69, 77}) {
        SCOPED_TRACE(prima);
        disegna(t, prima);
        const auto stato = fotografa(t);
        if (prima == 69) avanti(t);
        else disegna(t, 70);
        ASSERT_EQ(numcarta, 70);
        comeLaCarta(t, ac221, Inglese);
        for (std::size_t i = 13; i < 36; ++i) {
            EXPECT_EQ(t.Label1[i]->Top(), stato[i].Top) << i;
            EXPECT_EQ(t.Label1[i]->Left(), stato[i].Left) << i;
            EXPECT_EQ(t.Label1[i]->ForeColor(), stato[i].colore) << i;
        }
    }
}

}  // namespace
