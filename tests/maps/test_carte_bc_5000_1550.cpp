// Content of maps 1 to 18, 5000 to 1550 BC (maps/bc_5000_1550/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <array>
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

const std::array<const ContenutoCarta*, 18> cartePrime = {
    &ac5000, &ac3300, &ac3100, &ac3000, &ac2350, &ac2220, &ac2112, &ac2061, &ac2004,
    &ac2000, &ac1950, &ac1810, &ac1760, &ac1685, &ac1650, &ac1595, &ac1580, &ac1550};

const RigaDescrizione descrizioni[] = {
    {"Carta01_ac5000_Italiano", &ac5000, Italiano, "5000 a.C.  Il mondo prima", 463, false, false},
    {"Carta01_ac5000_Francese", &ac5000, Francese, "5000 Av.J.C. Le monde avant", 432, false, false},
    {"Carta01_ac5000_Spagnolo", &ac5000, Spagnolo, "5000 a.C. El mundo antes", 496, false, false},
    {"Carta01_ac5000_Inglese", &ac5000, Inglese, "5000 B.C. The world before", 430, false, false},
    {"Carta02_ac3300_Italiano", &ac3300, Italiano, "3300 a.C. Nel Sud della Mesopotamia", 459, false, false},
    {"Carta02_ac3300_Francese", &ac3300, Francese, "3300 Av.J.C. Dans le sud", 474, false, false},
    {"Carta02_ac3300_Spagnolo", &ac3300, Spagnolo, "3300 a.C. En el sur", 480, false, false},
    {"Carta02_ac3300_Inglese", &ac3300, Inglese, "3300 B.C. In the south of", 451, false, false},
    {"Carta03_ac3100_Italiano", &ac3100, Italiano, "3100 a.C. In Egitto, il Faraone", 409, false, false},
    {"Carta03_ac3100_Francese", &ac3100, Francese, "3100 Av.J.C. En Egypte, le pharaon", 480, false, false},
    {"Carta03_ac3100_Spagnolo", &ac3100, Spagnolo, "3100 a.C. En Egipto, el Faraón", 435, false, false},
    {"Carta03_ac3100_Inglese", &ac3100, Inglese, "3100 B.C. In Egypt,  ", 418, false, false},
    {"Carta04_ac3000_Italiano", &ac3000, Italiano, "3000 a.C.  La civiltà urbana", 357, false, false},
    {"Carta04_ac3000_Francese", &ac3000, Francese, "3000 Av.J.C. La civilisation urbaine", 364, false, false},
    {"Carta04_ac3000_Spagnolo", &ac3000, Spagnolo, "3000 a.C. La civilización urbana", 382, false, false},
    {"Carta04_ac3000_Inglese", &ac3000, Inglese, "3000 B.C. The urban civilization", 394, false, false},
    {"Carta05_ac2350_Italiano", &ac2350, Italiano, "2350 a.C. Sargon il Grande", 374, false, false},
    {"Carta05_ac2350_Francese", &ac2350, Francese, "2350 Av.J.C. Sargon le Grand", 376, false, false},
    {"Carta05_ac2350_Spagnolo", &ac2350, Spagnolo, "2350 a.C. Sargón el Grande", 387, false, false},
    {"Carta05_ac2350_Inglese", &ac2350, Inglese, "2350 B.C. Sargon the Great", 368, false, false},
    {"Carta06_ac2220_Italiano", &ac2220, Italiano, "2230 a.C. I Gutei, una popolazione", 494, false, false},
    {"Carta06_ac2220_Francese", &ac2220, Francese, "2220 Av.J.C. Le royaume d'Akkad", 556, false, false},
    {"Carta06_ac2220_Spagnolo", &ac2220, Spagnolo, "2230 a.C. Los guti, una población", 532, false, false},
    {"Carta06_ac2220_Inglese", &ac2220, Inglese, "2230 B.C. The Gutes, a nomadic", 466, false, false},
    {"Carta07_ac2112_Italiano", &ac2112, Italiano, "2112 a.C. Ur Ammu, primo re", 182, false, false},
    {"Carta07_ac2112_Francese", &ac2112, Francese, "2212 Av.-J.C.: Ur Ammu, premier roi", 200, false, false},
    {"Carta07_ac2112_Spagnolo", &ac2112, Spagnolo, "2112 a.C. Ur Ammu, el primer rey", 187, false, false},
    {"Carta07_ac2112_Inglese", &ac2112, Inglese, "2112 B.C. Ur Ammu, first king", 180, false, false},
    {"Carta08_ac2061_Italiano", &ac2061, Italiano, "2061 a.C.  Mentuhotep II, della", 167, false, false},
    {"Carta08_ac2061_Francese", &ac2061, Francese, "2061 Av.-J.C.: Mentuhotep, de la", 180, false, false},
    {"Carta08_ac2061_Spagnolo", &ac2061, Spagnolo, "2061 a.C. Mentuhotep II, de la", 148, false, false},
    {"Carta08_ac2061_Inglese", &ac2061, Inglese, "2061 B.C. Mentuhotep II, of the", 165, false, false},
    {"Carta09_ac2004_Italiano", &ac2004, Italiano, "2004 a.C. Gli Elamiti distruggono UR", 348, false, false},
    {"Carta09_ac2004_Francese", &ac2004, Francese, "2004 Av.-J.C.: Destruction du royaume d'Ur", 353, false, false},
    {"Carta09_ac2004_Spagnolo", &ac2004, Spagnolo, "2004 a.C. Los elamitas destruyen Ur", 364, false, false},
    {"Carta09_ac2004_Inglese", &ac2004, Inglese, "2004 B.C. The Elamites destroy UR", 365, false, false},
    {"Carta10_ac2000_Italiano", &ac2000, Italiano, "2000 a.C.  Molte tribù di popolazioni", 321, false, false},
    {"Carta10_ac2000_Francese", &ac2000, Francese, "2000Av.-J.C.: Grandes migrations indo-européennes", 358, false, false},
    {"Carta10_ac2000_Spagnolo", &ac2000, Spagnolo, "2000 a.C. Muchas tribus de poblaciones", 337, false, false},
    {"Carta10_ac2000_Inglese", &ac2000, Inglese, "2000 B.C. Many tribes of Indo-European origin", 340, false, true},
    {"Carta11_ac1950_Italiano", &ac1950, Italiano, "1950 a.C. A Creta si è ormai", 440, false, false},
    {"Carta11_ac1950_Francese", &ac1950, Francese, "1950 Av.-J.C.: En Crète, construction", 423, false, false},
    {"Carta11_ac1950_Spagnolo", &ac1950, Spagnolo, "1950 a.C. La civilización", 482, false, false},
    {"Carta11_ac1950_Inglese", &ac1950, Inglese, "1950 B.C. In Crete  the Minoan civilization", 415, false, false},
    {"Carta12_ac1810_Italiano", &ac1810, Italiano, "1810 a.C. Gli arii continuano", 453, false, false},
    {"Carta12_ac1810_Francese", &ac1810, Francese, "1810Av.-J.C.: Arrivée des Aryens", 495, false, false},
    {"Carta12_ac1810_Spagnolo", &ac1810, Spagnolo, "1810 a.C. Los arios siguen avanzando", 426, false, false},
    {"Carta12_ac1810_Inglese", &ac1810, Inglese, "1810 B.C. The Aryans continue", 472, false, false},
    {"Carta13_ac1760_Italiano", &ac1760, Italiano, "1760 a.C. Hammurabi, un altro re semitico", 298, false, false},
    {"Carta13_ac1760_Francese", &ac1760, Francese, "1760 Av.-J.C.: en Mésopotamie, 1er empire babylonien", 236, false, false},
    {"Carta13_ac1760_Spagnolo", &ac1760, Spagnolo, "1760 a.C. Hammurabi, otro rey semita", 247, false, false},
    {"Carta13_ac1760_Inglese", &ac1760, Inglese, "1760 B.C. Hammurabi, another semitic king", 296, false, false},
    {"Carta14_ac1685_Italiano", &ac1685, Italiano, "1685 a.C. Gli Hyksos", 647, false, false},
    {"Carta14_ac1685_Francese", &ac1685, Francese, "1685 Av.-J.C.: Invasion de la Basse-Egypte", 422, false, false},
    {"Carta14_ac1685_Spagnolo", &ac1685, Spagnolo, "1685 a.C. Los hicsos", 677, false, false},
    {"Carta14_ac1685_Inglese", &ac1685, Inglese, "1685 B.C. The Hyksos", 612, false, false},
    {"Carta15_ac1650_Italiano", &ac1650, Italiano, "1650 a.C. Hattusilis, re degli Ittiti", 393, false, false},
    {"Carta15_ac1650_Francese", &ac1650, Francese, "1650 Av.-J.C.: Hattusil, roi des Hittites", 282, false, false},
    {"Carta15_ac1650_Spagnolo", &ac1650, Spagnolo, "1650 a.C. Hattusil, rey de los hititas", 420, false, false},
    {"Carta15_ac1650_Inglese", &ac1650, Inglese, "1650 B.C. Hattusilis, king of the Hittites", 397, false, false},
    {"Carta16_ac1595_Italiano", &ac1595, Italiano, "1595 a.C. Gli Ittiti saccheggiano Babilonia", 181, false, false},
    {"Carta16_ac1595_Francese", &ac1595, Francese, "1595 Av.-J.C.: Raid hittite sur Babylone", 147, false, false},
    {"Carta16_ac1595_Spagnolo", &ac1595, Spagnolo, "1595 a.C. Los hititas saquean Babilonia", 176, false, false},
    {"Carta16_ac1595_Inglese", &ac1595, Inglese, "1595 B.C. The Hittites sack Babylon", 162, false, false},
    {"Carta17_ac1580_Italiano", &ac1580, Italiano, "1580 a.C. Egitto: Amosis I", 182, false, false},
    {"Carta17_ac1580_Francese", &ac1580, Francese, "1580 Av.-J.C.: en Egypte, Amosis 1er", 190, false, false},
    {"Carta17_ac1580_Spagnolo", &ac1580, Spagnolo, "1580 a.C. Egipto: Amosis I", 190, false, false},
    {"Carta17_ac1580_Inglese", &ac1580, Inglese, "1580 B.C. Egypt: Amosis I", 183, false, false},
    {"Carta18_ac1550_Italiano", &ac1550, Italiano, "1550 a.C. L'Egitto completa", 330, false, false},
    {"Carta18_ac1550_Francese", &ac1550, Francese, "1550 Av.-J.C.: L'Egypte achève", 319, false, false},
    {"Carta18_ac1550_Spagnolo", &ac1550, Spagnolo, "1550 a.C. Egipto termina", 282, false, false},
    {"Carta18_ac1550_Inglese", &ac1550, Inglese, "1550 B.C. Egypt completes", 280, false, false},
};
INSTANTIATE_TEST_SUITE_P(Bc5000a1550, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta01_Etichetta0_PrimaDellaColonna", &ac5000, 0, Posizione{3600, 9120}, 0x000000u, {"Cacciatori-raccoglitori", "Chasseurs-collecteurs", "Cazadores-recolectores", "Hunters-gatherers"}},
    {"Carta01_Etichetta2_AccentoGrave", &ac5000, 2, Posizione{4110, 9120}, 0xFF0000u, {"Comunità agricole", "Communautés agricoles", "Comunidades agrìcolas", "Agricultural Communities"}},
    {"Carta02_Etichetta4_LagoDAral", &ac3300, 4, Posizione{440, 9720}, 0xFF0000u, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {"Carta02_Etichetta7_Nyle", &ac3300, 7, Posizione{4920, 5880}, 0xFF0000u, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta02_Etichetta10_VuotaSenzaColore", &ac3300, 10, Posizione{2520, 6680}, std::nullopt, {"", "", "", ""}},
    {"Carta02_Etichetta11_MenfiSenzaColore", &ac3300, 11, Posizione{3500, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {"Carta02_Etichetta12_SumerUguale", &ac3300, 12, Posizione{3240, 8280}, 0xFFFFFFu, {"SUMER", "SUMER", "SUMER", "SUMER"}},
    {"Carta03_Etichetta10_VuotaSenzaColore", &ac3100, 10, Posizione{2520, 6680}, std::nullopt, {"", "", "", ""}},
    {"Carta03_Etichetta12_TebeNera", &ac3100, 12, Posizione{4160, 6330}, 0x000000u, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {"Carta03_Etichetta14_SemitiSpostati", &ac3100, 14, Posizione{3000, 7200}, 0xFFFFFFu, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {"Carta04_Etichetta1_TrattinoConSpazi", &ac3000, 1, Posizione{4035, 8880}, 0x000000u, {"Cacciatori - raccoglitori", "Chasseurs-collecteurs", "Cazadores-recolectores", "Hunters-gatherers"}},
    {"Carta04_Etichetta2_Urabnise", &ac3000, 2, Posizione{4395, 8880}, 0xFF0000u, {"Spazio urbanizzato", "Espace urabnisé", "Espacio urbanizado", "Urbanized lands"}},
    {"Carta04_Etichetta3_DidascaliaLunga", &ac3000, 3, Posizione{4830, 8880}, 0x000000u, {"Spazio in via di urbanizzazione", "Espace proche à l'urbanisation", "Territorios en vías de urbanización", "Lands in contact with urban life"}},
    {"Carta05_Etichetta4_AralPiuBasso", &ac2350, 4, Posizione{480, 9720}, 0xFF0000u, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {"Carta05_Etichetta10_BibloSenzaColore", &ac2350, 10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {"Carta05_Etichetta14_VuotaNera", &ac2350, 14, Posizione{2700, 6600}, 0x000000u, {"", "", "", ""}},
    {"Carta05_Etichetta15_Niniveh", &ac2350, 15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {"Carta05_Etichetta17_AnticoRegno", &ac2350, 17, Posizione{3960, 5400}, 0xFFFFFFu, {"Antico Regno", "Ancien Empire", "Imperio Antiguo", "Old Kingdom"}},
    {"Carta06_Etichetta13_Gutei", &ac2220, 13, Posizione{2900, 8800}, 0xFFFFFFu, {"Gutei", "Gutes", "Gutes", "Gutes"}},
    {"Carta06_Etichetta16_EgittoSuDueRighe", &ac2220, 16, Posizione{3720, 5640}, 0xFFFFFFu, {"Egitto:", "Egypte: Première", "Egipto: Primero", "Egypt: First"}},
    {"Carta06_Etichetta17_PeriodoIntermedio", &ac2220, 17, Posizione{3960, 5160}, 0xFFFFFFu, {"Antico Regno", "Période Critique", "Periodo Intermedio", "Intermediate Period"}},
    {"Carta06_Etichetta29_FeniciaOltreN", &ac2220, 29, Posizione{2580, 6120}, 0x000000u, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta07_Etichetta12_TebeSenzaColore", &ac2112, 12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {"Carta07_Etichetta13_ImperoDiUr", &ac2112, 13, Posizione{2700, 7700}, 0xFFFFFFu, {"Impero di UR", "Empire de UR", "Imperio de UR", "UR Empire"}},
    {"Carta07_Etichetta29_FeniciaOltreN", &ac2112, 29, Posizione{2580, 6120}, 0x000000u, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta08_Etichetta16_SoloNomeDelPaese", &ac2061, 16, Posizione{3720, 5640}, 0xFFFFFFu, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {"Carta08_Etichetta17_AnticoRegnoInItaliano", &ac2061, 17, Posizione{3960, 5280}, 0xFFFFFFu, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {"Carta09_Etichetta13_Elam", &ac2004, 13, Posizione{3260, 8700}, 0xFFFFFFu, {"ELAM", "ELAM", "ELAM", "ELAM"}},
    {"Carta09_Etichetta29_FeniciaOltreN", &ac2004, 29, Posizione{2580, 6120}, 0x000000u, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta10_Etichetta2_SemitiAzzurri", &ac2000, 2, Posizione{3720, 6240}, 0xFFFFC0u, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {"Carta10_Etichetta3_ItalicosMinuscolo", &ac2000, 3, Posizione{2520, 4800}, 0x000000u, {"Italici", "Italiques", "itálicos", "Italics"}},
    {"Carta10_Etichetta6_MediPersiani", &ac2000, 6, Posizione{3240, 6720}, 0xFFFFFFu, {"Medi-Persiani", "Mèdes-Perses", "Medios - Persa", "Medians - persians"}},
    {"Carta10_Etichetta11_AmorritiBianchi", &ac2000, 11, Posizione{3480, 6120}, 0xFFFFFFu, {"Amorriti", "Amorrites", "Amorita", "Amorites"}},
    {"Carta11_Etichetta13_VuotaBianca", &ac1950, 13, Posizione{2640, 7200}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta11_Etichetta14_VuotaNera", &ac1950, 14, Posizione{2700, 6600}, 0x000000u, {"", "", "", ""}},
    {"Carta11_Etichetta22_ArianiPiuInAlto", &ac1950, 22, Posizione{1320, 10440}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {"Carta11_Etichetta29_FeniciaOltreN", &ac1950, 29, Posizione{2580, 6120}, 0x000000u, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta12_Etichetta13_RegnoAssiro", &ac1810, 13, Posizione{2450, 7360}, 0xFFFFFFu, {"Regno Assiro", "Règne Assyrien", "Imperio Asirio", "Assyrian Kingdom"}},
    {"Carta12_Etichetta19_IttitiBianchi", &ac1810, 19, Posizione{1440, 6240}, 0xFFFFFFu, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {"Carta12_Etichetta22_ArianiSpostati", &ac1810, 22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {"Carta13_Etichetta13_ImperoBabilonese", &ac1760, 13, Posizione{2640, 7200}, 0xFFFFFFu, {"Impero Babilonese", "Empire Babylonien", "Imperio de Babilonia", "Babylonian Empire"}},
    {"Carta13_Etichetta14_VuotaSenzaColore", &ac1760, 14, Posizione{2700, 6600}, std::nullopt, {"", "", "", ""}},
    {"Carta14_Etichetta17_PeriodeIntermede", &ac1685, 17, Posizione{3960, 5280}, 0xFFFFFFu, {"Periodo Intermedio", "Periode Intermède", "Periodo Intermedio", "Intermediate Period"}},
    {"Carta14_Etichetta23_CassitiPosati", &ac1685, 23, Posizione{2270, 8200}, std::nullopt, {"Cassiti", "Kassites", "casitas", "Kassites"}},
    {"Carta14_Etichetta29_FeniciaSenzaColore", &ac1685, 29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta15_Etichetta14_TiroSenzaColore", &ac1650, 14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {"Carta15_Etichetta17_PeriodeCritique", &ac1650, 17, Posizione{3960, 5280}, 0xFFFFFFu, {"Periodo Intermedio", "Periode Critique", "Periodo Intermedio", "Intermediate Period"}},
    {"Carta15_Etichetta19_Hitttes", &ac1650, 19, Posizione{1440, 6240}, 0xFFFFFFu, {"Ittiti", "Hitttes", "hititas", "Hittites"}},
    {"Carta16_Etichetta19_HittitesCorretto", &ac1595, 19, Posizione{1440, 6240}, 0xFFFFFFu, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {"Carta16_Etichetta23_Kassits", &ac1595, 23, Posizione{2280, 8400}, std::nullopt, {"Cassiti", "Cassites", "Casites", "Kassits"}},
    {"Carta17_Etichetta16_EgypteSenzaDuePunti", &ac1580, 16, Posizione{3720, 5640}, 0xFFFFFFu, {"Egitto:", "Egypte", "Egipto:", "Egypt:"}},
    {"Carta17_Etichetta17_NuovoRegno", &ac1580, 17, Posizione{3960, 5280}, 0xFFFFFFu, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {"Carta17_Etichetta23_SoloDidascalia", &ac1580, 23, std::nullopt, std::nullopt, {"Cassiti", "Cassites", "Casites", "Kassits"}},
    {"Carta17_Etichetta29_FeniciaOltreN", &ac1580, 29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta18_Etichetta9_EufrateSpostato", &ac1550, 9, Posizione{2360, 6960}, 0xFF0000u, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {"Carta18_Etichetta22_ArianiSpostati", &ac1550, 22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {"Carta18_Etichetta23_Mitanni", &ac1550, 23, Posizione{2200, 7080}, 0xFFFFFFu, {"Mitanni", "Mitanni", "Mitanni", "Mitanni"}},
    {"Carta18_Etichetta24_MiceneAN", &ac1550, 24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
INSTANTIATE_TEST_SUITE_P(Bc5000a1550, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaPulitura formePulitura[] = {
    {"Carta01_ac5000", &ac5000, 3, 3, {}, std::nullopt, {}, false},
    {"Carta02_ac3300", &ac3300, 14, 14, {}, std::nullopt, {}, false},
    {"Carta03_ac3100", &ac3100, 15, 15, {}, std::nullopt, {}, false},
    {"Carta04_ac3000", &ac3000, 4, 4, {}, std::nullopt, {}, false},
    {"Carta05_ac2350", &ac2350, 18, 18, {}, std::nullopt, {}, false},
    {"Carta06_ac2220", &ac2220, 18, 19, {29}, std::nullopt, {}, false},
    {"Carta07_ac2112", &ac2112, 18, 19, {29}, std::nullopt, {}, false},
    {"Carta08_ac2061", &ac2061, 18, 19, {29}, std::nullopt, {}, false},
    {"Carta09_ac2004", &ac2004, 18, 19, {29}, std::nullopt, {}, false},
    {"Carta10_ac2000", &ac2000, 12, 12, {}, std::nullopt, {}, false},
    {"Carta11_ac1950", &ac1950, 23, 24, {29}, std::nullopt, {}, false},
    {"Carta12_ac1810", &ac1810, 23, 24, {29}, std::nullopt, {}, false},
    {"Carta13_ac1760", &ac1760, 23, 23, {}, std::nullopt, {}, false},
    {"Carta14_ac1685", &ac1685, 24, 25, {29}, std::nullopt, {}, false},
    {"Carta15_ac1650", &ac1650, 23, 24, {29}, std::nullopt, {}, false},
    {"Carta16_ac1595", &ac1595, 24, 25, {29}, std::nullopt, {}, false},
    {"Carta17_ac1580", &ac1580, 23, 25, {23, 29}, std::nullopt, {}, false},
    {"Carta18_ac1550", &ac1550, 24, 26, {24, 29}, std::nullopt, {}, false},
};
INSTANTIATE_TEST_SUITE_P(Bc5000a1550, FormaPulitura, ::testing::ValuesIn(formePulitura), NomeRiga());

// The four languages of a map tell the same period in four different texts.
TEST(Bc5000a1550DescrizioniDistinte, OgniLinguaHaIlSuoTesto) {
    for (std::size_t m = 0; m < cartePrime.size(); ++m) {
        std::set<std::string_view> testi;
        for (const char* d : cartePrime[m]->descrizione) testi.insert(d ? d : "");
        EXPECT_EQ(testi.size(), 4u) << "map " << m + 1;
    }
}

// What the maps share: the seas and rivers of maps 2, 3 and 5 to 18 are one layer.

TEST(Bc5000a1550MariEFiumi, StessoStratoSulleCarteDelVicinoOriente) {
    const ContenutoCarta* vicinoOriente[] = {&ac3300, &ac3100, &ac2350, &ac2220, &ac2112, &ac2061,
                                             &ac2004, &ac1950, &ac1810, &ac1760, &ac1685, &ac1650,
                                             &ac1595, &ac1580, &ac1550};
    const auto& riferimento = ac2350;
    for (const ContenutoCarta* carta : vicinoOriente) {
        for (int i = 0; i <= 9; ++i) {
            const EtichettaCarta* e = voce(*carta, i);
            const EtichettaCarta* r = voce(riferimento, i);
            ASSERT_NE(e, nullptr);
            ASSERT_NE(r, nullptr);
            ASSERT_TRUE(e->ForeColor.has_value());
            EXPECT_EQ(*e->ForeColor, 0xFF0000u) << "label " << i << " must be blue";
            for (int l = 0; l < NumeroLingue; ++l)
                EXPECT_STREQ(e->didascalia[l], r->didascalia[l]) << "label " << i;
        }
    }
}

}  // namespace
