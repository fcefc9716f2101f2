// The chronology window, driven through the main window with real clicks and
// mouse moves, on tiny thumbnails in a temporary working folder.
#include <gtest/gtest.h>

#include "tests/support/SenzaStampante.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "chronology/Cronologiavel.h"
#include "chronology/TestiCronologia.h"
#include "chronology/stampacronvel.h"
#include "music/FMMediaVel.h"
#include "tests/chronology/TabelleTesti.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/Messaggi.h"
#include "toolkit/Stampante.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

// The text of map k in a language, as the chronology must show it.
QString testo(int k, contenuti::Lingua l) {
    return cronologia::TestoCronologia(k, l, cronologia::DescrizioneCarta(k, l));
}

constexpr forma::Colore rosa = 0xFFC0C0, magenta = 0xFF00FF, grigio = 0xC0C0C0, rosso = 0x0000FF,
                        rosaLingua = 0xFFC0FF;

class Cronologia : public prova::FinestraPrincipale {
protected:
    Cronologia() {
        // One thumbnail per name the pages read, named after the maps' pictures.
        for (const SchedaCarta& sc : CatalogoCarte) {
            QString nome = QString::fromLatin1(sc.fileCarta).replace('\\', '/');
            nome.replace(QStringLiteral("atlante/"), QStringLiteral("miniature/")).replace(QStringLiteral(".gif"), QStringLiteral("vel.gif"));
            cartella.figura(nome, 16, 10);
        }
        for (const char* nome : {"miniature/dcvel14.gif", "miniature/dcvel87.gif"}) cartella.figura(QLatin1String(nome), 16, 10);
        forma::SostituisciMsgBox([this](const QString& p, int b, const QString& t) {
            messaggi.push_back({p, b, t});
            return forma::vbOK;
        });
    }
    ~Cronologia() override {
        forma::SostituisciMsgBox(nullptr);
        forma::StampaSuFile(QString());
    }

    // Opens the chronology as the reader does: the main window's label.
    Cronologiavel& apri() {
        Tavolavel& t = forma::Esiste<Tavolavel>() ? forma::Finestra<Tavolavel>() : mostra();
        if (!t.isVisible()) {
            t.Show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&t));
        }
        clic(t, t.Labcronol);
        EXPECT_TRUE(forma::Esiste<Cronologiavel>());
        Cronologiavel& c = forma::Finestra<Cronologiavel>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&c));
        return c;
    }

    void pagina(Cronologiavel& c, int k) { clic(c, *c.Label3[static_cast<std::size_t>(k)]); }

    struct Messaggio {
        QString prompt;
        int pulsanti;
        QString titolo;
    };
    std::vector<Messaggio> messaggi;
};

TEST_F(Cronologia, LaPrimaAperturaInFranceseEIlRitornoDopoLoSpagnolo) {
    Tavolavel& t = mostra();
    clic(t, t.LabFRA);
    ASSERT_EQ(lingua, "francese");
    Cronologiavel& c = apri();
    EXPECT_EQ(c.linguaCronologia, "francese");
    EXPECT_EQ(c.Label2.Caption(),
              QStringLiteral("Cliquez sur la carte ou sur le commentaire pour sélectionner et retourner."));
    EXPECT_EQ(c.Labesci.Caption(), QStringLiteral("Sortie"));
    EXPECT_EQ(c.Labtorna.Caption(), QStringLiteral("Retourner"));
    EXPECT_EQ(c.Label6.ForeColor(), rosso);
    for (forma::Label* l : {&c.Label5, &c.Label7, &c.Label8}) EXPECT_EQ(l->ForeColor(), rosaLingua);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(c.Label1[static_cast<std::size_t>(i)]->Caption(), testo(i + 1, contenuti::Francese));
    EXPECT_EQ(c.Label4.Caption(), QStringLiteral("5000-2061"));
    EXPECT_EQ(c.Label3[0]->BackColor(), magenta);
    // Only the load language's table is filled.
    EXPECT_FALSE(c.testiFra[1].isEmpty());
    EXPECT_TRUE(c.testiFra[0].isEmpty());
    EXPECT_TRUE(c.testiIng[1].isEmpty() && c.testiIta[1].isEmpty() && c.testiSpa[1].isEmpty());

    // Back, the main window goes Spanish, the chronology opens again as it was.
    pagina(c, 4);
    clic(c, c.Labtorna);
    EXPECT_TRUE(c.isVisible());
    clic(t, t.LabSPA);
    ASSERT_EQ(lingua, "spagnolo");
    Cronologiavel& ancora = apri();
    EXPECT_EQ(&ancora, &c);
    EXPECT_EQ(c.linguaCronologia, "francese");
    EXPECT_EQ(c.Labesci.Caption(), QStringLiteral("Sortie"));
    EXPECT_EQ(c.inizioPagina, 32);
    EXPECT_EQ(c.Label4.Caption(), QStringLiteral("770-612"));
    EXPECT_EQ(c.Label1[0]->Caption(), testo(33, contenuti::Francese));
    EXPECT_TRUE(c.testiSpa[1].isEmpty());
}

