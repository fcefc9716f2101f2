// Map 98 (600 AD): overlay labels and descriptions.
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
    {5, Posizione{3360, 5880}, 0xFFFFFF, {"Baiuvari", "Bavares", "Bàvaros", "Baiovaria"}},
    {6, Posizione{3000, 4920}, 0xFFFFFF, {"Neustria", "Neustrie", "Francos", "Neustria"}},
    {7, Posizione{2520, 5520}, 0x000000, {"Frisoni", "Frisons", "Frisones", "Frisians"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2400, 5160}, 0x000000, {"Angli", "Angles", "Anglos", "Angles"}},
    {10, Posizione{2640, 5280}, 0x000000, {"---------Sassoni", "---------Saxons", "---------Sajones", "---------Saxons"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sàsanide", "Sasanian Empire"}},
    {12, Posizione{3600, 5640}, 0xFFFFFF, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {13, Posizione{3600, 6600}, 0xFFFFFF, {"R.degli Avari", "R. des Avars", "R. Avaro", "Avar Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4680, 6000}, 0x0000FF, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {16, Posizione{4680, 7800}, 0x0000FF, {"BIZANTINO", "BYZANTIN", "BIZANTINO", "EMPIRE"}},
    {17, Posizione{4200, 3960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3480, 5160}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundos", "Burgundian"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3600, 4800}, 0x000000, {"Aquitania", "Aquitaine", "Aquitania", "Aquitaine"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenna", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3210, 5520}, 0xFFFFFF, {"Alemania", "Alemanie", "Alemania", "Alamannia"}},
    {24, Posizione{2880, 5640}, 0xFFFFFF, {"Austrasia", "Austrasie", "Austrasia", "Austrasia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3120, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2160, 4440}, 0x000000, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
    {32, Posizione{2160, 5760}, 0x000000, {"Juti", "Jutes", "Jutas", "Jutes"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
};
}  // namespace

extern const ContenutoCarta dc600;
const ContenutoCarta dc600{etichette, 34, {
    "600 d.C.   Nel 561 il regno dei Franchi viene diviso tra i quattro figli di Clotario.  Nel 568 i Longobardi invadono l'Italia, ma molte terre restano bizantine.  Rinasce un regno degli Alamanni.   Gli Avari, genti della steppa, sorgono dai resti dell'impero unno, sconfiggono i Gepidi e fondano un loro regno.     In Oriente nascono nuovi regni: quello degli Alani a est del Mar Nero e, a sud, quelli dei Ghassanidi??? e dei Lakhmidi???",  // Italian
    "600 Ap.JC. En 561, le royaume des Francs est partagé entre les quatre fils de Clotaire. En 568, les Lombards envahissent l'Italie, mais les Byzantins y conservent de nombreux territoires. Les Alamans reconstituent leur ancien royaume. Les Avars, venus des steppes, surgissent des restes de l'empire des Huns, écrasent les Gépides et fondent leur propre royaume. En Orient naissent de nouveaux royaumes : celui des Alains, à l'est, près de la mer Noire, et, au sud, ceux des Ghassanides et des Lakhmides.",  // French
    "600 d.C. En 561 el reino de los francos se divide entre los cuatro hijos de Clotario. En 568 los longobardos invaden Italia, pero muchos territorios siguen siendo bizantinos. Renace un reino de los alamanes. Los ávaros, pueblo estepario, surgen de los restos del imperio huno, derrotan a los gépidos y fundan su reino. En el Oriente nacen nuevos reinos: el de los alanos al este del mar Negro y, al sur, los de gasánidas y lájmidas.",  // Spanish
    "600 A.D. In 561 the Frankish kingdom is shared among Clothair's four sons. In 568 the Lombards invade Italy, but many territories remain Byzantine. The Avars, nomad horsemen from Asia, rise from the remains of the Hunnic empire, defeat the Gepids and found their own kingdom. New kingdoms emerge in the East: the Alans east of the Black Sea and, further south, the Ghassanids and the Lakhmids.",  // English
}};

}  // namespace contenuti
