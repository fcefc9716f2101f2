// Work the atlas saves the reader without changing what the reader sees:
// pictures kept decoded while their files stay the same, work put off until
// the next frame is on the screen, and empty overlay labels kept off the
// screen while their Visible stays as set; a new text in the description
// box laid out once, its scroll bar repainted only when it changes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <memory>

#include "tests/support/CartellaDiLavoro.h"
#include "tests/support/ContaDipinti.h"
#include "toolkit/FigureCondivise.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ProssimoFotogramma.h"
#include "toolkit/TextBox.h"

namespace {

QRgb colore(const forma::Picture& p) { return p->immagine.isNull() ? 0 : p->immagine.pixel(0, 0); }

TEST(FigureTenute, LaStessaFiguraFinCheIlFileNonCambia) {
    forma::DimenticaFigure();
    prova::CartellaDiLavoro cartella;
    cartella.figura(QStringLiteral("atlante/inserto.jpg"), 8, 6, 0xFF112233);
    const forma::Picture prima = forma::CaricaFigura(QStringLiteral("atlante\\inserto.jpg"));
    ASSERT_EQ(colore(prima), 0xFF112233u);
    EXPECT_EQ(forma::CaricaFigura(QStringLiteral("atlante\\inserto.jpg")), prima) << "decoded once";
    EXPECT_EQ(prima->origine, QStringLiteral("atlante\\inserto.jpg"));

    // Rewritten (another size, so another file state even within the same
    // clock tick): read again.
    cartella.figura(QStringLiteral("atlante/inserto.jpg"), 9, 6, 0xFF445566);
    const forma::Picture dopo = forma::CaricaFigura(QStringLiteral("atlante\\inserto.jpg"));
    EXPECT_NE(dopo, prima);
    EXPECT_EQ(colore(dopo), 0xFF445566u);
    EXPECT_EQ(dopo->immagine.width(), 9);

    // Gone: the empty picture, and not kept for when the file comes back.
    QFile::remove(cartella.percorso() + QStringLiteral("/atlante/inserto.jpg"));
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(forma::CaricaFigura(QStringLiteral("atlante\\inserto.jpg"))->immagine.isNull());
    ::testing::internal::GetCapturedStderr();
    cartella.figura(QStringLiteral("atlante/inserto.jpg"), 8, 6, 0xFF778899);
    EXPECT_EQ(colore(forma::CaricaFigura(QStringLiteral("atlante\\inserto.jpg"))), 0xFF778899u);
    forma::DimenticaFigure();
}

TEST(FigureTenute, PreparataPrimaEPoiConsegnataSenzaRileggere) {
    forma::DimenticaFigure();
    prova::CartellaDiLavoro cartella;
    cartella.figura(QStringLiteral("atlante/vicina.gif"), 4, 4, 0xFF010203);
    forma::PreparaFigura(QStringLiteral("atlante\\vicina.gif"));
    // Prepared, the picture is read once; the same object then comes back.
    const forma::Picture a = forma::CaricaFigura(QStringLiteral("atlante\\vicina.gif"));
    EXPECT_EQ(forma::CaricaFigura(QStringLiteral("atlante\\vicina.gif")), a);
    EXPECT_EQ(colore(a), 0xFF010203u);
    // A missing file is left for the draw that needs it: nothing said now.
    ::testing::internal::CaptureStderr();
    forma::PreparaFigura(QStringLiteral("atlante\\manca.gif"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // Many other pictures asked for push the first out; it is read again,
    // the same.
    for (int i = 0; i < 30; ++i) {
        cartella.figura(QStringLiteral("atlante/altra%1.gif").arg(i), 2, 2, 0xFF000000u + static_cast<QRgb>(i));
        forma::CaricaFigura(QStringLiteral("atlante\\altra%1.gif").arg(i));
    }
    const forma::Picture b = forma::CaricaFigura(QStringLiteral("atlante\\vicina.gif"));
    EXPECT_NE(b, a);
    EXPECT_EQ(b->immagine, a->immagine);
    forma::DimenticaFigure();
}

// A window that counts its paints.
class Contata : public QWidget {
public:
    int dipinti = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        ++dipinti;
        QPainter(this).fillRect(rect(), Qt::darkBlue);
    }
};

TEST(ProssimoFotogramma, IlLavoroVieneDopoIlFotogrammaNonPrima) {
    Contata finestra;
    finestra.resize(200, 100);
    int eseguita = 0;
    int dipintiAllora = -1;
    forma::DopoIlProssimoFotogramma(finestra, [&] {
        ++eseguita;
        dipintiAllora = finestra.dipinti;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(eseguita, 0) << "nothing painted yet";
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QTRY_COMPARE(eseguita, 1);
    EXPECT_GE(dipintiAllora, 1) << "the action ran after the frame was painted";
    finestra.update();
    QTest::qWait(20);
    EXPECT_EQ(eseguita, 1) << "once";
}

TEST(ProssimoFotogramma, SenzaFotogrammaCorreComunqueAlLimite) {
    Contata finestra;  // never shown
    int eseguita = 0;
    forma::DopoIlProssimoFotogramma(finestra, [&] { ++eseguita; }, 30);
    QTest::qWait(5);
    EXPECT_EQ(eseguita, 0);
    QTRY_COMPARE_WITH_TIMEOUT(eseguita, 1, 2000);
}

TEST(ProssimoFotogramma, UnaFinestraChiusaPrimaNonLoEsegue) {
    int eseguita = 0;
    {
        Contata finestra;
        forma::DopoIlProssimoFotogramma(finestra, [&] { ++eseguita; }, 10);
    }
    QTest::qWait(40);
    EXPECT_EQ(eseguita, 0);
}

TEST(EtichettaFuoriSeVuota, VuotaEsceDalloSchermoMaVisibleRestaComeImpostato) {
    forma::Form f;
    f.resize(400, 300);
    forma::Label l(&f);
    l.setBackStyle(forma::vbTransparent);
    l.setAutoSize(true);
    l.setCaption(QStringLiteral("Roma"));
    l.setFuoriSeVuota(true);
    forma::Label comune(&f);  // without the option
    comune.setBackStyle(forma::vbTransparent);
    comune.setAutoSize(true);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_TRUE(l.isVisible());

    struct Caso {
        const char* nome;
        const char* didascalia;
        bool sfondoOpaco;
        bool visible;  // as the window sets it
        bool sulloSchermo;
    };
    const Caso casi[] = {
        {"con didascalia", "Roma", false, true, true},
        {"vuota", "", false, true, false},
        {"vuota e opaca: disegna il suo sfondo", "", true, true, true},
        {"di nuovo con didascalia", "Cartagine", false, true, true},
        {"nascosta dalla finestra", "Cartagine", false, false, false},
        {"nascosta e vuota", "", false, false, false},
        {"rimostrata ma vuota", "", false, true, false},
        {"rimostrata con didascalia", "Atene", false, true, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        l.setCaption(QString::fromUtf8(c.didascalia));
        l.setBackStyle(c.sfondoOpaco ? forma::vbOpaque : forma::vbTransparent);
        l.setVisible(c.visible);
        comune.setCaption(QString::fromUtf8(c.didascalia));
        EXPECT_EQ(l.Visible(), c.visible);
        EXPECT_EQ(l.isVisible(), c.sulloSchermo);
        EXPECT_TRUE(comune.isVisible()) << "a label without the option stays on the screen";
    }
}

TEST(RiquadroDiTesto, UnTestoNuovoComeImpostatoDaCapoSenzaRidipingereLaBarraImmutata) {
    forma::Form f;
    f.resize(400, 300);
    forma::TextBox t(&f);
    t.Move(150, 150, 3000, 1200);  // 200 x 80 pixels: a handful of lines
    t.setLocked(true);
    QPlainTextEdit& e = *t.editor();
    QScrollBar& barra = *e.verticalScrollBar();
    prova::ContaDipinti dipinti(&barra);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    const QString lungo = QStringLiteral("Una riga.\r\n").repeated(30);
    struct Caso {
        const char* nome;
        QString testo;
        bool barraRidipinta;
    };
    const Caso casi[] = {
        {"una riga, come la vuota", QStringLiteral("Roma"), false},
        {"due righe, sempre nulla da scorrere", QStringLiteral("Roma\nCartagine"), false},
        {"tre paragrafi", QStringLiteral("Roma\r\nCartagine\r\nAtene"), false},
        {"lungo: c'è da scorrere", lungo, true},
        {"di nuovo breve", QStringLiteral("Sparta"), true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        // The reader has scrolled and selected in the previous text.
        barra.setValue(barra.maximum());
        QTextCursor selezione(e.document());
        selezione.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        e.setTextCursor(selezione);
        QCoreApplication::processEvents();
        dipinti.dipinti = 0;

        t.setText(c.testo);
        QCoreApplication::processEvents();
        EXPECT_EQ(t.Text(), c.testo);
        QString atteso = c.testo;
        atteso.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        EXPECT_EQ(e.toPlainText(), atteso);
        EXPECT_EQ(e.document()->blockCount(), atteso.count(QLatin1Char('\n')) + 1);
        EXPECT_EQ(e.textCursor().position(), 0);
        EXPECT_FALSE(e.textCursor().hasSelection());
        EXPECT_EQ(barra.value(), barra.minimum());
        EXPECT_FALSE(e.document()->isUndoAvailable()) << "nothing to undo, as after a fresh setting";
        EXPECT_FALSE(e.document()->isModified());
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(&e);
        ASSERT_NE(accessibile, nullptr);
        ASSERT_NE(accessibile->textInterface(), nullptr);
        EXPECT_EQ(accessibile->textInterface()->text(0, accessibile->textInterface()->characterCount()),
                  e.toPlainText())
            << "read aloud as shown";
        EXPECT_EQ(dipinti.dipinti > 0, c.barraRidipinta);
    }
}

}  // namespace
