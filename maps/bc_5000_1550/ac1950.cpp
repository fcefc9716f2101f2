// Map 11 (1950 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2280, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"", "", "", ""}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, std::nullopt, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1320, 10440}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1950;
const ContenutoCarta ac1950{etichette, 23, {
    "1950 a.C. A Creta si è ormai sviluppata la civiltà minoica, che deve il nome al leggendario re Minosse. I Cretesi sono un popolo di mercanti e navigatori, come i Fenici, e i loro commerci raggiungono tutto il Mediterraneo orientale. In Egitto l'imbalsamazione dei defunti, prima riservata ai faraoni, si diffonde anche tra i nobili e i funzionari. Nella valle dell'Indo la civiltà urbana entra in crisi e le sue città cominciano a decadere.",  // Italian
    "1950 Av.-J.C.: En Crète, construction des premiers grands palais, à Cnossos, à Phaistos et à Malia. La civilisation minoenne, du nom du légendaire roi Minos, est celle d'un peuple de marchands et de navigateurs qui, comme les Phéniciens, commercent dans toute la Méditerranée orientale. En Egypte, la momification des défunts, autrefois réservée aux pharaons, se répand aussi parmi les nobles et les simples fonctionnaires.",  // French
    "1950 a.C. La civilización minoica, que toma el nombre del legendario rey Minos, se ha desarrollado ya en Creta. Los cretenses son un pueblo de mercaderes y navegantes, como los fenicios, y su comercio se extiende por todo el Mediterráneo oriental. En Egipto la momificación de los muertos, que antes estaba reservada a los faraones, se difunde también entre los nobles y los funcionarios. En el valle del Indo la civilización urbana entra en crisis y sus ciudades empiezan a decaer.",  // Spanish
    "1950 B.C. In Crete  the Minoan civilization, named after the legendary king Minos, has fully developed. The Cretans are a people of traders and seafarers, like the Phoenicians, and their trade reaches the whole eastern Mediterranean. In Egypt mummification, once reserved for the pharaohs, spreads among nobles and officials. In the Indus valley urban civilization falls into crisis and its cities begin to decline.",  // English
}};

}  // namespace contenuti
