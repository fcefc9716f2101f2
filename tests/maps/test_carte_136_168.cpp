// Content of the world maps 1700-2000 (136, 142, 145, 149, 155, 158, 162, 164,
// 168), the Middle East map of 1967 (163) and the Europe maps of 1991 and 1992
// (166, 167): labels, colours, emptying and descriptions.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

using namespace contenuti;

namespace {

using verifica::voce;
using verifica::stessaVoce;

// The first `n` code points of a UTF-8 text, and the rest.
std::string_view primiCaratteri(std::string_view t, std::size_t n) {
    std::size_t visti = 0, i = 0;
    for (; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) {
            if (visti == n) break;
            ++visti;
        }
    }
    return t.substr(0, i);
}

// ---------------------------------------------------------------------------
// Descriptions: opening as stored (blanks included) and length in code points.

struct DescrizioneAttesa {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* inizio;
    std::size_t caratteri;
};

const DescrizioneAttesa descrizioniAttese[] = {
    {"Carta136_dc1700_Italiano", &dc1700, Italiano, "1700   Prosegue l'espansione coloniale europea:", 480},
    {"Carta136_dc1700_Francese", &dc1700, Francese, "1700 L'expansion européenne se poursuit avec", 635},
    {"Carta136_dc1700_Spagnolo", &dc1700, Spagnolo, "1700  La expansión colonial europea continúa:", 467},
    {"Carta136_dc1700_Inglese", &dc1700, Inglese, "1700 The European colonial expansion continues:", 494},
    {"Carta142_dc1800_Italiano", &dc1800, Italiano, "1800   Nel 1783 gli Stati Uniti", 488},
    {"Carta142_dc1800_Francese", &dc1800, Francese, "1800 Les treize colonies britanniques d'Amérique", 551},
    {"Carta142_dc1800_Spagnolo", &dc1800, Spagnolo, "1800  En 1783 los Estados Unidos", 462},
    {"Carta142_dc1800_Inglese", &dc1800, Inglese, "1800 In 1783 the United States", 473},
    {"Carta145_dc1812_Italiano", &dc1812, Italiano, "1812   L'impero napoleonico alla vigilia della campagna", 444},
    {"Carta145_dc1812_Francese", &dc1812, Francese, "1812 L'Europe napoléonienne  est à son apogée", 775},
    {"Carta145_dc1812_Spagnolo", &dc1812, Spagnolo, "1812  En vísperas de la campaña de", 414},
    {"Carta145_dc1812_Inglese", &dc1812, Inglese, " 1812  Napoleon's empire, on the eve of", 406},
    {"Carta149_dc1850_Italiano", &dc1850, Italiano, "1850   In Europa si sta diffondendo la", 550},
    {"Carta149_dc1850_Francese", &dc1850, Francese, "1850 en Europe la révolution industrielle se", 534},
    {"Carta149_dc1850_Spagnolo", &dc1850, Spagnolo, "1850  En Europa se está expandiendo la", 521},
    {"Carta149_dc1850_Inglese", &dc1850, Inglese, "1850  In Europe, the Industrial Revolution is", 503},
    {"Carta155_dc1900_Italiano", &dc1900, Italiano, "1900  Negli Ultimi 50 anni, l'Africa è", 614},
    {"Carta155_dc1900_Francese", &dc1900, Francese, "1900 dans les 50 dernières années, l'Afrique", 621},
    {"Carta155_dc1900_Spagnolo", &dc1900, Spagnolo, "1900  Durante los últimos 50 años, África", 690},
    {"Carta155_dc1900_Inglese", &dc1900, Inglese, "1900  In the last fifty years, Africa", 620},
    {"Carta158_dc1925_Italiano", &dc1925, Italiano, "1925   I principali cambiamenti riguardano", 502},
    {"Carta158_dc1925_Francese", &dc1925, Francese, "1925 Les nouveautés concernent l'Europe", 550},
    {"Carta158_dc1925_Spagnolo", &dc1925, Spagnolo, "1925  En Europa se suceden", 461},
    {"Carta158_dc1925_Inglese", &dc1925, Inglese, "1925 The main changes in Europe", 519},
    {"Carta162_dc1950_Italiano", &dc1950, Italiano, "1950   Dopo la II guerra mondiale, soffia", 719},
    {"Carta162_dc1950_Francese", &dc1950, Francese, "1950 Après la 2ème guerre mondiale, l'anticolonialisme", 726},
    {"Carta162_dc1950_Spagnolo", &dc1950, Spagnolo, " 1950  Después de la Segunda Guerra Mundial", 726},
    {"Carta162_dc1950_Inglese", &dc1950, Inglese, "1950 After WWII a wind of anticolonialism", 716},
    {"Carta163_dc1967_Italiano", &dc1967, Italiano, "1967 Guerra dei sei giorni: ancora nel", 659},
    {"Carta163_dc1967_Francese", &dc1967, Francese, "1967: Guerre des Six jours (3ème guerre", 1027},
    {"Carta163_dc1967_Spagnolo", &dc1967, Spagnolo, "1967   Guerra de los Seis Días: en", 641},
    {"Carta163_dc1967_Inglese", &dc1967, Inglese, "1967 Six-Day War: in 1967 the Arab", 825},
    {"Carta164_dc1975_Italiano", &dc1975, Italiano, "1975   Tra il 1950 e il 1975", 472},
    {"Carta164_dc1975_Francese", &dc1975, Francese, "1975 Entre 1950 et 1975 le colonialisme", 564},
    {"Carta164_dc1975_Spagnolo", &dc1975, Spagnolo, "1975:  Entre 1950 y 1975 finaliza", 526},
    {"Carta164_dc1975_Inglese", &dc1975, Inglese, "1975 Colonialism ends between 1950 and 1975.", 492},
    {"Carta166_dc1991_Italiano", &dc1991, Italiano, "1991   La Lituania è seguita dalle altre", 506},
    {"Carta166_dc1991_Francese", &dc1991, Francese, "1991 Après la Lituanie les autres républiques", 503},
    {"Carta166_dc1991_Spagnolo", &dc1991, Spagnolo, "1991  Después de Lituania, Letonia y Estonia", 485},
    {"Carta166_dc1991_Inglese", &dc1991, Inglese, "1991 First Lithuania, then the other Baltic", 444},
    {"Carta167_dc1992_Italiano", &dc1992, Italiano, "1992   Dopo una crudele guerra civile,", 292},
    {"Carta167_dc1992_Francese", &dc1992, Francese, "1992 Après une guerre civile cruelle,", 299},
    {"Carta167_dc1992_Spagnolo", &dc1992, Spagnolo, "1992  Después de una cruel guerra civil,", 307},
    {"Carta167_dc1992_Inglese", &dc1992, Inglese, "1992 After a cruel civil war,", 245},
    {"Carta168_dc2000_Italiano", &dc2000, Italiano, "2000 Finito l'ordine mondiale basato sulla contrapposizione", 619},
    {"Carta168_dc2000_Francese", &dc2000, Francese, "2000 La disparition de l'ordre mondial basé", 639},
    {"Carta168_dc2000_Spagnolo", &dc2000, Spagnolo, "2000  En el mundo, el orden basado", 622},
    {"Carta168_dc2000_Inglese", &dc2000, Inglese, "2000 The world order based on the", 519},
};

