// Maps 68 to 80, 82 and 83 (maps/bc_264_ad_87/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include <array>

#include "maps/TutteLeCarte.h"
#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;
using namespace contenuti;

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

const Percorso strade[] = {
    Percorso{"Da290A264ConAvanti",
             [](Tavolavel& t) {
                 ac(t, 290);
                 avanti(t);
             },
             68,
             {{9, "Parthia", 4080, 8640, bianco},
              {27, "Pontus", 3360, 6840, bianco},
              {29, "Media", 3600, 7680, bianco},
              {30, "Achean League", 3600, 5640, nero},
              {31, "Epiro----", 3360, 5400, nero}},
             "264 B.C. ROME: after the Samnitic Wars,"},
    Percorso{"Da241A264ConIndietroSvuotaBattriana",
             [](Tavolavel& t) {
                 ac(t, 241);
                 indietro(t);
             },
             68,
             {{26, "Maurya Empire", 4920, 9720, bianco}, {32, "", 3600, 9120, bianco}},
             "264 B.C. ROME: after the Samnitic Wars,"},
    Percorso{"Da202A212ConIndietroInSpagnolo",
             [](Tavolavel& t) {
                 spagnolo(t);
                 ac(t, 202);
                 indietro(t);
             },
             71,
             {{16, "Etruscos", 3000, 5160, bianco}, {32, "Batriana", -1, -1, -1}},
             "212 a.C. El reino de los seléucidas"},
    Percorso{
        "Da198A202ConIndietro",
        [](Tavolavel& t) {
            ac(t, 198);
            indietro(t);
        },
        72,
        {{9, "Parthia", 4080, 8640, bianco}, {16, "", 3000, 5160, bianco}, {17, "Seleucid Empire", 3960, 7320, bianco}},
        "202 B.C. The Second Punic War ends:"},
    Percorso{"Da133A146ConIndietroInFrancese",
             [](Tavolavel& t) {
                 francese(t);
                 ac(t, 133);
                 indietro(t);
             },
             75,
             {{16, "", 5520, 7035, bianco},
              {21, "Macédoine", 3240, 5880, bianco},
              {24, "Carthage", 3840, 4800, nero},
              {30, "Empire", -1, -1, -1},
              {17, "Seleucide", -1, -1, -1}},
             "146 av. J.- C. Rome, met fin"},
    Percorso{"Da146A133ConAvanti",
             [](Tavolavel& t) {
                 ac(t, 146);
                 avanti(t);
             },
             76,
             {{16, "Machabeus", 4080, 6650, nero},
              {21, "Hispania", 3480, 3840, bianco},
              {24, "", 5760, 7080, bianco},
              {30, "Seleucid", 3720, 6940, bianco},
              {17, "Empire", 3960, 7030, bianco}},
             "133 B.C.  ROME: due to the death"},
};

INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Percorsi, ::testing::ValuesIn(strade), NomePercorso());

const PercorsoVerificato stradeVerificate[] = {
    // Next across the boundary of the two dispatchers: the spare labels of
    // map 81 go below the picture empty, and map 82 parks its own.
    PercorsoVerificato{"Da80a82ConAvanti",
                       [](Tavolavel& t) {
                           disegna(t, 80);
                           avanti(t);
                           avanti(t);
                       },
                       [](const Tavolavel& t) {
                           EXPECT_EQ(numcarta, 82);
                           comeLaCarta(t, dc14, Inglese);
                           EXPECT_EQ(t.Label1[27]->Top(), 5520.0f);
                           EXPECT_TRUE(t.Label1[27]->Caption().isEmpty());
                       }},
    // Map 82 with a language none of the four: its spare label 27 shows,
    // below the picture, the caption map 80 left; 34 and 35 are emptied.
    PercorsoVerificato{"Da80a82LinguaEstranea",
                       [](Tavolavel& t) {
                           disegna(t, 80);
                           lingua = "Inglese";
                           disegna(t, 82);
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
};

INSTANTIATE_TEST_SUITE_P(Bc264Ad87, PercorsiVerificati, ::testing::ValuesIn(stradeVerificate), NomePercorso());

// The window as start-up leaves it, for the checks that take their own steps.
class Bc264Ad87Finestra : public prova::FinestraPrincipale {};

// Map 70 empties labels 13 to 35 and leaves their places and colours as the
// map before set them, whichever way it is reached.
TEST_F(Bc264Ad87Finestra, Carta70SvuotaSenzaSpostare) {
    Tavolavel& t = mostra();
    for (int prima : {69, 77}) {
        SCOPED_TRACE(prima);
        disegna(t, prima);
        const auto stato = fotografa(t);
        if (prima == 69)
            avanti(t);
        else
            disegna(t, 70);
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
