// The catalogue, the two dispatchers, Previous and Next with the timeline
// bars, the timelines and the language flags, driven through the real window.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

#include "main_window/FasceTempo.h"
#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

// --- The catalogue as data ---------------------------------------------------

TEST(Catalogo, CentosessantottoVociBenFormate) {
    const QRegularExpression nome(QStringLiteral(R"(^atlante\\[a-z0-9]+\.(gif|jpg)$)"));
    std::vector<void (Tavolavel::*)()> routine;
    std::set<const contenuti::ContenutoCarta*> dati;
    int annoPrecedenteDC = 0;
    for (int i = 0; i < 168; ++i) {
        const SchedaCarta& s = CatalogoCarte[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(s.numero, i + 1);
        EXPECT_EQ(s.era, i < 81 ? EraCarta::aC : EraCarta::dC);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+$")).match(QString::fromLatin1(s.anno)).hasMatch());
        EXPECT_TRUE(nome.match(QString::fromLatin1(s.fileCarta)).hasMatch()) << s.fileCarta;
        if (s.fileInserto[0]) {
            EXPECT_TRUE(nome.match(QString::fromLatin1(s.fileInserto)).hasMatch()) << s.fileInserto;
        } else {
            EXPECT_FALSE(s.dopoContenuto);
        }
        if (i >= 81) {
            EXPECT_GE(std::atoi(s.anno), annoPrecedenteDC);
            annoPrecedenteDC = std::atoi(s.anno);
            if (s.fileInserto[0]) {
                EXPECT_TRUE(s.dopoContenuto);
            }
        }
        EXPECT_EQ(std::find(routine.begin(), routine.end(), s.contenuto), routine.end());
        routine.push_back(s.contenuto);
        EXPECT_TRUE(dati.insert(s.dati).second);
    }
}

struct VoceAttesa {
    int numero;
    const char* anno;
    const char* carta;
    const char* inserto;
    bool dopo;
};

class VociIrregolari : public ::testing::TestWithParam<VoceAttesa> {};

TEST_P(VociIrregolari, ComeIlCatalogoLeScrive) {
    const VoceAttesa& v = GetParam();
    const SchedaCarta& s = *schedaDi(v.numero);
    EXPECT_STREQ(s.anno, v.anno);
    EXPECT_STREQ(s.fileCarta, v.carta);
    EXPECT_STREQ(s.fileInserto, v.inserto);
    EXPECT_EQ(s.dopoContenuto, v.dopo);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, VociIrregolari,
    ::testing::Values(VoceAttesa{1, "5000", "atlante\\5000bac.gif", "", false},
                      VoceAttesa{2, "3300", "atlante\\3300ac.gif", "atlante\\battaglia2.jpg", false},
                      VoceAttesa{5, "2350", "atlante\\2350ac.gif", "atlante\\mesop2230ac.gif", true},
                      VoceAttesa{48, "490", "atlante\\492ac.gif", "atlante\\grecia490ac.gif", true},
                      VoceAttesa{52, "461", "atlante\\479ac.gif", "atlante\\grecia461ac.gif", true},
                      VoceAttesa{53, "431", "atlante\\479ac.gif", "atlante\\grecia461ac.gif", true},
                      VoceAttesa{57, "382", "atlante\\396ac.gif", "atlante\\battaglia2.jpg", true},
                      VoceAttesa{66, "301", "atlante\\303ac.gif", "", false},
                      VoceAttesa{80, "51", "atlante\\44ac.gif", "", false},
                      VoceAttesa{81, "1", "atlante\\zero.gif", "atlante\\battaglia2.jpg", false},
                      VoceAttesa{82, "14", "atlante\\dc14.gif", "", false},
                      VoceAttesa{83, "87", "atlante\\dc87.gif", "", false},
                      VoceAttesa{84, "117", "atlante\\117dc.gif", "", false},
                      VoceAttesa{85, "220", "atlante\\mo250dc.gif", "", false},
                      VoceAttesa{126, "1420", "atlante\\eu1430dc.gif", "", false},
                      VoceAttesa{154, "1882", "atlante\\eu1885dc.gif", "", false},
                      VoceAttesa{161, "1945", "atlante\\eu1945dc.gif", "atlante\\germania1946.gif", true},
                      VoceAttesa{163, "1967", "atlante\\israele4.gif", "atlante\\israele2.gif", true},
                      VoceAttesa{168, "2000", "atlante\\mo2000dc.gif", "", false}),
    [](const auto& i) { return "carta" + std::to_string(i.param.numero); });

TEST(Catalogo, QuarantunoInsertiPrimaDiCristoDieciCaricatiPrima) {
    int conInserto = 0, prima = 0, battaglia = 0;
    for (int n = 1; n <= 81; ++n) {
        const SchedaCarta& s = *schedaDi(n);
        if (!s.fileInserto[0]) continue;
        ++conInserto;
        if (!s.dopoContenuto) ++prima;
        if (std::string(s.fileInserto) == "atlante\\battaglia2.jpg") ++battaglia;
    }
    EXPECT_EQ(conInserto, 41);
    EXPECT_EQ(prima, 10);
    EXPECT_EQ(battaglia, 28);
    int dopoCristo = 0;
    for (int n = 82; n <= 168; ++n) dopoCristo += schedaDi(n)->fileInserto[0] ? 1 : 0;
    EXPECT_EQ(dopoCristo, 11);
}

// --- Timeline tables -----------------------------------------------------------

struct CasoFascia {
    const char* nome;
    bool dopoCristo;
    float valore;
    int carta;
};

class Fasce : public ::testing::TestWithParam<CasoFascia> {};

TEST_P(Fasce, IlValoreScegliLaCarta) {
    const CasoFascia& c = GetParam();
    EXPECT_EQ(cartaPer(c.dopoCristo ? FascedC : FasceaC, c.valore), std::optional<std::int16_t>(c.carta));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Fasce,
    ::testing::Values(CasoFascia{"ac3500", false, 3500, 1}, CasoFascia{"ac3400", false, 3400, 1},
                      CasoFascia{"ac3399", false, 3399, 2}, CasoFascia{"ac332", false, 332, 62},
                      CasoFascia{"ac331", false, 331, 63}, CasoFascia{"ac479", false, 479, 51},
                      CasoFascia{"ac470", false, 470, 51}, CasoFascia{"ac480", false, 480, 50},
                      CasoFascia{"ac481", false, 481, 49}, CasoFascia{"ac25", false, 25, 80},
                      CasoFascia{"ac24", false, 24, 81}, CasoFascia{"acMeno33", false, -33, 81},
                      CasoFascia{"dc0", true, 0, 82}, CasoFascia{"dc460", true, 460, 92},
                      CasoFascia{"dc461", true, 461, 93}, CasoFascia{"dcSoglia", true, SogliaFascedC, 93},
                      CasoFascia{"dcSogliaPiu1", true, SogliaFascedC + 1, 94}, CasoFascia{"dc498", true, 498, 94},
                      CasoFascia{"dc499", true, 499, 95}, CasoFascia{"dc510", true, 510, 95},
                      CasoFascia{"dc581", true, 581, 98}, CasoFascia{"dc650", true, 650, 98},
                      CasoFascia{"dc1991", true, 1991, 165}, CasoFascia{"dc1990", true, 1990, 164},
                      CasoFascia{"dc1992", true, 1992, 166}, CasoFascia{"dc2066", true, 2066, 167}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(Fasce, NessunBucoNeSovrapposizioni) {
    for (int v = -33; v <= 3500; ++v) {
        int trovate = 0;
        for (const FasciaTempo& f : FasceaC) trovate += f.comprende(static_cast<float>(v)) ? 1 : 0;
        EXPECT_EQ(trovate, 1) << "BC " << v;
    }
    for (int v = 0; v <= 2066; ++v) {
        int trovate = 0;
        for (const FasciaTempo& f : FascedC) trovate += f.comprende(static_cast<float>(v)) ? 1 : 0;
        EXPECT_EQ(trovate, 1) << "AD " << v;
    }
}

TEST(Fasce, LeCarte93E94SiRaggiungonoConIlPuntatore) {
    // A real pointer gives X in multiples of 15 twips: positions in steps of 5.
    std::set<int> raggiunte;
    for (int px = 0; px * 15 <= 6200; ++px) raggiunte.insert(*cartaPer(FascedC, std::floor(px * 15 / 3.0f)));
    EXPECT_TRUE(raggiunte.count(93));
    EXPECT_TRUE(raggiunte.count(94));
}

// --- The window ------------------------------------------------------------

class Navigazione : public prova::FinestraPrincipale {
public:
    // A press on a timeline at an exact X in twips, as the control raises it.
    static void premiAC(Tavolavel& t, float X, int pulsante = forma::vbLeftButton) { t.LabAc.MouseDown(pulsante, 0, X, 100); }
    static void premiDC(Tavolavel& t, float X, int pulsante = forma::vbLeftButton) { t.LabDc.MouseDown(pulsante, 0, X, 100); }
    // The X that gives a value on each timeline.
    static float xAC(int valore) { return static_cast<float>((3500 - valore) * 3); }
    static float xDC(int valore) { return static_cast<float>(valore * 3); }
    void avanti(Tavolavel& t, int volte = 1) {
        for (int i = 0; i < volte; ++i) clic(t, t.Labsuccessiva);
    }
    void indietro(Tavolavel& t, int volte = 1) {
        for (int i = 0; i < volte; ++i) clic(t, t.Labprecedente);
    }
    static QString inserto(const Tavolavel& t) { return t.Image2.Picture()->origine; }
};

TEST_F(Navigazione, AvantiETornoSuTutteLeCarte) {
    Tavolavel& t = mostra();
    for (int n = 2; n <= 168; ++n) {
        clic(t, t.Labsuccessiva);
        const SchedaCarta& s = *schedaDi(n);
        ASSERT_EQ(numcarta, n);
        EXPECT_EQ(t.labAnni.Caption(), QString::fromLatin1(s.anno));
        EXPECT_EQ(t.Image1.Picture()->origine, QString::fromLatin1(s.fileCarta));
        EXPECT_FALSE(t.Image1.Picture()->immagine.isNull());
        EXPECT_EQ(t.LabCristo.Caption(), n <= 81 ? QStringLiteral("B.C.") : QStringLiteral("A.D."));
        EXPECT_TRUE(t.Labprecedente.Enabled());
        EXPECT_EQ(t.Labsuccessiva.Enabled(), n < 168);
        const int anno = std::atoi(s.anno);
        if (n <= 81)
            EXPECT_EQ(t.ShapeAC.Width(), 10600 - 3 * anno) << n;
        else
            EXPECT_EQ(t.ShapeDC.Width(), 3 * anno) << n;
    }
    clic(t, t.Labsuccessiva);  // disabled: nothing
    EXPECT_EQ(numcarta, 168);
    for (int n = 167; n >= 1; --n) {
        clic(t, t.Labprecedente);
        ASSERT_EQ(numcarta, n);
        EXPECT_EQ(t.labAnni.Caption(), QString::fromLatin1(schedaDi(n)->anno));
        EXPECT_TRUE(t.Labsuccessiva.Enabled());
    }
    EXPECT_FALSE(t.Labprecedente.Enabled());
    EXPECT_EQ(t.ShapeAC.Width(), 1);
}

struct CasoBarra {
    int carta;
    bool dopoCristo;
    float larghezza;
};

class Barre : public Navigazione, public ::testing::WithParamInterface<CasoBarra> {};

TEST_P(Barre, DopoNextLaBarraSegueLAnno) {
    Tavolavel& t = mostra();
    avanti(t, GetParam().carta - 1);
    EXPECT_EQ(GetParam().dopoCristo ? t.ShapeDC.Width() : t.ShapeAC.Width(), GetParam().larghezza);
}

INSTANTIATE_TEST_SUITE_P(Tabella, Barre,
                         ::testing::Values(CasoBarra{2, false, 700}, CasoBarra{3, false, 1300},
                                           CasoBarra{80, false, 10600 - 153}, CasoBarra{81, false, 10597},
                                           CasoBarra{82, true, 42}, CasoBarra{83, true, 261},
                                           CasoBarra{85, true, 660}, CasoBarra{167, true, 5976},
                                           CasoBarra{168, true, 6000}),
                         [](const auto& i) { return "carta" + std::to_string(i.param.carta); });

TEST_F(Navigazione, AttraversoIlConfineTraLeEreLAltraBarraResta) {
    Tavolavel& t = mostra();
    avanti(t, 81);
    EXPECT_EQ(numcarta, 82);
    EXPECT_EQ(t.ShapeDC.Width(), 42);
    EXPECT_EQ(t.ShapeAC.Width(), 10597);
    indietro(t);
    EXPECT_EQ(numcarta, 81);
    EXPECT_EQ(t.ShapeAC.Width(), 10597);
    EXPECT_EQ(t.ShapeDC.Width(), 42);
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C."));
}

TEST_F(Navigazione, IlTastoPremutoIngrigisceLaDidascalia) {
    Tavolavel& t = mostra();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        premi(t, centro(t.Labsuccessiva), b);
        EXPECT_EQ(t.Labsuccessiva.ForeColor(), 0x808080u);
        rilascia(t, centro(t.Labsuccessiva), b);
        EXPECT_EQ(t.Labsuccessiva.ForeColor(), 0xFFC0C0u);
    }
    EXPECT_EQ(numcarta, 2);  // only the left button clicks
    // Previous is disabled at start-up: it neither greys nor navigates.
    indietro(t);
    indietro(t);
    EXPECT_EQ(numcarta, 1);
    premi(t, centro(t.Labprecedente));
    EXPECT_EQ(t.Labprecedente.ForeColor(), 0xFFC0C0u);
    rilascia(t, centro(t.Labprecedente));
}

TEST_F(Navigazione, PressioneAllInizioDellaLineaAC) {
    Tavolavel& t = mostra();
    avanti(t, 3);
    premiAC(t, 0);
    EXPECT_EQ(numcarta, 1);
    EXPECT_EQ(t.ShapeAC.Width(), 0);
    EXPECT_EQ(t.ShapeDC.Width(), 1);
    EXPECT_TRUE(t.Labprecedente.Enabled());
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C."));
    indietro(t);  // enabled on map 1, but it changes nothing
    EXPECT_EQ(numcarta, 1);
    EXPECT_EQ(t.ShapeAC.Width(), 0);
    EXPECT_TRUE(t.Labprecedente.Enabled());
}

TEST_F(Navigazione, PressioneAllaFineDellaLineaAC) {
    Tavolavel& t = mostra();
    premiAC(t, 10599);
    EXPECT_EQ(numcarta, 81);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("1"));
    EXPECT_EQ(t.ShapeAC.Width(), 10599);
}

TEST_F(Navigazione, LaLineaDCFinoA6200) {
    Tavolavel& t = mostra();
    premiDC(t, 6200);
    EXPECT_EQ(numcarta, 167);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("1992"));
    EXPECT_EQ(t.ShapeDC.Width(), 6200);
    EXPECT_EQ(t.ShapeAC.Width(), 10600);
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("A.D."));
    premiAC(t, xAC(2000));
    const int prima = numcarta;
    const float ac = t.ShapeAC.Width(), dc = t.ShapeDC.Width();
    premiDC(t, 6201);
    EXPECT_EQ(numcarta, prima);
    EXPECT_EQ(t.ShapeAC.Width(), ac);
    EXPECT_EQ(t.ShapeDC.Width(), dc);
}

