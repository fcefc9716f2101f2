// Content of maps 70, 77 to 80, 82 and 83 (221 BC to AD 87) and of the world
// maps from the year zero to AD 1600: descriptions, labels, the shape of each
// map and what neighbouring maps share.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;

using verifica::voce;
using verifica::stessaVoce;

// ---------------------------------------------------------------------------
// Descriptions: the fixed opening, the exact length in characters, the run of
// blanks that follows the opening, and the few texts that begin or end with a
// blank.

struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    std::size_t bianchiDopo;
    bool biancoIniziale;
    bool biancoFinale;
};

void PrintTo(const RigaDescrizione& r, std::ostream* os) { *os << r.nome; }

const RigaDescrizione descrizioni[] = {
    {"Carta70Italiano", &ac221, Italiano, "221 a.C.", 329, 3, false, false},
    {"Carta70Francese", &ac221, Francese, "221 av. J.- C.", 352, 1, false, false},
    {"Carta70Spagnolo", &ac221, Spagnolo, "221 a.C.", 322, 1, false, false},
    {"Carta70Inglese", &ac221, Inglese, "221 B.C.", 336, 1, false, false},
    {"Carta77Italiano", &ac106, Italiano, "106 a.C.", 406, 1, false, false},
    {"Carta77Francese", &ac106, Francese, "106 av. J.- C.", 481, 1, false, false},
    {"Carta77Spagnolo", &ac106, Spagnolo, "106 a.C.", 391, 1, false, false},
    {"Carta77Inglese", &ac106, Inglese, "106 B.C.", 406, 1, false, false},
    {"Carta78Italiano", &ac83, Italiano, "83 a.C.", 356, 1, false, false},
    {"Carta78Francese", &ac83, Francese, "83 av. J.- C.", 387, 1, false, false},
    {"Carta78Spagnolo", &ac83, Spagnolo, "83 a.C.", 329, 1, false, false},
    {"Carta78Inglese", &ac83, Inglese, "83 B.C.", 364, 1, false, false},
    {"Carta79Italiano", &ac59, Italiano, "59 a.C.", 321, 1, false, false},
    {"Carta79Francese", &ac59, Francese, "59 av. J.- C.", 323, 1, false, false},
    {"Carta79Spagnolo", &ac59, Spagnolo, "59 a.C.", 343, 1, false, false},
    {"Carta79Inglese", &ac59, Inglese, "59 B.C.", 317, 1, false, false},
    {"Carta80Italiano", &ac51, Italiano, "51 a.C.", 363, 4, false, true},
    {"Carta80Francese", &ac51, Francese, "51 av. J.- C.", 392, 1, false, false},
    {"Carta80Spagnolo", &ac51, Spagnolo, "51 a.C.", 388, 1, false, false},
    {"Carta80Inglese", &ac51, Inglese, "51 B.C.", 331, 1, false, false},
    {"Carta82Italiano", &dc14, Italiano, "14 d.C.", 276, 1, false, false},
    {"Carta82Francese", &dc14, Francese, "14 ap. J.- C.", 248, 1, false, false},
    {"Carta82Spagnolo", &dc14, Spagnolo, "14 d.C.", 272, 1, false, false},
    {"Carta82Inglese", &dc14, Inglese, "14 A.D.", 244, 1, false, false},
    {"Carta83Italiano", &dc87, Italiano, "87 d.C.", 428, 1, false, false},
    {"Carta83Francese", &dc87, Francese, "87 ap. J.- C.", 403, 1, false, false},
    {"Carta83Spagnolo", &dc87, Spagnolo, "87 d.C.", 428, 1, false, false},
    {"Carta83Inglese", &dc87, Inglese, "87 A.D.", 423, 1, false, false},
    {"Carta81Italiano", &zero, Italiano, "1 a.C.", 369, 1, false, false},
    {"Carta81Francese", &zero, Francese, "1 av. J.- C.", 435, 1, false, false},
    {"Carta81Spagnolo", &zero, Spagnolo, "1 a.C.", 376, 1, false, false},
    {"Carta81Inglese", &zero, Inglese, "1 B.C.", 351, 1, false, false},
    {"Carta84Italiano", &dc117, Italiano, "117 d.C.", 389, 1, false, false},
    {"Carta84Francese", &dc117, Francese, "117 ap. J.- C.", 421, 1, false, false},
    {"Carta84Spagnolo", &dc117, Spagnolo, "117 d.C.", 351, 1, false, false},
    {"Carta84Inglese", &dc117, Inglese, "117 A.D.", 393, 1, false, false},
    {"Carta85Italiano", &dc250, Italiano, "220 d.C.", 516, 4, false, false},
    {"Carta85Francese", &dc250, Francese, "220 ap. J.- C.", 639, 1, false, false},
    {"Carta85Spagnolo", &dc250, Spagnolo, "220 d.C.", 518, 1, false, false},
    {"Carta85Inglese", &dc250, Inglese, "220 A.D.", 546, 1, false, false},
    {"Carta88Italiano", &dc320, Italiano, "320 d.C.", 244, 4, false, false},
    {"Carta88Francese", &dc320, Francese, "320 Ap.JC.", 243, 1, false, false},
    {"Carta88Spagnolo", &dc320, Spagnolo, "320 d.C.", 266, 1, false, false},
    {"Carta88Inglese", &dc320, Inglese, "320 A.D.", 249, 1, false, false},
    {"Carta94Italiano", &dc500, Italiano, "500 d.C.", 541, 3, false, false},
    {"Carta94Francese", &dc500, Francese, "500 Ap.JC.", 574, 1, false, false},
    {"Carta94Spagnolo", &dc500, Spagnolo, "500 d.C.", 565, 1, false, false},
    {"Carta94Inglese", &dc500, Inglese, "500 A.D.", 542, 1, false, false},
    {"Carta101Italiano", &dc750, Italiano, "750 d.C.", 461, 1, false, false},
    {"Carta101Francese", &dc750, Francese, "750 Ap.JC.", 542, 1, false, true},
    {"Carta101Spagnolo", &dc750, Spagnolo, "750 d.C.", 531, 1, false, false},
    {"Carta101Inglese", &dc750, Inglese, " 750 A.D.", 465, 1, true, false},
    {"Carta107Italiano", &dc1000, Italiano, "1000", 341, 2, false, false},
    {"Carta107Francese", &dc1000, Francese, "1000", 370, 1, false, false},
    {"Carta107Spagnolo", &dc1000, Spagnolo, "1000", 367, 1, false, false},
    {"Carta107Inglese", &dc1000, Inglese, " 1000", 860, 2, true, false},
    {"Carta116Italiano", &dc1200, Italiano, "1200", 450, 3, false, false},
    {"Carta116Francese", &dc1200, Francese, "1200", 534, 1, false, false},
    {"Carta116Spagnolo", &dc1200, Spagnolo, "1200", 494, 1, false, false},
    {"Carta116Inglese", &dc1200, Inglese, " 1200", 482, 1, true, false},
    {"Carta119Italiano", &dc1260, Italiano, "1260", 429, 3, false, false},
    {"Carta119Francese", &dc1260, Francese, "1260", 443, 1, false, false},
    {"Carta119Spagnolo", &dc1260, Spagnolo, " 1260", 453, 1, true, false},
    {"Carta119Inglese", &dc1260, Inglese, "1208-1237.", 616, 1, false, false},
    {"Carta121Italiano", &dc1300, Italiano, "1300", 498, 3, false, false},
    {"Carta121Francese", &dc1300, Francese, "1300", 527, 1, false, false},
    {"Carta121Spagnolo", &dc1300, Spagnolo, "1300", 523, 1, false, false},
    {"Carta121Inglese", &dc1300, Inglese, " 1300", 469, 1, true, false},
    {"Carta124Italiano", &dc1400, Italiano, "1400", 579, 3, false, false},
    {"Carta124Francese", &dc1400, Francese, "1400", 582, 1, false, false},
    {"Carta124Spagnolo", &dc1400, Spagnolo, "1400", 573, 1, false, false},
    {"Carta124Inglese", &dc1400, Inglese, "1400", 598, 1, false, false},
    {"Carta128Italiano", &dc1500, Italiano, "1500", 425, 3, false, true},
    {"Carta128Francese", &dc1500, Francese, "1500", 452, 1, false, false},
    {"Carta128Spagnolo", &dc1500, Spagnolo, "1500", 441, 1, false, false},
    {"Carta128Inglese", &dc1500, Inglese, "1500", 456, 1, false, false},
    {"Carta131Italiano", &dc1600, Italiano, "1600", 578, 3, false, false},
    {"Carta131Francese", &dc1600, Francese, "1600", 609, 1, false, false},
    {"Carta131Spagnolo", &dc1600, Spagnolo, "1600", 591, 2, false, false},
    {"Carta131Inglese", &dc1600, Inglese, "1600", 575, 1, false, false},
};

