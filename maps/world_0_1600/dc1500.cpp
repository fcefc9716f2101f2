// Map 128 (world, AD 1500): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// The map writes all 36 labels, so nothing is emptied first.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1680, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1560, 10080}, 0x000000, {"Can. Oirati", "Oirats Kh.", "Oirat", "Oirat Kh."}},
    {2, Posizione{2280, 6480}, 0x000000, {"Wattasidi", "Wattasides", "Wattasides", "Wattasids"}},
    {3, Posizione{2280, 10080}, 0x000000, {"Cina (Ming)", "Chine (Ming)", "China (Ming)", "China (Ming)"}},
    {4, Posizione{960, 8160}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {5, Posizione{2760, 4680}, 0x000000, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {6, Posizione{1920, 8680}, 0x000000, {"Shaybanidi", "Shaibanides", "Sheibaní", "Shaybanids"}},
    {7, Posizione{2160, 8160}, 0x000000, {"Ak Koyunlu", "Ak Koyunlu", "Ak Koyunlu", "Ak Koyunlu"}},
    {8, Posizione{2280, 8760}, 0x000000, {"Timuridi", "Timurides", "Timurides", "Timurids"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{1920, 7560}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2880, 9240}, 0x000000, {"Bahmani", "Bahmani", "Bahmani", "Bahmani"}},
    {12, Posizione{840, 7080}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{3120, 9120}, 0x000000, {"Vijayanagara", "Vijayanagar", "Vijayanagara", "Vijayanagara"}},
    {16, Posizione{960, 7440}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3960, 8040}, 0x000000, {"Swahili", "Swahili", "Swahili", "Swahili"}},
    {21, Posizione{2640, 8760}, 0x000000, {"Oman", "Oman", "Oman", "Oman"}},
    {22, Posizione{3000, 7920}, 0x000000, {"Fung", "Fung", "Fung", "Fung"}},
    {23, Posizione{1260, 8520}, 0x000000, {"C.di Kazan", "K.de Kazan", "K.de Kazan", "Kazan Kh."}},
    {24, Posizione{4320, 4440}, 0x000000, {"Imp.Inca", "Emp.Inca", "Imp.Inca", "Inca Emp."}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{2880, 3720}, 0x000000, {"Imp.Azteco", "Emp.Aztec", "Imp.Azteca", "Aztec Emp."}},
    {27, Posizione{1440, 8160}, 0x000000, {"Orda d'Oro", "Horde d'Or", "Horda de Oro", "Golden Horde"}},
    {28, Posizione{1080, 9000}, 0x000000, {"C.di Siberia", "Kh.Siberie", "K.Siberia", "Siberian Kh."}},
    {29, Posizione{1440, 7680}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {30, Posizione{2520, 7560}, 0x000000, {"Sul.Mamelucchi", "Sult.Mamelouk", "Sult. Mameluco", "Mameluk Sult."}},
    {31, Posizione{1320, 7680}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {32, Posizione{2880, 8280}, 0x000000, {"Yemen", "Yemen", "Yemen", "Yemen"}},
    {33, Posizione{2640, 9240}, 0x000000, {"(Sultanato)", "(Sultanat)", "(Sultanado)", "(Sultanate)"}},
    {34, Posizione{2160, 6840}, 0x000000, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {35, Posizione{2280, 7200}, 0x000000, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
};
}  // namespace

extern const ContenutoCarta dc1500;
const ContenutoCarta dc1500{etichette, NessunaPulizia, {
    "1500   Nel 1492 Cristoforo Colombo compie il viaggio della scoperta dell'America. Nello stesso periodo i Maya sono quasi scomparsi, mentre gli imperi degli Aztechi e degli Inca sono cresciuti. In Europa il granduca Ivan il Grande conquista Novgorod e la Moscovia assorbe gli altri principati russi. L'impero timuride viene ridotto a ovest dagli Ak Koyunlu e a nord dagli Shaybanidi. La popolazione mondiale è di 425 milioni. ",  // Italian
    "1500 En 1492, Christophe Colomb accomplit le voyage qui conduit à la découverte de l'Amérique. Au même moment, les Mayas ont presque disparu, tandis que les empires aztèque et inca se sont agrandis. En Europe, le grand-duc Ivan III conquiert Novgorod et la Moscovie absorbe toutes les principautés russes. L'empire timouride est réduit à l'ouest par les Ak Koyunlu et au nord par les Chaybanides. La population mondiale est de 425 millions d'habitants.",  // French
    "1500 En 1492, Cristóbal Colón realiza el famoso viaje que lleva al descubrimiento de América. Al mismo tiempo los mayas casi han desaparecido, mientras los imperios azteca e inca se han engrandecido. En Europa el gran duque Iván el Grande conquista Nóvgorod y Moscovia absorbe los demás principados rusos. El imperio timúrida queda reducido al oeste por los Ak Koyunlu y al norte por los shaybánidas. La población mundial es de 425 millones.",  // Spanish
    "1500 In 1492, Christopher Columbus makes the famous voyage that leads to the European discovery of America. At the same time the Maya have almost disappeared, while the Aztec and Inca empires have grown. In Europe the Grand Duke Ivan the Great conquers Novgorod and the other Russian principalities around Moscow. The Timurid empire is cut back as the Ak Koyunlu attack it to the west and the Shaybanids to the north. The world's population is 425 million.",  // English
}};

}  // namespace contenuti
