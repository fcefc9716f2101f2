// Map 89 (330 AD): overlay labels and descriptions.
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
    {7, Posizione{4680, 5760}, 0x0000FF, {"d'Occidente", "d'Occident", "de Occidente", "Empire"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Picti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{3000, 8760}, 0xFFFFFF, {"Ostrogoti", "Ostrogoths", "Ostrogodos", "Ostrogoths"}},
    {10, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sasanide", "Sasanian Empire"}},
    {12, Posizione{3150, 6360}, 0xFFFFFF, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {13, Posizione{4440, 5760}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Western Roman"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{3480, 7200}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3840, 9360}, 0x000000, {"Armenia", "Armenia", "Armenia", "Armenia"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
};
}  // namespace

extern const ContenutoCarta dc330;
const ContenutoCarta dc330{etichette, 21, {
    "330 d.C. Dal 324, Costantino è l'unico Augusto dell'impero. Quale Pontefice Massimo partecipa ai concili della Chiesa, a cominciare da quello di Nicea. Muore nel 337, mentre si prepara alla guerra contro i Persiani, eredi dei Parti, senza aver designato un unico successore. Tra la parte occidentale e quella orientale dell'impero cresce un divario culturale, economico e politico che persiste perfino sotto un solo sovrano.",  // Italian
    "330 Ap.JC. Depuis l'an 324, Constantin est le seul Auguste de l'empire. Parce qu'il porte le titre de Pontifex Maximus, il prend part aux conciles de l'Eglise, à commencer par celui de Nicée. Il meurt en 337, alors qu'il prépare la guerre contre les Perses, héritiers des Parthes, sans avoir désigné de successeur. Mais entre l'Occident et l'Orient de l'empire se creuse un fossé culturel, économique et politique qui persiste même sous un souverain unique.",  // French
    "330 d.C. Desde el 324 Constantino es el único Augusto del imperio. Como Pontífice Máximo participa en los concilios de la Iglesia, como el de Nicea. Muere en el 337, mientras prepara la guerra contra los persas, herederos de los partos, sin designar un sucesor único. Entre el Occidente y el Oriente del imperio crece una división cultural, económica y política que persiste bajo un solo soberano.",  // Spanish
    "330 A.D. From 324 Constantine is the sole Augustus of the empire. As Pontifex Maximus he takes part in the councils of the Church, starting with that of Nicaea. He dies in 337, while preparing for war against the Persians, heirs of the Parthians, without naming a single successor. Between the western and eastern parts of the empire a cultural, economic and political divide grows, and it endures even under one ruler.",  // English
}};

}  // namespace contenuti
