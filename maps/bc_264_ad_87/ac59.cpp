// Map 79 (59 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{3960, 5400}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3000, 6600}, 0xC00000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{2880, 7680}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2760, 8520}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5160, 6960}, 0xC00000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{4560, 7920}, 0xC00000, {"G.Persico", "G.Persique", "G.Pérsico", "Persian G."}},
    {7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {9, Posizione{3960, 8160}, 0xFFFFFF, {"Partia", "Parthe", "Partia", "Parthia"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {16, Posizione{3840, 4770}, 0xFFFFFF, {"Africa", "Africa", "Africa", "Africa"}},
    {17, Posizione{3280, 6960}, 0xFFFFFF, {"Ponto", "Pont", "Ponto", "Pontus"}},
    {18, Posizione{4250, 7030}, 0x000000, {"Nabatea", "Nabatée", "Nabatea", "Nabathea"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3480, 3840}, 0xFFFFFF, {"Hispania", "Hispania", "Hispania", "Hispania"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3000, 5640}, 0xFFFFFF, {"Dalmatia", "Dalmatia", "Dalmatia", "Dalmatia"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Kanva", "Empire Kanva", "Imperio Kanva", "Kanva Empire"}},
    {27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadocia"}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {31, Posizione{3360, 5880}, 0xFFFFFF, {"Macedonia", "Macédonie", "Macedonia", "Macedonia"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Kushan", "Kushan", "Kushan", "Kushan"}},
    {33, Posizione{3600, 6400}, 0xFFFFFF, {"Asia", "Asia", "Asia", "Asia"}},
};
}  // namespace

extern const ContenutoCarta ac59;
const ContenutoCarta ac59{etichette, 34, {
    "59 a.C. Con le guerre contro Mitridate Roma conquista la Bitinia e il Ponto; annette inoltre la Siria, la Palestina e la Cirenaica. L'Armenia perde le sue conquiste a vantaggio dei Parti e dei Romani. INDIA: i Kanva sostituiscono i Songa alla guida dell'impero; i nomadi Saka, spinti dagli Unni, penetrano nel nord-ovest.",  // Italian
    "59 av. J.- C. Grâce à sa campagne contre Mithridate VI, Rome annexe la Bithynie, le Pont, la Cilicie, la Syrie et Chypre. L'Arménie perd ses conquêtes au profit des Parthes et des Romains. En Inde, les Kanva remplacent les Shunga à la tête de l'empire, et les nomades Saka, poussés par les Huns, pénètrent jusqu'au Pendjab.",  // French
    "59 a.C. Gracias a sus guerras contra Mitrídates, Roma conquista la Bitinia y el Ponto; además se anexiona Siria, Palestina y Cirenaica. Armenia pierde sus conquistas en beneficio de los partos y de los romanos. India: los Kanva sustituyen a los Sunga a la cabeza del imperio; los nómadas saka, empujados por los hunos, penetran en el noroeste.",  // Spanish
    "59 B.C. Through its wars against Mithridates, Rome conquers Bithynia and Pontus; it then annexes Syria, Palestine and Cyrene. Armenia loses its conquests to the Parthians and the Romans. INDIA: the Kanva replace the Songa at the head of the empire; the Saka nomads, hard pressed by the Huns, push into the north-west.",  // English
}};

}  // namespace contenuti
