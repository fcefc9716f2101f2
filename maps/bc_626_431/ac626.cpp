// Map 39 (626 BC): overlay labels and descriptions.
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
    {22, Posizione{2520, 7440}, 0xFFFFFF, {"Impero Assiro", "Empire Assyrien", "Imperio Asirio", "Assyrian Empire"}},
    {23, Posizione{2070, 4440}, 0x000000, {"Sparta", "Sparte", "Esparta", "Sparta"}},
    {24, Posizione{2640, 8760}, 0xFFFFFF, {"MEDIA", "MEDIA", "MEDIA", "MEDIA"}},
    {25, Posizione{1560, 5520}, 0xFFFFFF, {"LIDIA", "LYDIE", "LIDIA", "LYDIA"}},
    {26, Posizione{1800, 5520}, std::nullopt, {"Sardi", "Sardis", "Sardis", "Sardis"}},
    {27, Posizione{1080, 7680}, std::nullopt, {"Sciti", "Scythes", "Escites", "Scythyans"}},
    {28, Posizione{1200, 9600}, std::nullopt, {"Sciti", "Scythes", "Escites", "Scythyans"}},
};
}  // namespace

extern const ContenutoCarta ac626;
const ContenutoCarta ac626{etichette, 26, {
    "626 a.C.   - I MEDI devono fare i conti con la pressione degli Sciti. Riescono però ben presto a ridurre i domini assiri. Il loro alleato caldeo Nabopolassar si impadronisce di Babilonia e vi fonda una nuova dinastia indipendente dagli Assiri. Anche l'Egitto si libera dal dominio assiro e viene riunificato da Psammetico, faraone della XXVI dinastia. In Asia Minore la Lidia diventa il regno più importante.",  // Italian
    "626 Av. J.-C. - Les Mèdes, quoique menacés au nord par les Scythes, réduisent peu à peu les possessions de l'Assyrie. Leur allié chaldéen Nabopolassar s'empare de Babylone et y fonde une dynastie indépendante de l'Assyrie. L'Égypte se libère elle aussi de la tutelle assyrienne et retrouve son unité sous Psammétique, pharaon de la XXVIe dynastie. En Asie Mineure, la Lydie du roi Alyatte devient le royaume le plus puissant de la région.",  // French
    "626 a.C. Los medios tienen que enfrentarse a la presión de los escitas, pero aun así logran reducir los dominios de Asiria. Su aliado caldeo Nabopolasar se apodera de Babilonia y funda allí una dinastía independiente de los asirios. También Egipto se libera del dominio asirio y es reunificado por Psamético, faraón de la dinastía XXVI. En Asia Menor, el reino de Lidia se convierte en el más importante.",  // Spanish
    "626 B.C. - The MEDIANS must face the pressure of the Scythians, yet they still manage to cut back the dominions of Assyria. Their Chaldean ally Nabopolassar seizes Babylon and founds a dynasty independent of Assyria. Egypt also breaks free from Assyrian rule and is reunited by Psammetichus, a pharaoh of the 26th dynasty. In Asia Minor, Lydia becomes the foremost kingdom.",  // English
}};

}  // namespace contenuti
