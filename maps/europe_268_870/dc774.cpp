// Map 102 (774 AD): overlay labels and descriptions.
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
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
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

extern const ContenutoCarta dc774;
const ContenutoCarta dc774{etichette, 34, {
    "774 d.C. Carlo Magno, nuovo re dei Franchi, chiamato in Italia dal papa, sconfigge Desiderio e cinge la corona dei Longobardi. Le terre della Chiesa si estendono da Ravenna a Roma. Ai Longobardi resta solamente il ducato di Benevento. Gli Avari spingono verso occidente.",  // Italian
    "774 Ap.JC. Charlemagne, le nouveau roi des Francs, appelé en Italie par le pape, vainc l'armée de Didier et prend la couronne de fer lombarde. L'Etat de l'Eglise doit aux Carolingiens son étendue, de Rome à Ravenne. Les Lombards s'affacent et ne gardent que le duché de Bénévent. Les Avars poussent vers l'ouest.",  // French
    "774 d.C. Carlomagno, nuevo rey de los francos, llamado a Italia por el papa, derrota a Desiderio y se ciñe la corona de hierro de los longobardos. El Estado Pontificio se extiende de Rávena a Roma. A los longobardos solo les queda el ducado de Benevento. Los ávaros presionan hacia el oeste.",  // Spanish
    " 774 A.D. Charlemagne, the new king of the Franks, goes to Italy and confirms to the Pope the grants of land made by his father Pepin.  The Lombards keep only Benevento, while the Avars press westward.",  // English
}};

}  // namespace contenuti
