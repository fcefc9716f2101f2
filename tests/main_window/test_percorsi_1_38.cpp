// Maps 1-38 reached by different routes: what a map does not set stays as the
// previous map left it (colours, captions, places), through the real window.
#include <gtest/gtest.h>

#include "maps/ContenutoCarta.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::numcarta;

struct Atteso {
    int etichetta;
    const char* didascalia;  // nullptr: not checked
    float top, left;         // < 0: not checked
    long colore;             // -1: not checked; progettato: see below
};

struct Percorso {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    std::vector<Atteso> attesi;
};

void ac(Tavolavel& t, int valore) { t.LabAc.MouseDown(forma::vbLeftButton, 0, static_cast<float>((3500 - valore) * 3), 100); }
void avanti(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labsuccessiva);
}
void indietro(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labprecedente);
}
void italiano(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabITA); }

constexpr long nero = 0x000000, bianco = 0xFFFFFF, rosso = 0x0000FF;
// The label still has the colour it was designed with: no map drawn so far
// has written it. For labels 10 to 28 that colour is black, so the colour
// alone cannot tell it from a map that wrote black: these cases also check
// that the content of no map on the way gives the label a colour. They are
// routes of Next from start-up, which draw every map from 1 to the one shown.
constexpr long progettato = -2;

long coloreProgettato(int etichetta) { return etichetta <= 9 ? 0xC00000 : 0x000000; }

class Percorsi : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Percorsi, LaCartaMostraCioCheLaStradaLeLascia) {
    Tavolavel& t = mostra();
    GetParam().strada(t);
    ASSERT_EQ(numcarta, GetParam().carta);
    for (const Atteso& a : GetParam().attesi) {
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
        if (a.colore != progettato) continue;
        EXPECT_EQ(l.ForeColor(), static_cast<forma::Colore>(coloreProgettato(a.etichetta)));
        for (int k = 1; k <= numcarta; ++k)
            for (const contenuti::EtichettaCarta& e : schedaDi(k)->dati->etichette)
                EXPECT_FALSE(e.indice == a.etichetta && e.ForeColor) << "map " << k << " colours the label";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi,
    ::testing::Values(
        Percorso{"Carta2DopoLAvvioMemphisNelColoreProgettato", [](Tavolavel& t) { avanti(t); }, 2,
                 {{11, "Memphis", 3500, 5400, progettato}, {10, "", 2520, 6680, -1}, {14, "", -1, -1, -1}}},
        Percorso{"Carta5ConQuattroNext", [](Tavolavel& t) { avanti(t, 4); }, 5,
                 {{10, "Byblos", -1, 6700, progettato}, {11, "Memphis", 3480, -1, progettato},
                  {15, "Niniveh", -1, -1, progettato}, {14, "", 2700, 6600, nero}}},
        Percorso{"Carta5DopoLa10DallaLinea",
                 [](Tavolavel& t) {
                     ac(t, 1990);  // map 10
                     ac(t, 2500);  // map 5
                 },
                 5, {{10, "Byblos", -1, -1, bianco}, {11, "Memphis", -1, -1, bianco}}},
        Percorso{"Carta4IndietroDalla5",
                 [](Tavolavel& t) {
                     avanti(t, 4);
                     indietro(t);
                 },
                 4,
                 {{0, "Agricultural Communities", 3630, 8880, nero},
                  {3, "Lands in contact with urban life", 4830, 8880, nero},
                  {4, "", -1, -1, -1}, {17, "", -1, -1, -1}}},
        Percorso{"Carta19DopoLa22MinoiciNeri",
                 [](Tavolavel& t) {
                     ac(t, 1300);  // map 22
                     ac(t, 1510);  // map 19
                 },
                 19, {{21, "Minoans", 2320, 4920, nero}}},
        Percorso{"Carta19DopoLa23MinoiciBianchi",
                 [](Tavolavel& t) {
                     ac(t, 1270);  // map 23
                     ac(t, 1510);
                 },
                 19, {{21, "Minoans", 2320, 4920, bianco}}},
        Percorso{"Carta25DopoLa24", [](Tavolavel& t) {
                     ac(t, 1250);  // map 24
                     avanti(t);
                 },
                 25, {{10, "Byblos", -1, -1, nero}, {11, "Memphis", -1, -1, nero}, {12, "Thebes", -1, -1, nero}}},
        Percorso{"Carta27DopoLa26InItaliano",
                 [](Tavolavel& t) {
                     italiano(t);
                     ac(t, 1200);  // map 26
                     avanti(t);
                 },
                 27, {{19, "", 2040, 3720, bianco}, {13, "", 2640, 7200, bianco}}},
        Percorso{"Carta28DopoLa27InItaliano",
                 [](Tavolavel& t) {
                     italiano(t);
                     ac(t, 1150);  // map 27
                     avanti(t);
                 },
                 28, {{13, "Impero Babilonese", 2640, 7200, bianco}}},
        Percorso{"Carta32IndietroDalla33",
                 [](Tavolavel& t) {
                     ac(t, 800);  // map 33
                     indietro(t);
                 },
                 32,
                 {{14, "Tyre", -1, -1, bianco}, {10, nullptr, -1, -1, nero}, {11, nullptr, -1, -1, nero},
                  {12, nullptr, -1, -1, nero}, {15, nullptr, -1, -1, nero}, {18, nullptr, -1, -1, nero},
                  {20, nullptr, -1, -1, nero}, {13, "", 3240, 4920, -1}, {22, "", 2760, 10700, -1}}},
        Percorso{"Carta36IndietroDalla38",
                 [](Tavolavel& t) {
                     ac(t, 650);  // map 38
                     indietro(t, 2);
                 },
                 36, {{23, "", 2070, 4440, nero}, {13, "", 3240, 4920, nero}}},
        Percorso{"Carta26RossoIPopoliDelMare", [](Tavolavel& t) { ac(t, 1200); }, 26,
                 {{19, nullptr, -1, -1, rosso}}}),
    [](const auto& i) { return std::string(i.param.nome); });

}  // namespace
