// Map 31 (1020 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 29 lies in the emptied range and is captioned again.
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
    {13, Posizione{3240, 4920}, 0xFFFFFF, {"Libici", "Lybiens", "Libios", "Libyans"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1020;
const ContenutoCarta ac1020{etichette, 24, {
    "1020 a.C.  Gli Ebrei traggono vantaggi dalla crisi dell'Egitto: Saul fonda un regno indipendente di Israele; Davide (1004-961) sceglie Gerusalemme come capitale e gli succederà Salomone. In Mesopotamia, l'Assiria estende il proprio dominio.",  // Italian
    "1020 avant J.-C. Les Hébreux tirent profit de la crise de l'Égypte : Saül fonde un royaume indépendant d'Israël ; David (1004-961) choisit Jérusalem comme capitale et son fils Salomon lui succédera. En Mésopotamie, pendant ce temps, l'Assyrie étend son emprise.",  // French
    "1020 a.C. Los hebreos se benefician de la crisis de Egipto: Saúl funda un reino independiente de Israel; David (1004-961) elige Jerusalén como capital y le sucederá su hijo Salomón. En Mesopotamia, Asiria extiende su poder.",  // Spanish
    "1020 B.C. The Hebrews benefit by the crisis in Egypt: Saul founds an independent kingdom of Israel; David (1004-961) chooses Jerusalem as its capital and Solomon will succeed him. In Mesopotamia, meanwhile, Assyria extends its control.",  // English
}};

}  // namespace contenuti
