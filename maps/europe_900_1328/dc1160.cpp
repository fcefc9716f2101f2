// Map 114 (1160 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4440, 7800}, 0xFFFFFF, {"Sult. di Iconio", "Sult. di Iconium", "Sult. de Iconio", "Sult. of Iconio"}},
    {1, Posizione{3840, 9240}, 0xFFFFFF, {"Georgia", "Georgie", "Georgia", "Georgia"}},
    {2, Posizione{4080, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4680, 6000}, 0x000000, {"R.di Sicilia", "R.de Sicile", "R.de Sicilia", "Kdm of Sicily"}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5040, 4440}, 0xFFFFFF, {"Hamadidi", "Hammadides", "Hammadíes", "Hammadids"}},
    {6, Posizione{3580, 5400}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6240}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomerania"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4560, 9240}, 0xFFFFFF, {"Stati Selgiuchidi", "Etats Seljuques", "Imperio Seliuk", "Seljuk States"}},
    {12, Posizione{5640, 7560}, 0x000000, {"", "", "", ""}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 6720}, 0x0000FF, {"Impero Bizantino", "Empire Byzantin", "Imperio Bizantino", "Byzantinian Empire"}},
    {16, Posizione{4680, 8400}, 0x000000, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3720, 3960}, 0x000000, {"R.di Leon", "Léon", "León", "Leon"}},
    {18, Posizione{3960, 5640}, 0x000000, {"Pisa", "Pise", "Pisa", "Pisa"}},
    {19, Posizione{3960, 4160}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{4560, 3960}, 0x000000, {"Almoravidi", "Almoravides", "Almoravides", "Almoravids"}},
    {21, Posizione{5640, 6840}, 0x000000, {"", "", "", ""}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2280, 6840}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuanians"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Navarre", "Vascos", "Navarra"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{2040, 7560}, 0x0000C0, {"Principati", "Principautés", "Estados", "Russian"}},
    {30, Posizione{3480, 4920}, 0x000000, {"(Ing)", "Eng.", "Eng.", "Eng."}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 7080}, 0x000000, {"Galicia", "Galicie", "Galitzia", "Galicia"}},
    {34, Posizione{3240, 4920}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2520, 7440}, 0x0000C0, {"Russi", "Russes", "Rusos", "Principalities"}},
};
}  // namespace

extern const ContenutoCarta dc1160;
const ContenutoCarta dc1160{etichette, NessunaPulizia, {
    "1160   Eleonora, duchessa d'Aquitania, divorzia dal re di Francia Luigi VII (1152) e sposa Enrico Plantageneto, che nel 1154 diventa re d'Inghilterra.  Così gli Inglesi possiedono in Francia più territori del re francese. La Castiglia diventa indipendente dal León, mentre nella penisola iberica si formano i regni d'Aragona e di Portogallo. La Polonia è divisa tra i figli del suo sovrano. Nel Nord nasce una federazione di tribù lituane. ",  // Italian
    "1160 Aliénor, duchesse d'Aquitaine, divorce de Louis VII, roi de France (1152), et épouse Henri Plantagenêt, roi d'Angleterre en 1154. Les Anglais possèdent ainsi plus de la moitié du territoire français. La Castille devient indépendante du León, et dans la péninsule Ibérique se forment les royaumes d'Aragon et de Portugal. La Pologne est divisée entre les fils de son prince. Au nord naît une fédération lituanienne.",  // French
    "1160 d.C.  Leonor, duquesa de Aquitania, se divorcia del rey de Francia Luis VII (1152) y se casa con Enrique Plantagenet, que en 1154 se convierte en rey de Inglaterra. De este modo los ingleses poseen  en Francia más territorios que el propio rey francés. Castilla se independiza de León y en la península ibérica se forman los reinos de Aragón y de Portugal. Polonia queda dividida entre los hijos de su soberano. En el norte se forma una federación lituana.",  // Spanish
    "1160 Eleanor, duchess of Aquitaine, divorces Louis VII, king of France (1152), and marries Henry Plantagenet, count of Anjou, who becomes king of England in 1154; from then on the English hold more land in France than the French king himself. Castile becomes independent of Leon, and the kingdoms of Aragon and Portugal take shape in the Iberian Peninsula. Poland is divided among the sons of its ruler, and in the north a federation of Lithuanian tribes is forming.  In 1176, at the battle of Myriokephalon, the Seljuks  crush the Byzantine army: it is the beginning of the decline of Byzantium as a great power.  In Asia Minor, the Seljuk sultanate of Iconium, also known as Rum, takes the place of the Byzantines.",  // English
}};

}  // namespace contenuti
