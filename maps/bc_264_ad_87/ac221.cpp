// Map 70 (221 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2400, 7680}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {1, Posizione{1600, 9600}, 0x000000, {"Impero XIONGNU", "Empire XIONGNU", "Imperio XIONGNU", "XIONGNU Empire"}},
    {2, Posizione{2160, 8160}, 0xFFFFFF, {"Imp.Seleucide", "Empire Séléucide", "Imperio Seléucide", "Seleucid Emp."}},
    {3, Posizione{1880, 7200}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {4, Posizione{2040, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{2160, 10320}, 0x000000, {"Imp.CHOU", "Emp.CHOU", "Imp.CHOU", "CHOU Emp."}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8760}, 0x000000, {"Imp. d.Parti", "Emp.Parthe", "Imp.Parta", "Parthian Emp."}},
    {9, Posizione{2640, 9240}, 0x000000, {"Imp.Maurya", "Emp.Maurya", "Imp.Maurya", "Maurya Emp."}},
    {10, Posizione{2040, 9000}, 0xFFFFFF, {"Battriana", "Bactriane", "Bactriana", "Bactria"}},
    {11, Posizione{2040, 7480}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {12, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
};
}  // namespace

extern const ContenutoCarta ac221;
const ContenutoCarta ac221{etichette, 13, {
    "221 a.C.   CINA: la dinastia Qin unifica l'impero e inizia la Grande Muraglia contro gli attacchi degli Xiongnu.    INDIA: l'impero Maurya inizia a disgregarsi.   MEDITERRANEO: i Cartaginesi si stabiliscono in Spagna, mentre Roma si spinge verso l'Illiria.    AMERICA: la cultura Nazca prende il posto dell'antica cultura Chavín.",  // Italian
    "221 av. J.- C. En Chine, Shi Huangdi, premier empereur Qin, unifie l'empire et renforce la Grande Muraille contre les attaques des Xiongnu. En Inde, l'immense empire Maurya commence à se désagréger.  En Méditerranée, les Carthaginois s'installent en Espagne, tandis que Rome s'avance en Illyrie.  En Amérique, la culture Nazca remplace celle de Chavín.",  // French
    "221 a.C. China: la dinastía Qin unifica todo el imperio y comienza la Gran Muralla contra los ataques de los Xiongnu. India: el imperio Maurya comienza a desintegrarse. Mediterráneo: los cartagineses se establecen en España y Roma avanza hacia Iliria. América: la cultura Nazca ocupa el lugar de la antigua cultura Chavín.",  // Spanish
    "221 B.C. CHINA: the Qin dynasty unifies the empire and begins the Great Wall against the attacks of the Xiongnu. INDIA: the Maurya empire begins slowly to break up. MEDITERRANEAN: the Carthaginians settle in Spain, while Rome pushes east into Illyria. AMERICA: the Nazca culture takes the place of the older Chavín culture in the Andes.",  // English
}};

}  // namespace contenuti
