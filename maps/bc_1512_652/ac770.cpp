// Map 33 (770 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1320, 8760}, 0xFF0000, {"Cultura nomade", "Culture nomade", "Cultura nómade", "Nomad culture"}},
    {1, Posizione{2115, 8280}, 0xFFFFFF, {"Assiri", "Assyriens", "Asiros", "Assyrians"}},
    {2, Posizione{3720, 6240}, 0xFFFFC0, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {3, Posizione{2280, 8280}, 0xFFFFFF, {"Babilonesi", "Babylonais", "Babilones", "Babylon"}},
    {4, Posizione{3640, 8880}, 0x000000, {"Agricoltura e metallurgia", "Agricolture et metallurgie", "Agricoltura y metallurgia", "Agriculture And metallurgy"}},
    {5, Posizione{1800, 7800}, 0x000000, {"Frigia", "Phrygie", "Frigia", "Phrygia"}},
    {6, Posizione{2520, 7650}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {7, Posizione{2040, 7440}, 0x000000, {"Greci", "Grecs", "Grecia", "Greeks"}},
    {8, Posizione{4040, 8880}, 0x000000, {"Comunità Agricole", "Communautés Agricoles", "Comunidades agricolas", "Agricultural communities"}},
    {9, Posizione{4410, 8880}, 0x000000, {"Stati organizzati", "Etats organisés", "Estados organizados", "Statal organisation"}},
    {10, Posizione{2280, 10440}, 0x000000, {"Cina", "Chine", "China", "China"}},
    {11, Posizione{4820, 8880}, 0x000000, {"Città commerciali", "Villes commerciales", "Ciudades comerciales", "Commercial cities"}},
    {12, Posizione{2190, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {13, Posizione{2400, 8500}, 0x000000, {"Elam", "Elam", "Elam", "Elam"}},
    {14, Posizione{2880, 7680}, 0xFFFFFF, {"Kush", "Koush", "Kush", "Kush"}},
    {15, Posizione{2760, 9120}, 0x000000, {"Stati dell'India", "Etats Indiens", "Estados de India", "Indian States"}},
    {16, Posizione{1920, 8160}, 0x000000, {"Urartu", "Ourartou", "Urartu", "Urartu"}},
    {17, Posizione{3000, 4080}, 0x000000, {"Olmechi", "Olmecs", "Olmecas", "Olmecs"}},
    {18, Posizione{4200, 4320}, 0x000000, {"Chavin", "Chavin", "Chavin", "Chavin"}},
    {19, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {20, Posizione{1800, 7080}, 0x000000, {"Etruschi", "Etruscques", "Etruscos", "Etruscans"}},
};
}  // namespace

extern const ContenutoCarta ac770;
const ContenutoCarta ac770{etichette, 21, {
    "770 a.C. Gli Egiziani perdono i territori del Sud, dove si forma il regno di Kush. Greci e Fenici fondano colonie lungo le coste del Mediterraneo. Nell'Italia centrale sorgono le città-stato etrusche. In Cina la dinastia Chou perde il controllo dell'impero e si ritira verso oriente, fondando i Chou Orientali; l'impero si frantuma in molti stati. In India gli Ariani fondano numerosi stati indipendenti, all'interno dei quali nascono le caste. In America centrale gli Olmechi raggiungono la loro massima espansione.",  // Italian
    "770 Av. J.-C. L'Egypte perd les territoires du sud, où se forme le royaume de Koush. Les Grecs et les Phéniciens fondent des colonies le long des côtes de la Méditerranée. En Italie centrale naissent les premières cités-États étrusques. En Chine, la dynastie Chou perd le contrôle de l'empire et se replie vers l'est, où elle fonde la dynastie des Chou orientaux ; l'empire se fragmente en États féodaux. En Inde, les Aryens fondent de nombreux États indépendants, au sein desquels apparaissent les castes. En Amérique centrale, la civilisation olmèque atteint sa plus grande extension.",  // French
    "770 a.C. Los egipcios pierden los territorios del sur donde se forma el reino de Cus. Griegos y fenicios fundan colonias en las costas del Mediterráneo. En Italia central surgen las primeras ciudades-estado etruscas. En China, la dinastía Zhou pierde el control del imperio y se repliega hacia el este, donde funda los Zhou orientales; el imperio se fragmenta en numerosos estados. En la India los arios fundan muchos estados independientes, en cuyo seno nacen las castas. En América Central los olmecas alcanzan su máxima extensión.",  // Spanish
    "770 B.C. The Egyptians lose the southern territories , where the kingdom of Kush takes shape. Greeks and Phoenicians found colonies along the coasts of the Mediterranean. In central Italy the first Etruscan city-states arise. In China, the Chou dynasty loses control of the empire and withdraws to the east, founding the dynasty of the Eastern Chou; the empire falls apart into many small states. In India, the Aryans found many independent states, within which the caste system arises. In Central America, the Olmec civilization reaches its greatest extent.",  // English
}};

}  // namespace contenuti
