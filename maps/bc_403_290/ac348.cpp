// Map 59 (348 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en} (nullptr: caption not written in that language)
    {0, Posizione{3960, 5400}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3000, 6600}, 0xC00000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{2880, 7680}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2760, 8520}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5160, 6960}, 0xC00000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{4560, 7920}, 0xC00000, {"G.Persico", "G.Persique", "G.Pérsico", "Persian G."}},
    {7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {9, Posizione{4320, 7320}, 0xC00000, {"Mesopotamia", "Mesopotamie", "Mesopotamia", "Mesopotamia"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4680, 6600}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {16, Posizione{3000, 5160}, 0xFFFFFF, {"Etruschi", "Etrusques", "Etruscos", "Etruscans"}},
    {17, Posizione{3840, 7800}, 0xFFFFFF, {"Impero Persiano", "Empire Perse", "Imperio Persa", "Persian Empire"}},
    {18, Posizione{3720, 5880}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {19, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3100, 5790}, 0x000000, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
    {26, Posizione{8000, 9800}, std::nullopt, {nullptr, nullptr, nullptr, nullptr}},
};
}  // namespace

extern const ContenutoCarta ac348;
const ContenutoCarta ac348{etichette, 26, {
    "348 a.C.     Tra il 356 e il 348 a.C. Filippo II di Macedonia conquista Potidea, nella Calcidica, e Pidna, poi la Tessaglia e la Tracia. In India, il regno di Magadha, guidato dai Nanda, inizia a costruire il suo impero.",  // Italian
    "348 av. J.- C. Entre 356 et 348, Philippe II de Macédoine prend Potidée en Chalcidique et Pydna, puis la Thessalie et la Thrace. En Inde, le royaume du Magadha, dirigé par les Nanda, absorbe les autres royaumes.",  // French
    "348 a.C. Entre 356 y 348 Filipo II de Macedonia toma Potidea, en la Calcídica, y Pidna, y después Tesalia y Tracia. En la India, el reino de Magadha, bajo los Nanda, empieza a formar su imperio.",  // Spanish
    "348 B.C. Between 356 and 348 B.C. Philip II of Macedon takes Potidaea in the Chalcidice and Pydna, then Thessaly and Thrace. In India, the kingdom of Magadha, led by the Nanda dynasty, begins to build its empire.",  // English
}};

}  // namespace contenuti
