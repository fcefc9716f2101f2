// The print window: the fill from the main window, zoom, Print, Copy, help,
// Back and Exit, all driven by mouse clicks on the real windows.
#include <gtest/gtest.h>

#include "tests/support/SenzaStampante.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QPushButton>
#include <cmath>

#include "music/FMMediaVel.h"
#include "tests/print/FinestraStampa.h"
#include "toolkit/Twips.h"

namespace {

using ModtavolaVel::lingua;

class Riempimento : public prova::FinestraStampa {};
class Zoom : public prova::FinestraStampa {};
class Stampa : public prova::FinestraStampa {};
class Copia : public prova::FinestraStampa {};
class Aiuto : public prova::FinestraStampa {};
class TornaEdEsci : public prova::FinestraStampa {};

// The shift of the fill: 3720 / 1.3 twips, worked out in double precision.
float spostata(float left) { return static_cast<float>(static_cast<double>(left) - 3720.0 / 1.3); }

// ---------------------------------------------------------------------------
// The fill.
// ---------------------------------------------------------------------------

TEST_F(Riempimento, CopiaOgniEtichettaSpostataASinistraEIlTesto) {
    Tavolavel& t = mostra();
    struct Caso {
        const char* nome;
        int indice;
        const char* didascalia;
        float top, left;
        forma::Colore colore;
    };
    // Lefts whose shift rounds differently in single precision (900) or
    // falls left of the window (0), an empty caption, a caption left over.
    const Caso casi[] = {
        {"come la carta 1", 0, "Hunters-gatherers", 3600, 9120, 0x000000},
        {"blu", 2, "Agricultural Communities", 4110, 9120, 0xFF0000},
        {"arrotondamento in singola", 5, "Kish", 2000, 900, 0x0000FF},
        {"a sinistra della finestra", 7, "Ur", 100, 0, 0xFFFFC0},
        {"didascalia vuota", 20, "", 500, 4000, 0xFFFFFF},
        {"rimasta da un'altra carta", 35, "Akkad", 6000, 11000, 0xC00000},
    };
    for (const Caso& c : casi) {
        forma::Label& l = etichetta(t, c.indice);
        l.setCaption(QString::fromUtf8(c.didascalia));
        l.setTop(c.top);
        l.setLeft(c.left);
        l.setForeColor(c.colore);
    }
    t.Text1.setText(QStringLiteral("5000 B.C. The world before writing."));

    Stampavel& s = riempi(t);

    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.Image1.Left(), 858.461548f);
    EXPECT_EQ(s.Image1.Left(), spostata(3720));
    EXPECT_EQ(s.Image1.Top(), 240);
    EXPECT_EQ(s.Labtesto.Caption(), QStringLiteral("5000 B.C. The world before writing."));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const forma::Label& l = etichetta(s, c.indice);
        EXPECT_EQ(l.Caption(), QString::fromUtf8(c.didascalia));
        EXPECT_EQ(l.Top(), c.top);
        EXPECT_EQ(l.Left(), spostata(c.left));
        EXPECT_EQ(l.ForeColor(), c.colore);
        EXPECT_TRUE(l.Visible());
    }
    EXPECT_EQ(etichetta(s, 5).Left(), -1961.538452f);  // not -1961.538574, the single-precision shift
    for (int i = 0; i < 36; ++i) {
        SCOPED_TRACE(i);
        const forma::Label& da = etichetta(t, i);
        const forma::Label& a = etichetta(s, i);
        EXPECT_EQ(a.Caption(), da.Caption());
        EXPECT_EQ(a.Top(), da.Top());
        EXPECT_EQ(a.Left(), spostata(da.Left()));
        EXPECT_EQ(a.ForeColor(), da.ForeColor());
        EXPECT_EQ(a.FontName(), QStringLiteral("Arial"));
        EXPECT_EQ(a.FontSize(), 7.0f);
        EXPECT_EQ(a.BackStyle(), forma::vbTransparent);
        EXPECT_TRUE(a.AutoSize());
    }
}

