// Map 93 (476 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xFF0000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xFF0000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10125}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 5400}, 0xFFFFFF, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{3000, 5040}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Frankish Kdm"}},
    {7, Posizione{5640, 8880}, 0xFFFFFF, {"", "", "", ""}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2400, 5160}, 0x000000, {"-----Angli-----", "-----Angles-----", "-----Anglos-----", "-----Angles----"}},
    {10, Posizione{2640, 5280}, 0x000000, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sàsanide", "Sasanian Empire"}},
    {12, Posizione{3240, 6600}, 0xFFFFFF, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {13, Posizione{3720, 6960}, 0xFFFFFF, {"Gepidi", "Gepides", "Gépidas", "Gepid Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{4200, 3960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3480, 5160}, 0xFFFFFF, {"Burgundi", "Burgundes", "Burgundios", "Burgundian"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenna", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3840, 3885}, 0xFFFFFF, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {24, Posizione{3630, 5640}, 0xFFFFFF, {"Regno degli Ostrogoti", "Royaume des Ostrogoths", "Reino de los Ostrogodos", "Kdm of Ostrogoths"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2640, 6480}, 0xFFFFFF, {"Tribù Germaniche", "Tribù Germaniques", "Tribù Germanas", "Germanic Tribes"}},
    {30, Posizione{2280, 7440}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2160, 4440}, 0x000000, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
};
}  // namespace

extern const ContenutoCarta dc476;
const ContenutoCarta dc476{etichette, 32, {
    " 476 d.C.   Dopo la morte di Attila (453) il vasto impero unno si disgrega. Odoacre, re degli Eruli, depone Romolo Augustolo, l'ultimo imperatore romano d'Occidente, e invia le insegne imperiali a Costantinopoli per essere riconosciuto governatore dell'Italia. In Europa comincia così l'epoca dei regni romano-barbarici.",  // Italian
    "476 Ap.JC. Après la mort d'Attila (453), le vaste empire des Huns se disloque. Odoacre, l'un des généraux de l'armée romaine, dépose en 476 Romulus Augustule, le dernier empereur romain d'Occident, et renvoie les insignes impériaux à Constantinople. Il gouverne à la manière romaine, avec l'aide d'un sénat, fixe sa capitale à Ravenne et attribue à ses soldats un tiers des terres. En Europe commence alors l'époque des royaumes romano-barbares.",  // French
    "476 d.C. Tras la muerte de Atila (453), el vasto imperio huno se disgrega. Odoacro, rey de los hérulos, depone a Rómulo Augústulo, el último emperador romano de Occidente, y envía las insignias imperiales a Constantinopla para ser reconocido como gobernador de Italia. En Europa comienza así la época de los reinos romano-bárbaros.",  // Spanish
    "476 A.D. After Attila's death (453) the vast Hunnic empire quickly breaks up. Odoacer, a Germanic chieftain, deposes the last western emperor and sends the imperial standards to Constantinople, so as to be acknowledged governor of Italy. The age of the Roman-Barbarian kingdoms now begins in Europe.",  // English
}};

}  // namespace contenuti
