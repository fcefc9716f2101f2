// Overlay labels that a map leaves without a caption show nothing, and a
// press where one of them lies goes to what is under it: the timelines,
// Previous and Next. The maps park such labels over those controls (Top 5520
// to 6360), one pixel wide and a line tall; every press here is a real click
// at the window, routed as the window routes it.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "main_window/FasceTempo.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/Twips.h"

namespace {

using ModtavolaVel::numcarta;

enum class Comando { LineaAC, LineaDC, Successiva, Precedente };

const char* nomeDi(Comando c) {
    switch (c) {
        case Comando::LineaAC: return "LineaAC";
        case Comando::LineaDC: return "LineaDC";
        case Comando::Successiva: return "Successiva";
        case Comando::Precedente: return "Precedente";
    }
    return "";
}

const forma::Label& controlloDi(const Tavolavel& t, Comando c) {
    switch (c) {
        case Comando::LineaAC: return t.LabAc;
        case Comando::LineaDC: return t.LabDc;
        case Comando::Successiva: return t.Labsuccessiva;
        case Comando::Precedente: return t.Labprecedente;
    }
    return t.LabAc;
}

// The overlay label with an empty caption that lies at a point, if any and
// if no captioned one lies there too.
const forma::Label* etichettaVuotaIn(const Tavolavel& t, QPoint p) {
    const forma::Label* vuota = nullptr;
    for (const forma::Label* l : t.Label1) {
        if (!l->geometry().contains(p)) continue;
        if (!l->Caption().isEmpty()) return nullptr;
        vuota = l;
    }
    return vuota;
}

// What a press of the control at a point of the window does, from map n.
struct Effetto {
    int carta;
    float barraAC = -1, barraDC = -1;  // -1: not checked
};

Effetto effettoAtteso(const Tavolavel& t, Comando c, QPoint p, int n) {
    const float X = forma::twips(p.x() - controlloDi(t, c).x());
    switch (c) {
        case Comando::LineaAC:
            return {*cartaPer(FasceaC, 3500 - std::floor(X / 3)), X, 1};
        case Comando::LineaDC:
            // Beyond 6200 twips the AD timeline takes no press.
            if (X > 6200) return {n};
            return {*cartaPer(FascedC, std::floor(X / 3)), 10600, X};
        case Comando::Successiva: return {n + 1};
        case Comando::Precedente: return {n - 1};
    }
    return {n};
}

class EtichetteVuote : public prova::FinestraPrincipale {
protected:
    // Map n as a reader reaches it from start-up, Next after Next.
    Tavolavel& allaCarta(int n) {
        Tavolavel& t = mostra();
        while (numcarta < n) t.Labsuccessiva.Click();
        return t;
    }

    static void premiAllaFinestra(Tavolavel& t, QPoint p) {
        QTest::mouseClick(t.windowHandle(), Qt::LeftButton, {}, p);
    }

