// Start-up: the first screen, and the hover colours with a real mouse.
#include <gtest/gtest.h>

#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::brano;
using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

class Avvio : public prova::FinestraPrincipale {};

TEST_F(Avvio, LaPrimaSchermataMostraLaCarta1InInglese) {
    Tavolavel& t = avvia();
    EXPECT_EQ(lingua, "inglese");
    EXPECT_EQ(numcarta, 1);
    EXPECT_GE(brano, 1);
    EXPECT_LE(brano, 15);
    EXPECT_EQ(t.Image1.Picture()->origine, QStringLiteral("atlante\\5000bac.gif"));
    EXPECT_FALSE(t.Image1.Picture()->immagine.isNull());
    EXPECT_EQ(t.Image2.Picture()->origine, QStringLiteral("atlante\\battaglia2.jpg"));
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("5000"));
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B. C."));
    EXPECT_FALSE(t.Labprecedente.Enabled());
    EXPECT_TRUE(t.Labsuccessiva.Enabled());
    EXPECT_EQ(t.ShapeAC.Width(), 1);
    EXPECT_EQ(t.ShapeDC.Width(), 1);
    EXPECT_EQ(t.LabAc.Caption(),
              QStringLiteral("..3400......3200.....3000......2800.....2600......2400.....2200......2000......1800......"
                             "1600.....1400.....1200.....1000......800......600.......400........200.........0"));
    EXPECT_EQ(t.LabDc.Caption(),
              QStringLiteral("0.......200.......400.......600.......800.......1000......1200......1400......1600......"
                             "1800......2000"));
    EXPECT_EQ(t.Label5.Caption(),
              QStringLiteral("To explore the maps, click on 'Next' or 'Previous', otherwise click on the timeline below."));
    EXPECT_EQ(t.Labsuccessiva.Caption(), QStringLiteral("NEXT >>"));
    EXPECT_EQ(t.Labprecedente.Caption(), QStringLiteral("<<  PREVIOUS"));
    EXPECT_EQ(t.Label2.Caption(), QStringLiteral("Map of the year"));
    EXPECT_EQ(t.LabCOLLABOR.Caption(), QStringLiteral("Collaboratori   Collaborateurs  Colaboradores  Collaborators"));
    EXPECT_EQ(t.BackColor(), 0x400000u);
    EXPECT_EQ(t.Caption(), QStringLiteral("CARTAVIVA"));
}

TEST_F(Avvio, LaSovrapposizioneHaLaCarta1EnonIlProgetto) {
    Tavolavel& t = avvia();
    // Before the first paint: no designed caption "0".."35" and no "Text1".
    EXPECT_NE(t.Text1.Text(), QStringLiteral("Text1"));
    for (int i = 0; i < 36; ++i) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(i)];
        EXPECT_NE(l.Caption(), QString::number(i)) << i;
        EXPECT_EQ(l.FontName(), QStringLiteral("Arial")) << i;
        EXPECT_EQ(l.FontSize(), 7.0f) << i;
        if (i >= 3) {
            EXPECT_EQ(l.Caption(), QString()) << i;
        }
    }
    struct Attesa {
        int indice;
        const char* didascalia;
        float top;
        forma::Colore colore;
    };
    for (const Attesa& a : {Attesa{0, "Hunters-gatherers", 3600, 0x000000}, Attesa{1, "Hunters-agriculturists", 4680, 0x000000},
                            Attesa{2, "Agricultural Communities", 4110, 0xFF0000}}) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(a.indice)];
        EXPECT_EQ(l.Caption(), QString::fromUtf8(a.didascalia));
        EXPECT_EQ(l.Top(), a.top);
        EXPECT_EQ(l.Left(), 9120);
        EXPECT_EQ(l.ForeColor(), a.colore);
    }
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("5000 B.C. The world before")));
}

TEST_F(Avvio, IlPrimoNextMostraBCAccantoA3300) {
    Tavolavel& t = mostra();
    clic(t, t.Labsuccessiva);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("3300"));
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C."));
}

