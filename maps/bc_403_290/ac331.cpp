// Map 63 (331 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
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
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3100, 5790}, 0x000000, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
    {26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
};
}  // namespace

extern const ContenutoCarta ac331;
const ContenutoCarta ac331{etichette, 27, {
    "331 a.C.      Alessandro Magno insegue ora Dario III e conquista Babilonia; raggiunge quindi Persepoli, capitale dell'Impero Persiano, e la dà alle fiamme.",  // Italian
    "331 av. J.- C. Alexandre le Grand part à la poursuite de Darius III et occupe Babylone, puis atteint Persépolis,  capitale de l'Empire perse,  et la détruit par incendie.",  // French
    "331 a.C. Alejandro Magno persigue a Darío III y conquista Babilonia; luego llega a Persépolis, capital del Imperio Persa, y la entrega al fuego.",  // Spanish
    " 331 B.C. Alexander The Great chases Darius III and conquers Babylon, then he reaches Persepolis, the capital of the Persian Empire, and burns it.",  // English
}};

}  // namespace contenuti
