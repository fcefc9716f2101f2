// Map 80 (51 BC): overlay labels and descriptions.
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
    {15, Posizione{2520, 4440}, 0xFFFFFF, {"Gallia", "Gallia", "Gallia", "Gallia"}},
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

extern const ContenutoCarta ac51;
const ContenutoCarta ac51{etichette, 34, {
    "51 a.C.    Cesare completa la conquista della Gallia Transalpina. Sfida quindi il Senato e Pompeo, che temono il suo prestigio, e nel 49 a.C. attraversa il Rubicone con il suo esercito. Vince poi la guerra civile che ne segue, accumula numerose cariche e governa di fatto come un imperatore; per questo potere i difensori della Repubblica lo uccidono nel 44 a.C. ",  // Italian
    "51 av. J.- C. Jules César achève enfin la conquête de la Gaule chevelue. Il défie ensuite le Sénat et Pompée, qui craignent son prestige grandissant, et en 49 av. J.-C. il franchit le Rubicon avec ses légions et marche sur Rome. Il remporte la longue guerre civile qui en découle et gouverne comme consul et dictateur à vie, jusqu'à ce qu'une conjuration mette fin à ses jours en 44 av. J.-C.",  // French
    "51 a.C. Julio César completa la conquista de la Galia Transalpina. Después, desafía abiertamente al Senado y a Pompeyo, que temen su creciente prestigio, y en el año 49 a.C. cruza el Rubicón con su ejército. Gana la larga guerra civil que sigue, acumula en sus manos numerosos cargos y gobierna como un emperador; por ese poder los defensores de la República lo asesinan en el año 44 a.C.",  // Spanish
    "51 B.C. Caesar defies the Senate and Pompey (this one fears Caesar reputation), and in 49 B.C. he crosses the Rubicon with his loyal legions. He then wins the bitter civil war that follows, gathers many offices in his own hands and rules Rome like an emperor; for that power the defenders of the Republic assassinate him in 44 B.C.",  // English
}};

}  // namespace contenuti
