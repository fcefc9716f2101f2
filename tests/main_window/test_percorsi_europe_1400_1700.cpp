// The Europe maps of AD 1400 to 1700 (maps/europe_1400_1700/) reached by different routes,
// through the real window: what a map sets, and what it leaves as the map
// drawn before left it.
#include <gtest/gtest.h>

#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/main_window/PercorsiFinestra.h"

namespace {

using namespace percorsi;
using ModtavolaVel::numcarta;

const PercorsoComeLaCarta stradeComeLaCarta[] = {
    // From the last world map before it: a map of another series and frame.
    PercorsoComeLaCarta{"Carta125DallaCarta124_Spagnolo",
                        [](Tavolavel& t) {
                            spagnolo(t);
                            dc(t, 1380);
                            avanti(t);
                        },
                        125,
                        &contenuti::dc1400eu,
                        contenuti::Spagnolo,
                        {}},
    PercorsoComeLaCarta{"Carta126DallaCarta144_Italiano",
                        [](Tavolavel& t) {
                            italiano(t);
                            dc(t, 1808);
                            dc(t, 1420);
                        },
                        126,
                        &contenuti::dc1420,
                        contenuti::Italiano,
                        {}},
    // Spare labels 1, 5 and 29 lose the captions map 129 gave them; label 28
    // stays captioned under the picture.
    PercorsoComeLaCarta{"Carta130DallaCarta129_Inglese",
                        [](Tavolavel& t) {
                            inglese(t);
                            dc(t, 1500);
                            avanti(t);
                        },
                        130,
                        &contenuti::dc1530,
                        contenuti::Inglese,
                        {}},
    // A language switch on the map rewrites every caption in the new language.
    PercorsoComeLaCarta{"Carta135CambioDaItalianoASpagnolo",
                        [](Tavolavel& t) {
                            spagnolo(t);
                            prova::FinestraPrincipale::clic(t, t.LabITA);
                            dc(t, 1660);
                            prova::FinestraPrincipale::clic(t, t.LabSPA);
                        },
                        135,
                        &contenuti::dc1660,
                        contenuti::Spagnolo,
                        {}},
    PercorsoComeLaCarta{"Carta137DallaCarta136Mondo_Francese",
                        [](Tavolavel& t) {
                            francese(t);
                            dc(t, 1690);
                            avanti(t);
                        },
                        137,
                        &contenuti::dc1700eu,
                        contenuti::Francese,
                        {}},
};

INSTANTIATE_TEST_SUITE_P(Europe1400a1700, PercorsiComeLaCarta, ::testing::ValuesIn(stradeComeLaCarta), NomePercorso());

// The window as start-up leaves it, for the checks that take their own steps.
class Europe1400a1700Finestra : public prova::FinestraPrincipale {};

// Maps 133, 134 and 135 share one table: stepping through them in one language
// changes only the description.
TEST_F(Europe1400a1700Finestra, Da133A135CambiaSoloLaDescrizione) {
    Tavolavel& t = mostra();
    clic(t, t.LabFRA);
    dc(t, 1618);
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
