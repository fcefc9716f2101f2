// Map 92 (451 AD): overlay labels and descriptions.
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
    {5, Posizione{5040, 4440}, 0xFFFFFF, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Franks"}},
    {7, Posizione{3600, 5040}, 0x000000, {"Alamanni", "Alains", "Alanos", "Alans"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2400, 5160}, 0x000000, {"-----Angli-----", "-----Angles-----", "-----Anglos-----", "-----Angles----"}},
    {10, Posizione{2640, 5040}, 0x000000, {"Sassoni", "Saxons", "Sajones", "Saxons"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sàsanide", "Sasanian Empire"}},
    {12, Posizione{3240, 6600}, 0xFFFFFF, {"", "", "", ""}},
    {13, Posizione{4440, 5760}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Western Roman"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{3360, 4560}, 0x0000FF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3480, 5160}, 0xFFFFFF, {"Burgundi", "Burgundes", "Burgundios", "Burgundian"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {21, Posizione{2880, 6720}, 0xFFFFFF, {"IMPERO DEGLI UNNI", "Empire des Huns", "IMPERIO ÚNICO", "H U N N I C   E M P I R E"}},
    {22, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3840, 3885}, 0x000000, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {24, Posizione{3840, 6360}, 0xFFFFFF, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {25, Posizione{4680, 5760}, 0x0000FF, {"d'Occidente", "d'Occident", "de Occidente", "Empire"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2640, 6480}, 0xFFFFFF, {"Tribù Germaniche", "Tribù Germaniques", "Tribù Germanas", "Germanic Tribes"}},
    {30, Posizione{2280, 7440}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
};
}  // namespace

extern const ContenutoCarta dc451;
const ContenutoCarta dc451{etichette, 31, {
    "451 d.C. L'impero unno di Attila domina l'Europa centrale, ma nel 451 viene finalmente fermato ai Campi Catalaunici dall'esercito romano e barbarico guidato da Ezio. Angli, Sassoni, Franchi, Burgundi, Alamanni, Visigoti, Suebi e Ostrogoti sono ormai insediati dentro i confini dell'impero d'Occidente, i Vandali in Africa. Tra il lago d'Aral e la Battriana gli Unni Bianchi danno vita all'Impero Eftalita.",  // Italian
    "451 Ap.JC. L'empire hunnique d'Attila domine l'Europe centrale, mais en 451 il est enfin arrêté aux champs Catalauniques par l'armée romaine et barbare d'Aetius. Les Angles, les Saxons, les Francs, les Burgondes, les Alamans, les Wisigoths, les Suèves et les Ostrogoths sont désormais établis dans l'empire d'Occident, et les Vandales en Afrique. Entre la mer d'Aral et la Bactriane les Huns Blancs fondent un Etat qui leur est propre, l'Empire hephtalite.",  // French
    "451 d.C. El imperio huno de Atila domina Europa central, pero en el 451 es finalmente detenido en los Campos Cataláunicos por el ejército romano y bárbaro de Aecio. Anglos, sajones, francos, burgundios, germanos, visigodos, suevos y ostrogodos se han asentado ya dentro del imperio de Occidente, y los vándalos en África. Entre el mar de Aral y Bactriana, los hunos blancos forman el Imperio Heftalita.",  // Spanish
    "451 A.D. Attila's Hunnic empire dominates central Europe, but in 451 it is finally halted on the Catalaunian Fields by the joint Roman and barbarian army led by Aetius. Angles, Saxons, Franks, Burgundians, Alamanni, Visigoths, Suebi and Ostrogoths are now settled inside the borders of the Western Roman Empire, and the Vandals in Africa. Between the Aral Sea and Bactria the White Huns form the Hephthalite Empire.",  // English
}};

}  // namespace contenuti
