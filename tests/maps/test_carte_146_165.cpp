// Content of the Europe maps 146 to 165 (AD 1812 to 1990): descriptions, the
// labels worth checking one by one, the shape every one of these maps keeps
// (all 36 labels written, nothing emptied by range) and what changes between
// neighbouring maps that share a frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;

constexpr std::uint32_t Nero = 0x000000;
constexpr std::uint32_t Bianco = 0xFFFFFF;
constexpr std::uint32_t Blu = 0xFF0000;
constexpr std::uint32_t Rosso = 0x0000FF;

// The map picture ends here: a label at or below it shows nothing of the map.
constexpr int FondoCarta = 5295;

using verifica::voce;
using verifica::stessaVoce;

bool vuota(const EtichettaCarta& e) {
    return std::all_of(e.didascalia.begin(), e.didascalia.end(),
                       [](const char* d) { return d != nullptr && *d == '\0'; });
}

// ---------------------------------------------------------------------------
// Descriptions: the year with its exact blanks (and the leading blank of the
// three English texts that have one), then a word; the exact length in
// characters; only the Italian text of 1938 ends with a blank.

struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    bool biancoFinale;
};

void PrintTo(const RigaDescrizione& r, std::ostream* os) { *os << r.nome; }

const RigaDescrizione descrizioni[] = {
    {"Carta146Italiano", &dc1812eu, Italiano, "1812   ", 172, false},
    {"Carta146Francese", &dc1812eu, Francese, "1812 ", 181, false},
    {"Carta146Spagnolo", &dc1812eu, Spagnolo, "1812  ", 179, false},
    {"Carta146Inglese", &dc1812eu, Inglese, "1812  ", 167, false},
    {"Carta147Italiano", &dc1815, Italiano, "1815   ", 608, false},
    {"Carta147Francese", &dc1815, Francese, "1815 ", 662, false},
    {"Carta147Spagnolo", &dc1815, Spagnolo, "1815  ", 632, false},
    {"Carta147Inglese", &dc1815, Inglese, "1815  ", 630, false},
    {"Carta148Italiano", &dc1833, Italiano, "1833   ", 529, false},
    {"Carta148Francese", &dc1833, Francese, "1833 ", 713, false},
    {"Carta148Spagnolo", &dc1833, Spagnolo, "1833  ", 533, false},
    {"Carta148Inglese", &dc1833, Inglese, " 1833  ", 466, false},
    {"Carta150Italiano", &dc1861, Italiano, "1861   ", 629, false},
    {"Carta150Francese", &dc1861, Francese, "1861 ", 617, false},
    {"Carta150Spagnolo", &dc1861, Spagnolo, "1861  ", 619, false},
    {"Carta150Inglese", &dc1861, Inglese, "1861 ", 624, false},
    {"Carta151Italiano", &dc1866, Italiano, "1866   ", 176, false},
    {"Carta151Francese", &dc1866, Francese, "1866  ", 180, false},
    {"Carta151Spagnolo", &dc1866, Spagnolo, "1866  ", 167, false},
    {"Carta151Inglese", &dc1866, Inglese, " 1866  ", 161, false},
    {"Carta152Italiano", &dc1871, Italiano, "1871   ", 297, false},
    {"Carta152Francese", &dc1871, Francese, "1871  ", 347, false},
    {"Carta152Spagnolo", &dc1871, Spagnolo, "1871  ", 350, false},
    {"Carta152Inglese", &dc1871, Inglese, "1871  ", 391, false},
    {"Carta153Italiano", &dc1878, Italiano, "1878   ", 382, false},
    {"Carta153Francese", &dc1878, Francese, "1878 ", 367, false},
    {"Carta153Spagnolo", &dc1878, Spagnolo, "1878  ", 399, false},
    {"Carta153Inglese", &dc1878, Inglese, "1878  ", 414, false},
    {"Carta154Italiano", &dc1882, Italiano, "1882   ", 437, false},
    {"Carta154Francese", &dc1882, Francese, "1882 ", 461, false},
    {"Carta154Spagnolo", &dc1882, Spagnolo, "1882  ", 441, false},
    {"Carta154Inglese", &dc1882, Inglese, "1882  ", 421, false},
    {"Carta156Italiano", &dc1913, Italiano, "1913   ", 341, false},
    {"Carta156Francese", &dc1913, Francese, "1913  ", 354, false},
    {"Carta156Spagnolo", &dc1913, Spagnolo, "1913  ", 307, false},
    {"Carta156Inglese", &dc1913, Inglese, "1913  ", 282, false},
    {"Carta157Italiano", &dc1919, Italiano, "1919   ", 623, false},
    {"Carta157Francese", &dc1919, Francese, "1919 ", 681, false},
    {"Carta157Spagnolo", &dc1919, Spagnolo, "1919  ", 636, false},
    {"Carta157Inglese", &dc1919, Inglese, "1919 ", 659, false},
    {"Carta159Italiano", &dc1938, Italiano, "1938   ", 447, true},
    {"Carta159Francese", &dc1938, Francese, "1938 ", 464, false},
    {"Carta159Spagnolo", &dc1938, Spagnolo, "1938  ", 439, false},
    {"Carta159Inglese", &dc1938, Inglese, " 1938 ", 392, false},
    {"Carta160Italiano", &dc1939, Italiano, "1939   ", 225, false},
    {"Carta160Francese", &dc1939, Francese, "1939 ", 248, false},
    {"Carta160Spagnolo", &dc1939, Spagnolo, "1939  ", 206, false},
    {"Carta160Inglese", &dc1939, Inglese, "1939 ", 206, false},
    {"Carta161Italiano", &dc1945, Italiano, "1945   ", 433, false},
    {"Carta161Francese", &dc1945, Francese, "1945 ", 596, false},
    {"Carta161Spagnolo", &dc1945, Spagnolo, "1945  ", 451, false},
    {"Carta161Inglese", &dc1945, Inglese, "1945 ", 398, false},
    {"Carta165Italiano", &dc1990, Italiano, "1990   ", 289, false},
    {"Carta165Francese", &dc1990, Francese, "1990 ", 295, false},
    {"Carta165Spagnolo", &dc1990, Spagnolo, "1990  ", 245, false},
    {"Carta165Inglese", &dc1990, Inglese, "1990 ", 264, false},
};

