// Map 131 (world, AD 1600): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1680, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1560, 10080}, 0x000000, {"Mongolia", "Mongolie", "Mongolia", "Mongolia"}},
    {2, Posizione{2280, 6720}, 0xFFFFFF, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {3, Posizione{2280, 10200}, 0x000000, {"Cina (Ming)", "Chine (Ming)", "China (Ming)", "China (Ming)"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{2880, 3840}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {6, Posizione{2520, 9120}, 0xFFFFFF, {"Imp.Moghul", "Emp.Moghol", "Imp.Moghul", "Moghol Emp."}},
    {7, Posizione{2280, 8520}, 0xFFFFFF, {"Persia", "Perse", "Persia", "Persia"}},
    {8, Posizione{3960, 7320}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2160, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{3000, 9000}, 0x000000, {"Bijapur", "Bijapur", "Bijapur", "Bijapur"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{2760, 9480}, 0x000000, {"Gondwana", "Gondwana", "Gondwana", "Gondwana"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{2880, 6480}, 0x000000, {"Fulo", "Fulo", "Fulo", "Fulo"}},
    {21, Posizione{2640, 8760}, 0x000000, {"Oman", "Oman", "Oman", "Oman"}},
    {22, Posizione{2880, 7920}, 0x000000, {"Fung", "Fung", "Fung", "Fung"}},
    {23, Posizione{3960, 11040}, 0x000000, {"Port.", "(Port.)", "(Port.)", "(Port)"}},
    {24, Posizione{4800, 4800}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{3960, 5520}, 0x000000, {"Brasile (Port.)", "Brésil (Port.)", "Brasil (Port.)", "Brazil (Port.)"}},
    {27, Posizione{1800, 8760}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {28, Posizione{1920, 8880}, 0x000000, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {29, Posizione{1440, 7680}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {30, Posizione{1820, 9240}, 0x000000, {"Ciaghatai", "Djaghatai", "Jagatai", "Jagatai"}},
    {31, Posizione{3060, 10800}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
};
}  // namespace

extern const ContenutoCarta dc1600;
const ContenutoCarta dc1600{etichette, 32, {
    "1600   L'espansione coloniale europea è iniziata in America, sulle coste dell'Africa e in Indonesia, guidata dagli Spagnoli e dai Portoghesi, che sono in primo piano. L'impero ottomano continua a crescere nei Balcani e in Africa e toglie la Mesopotamia alla Persia safavide. I regni africani si moltiplicano lungo il Niger e lungo il Nilo. Il Marocco si rinforza sotto i Saaditi. In India Babur, discendente di Tamerlano, conquista il sultanato di Delhi nel 1526 e fonda l'impero Moghul, che dà nuovo impulso alla diffusione dell'Islam. La popolazione mondiale è di 545 milioni.",  // Italian
    "1600 Les empires coloniaux européens se constituent peu à peu en Amérique, sur les côtes de l'Afrique et en Indonésie, avec les Espagnols et les Portugais au premier rang. L'Empire ottoman continue à s'étendre dans les Balkans, en Afrique et au Moyen-Orient, avec l'annexion de la Mésopotamie. En Afrique noire, de nouveaux royaumes se multiplient sur le haut Nil ou les rives du Niger. Le Maroc des Saadiens se renforce et s'agrandit. En Inde, Babur, un descendant de Tamerlan, conquiert le sultanat de Delhi et fonde la dynastie musulmane des Moghols. La population mondiale est de 545 millions d'habitants.",  // French
    "1600  La expansión colonial europea ha comenzado en América, en las costas de África y en Indonesia, con los españoles y los portugueses a la cabeza. El Imperio otomano sigue creciendo en los Balcanes y en África y arrebata Mesopotamia a la Persia safávida. Los reinos africanos se multiplican junto al Níger y a lo largo del Nilo. Marruecos se fortalece bajo la dinastía de los saadíes. En la India Babur, un descendiente de Tamerlán, conquista el sultanato de Delhi en 1526 y funda el imperio mogol, que da un nuevo impulso a la difusión del islam. La población mundial es de 545 millones.",  // Spanish
    "1600 Europe's colonial expansion has begun in America, on the coasts of Africa and in Indonesia, with the Spanish and the Portuguese well in the lead. The Ottoman empire keeps on growing in the Balkans and in Africa and wrests Mesopotamia out of the hands of Safavid Persia. African kingdoms multiply by the Niger and along the Nile. Morocco grows stronger under the Saadians. In India Babur, a descendant of Tamerlane, conquers the Delhi sultanate in 1526 and founds the Moghul empire, which gives a new impetus to the spread of Islam. The world's population is 545 million.",  // English
}};

}  // namespace contenuti
