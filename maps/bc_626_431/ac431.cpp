// Map 53 (431 BC): overlay labels and descriptions.
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
    {10, Posizione{2520, 6700}, std::nullopt, {"Damasco", "Damas", "Damasco", "Damascus"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{1920, 4920}, 0x000000, {"Atene", "Athènes", "Atenas", "Athens"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {17, Posizione{1200, 5040}, 0xFFFFFF, {"Tracia", "Thrace", "Tracia", "Thracia"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {22, Posizione{3480, 9240}, 0x000000, {"Persepoli", "Persépolis", "Persépolis", "Persepolis"}},
    {23, Posizione{2070, 4440}, 0x000000, {"Sparta", "Sparte", "Esparta", "Sparta"}},
    {24, Posizione{1440, 7680}, 0xFFFFFF, {"Armenia", "Armenie", "Armenia", "Armenia"}},
    {25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {27, Posizione{1920, 6240}, 0xFFFFFF, {"Cilicia", "Cilicie", "Cilicia", "Cilicia"}},
    {28, Posizione{2240, 8280}, 0xFFFFFF, {"IMPERO PERSIANO", "EMPIRE PERSE", "IMPERIO PERSA", "PERSIAN EMPIRE"}},
};
}  // namespace

extern const ContenutoCarta ac431;
const ContenutoCarta ac431{etichette, 29, {
    "431-405 a.C.   Inizia la seconda guerra del Peloponneso, che vede di fronte ancora Atene e Sparta. Atene tenta di estendere il suo modello democratico e il suo predominio commerciale, ma dopo il disastro in Sicilia (413 a.C.), nel 405 a.C. Sparta vince la battaglia di Egospotami: la supremazia di Atene in Grecia è finita.",  // Italian
    "431-405 Av. J.-C. On est à l'époque de la seconde guerre du Péloponnèse, qui oppose à nouveau Athènes et Sparte. Athènes cherche à imposer son modèle démocratique et son commerce, mais après le désastre de Sicile, en 405 av. J.-C., Sparte remporte la bataille d'Aigos Potamos : la suprématie d'Athènes en Grèce prend fin.",  // French
    "431-405 a.C. Comienza la segunda guerra del Peloponeso, que enfrenta de nuevo a Atenas y Esparta. Atenas intenta imponer su modelo democrático y su comercio, pero tras el desastre de la expedición a Sicilia, en el año 405 a.C., Esparta triunfa en la batalla de Egospótamos: termina la supremacía de Atenas en Grecia.",  // Spanish
    "431-405 B.C. The' Second Peloponnesian War sets Athens and Sparta against each other once again. Athens tries to impose its democratic model and trade, but after the disastrous Sicilian expedition, in 405 B.C., Sparta wins the battle of Aegospotami: the supremacy of Athens in Greece is over.",  // English
}};

}  // namespace contenuti
