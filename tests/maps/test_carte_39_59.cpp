// Content of maps 39 to 53 (626 BC to 431 BC) and 55 to 59 (396 BC to 348 BC):
// descriptions, notable labels, the shape of each map and what neighbouring
// maps that share a frame change between them.
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

using verifica::voce;
using verifica::stesseDidascalie;
using verifica::stessaPosizione;
using verifica::stessaVoce;

// ---------------------------------------------------------------------------
// Descriptions: each starts with its fixed opening (the blanks after the era
// vary from map to map) and has its exact length in characters; only the
// three noted texts begin or end with a blank.

struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    bool biancoIniziale;
    bool biancoFinale;
};

void PrintTo(const RigaDescrizione& r, std::ostream* os) { *os << r.nome; }

const RigaDescrizione descrizioni[] = {
    {"Carta39Italiano", &ac626, Italiano, "626 a.C.   - I MEDI devono", 408, false, false},
    {"Carta39Francese", &ac626, Francese, "626 Av. J.-C. - Les Mèdes", 438, false, false},
    {"Carta39Spagnolo", &ac626, Spagnolo, "626 a.C. Los medios tienen", 404, false, false},
    {"Carta39Inglese", &ac626, Inglese, "626 B.C. - The MEDIANS must", 373, false, false},
    {"Carta40Italiano", &ac612, Italiano, "612 a.C.   Scompare l'Impero Assiro:", 202, false, false},
    {"Carta40Francese", &ac612, Francese, "612 Av. J.-C. L'empire assyrien", 217, false, false},
    {"Carta40Spagnolo", &ac612, Spagnolo, "612 a.C. El imperio asirio", 231, false, false},
    {"Carta40Inglese", &ac612, Inglese, "612 B.C. The Assyrian Empire", 208, false, false},
    {"Carta41Italiano", &ac587, Italiano, "587 a.C.   I babilonesi della", 398, false, false},
    {"Carta41Francese", &ac587, Francese, "587 Av. J.-C. Les Babyloniens", 420, false, false},
    {"Carta41Spagnolo", &ac587, Spagnolo, "587 a.C. Los babilonios de", 399, false, false},
    {"Carta41Inglese", &ac587, Inglese, "587 B.C. The Babylonians of", 382, false, false},
    {"Carta42Italiano", &ac550, Italiano, "550 a.C.   Il persiano Ciro", 317, false, false},
    {"Carta42Francese", &ac550, Francese, "550 Av. J.-C. Le perse Cyrus", 334, false, false},
    {"Carta42Spagnolo", &ac550, Spagnolo, "550 a.C. El persa Ciro", 322, false, false},
    {"Carta42Inglese", &ac550, Inglese, "550 B.C. Cyrus the Great,", 286, false, false},
    {"Carta43Italiano", &ac536, Italiano, "536 a.C.  Ciro il Grande", 263, false, false},
    {"Carta43Francese", &ac536, Francese, "536 Av. J.-C. Cyrus le Grand", 263, false, false},
    {"Carta43Spagnolo", &ac536, Spagnolo, "536 a.C. Ciro el grande", 279, false, false},
    {"Carta43Inglese", &ac536, Inglese, "536 B.C. Cyrus the Great", 278, false, false},
    {"Carta44Italiano", &ac525, Italiano, "525 a.C.  Cambise II", 120, false, false},
    {"Carta44Francese", &ac525, Francese, "525 Av. J.-C. Cambyses II", 125, false, false},
    {"Carta44Spagnolo", &ac525, Spagnolo, "525 a.C. Cambises II", 130, false, false},
    {"Carta44Inglese", &ac525, Inglese, "525 B.C. Cambyses II", 123, false, false},
    {"Carta45Italiano", &ac512, Italiano, "512 a.C.  L'imperatore persiano", 365, false, false},
    {"Carta45Francese", &ac512, Francese, "512 Av. J.-C. Darius, empereur", 399, false, false},
    {"Carta45Spagnolo", &ac512, Spagnolo, "512 a.C. El emperador", 369, false, false},
    {"Carta45Inglese", &ac512, Inglese, "512 B.C. The Persian", 361, false, false},
    {"Carta46Italiano", &ac500, Italiano, "500 a.C.  Nel Mediterraneo", 591, false, false},
    {"Carta46Francese", &ac500, Francese, "500 Av. J.-C. La puissance", 634, false, false},
    {"Carta46Spagnolo", &ac500, Spagnolo, "500 a.C. En el", 647, false, false},
    {"Carta46Inglese", &ac500, Inglese, "500 B.C. On the", 594, false, false},
    {"Carta47Italiano", &ac492, Italiano, "492 a.C.    Atene si", 251, false, false},
    {"Carta47Francese", &ac492, Francese, "492 Av. J.-C. A Athènes", 244, false, false},
    {"Carta47Spagnolo", &ac492, Spagnolo, "492 a.C. Atenas se", 274, false, false},
    {"Carta47Inglese", &ac492, Inglese, "492 B.C. Athens is", 248, false, false},
    {"Carta48Italiano", &ac490, Italiano, "490 a.C.    Dario non", 274, false, false},
    {"Carta48Francese", &ac490, Francese, "490 Av. J.-C. Darius III", 262, false, false},
    {"Carta48Spagnolo", &ac490, Spagnolo, "490 a.C. Dario no", 267, false, false},
    {"Carta48Inglese", &ac490, Inglese, "490 B.C. Darius does", 245, false, false},
    {"Carta49Italiano", &ac481, Italiano, "481 a.C.   Serse succede", 155, false, false},
    {"Carta49Francese", &ac481, Francese, "481 Av. J.-C. Xerxès succède", 204, false, false},
    {"Carta49Spagnolo", &ac481, Spagnolo, "481 a.C. Jerjes sucede", 140, false, false},
    {"Carta49Inglese", &ac481, Inglese, "481 B.C. Emperor Xerxes", 162, false, false},
    {"Carta50Italiano", &ac480, Italiano, "480 a.C.   L'esercito greco", 245, false, false},
    {"Carta50Francese", &ac480, Francese, "480 Av. J.-C. L'armée grecque", 278, false, false},
    {"Carta50Spagnolo", &ac480, Spagnolo, "480 a.C. El ejército griego", 257, false, false},
    {"Carta50Inglese", &ac480, Inglese, "480 B.C. The Greek army", 235, false, false},
    {"Carta51Italiano", &ac479, Italiano, "479 a.C.    I Greci", 266, false, false},
    {"Carta51Francese", &ac479, Francese, "479 Av. J.-C. Les Grecs", 267, false, false},
    {"Carta51Spagnolo", &ac479, Spagnolo, "479 a.C. Los griegos", 237, false, false},
    {"Carta51Inglese", &ac479, Inglese, "479 B.C. The Greeks", 252, false, false},
    {"Carta52Italiano", &ac461, Italiano, "461-446 a.C.    Dopo la vittoria", 287, false, true},
    {"Carta52Francese", &ac461, Francese, "461-446 Av. J.-C. Après la", 332, false, false},
    {"Carta52Spagnolo", &ac461, Spagnolo, "461-446 a.C. En Grecia", 294, false, false},
    {"Carta52Inglese", &ac461, Inglese, "461-446 B.C. After the", 296, false, false},
    {"Carta53Italiano", &ac431, Italiano, "431-405 a.C.   Inizia la", 323, false, false},
    {"Carta53Francese", &ac431, Francese, "431-405 Av. J.-C. On est", 321, false, false},
    {"Carta53Spagnolo", &ac431, Spagnolo, "431-405 a.C. Comienza la", 316, false, false},
    {"Carta53Inglese", &ac431, Inglese, "431-405 B.C. The' Second", 292, false, false},
    {"Carta55Italiano", &ac396, Italiano, "396 a.C.    Con la conquista", 140, false, false},
    {"Carta55Francese", &ac396, Francese, "396 Av. J.-C. Par la conquête", 148, false, false},
    {"Carta55Spagnolo", &ac396, Spagnolo, "396 a.C. Con la conquista", 139, false, false},
    {"Carta55Inglese", &ac396, Inglese, "396 B.C. With the conquest", 143, false, false},
    {"Carta56Italiano", &ac390, Italiano, "390 a.C.    I Galli,", 97, false, false},
    {"Carta56Francese", &ac390, Francese, " 390 Av. J.-C. Les Gaulois,", 91, true, false},
    {"Carta56Spagnolo", &ac390, Spagnolo, "390 a.C. Los galos", 86, false, false},
    {"Carta56Inglese", &ac390, Inglese, "390 B.C. The Galliums,", 92, false, true},
    {"Carta57Italiano", &ac382, Italiano, "382 a.C.    Tebe, che era", 362, false, false},
    {"Carta57Francese", &ac382, Francese, "382 Av.J.-C. Préoccupée par", 391, false, false},
    {"Carta57Spagnolo", &ac382, Spagnolo, "382 a.C. Tebas, aliada de", 369, false, false},
    {"Carta57Inglese", &ac382, Inglese, "382 B.C. Thebes, allied to", 324, false, false},
    {"Carta58Italiano", &ac357, Italiano, "357 a.C.    Inizia la guerra", 169, false, false},
    {"Carta58Francese", &ac357, Francese, "357 av. J.- C. Début de", 254, false, false},
    {"Carta58Spagnolo", &ac357, Spagnolo, "357 a.C. Inicio de la", 182, false, false},
    {"Carta58Inglese", &ac357, Inglese, "357 B.C. The war between", 202, false, false},
    {"Carta59Italiano", &ac348, Italiano, "348 a.C.     Tra il 356", 220, false, false},
    {"Carta59Francese", &ac348, Francese, "348 av. J.- C. Entre 356", 211, false, false},
    {"Carta59Spagnolo", &ac348, Spagnolo, "348 a.C. Entre 356 y", 194, false, false},
    {"Carta59Inglese", &ac348, Inglese, "348 B.C. Between", 212, false, false},
};