class Carte70a131Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};

TEST_P(Carte70a131Descrizioni, AperturaLunghezzaEBordi) {
    const RigaDescrizione& r = GetParam();
    const char* testo = r.carta->descrizione[r.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t(testo);
    ASSERT_TRUE(verifica::iniziaCon(t, r.apertura)) << t;
    EXPECT_EQ(verifica::caratteri(t), r.lunghezza) << t;
    const std::string_view resto = t.substr(std::string_view(r.apertura).size());
    const std::size_t bianchi = resto.find_first_not_of(' ');
    EXPECT_EQ(bianchi, r.bianchiDopo) << t;
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front() == ' ', r.biancoIniziale) << t;
    EXPECT_EQ(t.back() == ' ', r.biancoFinale) << t;
    // One paragraph on one line, no tabs or stray control characters.
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    })) << t;
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte70a131Descrizioni, ::testing::ValuesIn(descrizioni),
                         [](const ::testing::TestParamInfo<RigaDescrizione>& i) {
                             return std::string(i.param.nome);
                         });

// Paragraphs that head their parts with region names keep those headings in
// the form each language writes them (capitals, or ordinary case in Spanish).
struct RigaIntestazioni {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    std::vector<const char*> presenti;
    std::vector<const char*> assenti;
};

void PrintTo(const RigaIntestazioni& r, std::ostream* os) { *os << r.nome; }