TEST_F(Riempimento, EIlMedesimoOggettoFiguraASuaGrandezza) {
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    // The same loaded picture, not a copy and not a file read again.
    EXPECT_EQ(s.Image1.Picture().get(), t.Image1.Picture().get());
    EXPECT_FALSE(s.Image1.Stretch());
    // Not stretched, the box takes the picture's size (20 x 13 pixels).
    EXPECT_EQ(s.Image1.Width(), 300);
    EXPECT_EQ(s.Image1.Height(), 195);
    // The inset is not copied.
    EXPECT_NE(s.Image1.Picture().get(), t.Image2.Picture().get());
}

TEST_F(Riempimento, LAvvioDellaFinestraPrecedeLeCopie) {
    Tavolavel& t = mostra();
    // The start-up places the picture at 3720 and captions the buttons by the
    // language of the moment: both visible only if it ran before the copies.
    struct Caso {
        const char* lingua;
        const char* esci;
        const char* torna;
        const char* copia;
        const char* stampa;
    };
    const Caso casi[] = {
        {"italiano", "Esci", "Torna", "Copia", "Stampa"},  {"francese", "Sortie", "Retour", "Copie", "Imprime"},
        {"spagnolo", "Salir", "Atrás", "Copiar", "Imprimir"}, {"inglese", "Exit", "Back", "Copy", "Print"},
        {"Inglese", "Exit", "Back", "Copy", "Print"},     {"tedesco", "Exit", "Back", "Copy", "Print"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.lingua);
        lingua = c.lingua;
        Stampavel& s = riempi(t);
        EXPECT_EQ(s.Cmdesci.Caption(), QString::fromUtf8(c.esci));
        EXPECT_EQ(s.Cmdtorna.Caption(), QString::fromUtf8(c.torna));
        EXPECT_EQ(s.cmdcopia.Caption(), QString::fromUtf8(c.copia));
        EXPECT_EQ(s.cmdstampa.Caption(), QString::fromUtf8(c.stampa));
        EXPECT_EQ(s.CmdHelp.Caption(), QStringLiteral("?"));
        EXPECT_EQ(s.cmdzoom.Caption(), QStringLiteral("zoom +"));
        EXPECT_EQ(s.cmdzoommeno.Caption(), QStringLiteral("zoom -"));
        EXPECT_EQ(s.Image1.Left(), spostata(3720));
        premi(s, s.Cmdtorna);
        EXPECT_FALSE(forma::Esiste<Stampavel>());
    }
}

TEST_F(Riempimento, DopoUnaBandieraCopiaCioCheLaPrincipaleMostra) {
    Tavolavel& t = mostra();
    clic(t, t.LabSPA);
    ASSERT_EQ(lingua, "spagnolo");
    Stampavel& s = riempi(t);
    EXPECT_EQ(s.cmdstampa.Caption(), QStringLiteral("Imprimir"));
    EXPECT_EQ(s.Labtesto.Caption(), t.Text1.Text());
    for (int i = 0; i < 36; ++i) EXPECT_EQ(etichetta(s, i).Caption(), etichetta(t, i).Caption()) << i;
}

