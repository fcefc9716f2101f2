// Map 13 (1760 BC): overlay labels and descriptions.
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Babilonese", "Empire Babylonien", "Imperio de Babilonia", "Babylonian Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
};
}  // namespace

extern const ContenutoCarta ac1760;
const ContenutoCarta ac1760{etichette, 23, {
    "1760 a.C. Hammurabi, un altro re semitico, sconfigge gli Assiri e fonda un nuovo impero mesopotamico con la capitale a Babilonia. Il suo famoso codice di leggi, scolpito su una stele di basalto, regola il diritto pubblico e privato. Nella valle dell'Indo la civiltà urbana scompare definitivamente.",  // Italian
    "1760 Av.-J.C.: en Mésopotamie, 1er empire babylonien. Le roi Hammourabi vainc les Assyriens et fait de Babylone sa capitale ; son code règle le droit public et le droit privé. Dans la vallée de l'Indus, la civilisation urbaine s'efface.",  // French
    "1760 a.C. Hammurabi, otro rey semita, derrota a los asirios y funda un nuevo imperio mesopotámico con capital en Babilonia. Su célebre código de leyes regula el derecho público y privado. En el valle del río Indo desaparece la civilización urbana.",  // Spanish
    "1760 B.C. Hammurabi, another semitic king, defeats the Assyrians and founds a new Mesopotamian empire with the city of Babylon as its capital. His famed code of laws, carved on a stone stele, covers both public and private law. In the Indus valley the urban civilization comes to an end for good.",  // English
}};

}  // namespace contenuti
