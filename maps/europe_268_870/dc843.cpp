// Map 104 (843 AD): overlay labels and descriptions.
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
    {6, Posizione{3120, 5040}, 0xFFFFFF, {"Impero dei Franchi", "Empire Franc", "Imperio Franco", "Frankish Empire"}},
    {7, Posizione{2520, 5520}, 0x000000, {"Frisoni", "Frisons", "Frisones", "Frisians"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2640, 4680}, 0x000000, {"Wessex", "Wessex", "Wessex", "Angles"}},
    {10, Posizione{2640, 5670}, 0x000000, {"Sassoni", "Saxons", "Sajones", "Saxons"}},
    {11, Posizione{4800, 9720}, 0xFFFFFF, {"CALIFFATO ABASSIDE", "CALIFAT ABBASSIDE", "Califato ABASIDA", "ABBASID CALIPHATE"}},
    {12, Posizione{5160, 4440}, 0xFFFFFF, {"Imamato di Tahert", "Imamate de Tahert", "Imamato de Tahert", "Imamate of Tahert"}},
    {13, Posizione{3480, 6720}, 0xFFFFFF, {"R.degli Avari", "R.des Avars", "R. Avaro", "Avar Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7200}, 0x0000FF, {"IMPERO", "EMPIRE", "IMPERIO", "BYZANTINIAN"}},
    {16, Posizione{4680, 8160}, 0x0000FF, {"BIZANTINO", "BYZANTIN", "BIZANTINO", "EMPIRE"}},
    {17, Posizione{3600, 3840}, 0x000000, {"Asturie", "Asturiens", "Astures", "Asturians"}},
    {18, Posizione{3840, 7200}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{5040, 3720}, 0xFFFFFF, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenne", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3770, 6280}, 0xFFFFFF, {"Croati", "Croates", "Croatas", "Croats"}},
    {24, Posizione{4040, 6720}, 0xFFFFFF, {"Serbi", "Serbes", "Serbios", "Serbs"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2040, 5040}, 0x000000, {"Umbria", "Ombrie", "Umbria", "N.Umbria"}},
    {28, Posizione{4080, 3740}, 0xFFFFFF, {"Omayyadi", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3000, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2400, 4800}, 0x000000, {"Mercia", "Mercia", "Mercia", "Mercia"}},
    {32, Posizione{2160, 5760}, 0x000000, {"Juti", "Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Longobardi", "Benevento", "Benevento", "Benevento"}},
};
}  // namespace

extern const ContenutoCarta dc843;
const ContenutoCarta dc843{etichette, 34, {
    "843 d.C. Con il trattato di Verdun il Sacro Romano Impero viene spartito in tre regni, per risolvere le contese tra gli eredi di Ludovico il Pio; il tiolo di imperatore spetta al sovrano del regno centrale.",  // Italian
    "843 Ap.JC. Avec le traité de Verdun, le Saint Empire romain est partagé en trois royaumes, afin de mettre un terme aux querelles entre les héritiers de Louis le Pieux. Le titre impérial revient au souverain du royaume central.",  // French
    "843 d.C. Con el tratado de Verdún, el Imperio Romano de Occidente se divide en tres reinos, para poner fin a las constantes disputas entre los herederos de Luis el Piadoso. El título imperial corresponde al soberano del reino central.",  // Spanish
    " 843 A.D. By the Treaty of Verdun the Holy Roman Empire is split into three kingdoms, Francia, Germany and, lying between them, Lotharingia, to end the quarrels among the heirs of Louis the Pious. The imperial title goes to Lotharingia's ruler.",  // English
}};

}  // namespace contenuti
