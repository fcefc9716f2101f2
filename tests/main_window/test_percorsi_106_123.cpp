// The Europe maps of AD 900 to 1328 reached by different routes, through the
// real window: each one places, colours and captions all 36 labels, so nothing
// of the map shown before stays, except where the language is none of the four.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

struct Atteso {
    int etichetta;
    const char* didascalia;
};

struct Percorso {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    const contenuti::ContenutoCarta* contenuto;
    int linguaDelleDidascalie;  // -1: captions and description are not this map's
    std::vector<Atteso> attesi;
};

void PrintTo(const Percorso& p, std::ostream* os) { *os << p.nome; }

// The ways of reaching a map, as the user takes them.
class Strade : public prova::FinestraPrincipale {
public:
    static void dc(Tavolavel& t, int valore) {
        t.LabDc.MouseDown(forma::vbLeftButton, 0, static_cast<float>(valore * 3), 100);
    }
    static void avanti(Tavolavel& t, int volte = 1) {
        for (int i = 0; i < volte; ++i) clic(t, t.Labsuccessiva);
    }
    static void indietro(Tavolavel& t, int volte = 1) {
        for (int i = 0; i < volte; ++i) clic(t, t.Labprecedente);
    }
    static void italiano(Tavolavel& t) { clic(t, t.LabITA); }
    static void francese(Tavolavel& t) { clic(t, t.LabFRA); }
    static void spagnolo(Tavolavel& t) { clic(t, t.LabSPA); }
};

class Percorsi106a123 : public Strade, public ::testing::WithParamInterface<Percorso> {};
class Carte106a123Finestra : public Strade {};

