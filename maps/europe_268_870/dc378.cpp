// Map 90 (378 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{1080, 3840}, 0xFF0000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10125}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{3240, 5640}, 0x000000, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{2760, 5760}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Franks"}},
    {7, Posizione{4680, 5760}, 0x0000FF, {"d'Occidente", "d'Occident", "de Occidente", "Empire"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Picti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{3120, 7080}, 0xFFFFFF, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {10, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sasanide", "Sasanian Empire"}},
    {12, Posizione{3000, 6000}, 0xFFFFFF, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {13, Posizione{4440, 5760}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Western Roman"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{3600, 6960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3840, 9360}, 0x000000, {"Armenia", "Armenia", "Armenia", "Armenia"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {21, Posizione{2040, 8520}, 0xFFFFFF, {"U N N I", "H U N S", "H U N O S", "H U N S"}},
};
}  // namespace

extern const ContenutoCarta dc378;
const ContenutoCarta dc378{etichette, 22, {
    "378 d.C.   Gli Unni, d'origine mongola (forse gli Xiongnu delle fonti cinesi?), avanzano verso occidente e spingono i Goti nell'impero d'Oriente.",  // Italian
    "378 Ap.JC. Les Huns, d'origine mongole et apparentés aux Xiongnu, s'avancent vers l'ouest et poussent les Goths à l'intérieur de l'empire d'Orient.",  // French
    "378 d.C. Los hunos, de origen mongol y emparentados con los Xiongnu, avanzan hacia Occidente y empujan a los godos hacia el interior del imperio de Oriente.",  // Spanish
    "378 A.D. The Huns, of Mongolian origin and related to the Xiongnu, move westwards and push the Goths into the lands of the Eastern Roman Empire.",  // English
}};

}  // namespace contenuti
