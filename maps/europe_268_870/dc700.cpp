// Map 99 (700 AD): overlay labels and descriptions.
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
    {5, Posizione{3360, 5880}, 0xFFFFFF, {"Bavaria", "Bavaria", "Bavaria", "Bavaria"}},
    {6, Posizione{3000, 4920}, 0xFFFFFF, {"Regno dei Franchi", "Royaume Franc", "Reino Franco", "Frankish Kdm"}},
    {7, Posizione{2520, 5520}, 0x000000, {"Frisoni", "Frisons", "Frisones", "Frisians"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2640, 4680}, 0x000000, {"Wessex", "Wessex", "Wessex", "Angles"}},
    {10, Posizione{2640, 5670}, 0x000000, {"Sassoni", "Saxons", "Sajones", "Saxons"}},
    {11, Posizione{4800, 9720}, 0xFFFFFF, {"Califfato Omayyade", "CALIFAT OMAYYADE", "Califato OMEYA", "OMAYYAD CALIPHATE"}},
    {12, Posizione{3600, 5640}, 0xFFFFFF, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {13, Posizione{3480, 6480}, 0xFFFFFF, {"R.degli Avari", "R.des Avars", "R. Avaro", "Avar Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4680, 6000}, 0x0000FF, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {16, Posizione{4680, 7800}, 0x0000FF, {"BIZANTINO", "BYZANTIN", "BIZANTINO", "EMPIRE"}},
    {17, Posizione{4200, 3960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3840, 7200}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinople"}},
    {20, Posizione{3600, 4800}, 0x000000, {"Aquitania", "Aquitaine", "Aquitania", "Aquitaine"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenne", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3720, 6280}, 0xFFFFFF, {"Croati", "Croates", "Croatas", "Croats"}},
    {24, Posizione{4040, 6720}, 0xFFFFFF, {"Serbi", "Serbes", "Serbios", "Serbs"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2040, 5040}, 0x000000, {"Umbria", "Ombrie", "Umbria", "N.Umbria"}},
    {28, Posizione{5040, 5280}, 0xFFFFFF, {"Omayyadi", "Omayade", "Omeya", "Omayyad"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3120, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2400, 4800}, 0x000000, {"Mercia", "Mercia", "Mercia", "Mercia"}},
    {32, Posizione{2160, 5760}, 0x000000, {"Danesi", "Danes", "Daneses", "Danes"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
};
}  // namespace

extern const ContenutoCarta dc700;
const ContenutoCarta dc700{etichette, 34, {
    "700 d.C.    Dopo la morte di Maometto (632) gli Arabi si espandono rapidamente, soprattutto a spese dell'impero sassanide e di quello bizantino. Pipino II di Héristal, maestro di palazzo, riconquista per i Franchi la Neustria, la Burgundia e la Frisia. In Italia il regno longobardo si ingrandisce a spese dei Bizantini. Popolazioni slave, tra cui Croati e Serbi, si stabiliscono nella penisola balcanica a spese degli Avari; più a est sorge il regno dei Bulgari, popolo d'origine turca. In Britannia si formano piccoli regni celtico-barbarici..",  // Italian
    "700 Ap.JC. Après la mort de Mahomet (632), les Arabes se répandent rapidement, surtout aux dépens de l'empire sassanide et de l'empire byzantin. Pépin II de Herstal, maire du palais, reconquiert pour les Francs la Neustrie, la Bourgogne et la Frise. En Italie, le royaume lombard s'agrandit aux dépens des Byzantins. Des peuples slaves, parmi lesquels les Croates et les Serbes, descendent du nord dans la péninsule balkanique et s'y établissent aux dépens des Avars ; plus à l'est se forme le royaume des Bulgares, un peuple nomade d'origine turque. En Bretagne se constituent de petits royaumes celtes et barbares.",  // French
    "700 d.C. Tras la muerte de Mahoma (632), los árabes se expanden rápidamente, sobre todo a costa del imperio sasánida y del bizantino. Pipino II de Heristal, mayordomo de palacio, recupera para los francos Neustria, Burgundia y Frisia. En Italia, el reino longobardo se engrandece. Pueblos eslavos, entre ellos croatas y serbios, se asientan en la parte septentrional de la península balcánica a costa de los ávaros; más al este se forma el reino de los búlgaros, un pueblo de origen turco. En Britania se forman pequeños reinos celta-bárbaros.",  // Spanish
    " 700 A.D. After Muhammad's death (632) the Arabs expand fast, mainly at the expense of the Sassanid and Byzantine empires. Pepin II of Herstal, mayor of the palace, wins back Neustria, Burgundy and Frisia for the Franks. In Italy the Lombard kingdom grows. Slavic tribes, the Croats and the Serbs among them, come from the north of the Balkans and seize the Avars' territory; further east rises the kingdom of the Bulgars, a people of Turkic origin. In Britain small Anglo-Saxon kingdoms take shape.",  // English
}};

}  // namespace contenuti
