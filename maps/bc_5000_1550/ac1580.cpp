// Map 17 (1580 BC): overlay labels and descriptions.
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
    {9, Posizione{2280, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
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
    {22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    // Captioned only: it shows wherever, and in whatever colour, the previous map left it.
    {23, std::nullopt, std::nullopt, {"Cassiti", "Cassites", "Casites", "Kassits"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1580;
const ContenutoCarta ac1580{etichette, 23, {
    "1580 a.C. Egitto: Amosis I libera il paese dagli Hyksos. Inizia il Nuovo Regno (dinastie dalla XVIII alla XX); la capitale passa a Tebe e si ristabiliscono i confini del Medio Regno.",  // Italian
    "1580 Av.-J.C.: en Egypte, Amosis 1er chasse les Hyksos hors du delta et réunifie le royaume. Ainsi commence le Nouvel Empire, dont la capitale est Thèbes, période de splendeur pour l'Egypte.",  // French
    "1580 a.C. Egipto: Amosis I libera a su reino de los hicsos. Comienza el Imperio Nuevo (dinastías XVIII a XX); la capital se traslada a Tebas y se restablecen las fronteras del Imperio Medio.",  // Spanish
    "1580 B.C. Egypt: Amosis I frees the land of the Hyksos. The New Kingdom (dynasties XVIII to XX) begins; the capital moves to Thebes and the borders of the Middle Kingdom are restored.",  // English
}};

}  // namespace contenuti
