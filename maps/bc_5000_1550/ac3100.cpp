// Map 3 (3100 BC): overlay labels and descriptions.
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
    {12, Posizione{4160, 6330}, 0x000000, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{3240, 8280}, 0xFFFFFF, {"SUMER", "SUMER", "SUMER", "SUMER"}},
    {14, Posizione{3000, 7200}, 0xFFFFFF, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
};
}  // namespace

extern const ContenutoCarta ac3100;
const ContenutoCarta ac3100{etichette, 15, {
    "3100 a.C. In Egitto, il Faraone Nemes unifica il Basso e l'Alto Egitto e fonda il primo regno della storia, con capitale Thinis. Il sovrano sottrae il governo ai sacerdoti ed esercita un potere assoluto, sancito dalla religione, che lo considera un dio. In Mesopotamia le città-stato sumere estendono il loro dominio sulle campagne circostanti, ma restano indipendenti l'una dall'altra e non formano un regno.",  // Italian
    "3100 Av.J.C. En Egypte, le pharaon Ménès réunit la Basse et la Haute-Egypte et fonde le premier royaume de l'histoire, dont la capitale est Thinis. Le souverain enlève le gouvernement aux prêtres et exerce un pouvoir total, consacré par la religion, qui fait de lui un dieu vivant. En Mésopotamie, les cités-Etats sumériennes étendent leur domination sur toutes les campagnes environnantes, mais elles restent indépendantes les unes des autres et ne forment pas un royaume unifié.",  // French
    "3100 a.C. En Egipto, el Faraón Nemes unifica el Bajo y el Alto Egipto y funda el primer reino de la historia, con capital en Tinis. El soberano quita el gobierno a los sacerdotes y ejerce un poder absoluto, sancionado por la religión, que lo considera un dios vivo. En Mesopotamia las ciudades-estado sumerias extienden su dominio sobre los campos circundantes, pero siguen siendo independientes entre sí y no forman un reino unitario.",  // Spanish
    "3100 B.C. In Egypt,  the Pharaoh Nemes unites Lower and Upper Egypt and founds the first kingdom in history, with its capital at Thinis. The king takes government away from the priests and wields an absolute power, sanctioned by religion, which holds him to be a god. In Mesopotamia the Sumerian city-states extend their rule over the surrounding country, but they remain independent of each other and form no kingdom.",  // English
}};

}  // namespace contenuti
