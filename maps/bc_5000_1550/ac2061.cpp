// Map 8 (2061 BC): overlay labels and descriptions.
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
    {13, Posizione{2700, 7700}, 0xFFFFFF, {"Impero di UR", "Empire de UR", "Imperio de UR", "UR Empire"}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac2061;
const ContenutoCarta ac2061{etichette, 18, {
    "2061 a.C.  Mentuhotep II, della XI dinastia, riunifica l'Egitto e dà inizio al periodo del Medio Regno. In Mesopotamia i re di Ur reggono ancora il loro grande impero.",  // Italian
    "2061 Av.-J.C.: Mentuhotep, de la XIe dynastie, réunifie l'Egypte et ouvre l'ère du Moyen Empire. En Mésopotamie, les rois d'Ur règnent toujours sur un vaste empire, jusqu'à l'Elam.",  // French
    "2061 a.C. Mentuhotep II, de la XI dinastía, reunifica Egipto e inaugura el Imperio Medio. Los reyes de Ur siguen gobernando el imperio mesopotámico.",  // Spanish
    "2061 B.C. Mentuhotep II, of the XI dynasty, reunifies Egypt and opens the period of the Middle Kingdom. In Mesopotamia, the kings of Ur still rule over their empire.",  // English
}};

}  // namespace contenuti
