// Map 124 (world, AD 1400): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 23 and 28 are spare, below the picture; the map writes all 36 labels.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1680, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1560, 10080}, 0x000000, {"Can.Oirati", "Kh.Oirats", "Khan.Oirat", "Oirat Khan."}},
    {2, Posizione{2280, 6480}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {3, Posizione{2280, 10080}, 0x000000, {"Cina (Ming)", "Chine (Ming)", "China (Ming)", "China (Ming)"}},
    {4, Posizione{1080, 7920}, 0x000000, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {5, Posizione{3840, 4440}, 0x000000, {"Chimu", "Chimù", "Chimù", "Chimu"}},
    {6, Posizione{1920, 9240}, 0x000000, {"Ciaghatai", "Djaghatai", "Jagatai", "Jagatai kh."}},
    {7, Posizione{2760, 4200}, 0x000000, {"Maya", "Mayas", "Mayas", "Maya"}},
    {8, Posizione{2160, 8400}, 0x000000, {"Imp.di Tamerlano", "Emp.de Tamerlan", "Imp.de Tamerlan", "Tamerlan Emp."}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{1920, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2880, 9000}, 0x000000, {"Bahmani", "Bahmani", "Bahmani", "Bahmani"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{3120, 9120}, 0x000000, {"Vijayanagara", "Vijayanagar", "Vijayanagara", "Vijayanagara"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {18, Posizione{2760, 9480}, 0x000000, {"Ganga", "Ganga", "Ganga", "Ganga"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3960, 8040}, 0x000000, {"Swahili", "Swahili", "Swahili", "Swahili"}},
    {21, Posizione{2640, 8760}, 0x000000, {"Oman", "Oman", "Oman", "Oman"}},
    {22, Posizione{3000, 7920}, 0x000000, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {23, Posizione{5640, 9240}, 0x000000, {"", "", "", ""}},
    {24, Posizione{4080, 4560}, 0x000000, {"Inca", "Incas", "Inca", "Incas"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3720}, 0x000000, {"Aztechi", "Aztèques", "Aztecas", "Aztecs"}},
    {27, Posizione{1440, 8280}, 0x000000, {"Orda d'Oro", "Horde d'Or", "Horda de Oro", "Golden Horde"}},
    {28, Posizione{5640, 10080}, 0x000000, {"", "", "", ""}},
    {29, Posizione{1440, 7680}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {30, Posizione{2520, 7560}, 0x000000, {"Mamelucchi-Sul.", "Sult.Mamelouk", "Sult.Mameluco", "Mameluk Sult."}},
    {31, Posizione{1320, 7680}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {32, Posizione{2880, 8280}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {33, Posizione{2640, 9240}, 0x000000, {"(Sultanato)", "(Sultanat)", "(Sultanado)", "(Sultanate)"}},
    {34, Posizione{2160, 6840}, 0x000000, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {35, Posizione{2280, 7200}, 0x000000, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
};
}  // namespace

extern const ContenutoCarta dc1400;
const ContenutoCarta dc1400{etichette, NessunaPulizia, {
    "1400   La PESTE viaggia tra l'Asia e l'Europa. Il vasto impero mongolo comincia a disgregarsi. In CINA la dinastia MING rende l'impero indipendente. In Asia Minore inizia a formarsi l'impero ottomano, mentre l'impero bizantino si riduce ormai a pochi territori. Tamerlano tenta invano di ricostituire l'unità dell'impero di Gengis Khan. Nell'Europa orientale gli stati sono ormai liberi dal dominio dell'Orda d'Oro, e tra questi comincia a crescere il principato di Mosca. In INDIA si sviluppano i regni di Ganga, Vijayanagara e Bahmani. La popolazione mondiale è di 350 milioni.",  // Italian
    "1400 La PESTE circule entre l'Asie et l'Europe. L'empire mongol commence à se désagréger. Les MING profitent du déclin mongol pour rendre la CHINE indépendante. En Asie Mineure, l 'empire Ottoman se forme, alors que l'Empire byzantin se réduit à peu de terres. Tamerlan ne réussit pas à refaire l'unité de l'empire de Gengis Khan. En Europe orientale, les principautés sont de plus en plus indépendantes de la Horde d'Or, et parmi elles celle de Moscou se met à grandir. En INDE, les royaumes de Ganga, Vijayanagar et Bahmani grandissent. La population mondiale est de 350 millions.",  // French
    "1400 La peste viaja de Asia a Europa. El imperio mongol comienza a desintegrarse. En China la dinastía Ming restaura el imperio independiente. En Asia Menor empieza a formarse el Imperio otomano, mientras el Imperio bizantino queda reducido a pocas tierras. Tamerlán intenta en vano restablecer la unidad del imperio de Gengis Kan. En Europa oriental los estados ya están libres de la Horda de Oro, y entre ellos empieza a crecer el principado de Moscú. En la India crecen y se consolidan los reinos de Ganga, Vijayanagar y Bahmani. La población mundial es de 350 millones.",  // Spanish
    "1400 The PLAGUE travels between Asia and Europe. The great Mongol empire begins to break up into rival states. In CHINA the MING dynasty makes the empire independent again. In Asia Minor the Ottoman Empire begins to form, as the Byzantine Empire shrinks to little land. Tamerlane tries but fails to restore the unity of the empire of Genghis Khan. In eastern Europe the states are now finally free of the Golden Horde, and among them the principality of Moscow begins to grow. In INDIA the kingdoms of Ganga, Vijayanagara and Bahmani grow in power and wealth. The world's population is 350 million.",  // English
}};

}  // namespace contenuti
