// Map 83 (AD 87): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 30, Britannia, is the one label in plain blue.
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
    {26, Posizione{4900, 10080}, 0x000000, {"Stati indiani", "Etats de L'Inde", "Estados indianos", "Indian States"}},
    {27, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{2160, 4080}, 0xFF0000, {"Britannia", "Britannia", "Britannia", "Britannia"}},
    {31, Posizione{3360, 5880}, 0xFFFFFF, {"Macedonia", "Macédonie", "Macedonia", "Macedonia"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {33, Posizione{3630, 6600}, 0xFFFFFF, {"Asia", "Asia", "Asia", "Asia"}},
};
}  // namespace

extern const ContenutoCarta dc87;
const ContenutoCarta dc87{etichette, 34, {
    "87 d.C. ROMA: la conquista della Britannia, iniziata sotto Cesare, viene completata in questo periodo con la sconfitta delle rivolte capeggiate dalla regina Boudicca, mentre i Romani non riescono a sottomettere i Pitti della Scozia. INDIA: l'impero Kushan raggiunge la sua massima estensione e trae profitto dal controllo della Via della Seta, che lo mette in contatto con il mondo romano; l'impero ritorna alla cultura indiana.",  // Italian
    "87 ap. J.- C. La conquête de la Bretagne, entamée sous César, s'achève avec l'écrasement des révoltes menées par la reine Boudicca, mais les Romains ne parviennent pas à soumettre les Pictes d'Écosse. L'empire kouchan atteint sa plus grande extension et profite du contrôle de la Route de la Soie, qui le met en contact avec le monde romain ; un art bouddhique fortement hellénisé se répand au Gandhara.",  // French
    "87 d.C. Roma: la conquista de Britania, iniciada en tiempos de César, se completa finalmente en este período con la derrota de las revueltas dirigidas por la reina Boudica, mientras que los romanos no consiguen someter a los pictos de Escocia. India: el imperio kushan alcanza su mayor extensión y se beneficia del control de la Ruta de la Seda, que lo pone en contacto con el mundo romano; el imperio vuelve a la cultura india.",  // Spanish
    "87 A.D. ROME: the conquest of Britain, begun under Caesar, is finally completed in this period with the defeat of the revolts led by Queen Boudicca, while the Romans fail to subdue the Picts of Scotland. INDIA: the Kushan empire reaches its greatest extent and profits from its control of the Silk Road, which puts it in direct touch with the Roman Empire and with traders; the Kushan empire also returns to Indian culture.",  // English
}};

}  // namespace contenuti
