// Content of maps 39 to 53, 626 to 431 BC (maps/bc_626_431/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

// The cities of the Near East frame keep the colour the previous map left.
const std::vector<int> cittaSenzaColore{10, 11, 12, 14, 15, 18, 20, 26};

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
};
INSTANTIATE_TEST_SUITE_P(Bc626a431, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

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
};
INSTANTIATE_TEST_SUITE_P(Bc626a431, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaPulitura formePulitura[] = {
    {"Carta39", &ac626, 26, 29, {26, 27, 28}, std::vector<int>{10, 11, 12, 14, 15, 18, 20, 26, 27, 28}, {}},
    {"Carta40", &ac612, 27, 27, {}, cittaSenzaColore, {}},
    {"Carta41", &ac587, 28, 28, {}, cittaSenzaColore, {}},
    {"Carta42", &ac550, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta43", &ac536, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta44", &ac525, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta45", &ac512, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta46", &ac500, 13, 13, {}, std::vector<int>{}, {}},
    {"Carta47", &ac492, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta48", &ac490, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta49", &ac481, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta50", &ac480, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta51", &ac479, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta52", &ac461, 29, 29, {}, cittaSenzaColore, {}},
    {"Carta53", &ac431, 29, 29, {}, cittaSenzaColore, {}},
};
INSTANTIATE_TEST_SUITE_P(Bc626a431, FormaPulitura, ::testing::ValuesIn(formePulitura), NomeRiga());

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
};
INSTANTIATE_TEST_SUITE_P(Bc626a431, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

}  // namespace