struct CasoRiga {
    const char* nome;
    int pagina;
    int riga;
    bool sulTesto;  // a click on the text, or on the thumbnail
    int carta;
    const char* era;  // the era word the dispatcher writes, in English
    const char* miniatura;
};

class SceltaDellaRiga : public Cronologia, public ::testing::WithParamInterface<CasoRiga> {};

TEST_P(SceltaDellaRiga, ApreLaCartaNellaFinestraPrincipale) {
    const CasoRiga& r = GetParam();
    Tavolavel& t = mostra();
    Cronologiavel& c = apri();
    const float barraAC = t.ShapeAC.Width(), barraDC = t.ShapeDC.Width();
    const bool precedente = t.Labprecedente.Enabled(), successiva = t.Labsuccessiva.Enabled();
    pagina(c, r.pagina);
    const auto i = static_cast<std::size_t>(r.riga);
    EXPECT_EQ(c.Image1[i]->Picture()->origine, QString::fromLatin1(r.miniatura));
    EXPECT_EQ(c.Label1[i]->Caption(), testo(r.carta, contenuti::Inglese));
    if (r.sulTesto)
        clic(c, *c.Label1[i]);
    else
        clic(c, *c.Image1[i]);
    EXPECT_EQ(numcarta, r.carta);
    EXPECT_EQ(t.LabCristo.Caption(), QString::fromLatin1(r.era));
    EXPECT_EQ(t.labAnni.Caption(), QString::fromLatin1(CatalogoCarte[static_cast<std::size_t>(r.carta - 1)].anno));
    EXPECT_EQ(t.Image1.Picture()->origine, QString::fromLatin1(CatalogoCarte[static_cast<std::size_t>(r.carta - 1)].fileCarta));
    EXPECT_FALSE(c.isVisible());
    EXPECT_TRUE(t.isVisible());
    // The bars and Previous/Next stay as they were.
    EXPECT_EQ(t.ShapeAC.Width(), barraAC);
    EXPECT_EQ(t.ShapeDC.Width(), barraDC);
    EXPECT_EQ(t.Labprecedente.Enabled(), precedente);
    EXPECT_EQ(t.Labsuccessiva.Enabled(), successiva);
    // Opened again, it shows the page of that map.
    apri();
    EXPECT_EQ(c.inizioPagina, 8 * r.pagina);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, SceltaDellaRiga,
    ::testing::Values(CasoRiga{"Pagina0Riga0", 0, 0, true, 1, "B.C.", "miniature\\5000bacvel.gif"},
                      CasoRiga{"Pagina10Riga0ConCArte", 10, 0, true, 81, "B.C.", "miniature\\zerovel.gif"},
                      CasoRiga{"Pagina10Riga1ConCarte2", 10, 1, false, 82, "A.D.", "miniature\\dcvel14.gif"},
                      CasoRiga{"Pagina10Riga2", 10, 2, true, 83, "A.D.", "miniature\\dcvel87.gif"},
                      CasoRiga{"Pagina5Riga7", 5, 7, false, 48, "B.C.", "miniature\\492acvel.gif"},
                      CasoRiga{"Pagina20Riga7", 20, 7, false, 168, "A.D.", "miniature\\mo2000dcvel.gif"}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Cronologia, LeMiniatureCondiviseELUltimaVoceVuota) {
    mostra();
    Cronologiavel& c = apri();
    EXPECT_TRUE(c.fileMiniatura[168].isEmpty());
    pagina(c, 5);
    EXPECT_EQ(c.Image1[6]->Picture()->origine, c.Image1[7]->Picture()->origine);
    pagina(c, 6);
    EXPECT_EQ(c.Image1[2]->Picture()->origine, c.Image1[3]->Picture()->origine);
    EXPECT_EQ(c.Image1[3]->Picture()->origine, c.Image1[4]->Picture()->origine);
    // Every thumbnail is named after its map's picture, "vel" before ".gif",
    // except the two AD maps whose pictures were named the other way round.
    for (int k = 1; k <= 168; ++k) {
        QString atteso = QString::fromLatin1(CatalogoCarte[static_cast<std::size_t>(k - 1)].fileCarta);
        atteso.replace(QStringLiteral("atlante\\"), QStringLiteral("miniature\\"));
        atteso.replace(QStringLiteral(".gif"), QStringLiteral("vel.gif"));
        if (k == 82) atteso = QStringLiteral("miniature\\dcvel14.gif");
        if (k == 83) atteso = QStringLiteral("miniature\\dcvel87.gif");
        EXPECT_EQ(c.fileMiniatura[static_cast<std::size_t>(k - 1)], atteso) << k;
    }
}

TEST_F(Cronologia, UnaMiniaturaMancanteNonFermaLaPagina) {
    mostra();
    Cronologiavel& c = apri();
    // Page 3, row 2 is map 27: its thumbnail goes missing.
    QFile::remove(cartella.percorso() + QStringLiteral("/miniature/1157acvel.gif"));
    pagina(c, 3);
    EXPECT_EQ(c.inizioPagina, 24);
    EXPECT_TRUE(c.Image1[2]->Picture()->immagine.isNull());
    EXPECT_FALSE(c.Image1[3]->Picture()->immagine.isNull());
    EXPECT_EQ(c.Label1[2]->Caption(), testo(27, contenuti::Inglese));
    EXPECT_EQ(c.Label4.Caption(), QStringLiteral("1230-900"));
    clic(c, *c.Image1[2]);
    EXPECT_EQ(numcarta, 27);
}

TEST_F(Cronologia, LeLingueCambianoSoloIRighi) {
    mostra();
    Cronologiavel& c = apri();  // English, the start-up language
    pagina(c, 7);
    clic(c, c.Label7);  // "Italiano"
    EXPECT_EQ(c.linguaCronologia, "italiano");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(c.Label1[static_cast<std::size_t>(i)]->Caption(), testo(57 + i, contenuti::Italiano));
    EXPECT_EQ(c.Label7.ForeColor(), rosso);
    for (forma::Label* l : {&c.Label5, &c.Label6, &c.Label8}) EXPECT_EQ(l->ForeColor(), rosaLingua);
    // Hint, Exit and Back keep the load language; the page stays; lingua too.
    EXPECT_EQ(c.Label2.Caption(), QStringLiteral("Clik on the map or on the comment that interest to select and go back."));
    EXPECT_EQ(c.Labesci.Caption(), QStringLiteral("Exit"));
    EXPECT_EQ(c.Labtorna.Caption(), QStringLiteral("Back"));
    EXPECT_EQ(c.Label4.Caption(), QStringLiteral("382-329"));
    EXPECT_EQ(lingua, "inglese");
    // The next page comes in the chosen language.
    pagina(c, 12);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(c.Label1[static_cast<std::size_t>(i)]->Caption(), testo(97 + i, contenuti::Italiano));
    // Every label, and the current one again.
    struct Caso {
        forma::Label* etichetta;
        const char* parola;
        contenuti::Lingua lingua;
    };
    for (const Caso& k : {Caso{&c.Label8, "spagnolo", contenuti::Spagnolo}, Caso{&c.Label6, "francese", contenuti::Francese},
                          Caso{&c.Label5, "inglese", contenuti::Inglese}, Caso{&c.Label5, "inglese", contenuti::Inglese}}) {
        clic(c, *k.etichetta);
        EXPECT_EQ(c.linguaCronologia, k.parola);
        EXPECT_EQ(c.Label1[0]->Caption(), testo(97, k.lingua)) << k.parola;
        EXPECT_EQ(c.Label1[7]->Caption(), testo(104, k.lingua)) << k.parola;
        for (forma::Label* l : {&c.Label5, &c.Label6, &c.Label7, &c.Label8})
            EXPECT_EQ(l->ForeColor(), l == k.etichetta ? rosso : rosaLingua) << k.parola;
    }
    // Tables once filled stay filled.
    EXPECT_EQ(c.testiIta[60], testo(60, contenuti::Italiano));
    EXPECT_EQ(c.testiSpa[168], testo(168, contenuti::Spagnolo));
}

// A language value that is none of the four words, compared exactly: the load
// writes no caption and fills no table, a period button changes the page but
// not the rows; a language label still works.
TEST_F(Cronologia, UnaLinguaEstraneaLasciaLaFinestraComeProgettata) {
    mostra();
    for (const char* estranea : {"Inglese", "tedesco", "", "inglese "}) {
        SCOPED_TRACE(estranea);
        lingua = estranea;
        Cronologiavel& c = apri();
        EXPECT_EQ(c.linguaCronologia, estranea);
        EXPECT_EQ(c.Label2.Caption(), QString());
        EXPECT_EQ(c.Labesci.Caption(), QStringLiteral("Esci"));
        EXPECT_EQ(c.Labtorna.Caption(), QStringLiteral("Torna"));
        for (forma::Label* l : {&c.Label5, &c.Label6, &c.Label7, &c.Label8}) EXPECT_EQ(l->ForeColor(), rosaLingua);
        for (forma::Label* l : c.Label1) EXPECT_EQ(l->Caption(), QStringLiteral("Label1"));
        EXPECT_TRUE(c.testiIta[1].isEmpty() && c.testiFra[1].isEmpty() && c.testiSpa[1].isEmpty() &&
                    c.testiIng[1].isEmpty());
        pagina(c, 3);
        EXPECT_EQ(c.inizioPagina, 24);
        EXPECT_EQ(c.Label4.Caption(), QStringLiteral("1230-900"));
        for (forma::Label* l : c.Label1) EXPECT_EQ(l->Caption(), QStringLiteral("Label1"));
        clic(c, c.Label8);  // "Español"
        EXPECT_EQ(c.linguaCronologia, "spagnolo");
        EXPECT_EQ(c.Label1[0]->Caption(), testo(25, contenuti::Spagnolo));
        forma::Distruggi<Cronologiavel>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Every text of a language's table, filled by its label, against the map's
// description as the main window shows it in that language.
struct CasoLingua {
    const char* nome;
    contenuti::Lingua lingua;
    forma::Label Tavolavel::*bandiera;
    forma::Label Cronologiavel::*etichetta;
    Cronologiavel::TabellaTesti Cronologiavel::*tabella;
};

void PrintTo(const CasoLingua& c, std::ostream* os) { *os << c.nome; }

class TabellaDellaLingua : public Cronologia, public ::testing::WithParamInterface<CasoLingua> {};

TEST_P(TabellaDellaLingua, OgniTestoControLaDescrizioneDellaCarta) {
    const CasoLingua& caso = GetParam();
    Tavolavel& t = mostra();
    clic(t, t.*caso.bandiera);
    std::array<QString, 169> descrizioni;
    for (int k = 1; k <= 168; ++k) {
        numcarta = static_cast<std::int16_t>(k);
        t.disegnaCarta();
        descrizioni[static_cast<std::size_t>(k)] = t.Text1.Text();
    }
    Cronologiavel& c = apri();
    clic(c, c.*caso.etichetta);
    const Cronologiavel::TabellaTesti& tabella = c.*caso.tabella;
    EXPECT_TRUE(tabella[0].isEmpty());
    int diversi = 0;
    for (int k = 1; k <= 168; ++k) {
        const QString& testo = tabella[static_cast<std::size_t>(k)];
        const QString& descrizione = descrizioni[static_cast<std::size_t>(k)];
        ASSERT_FALSE(descrizione.isEmpty()) << k;
        if (testo != descrizione) ++diversi;
        const std::vector<std::string> problemi = prova::problemiDelTesto(caso.lingua, k, descrizione, testo);
        EXPECT_TRUE(problemi.empty()) << caso.nome << " " << k << ":" << prova::elenco(problemi);
    }
    // Only the texts of the two tables differ from their map's.
    int elencati = 0;
    for (const prova::RigaBianchi& r : prova::righeBianchi())
        if (r.lingua == caso.lingua) elencati += static_cast<int>(r.carte.size());
    for (const prova::Lunghezza& l : prova::lunghezze)
        if (l.lingua == caso.lingua && l.carta != 70) ++elencati;  // Italian 70 reads as its map
    EXPECT_EQ(diversi, elencati);
    // The rows show the table: the last page, through its period button.
    pagina(c, 20);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(c.Label1[i]->Caption(), tabella[161 + i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Lingue, TabellaDellaLingua,
    ::testing::Values(CasoLingua{"Italiano", contenuti::Italiano, &Tavolavel::LabITA, &Cronologiavel::Label7, &Cronologiavel::testiIta},
                      CasoLingua{"Francese", contenuti::Francese, &Tavolavel::LabFRA, &Cronologiavel::Label6, &Cronologiavel::testiFra},
                      CasoLingua{"Spagnolo", contenuti::Spagnolo, &Tavolavel::LabSPA, &Cronologiavel::Label8, &Cronologiavel::testiSpa},
                      CasoLingua{"Inglese", contenuti::Inglese, &Tavolavel::LabING, &Cronologiavel::Label5, &Cronologiavel::testiIng}),
    [](const auto& i) { return std::string(i.param.nome); });

// The texts a reader of the chronology notices, as its rows show them, and
// the map each opens in the main window.
TEST_F(Cronologia, ITestiNotevoliNeiRighi) {
    Tavolavel& t = mostra();
    clic(t, t.LabFRA);
    Cronologiavel& c = apri();  // French, from the main window
    EXPECT_TRUE(c.Label1[0]->Caption().startsWith(QStringLiteral(" 5000AV.JC. ")));
    EXPECT_TRUE(t.Text1.Text().startsWith(QStringLiteral("5000 Av.J.C. ")));  // map 1 in French

    pagina(c, 20);
    EXPECT_EQ(c.Label1[2]->Caption().size(), 728);  // map 163
    clic(c, *c.Label1[2]);
    EXPECT_EQ(numcarta, 163);
    EXPECT_EQ(t.Text1.Text().size(), 1027);

    clic(t, t.Labcronol);
    clic(c, c.Label5);  // "English"
    EXPECT_EQ(c.Label1[2]->Caption().size(), 825);  // the longest text
    pagina(c, 12);
    const QString cento = c.Label1[3]->Caption();  // map 100
    clic(c, *c.Label1[3]);
    clic(t, t.LabING);
    ASSERT_EQ(numcarta, 100);
    EXPECT_EQ(QStringLiteral(" ") + cento, t.Text1.Text());

    clic(t, t.Labcronol);
    clic(c, c.Label8);  // "Español"
    pagina(c, 6);
    EXPECT_EQ(c.Label1[7]->Caption().size(), 86);  // map 56, the shortest text
}

TEST_F(Cronologia, CopiaLaPaginaConRigheVuoteFraITesti) {
    mostra();
    Cronologiavel& c = apri();
    clic(c, c.ImageCOPIA);
    QString atteso = testo(1, contenuti::Inglese);
    for (int k = 2; k <= 8; ++k) atteso += QStringLiteral("\r\n\r\n") + testo(k, contenuti::Inglese);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), atteso);
    // After a page and a language change, the new page in the new language.
    pagina(c, 20);
    clic(c, c.Label8);
    clic(c, c.ImageCOPIA);
    const QStringList righe = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(righe.size(), 8);
    EXPECT_EQ(righe[7], testo(168, contenuti::Spagnolo));
    EXPECT_TRUE(messaggi.empty());
}

TEST_F(Cronologia, StampaLaPaginaSuFile) {
    mostra();
    Cronologiavel& c = apri();
    QTemporaryDir dir;
    for (int p : {3, 12}) {
        const QString pdf = dir.filePath(QStringLiteral("pagina%1.pdf").arg(p));
        forma::StampaSuFile(pdf);
        pagina(c, p);
        clic(c, c.ImageStampa);
        QString atteso;
        for (int k = 8 * p + 1; k <= 8 * p + 8; ++k) atteso += testo(k, contenuti::Inglese) + QStringLiteral("\r\n");
        ASSERT_TRUE(forma::Esiste<stampacronvel>());
        stampacronvel& s = forma::Finestra<stampacronvel>();
        EXPECT_EQ(s.Label1.Caption(), atteso) << p;
        EXPECT_FALSE(s.isVisible());
        EXPECT_GT(QFileInfo(pdf).size(), 0) << p;
    }
    EXPECT_TRUE(messaggi.empty());
    EXPECT_EQ(forma::Finestra<stampacronvel>().Caption(), QStringLiteral("Stampacronologia"));
}

// A printer that cannot take the page: the message, once per click.
TEST_F(Cronologia, UnaStampaFallitaDaUnMessaggioPerOgniClic) {
    mostra();
    Cronologiavel& c = apri();
    forma::StampaSuFile(QStringLiteral("/cartella-che-non-esiste/pagina.pdf"));
    clic(c, c.ImageStampa);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].prompt, QStringLiteral("Problema di stampa nella stampante utilizzata."));
    EXPECT_EQ(messaggi[0].pulsanti, forma::vbOKOnly);
    EXPECT_TRUE(messaggi[0].titolo.isEmpty());
    // The window goes on working, and the next click tries again.
    pagina(c, 2);
    clic(c, c.ImageStampa);
    EXPECT_EQ(messaggi.size(), 2u);
    EXPECT_TRUE(forma::Finestra<stampacronvel>().Label1.Caption().startsWith(testo(17, contenuti::Inglese)));
}

TEST_F(Cronologia, SenzaStampantePredefinitaIlMessaggio) {
    prova::SenzaStampantePredefinita senza;
    if (!senza.senzaStampante()) GTEST_SKIP() << "a default printer is still seen";
    mostra();
    Cronologiavel& c = apri();
    clic(c, c.ImageStampa);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].prompt, QStringLiteral("Problema di stampa nella stampante utilizzata."));
    EXPECT_TRUE(messaggi[0].titolo.isEmpty());
}

