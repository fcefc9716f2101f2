// Map 107 (world, AD 1000): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1680, 6720}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1200, 7080}, 0x000000, {"Dani.", "Dan.", "Dina.", "Denm."}},
    {2, Posizione{2280, 6960}, 0x000000, {"Ziridi", "Zirides", "Zirides", "Zirids"}},
    {3, Posizione{1440, 7440}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {4, Posizione{1320, 7800}, 0x000000, {"Rus-Kiev", "Rus-Kiev", "Rus-Kiev", "Kiev Rus"}},
    {5, Posizione{3840, 4200}, 0x000000, {"Chimu", "Chimù", "Chimù", "Chimu"}},
    {6, Posizione{2400, 10200}, 0x000000, {"Impero Song", "Empire Song", "Imperio Song", "Song Empire"}},
    {7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {8, Posizione{2320, 8760}, 0xFFFFFF, {"Ghaznavidi", "Ghaznavides", "Ghaznavidas", "Ghaznavids"}},
    {9, Posizione{1800, 6480}, 0x000000, {"Leon", "Leon", "Leon", "Leon"}},
    {10, Posizione{1900, 7560}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "I.Bizantino", "Byzantinian E."}},
    {11, Posizione{2760, 7680}, 0x000000, {"Makuria", "Makurie", "Makuria", "Makuria"}},
    {12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {13, Posizione{1560, 7200}, 0x000000, {"IRG", "ERG", "IRG", "HRE"}},
    {14, Posizione{2520, 8160}, 0x000000, {"Carmati", "Carmathes", "Carmatas", "Karmatians"}},
    {15, Posizione{2160, 8280}, 0xFFFFFF, {"Buwayhidi", "Buwayhides", "Buwayhides", "Buwayhids"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7560}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {18, Posizione{2020, 8160}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {19, Posizione{1440, 6840}, 0x000000, {"Ingh.", "Eng.", "Ing.", "Eng."}},
    {20, Posizione{2400, 7680}, 0xFFFFFF, {"Fatimidi", "Fatimides", "Fatimidas", "Fatimids"}},
    {21, Posizione{2040, 6600}, 0x000000, {"Cordova", "Cordoba", "Cordoba", "Cordoba"}},
    {22, Posizione{3000, 7800}, 0x000000, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {23, Posizione{4320, 4440}, 0x000000, {"Tiahuanaco", "Tiahuanaco", "Tiahuanaco", "Tiahuanaco"}},
    {24, Posizione{4080, 4320}, 0x000000, {"Cuzco", "Cuzco", "Cuzco", "Cuzco"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3840}, 0x000000, {"Toltechi", "Toltèques", "Toltecas", "Toltecs"}},
    {27, Posizione{3000, 8400}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {28, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {29, Posizione{2040, 11300}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
};
}  // namespace

extern const ContenutoCarta dc1000;
const ContenutoCarta dc1000{etichette, 30, {
    "1000  In CINA dal 960 prevale la dinastia Song.   In AFRICA, lungo il corso del Niger, si formano piccoli regni.   In AMERICA nasce la civiltà tolteca, mentre i Maya declinano.   In Europa sorgono intanto i regni di Svezia, Norvegia, Polonia e Ungheria; le terre musulmane continuano a frammentarsi. La popolazione mondiale è di 260 milioni.",  // Italian
    "1000 En CHINE, la dynastie Song s'impose à partir de 960. En AFRIQUE, de petits royaumes se forment le long du fleuve Niger. En AMERIQUE naît la culture toltèque, tandis que les Mayas déclinent. En Europe naissent les royaumes de Suède, Norvège, Pologne et Hongrie, terre des Magyars. Le monde musulman continue à se morceler. La population mondiale est de 260 millions.",  // French
    "1000 En China prevalece desde el 960 la dinastía Sung. En África se forman pequeños reinos a lo largo del Níger. En América surge la cultura tolteca, mientras los mayas decaen. En Europa nacen los reinos de Suecia, Noruega, Polonia y Hungría, patria de los magiares. Las tierras musulmanas siguen fragmentándose. La población mundial es de 260 millones de habitantes.",  // Spanish
    " 1000  In CHINA the Sung dynasty comes to power in 960. In AFRICA small kingdoms form along the course of the Niger. In AMERICA the Toltec culture forms, overcoming the declining Maya. The Muslim lands continue to fragment.  In England the heirs of Alfred the Great, king of Wessex, defeat the Danes in 937 and unify the country. In France King Charles the Simple grants lands in Neustria to Viking raiders in 911; these lands become the Duchy of Normandy. The kingdoms of Sweden, Norway, Poland and Bohemia form. The Hungarians, defeated by Otto in 955, withdraw to the Danube plain and consolidate their kingdom. The Bulgarians take more lands from the Byzantines, and in the Balkans other small kingdoms form, partly controlled by them. Sicily is occupied by the Arabs, and Palermo becomes one of the largest cities of Europe. World population: 260 million.",  // English
}};

}  // namespace contenuti
