// Map 117 (1200 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4440, 8040}, 0xFFFFFF, {"Sultanato Romano", "Sultanate Romain", "Sultanato Romano", "Roman Sultanate"}},
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
    {11, Posizione{4680, 9400}, 0xFFFFFF, {"Saladino    Selgiuchiidi", "Saladin     Seljuquides", "Saladino    Seljuquides", "Saladin     Seljukids"}},
    {12, Posizione{4080, 7080}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{4680, 8400}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3720, 3960}, 0x000000, {"R.di Leon", "Léon", "León", "Leon"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{3960, 4160}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 4080}, 0xFFFFFF, {"Almohadi", "Almohades", "Almohades", "Almohads"}},
    {21, Posizione{3840, 6360}, 0x000000, {"Croazia", "Croatie", "Croacia", "Croatia"}},
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
    {34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{2520, 7440}, 0x0000C0, {"Russi", "Russes", "Rusos", "Principalities"}},
};
}  // namespace

extern const ContenutoCarta dc1200eu;
const ContenutoCarta dc1200eu{etichette, NessunaPulizia, {
    "1200   I Principati russi si estendono e confinano con gli altri regni d'Europa.    L'Impero bizantino perde la Bulgaria, che torna regno indipendente. In Asia Minore prosegue la frammentazione.   Una dinastia sveva regna sul Regno di Napoli e Sicilia.",  // Italian
    "1200 Les Pricipautés russes étendent leurs frontières jusqu'aux autres royaumes d'Europe. L'Empire byzantin perd la Bulgarie, qui redevient un royaume indépendant. En Asie Mineure, le morcellement continue. La dynastie souabe des Hohenstaufen règne sur le royaume de Naples et de Sicile.",  // French
    "1200 Los principados rusos se extienden hasta lindar ya con los demás reinos europeos. El Imperio bizantino pierde Bulgaria, que vuelve a ser un reino independiente. En Asia Menor continúa la fragmentación política. Una dinastía suaba (los Hohenstaufen) gobierna el Reino de Nápoles y de Sicilia.",  // Spanish
    " 1200 The Russian Principalities extend and now border on the other European kingdoms. The Byzantine Empire loses Bulgaria, which becomes an independent kingdom again. In Asia Minor the Seljuks grow ever weaker. A Swabian dynasty (the Hohenstaufen) rules the Kingdom of Naples and Sicily.",  // English
}};

}  // namespace contenuti
