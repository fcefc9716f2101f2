// Map 5 (2350 BC): overlay labels and descriptions.
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
    {12, Posizione{4160, 6330}, 0x000000, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero accadico", "Empire accadique", "Imperio Akkadio", "Akkadic Empire"}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5400}, 0xFFFFFF, {"Antico Regno", "Ancien Empire", "Imperio Antiguo", "Old Kingdom"}},
};
}  // namespace

extern const ContenutoCarta ac2350;
const ContenutoCarta ac2350{etichette, 18, {
    "2350 a.C. Sargon il Grande conduce gli Accadi, un popolo semitico, alla conquista della Mesopotamia e fonda un impero che unisce sotto un solo sovrano le città sumere. Sulle rive dell'Indo sorge una civiltà urbana. Si diffonde l'uso del bronzo, una lega di rame e stagno, e quello dei carri a ruote, noti da tempo. In Egitto la capitale è la città di Menfi fin dal 2800 a.C.",  // Italian
    "2350 Av.J.C. Sargon le Grand conduit les Akkadiens, un peuple sémitique, à la conquête de la Mésopotamie et fonde un empire qui réunit les cités sumériennes. Sur les bords de l'Indus naît une civilisation urbaine, dont Mohenjo Daro est la grande ville. L'usage du bronze se répand, de même que celui des chariots à roues. En Egypte, Memphis est la capitale depuis 2800 Av.J.C.",  // French
    "2350 a.C. Sargón el Grande lleva a los acadios, un pueblo semita, a la conquista de Mesopotamia y funda un imperio que une bajo un único soberano a las ciudades sumerias. A orillas del río Indo surge una civilización urbana. Se difunde el uso del bronce, una aleación de cobre y estaño, y el de los carros de ruedas, ya muy antiguos. En Egipto la capital es Menfis desde el año 2800 a.C.",  // Spanish
    "2350 B.C. Sargon the Great leads the Akkadians, a Semitic people, to the conquest of Mesopotamia and founds an empire that unites the Sumerian cities under one king. An urban civilization rises on the banks of the Indus. The use of bronze, an alloy of copper and tin, spreads, as does the wheeled cart, long known. In Egypt Memphis has been the capital since 2800 B.C.",  // English
}};

}  // namespace contenuti
