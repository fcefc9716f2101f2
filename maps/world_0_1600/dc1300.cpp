// Map 121 (world, AD 1300): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 28 and 29 are spare, below the picture; the map writes all 36 labels.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1200, 7080}, 0x000000, {"Dani.", "Dan.", "Dina.", "Denm."}},
    {2, Posizione{2280, 6480}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {3, Posizione{1800, 9960}, 0x000000, {"Imp.Gran Khan", "Emp.Grand Khan", "Imp.Gran Khan", "Khan Emp."}},
    {4, Posizione{1080, 7920}, 0x000000, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {5, Posizione{3840, 4440}, 0x000000, {"Chimu", "Chimù", "Chimù", "Chimu"}},
    {6, Posizione{1800, 9120}, 0x000000, {"Ciaghatai", "Djaghatai", "Jagatai", "Jagatai kh."}},
    {7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {8, Posizione{2160, 8280}, 0x000000, {"Imp.degli Ilkhan", "Emp.des Ilkhan", "Imp. Ilkhan", "Illkhan Emp."}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{1920, 7320}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "I.Bizantino", "Byzantinian E."}},
    {11, Posizione{2880, 9000}, 0x000000, {"Yadava", "Yadava", "Yadava", "Yadava"}},
    {12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{3120, 9480}, 0x000000, {"Pandya", "Pandya", "Pandya", "Pandya"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {18, Posizione{2760, 9480}, 0x000000, {"Ganga", "Ganga", "Ganga", "Ganga"}},
    {19, Posizione{1440, 6840}, 0x000000, {"Ingh.", "Eng.", "Ing.", "Eng."}},
    {20, Posizione{3960, 8040}, 0x000000, {"Swahili", "Swahili", "Swahili", "Swahili"}},
    {21, Posizione{2640, 8760}, 0x000000, {"Oman", "Oman", "Oman", "Oman"}},
    {22, Posizione{3000, 7920}, 0x000000, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {23, Posizione{3120, 6960}, 0xFFFFFF, {"Haussa", "Hausa", "Hausa", "Hausa"}},
    {24, Posizione{4080, 4560}, 0x000000, {"Inca", "Incas", "Inca", "Incas"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3720}, 0x000000, {"Aztechi", "Aztèques", "Aztecas", "Aztecs"}},
    {27, Posizione{1440, 8280}, 0x000000, {"Orda d'Oro", "Horde d'Or", "Horda de Oro", "Golden Horde"}},
    {28, Posizione{5640, 10080}, 0x000000, {"", "", "", ""}},
    {29, Posizione{5640, 8880}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{2520, 7560}, 0x000000, {"Sul.Mamelucchi", "Sult.Mamelouk", "Sult.Mameluco", "Mameluk Sult."}},
    {31, Posizione{2520, 9240}, 0x000000, {"Delhi", "Delhi", "Delhi", "Delhi"}},
    {32, Posizione{2880, 8280}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {33, Posizione{2640, 9240}, 0x000000, {"(Sultanato)", "(Sultanat)", "(Sultanado)", "(Sultanate)"}},
    {34, Posizione{2160, 6840}, 0x000000, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {35, Posizione{2280, 7200}, 0x000000, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
};
}  // namespace

extern const ContenutoCarta dc1300;
const ContenutoCarta dc1300{etichette, NessunaPulizia, {
    "1300   AMERICA: la cultura inca comincia a diffondersi nella regione delle Ande centrali. Il Vecchio Mondo resta dominato dai khanati mongoli. AFRICA: prevalgono i regni del Mali e del Kanem, mentre lungo la costa orientale si formano le città-stato swahili. In India, tuttora divisa, emergono i regni di Pandya e di Yadava. In Europa alcuni re impongono la loro autorità sui feudatari, sui comuni e sulla Chiesa, e si formano le prime monarchie nazionali. La popolazione mondiale è di 360 milioni.",  // Italian
    "1300 AMÉRIQUE: la culture inca commence à se répandre dans les Andes centrales. L'Ancien Monde reste dominé par les khanats mongols. AFRIQUE: les royaumes du Mali et du Kanem l'emportent, tandis que les cités-États swahilies se forment le long de la côte orientale. En Inde, encore divisée, s'élèvent les royaumes Pandya et Yadava. En Europe, quelques rois imposent leur autorité aux vassaux, aux communes et à l'Église, et les premières monarchies nationales se forment. La population mondiale est de 360 millions d'habitants.",  // French
    "1300 AMÉRICA: la cultura inca comienza a extenderse por la región de los Andes centrales. El Viejo Mundo sigue dominado por los kanatos mongoles. ÁFRICA: dominan los reinos de Malí y de Kanem, mientras a lo largo de la costa oriental se forman las ciudades-estado suajilis. En la India, todavía dividida, surgen los reinos de Pandya y Yadava. En Europa algunos reyes imponen su autoridad sobre los vasallos, las ciudades y la Iglesia, y se forman las primeras monarquías nacionales. La población mundial es de 360 millones.",  // Spanish
    " 1300 AMERICA: the Inca culture begins to spread across the central Andes. The Old World remains dominated by the Mongol khanates. AFRICA: the kingdoms of Mali and of Kanem prevail, and the Swahili city-states form along the east coast. In India, still divided, the kingdoms of Pandya and Yadava rise. In Europe some kings impose their authority on the vassals, the communes and the Church, and the first national monarchies form. The world's population is 360 million.",  // English
}};

}  // namespace contenuti