class Carte146a165Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};

TEST_P(Carte146a165Descrizioni, AperturaLunghezzaEBordi) {
    const RigaDescrizione& r = GetParam();
    const char* testo = r.carta->descrizione[r.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t(testo);
    const std::string_view apertura(r.apertura);
    ASSERT_TRUE(verifica::iniziaCon(t, apertura)) << t;
    // The blanks after the year are exactly those of the opening.
    ASSERT_GT(t.size(), apertura.size());
    EXPECT_NE(t[apertura.size()], ' ') << t;
    EXPECT_EQ(verifica::caratteri(t), r.lunghezza) << t;
    EXPECT_EQ(t.back() == ' ', r.biancoFinale) << t;
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    })) << t;
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte146a165Descrizioni, ::testing::ValuesIn(descrizioni),
                         [](const ::testing::TestParamInfo<RigaDescrizione>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Labels worth checking one by one: odd spellings and blanks, captions that
// differ in one language only, the two-line name of 1815, labels parked below
// the picture or left empty on the map, labels that move between maps.

struct RigaEtichetta {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    int Top;
    int Left;
    std::uint32_t colore;
    std::array<const char*, NumeroLingue> didascalia;
};

void PrintTo(const RigaEtichetta& r, std::ostream* os) { *os << r.nome; }

const RigaEtichetta etichette[] = {
    {"Carta146Etichetta0", &dc1812eu, 0, 5760, 6240, Blu, {"", "", "", ""}},
    {"Carta146Etichetta6", &dc1812eu, 6, 2880, 5640, Nero, {"Conf.del Reno", "Conf.du Rhin", "Conf d.Reno", "Rhine Confed."}},
    {"Carta146Etichetta9", &dc1812eu, 9, 2240, 4680, Nero, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {"Carta146Etichetta19", &dc1812eu, 19, 4200, 3960, Nero, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {"Carta146Etichetta26", &dc1812eu, 26, 3720, 5760, Nero, {"R.d'Italia", "R.d'Italie", "R.Italico", "Italy Kdm"}},
    {"Carta146Etichetta27", &dc1812eu, 27, 3480, 5520, Bianco, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {"Carta146Etichetta30", &dc1812eu, 30, 5760, 9000, Rosso, {"", "", "", ""}},
    {"Carta146Etichetta31", &dc1812eu, 31, 2760, 6600, Bianco, {"D.di Varsavia", "D.de Varsavie", "D.Varsavia", "D.of Warsaw"}},
    {"Carta147Etichetta0", &dc1815, 0, 3840, 5400, Bianco, {"Sardegna", "Sardeigne", "Cerdeña", "Sardinia"}},
    {"Carta147Etichetta6", &dc1815, 6, 2770, 5760, Nero, {"Confed. Germanica", "Conf. Allemande", "Confed. Germànica", "Germanic Confed."}},
    {"Carta147Etichetta12", &dc1815, 12, 3720, 5400, Bianco, {"Regno di", "Roy. de", "Reino de", "Kdm of"}},
    {"Carta147Etichetta13", &dc1815, 13, 1520, 5880, Nero, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {"Carta147Etichetta20", &dc1815, 20, 5040, 3720, Nero, {"Wattasids", "Wattasids", "Wattasids", "Wattasids"}},
    {"Carta147Etichetta21", &dc1815, 21, 360, 4440, Nero, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {"Carta147Etichetta29", &dc1815, 29, 5760, 8640, Bianco, {"", "", "", ""}},
    {"Carta148Etichetta23", &dc1833, 23, 2880, 5280, Nero, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {"Carta148Etichetta25", &dc1833, 25, 5040, 4680, Nero, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (Fr)", "Algeria (Fr)"}},
    {"Carta148Etichetta30", &dc1833, 30, 5760, 9000, Rosso, {"", "", "", ""}},
    {"Carta150Etichetta3", &dc1861, 3, 3600, 10800, Nero, {"Turcomanni", "Turcomannes", "Turcomanos", "Turkmans"}},
    {"Carta150Etichetta25", &dc1861, 25, 5040, 4680, Nero, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {"Carta150Etichetta26", &dc1861, 26, 5760, 7560, Nero, {"", "", "", ""}},
    {"Carta150Etichetta35", &dc1861, 35, 5760, 9480, Nero, {"", "", "", ""}},
    {"Carta151Etichetta1", &dc1866, 1, 2760, 11040, Bianco, {"", "", "", ""}},
    {"Carta151Etichetta3", &dc1866, 3, 3600, 10800, Nero, {"", "", "", ""}},
    {"Carta151Etichetta4", &dc1866, 4, 3200, 11160, Bianco, {"", "", "", ""}},
    {"Carta152Etichetta6", &dc1871, 6, 2775, 5760, Nero, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {"Carta152Etichetta31", &dc1871, 31, 3600, 6600, Bianco, {"", "", "", ""}},
    {"Carta152Etichetta33", &dc1871, 33, 3480, 6120, Bianco, {"Impero Austroungarico", "Empire d'Autriche-Hongrie", "Imp. Austro-Húngaro", "Austro-hungarian Emp."}},
    {"Carta152Etichetta34", &dc1871, 34, 3240, 4800, Nero, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {"Carta153Etichetta1", &dc1878, 1, 4200, 6600, Nero, {"Montenegro", "Montenegro", "Montenegro", "Montenegro"}},
    {"Carta153Etichetta3", &dc1878, 3, 4080, 7200, Nero, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {"Carta153Etichetta4", &dc1878, 4, 5520, 8160, Bianco, {"", "", "", ""}},
    {"Carta153Etichetta31", &dc1878, 31, 5520, 6840, Bianco, {"", "", "", ""}},
    {"Carta154Etichetta4", &dc1882, 4, 5160, 5280, Bianco, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
    {"Carta156Etichetta10", &dc1913, 10, 1140, 5520, Nero, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {"Carta156Etichetta20", &dc1913, 20, 5040, 3720, Nero, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {"Carta156Etichetta31", &dc1913, 31, 4440, 6720, Nero, {"Albania", "Albanie", "Albania", "Albania"}},
    {"Carta157Etichetta10", &dc1919, 10, 1140, 5520, Nero, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {"Carta157Etichetta15", &dc1919, 15, 4560, 7920, Bianco, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {"Carta157Etichetta16", &dc1919, 16, 1920, 8160, Bianco, {"Unione Sovietica", "Union Soviétique", "Union Sovietica", "Sovietic Union"}},
    {"Carta157Etichetta33", &dc1919, 33, 3480, 6120, Bianco, {"Austria", "Austriche", "Austria", "Austria"}},
    {"Carta159Etichetta19", &dc1938, 19, 4200, 3960, Nero, {"Spagna", "Espagne", "España", "Spain"}},
    {"Carta160Etichetta18", &dc1939, 18, 3240, 6480, Bianco, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {"Carta160Etichetta31", &dc1939, 31, 4320, 6720, Nero, {"Albania-It", "Albanie-It", "Albania-It", "Albania-It"}},
    {"Carta161Etichetta6", &dc1945, 6, 3000, 5640, Nero, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
    {"Carta161Etichetta21", &dc1945, 21, 360, 4440, Bianco, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {"Carta161Etichetta26", &dc1945, 26, 6000, 8040, Bianco, {"", "", "", ""}},
    {"Carta161Etichetta29", &dc1945, 29, 2640, 6000, Bianco, {"Ger-Dem", "All-dem", "Alem-Dem", "Dem-Ger"}},
    {"Carta161Etichetta35", &dc1945, 35, 4920, 8880, Nero, {"Siria", "Syrie-Fr", "Siria", "Syria-Fr"}},
    {"Carta165Etichetta4", &dc1990, 4, 5160, 5280, Bianco, {"Tunisia", "Tunisie", "Túnez ", "Tunisia"}},
    {"Carta165Etichetta11", &dc1990, 11, 2640, 5280, Blu, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {"Carta165Etichetta26", &dc1990, 26, 6000, 8040, Bianco, {"", "", "", ""}},
    {"Carta165Etichetta29", &dc1990, 29, 2280, 6960, Bianco, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
};

class Carte146a165Etichette : public ::testing::TestWithParam<RigaEtichetta> {};

TEST_P(Carte146a165Etichette, VoceComeAttesa) {
    const RigaEtichetta& r = GetParam();
    const EtichettaCarta* e = voce(*r.carta, r.indice);
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->posizione.has_value());
    EXPECT_EQ(e->posizione->Top, r.Top);
    EXPECT_EQ(e->posizione->Left, r.Left);
    EXPECT_EQ(e->ForeColor, std::optional<std::uint32_t>(r.colore));
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_NE(e->didascalia[l], nullptr) << "lingua " << l;
        EXPECT_EQ(std::string_view(e->didascalia[l]), std::string_view(r.didascalia[l])) << "lingua " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(Notevoli, Carte146a165Etichette, ::testing::ValuesIn(etichette),
                         [](const ::testing::TestParamInfo<RigaEtichetta>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Shape: each of these maps writes all 36 labels in ascending order, each with
// a place, a colour of the four and a caption in every language, and empties
// nothing by range. The labels with the empty caption are exactly the listed
// ones; they stand below the picture, except the few left empty on the map.

struct RigaForma {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> vuote;
    std::vector<int> vuoteSullaCarta;
};

void PrintTo(const RigaForma& r, std::ostream* os) { *os << r.nome; }

const RigaForma forme[] = {
    {"Carta146", &dc1812eu, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {}},
    {"Carta147", &dc1815, {23, 25, 28, 29, 30}, {}},
    {"Carta148", &dc1833, {29, 30}, {}},
    {"Carta150", &dc1861, {26, 29, 30, 35}, {}},
    {"Carta151", &dc1866, {1, 3, 4, 26, 29, 30, 35}, {1, 3, 4}},
    {"Carta152", &dc1871, {1, 3, 4, 14, 18, 24, 26, 29, 30, 31, 35}, {1, 3, 4, 31}},
    {"Carta153", &dc1878, {4, 14, 18, 24, 26, 29, 30, 31, 35}, {}},
    {"Carta154", &dc1882, {14, 18, 24, 26, 29, 30, 31, 35}, {}},
    {"Carta156", &dc1913, {14, 18, 24, 26, 29, 30, 35}, {}},
    {"Carta157", &dc1919, {}, {}},
    {"Carta159", &dc1938, {}, {}},
    {"Carta160", &dc1939, {}, {}},
    {"Carta161", &dc1945, {26}, {}},
    {"Carta165", &dc1990, {26}, {}},
};

class Carte146a165Forma : public ::testing::TestWithParam<RigaForma> {};

TEST_P(Carte146a165Forma, TutteLeEtichetteScritte) {
    const RigaForma& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, NessunaPulizia);
    ASSERT_EQ(c.etichette.size(), static_cast<std::size_t>(NumeroEtichette));
    std::vector<int> vuote, vuoteSullaCarta;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta& e = c.etichette[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.indice, i);
        ASSERT_TRUE(e.posizione.has_value());
        ASSERT_TRUE(e.ForeColor.has_value());
        EXPECT_TRUE(*e.ForeColor == Nero || *e.ForeColor == Bianco || *e.ForeColor == Blu || *e.ForeColor == Rosso);
        for (int l = 0; l < NumeroLingue; ++l) ASSERT_NE(e.didascalia[l], nullptr) << "lingua " << l;
        if (vuota(e)) {
            vuote.push_back(i);
            if (e.posizione->Top < FondoCarta) vuoteSullaCarta.push_back(i);
        } else {
            // A label either names something in all four languages or in none.
            for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(*e.didascalia[l], '\0') << "lingua " << l;
            EXPECT_LT(e.posizione->Top, FondoCarta);
        }
    }
    EXPECT_EQ(vuote, r.vuote);
    EXPECT_EQ(vuoteSullaCarta, r.vuoteSullaCarta);
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte146a165Forma, ::testing::ValuesIn(forme),
                         [](const ::testing::TestParamInfo<RigaForma>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Neighbouring maps that share a frame: exactly the listed labels differ in
// place, colour or a caption.

struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
};

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << r.nome; }

const RigaConfronto confronti[] = {
    {"Da147a148", &dc1815, &dc1833, {11, 20, 23, 25, 28}},
    {"Da150a151", &dc1861, &dc1866, {1, 3, 4}},
    {"Da153a154", &dc1878, &dc1882, {4}},
    {"Da157a159", &dc1919, &dc1938, {19}},
    {"Da159a160", &dc1938, &dc1939, {18, 31}},
    {"Da161a165", &dc1945, &dc1990, {4, 6, 20, 25, 29, 35}},
};

class Carte146a165Confronti : public ::testing::TestWithParam<RigaConfronto> {};

TEST_P(Carte146a165Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta* a = voce(*r.prima, i);
        const EtichettaCarta* b = voce(*r.dopo, i);
        ASSERT_TRUE(a && b) << i;
        if (!stessaVoce(*a, *b)) diverse.push_back(i);
    }
    EXPECT_EQ(diverse, r.diverse);
}

INSTANTIATE_TEST_SUITE_P(Vicine, Carte146a165Confronti, ::testing::ValuesIn(confronti),
                         [](const ::testing::TestParamInfo<RigaConfronto>& i) {
                             return std::string(i.param.nome);
                         });

// 1815: the kingdom's title stands 120 twips above its name, at the same Left,
// in every language.
TEST(Carte146a165DueRighe, RegnoDiSardegnaSopraIlNome) {
    const EtichettaCarta* titolo = voce(dc1815, 12);
    const EtichettaCarta* nome = voce(dc1815, 0);
    ASSERT_TRUE(titolo && nome && titolo->posizione && nome->posizione);
    EXPECT_EQ(titolo->posizione->Left, nome->posizione->Left);
    EXPECT_EQ(nome->posizione->Top - titolo->posizione->Top, 120);
    EXPECT_EQ(titolo->ForeColor, nome->ForeColor);
}

}  // namespace
