// Map 122 (1300 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{2160, 6960}, 0xFF0000, {"Ordine", "Ordre", "Orden", "Teutonic"}},
    {1, Posizione{4560, 9360}, 0x0000FF, {"Impero di ILKHAN", "Empire de ILKHAN", "Imperio de ILKHAN", "Khanate of the IL HORDE"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5880}, 0x000000, {"R.delle 2 Sicilie", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Sicilies"}},
    {4, Posizione{1680, 9120}, 0x0000FF, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
    {5, Posizione{5160, 5400}, 0xFFFFFF, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
    {6, Posizione{2880, 5400}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{4080, 7200}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2400, 6840}, 0xFF0000, {"Teutonico", "Teutonique", "Teutonico", "Order"}},
    {12, Posizione{3600, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7080}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{4560, 4080}, 0xFFFFFF, {"Granada", "Granada", "Granada", "Granada"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 4080}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marinidi", "Marinides", "Marinides", "Marinids"}},
    {21, Posizione{5040, 4560}, 0xFFFFFF, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2520, 7080}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{4080, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{4560, 8040}, 0xFFFFFF, {"Sultanato Romano", "Sultanate Romain", "Sultanato Romano", "Roman Sultanate"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{2400, 7920}, 0x000000, {"Principati Russi", "Principautés Russes", "Estados Rusos", "Russian Principates"}},
    {30, Posizione{3600, 4680}, 0x000000, {"(Ing)", "(Eng.)", "(Eng.)", "(Eng.)"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3360, 6240}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1300eu;
const ContenutoCarta dc1300eu{etichette, NessunaPulizia, {
    "1300   L'Europa centro-meridionale è sempre più frammentata: i poteri feudali e le signorie cittadine annullano di fatto il potere dei monarchi e dell'imperatore, e l'Italia ne è l'esempio più evidente. A oriente i principati russi ottengono maggiore autonomia dal Canato dell'Orda d'Oro.    Gli Aragonesi conquistano la Sicilia (1282) e iniziano a controllare anche la Sardegna.",  // Italian
    "1300 L'Europe centre-méridionale est encore plus morcelée : les parlements des communes et les seigneurs féodaux affaiblissent fortement le pouvoir des monarques et de l'empereur, et l'Italie en est l'exemple le plus évident. A l'est, les principautés russes obtiennent plus d'autonomie vis-à-vis du khanat de la Horde d'Or. Les Aragonais s'emparent de la Sicile (1282) et commencent à contrôler la Sardaigne.",  // French
    "1300 La fragmentación en la Europa central y meridional es cada vez mayor: los poderes feudales y los señoríos urbanos anulan en la práctica el poder de los monarcas y del emperador, e Italia es el ejemplo más evidente. En el este, los principados rusos obtienen más autonomía frente al Khanato de la Horda de Oro. La Corona de Aragón se apodera de la isla de Sicilia (1282) y empieza a controlar también Cerdeña.",  // Spanish
    "1300 The Holy Roman Empire and Central Europe are more and more fragmented: feudal powers and city lordships in effect nullify the power of the monarchs and of the emperor, and Italy is the plainest case. In the east the Russian principalities win greater autonomy from the khanate of the Golden Horde. The Aragonese acquire Sicily (1282) and begin to control Sardinia.",  // English
}};

}  // namespace contenuti
