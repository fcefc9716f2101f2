// Map 116 (world, AD 1200): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1200, 7080}, 0x000000, {"Dani.", "Dan.", "Dina.", "Denm."}},
    {2, Posizione{2160, 6720}, 0x000000, {"Almohadi", "Almohades", "Almohades", "Almohads"}},
    {3, Posizione{1800, 10440}, 0x000000, {"Impero Jin", "Empire Jin", "Imperio Jin", "Jin Empire"}},
    {4, Posizione{1080, 7920}, 0x000000, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {5, Posizione{3840, 4200}, 0x000000, {"Chimu", "Chimù", "Chimù", "Chimu"}},
    {6, Posizione{2400, 10200}, 0x000000, {"Impero Song", "Empire Song", "Imperio Song", "Song Empire"}},
    {7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {8, Posizione{2320, 8900}, 0xFFFFFF, {"Ghuridi", "Ghourides", "Guridas", "Ghurids"}},
    {9, Posizione{1800, 6480}, 0x000000, {"Leon", "Leon", "Leon", "Leon"}},
    {10, Posizione{1920, 7320}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "I.Bizantino", "Byzantinian E."}},
    {11, Posizione{2880, 7800}, 0x000000, {"Makuria", "Makurie", "Makuria", "Makuria"}},
    {12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {13, Posizione{2640, 8640}, 0x000000, {"Oman", "Oman", "Oman", "Oman"}},
    {14, Posizione{2040, 6240}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{2160, 8300}, 0xFFFFFF, {"Chovaresm", "Chovaresm", "Chovaresm", "Chovaresm"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {18, Posizione{2980, 10200}, 0x000000, {"Khmer", "Khmer", "Khmer", "Khmer"}},
    {19, Posizione{1440, 6840}, 0x000000, {"Ingh.", "Eng.", "Ing.", "Eng."}},
    {20, Posizione{2400, 7680}, 0xFFFFFF, {"Ayyubidi", "Ayyubides", "Ayubidas", "Ayyubids"}},
    {21, Posizione{1920, 6720}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {22, Posizione{3000, 7800}, 0x000000, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {23, Posizione{4320, 4440}, 0x000000, {"Tiahuanaco", "Tiahuanaco", "Tiahuanaco", "Tiahuanaco"}},
    {24, Posizione{4080, 4320}, 0x000000, {"Cuzco", "Cuzco", "Cuzco", "Cuzco"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3840}, 0x000000, {"Aztechi", "Aztèques", "Aztecas", "Aztecs"}},
    {27, Posizione{3000, 8400}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {28, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {29, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japon"}},
    {30, Posizione{2720, 10000}, 0x000000, {"Pagan", "Pagan", "Pagan", "Pagan"}},
};
}  // namespace

extern const ContenutoCarta dc1200;
const ContenutoCarta dc1200{etichette, 31, {
    "1200   CINA: i Song si erano alleati con i Jin contro i Liao, ma i Jin hanno poi invaso i territori settentrionali dei Song. INDOCINA: i regni di Pagan e dei Khmer sono al loro apogeo. Nei paesi musulmani le dinastie si succedono. AMERICA: gli Aztechi prendono il posto dei Toltechi e fondano le loro città-stato. In Europa lottano i poteri delle città, dei feudatari, dei re, dell'imperatore e della Chiesa. La popolazione mondiale è di 360 milioni.",  // Italian
    "1200 CHINE: les Sung se sont alliés avec les Jin contre les Liao en 1120, mais les Jin se sont emparés des territoires du nord de l'empire Sung. INDOCHINE: les royaumes de Pagan et des Khmers sont à leur apogée. Dans les terres musulmanes, des dynasties se succèdent. AMERIQUE: les Aztèques prennent la place des Toltèques et fondent leurs cités-États. En Europe, les rois, l'empereur, les communes, les vassaux et l'Église se heurtent dans une lutte incessante pour le pouvoir. La population mondiale est de 360 millions d'habitants.",  // French
    "1200 CHINA: los Sung se aliaron con los Chin contra los Liao (1120), pero los Chin se apoderaron de las tierras del norte de los Sung. INDOCHINA: los reinos de Pagan y de los jemeres están en su apogeo. En las tierras musulmanas se suceden las dinastías. AMÉRICA: los aztecas ocupan el lugar de los toltecas y fundan sus ciudades-estado. En Europa luchan los poderes de las ciudades, de los señores feudales, de los reyes, del emperador y de la Iglesia. La población mundial es de 360 millones.",  // Spanish
    " 1200 CHINA: the Sung allied with the Jin against the Liao in 1120, but the Jin later seized the northern lands of the Sung. INDO-CHINA: the Pagan and Khmer kingdoms are at their height. In the Muslim lands one dynasty follows another. AMERICA: the Aztecs take the place of the Toltecs and found their city-states. In Europe feudal war sets the powers of the cities, the feudal lords, the kings, the emperor and the Church against one another. The world's population is 360 million.",  // English
}};

}  // namespace contenuti
