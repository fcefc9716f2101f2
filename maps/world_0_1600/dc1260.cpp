// Map 119 (world, AD 1260): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// The eight spare labels stand in a row below the picture with the empty caption;
// the map writes all 36 labels, so nothing is emptied first.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1200, 7080}, 0x000000, {"Dani.", "Dan.", "Dina.", "Denm."}},
    {2, Posizione{2280, 6360}, 0x000000, {"Marinidi", "Marinides", "Marinides", "Marinids"}},
    {3, Posizione{1800, 9960}, 0x000000, {"Imp.Gran Khan", "Emp.Grand Khan", "Imp.Gran Khan", "Khan Emp."}},
    {4, Posizione{1080, 7920}, 0x000000, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {5, Posizione{3720, 4200}, 0x000000, {"Chimu", "Chimù", "Chimù", "Chimu"}},
    {6, Posizione{1800, 9120}, 0x000000, {"Ciaghatai", "Djaghatai", "Jagatai", "Jagatai kh."}},
    {7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {8, Posizione{2160, 8280}, 0x000000, {"Imp.degli Ilkhan", "Emp.des Ilkhan", "Imp. Ilkhan", "Illkkhan Emp."}},
    {9, Posizione{1920, 6600}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {10, Posizione{1920, 7320}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "I.Bizantino", "Byzantinian E."}},
    {11, Posizione{5640, 5760}, 0x000000, {"", "", "", ""}},
    {12, Posizione{840, 6840}, 0x0000FF, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {13, Posizione{5640, 6240}, 0x000000, {"", "", "", ""}},
    {14, Posizione{2040, 6240}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{5640, 6600}, 0x000000, {"", "", "", ""}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {18, Posizione{5640, 6960}, 0x000000, {"", "", "", ""}},
    {19, Posizione{1440, 6840}, 0x000000, {"Ingh.", "Eng.", "Ing.", "Eng."}},
    {20, Posizione{5640, 7200}, 0x000000, {"", "", "", ""}},
    {21, Posizione{5640, 7680}, 0x000000, {"", "", "", ""}},
    {22, Posizione{2880, 7800}, 0x000000, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {23, Posizione{4200, 4440}, 0x000000, {"Tiahuanaco", "Tiahuanaco", "Tiahuanaco", "Tiahuanaco"}},
    {24, Posizione{3960, 4320}, 0x000000, {"Cuzco", "Cuzco", "Cuzco", "Cuzco"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3840}, 0x000000, {"Aztechi", "Aztèques", "Aztecas", "Aztecs"}},
    {27, Posizione{1440, 8280}, 0x000000, {"Orda d'Oro", "Horde d'Or", "Horda de Oro", "Golden Horde"}},
    {28, Posizione{5640, 8280}, 0x000000, {"", "", "", ""}},
    {29, Posizione{5640, 8880}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{2520, 7560}, 0x000000, {"Sul.Mamelucchi", "Sult.Mamelouk", "Sult.Mameluco", "Mameluk Sult."}},
    {31, Posizione{2520, 9240}, 0x000000, {"Delhi", "Delhi", "Delhi", "Delhi"}},
    {32, Posizione{3000, 8400}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {33, Posizione{2640, 9240}, 0x000000, {"(Sultanato)", "(Sultanat)", "(Sultanado)", "(Sultanate)"}},
    {34, Posizione{2160, 6720}, 0x000000, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {35, Posizione{2280, 7200}, 0x000000, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
};
}  // namespace

extern const ContenutoCarta dc1260;
const ContenutoCarta dc1260{etichette, NessunaPulizia, {
    "1260   L'impero mongolo, costruito da Gengis Khan tra il 1208 e il 1227, viene diviso tra i suoi figli e dà origine ai khanati. I Mamelucchi arrestano l'avanzata dei Mongoli. Parte dei Mongoli abbraccia l'Islam; in India il sultanato musulmano di Delhi (1206) li respinge. In Occidente l'impero almohade si disgrega e in Spagna ai musulmani resta soltanto Granada. Infine l'impero bizantino riconquista le terre del regno latino.",  // Italian
    "1260 L'empire mongol, construit par Gengis Khan entre 1208 et 1227, est partagé entre ses fils et donne naissance aux khanats. Les Mamelouks d'Égypte arrêtent l'avance des Mongols. Une partie des Mongols passe à l'islam ; en Inde le sultanat musulman de Delhi (1206) les bloque. En Occident, l'empire almohade se désagrège, et en Espagne il ne reste plus aux musulmans que Grenade. Enfin, l'empire byzantin reprend les terres du royaume latin.",  // French
    " 1260 El imperio mongol, construido por Gengis Kan entre 1208 y 1227, se divide entre sus hijos y da origen a los kanatos. Los mamelucos de Egipto detienen el avance de los mongoles. Parte de los mongoles se convierte al islam; en la India el sultanato de Delhi (1206) los detiene. En Occidente el imperio almohade se desintegra y en España a los musulmanes solo les queda Granada. Por último, el imperio bizantino recupera las tierras del reino latino.",  // Spanish
    "1208-1237. Temujin, the leader of a small pastoral tribe, founds the Mongol empire and becomes known as Genghis Khan. 1260: the empire is divided among his sons and gives rise to the khanates. Some of the Mongols [Moghul] turn to Islam; in India the sultanate of Delhi (1206) stops them. In the Middle East the Mamluks stop the advance of the Mongols. In the West the Almohad empire breaks up, and in Spain only Granada is left to the Muslims. The Latin Empire collapses in 1261: the Byzantines return to Constantinople and win back much of their lands from the Latins, but the empire never truly recovers its might.",  // English
}};

}  // namespace contenuti
