// Map 91 (410 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{4200, 3960}, 0xFFFFFF, {"Vandali", "Vandales", "Vandales", "Vandals"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Franks"}},
    {7, Posizione{3120, 5640}, 0xFFFFFF, {"Alamanni", "Alamans", "Alanos", "Alamanni"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Picti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2160, 5160}, 0x000000, {"-----Angli-----", "-----Angles-----", "-----Anglos-----", "-----Angles----"}},
    {10, Posizione{2640, 5280}, 0x000000, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {11, Posizione{3000, 8640}, 0xFFFFFF, {"Unni Orientali", "Huns de l'Orient", "Hunos Orientales", "Eastern Huns"}},
    {12, Posizione{3240, 7320}, 0xFFFFFF, {"Unni Occidentali", "Huns de l'Occident", "Hunos occidentales", "Western Huns"}},
    {13, Posizione{3600, 6240}, 0xFFFFFF, {"Alleanza gotica di Alarico", "Alliance gothique d'Alaric", "Alianza gotica de Alarico", "Gothic Alliance of Alaric"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{4440, 5640}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Western Roman"}},
    {18, Posizione{4680, 5640}, 0x0000FF, {"d'Occidente", "d'Occident", "de Occidente", "Empire"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenna", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
};
}  // namespace

extern const ContenutoCarta dc410;
const ContenutoCarta dc410{etichette, 23, {
    "Gli Unni continuano a premere verso ovest. Angli e Sassoni invadono la Britannia, mentre Franchi e Alamanni si insediano in Gallia. I Vandali, spinti nella penisola iberica, si preparano a passare nell'Africa settentrionale. Nel 410 i Visigoti di Alarico saccheggiano Roma. L'Armenia viene di nuovo divisa tra l'Impero Romano d'Oriente e l'Impero Sassanide.",  // Italian
    "410 Ap.JC. Les Huns continuent leur lente poussée vers l'ouest. Les Angles et les Saxons envahissent la Bretagne, alors que les Francs et les Alamans s'installent en Gaule. Les Vandales, repoussés jusque dans la péninsule Ibérique, se préparent à gagner l'Afrique du Nord. En 410, les Wisigoths du roi Alaric mettent Rome à sac. L'Arménie est de nouveau partagée entre l'Empire romain d'Orient et l'Empire sassanide.",  // French
    "410 d.C. Los hunos siguen presionando hacia el oeste. Anglos y sajones invaden Britania, mientras los francos se asientan en la Galia junto con otros pueblos germánicos. Los vándalos, empujados a la península ibérica, avanzan hacia el norte africano. En el 410 los visigodos de Alarico saquean Roma. Armenia queda de nuevo dividida entre el Imperio Romano de Oriente y el Imperio Sasánida.",  // Spanish
    "410 A.D. The Huns keep pressing westward from the Asian steppes. The Angles and the Saxons invade Britain, while the Franks and the Alamanni settle in Gaul. The Vandals, pushed into the Iberian peninsula, prepare to cross over to North Africa. In 410 the Visigoths led by King Alaric sack Rome. Armenia is divided between the Eastern Roman Empire and the Sasanian Empire.",  // English
}};

}  // namespace contenuti
