// The texts of the chronology's rows: the map's description, the end blanks
// of the listed maps, and the texts worded on their own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "chronology/TestiCronologia.h"

namespace {

using cronologia::TestoCronologia;
using enum contenuti::Lingua;
using contenuti::Lingua;

// --- The mechanism, on descriptions this test supplies ----------------------

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
        CasoBianchi{"VuotaElencata", Francese, 86, "", ""},
        CasoBianchi{"SoloBianchiElencata", Francese, 86, "   ", " "}),
    [](const auto& i) { return std::string(i.param.nome); });

// A text of its own does not follow the map's description, whatever it holds.
TEST(TestiPropri, NonDipendonoDallaDescrizione) {
    const QString a = TestoCronologia(163, Francese, nullptr);
    EXPECT_EQ(TestoCronologia(163, Francese, "1967 une autre description"), a);
    EXPECT_EQ(a.size(), 728);
    EXPECT_EQ(TestoCronologia(1, Francese, "5000 Av.J.C. y"), TestoCronologia(1, Francese, nullptr));
    // The same map in another language is the description again.
    EXPECT_EQ(TestoCronologia(163, Inglese, "1967 A.D. x"), QStringLiteral("1967 A.D. x"));
}

// --- The exception tables ---------------------------------------------------

struct Lunghezza {
    Lingua lingua;
    int carta;
    int caratteri;
};

// Every text worded on its own, and its length in characters.
constexpr Lunghezza lunghezze[] = {
    {Italiano, 22, 229}, {Italiano, 28, 293}, {Italiano, 32, 519}, {Italiano, 36, 279},
    {Italiano, 37, 112}, {Italiano, 39, 410}, {Italiano, 42, 316}, {Italiano, 53, 322},
    {Italiano, 54, 584}, {Italiano, 70, 329}, {Italiano, 85, 496}, {Italiano, 91, 367},
    {Italiano, 94, 506}, {Italiano, 96, 239}, {Italiano, 103, 315}, {Italiano, 104, 207},
    {Italiano, 111, 330}, {Italiano, 118, 407}, {Italiano, 120, 554}, {Italiano, 132, 635},
    {Italiano, 135, 230}, {Italiano, 138, 482}, {Italiano, 142, 484}, {Italiano, 143, 331},
    {Italiano, 146, 189}, {Italiano, 147, 608}, {Italiano, 150, 629}, {Italiano, 155, 614},
    {Italiano, 157, 622}, {Italiano, 164, 509}, {Italiano, 167, 292}, {Francese, 1, 431},
    {Francese, 2, 473}, {Francese, 3, 481}, {Francese, 4, 363}, {Francese, 5, 377},
    {Francese, 6, 562}, {Francese, 13, 233}, {Francese, 15, 279}, {Francese, 16, 144},
    {Francese, 17, 187}, {Francese, 18, 316}, {Francese, 19, 218}, {Francese, 14, 418},
    {Francese, 24, 607}, {Francese, 31, 263}, {Francese, 57, 403}, {Francese, 61, 319},
    {Francese, 63, 170}, {Francese, 84, 421}, {Francese, 102, 315}, {Francese, 105, 331},
    {Francese, 107, 371}, {Francese, 124, 581}, {Francese, 163, 728}, {Spagnolo, 14, 676},
    {Spagnolo, 16, 176}, {Spagnolo, 20, 358}, {Spagnolo, 33, 533}, {Spagnolo, 101, 530},
    {Spagnolo, 120, 587}, {Spagnolo, 122, 413}, {Spagnolo, 143, 331}, {Spagnolo, 150, 619},
    {Inglese, 52, 295}, {Inglese, 72, 368}, {Inglese, 76, 438}, {Inglese, 80, 379},
    {Inglese, 81, 387}, {Inglese, 82, 245}, {Inglese, 84, 367}, {Inglese, 86, 496},
    {Inglese, 89, 419}, {Inglese, 91, 371}, {Inglese, 94, 542}, {Inglese, 97, 309},
    {Inglese, 107, 255}, {Inglese, 109, 281}, {Inglese, 111, 299}, {Inglese, 113, 134},
    {Inglese, 116, 480}, {Inglese, 118, 525}, {Inglese, 133, 520}, {Inglese, 139, 228},
    {Inglese, 140, 359}, {Inglese, 141, 320},
};

