// Map 82 (AD 14): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 27 is spare: parked below the picture with the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{3960, 5400}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3000, 6600}, 0xC00000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{2880, 7680}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2760, 8520}, 0xC00000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{4680, 6840}, 0xC00000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{4560, 7920}, 0xC00000, {"G.Persico", "G.Persique", "G.Pérsico", "Persian G."}},
    {7, Posizione{4800, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {9, Posizione{3960, 8160}, 0xFFFFFF, {"Partia", "Parthe", "Partia", "Parthia"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4440, 6360}, 0xFFFFFF, {"Aegyptus", "Aegyptus", "Aegyptus", "Aegyptus"}},
    {15, Posizione{2520, 4440}, 0xFFFFFF, {"Gallia", "Gallia", "Gallia", "Gallia"}},
    {16, Posizione{3840, 4770}, 0xFFFFFF, {"Africa", "Africa", "Africa", "Africa"}},
    {17, Posizione{3960, 7020}, 0xFFFFFF, {"Syria", "Syria", "Syria", "Syria"}},
    {18, Posizione{4250, 7030}, 0x000000, {"Nabatea", "Nabatée", "Nabatea", "Nabathea"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3480, 3840}, 0xFFFFFF, {"Hispania", "Hispania", "Hispania", "Hispania"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3000, 5520}, 0xFFFFFF, {"Dalmatia", "Dalmatia", "Dalmatia", "Dalmatia"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4890, 9720}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados de India", "Indian States"}},
    {27, Posizione{5520, 6360}, 0xFFFFFF, {"", "", "", ""}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {31, Posizione{3360, 5880}, 0xFFFFFF, {"Macedonia", "Macédonie", "Macedonia", "Macedonia"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {33, Posizione{3630, 6600}, 0xFFFFFF, {"Asia", "Asia", "Asia", "Asia"}},
};
}  // namespace

extern const ContenutoCarta dc14;
const ContenutoCarta dc14{etichette, 34, {
    "14 d.C. L'Impero Romano alla morte di Ottaviano Augusto. Formalmente Roma è ancora una repubblica, ma Ottaviano ha esercitato il potere di un imperatore. Prima di morire ha designato suo successore Tiberio, il figlio che sua moglie Livia aveva avuto dal precedente matrimonio.",  // Italian
    "14 ap. J.- C. À la mort d'Octave Auguste, Rome reste officiellement une république, mais Octave a exercé le pouvoir d'un empereur. Avant de mourir, il avait désigné son successeur, Tibère, le fils que son épouse Livie avait eu d'un premier mariage.",  // French
    "14 d.C. El Imperio Romano a la muerte de Octavio Augusto. Formalmente, Roma sigue siendo una república, pero Octavio ha ejercido el poder de un emperador. Antes de morir designó como su sucesor a Tiberio, el hijo que su esposa Livia había tenido de su anterior matrimonio.",  // Spanish
    "14 A.D. The Roman Empire at the death of Octavian Augustus. In form, Rome is still a republic, but Octavian has held the powers of an emperor. Before his death he named his successor, Tiberius, the son whom Livia had from her previous marriage.",  // English
}};

}  // namespace contenuti