TEST_F(Navigazione, UnaPressioneNonRiabilitaNext) {
    Tavolavel& t = mostra();
    avanti(t, 167);
    EXPECT_FALSE(t.Labsuccessiva.Enabled());
    premiDC(t, xDC(1000), forma::vbRightButton);
    EXPECT_EQ(numcarta, 107);
    EXPECT_FALSE(t.Labsuccessiva.Enabled());
    avanti(t);
    EXPECT_EQ(numcarta, 107);
    indietro(t);
    EXPECT_EQ(numcarta, 106);
    EXPECT_TRUE(t.Labsuccessiva.Enabled());
}

TEST_F(Navigazione, ClicVeriSulleLinee) {
    Tavolavel& t = mostra();
    // BC: pixel p within the timeline gives X = 15 p, value 3500 - 5 p.
    const QRect ac = t.LabAc.geometry();
    clic(t, QPoint(ac.left() + 34, ac.center().y()));  // value 3330: map 2
    EXPECT_EQ(numcarta, 2);
    EXPECT_EQ(t.ShapeAC.Width(), 34 * 15);
    clic(t, QPoint(ac.left() + 634, ac.center().y()), Qt::RightButton);  // value 330: map 63
    EXPECT_EQ(numcarta, 63);
    const QRect dc = t.LabDc.geometry();
    clic(t, QPoint(dc.left() + 94, dc.center().y()));  // value 470: map 93
    EXPECT_EQ(numcarta, 93);
    clic(t, QPoint(dc.left() + 97, dc.center().y()));  // value 485: map 94
    EXPECT_EQ(numcarta, 94);
    EXPECT_EQ(t.ShapeDC.Width(), 97 * 15);
    EXPECT_EQ(t.ShapeAC.Width(), 10600);
    clic(t, QPoint(dc.left() + 414, dc.center().y()));  // X 6210: ignored
    EXPECT_EQ(numcarta, 94);
}

