// The animation window, opened from the main window and driven with real
// clicks: series, transport buttons, the timer's ticks, the speed bar, the
// music switch, hover colours, Back with a new opening, and Exit.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <string>
#include <vector>

#include "animation/mapanimVel.h"
#include "music/FMMediaVel.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/Casuale.h"
#include "toolkit/Twips.h"

namespace {

using ModtavolaVel::brano;
using ModtavolaVel::lingua;

class Animazione : public prova::FinestraPrincipale {
protected:
    Animazione() {
        Tavolavel& t = mostra();
        principale = &t;
        // The music window cannot play headless: its buttons record the presses.
        FMMediaVel& m = forma::Finestra<FMMediaVel>();
        m.Command1.Click = [this] { musica.push_back("Play " + std::to_string(brano)); };
        m.Command2.Click = [this] { musica.push_back("Stop"); };
        forma::SostituisciEnd([this] {
            musica.push_back("End");
            ++fine;
        });
    }

    // Opens the animation window from the main window's label.
    mapanimVel& apri() {
        clic(*principale, principale->Labanimazioni);
        EXPECT_TRUE(forma::Esiste<mapanimVel>());
        mapanimVel& a = forma::Finestra<mapanimVel>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&a));
        return a;
    }

    // The timer's interval elapses once.
    static void scatta(mapanimVel& a, int volte = 1) {
        for (int i = 0; i < volte; ++i) {
            ASSERT_TRUE(a.Timer1.Enabled()) << "a tick with the timer off, at tick " << i + 1;
            a.Timer1.Tick();
        }
    }

    // What the window shows: the picture's path (as written in the series) and the date.
    static std::pair<QString, QString> mostrato(const mapanimVel& a) {
        return {a.Image1.Picture()->origine, a.Label1.Caption()};
    }
    static std::pair<QString, QString> fotogramma(const char* figura, const char* data) {
        return {QString::fromUtf8(figura), QString::fromUtf8(data)};
    }

    // A part of the speed bar (arrow, track, thumb), in the window's pixels.
    static QRect parteBarra(mapanimVel& a, QStyle::SubControl sc) {
        QScrollBar& b = *a.HScroll1.findChild<QScrollBar*>();
        QStyleOptionSlider o;
        o.initFrom(&b);
        o.subControls = QStyle::SC_All;
        o.orientation = Qt::Horizontal;
        o.minimum = b.minimum();
        o.maximum = b.maximum();
        o.sliderPosition = b.sliderPosition();
        o.sliderValue = b.value();
        o.singleStep = b.singleStep();
        o.pageStep = b.pageStep();
        const QRect r = b.style()->subControlRect(QStyle::CC_ScrollBar, &o, sc, &b);
        return r.translated(b.mapTo(&a, QPoint(0, 0)));
    }
    static void clicBarra(mapanimVel& a, QStyle::SubControl sc, int volte = 1) {
        for (int i = 0; i < volte; ++i) clic(a, parteBarra(a, sc).center());
    }

    // The pointer moves over the animation window. It goes to that window's
    // own surface: with two full-screen windows the headless platform cannot
    // tell which one is on top.
    static void muovi(mapanimVel& a, QPoint p) { QTest::mouseMove(a.windowHandle(), p); }

    static QWidget* perIlFuoco(QWidget& c) {
        if (auto* b = c.findChild<QPushButton*>()) return b;
        return c.focusProxy() ? c.focusProxy() : &c;
    }

    Tavolavel* principale = nullptr;
    std::vector<std::string> musica;
};

const std::pair<QString, QString> vuoto{QString(), QString()};

// ---------------------------------------------------------------------------
// First opening.
// ---------------------------------------------------------------------------

