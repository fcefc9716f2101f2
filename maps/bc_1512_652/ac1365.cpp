// Map 21 (1365 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
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
    {23, Posizione{1960, 7420}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
}  // namespace

extern const ContenutoCarta ac1365;
const ContenutoCarta ac1365{etichette, 25, {
    "1365 a.C. Il Regno di Mitanni viene conquistato dagli Ittiti e dagli Assiri. L'Assiria estende il suo controllo su parte della Mesopotamia. In Egitto, Amenofi IV chiude i santuari per ridurre il potere dei sacerdoti di Amon a Tebe e fonda un culto monoteista di Aton, il dio sole. La sua riforma religiosa muore con lui nel 1354 a.C.",  // Italian
    "1365 avant J.-C.. Le royaume de Mitanni est conquis par les Hittites et les Assyriens. L'Assyrie, de son côté, étend son contrôle sur une partie de la Mésopotamie septentrionale. En Égypte, Aménophis IV fait fermer tous les sanctuaires pour réduire la puissance des prêtres d'Amon à Thèbes et fonde un culte monothéiste d'Aton, le dieu du soleil. Sa réforme religieuse disparaît avec lui en 1354 av. J.-C.",  // French
    "1365 a.C. El reino de Mitani es conquistado por los hititas y por los asirios. Asiria extiende su control sobre una parte de Mesopotamia. En Egipto, Amenofis IV manda cerrar los santuarios para frenar el poder de los sacerdotes de Amón en Tebas y funda un culto monoteísta a Atón, el dios sol. Su reforma religiosa muere con él, en el 1354 a.C.",  // Spanish
    "1365 B.C. The Reign of Mitanni is conquered by the Hittites and the Assyrians. Assyria extends its control over part of Mesopotamia. In Egypt, Amenophis IV has the sanctuaries closed to curb the rising power of the priests of Amun at Thebes and founds a monotheistic cult of Aton, the god of the sun. His religious reform, however, dies with him in 1354 B.C.",  // English
}};

}  // namespace contenuti
