// Map 41 (587 BC): overlay labels and descriptions.
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
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Biblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{1920, 4920}, 0x000000, {"Atene", "Athènes", "Atenas", "Athens"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {22, Posizione{2640, 6960}, 0xFFFFFF, {"Impero Neo-Babilonese", "Empire Néo-Babylonien", "Imperio NeoBabilonio", "New Babylonian Empire"}},
    {23, Posizione{2070, 4440}, 0x000000, {"Sparta", "Sparte", "Esparta", "Sparta"}},
    {24, Posizione{2280, 8640}, 0xFFFFFF, {"MEDIA", "MEDIA", "MEDIA", "MEDIA"}},
    {25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {27, Posizione{1920, 6240}, 0xFFFFFF, {"Cilicia", "Cilicie", "Cilicia", "Cilicia"}},
};
}  // namespace

extern const ContenutoCarta ac587;
const ContenutoCarta ac587{etichette, 28, {
    "587 a.C.   I babilonesi della dinastia caldea sconfiggono gli Egiziani a Karkemish (605 a.C.) e conquistano il regno di Giuda, con Gerusalemme: comincia così la cattività babilonese degli Ebrei. Nabucodonosor II non riesce a conquistare l'Egitto. Babilonia è ormai la città più grande del mondo. I Medi si espandono poi verso oriente e verso occidente, mentre in Asia Minore si rafforza la Cilicia.",  // Italian
    "587 Av. J.-C. Les Babyloniens de la dynastie chaldéenne battent les Égyptiens à Karkemish (605 av. J.-C.) puis s'emparent du royaume de Juda et de Jérusalem : c'est le début de la captivité des Juifs à Babylone. Nabuchodonosor II échoue dans sa tentative de conquérir l'Égypte. Babylone est alors la plus grande ville du monde. Les Mèdes s'étendent vers l'est et l'ouest, alors qu'en Asie Mineure la Cilicie se renforce.",  // French
    "587 a.C. Los babilonios de la dinastía caldea derrotan a los egipcios en Karkemish (605 a.C.) y conquistan el reino de Judá y Jerusalén: comienza así el cautiverio de los judíos en Babilonia. Nabucodonosor II intenta sin éxito conquistar también Egipto. Babilonia es ya la ciudad más grande del mundo. Los medos se extienden hacia el este y el oeste, mientras que en Asia Menor se fortalece Cilicia.",  // Spanish
    "587 B.C. The Babylonians of the Chaldean dynasty defeat the Egyptians at Carchemish (605 B.C.) and take the kingdom of Judah and Jerusalem: the captivity of the Jews in Babylon begins. Nebuchadnezzar II then tries to conquer Egypt as well, but fails. Babylon is by now the largest city in the world. The Medes spread both east and west, while in Asia Minor Cilicia becomes stronger.",  // English
}};

}  // namespace contenuti
