// Map 96 (526 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 5400}, 0xFFFFFF, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{3000, 5040}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Frankish Kdm"}},
    {7, Posizione{3240, 5640}, 0xFFFFFF, {"Alamanni", "Alains", "Alamanos", "Alamanni"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Pitti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{2400, 5160}, 0x000000, {"Angli", "Angles", "Anglos", "Angles"}},
    {10, Posizione{2640, 5280}, 0x000000, {"-------Sassoni", "-------Saxons", "-------Sajones", "-------Saxons"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sàsanide", "Sasanian Empire"}},
    {12, Posizione{3240, 6600}, 0xFFFFFF, {"Longobardi", "Lombards", "Longobardos", "Lombards"}},
    {13, Posizione{3720, 6960}, 0xFFFFFF, {"Gepidi", "Gepides", "Gépidas", "Gepid Kdm"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7920}, 0x0000FF, {"Impero Romano", "Empire Romain", "Imperio Romano", "Eastern Roman"}},
    {16, Posizione{4680, 7920}, 0x0000FF, {"d'Oriente", "d'Orient", "de Oriente", "Empire"}},
    {17, Posizione{4200, 3960}, 0xFFFFFF, {"Visigoti", "Visigoths", "Visigodos", "Visigoths"}},
    {18, Posizione{3480, 5160}, 0xFFFFFF, {"Burgundi", "Burgundes", "Burgundios", "Burgundian"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinople", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{3960, 5400}, 0x000000, {"oMassilia", "oMassilia", "oMassilia", "oMassilia"}},
    {21, Posizione{3900, 6180}, 0x000000, {"oRavenna", "oRavenna", "oRavenna", "oRavenna"}},
    {22, Posizione{4800, 8860}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {23, Posizione{3840, 3880}, 0xFFFFFF, {"Suebi", "Sueves", "Suevos", "Sueves"}},
    {24, Posizione{3630, 5640}, 0xFFFFFF, {"Regno degli Ostrogoti", "Royaume des Ostrogoths", "Reino de los Ostrogodos", "Kdm of Ostrogoths"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2640, 11160}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "eftalit"}},
    {28, Posizione{2880, 11160}, 0xFFFFFF, {"Eftalita", "Eftalite", "Eftalita", "Empire"}},
    {29, Posizione{2640, 6600}, 0xFFFFFF, {"Germanici   e   Slavi", "Germaniques     Slaves", "Germanos     Eslavos", "Germanics     Slavs"}},
    {30, Posizione{3360, 7320}, 0xFFFFFF, {"Slavi", "Slaves", "Eslavos", "Slaves"}},
    {31, Posizione{2160, 4440}, 0x000000, {"Regni celtici", "Royaumes celtiques", "Reinos celtas", "Celtic Kingdoms"}},
    {32, Posizione{2760, 6120}, 0xFFFFFF, {"Regno", "Royaume", "Reino", "Thuringian"}},
    {33, Posizione{2880, 6240}, 0xFFFFFF, {"Turingio", "Thuringe", "Turinjo", "Kdm"}},
};
}  // namespace

extern const ContenutoCarta dc526;
const ContenutoCarta dc526{etichette, 34, {
    "526 d.C.I Franchi, vittoriosi sui Visigoti e sugli Alamanni, si espandono verso sud e verso est attraverso la Francia. Tra Francia e Spagna i Baschi rimangono indipendenti. I Sassoni si espandono verso nord e nasce il regno di Turingia.",  // Italian
    "526 Ap.JC. Vainqueurs des Wisigoths et des Alamans, les Francs s'étendent vers le sud et vers l'est à travers la France. Entre la France et l'Espagne, les Basques demeurent indépendants. Les Saxons s'étendent vers le nord, et un royaume de Thuringe apparaît.",  // French
    "526 d.C. Los francos, vencedores de los visigodos y de los germanos, se expanden al sur y al este de la Galia. Entre Galia e Hispania los vascos siguen siendo independientes. Los sajones avanzan hacia el norte y surge un nuevo reino de Turingia.",  // Spanish
    "526 A.D. Victorious over the Visigoths and the Alamanni, the Franks expand southwards and eastwards right across France. Between France and Spain the Basques remain independent. The Saxons spread northward, and a new kingdom of Thuringia comes into being.",  // English
}};

}  // namespace contenuti
