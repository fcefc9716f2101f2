// The horizontal scroll bar: its range, its steps, and when it raises Change:
// on an arrow, a click in the track, a key or a value set from code, and for a
// dragged thumb only once, when it is released.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include "toolkit/Form.h"
#include "toolkit/HScrollBar.h"

namespace {

class BarraOrizzontale : public ::testing::Test {
protected:
    BarraOrizzontale() {
        barra.Move(960, 7800, 4095, 255);
        barra.setMin(100);
        barra.setMax(3000);
        barra.setSmallChange(100);
        barra.setLargeChange(500);
        barra.setValue(1000);
        barra.Change = [this] { valori.push_back(barra.Value()); };
        finestra.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    }

    // The drawn bar inside the control, where the mouse lands.
    QScrollBar& dentro() { return *barra.findChild<QScrollBar*>(); }

    // The rectangle of a part of the bar (arrows, track halves, thumb) as the
    // bar's style lays it out for the current value.
    QRect parte(QStyle::SubControl sc) {
        QScrollBar& b = dentro();
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
        o.upsideDown = false;
        return b.style()->subControlRect(QStyle::CC_ScrollBar, &o, sc, &b);
    }

    void clic(QStyle::SubControl sc) { QTest::mouseClick(&dentro(), Qt::LeftButton, {}, parte(sc).center()); }

    forma::Form finestra;
    forma::HScrollBar barra{&finestra};
    std::vector<int> valori;  // the value at each Change
};

TEST_F(BarraOrizzontale, IValoriDiProgettoNonSollevanoChange) {
    EXPECT_EQ(barra.Min(), 100);
    EXPECT_EQ(barra.Max(), 3000);
    EXPECT_EQ(barra.SmallChange(), 100);
    EXPECT_EQ(barra.LargeChange(), 500);
    EXPECT_EQ(barra.Value(), 1000);
    EXPECT_TRUE(valori.empty());
    // Placed in twips, like every control.
    EXPECT_EQ(barra.geometry(), QRect(64, 520, 273, 17));
    EXPECT_EQ(dentro().geometry(), barra.rect());
}

// Each click is one committed value and one Change.
struct CasoClic {
    const char* nome;
    QStyle::SubControl dove;
    int partenza;
    std::vector<int> attesi;  // values after each of the clicks
};

class ClicSullaBarra : public BarraOrizzontale, public ::testing::WithParamInterface<CasoClic> {};

TEST_P(ClicSullaBarra, OgniClicUnValoreEUnChange) {
    barra.setValue(GetParam().partenza);
    valori.clear();
    for (int atteso : GetParam().attesi) {
        clic(GetParam().dove);
        EXPECT_EQ(barra.Value(), atteso);
    }
    EXPECT_EQ(valori, GetParam().attesi);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ClicSullaBarra,
    ::testing::Values(CasoClic{"frecciaDestra", QStyle::SC_ScrollBarAddLine, 1000, {1100, 1200}},
                      CasoClic{"frecciaSinistra", QStyle::SC_ScrollBarSubLine, 1000, {900, 800}},
                      CasoClic{"frecciaSinistraSiFermaA100", QStyle::SC_ScrollBarSubLine, 250, {150, 100}},
                      CasoClic{"frecciaDestraSiFermaA3000", QStyle::SC_ScrollBarAddLine, 2850, {2950, 3000}},
                      CasoClic{"tracciaADestraDi500", QStyle::SC_ScrollBarAddPage, 1000, {1500, 2000}},
                      CasoClic{"tracciaASinistraDi500", QStyle::SC_ScrollBarSubPage, 2000, {1500, 1000}},
                      CasoClic{"tracciaSiFermaAllaFine", QStyle::SC_ScrollBarAddPage, 2700, {3000}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(BarraOrizzontale, UnClicAllEstremoNonCambiaNienteENonSollevaChange) {
    barra.setValue(100);
    valori.clear();
    clic(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(barra.Value(), 100);
    EXPECT_TRUE(valori.empty());
}

TEST_F(BarraOrizzontale, IlCursoreTrascinatoSollevaChangeSoloAlRilascio) {
    QScrollBar& b = dentro();
    const QPoint da = parte(QStyle::SC_ScrollBarSlider).center();
    const QRect traccia = parte(QStyle::SC_ScrollBarGroove);
    QTest::mousePress(&b, Qt::LeftButton, {}, da);
    for (int x : {da.x() + 20, da.x() + 40, traccia.right() + 30}) {
        QMouseEvent mossa(QEvent::MouseMove, QPointF(x, da.y()), b.mapToGlobal(QPointF(x, da.y())), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &mossa);
        EXPECT_GT(b.sliderPosition(), 1000) << "the thumb follows the mouse";
        EXPECT_EQ(barra.Value(), 1000) << "but the value waits for the release";
        EXPECT_TRUE(valori.empty());
    }
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(traccia.right() + 30, da.y()));
    EXPECT_EQ(barra.Value(), 3000);
    EXPECT_EQ(valori, std::vector<int>{3000});
}

TEST_F(BarraOrizzontale, IlCursorePresoERilasciatoSenzaMuoversiNonSollevaChange) {
    QScrollBar& b = dentro();
    const QPoint da = parte(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&b, Qt::LeftButton, {}, da);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, da);
    EXPECT_EQ(barra.Value(), 1000);
    EXPECT_TRUE(valori.empty());
}

TEST_F(BarraOrizzontale, UnValoreDaCodiceVieneRiportatoNellIntervallo) {
    for (auto [dato, atteso] : {std::pair{50, 100}, std::pair{5000, 3000}, std::pair{1700, 1700}}) {
        barra.setValue(dato);
        EXPECT_EQ(barra.Value(), atteso) << dato;
    }
    EXPECT_EQ(valori, (std::vector<int>{100, 3000, 1700}));
    valori.clear();
    barra.setValue(1700);
    EXPECT_TRUE(valori.empty()) << "the same value again is no change";
}

TEST_F(BarraOrizzontale, ITastiMuovonoComeFrecceETraccia) {
    barra.setFocus();
    QTest::keyClick(&dentro(), Qt::Key_Right);
    QTest::keyClick(&dentro(), Qt::Key_Right);
    QTest::keyClick(&dentro(), Qt::Key_Left);
    QTest::keyClick(&dentro(), Qt::Key_PageUp);
    QTest::keyClick(&dentro(), Qt::Key_PageDown);
    QTest::keyClick(&dentro(), Qt::Key_PageDown);
    QTest::keyClick(&dentro(), Qt::Key_Home);
    QTest::keyClick(&dentro(), Qt::Key_End);
    EXPECT_EQ(valori, (std::vector<int>{1100, 1200, 1100, 600, 1100, 1600, 100, 3000}));
}

}  // namespace