TEST_F(Navigazione, IDispatcherFuoriDalleLoroCarte) {
    Tavolavel& t = mostra();
    avanti(t);
    for (int n : {0, 82, 169}) {
        numcarta = static_cast<std::int16_t>(n);
        t.LabCristo.setCaption(QStringLiteral("x"));
        t.CArte();
        EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C.")) << n;
        EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("3300")) << n;
        EXPECT_EQ(t.Image1.Picture()->origine, QStringLiteral("atlante\\3300ac.gif")) << n;
    }
    for (int n : {0, 81, 169}) {
        numcarta = static_cast<std::int16_t>(n);
        t.carte2();
        EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("A.D.")) << n;
        EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("3300")) << n;
    }
}

TEST_F(Navigazione, UnaLinguaEstraneaNonScriveLEra) {
    Tavolavel& t = mostra();
    avanti(t);
    lingua = "Italiano";
    avanti(t);
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C."));
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("3100"));
    EXPECT_EQ(t.Image2.Picture()->origine, QStringLiteral("atlante\\egitto3100ac.gif"));
}

// --- Insets by way of arrival ---------------------------------------------------

struct Percorso {
    const char* nome;
    std::function<void(Navigazione&, Tavolavel&)> strada;
    int carta;
    const char* inserto;
};

