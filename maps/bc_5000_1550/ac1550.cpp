// Map 18 (1550 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Cassita", "Empire Cassite", "Imperio Casita", "Kassite Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{2200, 7080}, 0xFFFFFF, {"Mitanni", "Mitanni", "Mitanni", "Mitanni"}},
    // At N, yet captioned after the emptying, so it still shows.
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1550;
const ContenutoCarta ac1550{etichette, 24, {
    "1550 a.C. L'Egitto completa la conquista della Nubia e inizia i grandi lavori del tempio di Karnak, presso Tebe. Le tombe scavate nella roccia della Valle dei Re prendono il posto delle piramidi. In Mesopotamia il regno del Mitanni estende il suo controllo sull'Assiria, mentre gli Ittiti ingrandiscono il loro impero in Anatolia.",  // Italian
    "1550 Av.-J.C.: L'Egypte achève la conquête de la Nubie, riche en or. Près de Thèbes s'élèvent les grands édifices de Karnak et de Louxor, dédiés au dieu Amon, tandis que les pharaons et leurs épouses se font désormais enterrer dans des tombes souterraines, creusées dans la Vallée des Rois et dans la Vallée des Reines.",  // French
    "1550 a.C. Egipto termina la conquista de Nubia e inicia las grandes obras del templo de Karnak. Las tumbas excavadas en la roca viva del Valle de los Reyes sustituyen a las pirámides. El reino de Mitanni extiende su control sobre Asiria y los hititas amplían su imperio en Anatolia.",  // Spanish
    "1550 B.C. Egypt completes the conquest of Nubia and begins the great works of the temple at Karnak. Royal rock-cut tombs in the Valley of the Kings take the place of the older pyramids. Mitanni extends its control over Assyria, while the Hittites enlarge their empire in Anatolia.",  // English
}};

}  // namespace contenuti
