// Map 120 (1270 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{2160, 6960}, 0xFF0000, {"Ordine", "Ordre", "Orden", "Teutonic"}},
    {1, Posizione{4560, 9360}, 0x0000FF, {"Canato di IL", "Khanat de IL", "Canato de IL", "Khanate of the IL HORDE"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4680, 6000}, 0x000000, {"R.di Sicilia", "R.de Sicile", "R.de Sicilia", "Kdm of Sicily"}},
    {4, Posizione{2280, 8280}, 0x0000FF, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
    {5, Posizione{5160, 5400}, 0xFFFFFF, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
    {6, Posizione{2880, 5400}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{3960, 6960}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2400, 6840}, 0xFF0000, {"Teutonico", "Teutonique", "Teutonico", "Order"}},
    {12, Posizione{3600, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7080}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{5160, 8520}, 0x000000, {"Sult.Mamelucchi", "Sult.Mamelouk", "Sul.Mameluco", "Mameluk Sul."}},
    {17, Posizione{4560, 4080}, 0xFFFFFF, {"Granada", "Granada", "Granada", "Granada"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 4080}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marinidi", "Marinides", "Marinides", "Marinids"}},
    {21, Posizione{5040, 4560}, 0xFFFFFF, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2280, 7080}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{4080, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Navarre", "Vascos", "Navarra"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{2400, 7560}, 0x0000C0, {"Principati", "Principautés", "Estados", "Russian"}},
    {30, Posizione{3600, 4680}, 0x000000, {"(Ing)", "(Eng.)", "(Eng.)", "(Eng.)"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{4160, 8640}, 0x000000, {"Trebisonda", "Trébisonde", "Trebisonda", "Trebizond"}},
    {34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{2760, 7440}, 0x0000C0, {"Russi", "Russes", "Rusos", "Principalities"}},
};
}  // namespace

extern const ContenutoCarta dc1270;
const ContenutoCarta dc1270{etichette, NessunaPulizia, {
    "1270   Spagna: si rafforzano i regni di Castiglia e d'Aragona.   Francia:  il re fatica a imporre la sua autorità ai vassalli, mentre i suoi parenti angioini conquistano il Sud dell'Italia e fondano il Regno di Napoli e Sicilia.  Il Canato dell'Orda d'Oro rende suoi vassalli i principati russi e la Bulgaria.  Si espandono l'Ungheria e il regno di Serbia.   L'Impero germanico, dopo la morte dell'imperatore Federico II, non riesce più a imporre l'autorità imperiale ai vassalli. Al Nord sorgono il regno di Lituania e i territori dell'Ordine Teutonico.",  // Italian
    "1270 En Espagne les royaumes de Castille et d'Aragon se renforcent. En France, le roi ne parvient pas à imposer son autorité à ses vassaux, tandis que son jeune frère Charles d'Anjou conquiert le sud de l'Italie et fonde le royaume de Naples et de Sicile. Le khanat de la Horde d'Or soumet les principautés russes et la Bulgarie. La Hongrie et le royaume de Serbie s'agrandissent. Le Saint Empire romain germanique, après la mort de l'empereur Frédéric II, ne parvient plus à imposer son autorité à ses vassaux. Au nord, le royaume de Lituanie et les terres de l'ordre Teutonique s'étendent.",  // French
    "1270 España: los reinos de Castilla y Aragón se refuerzan. En Francia, el rey no logra imponer del todo su autoridad a sus vasallos, mientras su hermano Carlos de Anjou conquista el sur de Italia y se convierte en rey de Nápoles y Sicilia. El Khanato de la Horda de Oro somete como vasallos a los principados rusos y a Bulgaria. Crecen Hungría y el reino de Serbia. El Sacro Imperio Romano Germánico, tras la muerte del emperador Federico II en 1250, ya no consigue imponer su autoridad a sus propios vasallos. En el norte surgen el reino de Lituania y las tierras de la Orden Teutónica.",  // Spanish
    "1270 Spain: the kingdoms of Castile and Aragon grow stronger. In France, the king cannot fully impose his authority on his vassals, while his brother Charles of Anjou conquers southern Italy and founds the Kingdom of Naples and Sicily. The khanate of the Golden Horde makes vassals of the Russian principalities and of Bulgaria. Hungary and the Serbian kingdom grow. After the death of the emperor Frederick II in 1250, the Holy Empire can no longer impose its authority on its own vassals. In the north the Lithuanian kingdom and the lands of the Teutonic Order rise.",  // English
}};

}  // namespace contenuti
