// Content of the Europe and Middle East maps of AD 1913 to 1992, among maps 156 to 167 (maps/europe_1913_1992/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

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

const RigaDescrizione descrizioni[] = {
    {"Carta156Italiano", &dc1913, Italiano, "1913   ", 341, false, false, std::nullopt, 0},
    {"Carta156Francese", &dc1913, Francese, "1913  ", 354, false, false, std::nullopt, 0},
    {"Carta156Spagnolo", &dc1913, Spagnolo, "1913  ", 307, false, false, std::nullopt, 0},
    {"Carta156Inglese", &dc1913, Inglese, "1913  ", 282, false, false, std::nullopt, 0},
    {"Carta157Italiano", &dc1919, Italiano, "1919   ", 623, false, false, std::nullopt, 0},
    {"Carta157Francese", &dc1919, Francese, "1919 ", 681, false, false, std::nullopt, 0},
    {"Carta157Spagnolo", &dc1919, Spagnolo, "1919  ", 636, false, false, std::nullopt, 0},
    {"Carta157Inglese", &dc1919, Inglese, "1919 ", 659, false, false, std::nullopt, 0},
    {"Carta159Italiano", &dc1938, Italiano, "1938   ", 447, false, true, std::nullopt, 0},
    {"Carta159Francese", &dc1938, Francese, "1938 ", 464, false, false, std::nullopt, 0},
    {"Carta159Spagnolo", &dc1938, Spagnolo, "1938  ", 439, false, false, std::nullopt, 0},
    {"Carta159Inglese", &dc1938, Inglese, " 1938 ", 392, true, false, std::nullopt, 0},
    {"Carta160Italiano", &dc1939, Italiano, "1939   ", 225, false, false, std::nullopt, 0},
    {"Carta160Francese", &dc1939, Francese, "1939 ", 248, false, false, std::nullopt, 0},
    {"Carta160Spagnolo", &dc1939, Spagnolo, "1939  ", 206, false, false, std::nullopt, 0},
    {"Carta160Inglese", &dc1939, Inglese, "1939 ", 206, false, false, std::nullopt, 0},
    {"Carta161Italiano", &dc1945, Italiano, "1945   ", 433, false, false, std::nullopt, 0},
    {"Carta161Francese", &dc1945, Francese, "1945 ", 596, false, false, std::nullopt, 0},
    {"Carta161Spagnolo", &dc1945, Spagnolo, "1945  ", 451, false, false, std::nullopt, 0},
    {"Carta161Inglese", &dc1945, Inglese, "1945 ", 398, false, false, std::nullopt, 0},
    {"Carta163_dc1967_Italiano", &dc1967, Italiano, "1967 Guerra dei sei giorni: ancora nel", 659, false, false},
    {"Carta163_dc1967_Francese", &dc1967, Francese, "1967: Guerre des Six jours (3ème guerre", 1027, false, false},
    {"Carta163_dc1967_Spagnolo", &dc1967, Spagnolo, "1967   Guerra de los Seis Días: en", 641, false, false},
    {"Carta163_dc1967_Inglese", &dc1967, Inglese, "1967 Six-Day War: in 1967 the Arab", 825, false, false},
    {"Carta165Italiano", &dc1990, Italiano, "1990   ", 289, false, false, std::nullopt, 0},
    {"Carta165Francese", &dc1990, Francese, "1990 ", 295, false, false, std::nullopt, 0},
    {"Carta165Spagnolo", &dc1990, Spagnolo, "1990  ", 245, false, false, std::nullopt, 0},
    {"Carta165Inglese", &dc1990, Inglese, "1990 ", 264, false, false, std::nullopt, 0},
    {"Carta166_dc1991_Italiano", &dc1991, Italiano, "1991   La Lituania è seguita dalle altre", 506, false, false},
    {"Carta166_dc1991_Francese", &dc1991, Francese, "1991 Après la Lituanie les autres républiques", 503, false, false},
    {"Carta166_dc1991_Spagnolo", &dc1991, Spagnolo, "1991  Después de Lituania, Letonia y Estonia", 485, false, false},
    {"Carta166_dc1991_Inglese", &dc1991, Inglese, "1991 First Lithuania, then the other Baltic", 444, false, false},
    {"Carta167_dc1992_Italiano", &dc1992, Italiano, "1992   Dopo una crudele guerra civile,", 292, false, false},
    {"Carta167_dc1992_Francese", &dc1992, Francese, "1992 Après une guerre civile cruelle,", 299, false, false},
    {"Carta167_dc1992_Spagnolo", &dc1992, Spagnolo, "1992  Después de una cruel guerra civil,", 307, false, false},
    {"Carta167_dc1992_Inglese", &dc1992, Inglese, "1992 After a cruel civil war,", 245, false, false},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaFrammenti frammenti[] = {
    {"Carta163_Italiano_SeiGiorniInCifra", &dc1967, Italiano, {"in 6 giorni"}},
    {"Carta163_Italiano_ProfughiSenzaSeparatore", &dc1967, Italiano, {"400000"}},
    {"Carta163_Spagnolo_ProfughiColPunto", &dc1967, Spagnolo, {"400.000"}},
    {"Carta163_Inglese_CisgiordaniaEGerusalemmeEst", &dc1967, Inglese, {"the West Bank, East Jerusalem"}},
    {"Carta163_Inglese_YomKippur", &dc1967, Inglese, {"Yom Kippur"}},
    {"Carta163_Francese_LeDueParti", &dc1967, Francese, {"occupés..Quatre cent mille Palestiniens supplémentaires fuient"}},
    {"Carta166_Italiano_CinqueRepubblicheAsiatiche", &dc1991, Italiano, {"Kazakistan, Uzbekistan, Turkmenistan, Tagikistan, Kirghizistan"}},
    {"Carta166_Spagnolo_DueSpaziNellUltimaFrase", &dc1991, Spagnolo, {"socialista  a una"}},
    {"Carta167_Spagnolo_DueSpaziPrimaDellaSlovacchia", &dc1992, Spagnolo, {"y  la República Eslovaca"}},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Frammenti, ::testing::ValuesIn(frammenti), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta156Etichetta10", &dc1913, 10, Posizione{1140, 5520}, nero, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {"Carta156Etichetta20", &dc1913, 20, Posizione{5040, 3720}, nero, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {"Carta156Etichetta31", &dc1913, 31, Posizione{4440, 6720}, nero, {"Albania", "Albanie", "Albania", "Albania"}},
    {"Carta157Etichetta10", &dc1919, 10, Posizione{1140, 5520}, nero, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {"Carta157Etichetta15", &dc1919, 15, Posizione{4560, 7920}, bianco, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {"Carta157Etichetta16", &dc1919, 16, Posizione{1920, 8160}, bianco, {"Unione Sovietica", "Union Soviétique", "Union Sovietica", "Sovietic Union"}},
    {"Carta157Etichetta33", &dc1919, 33, Posizione{3480, 6120}, bianco, {"Austria", "Austriche", "Austria", "Austria"}},
    {"Carta159Etichetta19", &dc1938, 19, Posizione{4200, 3960}, nero, {"Spagna", "Espagne", "España", "Spain"}},
    {"Carta160Etichetta18", &dc1939, 18, Posizione{3240, 6480}, bianco, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {"Carta160Etichetta31", &dc1939, 31, Posizione{4320, 6720}, nero, {"Albania-It", "Albanie-It", "Albania-It", "Albania-It"}},
    {"Carta161Etichetta6", &dc1945, 6, Posizione{3000, 5640}, nero, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
    {"Carta161Etichetta21", &dc1945, 21, Posizione{360, 4440}, bianco, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {"Carta161Etichetta26", &dc1945, 26, Posizione{6000, 8040}, bianco, {"", "", "", ""}},
    {"Carta161Etichetta29", &dc1945, 29, Posizione{2640, 6000}, bianco, {"Ger-Dem", "All-dem", "Alem-Dem", "Dem-Ger"}},
    {"Carta161Etichetta35", &dc1945, 35, Posizione{4920, 8880}, nero, {"Siria", "Syrie-Fr", "Siria", "Syria-Fr"}},
    {"Carta163_Etichetta0_SinaiConDieresi", &dc1967, 0, Posizione{3480, 9600}, 0xFFFFFFu, {"Sinai", "Sinaï", "Sinai", "Sinai"}},
    {"Carta163_Etichetta8_MareBlu", &dc1967, 8, Posizione{720, 3840}, 0xFF0000u, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {"Carta163_Etichetta12_Saoudite", &dc1967, 12, Posizione{4680, 6480}, 0xFFFFFFu, {"SAUDITA", "SAOUDITE", "SAUDITA", "SAUDITA"}},
    {"Carta163_Etichetta17_SiriaLeft11350", &dc1967, 17, Posizione{600, 11350}, 0xFFFFFFu, {"SIRIA", "SYRIE", "SIRIA", "SYRIA"}},
    {"Carta163_Etichetta24_SuezTop3440", &dc1967, 24, Posizione{3440, 3960}, 0x000000u, {"Suez", "Suez", "Suez", "Suez"}},
    {"Carta163_Etichetta30_Restituited", &dc1967, 30, Posizione{3720, 9120}, 0x000000u, {"Restituito all'Egitto", "Rendu à l'Egypte", "Restituido al Egipto", "Restituited to Egypt"}},
    {"Carta163_Etichetta31_AnniDellaRestituzione", &dc1967, 31, Posizione{3960, 9360}, 0x000000u, {"(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)"}},
    {"Carta165Etichetta4", &dc1990, 4, Posizione{5160, 5280}, bianco, {"Tunisia", "Tunisie", "Túnez ", "Tunisia"}},
    {"Carta165Etichetta11", &dc1990, 11, Posizione{2640, 5280}, blu, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {"Carta165Etichetta26", &dc1990, 26, Posizione{6000, 8040}, bianco, {"", "", "", ""}},
    {"Carta165Etichetta29", &dc1990, 29, Posizione{2280, 6960}, bianco, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {"Carta166_Etichetta4_Azerbaizan", &dc1991, 4, Posizione{3840, 9600}, 0xFFFFFFu, {"Azerbaigian", "Azerbaidjan", "Azerbaizan", "Azerbaijan"}},
    {"Carta166_Etichetta9_UnitedKingdomMinuscolo", &dc1991, 9, Posizione{2520, 4440}, 0x000000u, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {"Carta166_Etichetta19_Macedon", &dc1991, 19, Posizione{4300, 6960}, 0x000000u, {"Macedonia", "Macédonie", "Macedonia", "Macedon"}},
    {"Carta166_Etichetta22_Top2505", &dc1991, 22, Posizione{2505, 7320}, 0x000000u, {"Bielorussia", "Biélorussie", "Bielorusia", "Belarus"}},
    {"Carta166_Etichetta23_BelgiqueInInglese", &dc1991, 23, Posizione{2880, 5280}, 0x000000u, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {"Carta166_Etichetta32_Danemark", &dc1991, 32, Posizione{2040, 5400}, 0x000000u, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {"Carta166_Etichetta33_Austriche", &dc1991, 33, Posizione{3480, 6120}, 0xFFFFFFu, {"Austria", "Austriche", "Austria", "Austria"}},
    {"Carta166_Etichetta34_Francia", &dc1991, 34, Posizione{3360, 5040}, 0x000000u, {"Francia", "France", "Francia", "France"}},
    {"Carta167_Etichetta3_Top4120", &dc1992, 3, Posizione{4120, 7200}, 0xFFFFFFu, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {"Carta167_Etichetta12_JugoslaviaSpostata", &dc1992, 12, Posizione{4020, 6780}, 0xFFFFFFu, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {"Carta167_Etichetta18_DueNomiDueSpazi", &dc1992, 18, Posizione{3165, 6240}, 0xFFFFFFu, {"Cechia  Slovacchia", "Tchèque  Slovaquie", "Chequia  Slovaquia", "Czekia  Slovakia"}},
    {"Carta167_Etichetta34_Bosnia", &dc1992, 34, Posizione{3900, 6480}, 0xFFFFFFu, {"Bosnia", "Bosnie", "Bosnia", "Bosnia"}},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaConVuote formeConVuote[] = {
    {"Carta156", &dc1913, {14, 18, 24, 26, 29, 30, 35}, {}},
    {"Carta157", &dc1919, {}, {}},
    {"Carta159", &dc1938, {}, {}},
    {"Carta160", &dc1939, {}, {}},
    {"Carta161", &dc1945, {26}, {}},
    {"Carta165", &dc1990, {26}, {}},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, FormaConVuote, ::testing::ValuesIn(formeConVuote), NomeRiga());

const RigaColori formeColori[] = {
    {"Carta163_dc1967", &dc1967, 32, 32, {}, {4, 5, 8, 9}, {}, 14, 14},
    {"Carta166_dc1991", &dc1991, NessunaPulizia, 36, {}, {5, 11}, {}, 18, 16},
    {"Carta167_dc1992", &dc1992, NessunaPulizia, 36, {}, {5, 11}, {}, 19, 15},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, FormaColori, ::testing::ValuesIn(formeColori), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da157a159", &dc1919, &dc1938, {19}, true},
    {"Da159a160", &dc1938, &dc1939, {18, 31}, true},
    {"Da161a165", &dc1945, &dc1990, {4, 6, 20, 25, 29, 35}, true},
};
INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// The French text of map 163 goes into the box in two writes, the second part
// appended to the first as read back: what stays is the whole text, the first
// part (499 characters, closing with its full stop) followed directly by the
// second (528, opening with a full stop of its own).
TEST(Europe1913a1992Testo1967Francese, PrimaParteESecondaParteInUnSoloTesto) {
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

class Pannelli1967 : public ::testing::TestWithParam<CoppiaDiPannelli> {};

TEST_P(Pannelli1967, StessoNomeNeiDuePannelli) {
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

INSTANTIATE_TEST_SUITE_P(Europe1913a1992, Pannelli1967, ::testing::ValuesIn(coppieDiPannelli),
                         [](const auto& info) { return std::string(info.param.nome); });

// The note on the returned Sinai stands once, under the right panel's Sinai label.
TEST(Europe1913a1992Nota1967, SottoIlSinaiDelPannelloDestro) {
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