TEST_F(Riempimento, LaFinestraAppareBiancaConIlFuocoSuEsci) {
    Tavolavel& t = mostra();
    // A label that lands under the description box.
    etichetta(t, 30).setCaption(QStringLiteral("Mar Mediterraneo"));
    etichetta(t, 30).setTop(7500);
    etichetta(t, 30).setLeft(static_cast<float>(5000 + 3720 / 1.3));
    Stampavel& s = riempi(t);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    EXPECT_EQ(s.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(s.Caption(), QStringLiteral("Form1"));
    EXPECT_TRUE(s.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(s.isFullScreen());
    QWidget* esci = s.Cmdesci.findChild<QPushButton*>();
    ASSERT_NE(esci, nullptr);
    EXPECT_EQ(s.focusWidget(), esci);
    // The description is a fixed box on its light grey.
    EXPECT_EQ(s.Labtesto.Width(), 10095);
    EXPECT_EQ(s.Labtesto.Height(), 1335);
    EXPECT_EQ(s.Labtesto.BackColor(), 0xE0E0E0u);
    // The description lies over the labels.
    EXPECT_EQ(s.childAt(forma::pixel(5030), forma::pixel(7530)), &s.Labtesto);
}

TEST_F(Riempimento, UnaFinestraLasciataApertaTieneZoomEtichetteNascoste) {
    Tavolavel& t = mostra();
    forma::StampaSuFile(cartella.percorso() + QStringLiteral("/prova.pdf"));
    etichetta(t, 4).setCaption(QStringLiteral("aaNinive"));
    Stampavel& s = riempi(t);
    premi(s, s.cmdzoom);
    premi(s, s.cmdstampa);
    ASSERT_FALSE(etichetta(s, 4).Visible());
    const float larghezza = s.Image1.Width();

    // Back to the main window without the print window's Back.
    t.Show();
    etichetta(t, 4).setCaption(QStringLiteral("Ninive"));
    lingua = "italiano";
    Stampavel& ancora = riempi(t);
    EXPECT_EQ(&ancora, &s);
    EXPECT_TRUE(s.Image1.Stretch());
    EXPECT_EQ(s.Image1.Width(), larghezza);
    EXPECT_FALSE(etichetta(s, 4).Visible());
    EXPECT_EQ(etichetta(s, 4).Caption(), QStringLiteral("Ninive"));
    // The places are the unzoomed ones again; the captions did not change.
    EXPECT_EQ(etichetta(s, 4).Left(), spostata(etichetta(t, 4).Left()));
    EXPECT_EQ(s.Cmdesci.Caption(), QStringLiteral("Exit"));
}

TEST_F(Riempimento, TornaPoiStampaDiNuovoRiparteDalProgetto) {
    Tavolavel& t = mostra();
    forma::StampaSuFile(cartella.percorso() + QStringLiteral("/prova.pdf"));
    etichetta(t, 9).setCaption(QStringLiteral("aaSumer"));
    Stampavel& s = riempi(t);
    premi(s, s.cmdzoom);
    premi(s, s.cmdzoom);
    premi(s, s.cmdstampa);
    ASSERT_FALSE(etichetta(s, 9).Visible());
    premi(s, s.Cmdtorna);
    EXPECT_FALSE(forma::Esiste<Stampavel>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    etichetta(t, 9).setCaption(QStringLiteral("Sumer"));
    lingua = "francese";
    Stampavel& nuova = riempi(t);
    EXPECT_EQ(nuova.Cmdesci.Caption(), QStringLiteral("Sortie"));
    EXPECT_FALSE(nuova.Image1.Stretch());
    EXPECT_EQ(nuova.Image1.Width(), 300);
    EXPECT_EQ(nuova.Image1.Height(), 195);
    EXPECT_EQ(nuova.Image1.Left(), spostata(3720));
    for (int i = 0; i < 36; ++i) EXPECT_TRUE(etichetta(nuova, i).Visible()) << i;
    EXPECT_EQ(etichetta(nuova, 9).Caption(), QStringLiteral("Sumer"));
}

// ---------------------------------------------------------------------------
// Zoom.
// ---------------------------------------------------------------------------

// Picture size and label places, to compare before and after.
struct Geometria {
    float larghezza, altezza;
    float top[36], left[36];
};

Geometria geometria(Stampavel& s) {
    Geometria g{s.Image1.Width(), s.Image1.Height(), {}, {}};
    for (int i = 0; i < 36; ++i) {
        g.top[i] = s.Label1[static_cast<std::size_t>(i)]->Top();
        g.left[i] = s.Label1[static_cast<std::size_t>(i)]->Left();
    }
    return g;
}

// Places spread over the map, so that every label moves.
void sparpaglia(Tavolavel& t) {
    for (int i = 0; i < 36; ++i) {
        forma::Label& l = *t.Label1[static_cast<std::size_t>(i)];
        l.setCaption(QStringLiteral("Luogo %1").arg(i));
        l.setTop(300.0f + 137.0f * static_cast<float>(i));
        l.setLeft(4000.0f + 211.0f * static_cast<float>(i));
    }
}

TEST_F(Zoom, UnaPressionePoiLAltraRestituisconoLaGeometria) {
    struct Caso {
        const char* nome;
        bool primaPiu;
    };
    for (const Caso& c : {Caso{"zoom + poi zoom -", true}, Caso{"zoom - poi zoom +", false}}) {
        SCOPED_TRACE(c.nome);
        Tavolavel& t = mostra();
        sparpaglia(t);
        Stampavel& s = riempi(t);
        const Geometria prima = geometria(s);
        premi(s, c.primaPiu ? s.cmdzoom : s.cmdzoommeno);
        const Geometria mezzo = geometria(s);
        EXPECT_NE(mezzo.larghezza, prima.larghezza);
        EXPECT_NE(mezzo.left[10], prima.left[10]);
        premi(s, c.primaPiu ? s.cmdzoommeno : s.cmdzoom);
        const Geometria dopo = geometria(s);
        // Up to the rounding of the stored single-precision values.
        EXPECT_NEAR(dopo.larghezza, prima.larghezza, 1e-3);
        EXPECT_NEAR(dopo.altezza, prima.altezza, 1e-3);
        for (int i = 0; i < 36; ++i) {
            EXPECT_NEAR(dopo.top[i], prima.top[i], std::abs(prima.top[i]) * 1e-6 + 1e-3) << i;
            EXPECT_NEAR(dopo.left[i], prima.left[i], std::abs(prima.left[i]) * 1e-6 + 1e-3) << i;
        }
        premi(s, s.Cmdtorna);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Zoom, CinquePressioniDannoIFattoriComposti) {
    Tavolavel& t = mostra();
    sparpaglia(t);
    Stampavel& s = riempi(t);
    const Geometria prima = geometria(s);
    for (int n = 0; n < 5; ++n) premi(s, s.cmdzoom);
    const Geometria dopo = geometria(s);

    // Each press kept as single precision, step by step.
    auto cinqueVolte = [](float v, double f) {
        for (int n = 0; n < 5; ++n) v = static_cast<float>(v * f);
        return v;
    };
    EXPECT_EQ(dopo.larghezza, cinqueVolte(prima.larghezza, 1.1));
    EXPECT_EQ(dopo.altezza, cinqueVolte(prima.altezza, 1.1));
    EXPECT_NEAR(dopo.larghezza / prima.larghezza, 1.61051, 1e-4);
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(dopo.top[i], cinqueVolte(prima.top[i], 1.09)) << i;
        EXPECT_EQ(dopo.left[i], cinqueVolte(prima.left[i], 1.09)) << i;
    }
    EXPECT_NEAR(dopo.left[20] / prima.left[20], 1.5386239549, 1e-5);
    // The picture grows about its own corner.
    EXPECT_EQ(s.Image1.Left(), spostata(3720));
    EXPECT_EQ(s.Image1.Top(), 240);
}

TEST_F(Zoom, LaPrimaPressioneAccendeLoStiramentoATagliaDelMomento) {
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    ASSERT_FALSE(s.Image1.Stretch());
    ASSERT_EQ(s.Image1.Width(), 300);
    premi(s, s.cmdzoom);
    EXPECT_TRUE(s.Image1.Stretch());
    EXPECT_EQ(s.Image1.Width(), static_cast<float>(300 * 1.1));
    EXPECT_EQ(s.Image1.Height(), static_cast<float>(195 * 1.1));
    EXPECT_EQ(s.Image1.width(), forma::pixel(static_cast<float>(300 * 1.1)));
    // Stretched, the picture fills the grown box.
    const QImage vista = s.Image1.grab().toImage();
    EXPECT_EQ(vista.pixelColor(vista.width() - 1, vista.height() - 1), QColor(0x33, 0x66, 0x99));
}

TEST_F(Zoom, CentinaiaDiPressioniNonRomponoNulla) {
    Tavolavel& t = mostra();
    sparpaglia(t);
    forma::StampaSuFile(cartella.percorso() + QStringLiteral("/grande.pdf"));
    Stampavel& s = riempi(t);
    // Far past single precision: the stored values end at infinity, the
    // widgets stay within the toolkit's range and the window still paints.
    for (int n = 0; n < 1000; ++n) premi(s, s.cmdzoom);
    EXPECT_TRUE(std::isinf(s.Image1.Width()));
    EXPECT_TRUE(std::isinf(etichetta(s, 20).Left()));
    EXPECT_EQ(s.Image1.width(), QWIDGETSIZE_MAX);
    EXPECT_EQ(s.Image1.height(), QWIDGETSIZE_MAX);
    EXPECT_EQ(etichetta(s, 20).x(), QWIDGETSIZE_MAX);
    EXPECT_EQ(etichetta(s, 20).y(), QWIDGETSIZE_MAX);
    EXPECT_FALSE(s.grab().isNull());
    premi(s, s.cmdstampa);
    EXPECT_TRUE(messaggi.empty());

    for (int n = 0; n < 10; ++n) premi(s, s.cmdzoommeno);
    EXPECT_TRUE(std::isinf(s.Image1.Width()));  // infinity divided stays infinity

    premi(s, s.Cmdtorna);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Stampavel& piccola = riempi(t);
    // Down into the smallest single-precision values, where a division by
    // 1.1 rounds back to the same value.
    for (int n = 0; n < 1200; ++n) premi(piccola, piccola.cmdzoommeno);
    EXPECT_GE(piccola.Image1.Width(), 0.0f);
    EXPECT_LT(piccola.Image1.Width(), 1e-40f);
    EXPECT_LT(std::abs(etichetta(piccola, 20).Left()), 1e-40f);
    EXPECT_LE(piccola.Image1.width(), 1);
    EXPECT_EQ(etichetta(piccola, 20).x(), 0);
    EXPECT_FALSE(piccola.grab().isNull());
    premi(piccola, piccola.cmdzoom);
    EXPECT_LT(piccola.Image1.Width(), 1e-40f);
}

// ---------------------------------------------------------------------------
// Print.
// ---------------------------------------------------------------------------

TEST_F(Stampa, SuUnPdfNostroScriveLImmagineDellaFinestra) {
    Tavolavel& t = mostra();
    const QString pdf = cartella.percorso() + QStringLiteral("/finestra.pdf");
    forma::StampaSuFile(pdf);
    Stampavel& s = riempi(t);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    const QImage attesa = forma::ImmagineDi(s);
    premi(s, s.cmdstampa);
    EXPECT_TRUE(messaggi.empty());
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    EXPECT_TRUE(dati.startsWith("%PDF"));
    EXPECT_TRUE(dati.contains("/Subtype /Image"));
    // The image of the whole window, at the window's size.
    EXPECT_TRUE(dati.contains("/Width " + QByteArray::number(attesa.width())));
    EXPECT_TRUE(dati.contains("/Height " + QByteArray::number(attesa.height())));
}

TEST_F(Stampa, NascondeSoloLeDidascalieCheIniziano_aa) {
    Tavolavel& t = mostra();
    forma::StampaSuFile(cartella.percorso() + QStringLiteral("/prova.pdf"));
    struct Caso {
        const char* nome;
        const char* didascalia;
        bool nascosta;
    };
    const Caso casi[] = {
        {"segnaposto", "aa12", true},     {"solo aa", "aa", true},        {"aa e spazio", "aa Roma", true},
        {"maiuscola", "Aachen", false},   {"AA", "AAr", false},           {"vuota", "", false},
        {"una a", "a", false},            {"spazio prima", " aa", false}, {"nome", "Babilonia", false},
        {"aa dentro", "Baal", false},
    };
    for (std::size_t k = 0; k < std::size(casi); ++k) {
        etichetta(t, static_cast<int>(k)).setCaption(QString::fromUtf8(casi[k].didascalia));
        etichetta(t, static_cast<int>(k)).setLeft(4000);
    }
    Stampavel& s = riempi(t);
    for (std::size_t k = 0; k < std::size(casi); ++k) ASSERT_TRUE(etichetta(s, static_cast<int>(k)).Visible());
    premi(s, s.cmdstampa);
    for (std::size_t k = 0; k < std::size(casi); ++k) {
        SCOPED_TRACE(casi[k].nome);
        EXPECT_EQ(etichetta(s, static_cast<int>(k)).Visible(), !casi[k].nascosta);
        EXPECT_EQ(etichetta(s, static_cast<int>(k)).isVisible(), !casi[k].nascosta);
    }
    // Hidden for the life of the window, even with another caption.
    etichetta(s, 0).setCaption(QStringLiteral("Ur"));
    premi(s, s.cmdstampa);
    EXPECT_FALSE(etichetta(s, 0).Visible());
}

TEST_F(Stampa, UnaEtichettaNascostaNonVaSullaPagina) {
    Tavolavel& t = mostra();
    forma::StampaSuFile(cartella.percorso() + QStringLiteral("/prova.pdf"));
    // A large red placeholder on the white surface, left of the picture.
    forma::Label& l = etichetta(t, 3);
    l.setCaption(QStringLiteral("aa██████"));
    l.setForeColor(0x0000FF);
    l.setTop(3000);
    l.setLeft(3200);
    Stampavel& s = riempi(t);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    auto rossi = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == QColor(255, 0, 0);
        return n;
    };
    ASSERT_GT(rossi(forma::ImmagineDi(s)), 0);
    premi(s, s.cmdstampa);
    EXPECT_EQ(rossi(forma::ImmagineDi(s)), 0);
}

TEST_F(Stampa, SenzaStampantePredefinitaLoDiceInItalianoEProsegue) {
    prova::SenzaStampantePredefinita senza;
    if (!senza.senzaStampante()) GTEST_SKIP() << "a default printer is still set on this machine";

    Tavolavel& t = mostra();
    etichetta(t, 6).setCaption(QStringLiteral("aaTroia"));
    for (const char* l : {"italiano", "francese", "spagnolo", "inglese", "tedesco"}) {
        SCOPED_TRACE(l);
        lingua = l;
        messaggi.clear();
        Stampavel& s = riempi(t);
        premi(s, s.cmdstampa);
        ASSERT_EQ(messaggi.size(), 1u);
        EXPECT_EQ(messaggi[0].prompt, QStringLiteral("Impossibile stampare il form."));
        EXPECT_EQ(messaggi[0].pulsanti, forma::vbOKOnly);
        EXPECT_EQ(messaggi[0].titolo, QString());
        // The window goes on as it was, the label hidden by the attempt too.
        EXPECT_TRUE(forma::Esiste<Stampavel>());
        EXPECT_TRUE(s.isVisible());
        EXPECT_FALSE(etichetta(s, 6).Visible());
        const float larghezza = s.Image1.Width();
        premi(s, s.cmdzoom);
        EXPECT_GT(s.Image1.Width(), larghezza);
        premi(s, s.Cmdtorna);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---------------------------------------------------------------------------
// Copy.
// ---------------------------------------------------------------------------

TEST_F(Copia, MetteLaCartaASuaGrandezzaAncheDopoLoZoom) {
    cartella.figura(QStringLiteral("atlante/5000bac.gif"), 23, 17, 0xFF804020);
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    premi(s, s.cmdzoom);
    premi(s, s.cmdzoom);
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    premi(s, s.cmdcopia);
    const QImage copiata = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copiata.isNull());
    EXPECT_EQ(copiata.size(), QSize(23, 17));
    EXPECT_EQ(copiata.pixelColor(11, 8), QColor(0x80, 0x40, 0x20));
}

TEST_F(Copia, ConLaFiguraVuotaNonToccaGliAppunti) {
    Tavolavel& t = mostra();
    t.Image1.setPicture(forma::LoadPicture(QString()));
    Stampavel& s = riempi(t);
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    premi(s, s.cmdcopia);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("prima"));
    EXPECT_TRUE(messaggi.empty());
}

// ---------------------------------------------------------------------------
// Help.
// ---------------------------------------------------------------------------

TEST_F(Aiuto, IlTestoSegueLaLinguaAlMomentoDellaPressione) {
    const QString vuota = QStringLiteral("\r\n\r\n");
    struct Caso {
        const char* lingua;
        const char* primo;
        const char* ultimo;
    };
    const Caso casi[] = {
        {"italiano", "Per stampare la carta ed il testo a commento, cliccare su 'Stampa', qui sotto.",
         "Il tasto 'Copia' serve a trasferire la carta nella memoria del computer e renderla disponibile per altre "
         "applicazioni (con 'Incolla'."},
        {"francese", "Pour imprimer la carte et le texte il faut cliquer sur le bouton 'Imprime'.",
         "Le bouton 'Copie' vous permet de copier la carte dans la mémoire de l'ordinateur. La carte sera ainsi "
         "disponible pour une autre application (avec 'Encolle')."},
        {"spagnolo", "Para imprimir: --> haga clic sobre 'Imprimir'.",
         "Con 'Copia' se pone la carta en la memoria del computer."},
        {"inglese", "To print you have to click on 'Print' button.",
         "The 'Copy' button save the map on clipboard. Then you can 'Paste' it in a different program."},
    };
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);  // created in English
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.lingua);
        lingua = c.lingua;
        messaggi.clear();
        premi(s, s.CmdHelp);
        ASSERT_EQ(messaggi.size(), 1u);
        const QString testo = messaggi[0].prompt;
        EXPECT_TRUE(testo.startsWith(QString::fromUtf8(c.primo) + vuota));
        EXPECT_TRUE(testo.endsWith(vuota + QString::fromUtf8(c.ultimo)));
        EXPECT_EQ(testo.split(vuota).size(), 4);
        EXPECT_FALSE(testo.contains(QStringLiteral("\r\n\r\n\r\n")));
        EXPECT_EQ(messaggi[0].pulsanti, forma::vbOKOnly);
        EXPECT_EQ(messaggi[0].titolo, QString());
        EXPECT_EQ(s.cmdstampa.Caption(), QStringLiteral("Print"));
    }
}