TEST_F(Animazione, LaPrimaAperturaEFermaSulFotogramma1SenzaFigura) {
    mapanimVel& a = apri();
    EXPECT_TRUE(a.isVisible());
    EXPECT_TRUE(a.isFullScreen());
    EXPECT_EQ(a.BackColor(), 0x400000u);
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_EQ(a.Timer1.Interval(), 1000);
    EXPECT_EQ(a.HScroll1.Value(), 1000);
    EXPECT_EQ(a.fotogramma, 1);
    EXPECT_EQ(a.numFotogrammi, 0);
    EXPECT_EQ(mostrato(a), vuoto);
    EXPECT_TRUE(a.Image1.Picture()->immagine.isNull());
    EXPECT_EQ(a.Image3.Picture()->immagine.size(), QSize(85, 43)) << "the design's speaker picture";
    EXPECT_EQ(a.focusWidget(), perIlFuoco(a.cmdstop));
    EXPECT_TRUE(principale->isVisible()) << "the main window stays loaded behind it";
}

TEST_F(Animazione, IlFuocoSegueLOrdineDiProgetto) {
    mapanimVel& a = apri();
    std::vector<QWidget*> attesi;
    for (QWidget* c : std::initializer_list<QWidget*>{&a.cmdstop, &a.HScroll1, &a.cmdprima, &a.cmdultima, &a.cmdprec,
                                                      &a.cmdseg, &a.cmdplay})
        attesi.push_back(perIlFuoco(*c));
    std::vector<QWidget*> trovati{attesi.front()};
    for (QWidget* w = attesi.front()->nextInFocusChain(); w != attesi.front() && trovati.size() < attesi.size();
         w = w->nextInFocusChain())
        if (std::find(attesi.begin(), attesi.end(), w) != attesi.end()) trovati.push_back(w);
    EXPECT_EQ(trovati, attesi);
}

TEST_F(Animazione, PlayPrimaDiOgniSerieMostraIlVuotoEsiFerma) {
    mapanimVel& a = apri();
    clic(a, a.cmdplay);
    EXPECT_TRUE(a.Timer1.Enabled());
    EXPECT_EQ(a.fotogramma, 1) << "Play moves nothing";
    scatta(a);
    EXPECT_EQ(mostrato(a), vuoto);
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_EQ(a.fotogramma, 1);
}

// Before any series: each step button on its own, from a fresh opening.
struct CasoSenzaSerie {
    const char* nome;
    forma::CommandButton mapanimVel::*pulsante;
    int indice;
};

class PassiSenzaSerie : public Animazione, public ::testing::WithParamInterface<CasoSenzaSerie> {};

TEST_P(PassiSenzaSerie, MostranoUnaVoceVuota) {
    mapanimVel& a = apri();
    clic(a, a.cmdplay);
    clic(a, a.*GetParam().pulsante);
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_EQ(a.fotogramma, GetParam().indice);
    EXPECT_EQ(mostrato(a), vuoto);
}

