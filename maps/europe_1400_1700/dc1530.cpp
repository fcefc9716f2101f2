// Map 130 (1530 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 1, 5, 29 are not used here: they wait below the picture with an empty caption.
// Label 28 stands below the picture and is still captioned.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1920, 6840}, 0xFF0000, {"Ordine Teutonico", "Ordre Teutonique", "Orden Teutónico", "Teutonic Order"}},
    {1, Posizione{6000, 10800}, 0x0000FF, {"", "", "", ""}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.di Napoli", "R.de Naples", "R.de Napoles", "Kdm of Naples"}},
    {4, Posizione{2040, 10800}, 0x0000FF, {"Shaybanidi", "Shaibanides", "Sheibaní", "Shaybanids"}},
    {5, Posizione{5880, 9360}, 0xFFFFFF, {"", "", "", ""}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2520, 5400}, 0xFF0000, {"Frisoni", "Frisons", "Frisones", "Fiesland"}},
    {12, Posizione{3645, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7200}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{4680, 10320}, 0x000000, {"Persia Safavide", "Perse Safavide", "Persia Safavide", "Safavid Persia"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{5160, 4560}, 0xFFFFFF, {"Piccoli Stati", "Petits Etats", "Estados minores", "Little States"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2640, 7440}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{2500, 6840}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{2640, 5880}, 0xFFFFFF, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{5760, 7200}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{1680, 9480}, 0x0000FF, {"Canato di Kazan", "Khanat de Kazan", "Khanato de Kazan", "Khanate of Kazan"}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3360, 6240}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1530;
const ContenutoCarta dc1530{etichette, NessunaPulizia, {
    "1530   Dal 1517 si diffonde in Europa il Protestantesimo e con esso comincia l'intolleranza religiosa. Nello stesso periodo gli Asburgo d'Austria, grazie a un'accorta politica matrimoniale, aggiungono al titolo imperiale i Paesi Bassi, la Borgogna, la Boemia, la Spagna, l'Italia meridionale con le isole e le colonie americane. Questi due grandi mutamenti causano guerre continue, rivolte e massacri. Ad est la Russia, guidata da Mosca, occupa tutta la pianura sarmatica, mentre a sud l'Impero Ottomano conquista le terre dei Mamelucchi e, a nord, ridisegna l'Ungheria; gli Asburgo estendono il loro potere sul resto dell'Ungheria. La Svezia diventa indipendente.",  // Italian
    "1530 Le protestantisme s'affirme en 1517 avec la protestation de Luther, qui met fin à l'unité religieuse de l'Europe. Charles Quint hérite d'un empire sur lequel le soleil ne se couche jamais : la Bourgogne et les Pays-Bas, l'archiduché d'Autriche, l'Espagne et l'Italie du Sud, des territoires africains et les colonies américaines. Les questions politiques et religieuses provoquent de nombreux conflits en Europe. La Russie, désormais dirigée par la principauté de Moscou, étend ses frontières jusqu'à l'Oural. L'Empire ottoman, qui s'est emparé en 1517 du sultanat égypto-syrien des Mamelouks, écrase la Hongrie et menace les Habsbourg. ",  // French
    "1530 A partir de 1517 el protestantismo se divulga por Europa y comienza la intolerancia religiosa. En el mismo período los Habsburgo de Austria, mediante una hábil política matrimonial, añaden al título imperial los Países Bajos, Borgoña, Bohemia, España, el sur de Italia con las islas y las colonias americanas. Estos dos grandes cambios provocan en Europa continuas guerras, revueltas y matanzas. En el este, Rusia, dominada por Moscovia, ocupa toda la llanura oriental de Europa, mientras en el sur el Imperio otomano conquista las tierras de los mamelucos y, hacia el norte, redibuja Hungría; los Habsburgo extienden su poder sobre el resto de Hungría. Suecia se hace independiente de Dinamarca.",  // Spanish
    "1530 Beginning in 1517 Protestantism is disseminated throughout Europe, and religious intolerance begins. In the same period the Habsburgs of Austria, through a shrewd policy of marriages, add to the imperial title the Low Countries, Burgundy, Bohemia, Spain, southern Italy with its islands and the American colonies. These two great changes cause continual wars, revolts and massacres across the continent. In the east, Russia, guided by Moscow, occupies the whole Sarmatian plain, while in the south the Ottoman Empire conquers the lands of the Mameluks and, to the north, reshapes Hungary; the Habsburgs extend their power over the rest of Hungary. Sweden becomes independent of Denmark.",  // English
}};

}  // namespace contenuti
