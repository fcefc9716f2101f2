// Map 112 (1100 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4680}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{4560, 6000}, 0x000000, {"Normanni", "Normands", "Normandos", "Normans"}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5040, 4440}, 0xFFFFFF, {"Hamadidi", "Hammadides", "Hammadíes", "Hammadids"}},
    {6, Posizione{3580, 5400}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6240}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomerania"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2880, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4560, 9240}, 0xFFFFFF, {"Stati Selgiuchidi", "Etats Seljuques", "Imperio Seliuk", "Seljuk States"}},
    {12, Posizione{2520, 7920}, 0x000000, {"Chernikof", "Chernigov", "Chernigov", "Chernigov"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{4900, 8350}, 0x000000, {"Stati Cristiani", "Etats Chrétiens", "Estados Cristianos", "Christian States"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{3960, 5640}, 0x000000, {"Pisa", "Pise", "Pisa", "Pisa"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{4560, 3960}, 0x000000, {"Almoravidi", "Almoravides", "Almoravides", "Almoravids"}},
    {21, Posizione{3000, 4800}, 0x000000, {"Normandia", "Normandie", "Normandia", "Normandy"}},
    {22, Posizione{3480, 6580}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{3600, 4560}, 0x000000, {"Guienna", "Guyenne", "Guiena", "Guyenne"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4080, 4920}, 0x000000, {"Barcellona", "Barcelonne", "Barcelona", "Barcelona"}},
    {29, Posizione{1800, 7080}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3840, 4800}, 0x000000, {"Tolosa", "Toulouse", "Tolosa", "Toulouse"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 7080}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3360, 4680}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2760, 7200}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc1100;
const ContenutoCarta dc1100{etichette, NessunaPulizia, {
    "1100 In tutti i regni europei i sovrani lottano per imporre la propria autorità ai vassalli e ai liberi comuni che sorgono ovunque. Ottengono risultati migliori con un'accorta politica matrimoniale e con le donazioni alla Chiesa.    In Oriente la prima crociata conquista Gerusalemme (1099) e fonda gli stati cristiani: il Regno di Gerusalemme, la Contea di Edessa e il Principato di Antiochia. I Bizantini, intanto, tornano in Asia Minore.",  // Italian
    "1100 Dans tous les royaumes européens, les souverains luttent pour imposer leur autorité à leurs vassaux et aux communes libres qui naissent partout. Ils obtiennent de meilleurs résultats grâce à une habile politique de mariages et aux dons à l'Eglise. En Orient la première croisade prend Jérusalem (1099) et fonde les Etats chrétiens : le royaume de Jérusalem, le comté d'Edesse et la principauté d'Antioche. Les Byzantins reviennent en Asie Mineure.",  // French
    "1100 d.C. En todos los reinos europeos los soberanos luchan por imponer su autoridad a los vasallos y a las comunas libres que surgen por doquier. Obtienen mejores resultados con una hábil política matrimonial y donaciones a la Iglesia. En Oriente la primera cruzada toma Jerusalén (1099) y funda los estados cristianos: el Reino de Jerusalén, el Condado de Edesa y el Principado de Antioquía. Los bizantinos vuelven a Asia Menor.",  // Spanish
    "1100 Monarchs throughout Europe engage in a struggle to impose their authority on their vassals and on the free communes that are rising everywhere. They achieve better results through a wise policy of marriages and through rich gifts to the Church. In the East the First Crusade takes Jerusalem (1099) and founds the Christian realms of Outremer: the Kingdom of Jerusalem, the County of Edessa and the Principality of Antioch. With the crusaders' help the Byzantines retake Nicaea and return to Asia Minor.",  // English
}};

}  // namespace contenuti
