// Map 20 (1400 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 21 (the Minoans of map 19) keeps its place and shows nothing.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2360, 6960}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Cassita", "Empire Cassite", "Imperio Casita", "Kassite Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"", "", "", ""}},
    {22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{2200, 7080}, 0xFFFFFF, {"Mitanni", "Mitanni", "Mitanni", "Mitanni"}},
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
}  // namespace

extern const ContenutoCarta ac1400;
const ContenutoCarta ac1400{etichette, 25, {
    "1400 a.C. A Creta, scompare la civiltà minoica. Non ci sono certezze sulle cause della fine: forse una forte attività vulcanica, i terremoti o l'aggressione degli Achei. Gli Achei, che vivono in piccole città fortificate, la maggiore delle quali è Micene, restano padroni del Mediterraneo orientale.",  // Italian
    "Vers 1400 avant J.-C. : destruction des palais crétois et fin de la civilisation minoenne. On a souvent avancé, à tort, que l'éruption du volcan de Théra (Santorin), suivie d'un raz-de-marée, en était la cause ; les raisons restent incertaines : séismes, incendies, rivalités internes et surtout raids des Mycéniens venus de la Grèce continentale. Les Achéens, établis dans de petites cités fortifiées dont Mycènes est la plus puissante, deviennent alors les maîtres incontestés de la Méditerranée orientale.",  // French
    "1400 a.C. En Creta la civilización minoica desaparece. No se conocen con seguridad las causas de su fin: quizás una intensa actividad volcánica, quizás los terremotos, quizás la agresión de los aqueos. Los aqueos, que habitan en pequeñas ciudades amuralladas, entre las cuales la más importante es Micenas, siguen siendo los dueños del Mediterráneo oriental.",  // Spanish
    "1400 B.C. The Minoan civilization disappears. Nobody can give a definite reason for this: perhaps intense volcanic activity, earthquakes, or the aggression of the Acheans. The Acheans, who live in small fortified cities, the most important of which is Mycenae, remain the masters of the eastern Mediterranean.",  // English
}};

}  // namespace contenuti
