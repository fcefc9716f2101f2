// The texts of the chronology's rows: the map's description, the end blanks
// of the listed maps, and the texts made from the description by edits.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "chronology/TestiCronologia.h"
#include "tests/chronology/TabelleTesti.h"

namespace {

using cronologia::ApplicaModifiche;
using cronologia::DescrizioneCarta;
using cronologia::Modifica;
using cronologia::TestoCronologia;
using enum contenuti::Lingua;
using contenuti::Lingua;

QString testoDi(int k, Lingua l) { return TestoCronologia(k, l, DescrizioneCarta(k, l)); }
QString descrizioneDi(int k, Lingua l) { return QString::fromUtf8(DescrizioneCarta(k, l)); }

// --- End blanks, on descriptions this test supplies -------------------------

struct CasoBianchi {
    const char* nome;
    Lingua lingua;
    int carta;
    const char* descrizione;
    const char* atteso;
};

class BianchiAgliEstremi : public ::testing::TestWithParam<CasoBianchi> {};

TEST_P(BianchiAgliEstremi, SulTestoDellaCarta) {
    const CasoBianchi& c = GetParam();
    EXPECT_EQ(TestoCronologia(c.carta, c.lingua, c.descrizione), QString::fromUtf8(c.atteso));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, BianchiAgliEstremi,
    ::testing::Values(
        // Not listed: the description as it stands, blanks included.
        CasoBianchi{"NonElencataRestaComE", Inglese, 1, " 5000 B.C. x  ", " 5000 B.C. x  "},
        CasoBianchi{"FranceseUnoAllInizio", Francese, 20, "1400 av. J.-C. x", " 1400 av. J.-C. x"},
        CasoBianchi{"FranceseUnoPerParte", Francese, 47, "492 x.", " 492 x. "},
        CasoBianchi{"FranceseDueInFondoDaUno", Francese, 103, "800 x. ", "800 x.  "},
        CasoBianchi{"FranceseDueAllInizioDaUno", Francese, 56, " 390 x.", "  390 x."},
        CasoBianchi{"ItalianoTolto", Italiano, 93, " 476 x.", "476 x."},
        CasoBianchi{"ItalianoTolteLeDueInFondo", Italiano, 100, "732 x.  ", "732 x."},
        CasoBianchi{"SpagnoloUnoInFondo", Spagnolo, 126, "1430 x.", "1430 x. "},
        CasoBianchi{"IngleseUnoEDue", Inglese, 151, " 1866 x.", " 1866 x.  "},
        CasoBianchi{"IngleseUnoAllInizio", Inglese, 37, "671 B.C. x.", " 671 B.C. x."},
        // Inner blanks are the description's and stay.
        CasoBianchi{"BianchiInterniRestano", Inglese, 49, "481 B.C.  x  y.", "481 B.C.  x  y. "},
        // A map whose content has not landed shows nothing, listed or not.
        CasoBianchi{"SenzaContenutoElencata", Francese, 20, nullptr, ""},
        CasoBianchi{"SenzaContenuto", Spagnolo, 5, nullptr, ""},
        CasoBianchi{"SenzaContenutoConModifiche", Francese, 163, nullptr, ""},
        CasoBianchi{"VuotaElencata", Francese, 86, "", ""},
        CasoBianchi{"SoloBianchiElencata", Francese, 86, "   ", " "}),
    [](const auto& i) { return std::string(i.param.nome); });

// --- Edits, on descriptions and edits this test supplies ----------------------

using enum cronologia::Dove;

struct CasoModifiche {
    const char* nome;
    std::vector<Modifica> modifiche;
    const char* descrizione;
    const char* atteso;
    int mancanti;
};

void PrintTo(const CasoModifiche& c, std::ostream* os) { *os << c.nome; }

class Modifiche : public ::testing::TestWithParam<CasoModifiche> {};

TEST_P(Modifiche, SullaDescrizione) {
    const CasoModifiche& c = GetParam();
    const cronologia::Esito e = ApplicaModifiche(QString::fromUtf8(c.descrizione), c.modifiche);
    EXPECT_EQ(e.testo, QString::fromUtf8(c.atteso));
    EXPECT_EQ(static_cast<int>(e.mancanti.size()), c.mancanti);
}

Modifica m(cronologia::Dove dove, const char* carta, const char* cronologia, const char* fino = nullptr,
           bool seLaCartaLoHa = false) {
    return {Italiano, 1, dove, carta, fino, cronologia, seLaCartaLoHa};
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Modifiche,
    ::testing::Values(
        CasoModifiche{"SoloLaPrimaVolta", {m(Ovunque, "ab", "X")}, "ab ab.", "X ab.", 0},
        CasoModifiche{"DueVolteLaStessaLeCambiaEntrambe", {m(Ovunque, "ab", "X"), m(Ovunque, "ab", "X")}, "ab ab.", "X X.", 0},
        CasoModifiche{"OgniModificaSulTestoDellaPrecedente", {m(Ovunque, "ab", "cd"), m(Ovunque, "cd e", "Y")}, "ab e.", "Y.", 0},
        CasoModifiche{"AccentiEBianchiEsatti", {m(Ovunque, "città  é", "città é")}, "la città  é.", "la città é.", 0},
        CasoModifiche{"AllInizioSoloSeComincia", {m(Inizio, "10 a.C.", "10 B.C.")}, "x 10 a.C.", "x 10 a.C.", 1},
        CasoModifiche{"AllInizio", {m(Inizio, "10 a.C.  ", "10 a.C. ")}, "10 a.C.  x.", "10 a.C. x.", 0},
        CasoModifiche{"PrefissoAggiunto", {m(Inizio, "", "410 d.C.  ")}, "Gli Unni.", "410 d.C.  Gli Unni.", 0},
        CasoModifiche{"BiancoTolto", {m(Inizio, " ", ""), m(Fine, ".", "")}, " 1032 x.", "1032 x", 0},
        CasoModifiche{"PuntoFinaleSoloSeCi", {m(Fine, ".", "")}, "1032 x", "1032 x", 1},
        CasoModifiche{"FraseAggiuntaInFondo", {m(Fine, "", " Y z.")}, "x.", "x. Y z.", 0},
        // A sentence named by its first words runs to the first following period.
        CasoModifiche{"FraseTolta", {m(Ovunque, "a. B c", "a.", ".")}, "Uno a. B c d. E.", "Uno a. E.", 0},
        CasoModifiche{"FraseToltaSenzaFine", {m(Ovunque, "a. B c", "a.", ".")}, "Uno a. B c d", "Uno a. B c d", 1},
        CasoModifiche{"PassaggioDaUnaParolaAUnAltra", {m(Ovunque, "x.  A", "x.  W", "W")}, "x.  A b. C d. W 2.", "x.  W 2.", 0},
        // The closing sentence: to the end of the text, whatever periods it holds.
        CasoModifiche{"FraseFinaleTolta", {m(Fine, "a. I F", "a.", ".")}, "0 a. I F 1 a.C. x.", "0 a.", 0},
        CasoModifiche{"FraseFinaleRiscritta", {m(Fine, "Altre", "Dopo w.", ".")}, "1 x. Altre y.", "1 x. Dopo w.", 0},
        CasoModifiche{"FraseFinaleCheNonStaInFondo", {m(Fine, "Altre", "Dopo.", ".")}, "1 x. Altre y. Z", "1 x. Altre y. Z", 1},
        // A missing fragment leaves the description whole, not half edited.
        CasoModifiche{"UnaMancanteLasciaLaDescrizione",
                      {m(Ovunque, "ab", "X"), m(Ovunque, "zz", "Y"), m(Fine, ".", "")}, "ab cd.", "ab cd.", 1},
        CasoModifiche{"FrammentoVuotoNelMezzoNonSiTrova", {m(Ovunque, "", "X")}, "ab.", "ab.", 1},
        // An edit the map may rightly not need.
        CasoModifiche{"FacoltativaAssente", {m(Inizio, "221 B.C.", "221 a.C.", nullptr, true), m(Fine, ".", "")},
                      "221 a.C. x.", "221 a.C. x", 0},
        CasoModifiche{"FacoltativaPresente", {m(Inizio, "221 B.C.", "221 a.C.", nullptr, true)}, "221 B.C. x.", "221 a.C. x.", 0}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(Modifiche, RicordanoIlTestoDellaCartaCheHannoSostituito) {
    const Modifica modifiche[] = {m(Ovunque, "a. B", "a.", "."), m(Inizio, "", "> ")};
    const cronologia::Esito e = ApplicaModifiche(QStringLiteral("Zero a. B uno due. Tre."), modifiche);
    ASSERT_EQ(e.applicate.size(), 2u);
    EXPECT_EQ(e.applicate[0].dellaCarta, QStringLiteral("a. B uno due."));
    EXPECT_EQ(e.applicate[0].dellaCronologia, QStringLiteral("a."));
    EXPECT_EQ(e.applicate[1].dellaCarta, QString());
    EXPECT_EQ(e.testo, QStringLiteral("> Zero a. Tre."));
}

// A description that lacks an edit's fragment is shown as it stands, and said
// once on stderr, however often the table is filled.
TEST(Modifiche, UnaDescrizioneSenzaIlFrammentoRestaComEra) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(TestoCronologia(16, Spagnolo, "1595 a.C. Los hititas x."), QStringLiteral("1595 a.C. Los hititas x."));
    EXPECT_EQ(TestoCronologia(16, Spagnolo, "1595 a.C. Los hititas x."), QStringLiteral("1595 a.C. Los hititas x."));
    const std::string errori = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errori.begin(), errori.end(), '\n'), 1) << errori;
    EXPECT_NE(errori.find("chronology text 16 (spagnolo)"), std::string::npos) << errori;
    EXPECT_NE(errori.find("Los casitas"), std::string::npos) << errori;
    // With its fragment, the same row is edited.
    EXPECT_EQ(TestoCronologia(16, Spagnolo, "1595 a.C. Los casitas x."), QStringLiteral("1595 a.C. Los Casitas x."));
}

