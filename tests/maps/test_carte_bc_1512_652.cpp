// Content of maps 19 to 38, 1512 to 652 BC (maps/bc_1512_652/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <optional>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const RigaDescrizione descrizioni[] = {
    {"Carta19Italiano", &ac1512, Italiano, "1512 a.C. L'Egitto, sotto il regno di Tuthmosis III, estende", 282, false, false},
    {"Carta19Francese", &ac1512, Francese, "1512 Av.-J.C.: Règne de Thoutmosis III (1484-1450?) qui établit la", 221, false, false},
    {"Carta19Spagnolo", &ac1512, Spagnolo, "1512 a.C. Egipto, bajo el reinado de Tuthmosis III, extiende", 286, false, false},
    {"Carta19Inglese", &ac1512, Inglese, "1512 B.C. Egypt, under the reign of Tuthmosis III,", 272, false, false},
    {"Carta20Italiano", &ac1400, Italiano, "1400 a.C. A Creta, scompare la civiltà minoica. Non ci", 299, false, false},
    {"Carta20Francese", &ac1400, Francese, "Vers 1400 avant J.-C. :", 508, false, false},
    {"Carta20Spagnolo", &ac1400, Spagnolo, "1400 a.C. En Creta la civilización minoica desaparece. No se", 358, false, false},
    {"Carta20Inglese", &ac1400, Inglese, "1400 B.C. The Minoan civilization disappears. Nobody can give a", 309, false, false},
    {"Carta21Italiano", &ac1365, Italiano, "1365 a.C. Il Regno di Mitanni viene conquistato dagli Ittiti", 333, false, false},
    {"Carta21Francese", &ac1365, Francese, "1365 avant J.-C.. Le royaume de Mitanni est conquis par", 405, false, false},
    {"Carta21Spagnolo", &ac1365, Spagnolo, "1365 a.C. El reino de Mitani es conquistado por los", 344, false, false},
    {"Carta21Inglese", &ac1365, Inglese, "1365 B.C. The Reign of Mitanni is", 358, false, false},
    {"Carta22Italiano", &ac1286, Italiano, "1286 a.C. Gli Ittiti hanno esteso il loro impero e", 284, false, false},
    {"Carta22Francese", &ac1286, Francese, "1286 avant J.-C.. Face à l'extension de l'empire des Hittites,", 376, false, false},
    {"Carta22Spagnolo", &ac1286, Spagnolo, "1286 a.C. Los hititas han extendido su imperio y los", 225, false, false},
    {"Carta22Inglese", &ac1286, Inglese, "1286 B.C. The Hittites have extended their empire and the", 231, false, false},
    {"Carta23Italiano", &ac1280, Italiano, "1280 a.C. Secondo le fonti bibliche, Mosè, in questi anni,", 280, false, false},
    {"Carta23Francese", &ac1280, Francese, "1280 avant J.-C.. D'après les sources bibliques, Moïse conduit les", 301, false, false},
    {"Carta23Spagnolo", &ac1280, Spagnolo, "1280 a.C. Según las fuentes bíblicas, durante estos años Moisés", 279, false, false},
    {"Carta23Inglese", &ac1280, Inglese, "1280 B.C. According to the bible, Moses leads the Hebrews", 243, false, false},
    {"Carta24Italiano", &ac1250, Italiano, "1250 a.C. I territori con ampie organizzazioni statali si trovano", 497, false, false},
    {"Carta24Francese", &ac1250, Francese, "1250 avant J.-C. En Chine, Mésopotamie, Asie Mineure et Égypte,", 631, false, false},
    {"Carta24Spagnolo", &ac1250, Spagnolo, "1250 a.C. Los territorios con amplias organizaciones estatales se encuentran", 572, false, false},
    {"Carta24Inglese", &ac1250, Inglese, "1250 B.C. The territories with wide state organization are  in", 538, false, false},
    {"Carta25Italiano", &ac1230, Italiano, "1230 a.C. Gli Achei impongono la loro egemonia alle città", 113, false, false},
    {"Carta25Francese", &ac1230, Francese, "1230 avant J.-C. : Les Mycéniens imposent leur hégémonie aux", 118, false, false},
    {"Carta25Spagnolo", &ac1230, Spagnolo, "1230 a.C. Los aqueos imponen su hegemonía a las ciudades", 109, false, false},
    {"Carta25Inglese", &ac1230, Inglese, "1230 B.C. The Acheans impose their hegemony on  the coastal", 111, false, false},
    {"Carta26Italiano", &ac1200, Italiano, "1200 a.C. Inizia un periodo di sconvolgimenti intorno al Mediterraneo.", 436, false, false},
    {"Carta26Francese", &ac1200, Francese, "1200 avant J.-C.. Autour de la Méditerranée, se multiplient les", 467, false, false},
    {"Carta26Spagnolo", &ac1200, Spagnolo, "1200 a.C. Comienza un período de grandes perturbaciones en el", 499, false, false},
    {"Carta26Inglese", &ac1200, Inglese, "1200 B.C. A period of great upheavals starts around to", 458, false, false},
    {"Carta27Italiano", &ac1157, Italiano, "1157 a.C. Ancora una volta, quasi 900 anni dopo, gli", 118, false, false},
    {"Carta27Francese", &ac1157, Francese, "1157 avant J.-C..  : Presque 900 ans après la destruction", 151, false, false},
    {"Carta27Spagnolo", &ac1157, Spagnolo, "1157 a.C. Una vez más, casi 900 años después, los", 117, false, false},
    {"Carta27Inglese", &ac1157, Inglese, "1157 B.C. Once again, nearly 900 years later, the Elamites,", 114, false, true},
    {"Carta28Italiano", &ac1120, Italiano, "1120 a.C.  MESOPOTAMIA: Nabuchadnezzar I sconfigge gli Elamiti, conquista il", 292, false, false},
    {"Carta28Francese", &ac1120, Francese, "1120 avant J.-C.. MESOPOTAMIE: Nabuchodonosor Ier (1124-1103) met en déroute", 337, false, false},
    {"Carta28Spagnolo", &ac1120, Spagnolo, "1120 a.C. Mesopotamia: Nabucodonosor I derrota a los elamitas, conquista", 297, false, false},
    {"Carta28Inglese", &ac1120, Inglese, "1120 B.C. MESOPOTAMIA: Nabuchadnezzar defeats the Elamites, conquerst the reign", 306, false, false},
    {"Carta29Italiano", &ac1100, Italiano, "1100 a.C.  I Dori invadono la Grecia e scompaiono le", 386, false, false},
    {"Carta29Francese", &ac1100, Francese, "1100 avant J.-C. GRÈCE : Les forteresses mycéniennes disparaissent ;", 538, false, false},
    {"Carta29Spagnolo", &ac1100, Spagnolo, "1100 a.C. Los Dorios invaden Grecia y desaparecen las ciudades", 425, false, false},
    {"Carta29Inglese", &ac1100, Inglese, "1100 B.C. Dorians invades Greece and the Mycenaean cities disappear.", 404, false, false},
    {"Carta30Italiano", &ac1085, Italiano, "1085 a.C.  I Libici, alleati ad altri sconosciuti 'Popoli del", 320, false, false},
    {"Carta30Francese", &ac1085, Francese, "1085 avant J.-C. : Les Libyens, alliés aux Peuples de", 403, false, false},
    {"Carta30Spagnolo", &ac1085, Spagnolo, "1085 a.C. Los libios, aliados con otros pueblos marineros, invaden", 321, false, false},
    {"Carta30Inglese", &ac1085, Inglese, "1085 B.C. The Libyans, allied to other unknown ' Sea", 336, false, false},
    {"Carta31Italiano", &ac1020, Italiano, "1020 a.C.  Gli Ebrei traggono vantaggi dalla crisi dell'Egitto: Saul", 240, false, false},
    {"Carta31Francese", &ac1020, Francese, "1020 avant J.-C. Les Hébreux tirent profit de la crise", 261, false, false},
    {"Carta31Spagnolo", &ac1020, Spagnolo, "1020 a.C. Los hebreos se benefician de la crisis de", 223, false, false},
    {"Carta31Inglese", &ac1020, Inglese, "1020 B.C. The Hebrews benefit by the crisis in Egypt:", 235, false, false},
    {"Carta32Italiano", &ac900, Italiano, "900 a.C.  Gli Assiri avevano allestito un esercito, per resistere", 519, false, false},
    {"Carta32Francese", &ac900, Francese, "900 Av. J.-C. Afin de résister à l'attaque des Peuples", 537, false, false},
    {"Carta32Spagnolo", &ac900, Spagnolo, "900 a.C. Para oponerse al ataque de los Pueblos del", 534, false, false},
    {"Carta32Inglese", &ac900, Inglese, "900 B.C. The Assyrians had set up  an army,  famous", 498, false, false},
    {"Carta33Italiano", &ac770, Italiano, "770 a.C. Gli Egiziani perdono i territori del Sud, dove", 516, false, false},
    {"Carta33Francese", &ac770, Francese, "770 Av. J.-C. L'Egypte perd les territoires du sud, où", 586, false, false},
    {"Carta33Spagnolo", &ac770, Spagnolo, "770 a.C. Los egipcios pierden los territorios del sur donde", 533, false, false},
    {"Carta33Inglese", &ac770, Inglese, "770 B.C. The Egyptians lose the southern territories , where", 558, false, false},
    {"Carta34Italiano", &ac745, Italiano, "745 a.C. Tiglath Pileser III governa l'Assiria.", 276, false, false},
    {"Carta34Francese", &ac745, Francese, "745 Av. J.-C. Tiglath Pileser III règne sur l'Assyrie.", 293, false, false},
    {"Carta34Spagnolo", &ac745, Spagnolo, "745 a.C. Tiglat Pileser III gobierna Asiria,", 254, false, false},
    {"Carta34Inglese", &ac745, Inglese, "745 B.C. Tiglath Pileser III governs the Assyria.", 278, false, false},
    {"Carta35Italiano", &ac732, Italiano, "732 a.C. Guidati ancora da Tiglath Pileser III,", 118, false, false},
    {"Carta35Francese", &ac732, Francese, "732 Av. J.-C. Toujours guidés par Tiglath Pileser III,", 128, false, false},
    {"Carta35Spagnolo", &ac732, Spagnolo, "732 a.C. Bajo la dirección de Tiglat Pileser III,", 114, false, false},
    {"Carta35Inglese", &ac732, Inglese, "732 B.C. Still led by Tiglath Pileser III,", 113, false, false},
    {"Carta36Italiano", &ac722, Italiano, "722 a.C.   L'Assiria, con Sargon II, conquista il regno d'Israele.", 281, false, false},
    {"Carta36Francese", &ac722, Francese, "722 Av. J.-C. L'Assyrie, avec Sargon II,", 297, false, false},
    {"Carta36Spagnolo", &ac722, Spagnolo, "722 a.C. Con Sargón II, Asiria conquista", 274, false, false},
    {"Carta36Inglese", &ac722, Inglese, "722 B.C Assyria, with Sargon II,", 273, false, false},
    {"Carta37Italiano", &ac671, Italiano, "671 a.C.  L'Assiria, con Asarhaddon, conquista il Basso Egitto.", 113, false, false},
    {"Carta37Francese", &ac671, Francese, "671 Av. J.-C. L'Assyrie, avec Asarhaddon, conquête la Basse Egypte.", 119, false, false},
    {"Carta37Spagnolo", &ac671, Spagnolo, "671 a.C. Bajo Asarhaddon, Asiria conquista el Bajo Egipto.", 113, false, false},
    {"Carta37Inglese", &ac671, Inglese, "671 B.C.  Assyria, with Asarhaddon, conquers  Low Egypt.", 114, false, false},
    {"Carta38Italiano", &ac652, Italiano, "652 a.C.  Assurbanipal è l'ultimo grande sovrano dell'Impero Assiro.", 330, false, true},
    {"Carta38Francese", &ac652, Francese, "652 Av. J.-C. Assurbanipal est le dernier grand monarque", 361, false, false},
    {"Carta38Spagnolo", &ac652, Spagnolo, "652 a.C. Asurbanipal es el último gran monarca", 326, false, false},
    {"Carta38Inglese", &ac652, Inglese, " 652 B.C. Assurbanipal is the last great monarch", 333, true, false},
};
INSTANTIATE_TEST_SUITE_P(Bc1512a652, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta19Etichetta4", &ac1512, 4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {"Carta19Etichetta8", &ac1512, 8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {"Carta19Etichetta15", &ac1512, 15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {"Carta19Etichetta19", &ac1512, 19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {"Carta19Etichetta20", &ac1512, 20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {"Carta19Etichetta21", &ac1512, 21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {"Carta19Etichetta24", &ac1512, 24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
    {"Carta20Etichetta13", &ac1400, 13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Cassita", "Empire Cassite", "Imperio Casita", "Kassite Empire"}},
    {"Carta20Etichetta21", &ac1400, 21, Posizione{2320, 4920}, std::nullopt, {"", "", "", ""}},
    {"Carta21Etichetta21", &ac1365, 21, Posizione{2320, 4920}, std::nullopt, {"", "", "", ""}},
    {"Carta21Etichetta23", &ac1365, 23, Posizione{1960, 7420}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {"Carta22Etichetta9", &ac1286, 9, Posizione{2200, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {"Carta22Etichetta21", &ac1286, 21, Posizione{2320, 4920}, 0x000000, {"", "", "", ""}},
    {"Carta23Etichetta21", &ac1280, 21, Posizione{3000, 5600}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {"Carta24Etichetta0", &ac1250, 0, Posizione{1200, 8280}, 0xFF0000, {"ANDRONOVO: cultura nomade", "ANDRONOVO: culture nomade", "ANDRONOVO: cultura nómade", "ANDRONOVO: nomad culture"}},
    {"Carta24Etichetta2", &ac1250, 2, Posizione{3720, 6240}, 0xFFFFC0, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {"Carta24Etichetta4", &ac1250, 4, Posizione{3640, 8880}, 0x000000, {"Agricoltura e metallurgia", "Agricolture et metallurgie", "Agricultura y metalurgia", "Agriculture And metallurgy"}},
    {"Carta24Etichetta7", &ac1250, 7, Posizione{2040, 7320}, 0x000000, {"Achei", "Aquéens", "aqueos", "Acheans"}},
    {"Carta24Etichetta9", &ac1250, 9, Posizione{4410, 8880}, 0x000000, {"Stati organizzati", "Etats organisés", "Estados organizados", "Statal organisation"}},
    {"Carta24Etichetta12", &ac1250, 12, Posizione{2190, 7440}, 0x000000, {"Fenicia------", "Phéniciens", "Fenicia------", "Phoenicians"}},
    {"Carta25Etichetta21", &ac1230, 21, Posizione{3200, 6250}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {"Carta25Etichetta23", &ac1230, 23, Posizione{1960, 7300}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {"Carta25Etichetta25", &ac1230, 25, Posizione{1560, 5190}, std::nullopt, {"Troia", "Troye", "Troya", "Troy"}},
    {"Carta26Etichetta19", &ac1200, 19, Posizione{2040, 3720}, 0x0000FF, {"Popoli del mare", "Peuples de la mer", "Pueblos del mar", "Sea People"}},
    {"Carta26Etichetta20", &ac1200, 20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {"Carta26Etichetta22", &ac1200, 22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {"Carta27Etichetta13", &ac1157, 13, Posizione{2640, 7200}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta27Etichetta19", &ac1157, 19, Posizione{2040, 3720}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta28Etichetta13", &ac1120, 13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Babilonese", "Empire Babylonien", "Imperio Babilonio", "Babylonian Empire"}},
    {"Carta28Etichetta19", &ac1120, 19, Posizione{2040, 3720}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta29Etichetta13", &ac1100, 13, Posizione{1080, 4440}, 0xFFFFFF, {"DORI", "DORES", "DORES", "DORIANS"}},
    {"Carta29Etichetta19", &ac1100, 19, Posizione{2760, 6960}, 0xFFFFFF, {"Aramei", "Aramiens", "Arameos", "Arameans"}},
    {"Carta30Etichetta13", &ac1085, 13, Posizione{3240, 4920}, 0xFFFFFF, {"Libici", "Lybiens", "Libios", "Libyans"}},
    {"Carta30Etichetta17", &ac1085, 17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {"Carta30Etichetta29", &ac1085, 29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta31Etichetta18", &ac1020, 18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {"Carta31Etichetta19", &ac1020, 19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {"Carta31Etichetta29", &ac1020, 29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta32Etichetta13", &ac900, 13, Posizione{3240, 4920}, std::nullopt, {"", "", "", ""}},
    {"Carta32Etichetta22", &ac900, 22, Posizione{2760, 10700}, std::nullopt, {"", "", "", ""}},
    {"Carta32Etichetta24", &ac900, 24, Posizione{1600, 6100}, std::nullopt, {"Frigia", "Phrygie", "Frigia", "Phrygia"}},
    {"Carta32Etichetta29", &ac900, 29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
    {"Carta33Etichetta1", &ac770, 1, Posizione{2115, 8280}, 0xFFFFFF, {"Assiri", "Assyriens", "Asiros", "Assyrians"}},
    {"Carta33Etichetta2", &ac770, 2, Posizione{3720, 6240}, 0xFFFFC0, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {"Carta33Etichetta3", &ac770, 3, Posizione{2280, 8280}, 0xFFFFFF, {"Babilonesi", "Babylonais", "Babilones", "Babylon"}},
    {"Carta33Etichetta4", &ac770, 4, Posizione{3640, 8880}, 0x000000, {"Agricoltura e metallurgia", "Agricolture et metallurgie", "Agricoltura y metallurgia", "Agriculture And metallurgy"}},
    {"Carta33Etichetta12", &ac770, 12, Posizione{2190, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta33Etichetta17", &ac770, 17, Posizione{3000, 4080}, 0x000000, {"Olmechi", "Olmecs", "Olmecas", "Olmecs"}},
    {"Carta33Etichetta20", &ac770, 20, Posizione{1800, 7080}, 0x000000, {"Etruschi", "Etruscques", "Etruscos", "Etruscans"}},
    {"Carta34Etichetta13", &ac745, 13, Posizione{3240, 4920}, std::nullopt, {"", "", "", ""}},
    {"Carta34Etichetta21", &ac745, 21, Posizione{3000, 6480}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {"Carta34Etichetta22", &ac745, 22, Posizione{2520, 7440}, 0xFFFFFF, {"Impero Assiro", "Empire Assyrien", "Imperio Asirio", "Assyrian Empire"}},
    {"Carta35Etichetta13", &ac732, 13, Posizione{3240, 4920}, std::nullopt, {"", "", "", ""}},
    {"Carta35Etichetta19", &ac732, 19, Posizione{2880, 6600}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {"Carta36Etichetta19", &ac722, 19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {"Carta36Etichetta21", &ac722, 21, Posizione{3000, 6480}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {"Carta37Etichetta13", &ac671, 13, Posizione{1920, 4920}, 0x000000, {"Atene", "Athènes", "Atenas", "Athens"}},
    {"Carta37Etichetta23", &ac671, 23, Posizione{2070, 4440}, 0x000000, {"Sparta", "Sparte", "Esparta", "Sparta"}},
    {"Carta38Etichetta15", &ac652, 15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {"Carta38Etichetta24", &ac652, 24, Posizione{2640, 8760}, 0xFFFFFF, {"MEDIA", "MEDIA", "MEDIA", "MEDIA"}},
};
INSTANTIATE_TEST_SUITE_P(Bc1512a652, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaPulitura formePulitura[] = {
    {"Carta19", &ac1512, 24, 25, {24}},
    {"Carta20", &ac1400, 25, 25, {}},
    {"Carta21", &ac1365, 25, 25, {}},
    {"Carta22", &ac1286, 25, 25, {}},
    {"Carta23", &ac1280, 25, 25, {}},
    {"Carta24", &ac1250, 13, 13, {}},
    {"Carta25", &ac1230, 26, 26, {}},
    {"Carta26", &ac1200, 24, 24, {}},
    {"Carta27", &ac1157, 24, 24, {}},
    {"Carta28", &ac1120, 24, 24, {}},
    {"Carta29", &ac1100, 24, 24, {}},
    {"Carta30", &ac1085, 24, 25, {29}},
    {"Carta31", &ac1020, 24, 25, {29}},
    {"Carta32", &ac900, 25, 26, {29}},
    {"Carta33", &ac770, 21, 21, {}},
    {"Carta34", &ac745, 23, 23, {}},
    {"Carta35", &ac732, 23, 23, {}},
    {"Carta36", &ac722, 23, 23, {}},
    {"Carta37", &ac671, 24, 24, {}},
    {"Carta38", &ac652, 25, 25, {}},
};
INSTANTIATE_TEST_SUITE_P(Bc1512a652, FormaPulitura, ::testing::ValuesIn(formePulitura), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da19a20", &ac1512, &ac1400, {21}},
    {"Da20a21", &ac1400, &ac1365, {23}},
    {"Da21a22", &ac1365, &ac1286, {9, 21}},
    {"Da22a23", &ac1286, &ac1280, {9, 21}},
    {"Da26a27", &ac1200, &ac1157, {13, 19}},
    {"Da27a28", &ac1157, &ac1120, {13}},
    {"Da34a35", &ac745, &ac732, {}},
    {"Da35a36", &ac732, &ac722, {19, 21}},
    {"Da36a37", &ac722, &ac671, {13, 23}},
    {"Da37a38", &ac671, &ac652, {24}},
};
INSTANTIATE_TEST_SUITE_P(Bc1512a652, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// Map 36 swaps Israel and Jerusalem between labels 19 and 21 against map 35:
// each caption moves to the other label's place with its own colour.
TEST(Bc1512a652Scambio, IsraeleEGerusalemmeSiScambianoTra35E36) {
    const EtichettaCarta* israele35 = voce(ac732, 19);
    const EtichettaCarta* gerusalemme35 = voce(ac732, 21);
    const EtichettaCarta* gerusalemme36 = voce(ac722, 19);
    const EtichettaCarta* israele36 = voce(ac722, 21);
    ASSERT_TRUE(israele35 && gerusalemme35 && gerusalemme36 && israele36);
    EXPECT_TRUE(stesseDidascalie(israele35->didascalia, israele36->didascalia));
    EXPECT_TRUE(stesseDidascalie(gerusalemme35->didascalia, gerusalemme36->didascalia));
    EXPECT_EQ(israele35->ForeColor, israele36->ForeColor);
    EXPECT_EQ(gerusalemme35->ForeColor, gerusalemme36->ForeColor);
    EXPECT_TRUE(stessaPosizione(israele35->posizione, gerusalemme36->posizione));
    EXPECT_TRUE(stessaPosizione(gerusalemme35->posizione, israele36->posizione));
}

}  // namespace
