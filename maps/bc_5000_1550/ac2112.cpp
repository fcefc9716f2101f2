// Map 7 (2112 BC): overlay labels and descriptions.
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
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte: Première", "Egipto: Primero", "Egypt: First"}},
    {17, Posizione{3960, 5160}, 0xFFFFFF, {"Antico Regno", "Période Critique", "Periodo Intermedio", "Intermediate Period"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac2112;
const ContenutoCarta ac2112{etichette, 18, {
    "2112 a.C. Ur Ammu, primo re della terza dinastia di Ur, sconfigge i Gutei e fonda un nuovo impero sumero. In Mesopotamia, intorno a Ninive e ad Assur, prende forma la civiltà assira.",  // Italian
    "2212 Av.-J.C.: Ur Ammu, premier roi de la troisième dynastie d'Ur, fonde un nouvel empire sumérien. Au nord de la Mésopotamie, autour de Ninive et d'Assur, la civilisation assyrienne prend déjà forme.",  // French
    "2112 a.C. Ur Ammu, el primer rey de la tercera dinastía de Ur, derrota a los guti y funda un nuevo imperio sumerio. En el norte, en torno a Nínive y Asur, se forma la civilización asiria.",  // Spanish
    "2112 B.C. Ur Ammu, first king of the third dynasty of Ur, defeats the Gutes and founds a new Sumerian empire. In the north, around Nineveh and Assur, Assyrian civilization is born.",  // English
}};

}  // namespace contenuti
