// Map 54 (403 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1800, 5040}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {1, Posizione{3420, 7080}, 0xFFFFFF, {"Persepolii", "Persepolis", "Persépolis", "Persepolis"}},
    {2, Posizione{2760, 3720}, 0x000000, {"Iberici", "Hibères", "Iberos", "Hiberians"}},
    {3, Posizione{2520, 4920}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {4, Posizione{3120, 4920}, 0xFF0000, {"Mediterraneo", "Mediterranée", "Mediterráneo", "Mediterranean S."}},
    {5, Posizione{2200, 5400}, 0x000000, {"Macedonia", "Macedonie", "Macedonia", "Macedon"}},
    {6, Posizione{3600, 5400}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {7, Posizione{2880, 4920}, 0x000000, {"Greci", "Grecs", "Griegos", "Greeks"}},
    {8, Posizione{5040, 7200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {9, Posizione{3960, 10680}, 0xFF0000, {"Oceano Pacifico", "Océan Pacifique", "Océano Pacifico", "Pacific Ocean"}},
    {10, Posizione{2040, 9240}, 0x000000, {"Unni", "Huns", "Hunos", "Huns"}},
    {11, Posizione{600, 3720}, 0xFF0000, {"Oceano Atlantico", "Océano Atlantique", "Océano Atlántico", "Atlantic Ocean"}},
    {12, Posizione{3000, 4200}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {13, Posizione{3120, 6480}, 0x000000, {"Impero Persiano", "Empire Perse", "Imperio Persa", "Persian Empire"}},
    {14, Posizione{4200, 5640}, 0xFFFFFF, {"Kush", "Koush", "Kush", "Kush"}},
    {15, Posizione{3960, 7920}, 0x000000, {"Stati Indiani", "Etats Indiens", "Estados Indianos", "Indian States"}},
    {16, Posizione{2040, 6600}, 0x000000, {"Sciti", "Scythes", "Escitas", "Scythians"}},
    {17, Posizione{3360, 4440}, 0x000000, {"Berberi", "Berbers", "Bereberes", "Berbers"}},
    {18, Posizione{3720, 8280}, 0x000000, {"Magadha", "Magadha", "Magadha", "Magadha"}},
    {19, Posizione{2160, 4200}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {20, Posizione{2400, 4800}, 0x000000, {"Etruscchi", "Etrusques", "Etruscos", "Etruscans"}},
    {21, Posizione{1440, 9240}, 0x000000, {"Turchi", "Turcs", "Turcos", "Turks"}},
};
}  // namespace

extern const ContenutoCarta ac403;
const ContenutoCarta ac403{etichette, 22, {
    "403 a.C.    Inizia in Cina il periodo degli 'Stati Combattenti'; i conflitti tra i principali stati per il controllo del territorio si fanno sempre più accesi, e si diffondono il confucianesimo e il taoismo.   Con la XXVIII dinastia l'Egitto diventa indipendente dai Persiani.    L'India è ancora divisa in molti stati, ma il regno di Magadha comincia a imporre la sua egemonia.     Nel nord dell'Europa gli Slavi si stanziano accanto ai Celti, mentre a sud dei domini cartaginesi si organizzano i Berberi.    Nelle pianure dell'Asia centrale si spostano i nomadi Saka, Unni e Sciti.",  // Italian
    "403 Av. J.-C. En Chine commence la période des 'Royaumes Combattants' : les conflits entre les principaux royaumes pour le contrôle du territoire deviennent plus âpres, tandis que le confucianisme et le taoïsme se répandent de plus en plus. Avec la XXVIIIe dynastie, l'Égypte devient indépendante des Perses. L'Inde reste divisée en de nombreux États, mais le royaume de Magadha commence à imposer son hégémonie. Dans le nord de l'Europe, les Slaves s'installent près des Celtes ; au sud des domaines carthaginois, les Berbères s'organisent, et les Saces, les Huns et les Scythes, peuples nomades, parcourent les plaines de l'Asie centrale.",  // French
    "403 a.C. Comienza en China el Período de los Estados Combatientes: los conflictos entre los principales estados por conquistar el territorio se endurecen, y se difunden las filosofías del confucianismo y del taoísmo. Con la XXVIII dinastía Egipto se independiza de los persas. La India sigue dividida en muchos estados, pero el reino de Magadha comienza a imponer su hegemonía. En el norte de Europa los eslavos se asientan junto a los celtas, al sur de los dominios cartagineses se organizan los bereberes, y por las llanuras del Asia central vagan nómadas, hunos, escitas y sacas.",  // Spanish
    "403 B.C. The period of the ' Fighting States'  begins in China ; the conflicts among the main states for the control of the territory become harsher, while Confucianism and Taoism spread more and more widely. With the XXVIII dynasty Egypt becomes independent of the Persians. India is divided into many states, but the kingdom of Magadha begins to impose its hegemony over them. In northern Europe the Slavs settle beside the Celts, south of the Carthaginian domains the Berbers organise themselves, and the nomadic Sakas, Huns and Scythians roam over the plains of Central Asia.",  // English
}};

}  // namespace contenuti
