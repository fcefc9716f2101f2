// Map 27 (1157 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 13 and 19 are placed and whitened, and show nothing.
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"", "", "", ""}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2040, 3720}, 0xFFFFFF, {"", "", "", ""}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3240, 6360}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
};
}  // namespace

extern const ContenutoCarta ac1157;
const ContenutoCarta ac1157{etichette, 24, {
    "1157 a.C. Ancora una volta, quasi 900 anni dopo, gli Elamiti saccheggiano Babilonia e pongono fine all'Impero cassita.",  // Italian
    "1157 avant J.-C..  : Presque 900 ans après la destruction de la ville d'Ur, les Élamites pillent de nouveau Babylone et mettent fin à l'Empire kassite.",  // French
    "1157 a.C. Una vez más, casi 900 años después, los elamitas saquean Babilonia y acaban con el duradero Imperio casita.",  // Spanish
    "1157 B.C. Once again, nearly 900 years later, the Elamites, from Iran, sack Babylon and crush the Kassite Empire. ",  // English
}};

}  // namespace contenuti
