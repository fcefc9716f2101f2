// Map 12 (1810 BC): overlay labels and descriptions.
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
    {13, Posizione{2450, 7360}, 0xFFFFFF, {"Regno Assiro", "Règne Assyrien", "Imperio Asirio", "Assyrian Kingdom"}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1810;
const ContenutoCarta ac1810{etichette, 23, {
    "1810 a.C. Gli arii continuano la loro avanzata verso l'India, dove la civiltà dell'Indo è in declino. Ad occidente gli Ittiti e gli Achei estendono il loro dominio in Anatolia e in Grecia. L'Egitto conquista la Nubia, ricca di miniere d'oro. In Mesopotamia settentrionale Shamshi-Adad I fonda il primo grande regno assiro. In Cina la dinastia Shang fonderà intorno al 1600 a.C. uno stato di tipo feudale, in cui il re governerà mediante nobili vassalli.",  // Italian
    "1810Av.-J.C.: Arrivée des Aryens en Inde, où la civilisation de l'Indus est en déclin. Plus à l'ouest, les Hittites et les Achéens étendent leur domination sur l'Anatolie et sur la Grèce. L'Egypte conquiert la Nubie et ses mines d'or. Au nord de la Mésopotamie, le roi Shamshi-Adad Ier fonde le premier grand royaume assyrien. En Chine, la dynastie des Shang fondera vers 1600 av. J.-C. un État de type féodal : le roi y gouvernera par l'intermédiaire de nobles vassaux qui lui doivent fidélité.",  // French
    "1810 a.C. Los arios siguen avanzando hacia la India, donde la civilización del Indo está en decadencia. En el oeste los hititas y los aqueos extienden su dominio sobre Anatolia y Grecia. Egipto conquista Nubia, rica en oro. En el norte de Mesopotamia el rey Shamshi-Adad I funda el primer gran reino de Asiria. En China la dinastía Shang fundará hacia el año 1600 a.C. un Estado de carácter feudal, regido por nobles vasallos.",  // Spanish
    "1810 B.C. The Aryans continue their slow advance into India, where the Indus civilization is in decline. In the west the Hittites and the Achaeans extend their hold over Anatolia and Greece. Egypt conquers Nubia, rich in gold mines. Northern Mesopotamia is united by King Shamshi-Adad I into the first great Assyrian kingdom. In China the Shang dynasty will come to power around 1600 B.C. and found a feudal state in which the king will rule by means of his noble vassals.",  // English
}};

}  // namespace contenuti
