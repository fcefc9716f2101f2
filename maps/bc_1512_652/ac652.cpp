// Map 38 (652 BC): overlay labels and descriptions.
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
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
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
};
}  // namespace

extern const ContenutoCarta ac652;
const ContenutoCarta ac652{etichette, 25, {
    "652 a.C.  Assurbanipal è l'ultimo grande sovrano dell'Impero Assiro. Conquista Tebe in Egitto, ma deve affrontare una ribellione guidata dal proprio fratello. Con le frontiere settentrionali ormai sguarnite di truppe, i Medi si rendono indipendenti sotto il loro re Deioce, che fonda Ecbatana e ne fa la capitale del nuovo regno. ",  // Italian
    "652 Av. J.-C. Assurbanipal est le dernier grand monarque de l'Empire assyrien. Il s'empare de Thèbes, en Égypte, mais doit ensuite affronter une révolte menée par son propre frère. Les frontières du nord étant dorénavant dégarnies de troupes, les Mèdes deviennent indépendants sous leur roi Déjocès, qui fonde Ecbatane et en fait la capitale du nouveau royaume.",  // French
    "652 a.C. Asurbanipal es el último gran monarca del Imperio asirio. Ocupa Tebas, en Egipto, pero debe enfrentarse a una rebelión encabezada por su propio hermano. Con las fronteras del norte desguarnecidas de tropas, los medos se hacen independientes bajo su rey Deyoces, que establece en Ecbatana la capital de su nuevo reino.",  // Spanish
    " 652 B.C. Assurbanipal is the last great monarch of the Assyrian Empire. He captures Thebes in Egypt but must then face a rebellion led by his own brother. With the northern frontiers now stripped of their troops, the Medes become independent under their king Deioces, who founds Ecbatana and makes it the capital of the new kingdom.",  // English
}};

}  // namespace contenuti
