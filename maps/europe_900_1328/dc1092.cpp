// Map 111 (1092 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{4560, 6000}, 0x000000, {"Normanni", "Normands", "Normandos", "Normans"}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5040, 4440}, 0xFFFFFF, {"Hamadidi", "Hammadides", "Hammadíes", "Hammadids"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6240}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomerania"}},
    {8, Posizione{1800, 4920}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R.de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2880, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4560, 9240}, 0xFFFFFF, {"Stati Selgiuchidi", "Etats Seljuques", "Imperio Seliuk", "Seljuk States"}},
    {12, Posizione{2520, 7920}, 0x000000, {"Chernigof", "Chernigov", "Chernigof", "Chernigov"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "Byzantinian Empire"}},
    {16, Posizione{4680, 8520}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{3960, 5640}, 0x000000, {"Pisa", "Pise", "Pisa", "Pisa"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{4560, 3960}, 0xFFFFFF, {"Almoravidi", "Almoravides", "Almoravidas", "Almoravids"}},
    {21, Posizione{3000, 4800}, 0x000000, {"Normandia", "Normandie", "Normandia", "Normandy"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{3840, 6320}, 0x000000, {"Croazia", "Croatia", "Croacia", "Croatia"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4080, 4920}, 0x000000, {"Barcellona", "Barcelonne", "Barcelona", "Barcelona"}},
    {29, Posizione{1800, 7080}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3720, 5280}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundia", "Burgundy"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 7080}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3360, 4680}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2760, 7200}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc1092;
const ContenutoCarta dc1092{etichette, NessunaPulizia, {
    "1092 In Spagna il regno cattolico di León e Castiglia prosegue la riconquista della penisola iberica e nel 1085 prende Toledo. Nell'Italia meridionale i Normanni cacciano gli Arabi dalla Sicilia. Le flotte mercantili di Venezia e di Pisa dominano il Mediterraneo. L'Ungheria conquista la Croazia e si affaccia così sull'Adriatico. Inizia il periodo dei Comuni, che si danno ordinamenti politici diversi da quelli feudali.",  // Italian
    "1092 en Espagne le royaume catholique de León et Castille poursuit la reconquête de la péninsule Ibérique. En Italie du Sud les Normands chassent les Arabes de Sicile. Les flottes marchandes des républiques de Venise et de Pise sillonnent toute la Méditerranée. La Hongrie conquiert la Croatie et atteint ainsi la mer Adriatique.",  // French
    "1092 d.C. En Hispania, el reino católico de León y Castilla continúa la reconquista de la península ibérica. En el sur de Italia, los normandos expulsan a los árabes de Sicilia. Las flotas mercantiles de las repúblicas de Venecia y Pisa recorren todo el Mediterráneo. Hungría conquista Croacia y llega así hasta el mar Adriático.",  // Spanish
    " 1092 In Spain the catholic kingdom of Leon and Castile carries on the reconquest of the Iberian peninsula. In southern Italy the Normans drive the Arabs out of Sicily. The trading fleets of the republics of Venice and Pisa sail the Mediterranean. Hungary conquers Croatia and so reaches the Adriatic.",  // English
}};

}  // namespace contenuti
