// Content of the Europe maps of AD 900 to 1328, among maps 106 to 123 (maps/europe_900_1328/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

struct Membro {
    int numero;
    const ContenutoCarta* carta;
};

const Membro membri[] = {
    {106, &dc900},  {108, &dc1000eu}, {109, &dc1032}, {110, &dc1075},   {111, &dc1092},
    {112, &dc1100}, {113, &dc1120},   {114, &dc1160}, {115, &dc1180},   {117, &dc1200eu},
    {118, &dc1205}, {120, &dc1270},   {122, &dc1300eu}, {123, &dc1328},
};

const RigaDescrizione descrizioni[] = {
    {"Carta106Italiano", &dc900, Italiano, "900 d.C.  Il Sacro Romano Impero fu", 687, false, false, Corse{2, 2}},
    {"Carta106Francese", &dc900, Francese, "900 Ap.J.C.. Le Saint empire romain est", 717, false, false, Corse{}},
    {"Carta106Spagnolo", &dc900, Spagnolo, "900 d.C. El Imperio Romano de Occidente", 697, false, false, Corse{}},
    {"Carta106Inglese", &dc900, Inglese, " 900 A.D. The empire is divided into", 556, true, false, Corse{}},
    {"Carta108Italiano", &dc1000eu, Italiano, "1000   Il re del Wessex sconfigge", 543, false, false, Corse{3}},
    {"Carta108Francese", &dc1000eu, Francese, "1000 Le roi du Wessex défait", 616, false, false, Corse{2, 2}},
    {"Carta108Spagnolo", &dc1000eu, Spagnolo, "1000 d.C.  El rey de Wessex derrota", 568, false, false, Corse{2}},
    {"Carta108Inglese", &dc1000eu, Inglese, "1000 ", 609, false, false, Corse{}},
    {"Carta109Italiano", &dc1032, Italiano, "1032 I duchi di Aquitania sono", 262, false, false, Corse{}},
    {"Carta109Francese", &dc1032, Francese, "1032 les ducs d'Aquitaine sont de", 280, false, false, Corse{}},
    {"Carta109Spagnolo", &dc1032, Spagnolo, "1032 d.C.  Los Duques de Aquitania son", 245, false, false, Corse{2}},
    {"Carta109Inglese", &dc1032, Inglese, " 1032 The dukes of Aquitaine are", 283, true, false, Corse{}},
    {"Carta110Italiano", &dc1075, Italiano, "1075 Nella battaglia di Hastings (1066)", 564, false, false, Corse{}},
    {"Carta110Francese", &dc1075, Francese, "1075 Avec la bataille d'Hastings (1066)", 550, false, false, Corse{}},
    {"Carta110Spagnolo", &dc1075, Spagnolo, "1075 d.C.  En la batalla de Hastings", 555, false, false, Corse{2}},
    {"Carta110Inglese", &dc1075, Inglese, " 1075 In the battle of Hastings", 546, true, false, Corse{2}},
    {"Carta111Italiano", &dc1092, Italiano, "1092 In Spagna il regno cattolico", 421, false, false, Corse{}},
    {"Carta111Francese", &dc1092, Francese, "1092 en Espagne le royaume catholique", 329, false, false, Corse{}},
    {"Carta111Spagnolo", &dc1092, Spagnolo, "1092 d.C. En Hispania, el reino católico", 329, false, false, Corse{}},
    {"Carta111Inglese", &dc1092, Inglese, " 1092 In Spain the catholic kingdom", 301, true, false, Corse{}},
    {"Carta112Italiano", &dc1100, Italiano, "1100 In tutti i regni europei", 440, false, false, Corse{4}},
    {"Carta112Francese", &dc1100, Francese, "1100 Dans tous les royaumes européens", 452, false, false, Corse{}},
    {"Carta112Spagnolo", &dc1100, Spagnolo, "1100 d.C. En todos los reinos europeos", 430, false, false, Corse{}},
    {"Carta112Inglese", &dc1100, Inglese, "1100 Monarchs throughout Europe engage in", 507, false, false, Corse{}},
    {"Carta113Italiano", &dc1120, Italiano, "1120    In Oriente, inizia la decadenza", 223, false, false, Corse{4}},
    {"Carta113Francese", &dc1120, Francese, "1120 A l'est, commence le déclin", 238, false, false, Corse{}},
    {"Carta113Spagnolo", &dc1120, Spagnolo, "1120 d.C.  Comienza en oriente la decadencia", 232, false, false, Corse{2}},
    {"Carta113Inglese", &dc1120, Inglese, " 1120 In the East, the Seljuks", 136, true, false, Corse{}},
    {"Carta114Italiano", &dc1160, Italiano, "1160   ", 440, false, true, Corse{3, 2}},
    {"Carta114Francese", &dc1160, Francese, "1160 ", 419, false, false, Corse{}},
    {"Carta114Spagnolo", &dc1160, Spagnolo, "1160 d.C.  ", 461, false, false, Corse{2, 2}},
    {"Carta114Inglese", &dc1160, Inglese, "1160 ", 716, false, false, Corse{2, 2, 2}},
    {"Carta115Italiano", &dc1180, Italiano, "1180   I territori inglesi, in Francia", 218, false, false, Corse{3, 3, 3}},
    {"Carta115Francese", &dc1180, Francese, "1180 Les territoires anglais, en France", 236, false, false, Corse{}},
    {"Carta115Spagnolo", &dc1180, Spagnolo, "1180 d.C.  Los territorios ingleses en Francia", 211, false, false, Corse{2}},
    {"Carta115Inglese", &dc1180, Inglese, "1180 English territories in France reach", 190, false, false, Corse{}},
    {"Carta117Italiano", &dc1200eu, Italiano, "1200   I Principati russi si estendono", 252, false, false, Corse{3, 4, 3}},
    {"Carta117Francese", &dc1200eu, Francese, "1200 Les Pricipautés russes étendent leurs", 287, false, false, Corse{}},
    {"Carta117Spagnolo", &dc1200eu, Spagnolo, "1200 Los principados rusos se extienden", 296, false, false, Corse{}},
    {"Carta117Inglese", &dc1200eu, Inglese, " 1200 The Russian Principalities extend and", 288, true, false, Corse{}},
    {"Carta118Italiano", &dc1205, Italiano, "1205   Venezia guida la IV crociata", 465, false, false, Corse{3, 3, 3}},
    {"Carta118Francese", &dc1205, Francese, "1205 Venise conduit la IVème croisade", 512, false, false, Corse{}},
    {"Carta118Spagnolo", &dc1205, Spagnolo, "1205 Venecia dirige la IV cruzada", 449, false, false, Corse{2, 2}},
    {"Carta118Inglese", &dc1205, Inglese, " 1205 Venice diverts the Fourth Crusade", 527, true, false, Corse{2}},
    {"Carta120Italiano", &dc1270, Italiano, "1270   Spagna: si rafforzano i regni", 554, false, false, Corse{3, 3, 2, 2, 2, 3}},
    {"Carta120Francese", &dc1270, Francese, "1270 En Espagne les royaumes de", 591, false, false, Corse{}},
    {"Carta120Spagnolo", &dc1270, Spagnolo, "1270 España: los reinos de Castilla", 587, false, false, Corse{}},
    {"Carta120Inglese", &dc1270, Inglese, "1270 Spain: the kingdoms of Castile", 568, false, false, Corse{}},
    {"Carta122Italiano", &dc1300eu, Italiano, "1300   L'Europa centro-meridionale è sempre più", 379, false, false, Corse{3, 4}},
    {"Carta122Francese", &dc1300eu, Francese, "1300 L'Europe centre-méridionale est encore plus", 409, false, false, Corse{}},
    {"Carta122Spagnolo", &dc1300eu, Spagnolo, "1300 La fragmentación en la Europa", 413, false, false, Corse{}},
    {"Carta122Inglese", &dc1300eu, Inglese, "1300 The Holy Roman Empire and", 369, false, false, Corse{}},
    {"Carta123Italiano", &dc1328, Italiano, "1328   Il regno d'Inghilterra acquisisce", 424, false, false, Corse{3, 3, 3}},
    {"Carta123Francese", &dc1328, Francese, "1328 Le royaume d'Angleterre s'annexe", 474, false, false, Corse{}},
    {"Carta123Spagnolo", &dc1328, Spagnolo, "1328 El Reino de Inglaterra adquiere", 472, false, false, Corse{2}},
    {"Carta123Inglese", &dc1328, Inglese, "1328 The Kingdom of England acquires", 417, false, false, Corse{}},
};
INSTANTIATE_TEST_SUITE_P(Europe900a1328, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta106Etichetta8", &dc900, 8, Posizione{1800, 4920}, nero, {"Scoti", "Scotes", "Scots", "Scoths"}},
    {"Carta106Etichetta16", &dc900, 16, Posizione{3960, 9240}, rosso, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {"Carta106Etichetta19", &dc900, 19, Posizione{4245, 7830}, nero, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {"Carta106Etichetta22", &dc900, 22, Posizione{3480, 6720}, nero, {"Ungheria", "Hongrie", "Hungría", "Magyars"}},
    {"Carta106Etichetta27", &dc900, 27, Posizione{2040, 5040}, nero, {"Umbria", "Ombrie", "Umbria", "N.Umbria"}},
    {"Carta106Etichetta28", &dc900, 28, Posizione{4080, 3740}, bianco, {"Emirato di Cordoba", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {"Carta108Etichetta10", &dc1000eu, 10, Posizione{2880, 6600}, bianco, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {"Carta108Etichetta11", &dc1000eu, 11, Posizione{4680, 9720}, bianco, {"Bavahidi", "Buwahides", "Buwayhíes ", "Buwayhids"}},
    {"Carta108Etichetta16", &dc1000eu, 16, Posizione{4920, 8880}, bianco, {"Hamdamidi", "Hamdamides", "Hamdamidas", "Hamdamids"}},
    {"Carta108Etichetta17", &dc1000eu, 17, Posizione{3840, 3720}, nero, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {"Carta108Etichetta27", &dc1000eu, 27, Posizione{1560, 6240}, nero, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {"Carta109Etichetta11", &dc1032, 11, Posizione{4680, 9720}, bianco, {"Bavahidi: piccoli stati", "Buwahides: petits états", "Estados Buwayhíes ", "Buwayhids: Small States"}},
    {"Carta109Etichetta18", &dc1032, 18, Posizione{4320, 3840}, bianco, {"piccoli stati", "Petits états", "Estados", "Small States"}},
    {"Carta109Etichetta23", &dc1032, 23, Posizione{3840, 6320}, nero, {"Croazia", "Croatia", "Croacia", "Croatia"}},
    {"Carta110Etichetta3", &dc1075, 3, Posizione{4560, 6000}, nero, {"Normanni", "Normands", "Normandos", "Normands"}},
    {"Carta110Etichetta5", &dc1075, 5, Posizione{5140, 4440}, bianco, {"Hamadidi", "Hammadides", "Hammadíes", "Hamadids"}},
    {"Carta110Etichetta11", &dc1075, 11, Posizione{4560, 9240}, bianco, {"Stati Selgiuchidi", "Etats Selgiuquides", "Estados Seljuquides", "Seljukid States"}},
    {"Carta110Etichetta20", &dc1075, 20, Posizione{5040, 3720}, bianco, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {"Carta111Etichetta12", &dc1092, 12, Posizione{2520, 7920}, nero, {"Chernigof", "Chernigov", "Chernigof", "Chernigov"}},
    {"Carta111Etichetta15", &dc1092, 15, Posizione{4320, 6720}, rosso, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "Byzantinian Empire"}},
    {"Carta111Etichetta28", &dc1092, 28, Posizione{4080, 4920}, nero, {"Barcellona", "Barcelonne", "Barcelona", "Barcelona"}},
    {"Carta111Etichetta33", &dc1092, 33, Posizione{3240, 7080}, nero, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {"Carta112Etichetta6", &dc1100, 6, Posizione{3580, 5400}, bianco, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {"Carta112Etichetta12", &dc1100, 12, Posizione{2520, 7920}, nero, {"Chernikof", "Chernigov", "Chernigov", "Chernigov"}},
    {"Carta112Etichetta16", &dc1100, 16, Posizione{4900, 8350}, nero, {"Stati Cristiani", "Etats Chrétiens", "Estados Cristianos", "Christian States"}},
    {"Carta112Etichetta20", &dc1100, 20, Posizione{4560, 3960}, nero, {"Almoravidi", "Almoravides", "Almoravides", "Almoravids"}},
    {"Carta113Etichetta0", &dc1120, 0, Posizione{4440, 7800}, bianco, {"Sult. di Iconio", "Sult. di Iconium", "Sult. de Iconio", "Sult. of Iconio"}},
    {"Carta113Etichetta1", &dc1120, 1, Posizione{3840, 9240}, bianco, {"Georgia", "Georgie", "Georgia", "Georgia"}},
    {"Carta113Etichetta2", &dc1120, 2, Posizione{1080, 3840}, bluScuro, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {"Carta114Etichetta10", &dc1160, 10, Posizione{2760, 6600}, nero, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {"Carta114Etichetta12", &dc1160, 12, Posizione{5640, 7560}, nero, {"", "", "", ""}},
    {"Carta114Etichetta14", &dc1160, 14, Posizione{4200, 5880}, nero, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {"Carta114Etichetta21", &dc1160, 21, Posizione{5640, 6840}, nero, {"", "", "", ""}},
    {"Carta114Etichetta25", &dc1160, 25, Posizione{3720, 4320}, bianco, {"Baschi", "Navarre", "Vascos", "Navarra"}},
    {"Carta114Etichetta30", &dc1160, 30, Posizione{3480, 4920}, nero, {"(Ing)", "Eng.", "Eng.", "Eng."}},
    {"Carta115Etichetta0", &dc1180, 0, Posizione{4440, 8040}, bianco, {"Sult. di Iconio", "Sult. di Iconium", "Sult. de Iconio", "Sult. of Iconio"}},
    {"Carta115Etichetta12", &dc1180, 12, Posizione{5000, 8900}, nero, {"Imp.di Saladino", "Emp.de Saladin", "Imp.de Saladino", "Saladin Emp."}},
    {"Carta115Etichetta21", &dc1180, 21, Posizione{5640, 6840}, nero, {"", "", "", ""}},
    {"Carta115Etichetta30", &dc1180, 30, Posizione{3480, 4800}, nero, {"(Ing)", "Eng.", "Eng.", "Eng."}},
    {"Carta117Etichetta11", &dc1200eu, 11, Posizione{4680, 9400}, bianco, {"Saladino    Selgiuchiidi", "Saladin     Seljuquides", "Saladino    Seljuquides", "Saladin     Seljukids"}},
    {"Carta117Etichetta18", &dc1200eu, 18, Posizione{3840, 5640}, bianco, {"Genova", "Génes", "Génova", "Genoa"}},
    {"Carta117Etichetta34", &dc1200eu, 34, Posizione{3240, 4920}, nero, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {"Carta118Etichetta0", &dc1205, 0, Posizione{4440, 8040}, bianco, {"Sult.di Iconio", "Sult. de Iconium", "Sult.de Iconio", "Sult. of Iconium"}},
    {"Carta118Etichetta12", &dc1205, 12, Posizione{4080, 7080}, bianco, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {"Carta118Etichetta15", &dc1205, 15, Posizione{4320, 7080}, rosso, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {"Carta118Etichetta21", &dc1205, 21, Posizione{4560, 7380}, nero, {"R.Latino", "R.Latin", "R.Latino", "Latin Kdm"}},
    {"Carta120Etichetta1", &dc1270, 1, Posizione{4560, 9360}, rosso, {"Canato di IL", "Khanat de IL", "Canato de IL", "Khanate of the IL HORDE"}},
    {"Carta120Etichetta4", &dc1270, 4, Posizione{2280, 8280}, rosso, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
    {"Carta120Etichetta16", &dc1270, 16, Posizione{5160, 8520}, nero, {"Sult.Mamelucchi", "Sult.Mamelouk", "Sul.Mameluco", "Mameluk Sul."}},
    {"Carta120Etichetta21", &dc1270, 21, Posizione{5040, 4560}, bianco, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {"Carta120Etichetta30", &dc1270, 30, Posizione{3600, 4680}, nero, {"(Ing)", "(Eng.)", "(Eng.)", "(Eng.)"}},
    {"Carta122Etichetta1", &dc1300eu, 1, Posizione{4560, 9360}, rosso, {"Impero di ILKHAN", "Empire de ILKHAN", "Imperio de ILKHAN", "Khanate of the IL HORDE"}},
    {"Carta122Etichetta3", &dc1300eu, 3, Posizione{4560, 5880}, nero, {"R.delle 2 Sicilie", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Sicilies"}},
    {"Carta122Etichetta16", &dc1300eu, 16, Posizione{1800, 8280}, bianco, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {"Carta122Etichetta29", &dc1300eu, 29, Posizione{2400, 7920}, nero, {"Principati Russi", "Principautés Russes", "Estados Rusos", "Russian Principates"}},
    {"Carta123Etichetta1", &dc1328, 1, Posizione{4560, 9360}, rosso, {"Canato di IL", "Khanat de IL", "Canato de IL", "Khanate of the IL HORDE"}},
    {"Carta123Etichetta20", &dc1328, 20, Posizione{5040, 3720}, nero, {"Marinidi", "Marinides", "Marinides", "Marinids"}},
    {"Carta123Etichetta25", &dc1328, 25, Posizione{4560, 8040}, bianco, {"Sultanato Romano", "Sultanate Romain", "Sultanato Romano", "Roman Sultanate"}},
    {"Carta123Etichetta35", &dc1328, 35, Posizione{3840, 7200}, nero, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
INSTANTIATE_TEST_SUITE_P(Europe900a1328, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaSulQuadro formeSulQuadro[] = {
    {"Carta106", &dc900, {}},
    {"Carta108", &dc1000eu, {}},
    {"Carta109", &dc1032, {}},
    {"Carta110", &dc1075, {}},
    {"Carta111", &dc1092, {}},
    {"Carta112", &dc1100, {}},
    {"Carta113", &dc1120, {}},
    {"Carta114", &dc1160, {12, 21}},
    {"Carta115", &dc1180, {21}},
    {"Carta117", &dc1200eu, {}},
    {"Carta118", &dc1205, {}},
    {"Carta120", &dc1270, {}},
    {"Carta122", &dc1300eu, {}},
    {"Carta123", &dc1328, {}},
};
INSTANTIATE_TEST_SUITE_P(Europe900a1328, FormaSulQuadro, ::testing::ValuesIn(formeSulQuadro), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da106a108", &dc900, &dc1000eu, {4, 5, 9, 10, 11, 12, 13, 16, 17, 18, 20, 21, 22, 23, 24, 27, 31}},
    {"Da108a109", &dc1000eu, &dc1032, {8, 11, 16, 18, 21, 34}},
    {"Da109a110", &dc1032, &dc1075, {3, 5, 7, 11, 12, 15, 16, 20, 21, 26, 29, 33, 34, 35}},
    {"Da110a111", &dc1075, &dc1092, {3, 5, 11, 15, 18, 20, 22, 28}},
    {"Da111a112", &dc1092, &dc1100, {0, 6, 8, 12, 15, 16, 20, 22, 23, 30}},
    {"Da112a113", &dc1100, &dc1120, {0, 1, 16, 22}},
    {"Da113a114", &dc1120, &dc1160, {2, 3, 10, 12, 14, 17, 19, 21, 23, 25, 28, 29, 30, 34, 35}},
    {"Da114a115", &dc1160, &dc1180, {0, 4, 5, 6, 11, 12, 20, 30}},
    {"Da115a117", &dc1180, &dc1200eu, {0, 11, 12, 18, 21, 34}},
    {"Da117a118", &dc1200eu, &dc1205, {0, 11, 15, 16, 21, 33}},
    {"Da118a120", &dc1205, &dc1270, {0, 1, 2, 4, 5, 7, 11, 12, 16, 17, 19, 20, 21, 23, 24, 29, 30, 33, 35}},
    {"Da120a122", &dc1270, &dc1300eu, {1, 3, 4, 7, 16, 23, 25, 29, 33, 35}},
    {"Da122a123", &dc1300eu, &dc1328, {1}},
};
INSTANTIATE_TEST_SUITE_P(Europe900a1328, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// The Spanish text of map 123 has its only doubled blank at characters 367
// and 368 (counted in characters, not bytes).
TEST(Europe900a1328DescrizioniPosizioni, Carta123SpagnoloDoppioBiancoAl367) {
    const std::string_view t(dc1328.descrizione[Spagnolo]);
    std::size_t carattere = 0, primo = 0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) ++carattere;
        if (t[i] == ' ' && t[i + 1] == ' ') {
            primo = carattere;
            break;
        }
    }
    EXPECT_EQ(primo, 367u);
    EXPECT_EQ(corseDiBianchi(t), std::vector<int>{2});
}

// The year opens every description; map 106 is the only one whose Italian,
// French and English texts carry an era word after it.
TEST(Europe900a1328DescrizioniPosizioni, SoloLa106HaLEraDopoLAnno) {
    for (const Membro& m : membri) {
        SCOPED_TRACE(m.numero);
        const bool era = m.numero == 106;
        EXPECT_EQ(std::string_view(m.carta->descrizione[Italiano]).find("d.C.") != std::string_view::npos, era);
        EXPECT_EQ(std::string_view(m.carta->descrizione[Francese]).find("Ap.J.C.") != std::string_view::npos, era);
        EXPECT_EQ(std::string_view(m.carta->descrizione[Inglese]).find("A.D.") != std::string_view::npos, era);
    }
}

// The six colours over the 504 label entries of the fourteen maps.
TEST(Europe900a1328Colori, SeiColoriNelleQuantitaAttese) {
    std::map<std::uint32_t, int> conta;
    for (const Membro& m : membri)
        for (const EtichettaCarta& e : m.carta->etichette) ++conta[e.ForeColor.value_or(0xFFFFFFFFu)];
    const std::map<std::uint32_t, int> attese{{bluScuro, 22}, {rosso, 21}, {rossoScuro, 10},
                                              {blu, 6},       {bianco, 186}, {nero, 259}};
    EXPECT_EQ(conta, attese);
}

// The Byzantine Empire is red on label 15 in every map; the seas are dark
// blue on labels 0 to 3 only while these labels name them.
TEST(Europe900a1328Colori, BisanzioRossoEMariBluScuro) {
    for (const Membro& m : membri) {
        SCOPED_TRACE(m.numero);
        EXPECT_EQ(voce(*m.carta, 15)->ForeColor, std::optional<std::uint32_t>(rosso));
        for (int i = 0; i <= 3; ++i) {
            // Mediterranean 0 and Black Sea 1 to map 112, Atlantic 2 to map 113,
            // Caspian 3 to map 109.
            const bool mare = (i <= 1 && m.numero <= 112) || (i == 2 && m.numero <= 113) ||
                              (i == 3 && m.numero <= 109);
            EXPECT_EQ(voce(*m.carta, i)->ForeColor == bluScuro, mare) << "label " << i;
        }
    }
}

// Names set on two labels: the upper one is read first, in each language's own
// word order, and both keep the same colour.

struct RigaCoppia {
    const char* nome;
    const ContenutoCarta* carta;
    int sopra, sotto;
    std::uint32_t colore;
    std::array<const char*, NumeroLingue> primaParola, secondaParola;
};

void PrintTo(const RigaCoppia& r, std::ostream* os) { *os << r.nome; }

const std::array<const char*, NumeroLingue> principati{"Principati", "Principautés", "Estados", "Russian"};
const std::array<const char*, NumeroLingue> russi{"Russi", "Russes", "Rusos", "Principalities"};
const std::array<const char*, NumeroLingue> ordine{"Ordine", "Ordre", "Orden", "Teutonic"};
const std::array<const char*, NumeroLingue> teutonico{"Teutonico", "Teutonique", "Teutonico", "Order"};

const RigaCoppia coppie[] = {
    {"Carta114Russi", &dc1160, 29, 35, rossoScuro, principati, russi},
    {"Carta115Russi", &dc1180, 29, 35, rossoScuro, principati, russi},
    {"Carta117Russi", &dc1200eu, 29, 35, rossoScuro, principati, russi},
    {"Carta118Russi", &dc1205, 29, 35, rossoScuro, principati, russi},
    {"Carta120Russi", &dc1270, 29, 35, rossoScuro, principati, russi},
    {"Carta120Teutonici", &dc1270, 0, 11, blu, ordine, teutonico},
    {"Carta122Teutonici", &dc1300eu, 0, 11, blu, ordine, teutonico},
    {"Carta123Teutonici", &dc1328, 0, 11, blu, ordine, teutonico},
};

class Coppie : public ::testing::TestWithParam<RigaCoppia> {};

TEST_P(Coppie, SopraLaPrimaParolaSottoLaSeconda) {
    const RigaCoppia& r = GetParam();
    const EtichettaCarta* a = voce(*r.carta, r.sopra);
    const EtichettaCarta* b = voce(*r.carta, r.sotto);
    ASSERT_TRUE(a && b && a->posizione && b->posizione);
    EXPECT_LT(a->posizione->Top, b->posizione->Top);
    EXPECT_LE(b->posizione->Top - a->posizione->Top, 480);
    EXPECT_EQ(a->ForeColor, std::optional<std::uint32_t>(r.colore));
    EXPECT_EQ(b->ForeColor, std::optional<std::uint32_t>(r.colore));
    for (int l = 0; l < NumeroLingue; ++l) {
        EXPECT_STREQ(a->didascalia[l], r.primaParola[l]) << "lingua " << l;
        EXPECT_STREQ(b->didascalia[l], r.secondaParola[l]) << "lingua " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(Europe900a1328, Coppie, ::testing::ValuesIn(coppie),
                         [](const ::testing::TestParamInfo<RigaCoppia>& i) {
                             return std::string(i.param.nome);
                         });

// Map 117 writes two names on label 11, parted by blanks so that the second
// one starts at the thirteenth character in every language.
TEST(Europe900a1328Coppie, Carta117DueNomiSullEtichetta11) {
    const EtichettaCarta* e = voce(dc1200eu, 11);
    ASSERT_NE(e, nullptr);
    for (int l = 0; l < NumeroLingue; ++l) {
        const std::string_view d(e->didascalia[l]);
        SCOPED_TRACE(d);
        ASSERT_GT(d.size(), 12u);
        EXPECT_EQ(d[11], ' ');
        EXPECT_NE(d[12], ' ');
        EXPECT_EQ(corseDiBianchi(d).size(), 1u);
    }
}

}  // namespace
