// Map 29 (1100 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2360, 6960}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{1080, 4440}, 0xFFFFFF, {"DORI", "DORES", "DORES", "DORIANS"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2760, 6960}, 0xFFFFFF, {"Aramei", "Aramiens", "Arameos", "Arameans"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3240, 6360}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
};
}  // namespace

extern const ContenutoCarta ac1100;
const ContenutoCarta ac1100{etichette, 24, {
    "1100 a.C.  I Dori invadono la Grecia e scompaiono le città micenee: per la Grecia inizia l'età oscura. Gli Aramei invadono la Mesopotamia, che attraversa un periodo confuso e poco conosciuto che dura circa due secoli. In America centrale fiorisce la cultura degli Olmechi, mentre più a sud sorgono i primi insediamenti maya. Nelle Ande centrali del Perù si espande la cultura di Chavín.",  // Italian
    "1100 avant J.-C. GRÈCE : Les forteresses mycéniennes disparaissent ; les Doriens envahissent la Grèce, qui entre dans une longue période de déclin et d'isolement. MÉSOPOTAMIE : les Araméens envahissent la région, qui connaît deux siècles confus et mal connus. AMÉRIQUE CENTRALE : la civilisation olmèque est à son apogée, tandis que plus au sud les Mayas construisent leurs premières villes. PÉROU : dans la Cordillère Blanche, au cœur des Andes centrales, se répand la culture de Chavín, connue pour ses grands temples et ses sculptures.",  // French
    "1100 a.C. Los Dorios invaden Grecia y desaparecen las ciudades micénicas: comienza para Grecia la llamada edad oscura. Los arameos invaden Mesopotamia, que atraviesa luego un período confuso y poco conocido que dura cerca de dos siglos. En América Central florece la cultura olmeca, mientras que más al sur surgen los primeros asentamientos mayas. En la región de los Andes centrales del Perú se difunde la cultura de Chavín.",  // Spanish
    "1100 B.C. Dorians invades Greece and the Mycenaean cities disappear. This marks the beginning of a dark age for Greece. The Arameans invade Mesopotamia, which goes through a confused and little-known period lasting two centuries. In Central America the Olmec culture flourishes, while further south the first settlements of the Maya appear. In the central Andes of Peru the Chavín culture spreads widely.",  // English
}};

}  // namespace contenuti
