// The credits window: opened from the main window, Back and reopening, the
// structure of its three columns, its independence from the language, its
// two hand cursors, and Exit.
#include <gtest/gtest.h>

#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <set>

#include "credits/Collaborvel.h"
#include "music/FMMediaVel.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;

const QString separatore = QStringLiteral("\n\r\n\r");

class Collaboratori : public prova::FinestraPrincipale {
protected:
    // A real click on the main window's credits label.
    Collaborvel& apri(Tavolavel& t) {
        clic(t, t.LabCOLLABOR);
        EXPECT_TRUE(forma::Esiste<Collaborvel>());
        Collaborvel& c = forma::Finestra<Collaborvel>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&c));
        return c;
    }

    // The caption a column must hold: each entry once, LF CR LF CR before each.
    static QString atteso(const std::array<QString, 11>& voci, int ultima) {
        QString s;
        for (int i = 0; i <= ultima; ++i) s += separatore + voci[static_cast<std::size_t>(i)];
        return s;
    }

    static void ogniElencoUnaVolta(const Collaborvel& c, const char* quando) {
        EXPECT_EQ(c.Label5.Caption(), atteso(c.revisoriFra, 9)) << quando;
        EXPECT_EQ(c.Label6.Caption(), atteso(c.revisoriIng, 5)) << quando;
        EXPECT_EQ(c.Label7.Caption(), atteso(c.revisoriSpa, 9)) << quando;
        EXPECT_EQ(c.Label5.Caption().count(QStringLiteral("Pour la révision des textes FRANÇAIS:")), 1) << quando;
        EXPECT_EQ(c.Label6.Caption().count(QStringLiteral("For the revision of the ENGLISH texts")), 1) << quando;
        EXPECT_EQ(c.Label7.Caption().count(QStringLiteral("Para la revisión de los textos ESPAÑOLES")), 1) << quando;
    }

    // Presses of the music window's Stop and ends of the process, in order.
    void registraStopEFine() {
        FMMediaVel& m = forma::Finestra<FMMediaVel>();
        auto stopVero = m.Command2.Click;
        m.Command2.Click = [this, stopVero] {
            eventi.push_back("stop");
            if (stopVero) stopVero();
        };
        forma::SostituisciEnd([this] {
            eventi.push_back("fine");
            ++fine;
        });
    }

    std::vector<std::string> eventi;
};

TEST_F(Collaboratori, ApriIndietroApriMostraOgniElencoUnaVolta) {
    Tavolavel& t = mostra();
    EXPECT_FALSE(forma::Esiste<Collaborvel>()) << "start-up creates only the main and the music window";

    Collaborvel& prima = apri(t);
    EXPECT_TRUE(prima.isVisible());
    EXPECT_TRUE(prima.isFullScreen());
    EXPECT_EQ(prima.Top(), 0);
    EXPECT_EQ(prima.Left(), 0);
    EXPECT_TRUE(t.isVisible()) << "the main window stays open beneath";
    ogniElencoUnaVolta(prima, "first opening");

    QPointer<Collaborvel> vecchia(&prima);
    clic(prima, prima.Labtorna);
    // Back destroyed the window and made a new one at once, hidden, already filled.
    ASSERT_TRUE(forma::Esiste<Collaborvel>());
    Collaborvel* nuova = &forma::Finestra<Collaborvel>();
    EXPECT_NE(nuova, vecchia.data());
    EXPECT_FALSE(nuova->isVisible());
    EXPECT_TRUE(t.isVisible());
    ogniElencoUnaVolta(*nuova, "after Back, before showing");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vecchia.isNull());

    for (const char* quando : {"second opening", "third opening"}) {
        Collaborvel& di_nuovo = apri(t);
        EXPECT_EQ(&di_nuovo, nuova) << quando << ": shown without a new start-up";
        EXPECT_TRUE(di_nuovo.isVisible()) << quando;
        ogniElencoUnaVolta(di_nuovo, quando);
        clic(di_nuovo, di_nuovo.Labtorna);
        nuova = &forma::Finestra<Collaborvel>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Collaboratori, UnSecondoClicSullEtichettaNonRiempieDiNuovo) {
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    t.Show();  // the main window brought back without Back
    EXPECT_EQ(&apri(t), &c);
    ogniElencoUnaVolta(c, "opened twice without Back");
}