// Failures name the row, not its bytes.
void PrintTo(const DescrizioneAttesa& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Descrizioni : public ::testing::TestWithParam<DescrizioneAttesa> {};

TEST_P(Carte136a168Descrizioni, IniziaEHaLaLunghezzaGiusta) {
    const auto& p = GetParam();
    const char* testo = p.carta->descrizione[p.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t{testo};
    EXPECT_TRUE(verifica::iniziaCon(t, p.inizio)) << "begins: " << t.substr(0, 60);
    EXPECT_EQ(verifica::caratteri(t), p.caratteri);
    // One paragraph on one line; a blank leads only where the opening has one, none trails.
    EXPECT_EQ(t.find('\n'), std::string_view::npos);
    EXPECT_EQ(t.find('\r'), std::string_view::npos);
    EXPECT_EQ(t.find('\t'), std::string_view::npos);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front() == ' ', p.inizio[0] == ' ');
    EXPECT_NE(t.back(), ' ');
    // Valid UTF-8 for the accented letters: no lone continuation or truncated sequence.
    std::size_t attese = 0;
    for (unsigned char c : t) {
        if (attese) {
            EXPECT_EQ(c & 0xC0, 0x80) << "broken UTF-8";
            --attese;
        } else if (c >= 0xF0) attese = 3;
        else if (c >= 0xE0) attese = 2;
        else if (c >= 0xC0) attese = 1;
        else EXPECT_LT(c, 0x80) << "stray continuation byte";
    }
    EXPECT_EQ(attese, 0u);
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Descrizioni, ::testing::ValuesIn(descrizioniAttese),
                         [](const auto& info) { return std::string(info.param.nome); });

// What each language's text says in its own way: numbers written in that
// language's form, names a version uses where the others do not.
struct FrammentoAtteso {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* frammento;
};

const FrammentoAtteso frammentiAttesi[] = {
    {"Carta136_Francese_DinastiaQing", &dc1700, Francese, "(1644-1911)"},
    {"Carta136_Inglese_Popolazione", &dc1700, Inglese, "600 million"},
    {"Carta142_Italiano_ZungariaTraParentesi", &dc1800, Italiano, "(1751)"},
    {"Carta142_Spagnolo_AnnoSenzaParentesiNeSpazio", &dc1800, Spagnolo, "Zungaria,1751"},
    {"Carta145_Inglese_DueSpaziTraLeFrasi", &dc1812, Inglese, "Poland.  Ferdinand VII"},
    {"Carta149_Inglese_Popolazione", &dc1850, Inglese, "1.2 billion"},
    {"Carta155_Inglese_Popolazione", &dc1900, Inglese, "1.6 billion"},
    {"Carta158_Francese_LibiaDal1912", &dc1925, Francese, "1912"},
    {"Carta158_Inglese_Commonwealth", &dc1925, Inglese, "British Commonwealth"},
    {"Carta162_Spagnolo_PuntoDelleMigliaia", &dc1950, Spagnolo, "2.400 millones"},
    {"Carta162_Inglese_Popolazione", &dc1950, Inglese, "2.4 billion"},
    {"Carta163_Italiano_SeiGiorniInCifra", &dc1967, Italiano, "in 6 giorni"},
    {"Carta163_Italiano_ProfughiSenzaSeparatore", &dc1967, Italiano, "400000"},
    {"Carta163_Spagnolo_ProfughiColPunto", &dc1967, Spagnolo, "400.000"},
    {"Carta163_Inglese_GiudeaESamaria", &dc1967, Inglese, "Judea and Samaria"},
    {"Carta163_Inglese_YomKippur", &dc1967, Inglese, "Yom Kippur"},
    {"Carta163_Francese_LeDueParti", &dc1967, Francese, "occupés..Quatre cent mille Palestiniens supplémentaires fuient"},
    {"Carta164_Francese_MissiliDel1962", &dc1975, Francese, "En 1962 les missiles"},
    {"Carta164_Francese_SpazioDelleMigliaia", &dc1975, Francese, "4 000 millions"},
    {"Carta164_Spagnolo_PuntoDelleMigliaia", &dc1975, Spagnolo, "4.000 millones"},
    {"Carta164_Inglese_UnoSpazioPrimaDellaPopolazione", &dc1975, Inglese, "war. The world population is 4 billion."},
    {"Carta166_Italiano_UzbekistanDueVolte", &dc1991, Italiano, "Uzbekistan, Turkmenistan, Uzbekistan"},
    {"Carta166_Spagnolo_DueSpaziNellUltimaFrase", &dc1991, Spagnolo, "socialista  a una"},
    {"Carta167_Spagnolo_DueSpaziPrimaDellaSlovacchia", &dc1992, Spagnolo, "y  la República Eslovaca"},
    {"Carta168_Italiano_PeriodoTraParentesi", &dc2000, Italiano, "(1950-90)"},
    {"Carta168_Francese_Popolazione", &dc2000, Francese, "6100 millions"},
    {"Carta168_Spagnolo_Periodo", &dc2000, Spagnolo, "entre 1950 y 1990"},
    {"Carta168_Spagnolo_Popolazione", &dc2000, Spagnolo, "6.100 millones"},
    {"Carta168_Inglese_Popolazione", &dc2000, Inglese, "6.1 billion"},
};

void PrintTo(const FrammentoAtteso& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Frammenti : public ::testing::TestWithParam<FrammentoAtteso> {};

TEST_P(Carte136a168Frammenti, IlTestoLoContiene) {
    const auto& p = GetParam();
    const std::string_view t{p.carta->descrizione[p.lingua]};
    EXPECT_NE(t.find(p.frammento), std::string_view::npos) << p.frammento;
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Frammenti, ::testing::ValuesIn(frammentiAttesi),
                         [](const auto& info) { return std::string(info.param.nome); });

// The French text of map 163 goes into the box in two writes, the second part
// appended to the first as read back: what stays is the whole text, the first
// part (499 characters, closing with its full stop) followed directly by the
// second (528, opening with a full stop of its own).
TEST(Carte136a168Testo1967Francese, PrimaParteESecondaParteInUnSoloTesto) {
    const std::string_view t{dc1967.descrizione[Francese]};
    const std::string_view prima = primiCaratteri(t, 499);
    const std::string_view seconda = t.substr(prima.size());
    EXPECT_EQ(verifica::caratteri(prima), 499u);
    EXPECT_EQ(verifica::caratteri(seconda), 528u);
    ASSERT_FALSE(prima.empty());
    EXPECT_EQ(prima.back(), '.');
    EXPECT_TRUE(verifica::iniziaCon(seconda, ".Quatre cent mille Palestiniens supplémentaires fuient"));
    // The second part carries no year of its own.
    EXPECT_EQ(seconda.find("1967"), std::string_view::npos);
}

// Map 136's French text is the one that closes without a full stop.
TEST(Carte136a168Testo1700Francese, FinisceSenzaPunto) {
    const std::string_view t{dc1700.descrizione[Francese]};
    ASSERT_FALSE(t.empty());
    EXPECT_NE(t.back(), '.');
    EXPECT_EQ(std::string_view{dc1700.descrizione[Italiano]}.back(), '.');
}

// The four languages of a map tell the same period in four different texts.
TEST(Carte136a168DescrizioniDistinte, OgniLinguaHaIlSuoTesto) {
    for (const ContenutoCarta* c : {&dc1700, &dc1800, &dc1812, &dc1850, &dc1900, &dc1925, &dc1950, &dc1967,
                                    &dc1975, &dc1991, &dc1992, &dc2000}) {
        std::set<std::string_view> testi;
        for (const char* d : c->descrizione) testi.insert(d ? d : "");
        EXPECT_EQ(testi.size(), 4u);
    }
}

// ---------------------------------------------------------------------------
// Shape: N, entry count, every entry placed, coloured and captioned in all four
// languages; which labels are the empty caption; the colours in use.

struct FormaAttesa {
    const char* nome;
    const ContenutoCarta* carta;
    int N;
    std::size_t voci;
    std::vector<int> vuote;  // captioned "" in every language
    std::vector<int> blu;    // 0xFF0000
    std::vector<int> rosse;  // 0x0000FF
    int bianche;             // 0xFFFFFF
    int nere;                // 0x000000
};

const FormaAttesa formeAttese[] = {
    {"Carta136_dc1700", &dc1700, NessunaPulizia, 36, {}, {30}, {12}, 9, 25},
    {"Carta142_dc1800", &dc1800, NessunaPulizia, 36, {29}, {3, 30}, {12}, 9, 24},
    {"Carta145_dc1812", &dc1812, NessunaPulizia, 36, {9, 29}, {3, 30}, {12}, 9, 24},
    {"Carta149_dc1850", &dc1850, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta155_dc1900", &dc1900, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta158_dc1925", &dc1925, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta162_dc1950", &dc1950, NessunaPulizia, 36, {}, {3, 30}, {21}, 14, 19},
    {"Carta163_dc1967", &dc1967, 32, 32, {}, {4, 5, 8, 9}, {}, 14, 14},
    {"Carta164_dc1975", &dc1975, NessunaPulizia, 36, {}, {3, 30}, {21}, 16, 17},
    {"Carta166_dc1991", &dc1991, NessunaPulizia, 36, {}, {5, 11}, {}, 18, 16},
    {"Carta167_dc1992", &dc1992, NessunaPulizia, 36, {}, {5, 11}, {}, 19, 15},
    {"Carta168_dc2000", &dc2000, NessunaPulizia, 36, {}, {3}, {21}, 16, 18},
};

void PrintTo(const FormaAttesa& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Forma : public ::testing::TestWithParam<FormaAttesa> {};

TEST_P(Carte136a168Forma, OgniEtichettaPostaColorataEScritta) {
    const auto& p = GetParam();
    const auto& carta = *p.carta;
    EXPECT_EQ(carta.primaDaPulire, p.N);
    ASSERT_EQ(carta.etichette.size(), p.voci);

    std::vector<int> vuote, blu, rosse;
    int bianche = 0, nere = 0;
    int atteso = 0;
    for (const auto& e : carta.etichette) {
        // Labels 0.. in order, one entry each: no label below N keeps an earlier map's caption.
        EXPECT_EQ(e.indice, atteso++);
        EXPECT_TRUE(e.posizione.has_value()) << "label " << e.indice;
        ASSERT_TRUE(e.ForeColor.has_value()) << "label " << e.indice;
        switch (*e.ForeColor) {
            case 0xFF0000: blu.push_back(e.indice); break;
            case 0x0000FF: rosse.push_back(e.indice); break;
            case 0xFFFFFF: ++bianche; break;
            case 0x000000: ++nere; break;
            default: ADD_FAILURE() << "label " << e.indice << " colour " << *e.ForeColor;
        }
        int senzaTesto = 0;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "label " << e.indice << " language " << l;
            EXPECT_LE(verifica::caratteri(e.didascalia[l]), 35u) << e.didascalia[l];
            if (e.didascalia[l][0] == '\0') ++senzaTesto;
        }
        EXPECT_TRUE(senzaTesto == 0 || senzaTesto == NumeroLingue) << "label " << e.indice;
        if (senzaTesto) vuote.push_back(e.indice);
    }
    EXPECT_EQ(vuote, p.vuote);
    EXPECT_EQ(blu, p.blu);
    EXPECT_EQ(rosse, p.rosse);
    EXPECT_EQ(bianche, p.bianche);
    EXPECT_EQ(nere, p.nere);
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Forma, ::testing::ValuesIn(formeAttese),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------
// Notable label entries: odd spellings, places off the 120-twip grid, empty
// captions, captions that differ in one language only.

struct EtichettaAttesa {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    Posizione posizione;
    std::uint32_t colore;
    std::array<const char*, NumeroLingue> didascalia;
};

const EtichettaAttesa etichetteAttese[] = {
    {"Carta136_Etichetta2_Moroc", &dc1700, 2, {2280, 6720}, 0xFFFFFFu, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {"Carta136_Etichetta5_SpagnaAbbreviata", &dc1700, 5, {2880, 3840}, 0x000000u, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {"Carta136_Etichetta6_MogholEmp", &dc1700, 6, {2520, 9120}, 0xFFFFFFu, {"Imp.Moghul", "Emp.Moghol", "Imp.Moghul", "Moghol Emp."}},
    {"Carta136_Etichetta12_DanimarcaRossa", &dc1700, 12, {840, 7080}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta136_Etichetta20_FuoriGriglia", &dc1700, 20, {1800, 4245}, 0x000000u, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {"Carta136_Etichetta24_OlaAbbreviata", &dc1700, 24, {4920, 7440}, 0x000000u, {"(Ola.)", "(Hol)", "(Hol)", "(Hol)"}},
    {"Carta136_Etichetta30_FungBlu", &dc1700, 30, {2880, 7920}, 0xFF0000u, {"Fung", "Fung", "Fung", "Fung"}},
    {"Carta142_Etichetta3_CinaBlu", &dc1800, 3, {1920, 9960}, 0xFF0000u, {"Cina (Qing)", "Chine (Qing)", "China (Qing)", "China (Qing)"}},
    {"Carta142_Etichetta15_Afganistan", &dc1800, 15, {2280, 9000}, 0xFFFFFFu, {"Afghanistan", "Afghanistan", "Afganistan", "Afghanistan"}},
    {"Carta142_Etichetta20_UsaFuoriGriglia", &dc1800, 20, {2240, 4250}, 0xFFFFFFu, {"USA", "USA", "USA", "USA"}},
    {"Carta142_Etichetta29_VuotaBianca", &dc1800, 29, {1440, 7680}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta145_Etichetta9_VuotaNera", &dc1812, 9, {5520, 6120}, 0x000000u, {"", "", "", ""}},
    {"Carta145_Etichetta18_IndiaSenzaGB", &dc1812, 18, {2880, 9360}, 0x000000u, {"India", "India (GB)", "India (GB)", "India (GB)"}},
    {"Carta145_Etichetta29_VuotaBianca", &dc1812, 29, {1440, 7680}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta149_Etichetta5_Equador", &dc1850, 5, {3600, 4080}, 0x000000u, {"Ecuador", "Equador", "Ecuador", "Ecuador"}},
    {"Carta149_Etichetta11_PeruAccentato", &dc1850, 11, {3960, 4560}, 0xFFFFFFu, {"Perù", "Peru", "Perù", "Peru"}},
    {"Carta149_Etichetta12_DanimarcaSpostata", &dc1850, 12, {720, 6000}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta149_Etichetta29_Afganistan", &dc1850, 29, {2160, 8880}, 0xFFFFFFu, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {"Carta149_Etichetta30_Chily", &dc1850, 30, {5040, 4440}, 0xFF0000u, {"Cile", "Chili", "Chile", "Chily"}},
    {"Carta155_Etichetta5_Left7720", &dc1900, 5, {2520, 7720}, 0xFFFFFFu, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {"Carta155_Etichetta11_AfricaOccidentale", &dc1900, 11, {2880, 6480}, 0xFFFFFFu, {"Africa Occ. Francese", "Afrique Occ. Française", "Africa Occ. Francesa", "Oc.French Africa"}},
    {"Carta155_Etichetta14_Top1880", &dc1900, 14, {1880, 7320}, 0x000000u, {"Italia", "Italie", "Italia", "Italy"}},
    {"Carta155_Etichetta24_BelgioLeft7540", &dc1900, 24, {3720, 7540}, 0xFFFFFFu, {"(Bel.)", "(Bel.)", "(Bel.)", "(Bel.)"}},
    {"Carta155_Etichetta27_Germania", &dc1900, 27, {3840, 7920}, 0x000000u, {"(GER)", "(ALL.)", "(Alem.)", "(GER)"}},
    {"Carta158_Etichetta2_Jugoslavia", &dc1925, 2, {1760, 7400}, 0x000000u, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {"Carta158_Etichetta4_URSS", &dc1925, 4, {960, 8400}, 0xFFFFFFu, {"U.R.S.S.", "U.R.S.S.", "U.R.S.S.", "U.S.S.R."}},
    {"Carta158_Etichetta10_Turkye", &dc1925, 10, {2040, 7920}, 0x000000u, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {"Carta158_Etichetta12_DanimarcaLeft5880", &dc1925, 12, {720, 5880}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta158_Etichetta25_ItaliaConESenzaPunto", &dc1925, 25, {2520, 7440}, 0x000000u, {"(Ita.)", "(Ita.)", "(Ita)", "(Ita)"}},
    {"Carta162_Etichetta20_GBNera", &dc1950, 20, {3840, 8040}, 0x000000u, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {"Carta162_Etichetta21_TailandiaRossa", &dc1950, 21, {2880, 9840}, 0x0000FFu, {"Tailandia", "Thailande", "Tailandia", "Thailand"}},
    {"Carta162_Etichetta25_IsraeleFuoriGriglia", &dc1950, 25, {2250, 7880}, 0x000000u, {"Israele", "Israel", "Israel", "Israel"}},
    {"Carta162_Etichetta35_Mejico", &dc1950, 35, {2760, 3720}, 0x000000u, {"Messico", "Mexique", "Mejico", "Mexico"}},
    {"Carta163_Etichetta0_SinaiConDieresi", &dc1967, 0, {3480, 9600}, 0xFFFFFFu, {"Sinai", "Sinaï", "Sinai", "Sinai"}},
    {"Carta163_Etichetta8_MareBlu", &dc1967, 8, {720, 3840}, 0xFF0000u, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {"Carta163_Etichetta12_Saoudite", &dc1967, 12, {4680, 6480}, 0xFFFFFFu, {"SAUDITA", "SAOUDITE", "SAUDITA", "SAUDITA"}},
    {"Carta163_Etichetta17_SiriaLeft11350", &dc1967, 17, {600, 11350}, 0xFFFFFFu, {"SIRIA", "SYRIE", "SIRIA", "SYRIA"}},
    {"Carta163_Etichetta24_SuezTop3440", &dc1967, 24, {3440, 3960}, 0x000000u, {"Suez", "Suez", "Suez", "Suez"}},
    {"Carta163_Etichetta30_Restituited", &dc1967, 30, {3720, 9120}, 0x000000u, {"Restituito all'Egitto", "Rendu à l'Egypte", "Restituido al Egipto", "Restituited to Egypt"}},
    {"Carta163_Etichetta31_AnniDellaRestituzione", &dc1967, 31, {3960, 9360}, 0x000000u, {"(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)"}},
    {"Carta164_Etichetta8_EtiopiaInOgniLingua", &dc1975, 8, {3240, 8040}, 0xFFFFFFu, {"Etiopia", "Etiopia", "Etiopia", "Etiopia"}},
    {"Carta164_Etichetta11_Algerie", &dc1975, 11, {2400, 6840}, 0xFFFFFFu, {"Algeria", "Algérie", "Algeria", "Algeria"}},
    {"Carta164_Etichetta20_Nigeria", &dc1975, 20, {3120, 7080}, 0xFFFFFFu, {"Nigeria", "Nigéria", "Nigeria", "Nigeria"}},
    {"Carta164_Etichetta24_Bangladesh", &dc1975, 24, {2640, 9720}, 0xFFFFFFu, {"Bangladesh", "Bangladesh", "Bangladesh", "Bangladesh"}},
    {"Carta166_Etichetta4_Azerbaizan", &dc1991, 4, {3840, 9600}, 0xFFFFFFu, {"Azerbaigian", "Azerbaidjan", "Azerbaizan", "Azerbaijan"}},
    {"Carta166_Etichetta9_UnitedKingdomMinuscolo", &dc1991, 9, {2520, 4440}, 0x000000u, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {"Carta166_Etichetta19_Macedon", &dc1991, 19, {4300, 6960}, 0x000000u, {"Macedonia", "Macédonie", "Macedonia", "Macedon"}},
    {"Carta166_Etichetta22_Top2505", &dc1991, 22, {2505, 7320}, 0x000000u, {"Bielorussia", "Biélorussie", "Bielorusia", "Belarus"}},
    {"Carta166_Etichetta23_BelgiqueInInglese", &dc1991, 23, {2880, 5280}, 0x000000u, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {"Carta166_Etichetta32_Danemark", &dc1991, 32, {2040, 5400}, 0x000000u, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {"Carta166_Etichetta33_Austriche", &dc1991, 33, {3480, 6120}, 0xFFFFFFu, {"Austria", "Austriche", "Austria", "Austria"}},
    {"Carta166_Etichetta34_Francia", &dc1991, 34, {3360, 5040}, 0x000000u, {"Francia", "France", "Francia", "France"}},
    {"Carta167_Etichetta3_Top4120", &dc1992, 3, {4120, 7200}, 0xFFFFFFu, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {"Carta167_Etichetta12_JugoslaviaSpostata", &dc1992, 12, {4020, 6780}, 0xFFFFFFu, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {"Carta167_Etichetta18_DueNomiDueSpazi", &dc1992, 18, {3165, 6240}, 0xFFFFFFu, {"Cechia  Slovacchia", "Tchèque  Slovaquie", "Chequia  Slovaquia", "Czekia  Slovakia"}},
    {"Carta167_Etichetta34_Bosnia", &dc1992, 34, {3900, 6480}, 0xFFFFFFu, {"Bosnia", "Bosnie", "Bosnia", "Bosnia"}},
    {"Carta168_Etichetta4_Russia", &dc2000, 4, {960, 8400}, 0xFFFFFFu, {"Russia", "Russie", "Rusia", "Russia"}},
    {"Carta168_Etichetta11_UcrainaInSpagnolo", &dc2000, 11, {1480, 7800}, 0x000000u, {"Ucraina", "Ukraine", "Ucraina", "Ukraine"}},
    {"Carta168_Etichetta30_Kazajstan", &dc2000, 30, {1560, 8640}, 0xFFFFFFu, {"Kazakistan", "Kazakhstan", "Kazajstán", "Kazakhstan"}},
};

void PrintTo(const EtichettaAttesa& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Etichette : public ::testing::TestWithParam<EtichettaAttesa> {};

TEST_P(Carte136a168Etichette, VoceComeNeiDati) {
    const auto& p = GetParam();
    const EtichettaCarta* e = voce(*p.carta, p.indice);
    ASSERT_NE(e, nullptr) << "no entry for label " << p.indice;
    ASSERT_TRUE(e->posizione.has_value());
    EXPECT_EQ(e->posizione->Top, p.posizione.Top);
    EXPECT_EQ(e->posizione->Left, p.posizione.Left);
    ASSERT_TRUE(e->ForeColor.has_value());
    EXPECT_EQ(*e->ForeColor, p.colore);
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_NE(e->didascalia[l], nullptr) << "language " << l;
        EXPECT_STREQ(e->didascalia[l], p.didascalia[l]) << "language " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Etichette, ::testing::ValuesIn(etichetteAttese),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------
// Maps that build on one another: the world maps of 1975 and 2000 keep most of
// the labels of the map before them, the 1967 map names every place twice.

struct CoppiaDiCarte {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::set<int> cambiate;
};

void PrintTo(const CoppiaDiCarte& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Continuita : public ::testing::TestWithParam<CoppiaDiCarte> {};

TEST_P(Carte136a168Continuita, SoloLeEtichetteAtteseCambiano) {
    const auto& p = GetParam();
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta* a = voce(*p.prima, i);
        const EtichettaCarta* b = voce(*p.dopo, i);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(!stessaVoce(*a, *b), p.cambiate.count(i) == 1) << "label " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Continuita,
                         ::testing::Values(CoppiaDiCarte{"Dal1950Al1975", &dc1950, &dc1975, {8, 11, 20, 24}},
                                           CoppiaDiCarte{"Dal1975Al2000", &dc1975, &dc2000, {4, 11, 30}}),
                         [](const auto& info) { return std::string(info.param.nome); });

// Map 163: fifteen pairs, one label in each panel, with the same captions and
// colour; the right copy stands this far to the right and this far lower.
struct CoppiaDiPannelli {
    const char* nome;
    int sinistra;
    int destra;
    int aDestraDi;
    int piuInBassoDi;  // negative: higher
};

const CoppiaDiPannelli coppieDiPannelli[] = {
    {"Sinai", 1, 0, 4440, -1200},    {"Gaza", 3, 2, 4440, 0},      {"Aqaba", 4, 5, 4440, 0},
    {"Egitto", 6, 7, 4320, 1680},    {"Mediterraneo", 8, 9, 4440, 0}, {"Arabia", 10, 11, 4440, 0},
    {"Saudita", 12, 13, 4440, 0},    {"Giordania", 14, 15, 4440, 0}, {"Siria", 16, 17, 4510, -240},
    {"Libano", 18, 19, 4440, 0},     {"TelAviv", 20, 21, 4320, 0},  {"Gerusalemme", 22, 23, 4440, 0},
    {"Suez", 24, 25, 4440, 40},      {"Amman", 26, 27, 4440, 0},    {"Damasco", 28, 29, 4440, 0},
};

void PrintTo(const CoppiaDiPannelli& p, std::ostream* os) { *os << p.nome; }

class Carte136a168Pannelli1967 : public ::testing::TestWithParam<CoppiaDiPannelli> {};

TEST_P(Carte136a168Pannelli1967, StessoNomeNeiDuePannelli) {
    const auto& p = GetParam();
    const EtichettaCarta* s = voce(dc1967, p.sinistra);
    const EtichettaCarta* d = voce(dc1967, p.destra);
    ASSERT_NE(s, nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(s->ForeColor, d->ForeColor);
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_STREQ(s->didascalia[l], d->didascalia[l]) << "language " << l;
    ASSERT_TRUE(s->posizione && d->posizione);
    EXPECT_EQ(d->posizione->Left - s->posizione->Left, p.aDestraDi);
    EXPECT_EQ(d->posizione->Top - s->posizione->Top, p.piuInBassoDi);
    // Left panel up to 6840, right panel from 8160.
    EXPECT_LE(s->posizione->Left, 6840);
    EXPECT_GE(d->posizione->Left, 8160);
}

INSTANTIATE_TEST_SUITE_P(Carte136a168, Carte136a168Pannelli1967, ::testing::ValuesIn(coppieDiPannelli),
                         [](const auto& info) { return std::string(info.param.nome); });

// The note on the returned Sinai stands once, under the right panel's Sinai label.
TEST(Carte136a168Nota1967, SottoIlSinaiDelPannelloDestro) {
    const EtichettaCarta* sinai = voce(dc1967, 0);
    const EtichettaCarta* nota = voce(dc1967, 30);
    const EtichettaCarta* anni = voce(dc1967, 31);
    ASSERT_TRUE(sinai && nota && anni);
    EXPECT_EQ(nota->posizione->Top - sinai->posizione->Top, 240);
    EXPECT_EQ(anni->posizione->Top - nota->posizione->Top, 240);
    EXPECT_GE(nota->posizione->Left, 8160);
    EXPECT_GE(anni->posizione->Left, 8160);
    EXPECT_EQ(voce(dc1967, 32), nullptr);
}

}  // namespace