class Carte39a59Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};

TEST_P(Carte39a59Descrizioni, AperturaELunghezza) {
    const RigaDescrizione& r = GetParam();
    const char* testo = r.carta->descrizione[r.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t(testo);
    EXPECT_TRUE(verifica::iniziaCon(t, r.apertura)) << t;
    EXPECT_EQ(verifica::caratteri(t), r.lunghezza) << t;
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front() == ' ', r.biancoIniziale) << t;
    EXPECT_EQ(t.back() == ' ', r.biancoFinale) << t;
    // One paragraph on one line, no tabs or stray control characters.
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    })) << t;
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte39a59Descrizioni, ::testing::ValuesIn(descrizioni),
                         [](const ::testing::TestParamInfo<RigaDescrizione>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Labels worth checking one by one: odd spellings, labels left in the colour
// of the map drawn before, explicit empty captions, labels at or above the
// emptied start, the label placed with no caption at all, labels that move.

struct RigaEtichetta {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    std::optional<Posizione> posizione;
    std::optional<std::uint32_t> colore;
    std::array<const char*, NumeroLingue> didascalia;
};

void PrintTo(const RigaEtichetta& r, std::ostream* os) { *os << r.nome; }

const RigaEtichetta etichette[] = {
    {"Carta39Etichetta4", &ac626, 4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {"Carta39Etichetta7", &ac626, 7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta39Etichetta15", &ac626, 15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {"Carta39Etichetta22", &ac626, 22, Posizione{2520, 7440}, 0xFFFFFF, {"Impero Assiro", "Empire Assyrien", "Imperio Asirio", "Assyrian Empire"}},
    {"Carta39Etichetta26", &ac626, 26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {"Carta39Etichetta27", &ac626, 27, Posizione{1080, 7680}, std::nullopt, {"Sciti", "Scythes", "Escites", "Scythyans"}},
    {"Carta39Etichetta28", &ac626, 28, Posizione{1200, 9600}, std::nullopt, {"Sciti", "Scythes", "Escites", "Scythyans"}},
    {"Carta40Etichetta22", &ac612, 22, Posizione{2640, 6960}, 0xFFFFFF, {"Impero Neo-Babilonese", "Empire Néo-Babylonien", "Imperio NeoBabilonio", "New Babylonian Empire"}},
    {"Carta40Etichetta24", &ac612, 24, Posizione{2280, 8640}, 0xFFFFFF, {"MEDIA", "MEDIA", "MEDIA", "MEDIA"}},
    {"Carta41Etichetta27", &ac587, 27, Posizione{1920, 6240}, 0xFFFFFF, {"Cilicia", "Cilicie", "Cilicia", "Cilicia"}},
    {"Carta42Etichetta24", &ac550, 24, Posizione{1440, 7680}, 0xFFFFFF, {"Armenia", "Armenie", "Armenia", "Armenia"}},
    {"Carta42Etichetta28", &ac550, 28, Posizione{2240, 8280}, 0xFFFFFF, {"IMPERO PERSIANO", "EMPIRE PERSE", "IMPERIO PERSA", "PERSIAN EMPIRE"}},
    {"Carta43Etichetta10", &ac536, 10, Posizione{2520, 6700}, std::nullopt, {"Damasco", "Damas", "Damasco", "Damascus"}},
    {"Carta43Etichetta16", &ac536, 16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {"Carta43Etichetta17", &ac536, 17, Posizione{3960, 5280}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta43Etichetta22", &ac536, 22, Posizione{2640, 6960}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta44Etichetta17", &ac525, 17, Posizione{3960, 5280}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta44Etichetta22", &ac525, 22, Posizione{3480, 9240}, 0x000000, {"Persepoli", "Persépolis", "Persépolis", "Persepolis"}},
    {"Carta45Etichetta17", &ac512, 17, Posizione{1200, 5040}, 0xFFFFFF, {"Tracia", "Thrace", "Tracia", "Thracia"}},
    {"Carta46Etichetta1", &ac500, 1, Posizione{1440, 9120}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Mongoles", "Turcs-Mongols"}},
    {"Carta46Etichetta4", &ac500, 4, Posizione{2160, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta46Etichetta7", &ac500, 7, Posizione{2880, 3840}, 0x000000, {"Comm.agricole", "Comm.agricoles", "Comu.agricolas", "Agricultural comm."}},
    {"Carta46Etichetta10", &ac500, 10, Posizione{2040, 9000}, 0xFFFFFF, {"Battriana", "Bactriane", "Bactriana", "Bactria"}},
    {"Carta46Etichetta11", &ac500, 11, Posizione{2040, 7480}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {"Carta46Etichetta12", &ac500, 12, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {"Carta47Etichetta26", &ac492, 26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {"Carta48Etichetta11", &ac490, 11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {"Carta49Etichetta24", &ac481, 24, Posizione{1440, 7680}, 0xFFFFFF, {"Armenia", "Armenie", "Armenia", "Armenia"}},
    {"Carta50Etichetta6", &ac480, 6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {"Carta51Etichetta20", &ac479, 20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {"Carta52Etichetta25", &ac461, 25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {"Carta53Etichetta8", &ac431, 8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {"Carta55Etichetta2", &ac396, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {"Carta55Etichetta8", &ac396, 8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {"Carta55Etichetta15", &ac396, 15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {"Carta55Etichetta23", &ac396, 23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {"Carta55Etichetta25", &ac396, 25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
    {"Carta56Etichetta2", &ac390, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta56Etichetta20", &ac390, 20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {"Carta57Etichetta2", &ac382, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta57Etichetta19", &ac382, 19, Posizione{4920, 9720}, 0x000000, {"Stati Indiani", "Etats Indiens", "Estados Indianos", "Indian States"}},
    {"Carta58Etichetta2", &ac357, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta58Etichetta19", &ac357, 19, Posizione{4920, 10100}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {"Carta59Etichetta2", &ac348, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {"Carta59Etichetta19", &ac348, 19, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {"Carta59Etichetta26", &ac348, 26, Posizione{8000, 9800}, std::nullopt, {nullptr, nullptr, nullptr, nullptr}},
};

class Carte39a59Etichette : public ::testing::TestWithParam<RigaEtichetta> {};

TEST_P(Carte39a59Etichette, VoceComeAttesa) {
    const RigaEtichetta& r = GetParam();
    const EtichettaCarta* e = voce(*r.carta, r.indice);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->posizione.has_value(), r.posizione.has_value());
    if (r.posizione) {
        EXPECT_EQ(e->posizione->Top, r.posizione->Top);
        EXPECT_EQ(e->posizione->Left, r.posizione->Left);
    }
    EXPECT_EQ(e->ForeColor, r.colore);
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_EQ(e->didascalia[l] == nullptr, r.didascalia[l] == nullptr) << "lingua " << l;
        if (r.didascalia[l] != nullptr) {
            EXPECT_EQ(std::string_view(e->didascalia[l]), std::string_view(r.didascalia[l]))
                << "lingua " << l;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Notevoli, Carte39a59Etichette, ::testing::ValuesIn(etichette),
                         [](const ::testing::TestParamInfo<RigaEtichetta>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Shape of each map: the first emptied label, the number of entries, which
// entries stand at or above it, which labels get no colour, and the rules these
// maps keep: ascending indices, every label below the emptied start present and
// placed, every entry captioned in all four languages but the listed ones.

struct RigaForma {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
    std::vector<int> sopraN;
    std::vector<int> senzaColore;
    std::vector<int> senzaDidascalia;
};

void PrintTo(const RigaForma& r, std::ostream* os) { *os << r.nome; }

// The cities of the Near East frame keep the colour the previous map left.
const std::vector<int> cittaSenzaColore{10, 11, 12, 14, 15, 18, 20, 26};

const RigaForma forme[] = {
    {"Carta39", &ac626, 26, 29, {26, 27, 28}, {10, 11, 12, 14, 15, 18, 20, 26, 27, 28}, {}},
    {"Carta40", &ac612, 27, 27, {}, cittaSenzaColore, {}},
    {"Carta41", &ac587, 28, 28, {}, cittaSenzaColore, {}},
    {"Carta42", &ac550, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta43", &ac536, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta44", &ac525, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta45", &ac512, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta46", &ac500, 13, 13, {}, {}, {}},
    {"Carta47", &ac492, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta48", &ac490, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta49", &ac481, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta50", &ac480, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta51", &ac479, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta52", &ac461, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta53", &ac431, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta55", &ac396, 26, 26, {}, {}, {}},
    {"Carta56", &ac390, 26, 26, {}, {}, {}},
    {"Carta57", &ac382, 26, 26, {}, {}, {}},
    {"Carta58", &ac357, 26, 26, {}, {}, {}},
    {"Carta59", &ac348, 26, 27, {26}, {26}, {26}},
};

class Carte39a59Forma : public ::testing::TestWithParam<RigaForma> {};

TEST_P(Carte39a59Forma, VociColoriEPulizia) {
    const RigaForma& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    EXPECT_EQ(c.etichette.size(), r.voci);

    int precedente = -1;
    std::vector<int> sopra, senzaColore, senzaDidascalia;
    for (const EtichettaCarta& e : c.etichette) {
        EXPECT_GT(e.indice, precedente) << "indici non crescenti";
        EXPECT_GE(e.indice, 0);
        EXPECT_LT(e.indice, NumeroEtichette);
        precedente = e.indice;
        if (e.indice >= c.primaDaPulire) sopra.push_back(e.indice);
        if (!e.ForeColor) senzaColore.push_back(e.indice);
        EXPECT_TRUE(e.posizione.has_value()) << "etichetta " << e.indice;
        const auto scritte = std::count_if(e.didascalia.begin(), e.didascalia.end(),
                                           [](const char* d) { return d != nullptr; });
        // A caption is written in all four languages or in none.
        EXPECT_TRUE(scritte == 0 || scritte == NumeroLingue) << "etichetta " << e.indice;
        if (scritte == 0) senzaDidascalia.push_back(e.indice);
        for (const char* d : e.didascalia) {
            if (d) {
                EXPECT_LE(verifica::caratteri(d), 35u) << "etichetta " << e.indice;
            }
        }
    }
    EXPECT_EQ(sopra, r.sopraN);
    EXPECT_EQ(senzaColore, r.senzaColore);
    EXPECT_EQ(senzaDidascalia, r.senzaDidascalia);
    for (int i = 0; i < c.primaDaPulire; ++i)
        EXPECT_NE(voce(c, i), nullptr) << "manca l'etichetta " << i;
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte39a59Forma, ::testing::ValuesIn(forme),
                         [](const ::testing::TestParamInfo<RigaForma>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Neighbouring maps that share a frame: exactly the listed labels differ
// (place, colour or a caption); every other label index is written the same
// way by both maps, or by neither.

struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
};

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << r.nome; }

const RigaConfronto confronti[] = {
    {"Da39a40", &ac626, &ac612, {22, 24, 27, 28}},
    {"Da40a41", &ac612, &ac587, {27}},
    {"Da41a42", &ac587, &ac550, {24, 28}},
    {"Da42a43", &ac550, &ac536, {10, 16, 17, 22}},
    {"Da43a44", &ac536, &ac525, {22}},
    {"Da44a45", &ac525, &ac512, {17}},
    {"Da45a47", &ac512, &ac492, {}},
    {"Da47a48", &ac492, &ac490, {}},
    {"Da48a49", &ac490, &ac481, {}},
    {"Da49a50", &ac481, &ac480, {}},
    {"Da50a51", &ac480, &ac479, {}},
    {"Da51a52", &ac479, &ac461, {}},
    {"Da52a53", &ac461, &ac431, {}},
    {"Da55a56", &ac396, &ac390, {2}},
    {"Da55a57", &ac396, &ac382, {2}},
    {"Da56a57", &ac390, &ac382, {}},
    {"Da57a58", &ac382, &ac357, {19}},
    {"Da58a59", &ac357, &ac348, {2, 19, 26}},
};

class Carte39a59Confronti : public ::testing::TestWithParam<RigaConfronto> {};

TEST_P(Carte39a59Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i)
        if (!stessaVoce(voce(*r.prima, i), voce(*r.dopo, i))) diverse.push_back(i);
    EXPECT_EQ(diverse, r.diverse);
}

INSTANTIATE_TEST_SUITE_P(Vicine, Carte39a59Confronti, ::testing::ValuesIn(confronti),
                         [](const ::testing::TestParamInfo<RigaConfronto>& i) {
                             return std::string(i.param.nome);
                         });

// Maps 58 and 59 differ in one Spanish caption only: the other three languages
// of label 2 read the same on both.
TEST(Carte39a59Atlantico, SoloLoSpagnoloCambiaTra58E59) {
    const EtichettaCarta* a = voce(ac357, 2);
    const EtichettaCarta* b = voce(ac348, 2);
    ASSERT_TRUE(a && b);
    for (int l = 0; l < NumeroLingue; ++l) {
        const bool uguali = std::string_view(a->didascalia[l]) == std::string_view(b->didascalia[l]);
        EXPECT_EQ(uguali, l != Spagnolo) << "lingua " << l;
    }
}

}  // namespace
