// Content of the Europe maps of AD 268 to 870, among maps 86 to 105 (maps/europe_268_870/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <set>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

struct CartaEuropea {
    int numero;
    const ContenutoCarta* carta;
};

const CartaEuropea carteEuropee[] = {
    {86, &dc268}, {87, &dc290}, {89, &dc330}, {90, &dc378}, {91, &dc410}, {92, &dc451},
    {93, &dc476}, {95, &dc500eu}, {96, &dc526}, {97, &dc565}, {98, &dc600}, {99, &dc700},
    {100, &dc732}, {102, &dc774}, {103, &dc800}, {104, &dc843}, {105, &dc870}};

const RigaDescrizione descrizioni[] = {
    {"Carta086_dc268_Italiano", &dc268, Italiano, "268 d.C.   ", 463, false, false, std::nullopt, 0, 0},
    {"Carta086_dc268_Francese", &dc268, Francese, "268 Ap.JC. ", 509, false, false, std::nullopt, 0, 0},
    {"Carta086_dc268_Spagnolo", &dc268, Spagnolo, "268 d.C. ", 475, false, false, std::nullopt, 0, 0},
    {"Carta086_dc268_Inglese", &dc268, Inglese, "268 A.D. ", 495, false, false, std::nullopt, 0, 0},
    {"Carta087_dc290_Italiano", &dc290, Italiano, "290d.C. ", 122, false, false, std::nullopt, 0, 0},
    {"Carta087_dc290_Francese", &dc290, Francese, "290 Ap.JC.  ", 137, false, false, std::nullopt, 0, 0},
    {"Carta087_dc290_Spagnolo", &dc290, Spagnolo, "290 d.C. ", 120, false, false, std::nullopt, 0, 0},
    {"Carta087_dc290_Inglese", &dc290, Inglese, "290A.D. ", 139, false, true, std::nullopt, 0, 1},
    {"Carta089_dc330_Italiano", &dc330, Italiano, "330 d.C. ", 424, false, false, std::nullopt, 0, 0},
    {"Carta089_dc330_Francese", &dc330, Francese, "330 Ap.JC. ", 457, false, false, std::nullopt, 0, 0},
    {"Carta089_dc330_Spagnolo", &dc330, Spagnolo, "330 d.C. ", 397, false, false, std::nullopt, 0, 0},
    {"Carta089_dc330_Inglese", &dc330, Inglese, "330 A.D. ", 419, false, false, std::nullopt, 0, 0},
    {"Carta090_dc378_Italiano", &dc378, Italiano, "378 d.C.   ", 145, false, false, std::nullopt, 0, 0},
    {"Carta090_dc378_Francese", &dc378, Francese, "378 Ap.JC. ", 147, false, false, std::nullopt, 0, 0},
    {"Carta090_dc378_Spagnolo", &dc378, Spagnolo, "378 d.C. ", 156, false, false, std::nullopt, 0, 0},
    {"Carta090_dc378_Inglese", &dc378, Inglese, "378 A.D. ", 144, false, false, std::nullopt, 0, 0},
    {"Carta091_dc410_Italiano", &dc410, Italiano, "Gli Unni continuano", 357, false, false, std::nullopt, std::nullopt, 0},
    {"Carta091_dc410_Francese", &dc410, Francese, "410 Ap.JC. ", 416, false, false, std::nullopt, 0, 0},
    {"Carta091_dc410_Spagnolo", &dc410, Spagnolo, "410 d.C. ", 389, false, false, std::nullopt, 0, 0},
    {"Carta091_dc410_Inglese", &dc410, Inglese, "410 A.D. ", 371, false, false, std::nullopt, 0, 0},
    {"Carta092_dc451_Italiano", &dc451, Italiano, "451 d.C. ", 405, false, false, std::nullopt, 0, 0},
    {"Carta092_dc451_Francese", &dc451, Francese, "451 Ap.JC. ", 456, false, false, std::nullopt, 0, 0},
    {"Carta092_dc451_Spagnolo", &dc451, Spagnolo, "451 d.C. ", 402, false, false, std::nullopt, 0, 0},
    {"Carta092_dc451_Inglese", &dc451, Inglese, "451 A.D. ", 415, false, false, std::nullopt, 0, 0},
    {"Carta093_dc476_Italiano", &dc476, Italiano, " 476 d.C.   ", 320, true, false, std::nullopt, 0, 0},
    {"Carta093_dc476_Francese", &dc476, Francese, "476 Ap.JC. ", 445, false, false, std::nullopt, 0, 0},
    {"Carta093_dc476_Spagnolo", &dc476, Spagnolo, "476 d.C. ", 331, false, false, std::nullopt, 0, 0},
    {"Carta093_dc476_Inglese", &dc476, Inglese, "476 A.D. ", 299, false, false, std::nullopt, 0, 0},
    {"Carta095_dc500eu_Italiano", &dc500eu, Italiano, "500 d.C.   ", 358, false, false, std::nullopt, 0, 0},
    {"Carta095_dc500eu_Francese", &dc500eu, Francese, "500 Ap.JC. ", 413, false, false, std::nullopt, 0, 0},
    {"Carta095_dc500eu_Spagnolo", &dc500eu, Spagnolo, "500 d.C. ", 369, false, false, std::nullopt, 0, 0},
    {"Carta095_dc500eu_Inglese", &dc500eu, Inglese, "500 A.D. ", 376, false, false, std::nullopt, 0, 0},
    {"Carta096_dc526_Italiano", &dc526, Italiano, "526 d.C.I", 236, false, false, std::nullopt, std::nullopt, 0},
    {"Carta096_dc526_Francese", &dc526, Francese, "526 Ap.JC. ", 258, false, false, std::nullopt, 0, 0},
    {"Carta096_dc526_Spagnolo", &dc526, Spagnolo, "526 d.C. ", 245, false, false, std::nullopt, 0, 0},
    {"Carta096_dc526_Inglese", &dc526, Inglese, "526 A.D. ", 255, false, false, std::nullopt, 0, 0},
    {"Carta097_dc565_Italiano", &dc565, Italiano, "565 d.C.   ", 309, false, false, std::nullopt, 0, 0},
    {"Carta097_dc565_Francese", &dc565, Francese, "565 Ap.JC. ", 319, false, false, std::nullopt, 0, 0},
    {"Carta097_dc565_Spagnolo", &dc565, Spagnolo, "565 d.C. ", 315, false, false, std::nullopt, 0, 0},
    {"Carta097_dc565_Inglese", &dc565, Inglese, "565 A.D. ", 310, false, false, std::nullopt, 0, 0},
    {"Carta098_dc600_Italiano", &dc600, Italiano, "600 d.C.   ", 436, false, false, std::nullopt, 0, 0},
    {"Carta098_dc600_Francese", &dc600, Francese, "600 Ap.JC. ", 503, false, false, std::nullopt, 0, 0},
    {"Carta098_dc600_Spagnolo", &dc600, Spagnolo, "600 d.C. ", 432, false, false, std::nullopt, 0, 0},
    {"Carta098_dc600_Inglese", &dc600, Inglese, "600 A.D. ", 393, false, false, std::nullopt, 0, 0},
    {"Carta099_dc700_Italiano", &dc700, Italiano, "700 d.C.    ", 545, false, false, std::nullopt, 0, 0},
    {"Carta099_dc700_Francese", &dc700, Francese, "700 Ap.JC. ", 616, false, false, std::nullopt, 0, 0},
    {"Carta099_dc700_Spagnolo", &dc700, Spagnolo, "700 d.C. ", 543, false, false, std::nullopt, 0, 0},
    {"Carta099_dc700_Inglese", &dc700, Inglese, " 700 A.D. ", 499, true, false, std::nullopt, 0, 0},
    {"Carta100_dc732_Italiano", &dc732, Italiano, "732 d.C. ", 272, false, true, std::nullopt, 0, 2},
    {"Carta100_dc732_Francese", &dc732, Francese, "732 Ap.JC. ", 287, false, false, std::nullopt, 0, 0},
    {"Carta100_dc732_Spagnolo", &dc732, Spagnolo, "732 d.C. ", 273, false, false, std::nullopt, 0, 0},
    {"Carta100_dc732_Inglese", &dc732, Inglese, " 732 A.D. ", 492, true, false, std::nullopt, 0, 0},
    {"Carta102_dc774_Italiano", &dc774, Italiano, "774 d.C. ", 270, false, false, std::nullopt, 0, 0},
    {"Carta102_dc774_Francese", &dc774, Francese, "774 Ap.JC. ", 312, false, false, std::nullopt, 0, 0},
    {"Carta102_dc774_Spagnolo", &dc774, Spagnolo, "774 d.C. ", 291, false, false, std::nullopt, 0, 0},
    {"Carta102_dc774_Inglese", &dc774, Inglese, " 774 A.D. ", 201, true, false, std::nullopt, 0, 0},
    {"Carta103_dc800_Italiano", &dc800, Italiano, "800 d.C. ", 370, false, false, std::nullopt, 0, 0},
    {"Carta103_dc800_Francese", &dc800, Francese, "800 Ap.JC. ", 434, false, true, std::nullopt, 0, 1},
    {"Carta103_dc800_Spagnolo", &dc800, Spagnolo, "800 d.C. ", 367, false, false, std::nullopt, 0, 0},
    {"Carta103_dc800_Inglese", &dc800, Inglese, " 800 A.D. ", 351, true, false, std::nullopt, 0, 0},
    {"Carta104_dc843_Italiano", &dc843, Italiano, "843 d.C. ", 206, false, false, std::nullopt, 0, 0},
    {"Carta104_dc843_Francese", &dc843, Francese, "843 Ap.JC. ", 226, false, false, std::nullopt, 0, 0},
    {"Carta104_dc843_Spagnolo", &dc843, Spagnolo, "843 d.C. ", 234, false, false, std::nullopt, 0, 0},
    {"Carta104_dc843_Inglese", &dc843, Inglese, " 843 A.D. ", 244, true, false, std::nullopt, 0, 0},
    {"Carta105_dc870_Italiano", &dc870, Italiano, "870 d.C. ", 309, false, false, std::nullopt, 0, 0},
    {"Carta105_dc870_Francese", &dc870, Francese, "870 Ap.J.C. ", 330, false, false, std::nullopt, 0, 0},
    {"Carta105_dc870_Spagnolo", &dc870, Spagnolo, "870 d.C. ", 313, false, false, std::nullopt, 0, 0},
    {"Carta105_dc870_Inglese", &dc870, Inglese, " 870 A.D. ", 396, true, false, std::nullopt, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Europe268a870, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta086_Etichetta4_LagoDAral", &dc268, 4, Posizione{2640, 10560}, 0xFF0000u, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {"Carta086_Etichetta5_VandaliNeri", &dc268, 5, Posizione{3240, 6480}, 0x000000u, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {"Carta086_Etichetta7_ImperoSpaziato", &dc268, 7, Posizione{3960, 4920}, 0x0000FFu, {"I M P E R O   R O M A N O", "E M P I R E   R O M A I N", "I M P E R I O   R O M A N O", "R O M A N   E M P I R E"}},
    {"Carta086_Etichetta12_AlamanniInInglese", &dc268, 12, Posizione{3150, 5880}, 0xFFFFFFu, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {"Carta086_Etichetta13_SoloDidascaliaVuota", &dc268, 13, std::nullopt, std::nullopt, {"", "", "", ""}},
    {"Carta086_Etichetta16_SoloDidascaliaVuota", &dc268, 16, std::nullopt, std::nullopt, {"", "", "", ""}},
    {"Carta086_Etichetta17_GothicHeruliAlliance", &dc268, 17, Posizione{3240, 7320}, 0xFFFFFFu, {"Goti-Eruli", "Goths-Herules", "Góticos-Hérulos", "Gothic-Heruli Alliance"}},
    {"Carta086_Etichetta19_RegnoDiPalmira", &dc268, 19, Posizione{4440, 8160}, 0xFFFFFFu, {"R.di Palmira", "R.de Palmyre", "R.de Palmiria", "Palmyric Kdm"}},
    {"Carta087_Etichetta7_ImperoSpaziatoSpostato", &dc290, 7, Posizione{3000, 4000}, 0x0000FFu, {"I M P E R O   R O M A N O", "E M P I R E   R O M A I N", "I M P E R I O   R O M A N O", "R O M A N   E M P I R E"}},
    {"Carta087_Etichetta9_Ostrogoti", &dc290, 9, Posizione{3000, 8760}, 0xFFFFFFu, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {"Carta087_Etichetta15_SoloDidascaliaVuota", &dc290, 15, std::nullopt, std::nullopt, {"", "", "", ""}},
    {"Carta087_Etichetta19_SoloDidascaliaVuota", &dc290, 19, std::nullopt, std::nullopt, {"", "", "", ""}},
    {"Carta087_Etichetta20_MassiliaUguale", &dc290, 20, Posizione{3960, 5400}, 0x000000u, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {"Carta089_Etichetta7_SecondaRigaOccidente", &dc330, 7, Posizione{4680, 5760}, 0x0000FFu, {"d'Occidente", "d'Occident", "de Occidente", "Empire"}},
    {"Carta089_Etichetta13_PrimaRigaOccidente", &dc330, 13, Posizione{4440, 5760}, 0x0000FFu, {"Impero Romano", "Empire Romain", "Imperio Romano", "Western Roman"}},
    {"Carta089_Etichetta16_SecondaRigaOriente", &dc330, 16, Posizione{4680, 7920}, 0x0000FFu, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {"Carta089_Etichetta19_Constantinopolis", &dc330, 19, Posizione{4245, 7830}, 0x000000u, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {"Carta090_Etichetta9_OstrogotiSpostati", &dc378, 9, Posizione{3120, 7080}, 0xFFFFFFu, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {"Carta090_Etichetta12_AlamanniSpostati", &dc378, 12, Posizione{3000, 6000}, 0xFFFFFFu, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {"Carta090_Etichetta17_VisigotiSpostati", &dc378, 17, Posizione{3600, 6960}, 0xFFFFFFu, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {"Carta090_Etichetta21_UnniSpaziati", &dc378, 21, Posizione{2040, 8520}, 0xFFFFFFu, {"U N N I", "H U N S", "H U N O S", "H U N S"}},
    {"Carta091_Etichetta3_CaspioBluScuro", &dc410, 3, Posizione{3960, 10120}, 0xC00000u, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {"Carta091_Etichetta5_VandalesInSpagnolo", &dc410, 5, Posizione{4200, 3960}, 0xFFFFFFu, {"Vandali", "Vandales", "Vandales", "Vandals"}},
    {"Carta091_Etichetta7_Alanos", &dc410, 7, Posizione{3120, 5640}, 0xFFFFFFu, {"Alamanni", "Alamans", "Alanos", "Alamanni"}},
    {"Carta091_Etichetta9_AngliConTrattini", &dc410, 9, Posizione{2160, 5160}, 0x000000u, {"-----Angli-----", "-----Angles-----", "-----Anglos-----", "-----Angles----"}},
    {"Carta091_Etichetta10_SassoniConSetteTrattini", &dc410, 10, Posizione{2640, 5280}, 0x000000u, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {"Carta091_Etichetta13_AlleanzaGotica", &dc410, 13, Posizione{3600, 6240}, 0xFFFFFFu, {"Alleanza gotica di Alarico", "Alliance gothique d'Alaric", "Alianza gotica de Alarico", "Gothic Alliance of Alaric"}},
    {"Carta092_Etichetta7_AlainsNeri", &dc451, 7, Posizione{3600, 5040}, 0x000000u, {"Alamanni", "Alains", "Alanos", "Alans"}},
    {"Carta092_Etichetta12_VuotaBianca", &dc451, 12, Posizione{3240, 6600}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta092_Etichetta17_VisigotiRossi", &dc451, 17, Posizione{3360, 4560}, 0x0000FFu, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {"Carta092_Etichetta21_ImperioUnico", &dc451, 21, Posizione{2880, 6720}, 0xFFFFFFu, {"IMPERO DEGLI UNNI", "Empire des Huns", "IMPERIO ÚNICO", "H U N N I C   E M P I R E"}},
    {"Carta092_Etichetta23_SuebiNeri", &dc451, 23, Posizione{3840, 3885}, 0x000000u, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {"Carta092_Etichetta27_Eftalit", &dc451, 27, Posizione{2640, 11160}, 0xFFFFFFu, {"Impero", "Empire", "Imperio", "Eftalit"}},
    {"Carta092_Etichetta29_TribuGermaniques", &dc451, 29, Posizione{2640, 6480}, 0xFFFFFFu, {"Tribù Germaniche", "Tribù Germaniques", "Tribù Germanas", "Germanic Tribes"}},
    {"Carta093_Etichetta1_NeroInSpagnolo", &dc476, 1, Posizione{3840, 8280}, 0xFF0000u, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {"Carta093_Etichetta7_VuotaBiancaInBasso", &dc476, 7, Posizione{5640, 8880}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta093_Etichetta13_Gepidi", &dc476, 13, Posizione{3720, 6960}, 0xFFFFFFu, {"Gepidi", "Gepides", "Gépidas", "Gepid Kdm"}},
    {"Carta093_Etichetta24_KdmOfOstrogoths", &dc476, 24, Posizione{3630, 5640}, 0xFFFFFFu, {"Regno degli Ostrogoti", "Royaume des Ostrogoths", "Reino de los Ostrogodos", "Kdm of Ostrogoths"}},
    {"Carta093_Etichetta31_RegniCeltici", &dc476, 31, Posizione{2160, 4440}, 0x000000u, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
    {"Carta095_Etichetta7_AlainsInFrancese", &dc500eu, 7, Posizione{2880, 5880}, 0xFFFFFFu, {"Alamanni", "Alains", "Alamanos", "Alamanni"}},
    {"Carta095_Etichetta23_SuebiBianchi", &dc500eu, 23, Posizione{3840, 3880}, 0xFFFFFFu, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {"Carta095_Etichetta24_RoyaumeDesOstrogoths", &dc500eu, 24, Posizione{3630, 5640}, 0xFFFFFFu, {"Regno degli Ostrogoti", "Royaume des Ostrogoths", "Reino de los Ostrogodos", "Kdm of Ostrogoths"}},
    {"Carta095_Etichetta27_EftalitMinuscolo", &dc500eu, 27, Posizione{2640, 11160}, 0xFFFFFFu, {"Impero", "Empire", "Imperio", "eftalit"}},
    {"Carta095_Etichetta29_GermaniciESlaviSpaziati", &dc500eu, 29, Posizione{2760, 6360}, 0xFFFFFFu, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {"Carta096_Etichetta9_AngliSenzaTrattini", &dc526, 9, Posizione{2400, 5160}, 0x000000u, {"Angli", "Angles", "Anglos", "Angles"}},
    {"Carta096_Etichetta29_GermaniciESlavi", &dc526, 29, Posizione{2640, 6600}, 0xFFFFFFu, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {"Carta096_Etichetta32_RegnoTuringioPrimaRiga", &dc526, 32, Posizione{2760, 6120}, 0xFFFFFFu, {"Regno", "Royaume", "Reino", "Thuringian"}},
    {"Carta096_Etichetta33_Turinjo", &dc526, 33, Posizione{2880, 6240}, 0xFFFFFFu, {"Turingio", "Thuringe", "Turinjo", "Kdm"}},
    {"Carta097_Etichetta5_Bavaros", &dc565, 5, Posizione{3240, 5880}, 0xFFFFFFu, {"Baiuvari", "Bavares", "Bàvaros", "Bavars"}},
    {"Carta097_Etichetta10_SassoniConSetteTrattini", &dc565, 10, Posizione{2640, 5280}, 0x000000u, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {"Carta097_Etichetta15_Byzantinian", &dc565, 15, Posizione{4680, 6000}, 0x0000FFu, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {"Carta097_Etichetta18_VuotaSottoLaCarta", &dc565, 18, Posizione{6000, 5880}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta097_Etichetta20_VuotaSottoLaCarta", &dc565, 20, Posizione{6000, 6960}, 0x000000u, {"", "", "", ""}},
    {"Carta097_Etichetta24_VuotaSottoLaCarta", &dc565, 24, Posizione{6000, 7920}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta098_Etichetta5_Baiovaria", &dc600, 5, Posizione{3360, 5880}, 0xFFFFFFu, {"Baiuvari", "Bavares", "Bàvaros", "Baiovaria"}},
    {"Carta098_Etichetta6_NeustriaEFrancos", &dc600, 6, Posizione{3000, 4920}, 0xFFFFFFu, {"Neustria", "Neustrie", "Francos", "Neustria"}},
    {"Carta098_Etichetta10_SassoniConNoveTrattini", &dc600, 10, Posizione{2640, 5280}, 0x000000u, {"---------Sassoni", "---------Saxons", "---------Sajones", "---------Saxons"}},
    {"Carta098_Etichetta13_RDegliAvari", &dc600, 13, Posizione{3600, 6600}, 0xFFFFFFu, {"R.degli Avari", "R. des Avars", "R. Avaro", "Avar Kdm"}},
    {"Carta098_Etichetta23_Alamannia", &dc600, 23, Posizione{3210, 5520}, 0xFFFFFFu, {"Alemania", "Alemanie", "Alemania", "Alamannia"}},
    {"Carta098_Etichetta33_LongobardiNeri", &dc600, 33, Posizione{4440, 6240}, 0x000000u, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {"Carta099_Etichetta9_WessexEAngles", &dc700, 9, Posizione{2640, 4680}, 0x000000u, {"Wessex", "Wessex", "Wessex", "Angles"}},
    {"Carta099_Etichetta11_CaliffatoOmeya", &dc700, 11, Posizione{4800, 9720}, 0xFFFFFFu, {"Califfato Omayyade", "CALIFAT OMAYYADE", "Califato OMEYA", "OMAYYAD CALIPHATE"}},
    {"Carta099_Etichetta19_Constantinopole", &dc700, 19, Posizione{4245, 7830}, 0x000000u, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinople"}},
    {"Carta099_Etichetta21_Ravenne", &dc700, 21, Posizione{3900, 6180}, 0x000000u, {"oRavenna", "oRavenne", "oRavenna", "oRavenna"}},
    {"Carta099_Etichetta27_NUmbria", &dc700, 27, Posizione{2040, 5040}, 0x000000u, {"Umbria", "Ombrie", "Umbria", "N.Umbria"}},
    {"Carta099_Etichetta28_Omayade", &dc700, 28, Posizione{5040, 5280}, 0xFFFFFFu, {"Omayyadi", "Omayade", "Omeya", "Omayyad"}},
    {"Carta100_Etichetta5_RDeiCazari", &dc732, 5, Posizione{2880, 8280}, 0xFFFFFFu, {"R. dei Cazari", "Empire Cazare", "Imperio Kazaro", "Khazar Empire"}},
    {"Carta100_Etichetta17_AsturieNere", &dc732, 17, Posizione{3600, 3840}, 0x000000u, {"Asturie", "Asturiens", "Astures", "Asturians"}},
    {"Carta100_Etichetta19_ConstantinopleInInglese", &dc732, 19, Posizione{4245, 7830}, 0x000000u, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinople"}},
    {"Carta100_Etichetta28_OmayyadiSpostati", &dc732, 28, Posizione{4200, 4080}, 0xFFFFFFu, {"Omayyadi", "Omayade", "Omeya", "Omayyad"}},
    {"Carta102_Etichetta11_CalifatOmayyade", &dc774, 11, Posizione{4800, 9720}, 0xFFFFFFu, {"Califfato Omayyade", "CALIFAT OMAYYADE", "Califato OMEYA", "OMAYYAD CALIPHATE"}},
    {"Carta102_Etichetta19_ConstantinopolisInInglese", &dc774, 19, Posizione{4245, 7830}, 0x000000u, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {"Carta102_Etichetta33_LongobardiNeri", &dc774, 33, Posizione{4440, 6240}, 0x000000u, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {"Carta103_Etichetta11_ToltecasAbbaside", &dc800, 11, Posizione{4800, 9720}, 0xFFFFFFu, {"CALIFFATO ABASSIDE", "Toltecas ABBASIDE", "Califato ABASIDA", "ABBASID CALIPHATE"}},
    {"Carta103_Etichetta15_BizantiniSpostati", &dc800, 15, Posizione{4440, 7200}, 0x0000FFu, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {"Carta103_Etichetta16_BizantiniSpostati", &dc800, 16, Posizione{4680, 8160}, 0x0000FFu, {"BIZANTINO", "BYZANTIN", "BIZANTINO", "EMPIRE"}},
    {"Carta103_Etichetta28_EmirateDeCordoba", &dc800, 28, Posizione{4080, 3740}, 0xFFFFFFu, {"Omayyadi", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {"Carta103_Etichetta33_Benevento", &dc800, 33, Posizione{4440, 6240}, 0x000000u, {"Longobardi", "Benevento", "Benevento", "Benevento"}},
    {"Carta104_Etichetta11_CalifatAbbasside", &dc843, 11, Posizione{4800, 9720}, 0xFFFFFFu, {"CALIFFATO ABASSIDE", "CALIFAT ABBASSIDE", "Califato ABASIDA", "ABBASID CALIPHATE"}},
    {"Carta104_Etichetta12_ImamatoDiTahert", &dc843, 12, Posizione{5160, 4440}, 0xFFFFFFu, {"Imamato di Tahert", "Imamate de Tahert", "Imamato de Tahert", "Imamate of Tahert"}},
    {"Carta104_Etichetta20_RegnoDiIdrissid", &dc843, 20, Posizione{5040, 3720}, 0xFFFFFFu, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {"Carta104_Etichetta32_Dinamarca", &dc843, 32, Posizione{2160, 5760}, 0x000000u, {"Juti", "Danemark", "Dinamarca", "Denmark Kdm"}},
    {"Carta105_Etichetta23_CroatiPiuInBasso", &dc870, 23, Posizione{3770, 6280}, 0xFFFFFFu, {"Croati", "Croates", "Croatas", "Croats"}},
    {"Carta105_Etichetta25_Vascos", &dc870, 25, Posizione{3720, 4320}, 0xFFFFFFu, {"Baschi", "Basques", "Vascos", "Basques"}},
    {"Carta105_Etichetta29_GermaniciESlavi", &dc870, 29, Posizione{2640, 6600}, 0xFFFFFFu, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {"Carta105_Etichetta32_Danemark", &dc870, 32, Posizione{2160, 5760}, 0x000000u, {"Juti", "Danemark", "Dinamarca", "Denmark Kdm"}},
};
INSTANTIATE_TEST_SUITE_P(Europe268a870, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaSoloDidascalia formeSoloDidascalia[] = {
    {"Carta086_dc268", &dc268, 20, 20, {13, 15, 16}},
    {"Carta087_dc290", &dc290, 21, 21, {13, 15, 16, 19}},
    {"Carta089_dc330", &dc330, 21, 21, {}},
    {"Carta090_dc378", &dc378, 22, 22, {}},
    {"Carta091_dc410", &dc410, 23, 23, {}},
    {"Carta092_dc451", &dc451, 31, 31, {}},
    {"Carta093_dc476", &dc476, 32, 32, {}},
    {"Carta095_dc500eu", &dc500eu, 32, 32, {}},
    {"Carta096_dc526", &dc526, 34, 34, {}},
    {"Carta097_dc565", &dc565, 32, 32, {}},
    {"Carta098_dc600", &dc600, 34, 34, {}},
    {"Carta099_dc700", &dc700, 34, 34, {}},
    {"Carta100_dc732", &dc732, 34, 34, {}},
    {"Carta102_dc774", &dc774, 34, 34, {}},
    {"Carta103_dc800", &dc800, 34, 34, {}},
    {"Carta104_dc843", &dc843, 34, 34, {}},
    {"Carta105_dc870", &dc870, 34, 34, {}},
};
INSTANTIATE_TEST_SUITE_P(Europe268a870, FormaSoloDidascalia, ::testing::ValuesIn(formeSoloDidascalia), NomeRiga());

// The four languages of a map tell the period in four different texts, and
// no map repeats another's text (maps 104 and 105 share their labels only).
TEST(Europe268a870DescrizioniDistinte, OgniCartaEOgniLinguaHaIlSuoTesto) {
    std::set<std::string_view> tutti;
    for (const auto& c : carteEuropee)
        for (const char* d : c.carta->descrizione) {
            ASSERT_NE(d, nullptr) << "map " << c.numero;
            EXPECT_TRUE(tutti.insert(d).second) << "map " << c.numero << " repeats a text";
        }
}

// Details of some texts that the openings alone do not show.
TEST(Europe268a870DescrizioniDistinte, DettagliDeiTesti) {
    // Map 95, Italian: three blanks also before the last sentence.
    EXPECT_NE(std::string_view{dc500eu.descrizione[Italiano]}.find(".   "), std::string_view::npos);
    // Map 98, Italian: two southern peoples, each followed by three question marks.
    const std::string_view it600{dc600.descrizione[Italiano]};
    std::size_t punti = 0;
    for (std::size_t p = it600.find("???"); p != std::string_view::npos; p = it600.find("???", p + 3)) ++punti;
    EXPECT_EQ(punti, 2u);
    EXPECT_EQ(it600.find("????"), std::string_view::npos);
    // Map 99, Italian: the text ends with two full stops.
    const std::string_view it700{dc700.descrizione[Italiano]};
    EXPECT_TRUE(it700.ends_with("..") && !it700.ends_with("..."));
    // Map 100, English: a passage headed "756AD." stands inside the text.
    EXPECT_NE(std::string_view{dc732.descrizione[Inglese]}.find("756AD. "), std::string_view::npos);
    // Map 102, English: two blanks between the first and the second sentence.
    const std::string_view en774{dc774.descrizione[Inglese]};
    const std::size_t doppio = en774.find(".  ");
    ASSERT_NE(doppio, std::string_view::npos);
    EXPECT_EQ(en774.find("  ", doppio + 2), std::string_view::npos) << "one double blank only";
    EXPECT_EQ(en774.find("  "), doppio + 1);
}

// What the maps share.

bool stessaVoceTranne(const EtichettaCarta& a, const EtichettaCarta& b, int saltaLingua = -1) {
    if (a.indice != b.indice || a.ForeColor != b.ForeColor) return false;
    if (a.posizione.has_value() != b.posizione.has_value()) return false;
    if (a.posizione && (a.posizione->Top != b.posizione->Top || a.posizione->Left != b.posizione->Left)) return false;
    for (int l = 0; l < NumeroLingue; ++l)
        if (l != saltaLingua && std::string_view{a.didascalia[l]} != b.didascalia[l]) return false;
    return true;
}

// Only the listed label, in the listed language, may differ between two maps.
void confronta(const ContenutoCarta& a, const ContenutoCarta& b, int indiceDiverso, int linguaDiversa) {
    ASSERT_EQ(a.etichette.size(), b.etichette.size());
    ASSERT_EQ(a.primaDaPulire, b.primaDaPulire);
    for (std::size_t i = 0; i < a.etichette.size(); ++i) {
        const auto& x = a.etichette[i];
        const auto& y = b.etichette[i];
        if (x.indice == indiceDiverso) {
            EXPECT_TRUE(stessaVoceTranne(x, y, linguaDiversa)) << "label " << x.indice;
            EXPECT_STRNE(x.didascalia[linguaDiversa], y.didascalia[linguaDiversa]) << "label " << x.indice;
        } else {
            EXPECT_TRUE(stessaVoceTranne(x, y)) << "label " << x.indice;
        }
    }
}

TEST(Europe268a870Condivise, Carte104E105HannoLeStesseEtichette) {
    ASSERT_EQ(dc843.etichette.size(), dc870.etichette.size());
    for (std::size_t i = 0; i < dc843.etichette.size(); ++i)
        EXPECT_TRUE(stessaVoceTranne(dc843.etichette[i], dc870.etichette[i])) << "label " << dc843.etichette[i].indice;
}

TEST(Europe268a870Condivise, Carta103DifferisceDalla104SoloNelFranceseDellEtichetta11) {
    confronta(dc800, dc843, 11, Francese);
}

TEST(Europe268a870Condivise, Carta102DifferisceDalla100SoloNellIngleseDellEtichetta19) {
    confronta(dc732, dc774, 19, Inglese);
}

// The five waters: the same labels and captions on all 17 maps, blue up to map
// 90 and on maps 92 and 93, dark blue on map 91 and from map 95 on.
TEST(Europe268a870Condivise, AcqueBluOBluScuro) {
    const std::set<int> blu = {86, 87, 89, 90, 92, 93};
    for (const auto& c : carteEuropee) {
        for (int i = 0; i <= 4; ++i) {
            const EtichettaCarta* e = voce(*c.carta, i);
            const EtichettaCarta* r = voce(dc268, i);
            ASSERT_NE(e, nullptr);
            ASSERT_TRUE(e->ForeColor.has_value());
            EXPECT_EQ(*e->ForeColor, blu.count(c.numero) ? 0xFF0000u : 0xC00000u) << "map " << c.numero << " label " << i;
            for (int l = 0; l < NumeroLingue; ++l) {
                // The Spanish Black Sea reads "M.Nero" from map 93 on.
                if (i == 1 && l == Spagnolo && c.numero >= 93) {
                    EXPECT_STREQ(e->didascalia[l], "M.Nero") << "map " << c.numero;
                    continue;
                }
                EXPECT_STREQ(e->didascalia[l], r->didascalia[l]) << "map " << c.numero << " label " << i;
            }
        }
    }
}

// Rome (label 14) keeps its place, colour and captions, without the city dot.
TEST(Europe268a870Condivise, RomaSempreUguale) {
    for (const auto& c : carteEuropee) {
        const EtichettaCarta* e = voce(*c.carta, 14);
        ASSERT_NE(e, nullptr);
        ASSERT_TRUE(e->posizione && e->ForeColor);
        EXPECT_EQ(e->posizione->Top, 4200);
        EXPECT_EQ(e->posizione->Left, 6180);
        EXPECT_EQ(*e->ForeColor, 0x000000u);
        EXPECT_STREQ(e->didascalia[Italiano], "Roma") << "map " << c.numero;
        EXPECT_STREQ(e->didascalia[Inglese], "Rome") << "map " << c.numero;
    }
}

// A caption that begins with the city dot "o" is a city, and cities are black.
TEST(Europe268a870Condivise, CittaConIlPuntoSonoNere) {
    for (const auto& c : carteEuropee)
        for (const auto& e : c.carta->etichette)
            if (e.didascalia[Inglese][0] == 'o') {
                ASSERT_TRUE(e.ForeColor.has_value());
                EXPECT_EQ(*e.ForeColor, 0x000000u) << "map " << c.numero << " label " << e.indice;
                for (const char* d : e.didascalia) EXPECT_EQ(d[0], 'o') << "map " << c.numero << " label " << e.indice;
            }
}

}  // namespace