TEST_P(Percorsi106a123, OgniEtichettaEQuellaDellaCarta) {
    const Percorso& p = GetParam();
    Tavolavel& t = mostra();
    p.strada(t);
    ASSERT_EQ(numcarta, p.carta);
    const int l = p.linguaDelleDidascalie;
    for (const contenuti::EtichettaCarta& e : p.contenuto->etichette) {
        const forma::Label& et = *t.Label1[static_cast<std::size_t>(e.indice)];
        SCOPED_TRACE(e.indice);
        EXPECT_EQ(et.Top(), static_cast<float>(e.posizione->Top));
        EXPECT_EQ(et.Left(), static_cast<float>(e.posizione->Left));
        EXPECT_EQ(et.ForeColor(), static_cast<forma::Colore>(*e.ForeColor));
        if (l >= 0) {
            EXPECT_EQ(et.Caption(), QString::fromUtf8(e.didascalia[static_cast<std::size_t>(l)]));
        }
    }
    if (l >= 0) {
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(p.contenuto->descrizione[static_cast<std::size_t>(l)]));
    }
    for (const Atteso& a : p.attesi) {
        SCOPED_TRACE(a.etichetta);
        EXPECT_EQ(t.Label1[static_cast<std::size_t>(a.etichetta)]->Caption(), QString::fromUtf8(a.didascalia));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Percorsi106a123,
    ::testing::Values(
        // Map 113 leaves "Chernikof" and "Normandia" on labels 12 and 21; map 114
        // parks both below the picture with nothing written on them.
        Percorso{"Carta114AvantiDalla113InItaliano",
                 [](Tavolavel& t) {
                     Strade::italiano(t);
                     Strade::dc(t, 1120);  // map 113
                     Strade::avanti(t);
                 },
                 114, &contenuti::dc1160, contenuti::Italiano, {{12, ""}, {21, ""}, {29, "Principati"}, {35, "Russi"}}},
        // Map 115 leaves Saladin's empire on label 12.
        Percorso{"Carta114IndietroDalla115",
                 [](Tavolavel& t) {
                     Strade::dc(t, 1180);  // map 115
                     Strade::indietro(t);
                 },
                 114, &contenuti::dc1160, contenuti::Inglese, {{12, ""}, {21, ""}}},
        // Map 117 writes Croatia on label 21 and the world map in between may
        // write anything; map 115 empties it again.
        Percorso{"Carta115IndietroDalla117InSpagnolo",
                 [](Tavolavel& t) {
                     Strade::spagnolo(t);
                     Strade::dc(t, 1202);  // map 117
                     Strade::indietro(t, 2);
                 },
                 115, &contenuti::dc1180, contenuti::Spagnolo, {{21, ""}, {12, "Imp.de Saladino"}}},
        Percorso{"Carta115AvantiDalla114", [](Tavolavel& t) { Strade::dc(t, 1160); Strade::avanti(t); }, 115, &contenuti::dc1180,
                 contenuti::Inglese, {{21, ""}, {12, "Saladin Emp."}}},
        // From start-up (map 1, 5000 BC) straight to the last map of the group.
        Percorso{"Carta123DallAvvio", [](Tavolavel& t) { Strade::dc(t, 1328); }, 123, &contenuti::dc1328, contenuti::Inglese,
                 {{0, "Teutonic"}, {11, "Order"}}},
        // From the last map before the group, whatever it leaves on the overlay.
        Percorso{"Carta106AvantiDalla105InFrancese",
                 [](Tavolavel& t) {
                     Strade::francese(t);
                     Strade::dc(t, 870);  // map 105
                     Strade::avanti(t);
                 },
                 106, &contenuti::dc900, contenuti::Francese, {{19, "oConstantinopole"}}},
        // A flag on the map shown redraws it: same places and colours, the
        // captions and the description in the new language.
        Percorso{"Carta117PoiBandieraFrancese",
                 [](Tavolavel& t) {
                     Strade::dc(t, 1202);  // map 117
                     Strade::francese(t);
                 },
                 117, &contenuti::dc1200eu, contenuti::Francese,
                 {{11, "Saladin     Seljuquides"}, {34, "R. de  France"}}},
        Percorso{"Carta120IndietroDalla123InItaliano",
                 [](Tavolavel& t) {
                     Strade::italiano(t);
                     Strade::dc(t, 1328);  // map 123
                     Strade::indietro(t, 3);
                 },
                 120, &contenuti::dc1270, contenuti::Italiano, {{0, "Ordine"}, {11, "Teutonico"}, {34, "R.di  Francia"}}},
        // A language value that is none of the four words: the labels move and
        // take this map's colours, but keep the previous map's captions.
        Percorso{"Carta114ConLinguaEstraneaTieneLeDidascalieDella113",
                 [](Tavolavel& t) {
                     Strade::dc(t, 1120);  // map 113, in English
                     lingua = "Inglese";
                     Strade::avanti(t);
                 },
                 114, &contenuti::dc1160, -1, {{12, "Chernigov"}, {21, "Normandy"}, {0, "Sult. of Iconio"}}}),
    [](const auto& i) { return std::string(i.param.nome); });

// With an unknown language value the description also stays the previous map's.
TEST_F(Carte106a123Finestra, LinguaEstraneaLasciaLaDescrizione) {
    Tavolavel& t = mostra();
    Strade::dc(t, 1120);  // map 113
    ASSERT_EQ(numcarta, 113);
    const QString prima = t.Text1.Text();
    EXPECT_EQ(prima, QString::fromUtf8(contenuti::dc1120.descrizione[contenuti::Inglese]));
    lingua = "Italiano";
    Strade::avanti(t);
    ASSERT_EQ(numcarta, 114);
    EXPECT_EQ(t.Text1.Text(), prima);
}

// Map 106 in French: the dispatcher writes "900" and "ap.JC." while the
// description keeps its own year form.
TEST_F(Carte106a123Finestra, Carta106InFranceseAnnoEdEra) {
    Tavolavel& t = mostra();
    Strade::francese(t);
    Strade::dc(t, 900);
    ASSERT_EQ(numcarta, 106);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("900"));
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("ap.JC."));
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("900 Ap.J.C.. Le Saint empire romain est"))) << t.Text1.Text().toStdString();
}

}  // namespace