    static void verifica(const Tavolavel& t, const Effetto& e) {
        EXPECT_EQ(numcarta, e.carta);
        if (e.barraAC >= 0) {
            EXPECT_EQ(t.ShapeAC.Width(), e.barraAC);
        }
        if (e.barraDC >= 0) {
            EXPECT_EQ(t.ShapeDC.Width(), e.barraDC);
        }
    }
};

// Cases from the overlay as Next leaves it in English: the map, the control
// and a pixel of the window where an empty label lies over it.
struct CasoColonna {
    int carta;
    Comando comando;
    int x, y;
};

void PrintTo(const CasoColonna& c, std::ostream* os) {
    *os << "carta " << c.carta << ' ' << nomeDi(c.comando) << " (" << c.x << ", " << c.y << ')';
}

class ColonneVuote : public EtichetteVuote, public ::testing::WithParamInterface<CasoColonna> {};

TEST_P(ColonneVuote, LaPressioneVaAlComandoSotto) {
    const CasoColonna& c = GetParam();
    Tavolavel& t = allaCarta(c.carta);
    const QPoint p(c.x, c.y);
    // The case still describes the overlay: an empty label lies there, over the control.
    ASSERT_NE(etichettaVuotaIn(t, p), nullptr);
    ASSERT_TRUE(controlloDi(t, c.comando).geometry().contains(p));
    const Effetto atteso = effettoAtteso(t, c.comando, p, c.carta);
    ASSERT_NE(atteso.carta, c.carta);
    premiAllaFinestra(t, p);
    verifica(t, atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Sovrapposizione, ColonneVuote,
    ::testing::Values(
        // Year 1 B.C.: the AD timeline under labels 2 and 3 (about 1840 and 1920).
        CasoColonna{81, Comando::LineaDC, 448, 428}, CasoColonna{81, Comando::LineaDC, 464, 429},
        CasoColonna{84, Comando::LineaDC, 448, 429}, CasoColonna{85, Comando::LineaDC, 448, 429},
        // The BC timeline under labels parked at Top 6000.
        CasoColonna{97, Comando::LineaAC, 392, 405}, CasoColonna{97, Comando::LineaAC, 528, 404},
        CasoColonna{143, Comando::LineaAC, 528, 404}, CasoColonna{144, Comando::LineaAC, 568, 404},
        CasoColonna{165, Comando::LineaAC, 536, 404},
        // Next and Previous under labels parked at Top 5520 to 5640.
        CasoColonna{119, Comando::Successiva, 552, 380}, CasoColonna{93, Comando::Successiva, 592, 380},
        CasoColonna{124, Comando::Successiva, 672, 380}, CasoColonna{150, Comando::Successiva, 632, 384},
        CasoColonna{119, Comando::Precedente, 440, 380}, CasoColonna{73, Comando::Precedente, 392, 372},
        CasoColonna{82, Comando::Precedente, 424, 372}, CasoColonna{154, Comando::Precedente, 352, 384}),
    [](const auto& i) {
        return std::string(nomeDi(i.param.comando)) + "_carta" + std::to_string(i.param.carta) + "_x" +
               std::to_string(i.param.x);
    });

// Every column over every map, found on the live overlay: a press at each
// has the control's effect. The overlay is put back as it was after each
// press, so the next column of the same map is tried on the same overlay.
TEST_F(EtichetteVuote, OgniColonnaDiOgniCartaLasciaPassareLaPressione) {
    struct Stato {
        float top, left;
        forma::Colore colore;
        QString didascalia;
    };
    Tavolavel& t = mostra();
    int colonne = 0;
    for (int n = 1; n <= 168; ++n) {
        if (n > 1) t.Labsuccessiva.Click();
        ASSERT_EQ(numcarta, n);
        std::vector<Stato> sovrapposizione;
        for (const forma::Label* l : t.Label1)
            sovrapposizione.push_back({l->Top(), l->Left(), l->ForeColor(), l->Caption()});
        const bool precedente = t.Labprecedente.Enabled(), successiva = t.Labsuccessiva.Enabled();
        std::vector<std::pair<Comando, QPoint>> daPremere;
        for (const forma::Label* l : t.Label1) {
            if (!l->Caption().isEmpty()) continue;
            for (Comando c : {Comando::LineaAC, Comando::LineaDC, Comando::Successiva, Comando::Precedente}) {
                const QRect sopra = l->geometry().intersected(controlloDi(t, c).geometry());
                if (sopra.isEmpty() || !controlloDi(t, c).isEnabled()) continue;
                const QPoint p(sopra.left(), sopra.center().y());
                if (etichettaVuotaIn(t, p) != l) continue;
                daPremere.emplace_back(c, p);
            }
        }
        for (const auto& [c, p] : daPremere) {
            SCOPED_TRACE(testing::Message() << "carta " << n << ' ' << nomeDi(c) << " (" << p.x() << ", " << p.y() << ")");
            ++colonne;
            const Effetto atteso = effettoAtteso(t, c, p, n);
            premiAllaFinestra(t, p);
            verifica(t, atteso);
            // Back to map n with its overlay as Next left it.
            numcarta = static_cast<std::int16_t>(n);
            for (std::size_t i = 0; i < 36; ++i) {
                forma::Label& l = *t.Label1[i];
                l.setTop(sovrapposizione[i].top);
                l.setLeft(sovrapposizione[i].left);
                l.setForeColor(sovrapposizione[i].colore);
                l.setCaption(sovrapposizione[i].didascalia);
            }
            t.Labprecedente.setEnabled(precedente);
            t.Labsuccessiva.setEnabled(successiva);
        }
    }
    // The overlay data parks well over a hundred such columns.
    EXPECT_GT(colonne, 100);
}

}  // namespace
