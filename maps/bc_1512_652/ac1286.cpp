// Map 22 (1286 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 21 shows nothing but is left black, for the next map that captions it.
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
    {9, Posizione{2200, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Cassita", "Empire Cassite", "Imperio Casita", "Kassite Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, 0x000000, {"", "", "", ""}},
    {22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{1960, 7420}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
}  // namespace

extern const ContenutoCarta ac1286;
const ContenutoCarta ac1286{etichette, 25, {
    "1286 a.C. Gli Ittiti hanno esteso il loro impero e gli Egiziani, guidati da Ramses II, tentano di fermarli a Qadesh. Gli Egiziani credono di avere vinto la battaglia, ma in realtà non cambia nulla: gli Ittiti conservano la Siria. I Fenici inventano l'alfabeto e la scrittura fonetica.",  // Italian
    "1286 avant J.-C.. Face à l'extension de l'empire des Hittites, les Égyptiens de Ramsès II tentent de les arrêter à Qadesh. Ramsès II échappe de peu au désastre, mais la victoire qu'il revendique est gravée sur les murs des temples égyptiens. En réalité, rien ne change : les Hittites conservent le contrôle de la Syrie. Les Phéniciens inventent le premier alphabet phonétique.",  // French
    "1286 a.C. Los hititas han extendido su imperio y los egipcios, guiados por Ramsés II, intentan detenerlos en Qadesh. Aunque los egipcios creen haber vencido en la batalla, en realidad nada cambia: los hititas conservan Siria.",  // Spanish
    "1286 B.C. The Hittites have extended their empire and the Egyptians, led by Ramesses II, try to stop them at Qadesh. Even though the Egyptians believe they have won the battle, in reality nothing changes: the Hittites retain Syria.",  // English
}};

}  // namespace contenuti