// Hover colours: where the mouse goes, and the colour each label is left in.
struct Passo {
    enum Dove { Esci, Animazioni, Collaboratori, Testo, Suggerimento, Superficie } dove;
    forma::Colore esci, animazioni, collaboratori;
};

struct CasoHover {
    const char* nome;
    std::vector<Passo> passi;
};

class ColoriAlPassaggio : public prova::FinestraPrincipale, public ::testing::WithParamInterface<CasoHover> {};

TEST_P(ColoriAlPassaggio, ConIlMouseVero) {
    Tavolavel& t = mostra();
    const QPoint superficie(2, 2);
    for (const Passo& p : GetParam().passi) {
        QPoint punto;
        switch (p.dove) {
            case Passo::Esci: punto = centro(t.Labesci); break;
            case Passo::Animazioni: punto = centro(t.Labanimazioni); break;
            case Passo::Collaboratori: punto = centro(t.LabCOLLABOR); break;
            case Passo::Testo: punto = centro(t.Text1); break;
            // The one row of pixels where the hint lies over "Animated Series".
            case Passo::Suggerimento: punto = QPoint(centro(t.Label5).x(), t.Labanimazioni.geometry().top()); break;
            case Passo::Superficie: punto = superficie; break;
        }
        QTest::mouseMove(&t, punto);
        EXPECT_EQ(t.Labesci.ForeColor(), p.esci) << p.dove;
        EXPECT_EQ(t.Labanimazioni.ForeColor(), p.animazioni) << p.dove;
        EXPECT_EQ(t.LabCOLLABOR.ForeColor(), p.collaboratori) << p.dove;
    }
}

constexpr forma::Colore chiaro = 0xFFC0C0, rosso = 0x0000FF, ciano = 0xFFFF80;

INSTANTIATE_TEST_SUITE_P(
    Tabella, ColoriAlPassaggio,
    ::testing::Values(
        CasoHover{"EsciRossoPoiSuperficie", {{Passo::Esci, rosso, chiaro, chiaro}, {Passo::Superficie, chiaro, chiaro, chiaro}}},
        CasoHover{"CollaboratoriPoiTesto", {{Passo::Collaboratori, chiaro, chiaro, ciano}, {Passo::Testo, chiaro, chiaro, chiaro}}},
        CasoHover{"AnimazioniPoiSuggerimentoRestaRosso",
                  {{Passo::Animazioni, chiaro, rosso, chiaro}, {Passo::Suggerimento, chiaro, rosso, chiaro},
                   {Passo::Superficie, chiaro, chiaro, chiaro}}},
        CasoHover{"EsciPoiTestoRestaRosso", {{Passo::Esci, rosso, chiaro, chiaro}, {Passo::Testo, rosso, chiaro, chiaro}}},
        CasoHover{"TuttiEPoiSuperficie",
                  {{Passo::Esci, rosso, chiaro, chiaro}, {Passo::Animazioni, rosso, rosso, chiaro},
                   {Passo::Collaboratori, rosso, rosso, ciano}, {Passo::Superficie, chiaro, chiaro, chiaro}}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Avvio, IlDiscoGrigioSiScurisceAlPrimoPassaggioESiTiene) {
    Tavolavel& t = mostra();
    EXPECT_EQ(t.Shape3.FillColor(), std::optional<forma::Colore>(0x808080));
    QTest::mouseMove(&t, centro(t.Labesci));
    EXPECT_EQ(t.Shape3.FillColor(), std::optional<forma::Colore>(0x808080));
    QTest::mouseMove(&t, QPoint(2, 2));
    EXPECT_EQ(t.Shape3.FillColor(), std::optional<forma::Colore>(0x404040));
    QTest::mouseMove(&t, centro(t.Labesci));
    QTest::mouseMove(&t, centro(t.Shape3));  // shapes leave the mouse to the form
    EXPECT_EQ(t.Shape3.FillColor(), std::optional<forma::Colore>(0x404040));
    EXPECT_EQ(t.Labesci.ForeColor(), chiaro);
}

}  // namespace