TEST_F(Aiuto, InIngleseParolaPerParola) {
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    premi(s, s.CmdHelp);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].prompt,
              QStringLiteral("To print you have to click on 'Print' button.\r\n\r\n"
                             "The map and the text will be printed with your default printer. You can change its "
                             "properties (Color? Grey scale? Quality?..) opening Settings --> Printers --> "
                             "Properties.\r\n\r\n"
                             "You can change the dimension of the printed map by clicking on 'zoom +' or 'zoom -' "
                             "(Here, down)\r\n\r\n"
                             "The 'Copy' button save the map on clipboard. Then you can 'Paste' it in a different "
                             "program."));
}

TEST_F(Aiuto, FuoriDalleQuattroLingueSoloLeRigheVuote) {
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    for (const char* l : {"tedesco", "", "Italiano", "inglese "}) {
        SCOPED_TRACE(l);
        lingua = l;
        messaggi.clear();
        premi(s, s.CmdHelp);
        ASSERT_EQ(messaggi.size(), 1u);
        EXPECT_EQ(messaggi[0].prompt, QStringLiteral("\r\n\r\n\r\n\r\n\r\n\r\n"));
    }
}

// ---------------------------------------------------------------------------
// Back and Exit.
// ---------------------------------------------------------------------------

TEST_F(TornaEdEsci, TornaDistruggeLaFinestraEMostraLaPrincipale) {
    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    t.hide();
    premi(s, s.Cmdtorna);
    EXPECT_FALSE(forma::Esiste<Stampavel>());
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(t.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(TornaEdEsci, EsciFermaLaMusicaPoiTermina) {
    // From the print window and from the main window: Stop first, then the end.
    struct Caso {
        const char* nome;
        bool dallaStampa;
    };
    for (const Caso& c : {Caso{"Esci della stampa", true}, Caso{"Esci della principale", false}}) {
        SCOPED_TRACE(c.nome);
        Tavolavel& t = mostra();
        std::vector<std::string> ordine;
        forma::Finestra<FMMediaVel>().Command2.Click = [&ordine] { ordine.push_back("Stop"); };
        forma::Finestra<FMMediaVel>().Command1.Click = [&ordine] { ordine.push_back("Play"); };
        forma::SostituisciEnd([&ordine] { ordine.push_back("End"); });
        if (c.dallaStampa) {
            Stampavel& s = riempi(t);
            premi(s, s.Cmdesci);
        } else {
            clic(t, t.Labesci);
        }
        EXPECT_EQ(ordine, (std::vector<std::string>{"Stop", "End"}));
        forma::SostituisciEnd([this] { ++fine; });
        forma::DistruggiTutte();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
