// Map 57 (382 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{3960, 5400}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3000, 6600}, 0xC00000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
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
    {19, Posizione{4920, 9720}, 0x000000, {"Stati Indiani", "Etats Indiens", "Estados Indianos", "Indian States"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3100, 5790}, 0x000000, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
};
}  // namespace

extern const ContenutoCarta ac382;
const ContenutoCarta ac382{etichette, 26, {
    "382 a.C.    Tebe, che era stata alleata di Sparta, si ribella alla sua supremazia. Nella prima fase della guerra prevale Sparta, che conquista anche Olinto, a capo della Lega calcidica, ma nel 379 a.C. i Tebani riconquistano la loro città e nel 371 a.C. sconfiggono definitivamente gli Spartani. Alla fine di queste lotte le città greche sono però ormai esauste.",  // Italian
    "382 Av.J.-C. Préoccupée par la puissance de Sparte, son ancienne alliée, Thèbes se dresse contre l'hégémonie spartiate. Sparte l'emporte d'abord et, contre la Ligue chalcidienne, s'empare d'Olinthe. Mais en 379 les Thébains libèrent leur ville, puis unifient la Béotie et, conduits par Épaminondas, battent les Spartiates à Leuctres en 371. Les cités grecques sortent épuisées de ces luttes.",  // French
    "382 a.C. Tebas, aliada de Esparta en el pasado, se rebela contra su supremacía. En la primera fase vence Esparta, que ocupa también Olinto, cabeza de la Liga calcídica, pero en el 379 a.C. los tebanos recuperan su ciudad y en el 371 a.C., guiados por Epaminondas, derrotan definitivamente a los espartanos. Al final de estas luchas las ciudades griegas quedan agotadas.",  // Spanish
    "382 B.C. Thebes, allied to Sparta until then, turns against the supremacy that Sparta has imposed on Greece since its victory over Athens. Sparta wins the first phase and captures Olynthus, but in 371 B.C. Thebes, led by Epaminondas, defeats it once and for all. At the end of these struggles the Greek cities are exhausted.",  // English
}};

}  // namespace contenuti
