// Map 40 (612 BC): overlay labels and descriptions.
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
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Biblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{1920, 4920}, 0x000000, {"Atene", "Athènes", "Atenas", "Athens"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {22, Posizione{2640, 6960}, 0xFFFFFF, {"Impero Neo-Babilonese", "Empire Néo-Babylonien", "Imperio NeoBabilonio", "New Babylonian Empire"}},
    {23, Posizione{2070, 4440}, 0x000000, {"Sparta", "Sparte", "Esparta", "Sparta"}},
    {24, Posizione{2280, 8640}, 0xFFFFFF, {"MEDIA", "MEDIA", "MEDIA", "MEDIA"}},
    {25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
};
}  // namespace

extern const ContenutoCarta ac612;
const ContenutoCarta ac612{etichette, 27, {
    "612 a.C.   Scompare l'Impero Assiro: i Babilonesi controllano la Mesopotamia, mentre i Medi annettono l'Assiria al loro impero. In Italia, gli Etruschi conquistano Roma, che sarà governata dai Tarquini.",  // Italian
    "612 Av. J.-C. L'empire assyrien disparaît : les Babyloniens contrôlent la Mésopotamie et les Mèdes incorporent l'Assyrie à leur empire. En Italie, les Étrusques s'emparent de Rome, qui sera gouvernée par les Tarquins.",  // French
    "612 a.C. El imperio asirio desaparece: los babilonios dominan Mesopotamia, mientras que los medos anexionan Asiria a su imperio. En Italia los etruscos se apoderan de Roma, que a partir de entonces será gobernada por los Tarquinos.",  // Spanish
    "612 B.C. The Assyrian Empire comes to an end: the Babylonians hold Mesopotamia, while the Medes bring Assyria into their empire. In Italy, the Etruscans conquer Rome, which will then be ruled by the Tarquins.",  // English
}};

}  // namespace contenuti