TEST(TestiPropri, SonoQuelliElencatiConLaLoroLunghezza) {
    std::map<std::pair<int, int>, int> attese;
    for (const Lunghezza& l : lunghezze) attese[{l.lingua, l.carta}] = l.caratteri;
    ASSERT_EQ(attese.size(), 86u);
    std::map<std::pair<int, int>, int> trovate;
    for (const cronologia::TestoProprio& t : cronologia::TestiPropri()) {
        const auto chiave = std::make_pair(static_cast<int>(t.lingua), t.carta);
        EXPECT_EQ(trovate.count(chiave), 0u) << "twice: " << t.lingua << " " << t.carta;
        trovate[chiave] = static_cast<int>(QString::fromUtf8(t.testo).size());
    }
    EXPECT_EQ(trovate, attese);
}

TEST(TestiPropri, SonoUnSoloParagrafoSenzaFineDiRiga) {
    for (const cronologia::TestoProprio& t : cronologia::TestiPropri()) {
        const QString s = QString::fromUtf8(t.testo);
        EXPECT_FALSE(s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'))) << t.lingua << " " << t.carta;
        EXPECT_FALSE(s.contains(QLatin1Char('{')) || s.contains(QLatin1Char('}'))) << t.lingua << " " << t.carta;
        EXPECT_FALSE(s.contains(QStringLiteral("   ")) && !s.startsWith(QStringLiteral("626 a.C.")) &&
                     !s.startsWith(QStringLiteral("526 d.C.")))
            << t.lingua << " " << t.carta;
    }
}

TEST(EccezioniBianchi, QuanteLingua) {
    std::map<int, int> perLingua;
    std::set<std::pair<int, int>> viste;
    for (const cronologia::BianchiAgliEstremi& b : cronologia::EccezioniBianchi()) {
        ++perLingua[b.lingua];
        EXPECT_TRUE(viste.insert({b.lingua, b.carta}).second) << "twice: " << b.lingua << " " << b.carta;
        EXPECT_GE(b.carta, 1);
        EXPECT_LE(b.carta, 168);
    }
    EXPECT_EQ(perLingua, (std::map<int, int>{{Italiano, 2}, {Francese, 87}, {Spagnolo, 2}, {Inglese, 20}}));
    // A map is listed in one table at most.
    for (const cronologia::TestoProprio& t : cronologia::TestiPropri())
        EXPECT_EQ(viste.count({t.lingua, t.carta}), 0u) << t.lingua << " " << t.carta;
}

// What each text of its own must read where it differs from its map.
enum Dove { Inizia, Contiene, Finisce };
struct Frammento {
    Lingua lingua;
    int carta;
    Dove dove;
    const char* testo;
};

constexpr Frammento frammenti[] = {
    {Italiano, 28, Contiene, "la capiatale da"},
    {Italiano, 32, Contiene, "capitale; Il Regno"},
    {Italiano, 39, Contiene, "degli Sciiti."},
    {Italiano, 39, Inizia, "626 a.C.    N"},
    {Italiano, 42, Inizia, "550 a.C.  C"},
    {Italiano, 36, Inizia, "722 a.C. L"},
    {Italiano, 37, Inizia, "671 a.C. L"},
    {Italiano, 22, Finisce, "la Siria."},
    {Italiano, 53, Contiene, "vede difronte ancora"},
    {Italiano, 54, Finisce, "e Sciiti."},
    {Italiano, 70, Inizia, "221 a.C."},
    {Italiano, 85, Contiene, "degli Himyariti. Popolazione"},
    {Italiano, 91, Inizia, "410 d.C.  I"},
    {Italiano, 94, Finisce, "città-Stato Maya."},
    {Italiano, 96, Inizia, "526 d.C.   M"},
    {Italiano, 103, Contiene, "Romano Impero."},
    {Italiano, 104, Contiene, "il titolo di"},
    {Italiano, 111, Finisce, "sull'Adriatico."},
    {Italiano, 118, Contiene, "dei Veneziani, Cade"},
    {Italiano, 118, Contiene, "si formano dei regni latini."},
    {Italiano, 120, Contiene, "l'autorità imperiali ai"},
    {Italiano, 132, Contiene, "Qui però le province del Nord, protestanti, lottano per"},
    {Italiano, 135, Inizia, "1659 Viene firmata"},
    {Italiano, 135, Contiene, "Dopo la Pace di Westfalia,"},
    {Italiano, 138, Finisce, "del Regno Unito."},
    {Italiano, 142, Contiene, "dal Regno Unito."},
    {Italiano, 143, Finisce, "ridisegnate e rinominate."},
    {Italiano, 146, Inizia, "1812 Divisione amministrativa dell'Impero"},
    {Italiano, 146, Contiene, "infatti, per sfuggire"},
    {Italiano, 147, Contiene, "Vienna. La Francia"},
    {Italiano, 155, Contiene, "Negli ultimi 50"},
    {Italiano, 157, Contiene, "e Lorena, l'Italia Trento,"},
    {Italiano, 164, Finisce, " Popolazione mondiale: 4 000 milioni."},
    {Italiano, 167, Contiene, "civile, Anche la"},
    {Francese, 1, Inizia, " 5000AV.JC."},
    {Francese, 2, Inizia, "3300 AV.JC."},
    {Francese, 3, Inizia, "3100 AV.JC.:"},
    {Francese, 3, Finisce, ". "},
    {Francese, 4, Inizia, "3000AV J.C:"},
    {Francese, 5, Inizia, "2650 AV JC.:"},
    {Francese, 5, Finisce, ". "},
    {Francese, 6, Inizia, "2230 AV JC:"},
    {Francese, 6, Contiene, "en l'une en Haute Egypte"},
    {Francese, 6, Contiene, "Basse Egypte. S"},
    {Francese, 13, Inizia, "1760 AV JC:"},
    {Francese, 15, Inizia, "1650 AV JC:"},
    {Francese, 16, Inizia, "1595 AV JC:"},
    {Francese, 17, Inizia, "1580 AV JC:"},
    {Francese, 18, Inizia, "1550 AV JC:"},
    {Francese, 19, Inizia, "1512 AV JC:"},
    {Francese, 14, Inizia, "1685 AVJC:"},
    {Francese, 24, Inizia, " 1250"},
    {Francese, 24, Finisce, ". "},
    {Francese, 24, Contiene, "mélanésiennes s'orientent vers"},
    {Francese, 31, Inizia, " 1020 avant J.-C.. Les"},
    {Francese, 57, Inizia, " 382 Av.JC."},
    {Francese, 57, Contiene, "d'Olinthus (Olynthe ?)."},
    {Francese, 61, Inizia, " 336 av. J.- C."},
    {Francese, 63, Inizia, " "},
    {Francese, 63, Contiene, "perse, qu'il détruit"},
    {Francese, 84, Inizia, " 117"},
    {Francese, 102, Inizia, " "},
    {Francese, 102, Finisce, ". "},
    {Francese, 102, Contiene, "s'affacent  "},
    {Francese, 105, Inizia, "870 Ap.J.C.."},
    {Francese, 107, Finisce, "260 millions  "},
    {Francese, 124, Contiene, "l'empire Ottoman"},
    {Francese, 163, Contiene, "Guerre des Six jours ."},
    {Francese, 163, Contiene, "Israël refuse.En"},
    {Francese, 163, Contiene, "le Sinaï."},
    {Spagnolo, 14, Inizia, "1685 a.C."},
    {Spagnolo, 16, Contiene, "Los Casitas"},
    {Spagnolo, 20, Contiene, "Aqueos. Los Aqueos"},
    {Spagnolo, 33, Contiene, "los Arios"},
    {Spagnolo, 101, Contiene, "culturaHuari."},
    {Spagnolo, 120, Contiene, "El khanato de la Horda de Oro"},
    {Spagnolo, 122, Contiene, "al khanato"},
    {Spagnolo, 150, Contiene, "Rumania."},
    {Inglese, 72, Contiene, "CHINA: ascends the throne of the HAN dynasty."},
    {Inglese, 76, Inizia, "133 B.C. A"},
    {Inglese, 76, Contiene, "Due "},
    {Inglese, 76, Contiene, "as a tribute"},
    {Inglese, 76, Finisce, "empire ) ."},
    {Inglese, 80, Inizia, "51 B.C. Caesar finishes the conquest of the Transalpine Gaul."},
    {Inglese, 80, Contiene, "that fear its reputation"},
    {Inglese, 80, Contiene, "Caesar crosses"},
    {Inglese, 81, Contiene, "governs, who is an adopted grandson of Caesar, whom Caesar adopted as a son."},
    {Inglese, 82, Contiene, "Augusto"},
    {Inglese, 84, Contiene, "catches up its maximum extension."},
    {Inglese, 84, Contiene, "migrations of its history for hundreds of years,"},
    {Inglese, 84, Contiene, "the u probably original of Cameroon"},
    {Inglese, 86, Contiene, "To Palmira, Queen Zenobia makes her reign independent."},
    {Inglese, 89, Contiene, "Pontefix Maximum"},
    {Inglese, 91, Contiene, "is uniform between"},
    {Inglese, 94, Contiene, "Oriental Roman Empire Roman controls"},
    {Inglese, 94, Contiene, "the Mayans assert their cities."},
    {Inglese, 97, Contiene, "the gotic wars,"},
    {Inglese, 97, Contiene, "Baiuvars,"},
    {Inglese, 97, Contiene, "are asserted."},
    {Inglese, 107, Inizia, " 1000"},
    {Inglese, 107, Finisce, "continue to fragment.  World population: 260 million."},
    {Inglese, 139, Finisce, "participate and acquire Poland territories."},
    {Inglese, 140, Finisce, "a war and they acquire other Polish territories."},
    {Inglese, 141, Contiene, "by military force. Poland disappears."},
};

TEST(TestiPropri, DiconoCiòCheLiDistingueDallaCarta) {
    for (const Frammento& f : frammenti) {
        const QString testo = TestoCronologia(f.carta, f.lingua, nullptr);
        const QString pezzo = QString::fromUtf8(f.testo);
        switch (f.dove) {
            case Inizia: EXPECT_TRUE(testo.startsWith(pezzo)) << f.lingua << " " << f.carta << ": " << f.testo; break;
            case Contiene: EXPECT_TRUE(testo.contains(pezzo)) << f.lingua << " " << f.carta << ": " << f.testo; break;
            case Finisce: EXPECT_TRUE(testo.endsWith(pezzo)) << f.lingua << " " << f.carta << ": " << f.testo; break;
        }
    }
}

// Texts without a period at the end, where their map's has one.
TEST(TestiPropri, SenzaPuntoFinale) {
    const std::pair<Lingua, int> senza[] = {{Francese, 84}, {Spagnolo, 14}, {Spagnolo, 143}, {Inglese, 52},
                                            {Inglese, 109}, {Inglese, 111}, {Inglese, 113}, {Inglese, 116},
                                            {Inglese, 118}, {Inglese, 133}};
    for (const auto& [l, k] : senza) {
        const QString t = TestoCronologia(k, l, nullptr);
        EXPECT_FALSE(t.endsWith(QLatin1Char('.')) || t.endsWith(QLatin1Char(' '))) << l << " " << k;
        EXPECT_FALSE(t.startsWith(QLatin1Char(' ')) && l == Inglese) << l << " " << k;
    }
}

}  // namespace
