// Map 118 (1205 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4440, 8040}, 0xFFFFFF, {"Sult.di Iconio", "Sult. de Iconium", "Sult.de Iconio", "Sult. of Iconium"}},
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
    {11, Posizione{4680, 9600}, 0xFFFFFF, {"Stati Abbassidi", "Etats Abassides", "Estados Abasides", "Abbasid States"}},
    {12, Posizione{4080, 7080}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7080}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{4800, 8400}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3720, 3960}, 0x000000, {"R.di Leon", "Léon", "León", "Leon"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{3960, 4160}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 4080}, 0xFFFFFF, {"Almohadi", "Almohades", "Almohades", "Almohads"}},
    {21, Posizione{4560, 7380}, 0x000000, {"R.Latino", "R.Latin", "R.Latino", "Latin Kdm"}},
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
    {33, Posizione{3240, 7200}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{2520, 7440}, 0x0000C0, {"Russi", "Russes", "Rusos", "Principalities"}},
};
}  // namespace

extern const ContenutoCarta dc1205;
const ContenutoCarta dc1205{etichette, NessunaPulizia, {
    "1205   Venezia guida la IV crociata contro l'Impero bizantino, per vendicare un massacro dei Veneziani. Cade Costantinopoli (1204) e si forma un Regno Latino.   I Bizantini sono relegati in Epiro e nell'impero di Nicea. Il re di Francia, Filippo Augusto, col matrimonio e con le guerre contro il re d'Inghilterra e l'Impero germanico, recupera molti territori e vince a Bouvines (1214).   Il Sacro Romano Impero comprende ormai anche la Slesia e il regno di Boemia.",  // Italian
    "1205 Venise conduit la IVème croisade contre l'Empire byzantin, pour venger un ancien massacre de Vénitiens. En 1204, les croisés prennent Constantinople et y fondent un royaume latin. Les Byzantins sont repoussés en Epire et en Asie Mineure. Le roi de France, grâce à son mariage et à ses guerres contre le roi d'Angleterre et l'Empire germanique, reconquiert de nombreux territoires et remporte la grande victoire de Bouvines (1214). Le Saint Empire romain germanique englobe désormais la Silésie et la Bohême.",  // French
    "1205 Venecia dirige la IV cruzada contra el Imperio bizantino,  para vengar una antigua matanza de venecianos. En 1204 los cruzados saquean Constantinopla y fundan reinos latinos en las tierras ganadas. El rey de Francia,  gracias a su matrimonio y a sus guerras contra el rey de Inglaterra y el Imperio germánico, recupera muchos territorios y vence en la batalla de Bouvines (1214). El Sacro Imperio Romano Germánico se anexiona Silesia y Bohemia.",  // Spanish
    " 1205 Venice diverts the Fourth Crusade from its goal, Egypt, and turns it against the Byzantine Empire. In 1204 the crusaders take and sack Constantinople and found a Latin empire and several principalities on old Byzantine land. Byzantine successor states survive at Nicaea, Trebizond and in Epirus.  The king of France, through his marriage and his wars against the king of England and the German Empire, wins back many territories and triumphs at Bouvines (1214). The Holy Roman Empire now takes in Silesia and Bohemia too.",  // English
}};

}  // namespace contenuti