const RigaIntestazioni intestazioni[] = {
    {"Carta70Italiano", &ac221, Italiano, {"   CINA:", "INDIA:", "AMERICA:"}, {}},
    {"Carta70Spagnolo", &ac221, Spagnolo, {"China:", "India:"}, {"CHINA:"}},
    {"Carta70Francese", &ac221, Francese, {"Shi Huangdi", "  En Amérique"}, {"CHINE:"}},
    {"Carta77Italiano", &ac106, Italiano, {"VIA della SETA"}, {}},
    {"Carta77Inglese", &ac106, Inglese, {"Wu you"}, {}},
    {"Carta79Francese", &ac59, Francese, {"Shunga", "Pendjab"}, {"INDE:"}},
    {"Carta79Spagnolo", &ac59, Spagnolo, {"India:", "Sunga"}, {}},
    {"Carta79Inglese", &ac59, Inglese, {"INDIA:", "Songa", "Cyrene"}, {}},
    {"Carta80Francese", &ac51, Francese, {"Gaule chevelue", "dictateur à vie"}, {}},
    {"Carta80Inglese", &ac51, Inglese, {"Rubicon"}, {"Gaul"}},
    {"Carta83Italiano", &dc87, Italiano, {"ROMA:", "INDIA:"}, {}},
    {"Carta83Francese", &dc87, Francese, {"Gandhara"}, {"ROME:", "INDE:"}},
    {"Carta81Inglese", &zero, Inglese, {"AFRICA:", "INDIA:", "ROME:", "170 million"}, {}},
    {"Carta81Spagnolo", &zero, Spagnolo, {"África:", "India:"}, {}},
    {"Carta85Italiano", &dc250, Italiano, {"220 d.C.    CINA:", ".    Negli", ".   In INDIA", ".    In Arabia", "Ardashir I"}, {}},
    {"Carta88Italiano", &dc320, Italiano, {"320 d.C.    INDIA:", ".   ROMA:"}, {}},
    {"Carta88Francese", &dc320, Francese, {"INDE:", "ROME:"}, {}},
    {"Carta88Spagnolo", &dc320, Spagnolo, {"India:", "Roma:"}, {}},
    {"Carta94Francese", &dc500, Francese, {"CHINE:", "INDE"}, {"INDE:"}},
    {"Carta101Francese", &dc750, Francese, {".  CHINE:", "INDE:", "AMERIQUE:"}, {}},
    {"Carta101Spagnolo", &dc750, Spagnolo, {"China:", "India:", "América:"}, {}},
    {"Carta107Inglese", &dc1000, Inglese, {"In CHINA", "Sung", ".  In England", "Bohemia", "260 million"}, {}},
    {"Carta107Spagnolo", &dc1000, Spagnolo, {"En China", "Sung"}, {"CHINA"}},
    {"Carta116Francese", &dc1200, Francese, {"CHINE:", "INDOCHINE:", "AMERIQUE:"}, {}},
    {"Carta116Inglese", &dc1200, Inglese, {"CHINA:", "INDO-CHINA:", "AMERICA:"}, {}},
    {"Carta116Spagnolo", &dc1200, Spagnolo, {"CHINA:", "INDOCHINA:", "AMÉRICA:", "Chin"}, {}},
    {"Carta119Inglese", &dc1260, Inglese, {"1260:", "[Moghul]", "1261"}, {}},
    {"Carta119Francese", &dc1260, Francese, {"1227"}, {"1237"}},
    {"Carta121Spagnolo", &dc1300, Spagnolo, {"AMÉRICA:", "ÁFRICA:"}, {}},
    {"Carta121Francese", &dc1300, Francese, {"AMÉRIQUE:", "AFRIQUE:"}, {}},
    {"Carta124Inglese", &dc1400, Inglese, {"PLAGUE", "MING", "CHINA", "INDIA"}, {}},
    {"Carta124Spagnolo", &dc1400, Spagnolo, {"Vijayanagar"}, {"PESTE", "MING"}},
    {"Carta128Francese", &dc1500, Francese, {"Ivan III"}, {}},
};

