// Map 97 (565 AD): overlay labels and descriptions.
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
    {5, Posizione{3240, 5880}, 0xFFFFFF, {"Baiuvari", "Bavares", "Bàvaros", "Bavars"}},
    {6, Posizione{3000, 5040}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Frankish Kdm"}},
    {7, Posizione{2520, 5640}, 0x000000, {"Frisoni", "Frisons", "Frisones", "Frisians"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2400, 5160}, 0x000000, {"Angli", "Angles", "Anglos", "Angles"}},
    {10, Posizione{2640, 5280}, 0x000000, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sàsanide", "Sasanian Empire"}},
    {12, Posizione{3480, 6240}, 0xFFFFFF, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {13, Posizione{3600, 6960}, 0xFFFFFF, {"Gepidi", "Gepides", "Gépidas", "Gepid Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4680, 6000}, 0x0000FF, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {16, Posizione{4680, 7800}, 0x0000FF, {"BIZANTINO", "BYZANTIN", "BIZANTINO", "EMPIRE"}},
    {17, Posizione{4200, 3960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{6000, 5880}, 0xFFFFFF, {"", "", "", ""}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{6000, 6960}, 0x000000, {"", "", "", ""}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenna", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3840, 3880}, 0xFFFFFF, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {24, Posizione{6000, 7920}, 0xFFFFFF, {"", "", "", ""}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3120, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2160, 4440}, 0x000000, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
};
}  // namespace

extern const ContenutoCarta dc565;
const ContenutoCarta dc565{etichette, 32, {
    "565 d.C.   I Franchi si ingrandiscono a spese di Burgundi e Alamanni. Dopo le guerre gotiche, Giustiniano e il suo generale Belisario riconquistano all'impero bizantino l'Italia, le grandi isole, l'Africa settentrionale e la Spagna meridionale. Si rafforzano i regni dei Baiuvari, dei Longobardi e dei Gepidi.",  // Italian
    "565 Ap.JC. Les Francs s'agrandissent aux dépens des Burgondes et des Alamans. Après les guerres gothiques, Justinien et son général Bélisaire reconquièrent pour l'empire byzantin l'Italie, les grandes îles, l'Afrique du Nord et le sud de l'Espagne. Les royaumes des Bavarois, des Lombards et des Gépides se consolident.",  // French
    "565 d.C. Los francos se extienden a costa de los burgundios y de los alamanes. Tras las guerras góticas, Justiniano y su general Belisario reconquistan para el imperio bizantino Italia, las grandes islas, el norte africano y el sur de Hispania. Se refuerzan los reinos de los bávaros, los longobardos y los gépidos.",  // Spanish
    "565 A.D. The Franks grow stronger at the expense of the Burgundians and the Alamanni. After the Gothic Wars, Justinian and his general Belisarius win back for the Byzantine Empire Italy, the large islands, North Africa and southern Spain. The kingdoms of the Bavarians, the Lombards and the Gepids are growing.",  // English
}};

}  // namespace contenuti
