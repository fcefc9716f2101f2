// Europe maps 125 to 144 through the real window: whatever way a map is
// reached, its overlay is the same, since each of these maps places, colours
// and captions all 36 labels and writes its description.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "maps/TutteLeCarte.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

class Percorsi125a144 : public prova::FinestraPrincipale {
public:
    static void premiAC(Tavolavel& t, int valore) { t.LabAc.MouseDown(forma::vbLeftButton, 0, static_cast<float>((3500 - valore) * 3), 100); }
    static void premiDC(Tavolavel& t, int valore) { t.LabDc.MouseDown(forma::vbLeftButton, 0, static_cast<float>(valore * 3), 100); }
    static void clicSu(Tavolavel& t, const QWidget& controllo) { clic(t, controllo); }
    static void avanti(Tavolavel& t) { clic(t, t.Labsuccessiva); }
    static void indietro(Tavolavel& t) { clic(t, t.Labprecedente); }
    static forma::Label& bandiera(Tavolavel& t, contenuti::Lingua l) {
        switch (l) {
        case contenuti::Italiano: return t.LabITA;
        case contenuti::Francese: return t.LabFRA;
        case contenuti::Spagnolo: return t.LabSPA;
        default: return t.LabING;
        }
    }

    // Every label and the description exactly as the map's data give them.
    static void overlayComeIDati(Tavolavel& t, const contenuti::ContenutoCarta& c, contenuti::Lingua l) {
        for (const contenuti::EtichettaCarta& e : c.etichette) {
            SCOPED_TRACE(e.indice);
            const forma::Label& label = *t.Label1[static_cast<std::size_t>(e.indice)];
            EXPECT_EQ(label.Top(), static_cast<float>(e.posizione->Top));
            EXPECT_EQ(label.Left(), static_cast<float>(e.posizione->Left));
            EXPECT_EQ(label.ForeColor(), *e.ForeColor);
            EXPECT_EQ(label.Caption(), QString::fromUtf8(e.didascalia[l]));
        }
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(c.descrizione[l]));
    }
};

struct Percorso {
    const char* nome;
    contenuti::Lingua lingua;
    std::function<void(Tavolavel&)> strada;
    int carta;
    const contenuti::ContenutoCarta* dati;
};

void PrintTo(const Percorso& p, std::ostream* os) { *os << p.nome; }

using P = Percorsi125a144;

class Strade125a144 : public Percorsi125a144, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Strade125a144, LOverlayNonDipendeDallaStrada) {
    const Percorso& p = GetParam();
    Tavolavel& t = mostra();
    clic(t, bandiera(t, p.lingua));
    p.strada(t);
    ASSERT_EQ(numcarta, p.carta);
    overlayComeIDati(t, *p.dati, p.lingua);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Strade125a144,
    ::testing::Values(
        // From the last world map before it: a map of another series and frame.
        Percorso{"Carta125DallaCarta124_Spagnolo", contenuti::Spagnolo,
                 [](Tavolavel& t) { P::premiDC(t, 1380); P::avanti(t); }, 125, &contenuti::dc1400eu},
        // Spare labels 1, 5 and 29 lose the captions map 129 gave them; label 28
        // stays captioned under the picture.
        Percorso{"Carta130DallaCarta129_Inglese", contenuti::Inglese,
                 [](Tavolavel& t) { P::premiDC(t, 1500); P::avanti(t); }, 130, &contenuti::dc1530},
        // A language switch on the map rewrites every caption in the new language.
        Percorso{"Carta135CambioDaItalianoASpagnolo", contenuti::Spagnolo,
                 [](Tavolavel& t) { P::clicSu(t, t.LabITA); P::premiDC(t, 1660); P::clicSu(t, t.LabSPA); }, 135,
                 &contenuti::dc1660},
        Percorso{"Carta137DallaCarta136Mondo_Francese", contenuti::Francese,
                 [](Tavolavel& t) { P::premiDC(t, 1690); P::avanti(t); }, 137, &contenuti::dc1700eu},
        // Poland and Lithuania vanish: labels 10 and 23 go under the picture, empty.
        Percorso{"Carta141DallaCarta140_Italiano", contenuti::Italiano,
                 [](Tavolavel& t) { P::premiDC(t, 1793); P::avanti(t); }, 141, &contenuti::dc1795},
        // From a BC map that empties a range and leaves other labels elsewhere.
        Percorso{"Carta143DallaCarta5_Francese", contenuti::Francese,
                 [](Tavolavel& t) { P::premiAC(t, 2350); P::premiDC(t, 1803); }, 143, &contenuti::dc1803},
        Percorso{"Carta144DallaCarta145ConIndietro_Inglese", contenuti::Inglese,
                 [](Tavolavel& t) { P::premiDC(t, 1811); P::indietro(t); }, 144, &contenuti::dc1808},
        Percorso{"Carta126DallaCarta144_Italiano", contenuti::Italiano,
                 [](Tavolavel& t) { P::premiDC(t, 1808); P::premiDC(t, 1420); }, 126, &contenuti::dc1420}),
    [](const ::testing::TestParamInfo<Percorso>& i) { return std::string(i.param.nome); });

// With a language word that matches none of the four, map 143 still moves and
// colours its labels (the ten spare ones go under the picture) but writes no
// caption and no description: what map 141 wrote stays.
TEST_F(Percorsi125a144, LinguaEstraneaSullaCarta143TieneLeDidascalieDella141) {
    Tavolavel& t = mostra();
    premiDC(t, 1795);
    ASSERT_EQ(numcarta, 141);
    overlayComeIDati(t, contenuti::dc1795, contenuti::Inglese);
    lingua = "Inglese";
    premiDC(t, 1803);
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

// Maps 133, 134 and 135 share one table: stepping through them in one language
// changes only the description.
TEST_F(Percorsi125a144, Da133A135CambiaSoloLaDescrizione) {
    Tavolavel& t = mostra();
    clic(t, t.LabFRA);
    premiDC(t, 1618);
    ASSERT_EQ(numcarta, 133);
    std::vector<QString> didascalie;
    for (const forma::Label* l : t.Label1) didascalie.push_back(l->Caption());
    for (const contenuti::ContenutoCarta* dati : {&contenuti::dc1648, &contenuti::dc1660}) {
        avanti(t);
        overlayComeIDati(t, *dati, contenuti::Francese);
        for (std::size_t i = 0; i < didascalie.size(); ++i) EXPECT_EQ(t.Label1[i]->Caption(), didascalie[i]) << i;
    }
    EXPECT_EQ(numcarta, 135);
}

}  // namespace
