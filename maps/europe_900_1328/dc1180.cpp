// Map 115 (1180 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4440, 8040}, 0xFFFFFF, {"Sult. di Iconio", "Sult. di Iconium", "Sult. de Iconio", "Sult. of Iconio"}},
    {1, Posizione{3840, 9240}, 0xFFFFFF, {"Georgia", "Georgie", "Georgia", "Georgia"}},
    {2, Posizione{4080, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4680, 6000}, 0x000000, {"R.di Sicilia", "R.de Sicile", "R.de Sicilia", "Kdm of Sicily"}},
    {4, Posizione{4080, 9480}, 0xFFFFFF, {"Azerbaigian", "Azerbaidjan", "Azerbaigian", "Azerbaijan"}},
    {5, Posizione{4320, 9240}, 0xFFFFFF, {"Kurdistan", "Kurdistan", "Kurdistan", "Kurdistan"}},
    {6, Posizione{2880, 5400}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6240}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomerania"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4680, 9600}, 0xFFFFFF, {"Stati Selgiuchidi", "Etats Seljuquides", "Estados Seljuquides", "Seljukid States"}},
    {12, Posizione{5000, 8900}, 0x000000, {"Imp.di Saladino", "Emp.de Saladin", "Imp.de Saladino", "Saladin Emp."}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{4680, 8400}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3720, 3960}, 0x000000, {"R.di Leon", "Léon", "León", "Leon"}},
    {18, Posizione{3960, 5640}, 0x000000, {"Pisa", "Pise", "Pisa", "Pisa"}},
    {19, Posizione{3960, 4160}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 4080}, 0xFFFFFF, {"Almohadi", "Almohades", "Almohades", "Almohads"}},
    {21, Posizione{5640, 6840}, 0x000000, {"", "", "", ""}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2280, 6840}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuanians"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Navarre", "Vascos", "Navarra"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{2040, 7560}, 0x0000C0, {"Principati", "Principautés", "Estados", "Russian"}},
    {30, Posizione{3480, 4800}, 0x000000, {"(Ing)", "Eng.", "Eng.", "Eng."}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 7080}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3240, 4920}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2520, 7440}, 0x0000C0, {"Russi", "Russes", "Rusos", "Principalities"}},
};
}  // namespace

extern const ContenutoCarta dc1180;
const ContenutoCarta dc1180{etichette, NessunaPulizia, {
    "1180   I territori inglesi, in Francia, raggiungono la massima estensione.   In Oriente l'impero selgiuchide si frantuma ancora.   In Nord Africa sorge l'impero di Saladino, che arriva fino ai confini dell'Asia Minore.",  // Italian
    "1180 Les territoires anglais, en France, atteignent leur plus grande extension. A l'est l'empire des Seldjoukides se morcelle encore, tandis qu'en Afrique du Nord naît l'empire de Saladin, qui s'étend jusqu'aux portes de l'Asie Mineure.",  // French
    "1180 d.C.  Los territorios ingleses en Francia alcanzan su máxima extensión. En oriente el imperio selyúcida se desintegra. En África del Norte nace el imperio de Saladino, que llega a las puertas de Asia Menor.",  // Spanish
    "1180 English territories in France reach their greatest extent. The Seljuk empire in the East breaks up further. From North Africa Saladin builds an empire reaching from Egypt to Asia Minor.",  // English
}};

}  // namespace contenuti
