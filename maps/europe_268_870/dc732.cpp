// Map 100 (732 AD): overlay labels and descriptions.
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
    {5, Posizione{2880, 8280}, 0xFFFFFF, {"R. dei Cazari", "Empire Cazare", "Imperio Kazaro", "Khazar Empire"}},
    {6, Posizione{3120, 5040}, 0xFFFFFF, {"Regno dei Franchi", "Royaume Franc", "Reino Franco", "Frankish Kdm"}},
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
    {17, Posizione{3600, 3840}, 0x000000, {"Asturie", "Asturiens", "Astures", "Asturians"}},
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
    {28, Posizione{4200, 4080}, 0xFFFFFF, {"Omayyadi", "Omayade", "Omeya", "Omayyad"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3000, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2400, 4800}, 0x000000, {"Mercia", "Mercia", "Mercia", "Mercia"}},
    {32, Posizione{2160, 5760}, 0x000000, {"Danesi", "Danes", "Daneses", "Danes"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
};
}  // namespace

extern const ContenutoCarta dc732;
const ContenutoCarta dc732{etichette, 34, {
    "732 d.C. Carlo Martello ferma a Poitiers l'avanzata degli Arabi in Gallia. Accanto ai Baschi nasce il piccolo regno delle Asturie. A oriente si afferma il regno dei Cazari, popolo in gran parte turco convertito all'ebraismo. Al nord i Danesi rafforzano il proprio regno.  ",  // Italian
    "732 Ap.JC. Charles Martel arrête l'avancée des Arabes en Gaule à Poitiers. A côté des Basques, le petit royaume des Asturies se rend indépendant. Le royaume des Khazars, un peuple en majorité turc converti au judaïsme, vient de naître. Au nord, les Danois renforcent leur propre royaume.",  // French
    "732 d.C. Carlos Martel detiene en Poitiers el avance de los árabes en la Galia. Junto a los vascos se forma el pequeño principado de Asturias. Surge el reino de los jázaros, un pueblo en su mayoría turco convertido al judaísmo. En el norte, los daneses fortalecen su reino.",  // Spanish
    " 732 A.D. Charles Martel halts the northward advance of the Arabs at Poitiers. The small Asturian realm takes shape in the mountains west of the Pyrenees. 756AD. Called in by the Pope, the Frankish king Pepin invades Italy and beats the Lombard king Aistulf, lord of the iron crown of Lombardy; he then grants the Pope the conquered lands in central Italy, so founding the Papal States. The Khazars, a mainly Turkic people, convert to Judaism. In the north the Danes strengthen their kingdom.",  // English
}};

}  // namespace contenuti