class Carte70a131Intestazioni : public ::testing::TestWithParam<RigaIntestazioni> {};

TEST_P(Carte70a131Intestazioni, ComeOgniLinguaLeScrive) {
    const RigaIntestazioni& r = GetParam();
    const std::string_view t(r.carta->descrizione[r.lingua]);
    for (const char* p : r.presenti) EXPECT_NE(t.find(p), std::string_view::npos) << p;
    for (const char* a : r.assenti) EXPECT_EQ(t.find(a), std::string_view::npos) << a;
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte70a131Intestazioni, ::testing::ValuesIn(intestazioni),
                         [](const ::testing::TestParamInfo<RigaIntestazioni>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Labels worth checking one by one: odd spellings, the same caption in two
// languages, spare labels with the empty caption and where they are parked,
// the one red or blue label of a map.

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
    {"Carta70Etichetta2", &ac221, 2, Posizione{2160, 8160}, 0xFFFFFF, {"Imp.Seleucide", "Empire Séléucide", "Imperio Seléucide", "Seleucid Emp."}},
    {"Carta70Etichetta4", &ac221, 4, Posizione{2040, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta70Etichetta8", &ac221, 8, Posizione{2280, 8760}, 0x000000, {"Imp. d.Parti", "Emp.Parthe", "Imp.Parta", "Parthian Emp."}},
    {"Carta70Etichetta12", &ac221, 12, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {"Carta77Etichetta7", &ac106, 7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta77Etichetta14", &ac106, 14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {"Carta77Etichetta15", &ac106, 15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {"Carta77Etichetta17", &ac106, 17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {"Carta77Etichetta30", &ac106, 30, Posizione{3720, 6940}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Seleucid"}},
    {"Carta77Etichetta35", &ac106, 35, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {"Carta78Etichetta17", &ac83, 17, Posizione{4250, 7030}, 0xFFFFFF, {"Nabatea", "Nabatée", "Nabatea", "Nabathea"}},
    {"Carta78Etichetta27", &ac83, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadoce"}},
    {"Carta78Etichetta29", &ac83, 29, Posizione{3600, 7680}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta78Etichetta30", &ac83, 30, Posizione{3720, 6940}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta78Etichetta34", &ac83, 34, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Macabées", "Macabeos", "Machabeus"}},
    {"Carta79Etichetta17", &ac59, 17, Posizione{3280, 6960}, 0xFFFFFF, {"Ponto", "Pont", "Ponto", "Pontus"}},
    {"Carta79Etichetta26", &ac59, 26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Kanva", "Empire Kanva", "Imperio Kanva", "Kanva Empire"}},
    {"Carta79Etichetta27", &ac59, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadocia"}},
    {"Carta79Etichetta33", &ac59, 33, Posizione{3600, 6400}, 0xFFFFFF, {"Asia", "Asia", "Asia", "Asia"}},
    {"Carta80Etichetta7", &ac51, 7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta80Etichetta15", &ac51, 15, Posizione{2520, 4440}, 0xFFFFFF, {"Gallia", "Gallia", "Gallia", "Gallia"}},
    {"Carta80Etichetta27", &ac51, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadocia"}},
    {"Carta82Etichetta14", &dc14, 14, Posizione{4440, 6360}, 0xFFFFFF, {"Aegyptus", "Aegyptus", "Aegyptus", "Aegyptus"}},
    {"Carta82Etichetta26", &dc14, 26, Posizione{4890, 9720}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados de India", "Indian States"}},
    {"Carta82Etichetta27", &dc14, 27, Posizione{5520, 6360}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta82Etichetta32", &dc14, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {"Carta83Etichetta8", &dc87, 8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {"Carta83Etichetta26", &dc87, 26, Posizione{4900, 10080}, 0x000000, {"Stati indiani", "Etats de L'Inde", "Estados indianos", "Indian States"}},
    {"Carta83Etichetta27", &dc87, 27, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {"Carta83Etichetta30", &dc87, 30, Posizione{2160, 4080}, 0xFF0000, {"Britannia", "Britannia", "Britannia", "Britannia"}},
    {"Carta81Etichetta0", &zero, 0, Posizione{2640, 9100}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados de India", "Indian States"}},
    {"Carta81Etichetta1", &zero, 1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {"Carta81Etichetta2", &zero, 2, Posizione{6360, 6720}, 0x000000, {"", "", "", ""}},
    {"Carta81Etichetta3", &zero, 3, Posizione{6360, 6960}, 0x000000, {"", "", "", ""}},
    {"Carta81Etichetta8", &zero, 8, Posizione{2280, 8280}, 0x000000, {"Imp. dei Parti", "Emp.des Parthes", "Imp.Parta", "Parthian Emp."}},
    {"Carta84Etichetta0", &dc117, 0, Posizione{2640, 9100}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados indianos", "Indian States"}},
    {"Carta84Etichetta4", &dc117, 4, Posizione{2040, 7080}, 0x000000, {"IMPERO ROMANO", "EMPIRE ROMAIN", "IMPERIO ROMANO", "ROMAN EMPIRE"}},
    {"Carta84Etichetta6", &dc117, 6, Posizione{2280, 10200}, 0x000000, {"Imp. HAN", "Emp. HAN", "Imp. HAN", "HAN Emp."}},
    {"Carta85Etichetta1", &dc250, 1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {"Carta85Etichetta2", &dc250, 2, Posizione{6360, 6720}, 0x000000, {"", "", "", ""}},
    {"Carta85Etichetta6", &dc250, 6, Posizione{6360, 8640}, 0x000000, {"", "", "", ""}},
    {"Carta85Etichetta8", &dc250, 8, Posizione{2280, 8280}, 0x000000, {"Imp. Sassanide", "Emp.Sassanide", "Imp.Sasànide", "Sasanian Emp."}},
    {"Carta85Etichetta9", &dc250, 9, Posizione{2900, 8280}, 0x000000, {"Himyariti", "Himyarithes", "Himyaritas", "Himyariths"}},
    {"Carta88Etichetta0", &dc320, 0, Posizione{2640, 7800}, 0xFFFFFF, {"Kush", "Koush", "Kush", "Kush"}},
    {"Carta88Etichetta6", &dc320, 6, Posizione{1560, 8000}, 0xFFFFFF, {"Goti", "Goths", "Gotas", "Goths"}},
    {"Carta88Etichetta10", &dc320, 10, Posizione{2500, 9280}, 0x000000, {"Imp.Gupta", "Emp.Gupta", "Imp.Gupta", "Gupta Emp."}},
    {"Carta94Etichetta0", &dc500, 0, Posizione{1560, 6720}, 0x000000, {"Franchi", "Francs", "Francos", "Francs"}},
    {"Carta94Etichetta2", &dc500, 2, Posizione{2160, 6840}, 0x000000, {"Vandali", "Vandales", "Vàndalos", "Vandales"}},
    {"Carta94Etichetta9", &dc500, 9, Posizione{1800, 7080}, 0x000000, {"Ostrogoti", "Ostrogoths", "Ostrogodos.", "Ostrogoths"}},
    {"Carta94Etichetta13", &dc500, 13, Posizione{1440, 9600}, 0x000000, {"Impero RuanRuan", "Empir RuanRuan", "Imperio RuanRuan", "RuRuan Empire"}},
    {"Carta101Etichetta4", &dc750, 4, Posizione{2880, 8880}, 0x000000, {"Chalukia", "Chalukia", "Chalukya", "Chalukia"}},
    {"Carta101Etichetta18", &dc750, 18, Posizione{2400, 7200}, 0xFFFFFF, {"Califfato Omayyade", "Califat Omayyade", "Califato Omeya", "Omayyad Caliphate"}},
    {"Carta101Etichetta19", &dc750, 19, Posizione{1440, 6840}, 0x000000, {"Ing.", "Ang.", "Ing.", "Eng."}},
    {"Carta101Etichetta20", &dc750, 20, Posizione{1560, 8000}, 0xFFFFFF, {"Cazari", "Khazars", "Cazar", "Khazars"}},
    {"Carta107Etichetta7", &dc1000, 7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {"Carta107Etichetta10", &dc1000, 10, Posizione{1900, 7560}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "I.Bizantino", "Byzantinian E."}},
    {"Carta107Etichetta12", &dc1000, 12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {"Carta107Etichetta13", &dc1000, 13, Posizione{1560, 7200}, 0x000000, {"IRG", "ERG", "IRG", "HRE"}},
    {"Carta116Etichetta1", &dc1200, 1, Posizione{1200, 7080}, 0x000000, {"Dani.", "Dan.", "Dina.", "Denm."}},
    {"Carta116Etichetta8", &dc1200, 8, Posizione{2320, 8900}, 0xFFFFFF, {"Ghuridi", "Ghourides", "Guridas", "Ghurids"}},
    {"Carta116Etichetta12", &dc1200, 12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {"Carta116Etichetta29", &dc1200, 29, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japon"}},
    {"Carta119Etichetta8", &dc1260, 8, Posizione{2160, 8280}, 0x000000, {"Imp.degli Ilkhan", "Emp.des Ilkhan", "Imp. Ilkhan", "Illkkhan Emp."}},
    {"Carta119Etichetta11", &dc1260, 11, Posizione{5640, 5760}, 0x000000, {"", "", "", ""}},
    {"Carta119Etichetta29", &dc1260, 29, Posizione{5640, 8880}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta119Etichetta33", &dc1260, 33, Posizione{2640, 9240}, 0x000000, {"(Sultanato)", "(Sultanat)", "(Sultanado)", "(Sultanate)"}},
    {"Carta119Etichetta34", &dc1260, 34, Posizione{2160, 6720}, 0x000000, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {"Carta121Etichetta3", &dc1300, 3, Posizione{1800, 9960}, 0x000000, {"Imp.Gran Khan", "Emp.Grand Khan", "Imp.Gran Khan", "Khan Emp."}},
    {"Carta121Etichetta8", &dc1300, 8, Posizione{2160, 8280}, 0x000000, {"Imp.degli Ilkhan", "Emp.des Ilkhan", "Imp. Ilkhan", "Illkhan Emp."}},
    {"Carta121Etichetta23", &dc1300, 23, Posizione{3120, 6960}, 0xFFFFFF, {"Haussa", "Hausa", "Hausa", "Hausa"}},
    {"Carta121Etichetta28", &dc1300, 28, Posizione{5640, 10080}, 0x000000, {"", "", "", ""}},
    {"Carta121Etichetta29", &dc1300, 29, Posizione{5640, 8880}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta124Etichetta1", &dc1400, 1, Posizione{1560, 10080}, 0x000000, {"Can.Oirati", "Kh.Oirats", "Khan.Oirat", "Oirat Khan."}},
    {"Carta124Etichetta8", &dc1400, 8, Posizione{2160, 8400}, 0x000000, {"Imp.di Tamerlano", "Emp.de Tamerlan", "Imp.de Tamerlan", "Tamerlan Emp."}},
    {"Carta124Etichetta23", &dc1400, 23, Posizione{5640, 9240}, 0x000000, {"", "", "", ""}},
    {"Carta124Etichetta28", &dc1400, 28, Posizione{5640, 10080}, 0x000000, {"", "", "", ""}},
    {"Carta124Etichetta30", &dc1400, 30, Posizione{2520, 7560}, 0x000000, {"Mamelucchi-Sul.", "Sult.Mamelouk", "Sult.Mameluco", "Mameluk Sult."}},
    {"Carta128Etichetta1", &dc1500, 1, Posizione{1560, 10080}, 0x000000, {"Can. Oirati", "Oirats Kh.", "Oirat", "Oirat Kh."}},
    {"Carta128Etichetta5", &dc1500, 5, Posizione{2760, 4680}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {"Carta128Etichetta6", &dc1500, 6, Posizione{1920, 8680}, 0x000000, {"Shaybanidi", "Shaibanides", "Sheibaní", "Shaybanids"}},
    {"Carta128Etichetta12", &dc1500, 12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta128Etichetta30", &dc1500, 30, Posizione{2520, 7560}, 0x000000, {"Sul.Mamelucchi", "Sult.Mamelouk", "Sult. Mameluco", "Mameluk Sult."}},
    {"Carta131Etichetta2", &dc1600, 2, Posizione{2280, 6720}, 0xFFFFFF, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {"Carta131Etichetta23", &dc1600, 23, Posizione{3960, 11040}, 0x000000, {"Port.", "(Port.)", "(Port.)", "(Port)"}},
    {"Carta131Etichetta24", &dc1600, 24, Posizione{4800, 4800}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {"Carta131Etichetta26", &dc1600, 26, Posizione{3960, 5520}, 0x000000, {"Brasile (Port.)", "Brésil (Port.)", "Brasil (Port.)", "Brazil (Port.)"}},
    {"Carta131Etichetta30", &dc1600, 30, Posizione{1820, 9240}, 0x000000, {"Ciaghatai", "Djaghatai", "Jagatai", "Jagatai"}},
};

class Carte70a131Etichette : public ::testing::TestWithParam<RigaEtichetta> {};

TEST_P(Carte70a131Etichette, VoceComeAttesa) {
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

INSTANTIATE_TEST_SUITE_P(Notevoli, Carte70a131Etichette, ::testing::ValuesIn(etichette),
                         [](const ::testing::TestParamInfo<RigaEtichetta>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Shape of each map: the first emptied label (or none), the number of entries,
// and the rules every map of this range keeps: indices 0 to the number of
// entries minus one, each placed, coloured and captioned in all four languages,
// none at or above the emptied start, so nothing is emptied and captioned again.

struct RigaForma {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    int voci;
};

void PrintTo(const RigaForma& r, std::ostream* os) { *os << r.nome; }

const RigaForma forme[] = {
    {"Carta70", &ac221, 13, 13},
    {"Carta77", &ac106, NessunaPulizia, 36},
    {"Carta78", &ac83, NessunaPulizia, 36},
    {"Carta79", &ac59, 34, 34},
    {"Carta80", &ac51, 34, 34},
    {"Carta82", &dc14, 34, 34},
    {"Carta83", &dc87, 34, 34},
    {"Carta81", &zero, 9, 9},
    {"Carta84", &dc117, 9, 9},
    {"Carta85", &dc250, 10, 10},
    {"Carta88", &dc320, 11, 11},
    {"Carta94", &dc500, 14, 14},
    {"Carta101", &dc750, 21, 21},
    {"Carta107", &dc1000, 30, 30},
    {"Carta116", &dc1200, 31, 31},
    {"Carta119", &dc1260, NessunaPulizia, 36},
    {"Carta121", &dc1300, NessunaPulizia, 36},
    {"Carta124", &dc1400, NessunaPulizia, 36},
    {"Carta128", &dc1500, NessunaPulizia, 36},
    {"Carta131", &dc1600, 32, 32},
};

class Carte70a131Forma : public ::testing::TestWithParam<RigaForma> {};

TEST_P(Carte70a131Forma, VociEPulizia) {
    const RigaForma& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    ASSERT_EQ(static_cast<int>(c.etichette.size()), r.voci);
    // A map without an emptying step must write every label itself.
    if (c.primaDaPulire == NessunaPulizia) EXPECT_EQ(r.voci, NumeroEtichette);
    else EXPECT_EQ(c.primaDaPulire, r.voci);
    int atteso = 0;
    for (const EtichettaCarta& e : c.etichette) {
        EXPECT_EQ(e.indice, atteso++);
        EXPECT_TRUE(e.posizione.has_value()) << "etichetta " << e.indice;
        EXPECT_TRUE(e.ForeColor.has_value()) << "etichetta " << e.indice;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "etichetta " << e.indice << " lingua " << l;
            EXPECT_LE(verifica::caratteri(e.didascalia[l]), 35u) << "etichetta " << e.indice;
        }
    }
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte70a131Forma, ::testing::ValuesIn(forme),
                         [](const ::testing::TestParamInfo<RigaForma>& i) {
                             return std::string(i.param.nome);
                         });

// Spare labels are parked with the empty caption in every language: below the
// map picture (which ends at Top 5295) on the maps that move them away.
struct RigaRiserva {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> indici;
    bool sottoLaCarta;
};

void PrintTo(const RigaRiserva& r, std::ostream* os) { *os << r.nome; }

const RigaRiserva riserve[] = {
    {"Carta78", &ac83, {29, 30}, false},
    {"Carta82", &dc14, {27}, true},
    {"Carta81", &zero, {2, 3}, true},
    {"Carta84", &dc117, {2, 3}, true},
    {"Carta85", &dc250, {2, 6}, true},
    {"Carta119", &dc1260, {11, 13, 15, 18, 20, 21, 28, 29}, true},
    {"Carta121", &dc1300, {28, 29}, true},
    {"Carta124", &dc1400, {23, 28}, true},
};

class Carte70a131Riserve : public ::testing::TestWithParam<RigaRiserva> {};

TEST_P(Carte70a131Riserve, VuoteEDoveStanno) {
    const RigaRiserva& r = GetParam();
    std::vector<int> vuote;
    for (const EtichettaCarta& e : r.carta->etichette) {
        bool tutteVuote = true;
        for (const char* d : e.didascalia) tutteVuote = tutteVuote && d && *d == '\0';
        if (tutteVuote) vuote.push_back(e.indice);
    }
    EXPECT_EQ(vuote, r.indici);
    for (int i : r.indici) {
        const EtichettaCarta* e = voce(*r.carta, i);
        ASSERT_TRUE(e && e->posizione);
        EXPECT_EQ(e->posizione->Top > 5295, r.sottoLaCarta) << "etichetta " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte70a131Riserve, ::testing::ValuesIn(riserve),
                         [](const ::testing::TestParamInfo<RigaRiserva>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Neighbouring maps drawn on the same frame: exactly the listed labels differ
// (place, colour or a caption); every other label is written the same way.

struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
};

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << r.nome; }

const RigaConfronto confronti[] = {
    {"Da77a78", &ac106, &ac83, {17, 29, 30, 32, 34}},
    {"Da79a80", &ac59, &ac51, {15}},
    {"Da82a83", &dc14, &dc87, {26, 27, 30}},
    {"Da81a84", &zero, &dc117, {0, 4, 6}},
    {"Da84a85", &dc117, &dc250, {0, 3, 6, 8, 9}},
    {"Da85a88", &dc250, &dc320, {2, 3, 6, 10}},
};

class Carte70a131Confronti : public ::testing::TestWithParam<RigaConfronto> {};

TEST_P(Carte70a131Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i)
        if (!stessaVoce(voce(*r.prima, i), voce(*r.dopo, i))) diverse.push_back(i);
    EXPECT_EQ(diverse, r.diverse);
}

INSTANTIATE_TEST_SUITE_P(Vicine, Carte70a131Confronti, ::testing::ValuesIn(confronti),
                         [](const ::testing::TestParamInfo<RigaConfronto>& i) {
                             return std::string(i.param.nome);
                         });

// Map 77 writes one name on two labels, 30 above 17, in each language.
TEST(Carte70a131DueRighe, ImperoSeleucideSuDueEtichette) {
    const EtichettaCarta* sopra = voce(ac106, 30);
    const EtichettaCarta* sotto = voce(ac106, 17);
    ASSERT_TRUE(sopra && sotto && sopra->posizione && sotto->posizione);
    EXPECT_LT(sopra->posizione->Top, sotto->posizione->Top);
    const char* attese[NumeroLingue][2] = {
        {"Impero", "Seleucide"}, {"Empire", "Seleucide"}, {"Imperio", "Seléucida"}, {"Seleucid", "Empire"}};
    for (int l = 0; l < NumeroLingue; ++l) {
        EXPECT_STREQ(sopra->didascalia[l], attese[l][0]);
        EXPECT_STREQ(sotto->didascalia[l], attese[l][1]);
    }
}

}  // namespace