// --- The chronology's own tables --------------------------------------------

TEST(TabelleDellaCronologia, BianchiEModificheSonoLeRigheElencate) {
    std::map<std::pair<int, int>, int> bianchiAttesi;
    for (const prova::RigaBianchi& r : prova::righeBianchi())
        for (int k : r.carte) bianchiAttesi[{r.lingua, k}] = r.inizio * 10 + r.fine;
    ASSERT_EQ(bianchiAttesi.size(), 111u);
    std::map<std::pair<int, int>, int> bianchi;
    for (const cronologia::BianchiAgliEstremi& b : cronologia::EccezioniBianchi()) {
        EXPECT_EQ(bianchi.count({b.lingua, b.carta}), 0u) << "twice: " << b.lingua << " " << b.carta;
        bianchi[{b.lingua, b.carta}] = b.inizio * 10 + b.fine;
    }
    EXPECT_EQ(bianchi, bianchiAttesi);

    std::set<std::pair<int, int>> righeAttese;
    for (const prova::Lunghezza& l : prova::lunghezze) righeAttese.insert({l.lingua, l.carta});
    ASSERT_EQ(righeAttese.size(), 86u);
    // Each text's edits stand together, in the order of languages and maps.
    std::set<std::pair<int, int>> righe;
    std::pair<int, int> ultima{-1, -1};
    for (const Modifica& md : cronologia::Modifiche()) {
        const std::pair<int, int> riga{md.lingua, md.carta};
        if (riga != ultima) {
            EXPECT_LT(ultima, riga) << md.lingua << " " << md.carta;
            EXPECT_TRUE(righe.insert(riga).second) << "apart: " << md.lingua << " " << md.carta;
            ultima = riga;
        }
        // A fragment in the middle of the text is found by its own words.
        if (md.dove == Ovunque) {
            EXPECT_STRNE(md.dellaCarta, "") << md.lingua << " " << md.carta;
            EXPECT_STRNE(md.dellaCronologia, "") << md.lingua << " " << md.carta;
        }
        EXPECT_STRNE(md.dellaCarta, md.dellaCronologia) << md.lingua << " " << md.carta;
    }
    EXPECT_EQ(righe, righeAttese);
    EXPECT_EQ(cronologia::ModificheDi(22, Italiano).size(), 1u);
    EXPECT_EQ(cronologia::ModificheDi(163, Francese).size(), 7u);
    EXPECT_TRUE(cronologia::ModificheDi(1, Inglese).empty());
}

