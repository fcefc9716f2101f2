// Map 95 (500 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 5400}, 0xFFFFFF, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{3000, 5040}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Frankish Kdm"}},
    {7, Posizione{2880, 5880}, 0xFFFFFF, {"Alamanni", "Alains", "Alamanos", "Alamanni"}},
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
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3840, 3880}, 0xFFFFFF, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {24, Posizione{3630, 5640}, 0xFFFFFF, {"Regno degli Ostrogoti", "Royaume des Ostrogoths", "Reino de los Ostrogodos", "Kdm of Ostrogoths"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2760, 6360}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3360, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2160, 4440}, 0x000000, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
};
}  // namespace

extern const ContenutoCarta dc500eu;
const ContenutoCarta dc500eu{etichette, 32, {
    "500 d.C.   Intorno al 500 si affermano in Occidente i regni degli Ostrogoti, dei Visigoti, degli Suebi e dei Burgundi. Nel regno dei Franchi, governato da sovrani cattolici, le popolazioni latine e germaniche si fondono con facilità. Ad oriente arrivano nuovi popoli: Slavi, Gepidi e Longobardi.   Tra il Mar Caspio e il lago d'Aral si muovono popoli turchi.",  // Italian
    "500 Ap.JC. Vers l'an 500, les royaumes des Ostrogoths, des Wisigoths, des Suèves et des Burgondes sont solidement établis en Occident. Dans le royaume des Francs, gouverné par des rois catholiques, les populations latines et germaniques se mélangent facilement. A l'est arrivent de nouveaux peuples : les Slaves, les Gépides et les Lombards. Entre la mer Caspienne et la mer d'Aral se déplacent les peuples turcs.",  // French
    "500 d.C. Hacia el año 500 se consolidan en Occidente los reinos de los ostrogodos, los visigodos, los suevos y los burgundios. En el reino de los francos, gobernado por reyes católicos, las poblaciones latinas y germánicas se mezclan con facilidad. Al este llegan los eslavos, gépidos y longobardos. Entre el mar Caspio y el mar de Aral se desplazan los pueblos turcos.",  // Spanish
    "500 A.D. Around 500 the kingdoms of the Ostrogoths, the Visigoths, the Suebi and the Burgundians are firmly established in the West. In the kingdom of the Franks, ruled by Catholic kings, the Latin and Germanic populations mix easily. In the east new peoples arrive: the Slavs, the Gepids and the Lombards. Between the Caspian Sea and the Aral Sea various Turkic peoples roam.",  // English
}};

}  // namespace contenuti
