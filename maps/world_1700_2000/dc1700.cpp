// Map 136 (1700 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1680, 6960}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1320, 7200}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {2, Posizione{2280, 6720}, 0xFFFFFF, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {3, Posizione{1800, 10200}, 0xFFFFFF, {"Cina (Qing)", "Chine (Qing)", "China (Qing)", "China (Qing)"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{2880, 3840}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {6, Posizione{2520, 9120}, 0xFFFFFF, {"Imp.Moghul", "Emp.Moghol", "Imp.Moghul", "Moghol Emp."}},
    {7, Posizione{2280, 8520}, 0xFFFFFF, {"Persia", "Perse", "Persia", "Persia"}},
    {8, Posizione{3960, 7320}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2160, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2160, 4440}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{1800, 9240}, 0x000000, {"Can.Zungaro", "Khan.Songare", "Khan.Zungaro", "Zungar Khan."}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{1800, 4245}, 0x000000, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {21, Posizione{1440, 3840}, 0x000000, {"Canada (GB)", "Canada (GB)", "Canadá (GB)", "Canada (GB)"}},
    {22, Posizione{4560, 4800}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {23, Posizione{3840, 10440}, 0x000000, {"(Olanda)", "(Hollande)", "(Holanda)", "(Holland)"}},
    {24, Posizione{4920, 7440}, 0x000000, {"(Ola.)", "(Hol)", "(Hol)", "(Hol)"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{3840, 5160}, 0x000000, {"Brasile (Port.)", "Brésil (Port.)", "Brasil (Port.)", "Brazil (Port.)"}},
    {27, Posizione{1800, 8760}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {28, Posizione{1920, 8880}, 0x000000, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {29, Posizione{1440, 7680}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {30, Posizione{2880, 7920}, 0xFF0000, {"Fung", "Fung", "Fung", "Fung"}},
    {31, Posizione{2840, 6480}, 0x000000, {"Futa", "Futa", "Futa", "Futa"}},
    {32, Posizione{3000, 6720}, 0x000000, {"Kong", "Kong", "Kong", "Kong"}},
    {33, Posizione{2960, 8280}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {34, Posizione{2640, 8520}, 0xFFFFFF, {"Oman", "Oman", "Oman", "Oman"}},
    {35, Posizione{4320, 7920}, 0x000000, {"Rozwi", "Rozwi", "Rozwi", "Rozwi"}},
};
}  // namespace

extern const ContenutoCarta dc1700;
const ContenutoCarta dc1700{etichette, NessunaPulizia, {
    "1700   Prosegue l'espansione coloniale europea: gli inglesi e i francesi si insediano in America, gli olandesi nell'Africa meridionale e nelle isole dell'Indonesia, mentre l'Impero russo conquista la Siberia e raggiunge l'Oceano Pacifico. Si arresta l'espansione ottomana. L'Impero Moghul sottomette gli stati del Deccan; la Cina dei Qing, al potere dal 1644, occupa la Manciuria e la Mongolia. In Africa fioriscono piccoli regni tribali. La popolazione mondiale è di 600 milioni.",  // Italian
    "1700 L'expansion européenne se poursuit avec l'installation des Anglais et des Français en Amérique du Nord, des Hollandais en Afrique australe et dans les îles indonésiennes. L'Empire russe contrôle désormais la Sibérie et atteint l'océan Pacifique, tandis que l'expansion de l'Empire ottoman a été freinée. L'Empire moghol soumet les Etats du Deccan. Des tribus de Jurchens unies par Nurhachi s'emparent de la Mandchourie puis, à partir de 1644, d'une Chine très affaiblie, où elles fondent la dynastie Qing (1644-1911). En Afrique se multiplient les petits royaumes tribaux. La population mondiale s'élève à 600 millions d'habitants",  // French
    "1700  La expansión colonial europea continúa: ingleses y franceses se asientan en América, los holandeses en el sur de África y en las islas de Indonesia, y el Imperio ruso conquista Siberia y llega al Pacífico. La expansión otomana se detiene. El Imperio mogol somete a los estados del Decán; la China de los Qing, en el poder desde 1644, ocupa Manchuria y Mongolia. En África florecen pequeños reinos tribales. La población mundial es de 600 millones de habitantes.",  // Spanish
    "1700 The European colonial expansion continues: the English and the French settle in America, the Dutch in southern Africa and in the Indonesian islands, while the Russian Empire conquers Siberia and reaches the Pacific. Ottoman expansion, on the other hand, comes to a halt. The Moghul Empire subdues the states of the Deccan, and China under the Qing dynasty, in power since 1644, occupies Manchuria and Mongolia. In Africa small tribal kingdoms flourish. The world population is 600 million.",  // English
}};

}  // namespace contenuti