// --- Every text that differs from its map's by more than end blanks ----------

class RigaModificata : public ::testing::TestWithParam<prova::Lunghezza> {};

TEST_P(RigaModificata, LaDescrizioneDellaCartaConLeSueModifiche) {
    const auto [l, k, caratteri] = GetParam();
    const QString testo = testoDi(k, l);
    EXPECT_EQ(testo.size(), caratteri);
    const std::vector<std::string> problemi = prova::problemiDelTesto(l, k, descrizioneDi(k, l), testo);
    EXPECT_TRUE(problemi.empty()) << prova::nomeLingua(l) << " " << k << ":" << prova::elenco(problemi);
}

INSTANTIATE_TEST_SUITE_P(Tabella, RigaModificata, ::testing::ValuesIn(prova::lunghezze), [](const auto& i) {
    return std::string(prova::nomeLingua(i.param.lingua)) + "_" + std::to_string(i.param.carta);
});

// --- The texts the reader notices -------------------------------------------

TEST(TestiNotevoli, IlPrimoFranceseEIlCentesimoInglese) {
    EXPECT_TRUE(descrizioneDi(1, Francese).startsWith(QStringLiteral("5000 Av.J.C.")));
    EXPECT_TRUE(testoDi(1, Francese).startsWith(QStringLiteral(" 5000AV.JC. ")));
    EXPECT_EQ(testoDi(1, Francese).mid(12), descrizioneDi(1, Francese).mid(13));

    const QString carta = descrizioneDi(100, Inglese);
    ASSERT_TRUE(carta.startsWith(QLatin1Char(' ')));
    EXPECT_EQ(testoDi(100, Inglese), carta.mid(1));
}