// The three columns, one row each.
struct CasoColonna {
    const char* nome;
    collaboratori::ColonnaTesto Collaborvel::*colonna;
    std::array<QString, 11> Collaborvel::*voci;
    int ultima;
    const char* intestazione;
    std::vector<int> righeRevisori;
    std::vector<int> vuote;   // the empty text
    std::vector<int> bianche; // a single blank
    QStringList titoli;
    QString eraAC;
    QStringList ereAltrui;
};

void PrintTo(const CasoColonna& k, std::ostream* os) { *os << k.nome; }

class StrutturaColonne : public Collaboratori, public ::testing::WithParamInterface<CasoColonna> {};

TEST_P(StrutturaColonne, VociSeparatoriERigheDeiRevisori) {
    const CasoColonna& k = GetParam();
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    const QString testo = (c.*k.colonna).Caption();
    const std::array<QString, 11>& voci = c.*k.voci;

    // The separator stands before every entry, so the column opens with line
    // breaks above its heading.
    EXPECT_TRUE(testo.startsWith(separatore + QString::fromUtf8(k.intestazione)));
    const QStringList pezzi = testo.split(separatore);
    ASSERT_EQ(pezzi.size(), k.ultima + 2);
    EXPECT_EQ(pezzi[0], QString());
    for (int i = 0; i <= k.ultima; ++i) {
        EXPECT_EQ(pezzi[i + 1], voci[static_cast<std::size_t>(i)]) << i;
        EXPECT_FALSE(pezzi[i + 1].contains(QLatin1Char('\n')) || pezzi[i + 1].contains(QLatin1Char('\r'))) << i;
    }
    for (std::size_t i = static_cast<std::size_t>(k.ultima) + 1; i < voci.size(); ++i)
        EXPECT_TRUE(voci[i].isEmpty()) << "unused entry " << i;

    for (int i : k.vuote) EXPECT_EQ(voci[static_cast<std::size_t>(i)], QString()) << i;
    for (int i : k.bianche) EXPECT_EQ(voci[static_cast<std::size_t>(i)], QStringLiteral(" ")) << i;

    // A reviewer line: courtesy title, name in capitals, profession and place
    // after a comma, and last the span of years.
    const QRegularExpression riga(QStringLiteral("^(%1) (\\p{Lu}[\\p{Lu}'-]+ )+?(\\p{Lu}[\\p{Lu}'-]+), .+\\d+"
                                                 "( [A-Za-z.]+)?$")
                                      .arg(k.titoli.join(QLatin1Char('|'))));
    bool eraPresente = false;
    for (int i : k.righeRevisori) {
        const QString& r = voci[static_cast<std::size_t>(i)];
        EXPECT_TRUE(riga.match(r).hasMatch()) << i << ": " << r.toStdString();
        eraPresente = eraPresente || r.contains(k.eraAC);
        for (const QString& altrui : k.ereAltrui) EXPECT_FALSE(r.contains(altrui)) << i << ": " << r.toStdString();
    }
    EXPECT_TRUE(eraPresente) << "BC spans carry the column's own era mark";

    // Every entry not accounted for is a line of its own kind.
    std::set<int> tutte(k.righeRevisori.begin(), k.righeRevisori.end());
    tutte.insert(0);
    tutte.insert(k.vuote.begin(), k.vuote.end());
    tutte.insert(k.bianche.begin(), k.bianche.end());
    if (std::string(k.nome) == "Spagnola") tutte.insert(7);
    EXPECT_EQ(static_cast<int>(tutte.size()), k.ultima + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, StrutturaColonne,
    ::testing::Values(
        CasoColonna{"Francese", &Collaborvel::Label5, &Collaborvel::revisoriFra, 9,
                    "Pour la révision des textes FRANÇAIS:", {1, 2, 3, 4, 6, 7, 8, 9}, {5}, {},
                    {QStringLiteral("Madame"), QStringLiteral("Monsieur")}, QStringLiteral("av.JC."),
                    {QStringLiteral("B.C."), QStringLiteral("A.D."), QStringLiteral("a.C."), QStringLiteral("d.C.")}},
        CasoColonna{"Inglese", &Collaborvel::Label6, &Collaborvel::revisoriIng, 5,
                    "For the revision of the ENGLISH texts", {1, 2, 3, 4, 5}, {}, {},
                    {QStringLiteral("Miss"), QStringLiteral("Missis"), QStringLiteral("Mister")},
                    QStringLiteral("B.C."),
                    {QStringLiteral("av.JC."), QStringLiteral("ap.JC."), QStringLiteral("a.C."), QStringLiteral("d.C.")}},
        CasoColonna{"Spagnola", &Collaborvel::Label7, &Collaborvel::revisoriSpa, 9,
                    "Para la revisión de los textos ESPAÑOLES", {1, 2, 3, 4}, {8, 9}, {5, 6},
                    {QStringLiteral("Señora"), QStringLiteral("Señor"), QStringLiteral("Doctor")},
                    QStringLiteral("a.C."),
                    {QStringLiteral("av.JC."), QStringLiteral("ap.JC."), QStringLiteral("B.C."), QStringLiteral("A.D.")}}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Collaboratori, LaColonnaSpagnolaNominaDueVolteUnaPersonaERingraziaInFrancese) {
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    QStringList nomi;
    for (int i = 1; i <= 4; ++i) nomi << c.revisoriSpa[static_cast<std::size_t>(i)].section(QLatin1Char(','), 0, 0);
    EXPECT_EQ(QSet<QString>(nomi.begin(), nomi.end()).size(), 3) << nomi.join(QLatin1Char('|')).toStdString();
    // The thanks: a French sentence to two persons.
    const QString& grazie = c.revisoriSpa[7];
    EXPECT_EQ(grazie.count(QRegularExpression(QStringLiteral("\\b(Madame|Monsieur) \\p{Lu}"))), 2);
    EXPECT_TRUE(grazie.startsWith(QStringLiteral("Je remercie")));
    EXPECT_TRUE(grazie.endsWith(QLatin1Char('.')));
}

// What the reader sees: the rows of a column that hold text, as bands of
// consecutive pixel rows, and the gaps between them.
struct Fascia {
    int alto, basso;
};

std::vector<Fascia> fasceDiTesto(const QImage& img, QRgb sfondo) {
    std::vector<Fascia> fasce;
    bool dentro = false;
    for (int y = 0; y < img.height(); ++y) {
        bool testo = false;
        for (int x = 0; x < img.width() && !testo; ++x) testo = img.pixel(x, y) != sfondo;
        if (testo && !dentro) fasce.push_back({y, y});
        if (testo) fasce.back().basso = y;
        dentro = testo;
    }
    return fasce;
}

class ResaColonne : public Collaboratori, public ::testing::WithParamInterface<CasoColonna> {};

TEST_P(ResaColonne, RigheVuoteSopraLIntestazioneETraLeVociNienteTagliato) {
    const CasoColonna& k = GetParam();
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    collaboratori::ColonnaTesto& colonna = c.*k.colonna;
    const QImage img = colonna.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QFontMetrics fm(colonna.font());
    const int riga = fm.lineSpacing();

    const std::vector<Fascia> fasce = fasceDiTesto(img, forma::qcolore(colonna.BackColor()).rgb());
    ASSERT_FALSE(fasce.empty());
    // Two line breaks stand above the heading.
    EXPECT_GE(fasce.front().alto, 2 * riga - 2);
    // A gap of a whole line or more lies between two entries and only there;
    // the lines of one wrapped entry lie closer.
    const std::vector<QString> visibili = [&] {
        std::vector<QString> v;
        for (int i = 0; i <= k.ultima; ++i)
            if (!(c.*k.voci)[static_cast<std::size_t>(i)].trimmed().isEmpty())
                v.push_back((c.*k.voci)[static_cast<std::size_t>(i)]);
        return v;
    }();
    int lacune = 0;
    for (std::size_t i = 1; i < fasce.size(); ++i)
        if (fasce[i].alto - fasce[i - 1].basso > riga) ++lacune;
    EXPECT_EQ(lacune, static_cast<int>(visibili.size()) - 1);
    // No CR is drawn as a blank in front of an entry: the heading starts at
    // the left edge as a line without separators would.
    QImage soloIntestazione(img.size(), QImage::Format_RGB32);
    {
        collaboratori::ColonnaTesto prova(nullptr);
        prova.Move(0, 0, colonna.Width(), colonna.Height());
        prova.setBackColor(colonna.BackColor());
        prova.setForeColor(colonna.ForeColor());
        prova.setCaption(QString::fromUtf8(k.intestazione));
        soloIntestazione = prova.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The first pixel column with text, within the rows of the first band.
    auto primaColonnaDiTesto = [](const QImage& im, QRgb sfondo, Fascia f) {
        for (int x = 0; x < im.width(); ++x)
            for (int y = f.alto; y <= f.basso; ++y)
                if (im.pixel(x, y) != sfondo) return x;
        return -1;
    };
    const QRgb sfondo = forma::qcolore(colonna.BackColor()).rgb();
    const std::vector<Fascia> fasceIntestazione = fasceDiTesto(soloIntestazione, sfondo);
    ASSERT_FALSE(fasceIntestazione.empty());
    EXPECT_EQ(primaColonnaDiTesto(img, sfondo, fasce.front()),
              primaColonnaDiTesto(soloIntestazione, sfondo, fasceIntestazione.front()));
    // Nothing of the text is lost at the lower edge.
    QString mostrato = collaboratori::ColonnaTesto::TestoMostrato(colonna.Caption());
    while (!mostrato.isEmpty() && mostrato.back().isSpace()) mostrato.chop(1);
    const QRect ingombro = fm.boundingRect(QRect(0, 0, colonna.width(), 100000),
                                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, mostrato);
    EXPECT_LE(ingombro.height(), colonna.height()) << "text cut off at the lower edge";
}

INSTANTIATE_TEST_SUITE_P(Tabella, ResaColonne, ::testing::ValuesIn([] {
                             return std::vector<CasoColonna>{
                                 {"Francese", &Collaborvel::Label5, &Collaborvel::revisoriFra, 9,
                                  "Pour la révision des textes FRANÇAIS:", {}, {}, {}, {}, {}, {}},
                                 {"Inglese", &Collaborvel::Label6, &Collaborvel::revisoriIng, 5,
                                  "For the revision of the ENGLISH texts", {}, {}, {}, {}, {}, {}},
                                 {"Spagnola", &Collaborvel::Label7, &Collaborvel::revisoriSpa, 9,
                                  "Para la revisión de los textos ESPAÑOLES", {}, {}, {}, {}, {}, {}}};
                         }()),
                         [](const auto& i) { return std::string(i.param.nome); });

// Every caption, whatever the language of the main window.
std::vector<QString> didascalie(const Collaborvel& c) {
    return {c.Caption(),         c.Label3.Caption(),  c.Label4.Caption(), c.Label5.Caption(),
            c.Label6.Caption(),  c.Label7.Caption(),  c.Labesci.Caption(), c.Labtorna.Caption(),
            c.Label8.Caption(),  c.Label9.Caption(),  c.Label10.Caption()};
}

class IndipendentiDallaLingua : public Collaboratori, public ::testing::WithParamInterface<const char*> {};

TEST_P(IndipendentiDallaLingua, LeDidascalieSonoQuelleInglesi) {
    Tavolavel& t = mostra();
    std::vector<QString> riferimento;
    {
        Collaborvel inglese;  // a stand-alone copy built with the start-up language
        inglese.Form_Load();
        riferimento = didascalie(inglese);
    }
    EXPECT_EQ(riferimento[0], QStringLiteral("Collaborazioni"));
    EXPECT_EQ(riferimento[2], QStringLiteral("I Thank...      Ringrazio...     Je remercie...     Agradezco..."));
    EXPECT_EQ(riferimento[6], QStringLiteral("Exit  Uscita  Sortie   Salida"));
    EXPECT_EQ(riferimento[7], QStringLiteral("Back  Ritorna  Retourner  Volver"));

    lingua = GetParam();
    Collaborvel& c = apri(t);
    EXPECT_EQ(didascalie(c), riferimento);
    clic(c, c.Labtorna);  // the window made again by Back, under this language
    EXPECT_EQ(didascalie(forma::Finestra<Collaborvel>()), riferimento);
}

INSTANTIATE_TEST_SUITE_P(Tabella, IndipendentiDallaLingua,
                         ::testing::Values("italiano", "francese", "spagnolo", "inglese", "tedesco"),
                         [](const auto& i) { return std::string(i.param); });

TEST_F(Collaboratori, LeBandiereNonToccanoLaFinestraAperta) {
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    const std::vector<QString> prima = didascalie(c);
    for (forma::Label* bandiera : {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING}) {
        clic(t, *bandiera);
        EXPECT_EQ(didascalie(c), prima);
    }
}

// Exit: Stop of the music window, then the end of the process.
struct CasoEsci {
    const char* nome;
    int ritorni;  // Back and reopening before Exit
};

void PrintTo(const CasoEsci& k, std::ostream* os) { *os << k.nome; }

class Esci : public Collaboratori, public ::testing::WithParamInterface<CasoEsci> {};

TEST_P(Esci, PremeStopPoiTermina) {
    Tavolavel& t = mostra();
    registraStopEFine();
    for (int i = 0; i < GetParam().ritorni; ++i) {
        Collaborvel& c = apri(t);
        clic(c, c.Labtorna);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(eventi.empty());
    Collaborvel& c = apri(t);
    clic(c, c.Labesci);
    EXPECT_EQ(eventi, (std::vector<std::string>{"stop", "fine"}));
    EXPECT_EQ(fine, 1);
}

INSTANTIATE_TEST_SUITE_P(Tabella, Esci, ::testing::Values(CasoEsci{"SubitoDopoLApertura", 0}, CasoEsci{"DopoDueRitorni", 2}),
                         [](const auto& i) { return std::string(i.param.nome); });

// The hand cursors: Back points left, Exit points right, each with its hot
// spot at the finger tip, in a 32 x 32 picture of few colours.
TEST_F(Collaboratori, LeManiPuntanoVersoIlLoroLato) {
    Tavolavel& t = mostra();
    Collaborvel& c = apri(t);
    struct Caso {
        const char* nome;
        const forma::Label* etichetta;
        bool versoDestra;
    };
    for (const Caso& k : {Caso{"Back", &c.Labtorna, false}, Caso{"Exit", &c.Labesci, true}}) {
        const QCursor cursore = k.etichetta->cursor();
        ASSERT_EQ(cursore.shape(), Qt::BitmapCursor) << k.nome;
        const QImage img = cursore.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(img.size(), QSize(32, 32)) << k.nome;
        QSet<QRgb> colori;
        int estremo = k.versoDestra ? -1 : 32, yEstremo = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                colori.insert(p);
                if (qAlpha(p) == 0) continue;
                if (k.versoDestra ? x > estremo : x < estremo) {
                    estremo = x;
                    yEstremo = y;
                }
            }
        EXPECT_LE(colori.size(), 16) << k.nome;
        // The finger tip is the point of the hand farthest on its side, and
        // there lies the hot spot.
        EXPECT_NEAR(cursore.hotSpot().x(), estremo, 1) << k.nome;
        EXPECT_NEAR(cursore.hotSpot().y(), yEstremo, 3) << k.nome;
        EXPECT_EQ(k.versoDestra, estremo > 16) << k.nome;
    }
}

}  // namespace
