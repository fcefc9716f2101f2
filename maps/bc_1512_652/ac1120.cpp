// Map 28 (1120 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 19 is placed and whitened, and shows nothing.
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Babilonese", "Empire Babylonien", "Imperio Babilonio", "Babylonian Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2040, 3720}, 0xFFFFFF, {"", "", "", ""}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3240, 6360}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
};
}  // namespace

extern const ContenutoCarta ac1120;
const ContenutoCarta ac1120{etichette, 24, {
    "1120 a.C.  MESOPOTAMIA: Nabuchadnezzar I sconfigge gli Elamiti, conquista il regno di Elam e ridà l'indipendenza all'impero babilonese. CINA: la dinastia Zhou (Chou) sostituisce gli Shang, sposta la capitale da Anyang a Hao, presso Xian, ed estende l'impero dal Fiume Giallo al Fiume Azzurro.",  // Italian
    "1120 avant J.-C.. MESOPOTAMIE: Nabuchodonosor Ier (1124-1103) met en déroute les Élamites, conquiert l'Élam et rend son indépendance à l'empire babylonien. CHINE : la dynastie Zhou (Chou) remplace celle des Shang (ou Tchang), transfère la capitale d'Anyang à Hao, non loin de Xian, et étend l'empire du fleuve Jaune jusqu'au fleuve Bleu.",  // French
    "1120 a.C. Mesopotamia: Nabucodonosor I derrota a los elamitas, conquista Elam y devuelve la independencia al imperio babilonio. China: la dinastía Zhou sustituye a la dinastía Shang, traslada la capital de Anyang a Hao, cerca de Xian, y extiende el imperio desde el río Amarillo hasta el río Azul.",  // Spanish
    "1120 B.C. MESOPOTAMIA: Nabuchadnezzar defeats the Elamites, conquerst the reign of Elam and restores the Babylonian empire's independence. CHINA: the Zhou (Chou) dynasty replaces the Shang, moves the capital from Anyang to Hao, close to Xian, and extends the empire from the Yellow River to the Blue River.",  // English
}};

}  // namespace contenuti