TEST(TestiNotevoli, IlFranceseDel1967UnTestoSoloPiuCorto) {
    // The map writes it in two pieces; its content holds them joined.
    const QString carta = descrizioneDi(163, Francese);
    EXPECT_EQ(carta.size(), 1027);
    EXPECT_TRUE(carta.contains(QStringLiteral("occupés..Quatre")));
    const QString testo = testoDi(163, Francese);
    EXPECT_EQ(testo.size(), 728);
    EXPECT_TRUE(testo.startsWith(QStringLiteral("1967: Guerre des Six jours . En 1967")));
    EXPECT_TRUE(testo.contains(QStringLiteral("Israël refuse.En 1973")));
}

TEST(TestiNotevoli, LunghezzeEDoppioni) {
    int massimo = 0, minimo = 1 << 30;
    std::pair<Lingua, int> lungo{}, corto{};
    for (Lingua l : {Italiano, Francese, Spagnolo, Inglese}) {
        std::map<QString, int> visti;
        for (int k = 1; k <= 168; ++k) {
            const QString t = testoDi(k, l);
            EXPECT_GE(t.size(), 86) << prova::nomeLingua(l) << " " << k;
            EXPECT_LE(t.size(), 825) << prova::nomeLingua(l) << " " << k;
            EXPECT_FALSE(t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))) << prova::nomeLingua(l) << " " << k;
            const auto [dove, nuovo] = visti.insert({t, k});
            EXPECT_TRUE(nuovo) << prova::nomeLingua(l) << " " << k << " is text " << dove->second << " again";
            if (t.size() > massimo) massimo = static_cast<int>(t.size()), lungo = {l, k};
            if (t.size() < minimo) minimo = static_cast<int>(t.size()), corto = {l, k};
        }
    }
    EXPECT_EQ(massimo, 825);
    EXPECT_EQ(lungo, std::make_pair(Inglese, 163));
    EXPECT_EQ(minimo, 86);
    EXPECT_EQ(corto, std::make_pair(Spagnolo, 56));
}

}  // namespace
