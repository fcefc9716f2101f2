// Map 42 (550 BC): overlay labels and descriptions.
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
    {24, Posizione{1440, 7680}, 0xFFFFFF, {"Armenia", "Armenie", "Armenia", "Armenia"}},
    {25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {27, Posizione{1920, 6240}, 0xFFFFFF, {"Cilicia", "Cilicie", "Cilicia", "Cilicia"}},
    {28, Posizione{2240, 8280}, 0xFFFFFF, {"IMPERO PERSIANO", "EMPIRE PERSE", "IMPERIO PERSA", "PERSIAN EMPIRE"}},
};
}  // namespace

extern const ContenutoCarta ac550;
const ContenutoCarta ac550{etichette, 29, {
    "550 a.C.   Il persiano Ciro, il cui popolo era vassallo dei Medi, guida una grande rivolta sostenuta da una parte dell'esercito medo e si impadronisce del potere: l'impero dei Medi diventa così l'impero persiano degli Achemenidi. Ciro conquista poi l'Armenia (549 a.C.) e la Lidia, il ricco regno di Creso (546 a.C.).",  // Italian
    "550 Av. J.-C. Le perse Cyrus, dont le peuple était vassal des Mèdes, se met à la tête d'une révolte appuyée par une partie de l'armée mède et s'empare du pouvoir : l'empire des Mèdes devient l'empire perse des Achéménides. Cyrus conquiert par la suite l'Arménie (549 av. J.-C.) et la Lydie, le riche royaume de Crésus (546 av. J.-C.).",  // French
    "550 a.C. El persa Ciro, cuyo pueblo era vasallo de los medos, encabeza una gran revuelta respaldada por una parte del ejército medo y se hace con el poder: el imperio de los medos se convierte así en el imperio persa de los aqueménidas. Ciro conquista después Armenia (549 a.C.) y Lidia, el rico reino de Creso (546 a.C.).",  // Spanish
    "550 B.C. Cyrus the Great, whose Persians were vassals of the Medes, leads a revolt backed by part of the Median army and seizes power: the Median empire becomes the Persian empire of the Achaemenids. He then conquers Armenia (549 B.C.) and Lydia, the rich kingdom of Croesus (546 B.C.).",  // English
}};

}  // namespace contenuti
