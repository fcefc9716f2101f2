// Map 87 (290 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{1080, 3840}, 0xFF0000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10125}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{3240, 5640}, 0x000000, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{2760, 5760}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Franks"}},
    {7, Posizione{3000, 4000}, 0x0000FF, {"I M P E R O   R O M A N O", "E M P I R E   R O M A I N", "I M P E R I O   R O M A N O", "R O M A N   E M P I R E"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Picti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{3000, 8760}, 0xFFFFFF, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {10, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sasanide", "Sasanian Empire"}},
    {12, Posizione{3150, 6360}, 0xFFFFFF, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {13, std::nullopt, std::nullopt, {"", "", "", ""}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, std::nullopt, std::nullopt, {"", "", "", ""}},
    {16, std::nullopt, std::nullopt, {"", "", "", ""}},
    {17, Posizione{3480, 7200}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3840, 9360}, 0x000000, {"Armenia", "Armenia", "Armenia", "Armenia"}},
    {19, std::nullopt, std::nullopt, {"", "", "", ""}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
};
}  // namespace

extern const ContenutoCarta dc290;
const ContenutoCarta dc290{etichette, 21, {
    "290d.C. Diocleziano divide l'impero in due per difenderlo meglio; in seguito crea la Tetrarchia: due Augusti e due Cesari.",  // Italian
    "290 Ap.JC.  Dioclétien partage l'empire pour mieux le défendre. Plus tard, il crée lui-même la Tétrarchie : deux Augustes et deux Césars.",  // French
    "290 d.C. Diocleciano divide el imperio para defenderlo mejor; después se crea la Tetrarquía: dos Augustos y dos Césares.",  // Spanish
    "290A.D. Diocletian divides the empire to defend it better; later, the Tetrarchy is set up, with two Augusti and two Caesars sharing power. ",  // English
}};

}  // namespace contenuti