TEST_F(Cronologia, IlBordoDelleIconeSoloAPulsantePremuto) {
    mostra();
    Cronologiavel& c = apri();
    for (forma::Image* im : {&c.ImageCOPIA, &c.ImageStampa}) {
        const QPoint p = centro(*im);
        EXPECT_EQ(im->BorderStyle(), 0);
        premi(c, p, Qt::RightButton);
        EXPECT_EQ(im->BorderStyle(), 1);
        rilascia(c, p, Qt::RightButton);
        EXPECT_EQ(im->BorderStyle(), 0);
    }
}

// Hover colours, step by step with the real mouse.
struct Passo {
    enum Dove { Periodo7, Riga, Esci, Torna, Superficie, Miniatura } dove;
    forma::Colore esci, torna, periodo0, periodo7;
};

struct CasoHover {
    const char* nome;
    std::vector<Passo> passi;
};

class ColoriAlPassaggio : public Cronologia, public ::testing::WithParamInterface<CasoHover> {};

TEST_P(ColoriAlPassaggio, ConIlMouseVero) {
    mostra();
    Cronologiavel& c = apri();
    // The headless screen stacks no windows: the moves go to the chronology's
    // own window, as they would where it covers the main window. A first move
    // over the period caption, which recolours nothing, so that every step is
    // a move (the same point twice in a row counts as none).
    QTest::mouseMove(c.windowHandle(), centro(c.Label4));
    for (const Passo& p : GetParam().passi) {
        QPoint punto;
        switch (p.dove) {
            case Passo::Periodo7: punto = centro(*c.Label3[7]); break;
            case Passo::Riga: punto = centro(*c.Label1[3]); break;
            case Passo::Esci: punto = centro(c.Labesci); break;
            case Passo::Torna: punto = centro(c.Labtorna); break;
            case Passo::Superficie: punto = QPoint(c.Labesci.geometry().center().x(), c.Labesci.geometry().top() - 2); break;
            case Passo::Miniatura: punto = c.Image1[1]->geometry().topLeft() + QPoint(2, 2); break;
        }
        QTest::mouseMove(c.windowHandle(), punto);
        EXPECT_EQ(c.Labesci.BackColor(), p.esci) << p.dove;
        EXPECT_EQ(c.Labtorna.BackColor(), p.torna) << p.dove;
        EXPECT_EQ(c.Label3[0]->BackColor(), p.periodo0) << p.dove;
        EXPECT_EQ(c.Label3[7]->BackColor(), p.periodo7) << p.dove;
    }
    // Moving never changes the page.
    EXPECT_EQ(c.inizioPagina, 0);
    EXPECT_EQ(c.Label4.Caption(), QStringLiteral("5000-2061"));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ColoriAlPassaggio,
    ::testing::Values(
        CasoHover{"Periodo7PoiRiga",
                  {{Passo::Periodo7, rosa, grigio, rosa, magenta}, {Passo::Riga, grigio, grigio, rosa, rosa}}},
        CasoHover{"RigaRiportaIlPrimoPeriodoARiposo", {{Passo::Riga, grigio, grigio, rosa, rosa}}},
        CasoHover{"EsciPoiSuperficieRestaRosso",
                  {{Passo::Esci, rosso, grigio, magenta, rosa}, {Passo::Superficie, rosso, grigio, magenta, rosa},
                   {Passo::Miniatura, rosso, grigio, magenta, rosa}}},
        CasoHover{"EsciPoiTorna", {{Passo::Esci, rosso, grigio, magenta, rosa}, {Passo::Torna, grigio, rosso, magenta, rosa}}},
        CasoHover{"TornaPoiPeriodo",
                  {{Passo::Torna, grigio, rosso, magenta, rosa}, {Passo::Periodo7, grigio, grigio, rosa, magenta}}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Cronologia, EsciFermaLaMusicaEFinisce) {
    mostra();
    Cronologiavel& c = apri();
    // The presses of the music window's Stop and the end of the process, in
    // the order they come; Stop still does its work.
    std::vector<std::string> eventi;
    FMMediaVel& m = forma::Finestra<FMMediaVel>();
    auto stopVero = m.Command2.Click;
    m.Command2.Click = [&eventi, stopVero] {
        eventi.push_back("stop");
        if (stopVero) stopVero();
    };
    forma::SostituisciEnd([this, &eventi] {
        eventi.push_back("fine");
        ++fine;
    });
    clic(c, c.Labesci);
    EXPECT_EQ(eventi, (std::vector<std::string>{"stop", "fine"}));
    EXPECT_EQ(fine, 1);
}

}  // namespace
