// Map 108 (1000 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5160, 8800}, 0xFFFFFF, {"Fatimidi", "Fatimides", "Fatimidas", "Fatimids"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6360}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomeranians"}},
    {8, Posizione{1800, 4920}, 0x000000, {"Scoti", "Scotes", "Scots", "Scoths"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2880, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4680, 9720}, 0xFFFFFF, {"Bavahidi", "Buwahides", "Buwayhíes ", "Buwayhids"}},
    {12, Posizione{2640, 6120}, 0x000000, {"Veleti", "Velètes", "Veletas", "Veleti"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7200}, 0x0000FF, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "BYZANTINIAN EMPIRE"}},
    {16, Posizione{4920, 8880}, 0xFFFFFF, {"Hamdamidi", "Hamdamides", "Hamdamidas", "Hamdamids"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{4200, 6960}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{5040, 4080}, 0xFFFFFF, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {21, Posizione{3840, 4800}, 0x000000, {"Tolosa", "Toulouse", "Tolosa", "Toulouse"}},
    {22, Posizione{3480, 6360}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Prin.of Hungary"}},
    {23, Posizione{3840, 6320}, 0x000000, {"Croazia", "Croatia", "Croacia", "Croatia"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4080, 3740}, 0xFFFFFF, {"Emirato di Cordoba", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {29, Posizione{1920, 7320}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3720, 5280}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundia", "Burgundy"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Benevento", "Benevento", "Benevento", "Benevento"}},
    {34, Posizione{3360, 4800}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2640, 7440}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc1000eu;
const ContenutoCarta dc1000eu{etichette, NessunaPulizia, {
    "1000   Il re del Wessex sconfigge i Danesi nel 937 e unifica l'Inghilterra. In Francia i Vichinghi, stanziati dal 911 alla foce della Senna, danno vita al ducato di Normandia. Nel Nord si consolidano i regni di Svezia e Norvegia e, a oriente dell'impero, la Polonia e la Boemia. Gli Ungari, sconfitti a Lechfeld nel 955, si stabiliscono nella pianura danubiana e vi fondano un regno. La Bulgaria si espande a spese dei Bizantini e controlla in parte i piccoli stati balcanici. La Sicilia è araba; Palermo è una delle più grandi città d'Europa.",  // Italian
    "1000 Le roi du Wessex défait les Danois en 937 et unifie l'Angleterre. En France, les Vikings, installés depuis 911 à l'embouchure de la Seine, fondent le duché de Normandie. Au nord se forment les royaumes de Suède et de Norvège, tandis qu'à l'est de l'empire s'affirment la Pologne et la Bohême. Les Hongrois, battus au Lechfeld en 955, se fixent dans la plaine du Danube où  ils fondent un royaume chrétien. Les Bulgares agrandissent leur territoire aux dépens de Byzance et contrôlent en partie  les petits Etats des Balkans. La Sicile est aux mains des Arabes et Palerme est alors la plus grande ville d'Europe.",  // French
    "1000 d.C.  El rey de Wessex derrota a los daneses en 937 y unifica Inglaterra. En Francia, los vikingos, asentados desde 911 en la desembocadura del Sena, dan origen al ducado de Normandía. En el norte se consolidan los reinos de Suecia y Noruega y, al este del imperio, Polonia y Bohemia. Los húngaros, derrotados en Lechfeld en 955, se establecen en la llanura del Danubio y fundan allí un reino. Bulgaria se expande a costa de los bizantinos y controla en parte los pequeños estados balcánicos. Sicilia es árabe y Palermo es entonces la ciudad más grande de Europa.",  // Spanish
    "1000 Athelstan, king of Wessex, defeats the Danes in 937 and unifies England. In 911 the French king Charles the Simple grants land at the mouth of the Seine to the Viking raiders led by Rollo; this land becomes the duchy of Normandy. In the north, the kingdoms of Sweden and Norway take shape, while Poland and Bohemia emerge east of the empire. The Hungarians, defeated at the Lechfeld in 955, settle in the Danube plain and found a kingdom there. Bulgaria expands at Byzantine expense and partly controls the small states of the Balkans. Sicily is Arab, and Palermo is one of the greatest cities of Europe.",  // English
}};

}  // namespace contenuti
