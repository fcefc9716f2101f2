// Content of the world maps from the year zero to AD 1600, among maps 81 to 131 (maps/world_0_1600/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <optional>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const RigaDescrizione descrizioni[] = {
    {"Carta81Italiano", &zero, Italiano, "1 a.C.", 369, false, false, std::nullopt, 1},
    {"Carta81Francese", &zero, Francese, "1 av. J.- C.", 435, false, false, std::nullopt, 1},
    {"Carta81Spagnolo", &zero, Spagnolo, "1 a.C.", 376, false, false, std::nullopt, 1},
    {"Carta81Inglese", &zero, Inglese, "1 B.C.", 351, false, false, std::nullopt, 1},
    {"Carta84Italiano", &dc117, Italiano, "117 d.C.", 389, false, false, std::nullopt, 1},
    {"Carta84Francese", &dc117, Francese, "117 ap. J.- C.", 421, false, false, std::nullopt, 1},
    {"Carta84Spagnolo", &dc117, Spagnolo, "117 d.C.", 351, false, false, std::nullopt, 1},
    {"Carta84Inglese", &dc117, Inglese, "117 A.D.", 393, false, false, std::nullopt, 1},
    {"Carta85Italiano", &dc250, Italiano, "220 d.C.", 516, false, false, std::nullopt, 4},
    {"Carta85Francese", &dc250, Francese, "220 ap. J.- C.", 639, false, false, std::nullopt, 1},
    {"Carta85Spagnolo", &dc250, Spagnolo, "220 d.C.", 518, false, false, std::nullopt, 1},
    {"Carta85Inglese", &dc250, Inglese, "220 A.D.", 546, false, false, std::nullopt, 1},
    {"Carta88Italiano", &dc320, Italiano, "320 d.C.", 244, false, false, std::nullopt, 4},
    {"Carta88Francese", &dc320, Francese, "320 Ap.JC.", 243, false, false, std::nullopt, 1},
    {"Carta88Spagnolo", &dc320, Spagnolo, "320 d.C.", 266, false, false, std::nullopt, 1},
    {"Carta88Inglese", &dc320, Inglese, "320 A.D.", 249, false, false, std::nullopt, 1},
    {"Carta94Italiano", &dc500, Italiano, "500 d.C.", 541, false, false, std::nullopt, 3},
    {"Carta94Francese", &dc500, Francese, "500 Ap.JC.", 574, false, false, std::nullopt, 1},
    {"Carta94Spagnolo", &dc500, Spagnolo, "500 d.C.", 565, false, false, std::nullopt, 1},
    {"Carta94Inglese", &dc500, Inglese, "500 A.D.", 542, false, false, std::nullopt, 1},
    {"Carta101Italiano", &dc750, Italiano, "750 d.C.", 461, false, false, std::nullopt, 1},
    {"Carta101Francese", &dc750, Francese, "750 Ap.JC.", 542, false, true, std::nullopt, 1},
    {"Carta101Spagnolo", &dc750, Spagnolo, "750 d.C.", 531, false, false, std::nullopt, 1},
    {"Carta101Inglese", &dc750, Inglese, " 750 A.D.", 465, true, false, std::nullopt, 1},
    {"Carta107Italiano", &dc1000, Italiano, "1000", 341, false, false, std::nullopt, 2},
    {"Carta107Francese", &dc1000, Francese, "1000", 370, false, false, std::nullopt, 1},
    {"Carta107Spagnolo", &dc1000, Spagnolo, "1000", 367, false, false, std::nullopt, 1},
    {"Carta107Inglese", &dc1000, Inglese, " 1000", 860, true, false, std::nullopt, 2},
    {"Carta116Italiano", &dc1200, Italiano, "1200", 450, false, false, std::nullopt, 3},
    {"Carta116Francese", &dc1200, Francese, "1200", 534, false, false, std::nullopt, 1},
    {"Carta116Spagnolo", &dc1200, Spagnolo, "1200", 494, false, false, std::nullopt, 1},
    {"Carta116Inglese", &dc1200, Inglese, " 1200", 482, true, false, std::nullopt, 1},
    {"Carta119Italiano", &dc1260, Italiano, "1260", 429, false, false, std::nullopt, 3},
    {"Carta119Francese", &dc1260, Francese, "1260", 443, false, false, std::nullopt, 1},
    {"Carta119Spagnolo", &dc1260, Spagnolo, " 1260", 453, true, false, std::nullopt, 1},
    {"Carta119Inglese", &dc1260, Inglese, "1208-1237.", 616, false, false, std::nullopt, 1},
    {"Carta121Italiano", &dc1300, Italiano, "1300", 498, false, false, std::nullopt, 3},
    {"Carta121Francese", &dc1300, Francese, "1300", 527, false, false, std::nullopt, 1},
    {"Carta121Spagnolo", &dc1300, Spagnolo, "1300", 523, false, false, std::nullopt, 1},
    {"Carta121Inglese", &dc1300, Inglese, " 1300", 469, true, false, std::nullopt, 1},
    {"Carta124Italiano", &dc1400, Italiano, "1400", 579, false, false, std::nullopt, 3},
    {"Carta124Francese", &dc1400, Francese, "1400", 582, false, false, std::nullopt, 1},
    {"Carta124Spagnolo", &dc1400, Spagnolo, "1400", 573, false, false, std::nullopt, 1},
    {"Carta124Inglese", &dc1400, Inglese, "1400", 598, false, false, std::nullopt, 1},
    {"Carta128Italiano", &dc1500, Italiano, "1500", 425, false, true, std::nullopt, 3},
    {"Carta128Francese", &dc1500, Francese, "1500", 452, false, false, std::nullopt, 1},
    {"Carta128Spagnolo", &dc1500, Spagnolo, "1500", 441, false, false, std::nullopt, 1},
    {"Carta128Inglese", &dc1500, Inglese, "1500", 456, false, false, std::nullopt, 1},
    {"Carta131Italiano", &dc1600, Italiano, "1600", 578, false, false, std::nullopt, 3},
    {"Carta131Francese", &dc1600, Francese, "1600", 609, false, false, std::nullopt, 1},
    {"Carta131Spagnolo", &dc1600, Spagnolo, "1600", 591, false, false, std::nullopt, 2},
    {"Carta131Inglese", &dc1600, Inglese, "1600", 575, false, false, std::nullopt, 1},
};
INSTANTIATE_TEST_SUITE_P(World0a1600, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaFrammenti frammenti[] = {
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
INSTANTIATE_TEST_SUITE_P(World0a1600, Frammenti, ::testing::ValuesIn(frammenti), NomeRiga());

const RigaEtichetta etichette[] = {
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
INSTANTIATE_TEST_SUITE_P(World0a1600, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaConsecutive formeConsecutive[] = {
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
INSTANTIATE_TEST_SUITE_P(World0a1600, FormaConsecutive, ::testing::ValuesIn(formeConsecutive), NomeRiga());

const RigaRiserva riserve[] = {
    {"Carta81", &zero, {2, 3}, true},
    {"Carta84", &dc117, {2, 3}, true},
    {"Carta85", &dc250, {2, 6}, true},
    {"Carta119", &dc1260, {11, 13, 15, 18, 20, 21, 28, 29}, true},
    {"Carta121", &dc1300, {28, 29}, true},
    {"Carta124", &dc1400, {23, 28}, true},
};
INSTANTIATE_TEST_SUITE_P(World0a1600, Riserve, ::testing::ValuesIn(riserve), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da81a84", &zero, &dc117, {0, 4, 6}},
    {"Da84a85", &dc117, &dc250, {0, 3, 6, 8, 9}},
    {"Da85a88", &dc250, &dc320, {2, 3, 6, 10}},
};
INSTANTIATE_TEST_SUITE_P(World0a1600, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

}  // namespace