class Inserti : public Navigazione, public ::testing::WithParamInterface<Percorso> {};

TEST_P(Inserti, DipendonoDallaStrada) {
    Tavolavel& t = mostra();
    GetParam().strada(*this, t);
    EXPECT_EQ(numcarta, GetParam().carta);
    EXPECT_EQ(inserto(t), QString::fromLatin1(GetParam().inserto));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Inserti,
    ::testing::Values(
        Percorso{"Carta7Dopo6", [](Navigazione& n, Tavolavel& t) { n.avanti(t, 6); }, 7, "atlante\\battaglia2.jpg"},
        Percorso{"Carta7Dopo5",
                 [](Navigazione&, Tavolavel& t) {
                     Navigazione::premiAC(t, Navigazione::xAC(2500));  // map 5
                     Navigazione::premiAC(t, Navigazione::xAC(2100));  // map 7
                 },
                 7, "atlante\\mesop2230ac.gif"},
        Percorso{"Carta1Dopo3DallaLinea",
                 [](Navigazione& n, Tavolavel& t) {
                     n.avanti(t, 2);
                     Navigazione::premiAC(t, 0);
                 },
                 1, "atlante\\egitto3100ac.gif"},
        Percorso{"Carta1Dopo2ConPrevious",
                 [](Navigazione& n, Tavolavel& t) {
                     n.avanti(t, 1);
                     n.indietro(t, 1);
                 },
                 1, "atlante\\battaglia2.jpg"},
        Percorso{"Carta4", [](Navigazione& n, Tavolavel& t) { n.avanti(t, 3); }, 4, "atlante\\battaglia2.jpg"},
        Percorso{"Carta37", [](Navigazione&, Tavolavel& t) { Navigazione::premiAC(t, Navigazione::xAC(680)); }, 37, "atlante\\grecia600ac.gif"},
        Percorso{"Carta150DallAvvio", [](Navigazione&, Tavolavel& t) { Navigazione::premiDC(t, Navigazione::xDC(1860)); }, 150,
                 "atlante\\battaglia2.jpg"},
        Percorso{"Carta150Dopo134",
                 [](Navigazione&, Tavolavel& t) {
                     Navigazione::premiDC(t, Navigazione::xDC(1640));
                     Navigazione::premiDC(t, Navigazione::xDC(1860));
                 },
                 150, "atlante\\germania1648dc.gif"},
        Percorso{"Carta121DaNext",
                 [](Navigazione& n, Tavolavel& t) {
                     Navigazione::premiDC(t, Navigazione::xDC(1270));
                     n.avanti(t);
                 },
                 121, "atlante\\battaglia2.jpg"},
        Percorso{"Carta121DaPrevious",
                 [](Navigazione& n, Tavolavel& t) {
                     Navigazione::premiDC(t, Navigazione::xDC(1305));
                     n.indietro(t);
                 },
                 121, "atlante\\ita1300dc.gif"},
        Percorso{"Carta165Dopo164",
                 [](Navigazione& n, Tavolavel& t) {
                     Navigazione::premiDC(t, Navigazione::xDC(1945));
                     n.avanti(t, 3);
                 },
                 164, "atlante\\battaglia2.jpg"},
        Percorso{"Carta168DopoLaSerie",
                 [](Navigazione& n, Tavolavel& t) {
                     Navigazione::premiDC(t, Navigazione::xDC(1940));
                     n.avanti(t, 8);
                 },
                 168, "atlante\\battaglia2.jpg"}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Navigazione, DaCentosessantaACentosessantottoGliInsertiUnoPerUno) {
    Tavolavel& t = mostra();
    premiDC(t, xDC(1940));
    EXPECT_EQ(numcarta, 160);
    const char* attesi[] = {"atlante\\battaglia2.jpg", "atlante\\germania1946.gif", "atlante\\israele2.gif",
                            "atlante\\israele2.gif",   "atlante\\battaglia2.jpg",  "atlante\\battaglia2.jpg",
                            "atlante\\battaglia2.jpg", "atlante\\battaglia2.jpg",  "atlante\\battaglia2.jpg"};
    for (int n = 160; n <= 168; ++n) {
        EXPECT_EQ(inserto(t), QString::fromLatin1(attesi[n - 160])) << n;
        if (n < 168) avanti(t);
    }
}

// --- Language flags ---------------------------------------------------------------

struct CasoBandiera {
    const char* lingua;
    const char* strisce;
    const char* titolo;
    const char* avanti;
    const char* eraAC;
    const char* eraDC;
    const char* eraLineaAC;
    const char* eraLineaDC;
    const char* stampa;
    const char* cronologia;
};

class Bandiere : public Navigazione, public ::testing::WithParamInterface<CasoBandiera> {
protected:
    forma::Label& bandiera(Tavolavel& t) {
        const std::string l = GetParam().lingua;
        if (l == "italiano") return t.LabITA;
        if (l == "francese") return t.LabFRA;
        if (l == "spagnolo") return t.LabSPA;
        return t.LabING;
    }
};

TEST_P(Bandiere, CambianoDidascalieEridisegnanoLaCarta) {
    const CasoBandiera& c = GetParam();
    Tavolavel& t = mostra();
    avanti(t, 3);
    premiAC(t, xAC(2500));  // map 5, Previous enabled, Next enabled
    t.Labsuccessiva.setEnabled(false);
    const float ac = t.ShapeAC.Width(), dc = t.ShapeDC.Width();
    clic(t, bandiera(t));
    EXPECT_EQ(lingua, c.lingua);
    EXPECT_EQ(t.Image4.Picture()->origine, QString::fromLatin1(c.strisce));
    EXPECT_EQ(t.Label2.Caption(), QString::fromUtf8(c.titolo));
    EXPECT_EQ(t.Labsuccessiva.Caption(), QString::fromUtf8(c.avanti));
    EXPECT_EQ(t.Label8.Caption(), QString::fromUtf8(c.eraLineaAC));
    EXPECT_EQ(t.Label9.Caption(), QString::fromUtf8(c.eraLineaDC));
    EXPECT_EQ(t.Labstampa.Caption(), QString::fromUtf8(c.stampa));
    EXPECT_EQ(t.Labcronol.Caption(), QString::fromUtf8(c.cronologia));
    EXPECT_EQ(t.LabCristo.Caption(), QString::fromUtf8(c.eraAC));
    EXPECT_EQ(numcarta, 5);
    EXPECT_EQ(t.labAnni.Caption(), QStringLiteral("2350"));
    EXPECT_EQ(t.ShapeAC.Width(), ac);
    EXPECT_EQ(t.ShapeDC.Width(), dc);
    EXPECT_TRUE(t.Labprecedente.Enabled());
    EXPECT_FALSE(t.Labsuccessiva.Enabled());
    EXPECT_EQ(t.LabCOLLABOR.Caption(), QStringLiteral("Collaboratori   Collaborateurs  Colaboradores  Collaborators"));
    // On an AD map the flag redraws through the AD dispatcher.
    premiDC(t, xDC(20));
    clic(t, bandiera(t));
    EXPECT_EQ(numcarta, 82);
    EXPECT_EQ(t.LabCristo.Caption(), QString::fromUtf8(c.eraDC));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Bandiere,
    ::testing::Values(CasoBandiera{"italiano", "atlante\\linguaita.gif", "Carta dell'anno", "AVANTI  >>", "a.C.", "d.C.",
                                   "a.C.", "d.C.", "STAMPA", "Cronologia"},
                      CasoBandiera{"francese", "atlante\\linguafra.gif", "Carte de l'année", "SUIVANTE  >>", "av.JC.",
                                   "ap.JC.", "Av.JC.", "Ap.JC.", "IMPRIME", "Chronologie"},
                      CasoBandiera{"spagnolo", "atlante\\linguaspa.gif", "Mapa de", "SIGUIENTE  >>", "a.C.", "d.C.",
                                   "a.C.", "d.C.", "IMPRIMIR", "Cronología"},
                      CasoBandiera{"inglese", "atlante\\linguaing.gif", "Map of the year", "NEXT  >>", "B.C.", "A.D.",
                                   "B.C.", "A.D.", "PRINT Map", "Chronology"}),
    [](const auto& i) { return std::string(i.param.lingua); });

TEST_F(Navigazione, LaBandieraIngleseAllAvvio) {
    Tavolavel& t = mostra();
    clic(t, t.LabING);
    EXPECT_EQ(t.Label5.Caption(),
              QStringLiteral("To explore the maps, click on 'Next' or 'Previous'. To choose a period, click on the timelines below."));
    EXPECT_EQ(t.Labsuccessiva.Caption(), QStringLiteral("NEXT  >>"));
    EXPECT_EQ(t.Labprecedente.Caption(), QStringLiteral("<<  PREVIOUS"));
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("B.C."));
    EXPECT_EQ(numcarta, 1);
    EXPECT_FALSE(t.Labprecedente.Enabled());
}

TEST_F(Navigazione, LaBandieraSullaCarta81DaEraAvantiCristo) {
    Tavolavel& t = mostra();
    premiAC(t, 10500);
    EXPECT_EQ(numcarta, 81);
    clic(t, t.LabFRA);
    EXPECT_EQ(t.LabCristo.Caption(), QStringLiteral("av.JC."));
    EXPECT_EQ(t.Image2.Picture()->origine, QStringLiteral("atlante\\battaglia2.jpg"));
}

TEST_F(Navigazione, LaBandieraSullaCarta134RicaricaLInserto) {
    Tavolavel& t = mostra();
    premiDC(t, xDC(1640));
    EXPECT_EQ(numcarta, 134);
    t.Image2.setPicture(forma::LoadPicture(QString()));
    clic(t, t.LabSPA);
    EXPECT_EQ(inserto(t), QStringLiteral("atlante\\germania1648dc.gif"));
    premiDC(t, xDC(1690));
    EXPECT_EQ(numcarta, 136);
    t.Image2.setPicture(forma::LoadPicture(QStringLiteral("atlante\\zero.gif")));
    clic(t, t.LabSPA);
    EXPECT_EQ(inserto(t), QStringLiteral("atlante\\zero.gif"));
}

}  // namespace
