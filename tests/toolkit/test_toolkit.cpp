// The form layer: units, colours, sizes that follow content, paths as the
// windows write them, picture failures, button presses, windows created on
// first use, and mouse events that stay with the control under the pointer.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "tests/support/CartellaDiLavoro.h"
#include "toolkit/Casuale.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Percorsi.h"
#include "toolkit/Registro.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"

namespace {

struct CasoTwips {
    const char* nome;
    float twips;
    int pixel;
};

class Twips : public ::testing::TestWithParam<CasoTwips> {};

TEST_P(Twips, DiventanoPixelA15PerPixel) { EXPECT_EQ(forma::pixel(GetParam().twips), GetParam().pixel); }

INSTANTIATE_TEST_SUITE_P(Tabella, Twips,
                         ::testing::Values(CasoTwips{"zero", 0, 0}, CasoTwips{"unPixel", 15, 1},
                                           CasoTwips{"menoDiMezzo", 7, 0}, CasoTwips{"piuDiMezzo", 8, 1},
                                           CasoTwips{"larghezzaProgettata", 11910, 794},
                                           CasoTwips{"frazione", 3720.0f - 3720.0f / 1.3f, 57},
                                           CasoTwips{"negativo", -15, -1}),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(Colori, SonoInOrdineBluVerdeRosso) {
    EXPECT_EQ(forma::qcolore(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(forma::qcolore(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(forma::qcolore(0xFFC0FF), QColor(255, 192, 255));
    EXPECT_EQ(forma::dalQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(EtichettaAutoSize, SeguendoLaDidascaliaInPixelInteri) {
    forma::Form f;
    forma::Label l(&f);
    l.Move(100, 100, 3000, 600);
    l.setFontName(QStringLiteral("Arial"));
    l.setFontSize(7);
    l.setAutoSize(true);
    l.setCaption(QStringLiteral("Mediterranean S."));
    const float larga = l.Width();
    EXPECT_GT(larga, 0);
    EXPECT_EQ(static_cast<int>(larga) % 15, 0);
    l.setCaption(QStringLiteral("Mediterranean Sea and more"));
    EXPECT_GT(l.Width(), larga);
    // An empty caption shrinks the label but keeps the height of a line.
    l.setCaption(QString());
    EXPECT_LT(l.Width(), larga);
    EXPECT_GT(l.Height(), 0);
    EXPECT_EQ(l.Top(), 100);
    EXPECT_EQ(l.Left(), 100);
}

TEST(EtichettaAutoSize, SenzaAutoSizeLaMisuraResta) {
    forma::Form f;
    forma::Label l(&f);
    l.Move(0, 0, 3495, 615);
    l.setCaption(QStringLiteral("A rather long caption that wraps inside the designed box of the label"));
    EXPECT_EQ(l.Width(), 3495);
    EXPECT_EQ(l.Height(), 615);
}

TEST(Percorsi, BarreRovesciateENomiSenzaRiguardoAlleMaiuscole) {
    prova::CartellaDiLavoro cartella;
    cartella.figura(QStringLiteral("atlante/Mo1000DC.gif"));
    EXPECT_EQ(forma::PercorsoLocale(QStringLiteral("atlante\\Mo1000DC.gif")), QStringLiteral("atlante/Mo1000DC.gif"));
    EXPECT_EQ(forma::PercorsoLocale(QStringLiteral("ATLANTE\\mo1000dc.GIF")), QStringLiteral("atlante/Mo1000DC.gif"));
    EXPECT_EQ(forma::PercorsoLocale(QStringLiteral("atlante\\manca.gif")), QStringLiteral("atlante/manca.gif"));
    EXPECT_EQ(forma::PercorsoLocale(QString()), QString());
}

TEST(Figure, FileMancanteOGuastoDaFiguraVuotaEUnaRigaSuStderr) {
    prova::CartellaDiLavoro cartella;
    cartella.file(QStringLiteral("atlante/guasta.gif"), QByteArray("GIF89a not really a picture"));
    for (const char* nome : {"atlante\\manca.gif", "atlante\\guasta.gif"}) {
        ::testing::internal::CaptureStderr();
        forma::Picture p = forma::LoadPicture(QString::fromLatin1(nome));
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(p->immagine.isNull()) << nome;
        EXPECT_EQ(p->origine, QString::fromLatin1(nome));
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(QString::fromLatin1(nome).replace('\\', '/').toStdString()), std::string::npos) << err;
    }
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(forma::LoadPicture(QString())->immagine.isNull());
    EXPECT_TRUE(::testing::internal::GetCapturedStderr().empty());
}

// A bad file loaded again and again (a map shown many times) is reported
// once, on one line that names it and says what is wrong with it; the image
// readers' own warnings do not come on top (stderr holds that line alone).
struct FileGuasto {
    const char* nome;
    void (*prepara)(const prova::CartellaDiLavoro&);  // writes atlante/x.gif
    const char* causa;                                // in the line on stderr
    bool vuota;                                       // the picture comes out empty
};

std::ostream& operator<<(std::ostream& os, const FileGuasto& f) { return os << f.nome; }

class FiguraGuasta : public ::testing::TestWithParam<FileGuasto> {};

TEST_P(FiguraGuasta, SiSegnalaUnaVoltaSolaConLaSuaCausa) {
    const FileGuasto& caso = GetParam();
    prova::CartellaDiLavoro cartella;
    caso.prepara(cartella);
    if (std::string(caso.nome) == "illeggibile" && ::geteuid() == 0)
        GTEST_SKIP() << "run as root, every file can be read";

    rusage prima{};
    ::getrusage(RUSAGE_SELF, &prima);
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 25; ++i) {
        forma::Picture p = forma::LoadPicture(QStringLiteral("atlante\\x.gif"));
        EXPECT_EQ(p->immagine.isNull(), caso.vuota) << "load " << i;
        EXPECT_LE(p->immagine.width(), 4096);
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("atlante/x.gif"), std::string::npos) << err;
    EXPECT_NE(err.find(caso.causa), std::string::npos) << err;
    EXPECT_EQ(err.find("File not found"), std::string::npos) << err;
    // Read within a bound: the process grew by far less than the 64 MB of
    // the largest fixture (ru_maxrss is in kilobytes).
    rusage dopo{};
    ::getrusage(RUSAGE_SELF, &dopo);
    EXPECT_LT(dopo.ru_maxrss - prima.ru_maxrss, 24 * 1024);
}

// A JPEG cut off halfway through its pixel data: it decodes, the lower part
// grey, and the JPEG reader complains.
QByteArray jpegTroncato() {
    QImage img(240, 160, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(x, (x * y) & 0xFF, y));
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPEG");
    return dati.left(dati.size() * 2 / 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cause, FiguraGuasta,
    ::testing::Values(
        FileGuasto{"mancante", [](const prova::CartellaDiLavoro&) {}, "missing", true},
        FileGuasto{"nonFigura",
                   [](const prova::CartellaDiLavoro& c) { c.file(QStringLiteral("atlante/x.gif"), "plain text"); },
                   "not a picture", true},
        FileGuasto{"gifGuasta",
                   [](const prova::CartellaDiLavoro& c) { c.file(QStringLiteral("atlante/x.gif"), "GIF89a broken"); },
                   "corrupt", true},
        FileGuasto{"troppoGrande",
                   [](const prova::CartellaDiLavoro& c) { c.gifCheDichiara(QStringLiteral("atlante/x.gif"), 5600, 5600); },
                   "too large (5600 x 5600", true},
        FileGuasto{"troppoAlta",
                   [](const prova::CartellaDiLavoro& c) { c.gifCheDichiara(QStringLiteral("atlante/x.gif"), 20, 4097); },
                   "too large (20 x 4097", true},
        FileGuasto{"cartella",
                   [](const prova::CartellaDiLavoro& c) { QDir(c.percorso()).mkpath(QStringLiteral("atlante/x.gif")); },
                   "folder", true},
        FileGuasto{"illeggibile",
                   [](const prova::CartellaDiLavoro& c) {
                       c.figura(QStringLiteral("atlante/x.gif"));
                       QFile::setPermissions(c.percorso() + QStringLiteral("/atlante/x.gif"), QFileDevice::WriteOwner);
                   },
                   "cannot be read", true},
        // A file that exists and that not even root can open: a socket.
        FileGuasto{"nonApribile",
                   [](const prova::CartellaDiLavoro& c) {
                       const QByteArray nome = QFile::encodeName(c.percorso() + QStringLiteral("/atlante/x.gif"));
                       sockaddr_un indirizzo{};
                       indirizzo.sun_family = AF_UNIX;
                       ASSERT_LT(nome.size(), static_cast<qsizetype>(sizeof indirizzo.sun_path));
                       std::memcpy(indirizzo.sun_path, nome.constData(), static_cast<std::size_t>(nome.size()));
                       const int presa = ::socket(AF_UNIX, SOCK_STREAM, 0);
                       ASSERT_GE(presa, 0);
                       EXPECT_EQ(::bind(presa, reinterpret_cast<const sockaddr*>(&indirizzo), sizeof indirizzo), 0);
                       ::close(presa);
                   },
                   "cannot be read", true},
        // Never opened: a FIFO (opening it would wait for a writer for
        // good) and a link to a device that never ends.
        FileGuasto{"fifo",
                   [](const prova::CartellaDiLavoro& c) {
                       ASSERT_EQ(::mkfifo(QFile::encodeName(c.percorso() + QStringLiteral("/atlante/x.gif")).constData(), 0644), 0);
                   },
                   "a FIFO", true},
        FileGuasto{"linkADevZero",
                   [](const prova::CartellaDiLavoro& c) {
                       ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), c.percorso() + QStringLiteral("/atlante/x.gif")));
                   },
                   "a character device", true},
        // A valid GIF header and 64 MB of nothing after it: never read.
        FileGuasto{"sparsa64MB",
                   [](const prova::CartellaDiLavoro& c) {
                       c.gifCheDichiara(QStringLiteral("atlante/x.gif"), 20, 13);
                       ASSERT_TRUE(QFile::resize(c.percorso() + QStringLiteral("/atlante/x.gif"), qint64(64) << 20));
                   },
                   "too large a file (67108864 bytes, at most 16 MB)", true},
        // A plain GIF cut before its last pixel: shown as far as it goes.
        FileGuasto{"gifTroncata",
                   [](const prova::CartellaDiLavoro& c) {
                       QFile f(QStringLiteral(CARTAVIVA_DATI "/atlante/5000bac.gif"));
                       ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                       const QByteArray d = f.readAll();
                       c.file(QStringLiteral("atlante/x.gif"), d.left(d.size() * 2 / 3));
                   },
                   "damaged (its picture data end before the last pixel)", false},
        FileGuasto{"jpegTroncato",
                   [](const prova::CartellaDiLavoro& c) { c.file(QStringLiteral("atlante/x.gif"), jpegTroncato()); },
                   "damaged", false}),
    [](const auto& i) { return std::string(i.param.nome); });

// The bound is on a side: the largest picture allowed still loads.
TEST(Figure, UnaFiguraAlLimiteSiCarica) {
    prova::CartellaDiLavoro cartella;
    cartella.figura(QStringLiteral("atlante/lunga.gif"), 4096, 2);
    ::testing::internal::CaptureStderr();
    forma::Picture p = forma::LoadPicture(QStringLiteral("atlante\\lunga.gif"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(p->immagine.size(), QSize(4096, 2));
}

TEST(Figure, IlControlloPrendeLaMisuraDellaFiguraSalvoSeStirato) {
    prova::CartellaDiLavoro cartella;
    cartella.figura(QStringLiteral("atlante/a.gif"), 8, 6);
    forma::Form f;
    forma::Image img(&f);
    img.Move(3720, 240, 7815, 5055);
    forma::Picture p = forma::LoadPicture(QStringLiteral("atlante\\a.gif"));
    img.setPicture(p);
    EXPECT_EQ(img.Width(), 120);
    EXPECT_EQ(img.Height(), 90);
    // Handed to another control: the same object, no second read.
    forma::Image altra(&f);
    altra.Move(0, 0, 1335, 525);
    altra.setStretch(true);
    altra.setPicture(img.Picture());
    EXPECT_EQ(altra.Picture().get(), p.get());
    EXPECT_EQ(altra.Width(), 1335);
}

TEST(CasellaDiTesto, TieneIlTestoEsattamenteComeImpostato) {
    forma::Form f;
    forma::TextBox t(&f);
    const QString testo = QStringLiteral("uno\r\ndue  \r\n tre ");
    t.setText(testo);
    EXPECT_EQ(t.Text(), testo);
}

TEST(Pulsante, LaPressioneEsegueIlClicSubitoAncheSuFinestraMaiMostrata) {
    forma::Form f;
    forma::CommandButton b(&f);
    int clic = 0;
    b.Click = [&] { ++clic; };
    b.setValue(true);
    EXPECT_EQ(clic, 1);
    EXPECT_FALSE(f.isVisible());
    b.setValue(false);
    EXPECT_EQ(clic, 1);
}

struct FinestraContata : forma::Form {
    static inline int avvii = 0;
    forma::CommandButton Command1{this};
    void Form_Load() override { ++avvii; }
};

TEST(Registro, CreataAlPrimoUsoERicreataDopoLaDistruzione) {
    FinestraContata::avvii = 0;
    EXPECT_FALSE(forma::Esiste<FinestraContata>());
    forma::Finestra<FinestraContata>().Command1.setValue(true);
    EXPECT_TRUE(forma::Esiste<FinestraContata>());
    EXPECT_EQ(FinestraContata::avvii, 1);
    forma::Finestra<FinestraContata>();
    EXPECT_EQ(FinestraContata::avvii, 1);
    forma::Distruggi<FinestraContata>();
    EXPECT_FALSE(forma::Esiste<FinestraContata>());
    forma::Finestra<FinestraContata>();
    EXPECT_EQ(FinestraContata::avvii, 2);
    forma::Distruggi<FinestraContata>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct FinestraConMouse : forma::Form {
    int mossePropria = 0;
    forma::Label etichetta{this};
    forma::Label senzaGestore{this};
    forma::Shape forma_{this};
    void Form_MouseMove(int, int, float, float) override { ++mossePropria; }
};

TEST(Mouse, GliEventiRestanoAlControlloSottoIlPuntatore) {
    FinestraConMouse f;
    f.resize(400, 300);
    f.etichetta.Move(0, 0, 1500, 1500);      // 100 x 100 px at 0,0
    f.senzaGestore.Move(1500, 0, 1500, 1500);  // at 100,0
    f.forma_.Move(3000, 0, 1500, 1500);         // at 200,0
    f.forma_.setFillColor(0x00FF00);
    std::vector<std::pair<float, float>> mosse;
    f.etichetta.MouseMove = [&](int, int, float x, float y) { mosse.emplace_back(x, y); };
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    QTest::mouseMove(&f, QPoint(10, 20));
    ASSERT_FALSE(mosse.empty());
    EXPECT_EQ(mosse.back(), std::make_pair(150.0f, 300.0f));  // twips within the label
    EXPECT_EQ(f.mossePropria, 0);

    QTest::mouseMove(&f, QPoint(150, 20));  // a label without a handler still takes it
    EXPECT_EQ(f.mossePropria, 0);

    QTest::mouseMove(&f, QPoint(250, 20));  // shapes let the form have it
    EXPECT_EQ(f.mossePropria, 1);

    QTest::mouseMove(&f, QPoint(350, 250));  // the bare form
    EXPECT_EQ(f.mossePropria, 2);
}

TEST(Casuale, IlBranoRestaTra1E15) {
    forma::Randomize(12345);
    for (int i = 0; i < 20000; ++i) {
        const double r = forma::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        const int b = forma::BranoCasuale();
        ASSERT_GE(b, 1);
        ASSERT_LE(b, 15);
    }
}

}  // namespace

#include <QFile>
#include <QPrinterInfo>

#include "tests/support/SenzaStampante.h"
#include "toolkit/Stampante.h"

namespace {

TEST(Stampa, SuFilePdfScriveUnPdfConLImmagine) {
    prova::CartellaDiLavoro cartella;
    const QString pdf = cartella.percorso() + QStringLiteral("/stampa.pdf");
    forma::StampaSuFile(pdf);
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::red);
    QString errore;
    const bool esito = forma::StampaImmagine(img, &errore);
    forma::StampaSuFile(QString());
    ASSERT_TRUE(esito) << errore.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    EXPECT_TRUE(dati.startsWith("%PDF"));
    EXPECT_TRUE(dati.contains("/Image"));
}

// The job's name is the printed document's title: "CARTAVIVA", or the name a
// check gives its own jobs on a shared queue.
TEST(Stampa, IlNomeDelLavoroEIlTitoloDelDocumento) {
    prova::CartellaDiLavoro cartella;
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    auto titolo = [](const QString& nome) {
        QByteArray b("(\xFE\xFF", 3);
        for (const QChar c : nome) {
            b.append(static_cast<char>(c.unicode() >> 8));
            b.append(static_cast<char>(c.unicode() & 0xFF));
        }
        return b + ')';
    };
    for (const QString& nome : {QString(), QStringLiteral("CARTAVIVA-prova-42")}) {
        const QString pdf = cartella.percorso() + QStringLiteral("/lavoro.pdf");
        forma::StampaSuFile(pdf);
        forma::NomeLavoroDiStampa(nome);
        const bool esito = forma::StampaImmagine(img);
        forma::NomeLavoroDiStampa(QString());
        forma::StampaSuFile(QString());
        ASSERT_TRUE(esito);
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray dati = f.readAll();
        EXPECT_TRUE(dati.contains("/Title " + titolo(nome.isEmpty() ? QStringLiteral("CARTAVIVA") : nome)))
            << nome.toStdString();
    }
}

TEST(Stampa, SenzaStampantePredefinitaELUnFallimento) {
    prova::SenzaStampantePredefinita senza;
    if (!senza.senzaStampante()) GTEST_SKIP() << "a default printer is still seen";
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QString errore;
    EXPECT_FALSE(forma::StampaImmagine(img, &errore));
    EXPECT_FALSE(errore.isEmpty());
}

}  // namespace
