// Map 113 (1120 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4440, 7800}, 0xFFFFFF, {"Sult. di Iconio", "Sult. di Iconium", "Sult. de Iconio", "Sult. of Iconio"}},
    {1, Posizione{3840, 9240}, 0xFFFFFF, {"Georgia", "Georgie", "Georgia", "Georgia"}},
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
    {16, Posizione{4680, 8400}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{3960, 5640}, 0x000000, {"Pisa", "Pise", "Pisa", "Pisa"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{4560, 3960}, 0x000000, {"Almoravidi", "Almoravides", "Almoravides", "Almoravids"}},
    {21, Posizione{3000, 4800}, 0x000000, {"Normandia", "Normandie", "Normandia", "Normandy"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
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

extern const ContenutoCarta dc1120;
const ContenutoCarta dc1120{etichette, NessunaPulizia, {
    "1120    In Oriente, inizia la decadenza dei Selgiuchidi. In Asia Minore un ramo della dinastia fonda il Sultanato di Iconio (Rum) a spese dei Bizantini. Il re georgiano Davide IV sconfigge i Selgiuchidi e restaura il regno.",  // Italian
    "1120 A l'est, commence le déclin des Seldjoukides. En Asie Mineure une branche de la même dynastie fonde le sultanat d'Iconium (Roum) aux dépens des Byzantins. Le roi David IV de Géorgie bat les Seldjoukides et rétablit ainsi son royaume.",  // French
    "1120 d.C.  Comienza en oriente la decadencia de los selyúcidas. En Asia Menor una rama de la misma dinastía crea el Sultanato de Iconio (Rum) a costa de los bizantinos. David IV de Georgia vence a los selyúcidas y restaura su reino.",  // Spanish
    " 1120 In the East, the Seljuks lose power and influence. King David IV of Georgia defeats them and restores the kingdom of Georgia anew.",  // English
}};

}  // namespace contenuti
