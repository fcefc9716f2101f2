// Map 110 (1075 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{4560, 6000}, 0x000000, {"Normanni", "Normands", "Normandos", "Normands"}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5140, 4440}, 0xFFFFFF, {"Hamadidi", "Hammadides", "Hammadíes", "Hamadids"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6240}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomerania"}},
    {8, Posizione{1800, 4920}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R.de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2880, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4560, 9240}, 0xFFFFFF, {"Stati Selgiuchidi", "Etats Selgiuquides", "Estados Seljuquides", "Seljukid States"}},
    {12, Posizione{2520, 7920}, 0x000000, {"Chernigof", "Chernigov", "Chernigof", "Chernigov"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "BYZANTINIAN EMPIRE"}},
    {16, Posizione{4680, 8520}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{4320, 3840}, 0xFFFFFF, {"piccoli stati", "Petits états", "Estados", "Small States"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{5040, 3720}, 0xFFFFFF, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {21, Posizione{3000, 4800}, 0x000000, {"Normandia", "Normandie", "Normandia", "Normandy"}},
    {22, Posizione{3480, 6360}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Prin.of Hungary"}},
    {23, Posizione{3840, 6320}, 0x000000, {"Croazia", "Croatia", "Croacia", "Croatia"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4080, 3740}, 0xFFFFFF, {"Emirato di Cordoba", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {29, Posizione{1800, 7080}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3720, 5280}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundia", "Burgundy"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 7080}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3360, 4680}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2760, 7200}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc1075;
const ContenutoCarta dc1075{etichette, NessunaPulizia, {
    "1075 Nella battaglia di Hastings (1066) Guglielmo, duca di Normandia, sconfigge il re sassone Aroldo e conquista l'Inghilterra. Nell'Italia meridionale i Normanni uniscono sotto il loro dominio Puglia, Calabria e Campania e iniziano la riconquista della Sicilia araba. La corona di Francia estende il suo potere in Aquitania. I principati russi si espandono nella pianura sarmatica. I Turchi Selgiuchidi, convertiti all'Islam, fondano un sultanato, proteggono il califfo di Baghdad, combattono gli sciiti, strappano l'Asia Minore ai Bizantini e occupano l'Armenia.",  // Italian
    "1075 Avec la bataille d'Hastings (1066), Guillaume, duc de Normandie, bat le roi Harold et prend l'Angleterre. En Italie du Sud, les Normands unissent sous leur pouvoir les Pouilles, la Calabre et la Campanie et commencent la reconquête de la Sicile arabe. La couronne de France étend son pouvoir en Aquitaine. Les principautés russes s'étendent sur la plaine sarmate. Les Turcs Seldjoukides, convertis à l'islam, fondent un sultanat, protègent le calife de Bagdad, combattent les chiites, enlèvent l'Asie Mineure aux Byzantins et occupent l'Arménie.",  // French
    "1075 d.C.  En la batalla de Hastings (1066) el duque Guillermo de Normandía vence al rey sajón Haroldo y conquista Inglaterra. En el sur de Italia los normandos unifican bajo su dominio Apulia, Calabria y Campania y comienzan la reconquista de la Sicilia árabe. La corona de Francia extiende su poder en Aquitania. Los principados rusos se expanden por la llanura sarmática. Los turcos selyúcidas, convertidos al islam, fundan un sultanato, protegen al califa abasí de Bagdad, combaten a los chiíes, arrebatan Asia Menor a los bizantinos y ocupan Armenia.",  // Spanish
    " 1075 In the battle of Hastings (1066) William, duke of Normandy, defeats King Harold and conquers England. In southern Italy, the Normans unite Apulia, Calabria and Campania under their rule and begin the reconquest of Arab Sicily. The French crown gains power in Aquitaine.  The Russian principalities spread across the Sarmatian plain. The Seljuk Turks, converted to Islam, found a sultanate, protect the caliph of Baghdad and fight the Shiites; after the battle of Manzikert (1071) they take Asia Minor from the Byzantines and occupy Armenia.",  // English
}};

}  // namespace contenuti
