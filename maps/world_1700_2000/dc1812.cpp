// Map 145 (1812 AD): overlay labels and descriptions.
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
    {9, Posizione{5520, 6120}, 0x000000, {"", "", "", ""}},
    {10, Posizione{2160, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2280, 3720}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{2280, 9000}, 0xFFFFFF, {"Afghanistan", "Afghanistan", "Afganistan", "Afghanistan"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2880, 9360}, 0x000000, {"India", "India (GB)", "India (GB)", "India (GB)"}},
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

extern const ContenutoCarta dc1812;
const ContenutoCarta dc1812{etichette, NessunaPulizia, {
    "1812   L'impero napoleonico alla vigilia della campagna di Russia comprende, oltre alla Francia, il Belgio, l'Olanda, la Spagna, l'Italia, la Germania, la Svizzera, il Tirolo, l'Illiria e la Polonia ricostruita. Ferdinando VII di Spagna è stato deposto e sostituito da Giuseppe Bonaparte, fratello di Napoleone: ciò provoca la rivolta delle colonie americane. Si diffondono le idee repubblicane e liberali e nascono i movimenti indipendentisti.",  // Italian
    "1812 L'Europe napoléonienne  est à son apogée en 1810-1811 : la France, agrandie jusqu'à Hambourg et à Rome, compte alors 130 départements, le royaume d'Italie est sous le contrôle français, la Confédération du Rhin est presque un protectorat français et les royaumes d'Espagne et de Naples sont gouvernés par des membres de la famille Bonaparte. La déposition de Ferdinand VII et son remplacement par Joseph Bonaparte provoquent en Espagne une guérilla populaire et nationaliste, et en Amérique la révolte des colonies. Les idées républicaines et nationalistes se répandent et favorisent les mouvements d'indépendance. En 1812 commence la campagne de Russie : le peuple russe s'oppose à la Grande Armée et soutient les armées du tsar jusqu'à la déroute de l'armée française.",  // French
    "1812  En vísperas de la campaña de Rusia, el imperio de Napoleón comprende, además de Francia, Bélgica, Holanda, España, Italia, Alemania, Suiza, el Tirol, Iliria y Polonia. Fernando VII de España ha sido depuesto y reemplazado por José Bonaparte, hermano de Napoleón, lo cual provoca la rebelión de las colonias de América. Se difunden las ideas republicanas y liberales y surgen los movimientos de independencia.",  // Spanish
    " 1812  Napoleon's empire, on the eve of the Russian campaign, includes, besides France, Belgium, Holland, Spain, Italy, Germany, Switzerland, Tyrol, Illyria and a re-established Poland.  Ferdinand VII of Spain has been deposed and replaced by Joseph Bonaparte, Napoleon's brother, and this helps the revolt of Spain's American colonies.  Republican and liberal ideas spread and independence movements rise.",  // English
}};

}  // namespace contenuti
