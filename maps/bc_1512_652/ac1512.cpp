// Map 19 (1512 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 24 lies in the emptied range: it is emptied, then captioned again below.
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
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{2200, 7080}, 0xFFFFFF, {"Mitanni", "Mitanni", "Mitanni", "Mitanni"}},
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
}  // namespace

extern const ContenutoCarta ac1512;
const ContenutoCarta ac1512{etichette, 24, {
    "1512 a.C. L'Egitto, sotto il regno di Tuthmosis III, estende il suo dominio fino alla Fenicia e, verso sud, alla Nubia. Le donne, citate sempre più spesso nei documenti, acquistano un peso sociale e politico crescente. A nord, il Mitanni arresta l'espansione degli Ittiti verso sud.",  // Italian
    "1512 Av.-J.C.: Règne de Thoutmosis III (1484-1450?) qui établit la domination égyptienne de la côte phénicienne jusqu'à l'Euphrate. Plus au nord, le puissant royaume du Mitanni arrête l'expansion des Hittites vers le sud.",  // French
    "1512 a.C. Egipto, bajo el reinado de Tuthmosis III, extiende su dominio hasta Fenicia y, hacia el sur, hasta Nubia. Las mujeres, mencionadas cada vez más en los documentos, adquieren un peso social y político creciente. El reino de Mitani frena la expansión de los hititas hacia el sur.",  // Spanish
    "1512 B.C. Egypt, under the reign of Tuthmosis III, extends its rule to Phoenicia and, southwards, into Nubia. Women, named ever more often in written documents, gain growing social and political weight. The kingdom of Mitanni halts the southward expansion of the Hittites.",  // English
}};

}  // namespace contenuti
