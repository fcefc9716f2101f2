// Map 69 (241 BC): overlay labels and descriptions.
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
    {9, Posizione{4080, 8640}, 0xFFFFFF, {"Partia", "Parthe", "Partia", "Parthia"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {16, Posizione{3000, 5160}, 0xFFFFFF, {"Etruschi", "Etrusques", "Etruscos", "Etruscans"}},
    {17, Posizione{3960, 7320}, 0xFFFFFF, {"Impero Seleucide", "Empire Seleucide", "Imperio Seléucida", "Seleucid Empire"}},
    {18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3240, 5880}, 0xFFFFFF, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {27, Posizione{3360, 6840}, 0xFFFFFF, {"Ponto", "Pont", "Ponto", "Pontus"}},
    {28, Posizione{3480, 7200}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3600, 5640}, 0x000000, {"Lega Achea", "Ligue Grecque", "Liga Aquea", "Achean League"}},
    {31, Posizione{3360, 5400}, 0x000000, {"Epiro----", "Epire----", "Epiro----", "Epiro----"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
};
}  // namespace

extern const ContenutoCarta ac241;
const ContenutoCarta ac241{etichette, 33, {
    "241 a.C.      Finisce la 1° guerra punica: i Romani prendono la Sicilia, poi la Sardegna e la Corsica (238) e parte della pianura padana (222). Attalo I estende il regno di Pergamo. Battriana e Partia si staccano dai Seleucidi e nell'Impero Maurya il buddismo diventa la religione dominante. ",  // Italian
    "241 av. J.- C. La première guerre punique s'achève : les Romains prennent la Sicile, puis la Sardaigne et la Corse (227 av. J.- C.) et une partie de la plaine du Pô (222 av. J.- C.). Attale Ier étend les domaines du royaume de Pergame. La Bactriane et les Parthes arsacides s'émancipent des Séleucides. Sous Açoka, le bouddhisme devient la religion dominante de l'Empire Maurya.",  // French
    "241 a.C. Finaliza la Primera Guerra Púnica: los romanos ganan Sicilia, luego Cerdeña y Córcega (238) y parte de la llanura del Po (222). Atalos agranda el reino de Pérgamo. Bactriana y Partia se separan de los seléucidas y en el Imperio Maurya el budismo pasa a ser la religión predominante.",  // Spanish
    "241 B.C. The first Punic War ends: the Romans conquer  Sicily, then Sardinia and Corsica (238) and part of the Po plain (222). Attalus I enlarges Pergamon's domain. Bactria and Parthia secede from the Seleucids, and within the Maurya Empire Buddhism becomes the dominant religion.",  // English
}};

}  // namespace contenuti