INSTANTIATE_TEST_SUITE_P(Tabella, PassiSenzaSerie,
                         ::testing::Values(CasoSenzaSerie{"successivo", &mapanimVel::cmdseg, 0},
                                           CasoSenzaSerie{"ultimo", &mapanimVel::cmdultima, 0},
                                           CasoSenzaSerie{"precedente", &mapanimVel::cmdprec, 1},
                                           CasoSenzaSerie{"primo", &mapanimVel::cmdprima, 1}),
                         [](const auto& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------
// Playing a series.
// ---------------------------------------------------------------------------

TEST_F(Animazione, UnaSerieSuonaFinoAllUltimoFotogrammaEsiFerma) {
    mapanimVel& a = apri();
    clic(a, a.Labmediterr);
    EXPECT_TRUE(a.Timer1.Enabled());
    EXPECT_EQ(a.numFotogrammi, 25);
    EXPECT_EQ(mostrato(a), vuoto) << "nothing is shown before the first tick";
    scatta(a);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\450ac.gif", "450 B.C."));
    scatta(a, 23);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\dc14.gif", "14 A.D."));
    EXPECT_TRUE(a.Timer1.Enabled());
    scatta(a);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\dc87.gif", "87 A.D."));
    EXPECT_FALSE(a.Image1.Picture()->immagine.isNull());
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_EQ(a.fotogramma, 1);
}

// After the last frame: the index is 1, whatever comes next.
struct CasoDopoLaFine {
    const char* nome;
    forma::CommandButton mapanimVel::*pulsante;
    bool scatto;  // Play needs one tick to show something
    const char* figura;
    const char* data;
};

class DopoLaFine : public Animazione, public ::testing::WithParamInterface<CasoDopoLaFine> {};

TEST_P(DopoLaFine, SiRiparteDalFotogramma1) {
    mapanimVel& a = apri();
    clic(a, a.Labmediterr);
    scatta(a, 25);
    ASSERT_FALSE(a.Timer1.Enabled());
    clic(a, a.*GetParam().pulsante);
    if (GetParam().scatto) {
        EXPECT_EQ(mostrato(a), fotogramma("atlante\\dc87.gif", "87 A.D.")) << "until the tick";
        scatta(a);
        EXPECT_TRUE(a.Timer1.Enabled());
    } else {
        EXPECT_FALSE(a.Timer1.Enabled());
    }
    EXPECT_EQ(mostrato(a), fotogramma(GetParam().figura, GetParam().data));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, DopoLaFine,
    ::testing::Values(CasoDopoLaFine{"playMostraIl1", &mapanimVel::cmdplay, true, "atlante\\450ac.gif", "450 B.C."},
                      CasoDopoLaFine{"successivoMostraIl2", &mapanimVel::cmdseg, false, "atlante\\396ac.gif", "396 B.C."},
                      CasoDopoLaFine{"ultimoMostraDiNuovoIl25", &mapanimVel::cmdultima, false, "atlante\\dc87.gif", "87 A.D."},
                      CasoDopoLaFine{"precedenteResta1", &mapanimVel::cmdprec, false, "atlante\\450ac.gif", "450 B.C."}),
    [](const auto& i) { return std::string(i.param.nome); });

// Stop after the timer has shown frame k: the index is k + 1.
struct CasoStop {
    const char* nome;
    int k;
    forma::CommandButton mapanimVel::*pulsante;
    bool scatto;
    int atteso;  // the Europe frame then shown
};

class DopoStop : public Animazione, public ::testing::WithParamInterface<CasoStop> {};

TEST_P(DopoStop, IlPassoParteDaKPiu1) {
    // The Europe series, frame by frame as the timer shows it.
    mapanimVel& a = apri();
    clic(a, a.Labeuropa);
    std::vector<std::pair<QString, QString>> serie(64);
    for (int k = 1; k <= 63; ++k) {
        scatta(a);
        serie[static_cast<std::size_t>(k)] = mostrato(a);
    }
    clic(a, a.Labeuropa);
    scatta(a, GetParam().k);
    clic(a, a.cmdstop);
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_EQ(mostrato(a), serie[static_cast<std::size_t>(GetParam().k)]) << "stop leaves the frame";
    EXPECT_EQ(a.fotogramma, GetParam().k + 1);
    clic(a, a.*GetParam().pulsante);
    if (GetParam().scatto) scatta(a);
    EXPECT_EQ(mostrato(a), serie[static_cast<std::size_t>(GetParam().atteso)]);
    EXPECT_EQ(a.Timer1.Enabled(), GetParam().scatto);
}

INSTANTIATE_TEST_SUITE_P(Tabella, DopoStop,
                         ::testing::Values(CasoStop{"successivoMostraKPiu2", 5, &mapanimVel::cmdseg, false, 7},
                                           CasoStop{"precedenteMostraK", 5, &mapanimVel::cmdprec, false, 5},
                                           CasoStop{"playRiprendeDaKPiu1", 5, &mapanimVel::cmdplay, true, 6},
                                           CasoStop{"primoMostraIl1", 5, &mapanimVel::cmdprima, false, 1},
                                           CasoStop{"successivoSiFermaAllUltimo", 62, &mapanimVel::cmdseg, false, 63},
                                           CasoStop{"precedenteDopoIl1MostraIl1", 1, &mapanimVel::cmdprec, false, 1}),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Animazione, StopNonToccaNeIndiceNeSchermo) {
    mapanimVel& a = apri();
    clic(a, a.cmdstop);
    EXPECT_EQ(a.fotogramma, 1);
    EXPECT_EQ(mostrato(a), vuoto);
}

TEST_F(Animazione, IlMediterraneoDopoLEuropaNonMostraMaiLEuropa) {
    mapanimVel& a = apri();
    clic(a, a.Labeuropa);
    scatta(a, 40);
    clic(a, a.Labmediterr);
    EXPECT_EQ(a.fotogramma, 1);
    clic(a, a.cmdultima);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\dc87.gif", "87 A.D."));
    EXPECT_FALSE(a.Timer1.Enabled());
    clic(a, a.cmdseg);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\dc87.gif", "87 A.D.")) << "Next stops at 25";
    // The longer series' entries above 25 are still there, never shown.
    EXPECT_EQ(a.fileFotogramma[26], QStringLiteral("atlante\\eu1180dc.gif"));
    EXPECT_EQ(a.dataFotogramma[63], QStringLiteral("1992"));
    EXPECT_EQ(a.fileFotogramma[0], QString());
}

TEST_F(Animazione, LaSerieInCorsoRipartiDal1) {
    mapanimVel& a = apri();
    clic(a, a.Labeuropa);
    scatta(a, 10);
    clic(a, a.Labeuropa);
    EXPECT_TRUE(a.Timer1.Enabled());
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\eu565dc.gif", "565")) << "until the next tick";
    scatta(a);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\eu268dc.gif", "268"));
}

TEST_F(Animazione, UnaFiguraMancanteLasciaUnaFiguraVuotaELaSerieProsegue) {
    mapanimVel& a = apri();
    clic(a, a.Labmondo);
    scatta(a, 2);
    EXPECT_FALSE(a.Image1.Picture()->immagine.isNull());
    scatta(a);  // "atlante\1500ac.gif" is not in the working folder
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\1500ac.gif", "1500 B.C."));
    EXPECT_TRUE(a.Image1.Picture()->immagine.isNull());
    EXPECT_TRUE(a.Timer1.Enabled());
    scatta(a);
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\1250ac.gif", "1250 B.C."));
    EXPECT_FALSE(a.Image1.Picture()->immagine.isNull());
    EXPECT_EQ(a.Image1.Width(), forma::twips(20)) << "not stretched: the picture's own size";
}

// Frames of the four series: the ends, and the dates that differ from the
// year in the picture's name or in the catalogue.
struct CasoFotogramma {
    const char* nome;
    forma::Label mapanimVel::*serie;
    int numero;
    int k;
    const char* figura;
    const char* data;
};

class Fotogrammi : public Animazione, public ::testing::WithParamInterface<CasoFotogramma> {};

TEST_P(Fotogrammi, FiguraEData) {
    const CasoFotogramma& c = GetParam();
    mapanimVel& a = apri();
    lingua = "francese";  // the dates are the same in every language
    clic(a, a.*c.serie);
    EXPECT_EQ(a.numFotogrammi, c.numero);
    scatta(a, c.k);
    EXPECT_EQ(mostrato(a), fotogramma(c.figura, c.data));
    EXPECT_EQ(a.Timer1.Enabled(), c.k < c.numero);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Fotogrammi,
    ::testing::Values(
        CasoFotogramma{"mondoPrimo", &mapanimVel::Labmondo, 28, 1, "atlante\\5000bac.gif", "5000 B.C."},
        CasoFotogramma{"mondoZero", &mapanimVel::Labmondo, 28, 8, "atlante\\zero.gif", "Zero"},
        CasoFotogramma{"mondo250", &mapanimVel::Labmondo, 28, 10, "atlante\\mo250dc.gif", "250"},
        CasoFotogramma{"mondoUltimo", &mapanimVel::Labmondo, 28, 28, "atlante\\mo2000dc.gif", "2000"},
        CasoFotogramma{"europaPrimo", &mapanimVel::Labeuropa, 63, 1, "atlante\\eu268dc.gif", "268"},
        CasoFotogramma{"europa768", &mapanimVel::Labeuropa, 63, 14, "atlante\\eu774dc.gif", "768"},
        CasoFotogramma{"europa1192", &mapanimVel::Labeuropa, 63, 26, "atlante\\eu1180dc.gif", "1192"},
        CasoFotogramma{"europa1430", &mapanimVel::Labeuropa, 63, 33, "atlante\\eu1430dc.gif", "1430"},
        CasoFotogramma{"europa1885", &mapanimVel::Labeuropa, 63, 55, "atlante\\eu1885dc.gif", "1885"},
        CasoFotogramma{"europaUltimo", &mapanimVel::Labeuropa, 63, 63, "atlante\\eu1992dc.gif", "1992"},
        CasoFotogramma{"orientePrimo", &mapanimVel::Laboriente, 40, 1, "atlante\\3300ac.gif", "3300 B.C."},
        CasoFotogramma{"oriente2200", &mapanimVel::Laboriente, 40, 4, "atlante\\2220ac.gif", "2200 B.C."},
        CasoFotogramma{"orienteUltimo", &mapanimVel::Laboriente, 40, 40, "atlante\\512ac.gif", "512 B.C."},
        CasoFotogramma{"mediterraneoPrimo", &mapanimVel::Labmediterr, 25, 1, "atlante\\450ac.gif", "450 B.C."},
        CasoFotogramma{"mediterraneo396", &mapanimVel::Labmediterr, 25, 2, "atlante\\396ac.gif", "396 B.C."},
        CasoFotogramma{"mediterraneo303", &mapanimVel::Labmediterr, 25, 12, "atlante\\303ac.gif", "303 B.C."},
        CasoFotogramma{"mediterraneoUltimo", &mapanimVel::Labmediterr, 25, 25, "atlante\\dc87.gif", "87 A.D."}),
    [](const auto& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------
// The speed bar.
// ---------------------------------------------------------------------------

TEST_F(Animazione, LaBarraDaiSuoiEstremiDa100A3000ms) {
    mapanimVel& a = apri();
    clicBarra(a, QStyle::SC_ScrollBarSubLine, 9);
    EXPECT_EQ(a.HScroll1.Value(), 100);
    EXPECT_EQ(a.Timer1.Interval(), 100);
    clicBarra(a, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(a.Timer1.Interval(), 100) << "the left end is 100 ms";
    clicBarra(a, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(a.Timer1.Interval(), 600) << "a click in the track moves by 500";
    clicBarra(a, QStyle::SC_ScrollBarAddPage, 5);
    EXPECT_EQ(a.HScroll1.Value(), 3000);
    EXPECT_EQ(a.Timer1.Interval(), 3000);
    clicBarra(a, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(a.Timer1.Interval(), 3000) << "the right end is 3000 ms";
    EXPECT_FALSE(a.Timer1.Enabled()) << "the pace leaves a stopped playback stopped";
}

TEST_F(Animazione, IlCursoreCambiaIlPassoSoloAlRilascio) {
    mapanimVel& a = apri();
    clic(a, a.Labmondo);
    const QPoint da = parteBarra(a, QStyle::SC_ScrollBarSlider).center();
    const int fine = parteBarra(a, QStyle::SC_ScrollBarGroove).right() + 20;
    premi(a, da);
    QScrollBar& b = *a.HScroll1.findChild<QScrollBar*>();
    for (int x : {da.x() + 30, fine}) {
        const QPoint p = b.mapFrom(&a, QPoint(x, da.y()));
        QMouseEvent mossa(QEvent::MouseMove, QPointF(p), b.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &mossa);
        EXPECT_EQ(a.Timer1.Interval(), 1000) << "while dragging";
    }
    // The release goes to the bar that took the press, wherever the pointer is.
    QTest::mouseRelease(&b, Qt::LeftButton, {}, b.mapFrom(&a, QPoint(fine, da.y())));
    EXPECT_EQ(a.Timer1.Interval(), 3000);
    EXPECT_TRUE(a.Timer1.Enabled()) << "a running playback goes on at the new pace";
}

TEST_F(Animazione, ConIlTimerVeroLaSerieScorreAlPassoDellaBarra) {
    mapanimVel& a = apri();
    clicBarra(a, QStyle::SC_ScrollBarSubLine, 9);
    ASSERT_EQ(a.Timer1.Interval(), 100);
    QElapsedTimer orologio;
    orologio.start();
    clic(a, a.Labmediterr);
    std::vector<QString> date;
    while (a.Timer1.Enabled() && orologio.elapsed() < 15000) {
        QTest::qWait(10);
        if (date.empty() || date.back() != a.Label1.Caption()) date.push_back(a.Label1.Caption());
    }
    EXPECT_FALSE(a.Timer1.Enabled());
    EXPECT_GE(orologio.elapsed(), 2400) << "25 frames at 100 ms each";
    EXPECT_EQ(a.Label1.Caption(), QStringLiteral("87 A.D."));
    ASSERT_GE(date.size(), 2u);
    EXPECT_EQ(date[1], QStringLiteral("450 B.C."));
    EXPECT_EQ(a.fotogramma, 1);
}

// ---------------------------------------------------------------------------
// Back and a new opening; a second Show while open.
// ---------------------------------------------------------------------------

TEST_F(Animazione, BackDistruggeIControlliMaNonLaSerie) {
    mapanimVel& a = apri();
    clic(a, a.Labmondo);
    scatta(a, 3);
    clicBarra(a, QStyle::SC_ScrollBarAddPage, 2);
    clic(a, a.Label7);
    muovi(a, centro(a.Labesci));
    ASSERT_EQ(a.Labesci.ForeColor(), 0x0000FFu);
    ASSERT_EQ(a.Timer1.Interval(), 2000);
    ASSERT_TRUE(a.Timer1.Enabled());
    lingua = "italiano";  // read at the next opening only
    EXPECT_EQ(a.Labtorna.Caption(), QStringLiteral("Back to main menu"));

    QPointer<mapanimVel> vecchia(&a);
    clic(a, a.Labtorna);
    EXPECT_FALSE(forma::Esiste<mapanimVel>());
    ASSERT_TRUE(vecchia);
    EXPECT_FALSE(vecchia->Timer1.Enabled());
    EXPECT_FALSE(vecchia->isVisible());
    EXPECT_TRUE(principale->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(vecchia) << "the controls are gone";

    mapanimVel& b = apri();
    EXPECT_FALSE(b.Timer1.Enabled());
    EXPECT_EQ(b.Timer1.Interval(), 1000);
    EXPECT_EQ(b.HScroll1.Value(), 1000);
    EXPECT_EQ(mostrato(b), vuoto);
    EXPECT_EQ(b.Label5.Caption(), QStringLiteral("Per iniziare, scegli una serie"));
    EXPECT_EQ(b.Labesci.ForeColor(), 0xFF8080u);
    EXPECT_EQ(b.Image3.Picture()->immagine.size(), QSize(85, 43));
    EXPECT_EQ(b.Image3.Picture()->origine, QString());
    EXPECT_EQ(b.fotogramma, 1);
    EXPECT_EQ(b.numFotogrammi, 28);

    clic(b, b.cmdplay);
    EXPECT_EQ(mostrato(b), vuoto);
    scatta(b);
    EXPECT_EQ(mostrato(b), fotogramma("atlante\\5000bac.gif", "5000 B.C."));
    scatta(b);
    EXPECT_EQ(mostrato(b), fotogramma("atlante\\3000ac.gif", "3000 B.C."));
}

TEST_F(Animazione, UnSecondoShowMentreEApertaNonRifaLoad) {
    mapanimVel& a = apri();
    clic(a, a.Labeuropa);
    scatta(a, 2);
    lingua = "spagnolo";
    mapanimVel& b = apri();
    EXPECT_EQ(&a, &b);
    EXPECT_TRUE(a.Timer1.Enabled());
    EXPECT_EQ(mostrato(a), fotogramma("atlante\\eu290dc.gif", "290"));
    EXPECT_EQ(a.fotogramma, 3);
    EXPECT_EQ(a.Labesci.Caption(), QStringLiteral("Exit"));
}

// ---------------------------------------------------------------------------
// Captions by language, read once in Load.
// ---------------------------------------------------------------------------

struct CasoLingua {
    const char* nome;
    const char* lingua;
    // Laboriente, Labmediterr, Label1, Labtorna, Label5, Labmondo, Labeuropa,
    // Label9, Labesci, Label3, Label2
    std::vector<const char*> didascalie;
};

class Didascalie : public Animazione, public ::testing::WithParamInterface<CasoLingua> {};

TEST_P(Didascalie, SecondoLaLinguaAllApertura) {
    lingua = GetParam().lingua;
    mapanimVel& a = apri();
    const forma::Label* etichette[] = {&a.Laboriente, &a.Labmediterr, &a.Label1, &a.Labtorna, &a.Label5, &a.Labmondo,
                                       &a.Labeuropa,  &a.Label9,      &a.Labesci, &a.Label3,  &a.Label2};
    ASSERT_EQ(GetParam().didascalie.size(), std::size(etichette));
    for (std::size_t i = 0; i < std::size(etichette); ++i)
        EXPECT_EQ(etichette[i]->Caption(), QString::fromUtf8(GetParam().didascalie[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Didascalie,
    ::testing::Values(
        CasoLingua{"italiano",
                   "italiano",
                   {"Oriente: 3300 a.C. - 512 a.C. 40 mapas", "Mediterraneo: 450 a.C. - 87 a.C 25 mapas", "",
                    "Torna al Menù principale", "Per iniziare, scegli una serie", "Mondo: 5000 a.C. - 2000 d.C. 28 carte",
                    "Europa: 268 - 1993 d.C. 63 carte", "Serie", "Esci", "Veloce", "Lento"}},
        CasoLingua{"francese",
                   "francese",
                   {"Orient: 3300 av.C. - 512 av.C. 40 cartes", "Méditerranée: 450 av.C. - 87 av.C 25 cartes", "",
                    "Retour au menu principal", "Choisir une série pour commencer",
                    "Monde: 5000 av.C. - 2000 ap.C. 28 cartes", "Europe: 268 - 1993 ap.JC. 63 cartes", "Séries", "Sortie",
                    "Rapide", "Lent"}},
        CasoLingua{"spagnolo",
                   "spagnolo",
                   {"Oriente: 3300 a.C. - 512 a.C. 40 mapas", "Mediterráneo: 450 a.C. - 87 a.C 25 mapas", "",
                    "Menú principal", "Selecciona la serie", "Mundo: 5000 a.C. - 2000 d.C. 28 mapas",
                    "Europa: 268 - 1993 d.C. 63 mapas", "Mapas", "Salir", "Rápido", "Lento"}},
        CasoLingua{"inglese",
                   "inglese",
                   {"Middle East: 3300 BC - 512 AC 40 frames", "Mediterranean: 450 BC - 87 BC 25 frames", "",
                    "Back to main menu", "Select, before, the map serie", "World: 5000 BC - 2000 AC 28 frames",
                    "Europe: 268 AC - 1993 AC 63 frames", "Maps series", "Exit", "Fastly", "Slowly"}},
        CasoLingua{"parolaSconosciutaLasciaIlProgetto",
                   "Inglese",
                   {"Middle east: 3300 BC. - 512 BC. 40frames)", "Mediterranean: 450 BC. - 87 AD (25 frames)", "Date",
                    "Back to Main menu", "Begin selecting the map serie", "World: 3000 BC - 2000 AC.  (28 frames)",
                    "Europe 268 - 2000 (63 frames) ", "Maps series", "Exit", "Fastly", "Slowly"}}),
    [](const auto& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------
// Music switch and Exit.
// ---------------------------------------------------------------------------

TEST_F(Animazione, LInterruttoreDellaMusicaPremePlayEStop) {
    forma::Randomize(77);
    const int primo = forma::BranoCasuale(), secondo = forma::BranoCasuale();
    forma::Randomize(77);
    mapanimVel& a = apri();
    musica.clear();
    clic(a, centro(a.Label6));
    EXPECT_EQ(a.Image3.Picture()->origine, QStringLiteral("atlante\\altoparlanti1.jpg"));
    clic(a, centro(a.Label7));
    EXPECT_EQ(a.Image3.Picture()->origine, QStringLiteral("atlante\\altoparlanti2.jpg"));
    clic(a, centro(a.Label6));
    // Drawn without reseeding: the generator's sequence goes on.
    EXPECT_EQ(musica, (std::vector<std::string>{"Play " + std::to_string(primo), "Stop", "Play " + std::to_string(secondo)}));
    EXPECT_EQ(fine, 0);
}

TEST_F(Animazione, EsciDuranteLaRiproduzioneFermaLaMusicaEPoiFinisce) {
    mapanimVel& a = apri();
    clic(a, a.Labmondo);
    musica.clear();
    clic(a, a.Labesci);
    EXPECT_EQ(musica, (std::vector<std::string>{"Stop", "End"}));
    EXPECT_EQ(fine, 1);
}

// ---------------------------------------------------------------------------
// Hover colours: red over a clickable label, restored only by the bare window.
// ---------------------------------------------------------------------------

struct PassoHover {
    const char* dove;
    bool mondo, esci;  // red (true) or at their design colours
};

struct CasoHover {
    const char* nome;
    std::vector<PassoHover> passi;
};

class ColoriAlPassaggio : public Animazione, public ::testing::WithParamInterface<CasoHover> {};

TEST_P(ColoriAlPassaggio, ConIlMouseVero) {
    mapanimVel& a = apri();
    auto punto = [&a](const std::string& dove) -> QPoint {
        if (dove == "mondo") return centro(a.Labmondo);
        if (dove == "esci") return centro(a.Labesci);
        if (dove == "figura") return centro(a.Image1);
        if (dove == "pulsante") return centro(a.cmdplay);
        if (dove == "barra") return centro(a.HScroll1);
        if (dove == "decorazione") return a.Image2.geometry().bottomLeft() + QPoint(3, -3);
        if (dove == "data") return centro(a.Label1);
        // Inside the transport box, clear of the buttons: a shape takes no mouse.
        if (dove == "riquadro") return QPoint(forma::pixel(870), forma::pixel(6520));
        return QPoint(2, 2);  // the bare window
    };
    for (const PassoHover& p : GetParam().passi) {
        muovi(a, punto(p.dove));
        EXPECT_EQ(a.Labmondo.ForeColor(), p.mondo ? 0x0000FFu : 0xFFFF00u) << p.dove;
        EXPECT_EQ(a.Labesci.ForeColor(), p.esci ? 0x0000FFu : 0xFF8080u) << p.dove;
        if (!p.mondo && !p.esci) {
            EXPECT_EQ(a.Labtorna.ForeColor(), 0xFFC0FFu);
            EXPECT_EQ(a.Labeuropa.ForeColor(), 0xFFC0FFu);
            EXPECT_EQ(a.Laboriente.ForeColor(), 0xC0FFC0u);
            EXPECT_EQ(a.Labmediterr.ForeColor(), 0xFFFFC0u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ColoriAlPassaggio,
    ::testing::Values(
        CasoHover{"altriControlliNonRipristinano",
                  {{"fondo", false, false}, {"mondo", true, false}, {"esci", true, true}, {"figura", true, true},
                   {"pulsante", true, true}, {"barra", true, true}, {"decorazione", true, true}, {"data", true, true},
                   {"fondo", false, false}}},
        CasoHover{"ilRiquadroELoSfondo", {{"mondo", true, false}, {"esci", true, true}, {"riquadro", false, false}}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Animazione, TornaEDLeSerieSiColoranoDiRossoEIlFondoLeRipristinaTutte) {
    mapanimVel& a = apri();
    for (forma::Label* l : {&a.Labtorna, &a.Labeuropa, &a.Laboriente, &a.Labmediterr}) {
        muovi(a, centro(*l));
        EXPECT_EQ(l->ForeColor(), 0x0000FFu);
    }
    muovi(a, QPoint(2, 2));
    EXPECT_EQ(a.Labtorna.ForeColor(), 0xFFC0FFu);
    EXPECT_EQ(a.Labeuropa.ForeColor(), 0xFFC0FFu);
    EXPECT_EQ(a.Laboriente.ForeColor(), 0xC0FFC0u);
    EXPECT_EQ(a.Labmediterr.ForeColor(), 0xFFFFC0u);
}

}  // namespace
