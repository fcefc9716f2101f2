// Map 94 (world, AD 500): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1560, 6720}, 0x000000, {"Franchi", "Francs", "Francos", "Francs"}},
    {1, Posizione{1920, 6720}, 0x000000, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {2, Posizione{2160, 6840}, 0x000000, {"Vandali", "Vandales", "Vàndalos", "Vandales"}},
    {3, Posizione{2640, 9240}, 0x000000, {"Imp. Gupta", "Emp. Gupta", "Imp. Gupta", "Gupta Emp."}},
    {4, Posizione{1800, 8760}, 0x000000, {"Imp.Eftalita", "Emp.Eftalite", "Imp.Eftalita", "Eftalit Emp."}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{2400, 10440}, 0x000000, {"Impero Qi", "Empire Qi", "Imperio Qi", "Qi Empire"}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8280}, 0x000000, {"Imp. Sassanide", "Emp.Sassanide", "Imp.Sasànide", "Sasanian Emp."}},
    {9, Posizione{1800, 7080}, 0x000000, {"Ostrogoti", "Ostrogoths", "Ostrogodos.", "Ostrogoths"}},
    {10, Posizione{2040, 7440}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "Imp.Bizantino", "Byzantinian E."}},
    {11, Posizione{2650, 7680}, 0xFFFFFF, {"Nubia", "Nubie", "Nubia", "Nubia"}},
    {12, Posizione{1440, 6880}, 0x000000, {"Sassoni", "Saxons", "Sajones", "Saxons"}},
    {13, Posizione{1440, 9600}, 0x000000, {"Impero RuanRuan", "Empir RuanRuan", "Imperio RuanRuan", "RuRuan Empire"}},
};
}  // namespace

extern const ContenutoCarta dc500;
const ContenutoCarta dc500{etichette, 14, {
    "500 d.C.   CINA: l'impero Qi controlla solo il sud, mentre nel nord si sono stabilite popolazioni mongole, i Toba e i Tuyuhun.  INDIA: l'impero Gupta declina per gli attacchi degli Unni.    L'impero Sassanide estende il suo dominio fino alle coste del Golfo Persico.  L'impero romano d'Oriente controlla il Mediterraneo orientale.   In Europa e nel Nord Africa si formano i regni romano-barbarici, e nuovi regni nascono anche lungo il Nilo.    In America centrale si sviluppano intanto le città-Stato Maya. Popolazione mondiale: 190 milioni.",  // Italian
    "500 Ap.JC. CHINE: l'empire Qi ne contrôle plus que le sud, tandis que des peuples mongols, les Toba et les Tuyuhun, se sont installés dans le nord. En INDE, l'empire Gupta décline, sous les coups des Huns. L'empire sassanide étend sa domination jusqu'aux côtes du golfe Persique. L'empire romain d'Orient contrôle le commerce autour de la Méditerranée. En Europe se forment les royaumes romano-barbares, et de nouveaux royaumes naissent également le long du Nil. En Amérique centrale, les Mayas bâtissent leurs villes. La population mondiale est de 190 millions d'habitants.",  // French
    "500 d.C. China: el imperio Qi controla solo las regiones del sur, mientras en el norte se han establecido pueblos mongoles, los toba y los tuyuhun. India: el imperio Gupta decae acosado por los hunos. El imperio sasánida extiende su poder hasta las costas del golfo Pérsico. El imperio romano de Oriente controla el Mediterráneo oriental. En Europa y en el norte de África se forman los reinos romano-bárbaros, y surgen también nuevos reinos a lo largo del Nilo. En América Central florecen las ciudades-estado de los mayas. La población mundial es de 190 millones.",  // Spanish
    "500 A.D. CHINA: the Qi empire holds only the southern regions, while Mongol peoples, the Toba and the Tuyuhun, have settled in the north. INDIA: the Gupta empire is waning under Hun attacks. The Sassanid empire extends its rule to the coasts of the Persian Gulf. The Oriental Roman Empire controls the eastern Mediterranean. In Europe and North Africa the Roman-barbarian kingdoms are taking shape, and new kingdoms arise along the Nile as well. In Central America, the Mayans are building their cities. The world's population is 190 million.",  // English
}};

}  // namespace contenuti
