// Map 2 (3300 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{440, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2280, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6680}, std::nullopt, {"", "", "", ""}},
    {11, Posizione{3500, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{3240, 8280}, 0xFFFFFF, {"SUMER", "SUMER", "SUMER", "SUMER"}},
    {13, Posizione{3000, 7200}, 0xFFFFFF, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
};
}  // namespace

extern const ContenutoCarta ac3300;
const ContenutoCarta ac3300{etichette, 14, {
    "3300 a.C. Nel Sud della Mesopotamia sorgono le prime città della storia: Ur, Uruk e Lagash. Anche in Egitto nascono centri urbani, come Hierakonpolis. Società ed economia diventano più complesse e sono governate dapprima dai sacerdoti, custodi dei beni dei templi. Compaiono le prime registrazioni scritte di persone, proprietà e scambi. Intanto popolazioni semitiche, che si ritiene provengano dalla penisola arabica, si diffondono in tutto il Medio Oriente.",  // Italian
    "3300 Av.J.C. Dans le sud de la Mésopotamie naissent les premières villes de l'histoire : Ur, Uruk, Eridu et Lagash. En Egypte aussi apparaissent des centres urbains, comme Hiérakonpolis. La société et l'économie deviennent plus complexes et sont d'abord dirigées par les prêtres. Les premiers écrits notent les personnes, les biens et les échanges. Dans le même temps, des peuples sémites, probablement venus de la péninsule arabique, se répandent dans tout le Moyen-Orient.",  // French
    "3300 a.C. En el sur de Mesopotamia surgen las primeras ciudades de la historia: Ur, Uruk, Eridu y Lagash. También en Egipto, a orillas del Nilo, nacen centros urbanos como Hieracómpolis. La sociedad y la economía se vuelven más complejas y al principio las gobiernan los sacerdotes. Aparecen los primeros registros escritos de personas, propiedades e intercambios. Mientras tanto, pueblos semitas, probablemente procedentes de la península arábiga, se extienden por Oriente Medio.",  // Spanish
    "3300 B.C. In the south of Mesopotamia the first cities in history arise: Ur, Uruk, Eridu and Lagash. In Egypt too, along the Nile, urban centres such as Hierakonpolis grow up. Society and the economy become more complex and are governed at first by the priests. The first written records appear, listing persons, properties and exchanges. Meanwhile, Semitic peoples, believed to have come from the Arabian peninsula, spread throughout the Middle East.",  // English
}};

}  // namespace contenuti
