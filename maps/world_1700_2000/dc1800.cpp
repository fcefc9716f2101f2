// Map 142 (1800 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1680, 6960}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1320, 7200}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {2, Posizione{2280, 6720}, 0xFFFFFF, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {3, Posizione{1920, 9960}, 0xFF0000, {"Cina (Qing)", "Chine (Qing)", "China (Qing)", "China (Qing)"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{3360, 4680}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {6, Posizione{2640, 9240}, 0x000000, {"Marathi", "Marathi", "Marathi", "Marathi"}},
    {7, Posizione{2280, 8520}, 0xFFFFFF, {"Persia", "Perse", "Persia", "Persia"}},
    {8, Posizione{3960, 7320}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2160, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2280, 3720}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{2280, 9000}, 0xFFFFFF, {"Afghanistan", "Afghanistan", "Afganistan", "Afghanistan"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2880, 9360}, 0x000000, {"India (GB)", "India (GB)", "India (GB)", "India (GB)"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{2240, 4250}, 0xFFFFFF, {"USA", "USA", "USA", "USA"}},
    {21, Posizione{1440, 3840}, 0x000000, {"Canada (GB)", "Canada (GB)", "Canadá (GB)", "Canada (GB)"}},
    {22, Posizione{4560, 4800}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {23, Posizione{3840, 10440}, 0x000000, {"(Olanda)", "(Hollande)", "(Holanda)", "(Holland)"}},
    {24, Posizione{4920, 7440}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{4080, 5040}, 0x000000, {"Brasile (Port.)", "Brésil (Port.)", "Brasil (Port.)", "Brazil (Port.)"}},
    {27, Posizione{1800, 8760}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {28, Posizione{1920, 8880}, 0x000000, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {29, Posizione{1440, 7680}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{2880, 7920}, 0xFF0000, {"Fung", "Fung", "Fung", "Fung"}},
    {31, Posizione{2840, 6480}, 0x000000, {"Futa", "Futa", "Futa", "Futa"}},
    {32, Posizione{3000, 6720}, 0x000000, {"Kong", "Kong", "Kong", "Kong"}},
    {33, Posizione{2960, 8280}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {34, Posizione{2640, 8520}, 0xFFFFFF, {"Oman", "Oman", "Oman", "Oman"}},
    {35, Posizione{4320, 7920}, 0x000000, {"Rozwi", "Rozwi", "Rozwi", "Rozwi"}},
};
}  // namespace

extern const ContenutoCarta dc1800;
const ContenutoCarta dc1800{etichette, NessunaPulizia, {
    "1800   Nel 1783 gli Stati Uniti hanno ottenuto l'indipendenza dalla Gran Bretagna. Inghilterra, Spagna e Portogallo estendono intanto il loro controllo verso l'interno del continente americano. In India l'Impero Moghul è quasi dissolto e gli inglesi hanno colonizzato il Deccan e il Bengala. Nasce il nuovo regno dell'Afghanistan. I cinesi occupano il Tibet e la Zungaria (1751). Nell'attuale Uzbekistan resistono i khanati di Khiva e di Bukhara. La popolazione mondiale è di 850 milioni.",  // Italian
    "1800 Les treize colonies britanniques d'Amérique se sont révoltées et ont fondé en 1783 une république indépendante, les Etats-Unis d'Amérique. Le reste du continent américain demeure en partie aux mains des puissances européennes : Angleterre, France, Espagne, Portugal. En Inde l'Empire moghol s'affaiblit et les Anglais ont colonisé le Deccan et le Bengale. Naît le royaume d'Afghanistan. Les Chinois occupent le Tibet et la Dzoungarie (1751). En Asie centrale résistent les khanats de Khiva et Boukhara. La population mondiale est de 850 millions.",  // French
    "1800  En 1783 los Estados Unidos obtienen la independencia del Reino Unido, mientras Inglaterra, España y Portugal extienden su control hacia el interior del continente americano. En la India el Imperio mogol casi se ha desintegrado y los ingleses han colonizado el Decán y Bengala. Nace el reino de Afganistán. Los chinos ocupan el Tíbet y la Zungaria,1751. En el actual Uzbekistán resisten los kanatos de Jiva y Bujará. La población mundial es de 850 millones.",  // Spanish
    "1800 In 1783 the United States gained independence from Britain, while the British, Spanish and Portuguese pushed their rule into the interior of the American continent. In India the Moghul Empire has nearly fallen apart and the English have colonised the Deccan and Bengal. The new kingdom of Afghanistan arises. The Chinese occupy Tibet and Dzungaria (1751), and in today's Uzbekistan the khanates of Khiva and Bukhara still hold out. The world population is 850 million.",  // English
}};

}  // namespace contenuti
