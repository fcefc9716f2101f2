// Map 34 (745 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 13 is placed and shows nothing.
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
    {13, Posizione{3240, 4920}, std::nullopt, {"", "", "", ""}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {22, Posizione{2520, 7440}, 0xFFFFFF, {"Impero Assiro", "Empire Assyrien", "Imperio Asirio", "Assyrian Empire"}},
};
}  // namespace

extern const ContenutoCarta ac745;
const ContenutoCarta ac745{etichette, 23, {
    "745 a.C. Tiglath Pileser III governa l'Assiria. Rafforza il potere centrale a scapito dei nobili, crea un esercito permanente, che include anche contingenti di mercenari, e si lancia alla conquista della Mesopotamia. Intanto, in Grecia e nelle sue colonie, crescono le poleis.",  // Italian
    "745 Av. J.-C. Tiglath Pileser III règne sur l'Assyrie. Il renforce le pouvoir central aux dépens des nobles, crée une armée permanente, qui accueille aussi des contingents de mercenaires, et se lance à la conquête de la Mésopotamie. En Grèce comme dans ses colonies, les poleis se développent.",  // French
    "745 a.C. Tiglat Pileser III gobierna Asiria, fortalece el poder central a costa de los nobles, crea un ejército permanente, que incluye además contingentes de mercenarios, y emprende la conquista de Mesopotamia. En Grecia y sus colonias crecen las polis.",  // Spanish
    "745 B.C. Tiglath Pileser III governs the Assyria. He strengthens the central power at the expense of the nobility, creates a standing army that also takes in contingents of mercenaries, and sets out to conquer Mesopotamia. Meanwhile, in Greece and its colonies, the poleis grow.",  // English
}};

}  // namespace contenuti
