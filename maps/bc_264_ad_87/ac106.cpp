// Map 77 (106 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 30 and 17 carry one name on two lines, label 30 above label 17.
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
    {17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3480, 3840}, 0xFFFFFF, {"Hispania", "Hispania", "Hispania", "Hispania"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3000, 5640}, 0xFFFFFF, {"Dalmatia", "Dalmatia", "Dalmatia", "Dalmatia"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Songa", "Empire Songa", "Imperio Songa", "Songa Empire"}},
    {27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadoce"}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3720, 6940}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Seleucid"}},
    {31, Posizione{3360, 5880}, 0xFFFFFF, {"Macedonia", "Macédonia", "Macedonia", "Macedon"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {33, Posizione{3600, 6440}, 0xFFFFFF, {"Asia", "Asie", "Asia", "Asia"}},
    {34, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Machabées", "Macabeos", "Machabeus"}},
    {35, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
};
}  // namespace

extern const ContenutoCarta ac106;
const ContenutoCarta ac106{etichette, NessunaPulizia, {
    "106 a.C. Giugurta, re di Numidia, è sconfitto dai Romani, che estendono i propri possedimenti in Africa. In Asia Minore Roma acquisisce nuovi territori e istituisce la provincia d'Asia. In Cina l'imperatore Han Wu Ti estende l'impero a sud e a nordest, fino alla Corea; sconfiggendo gli Xiongnu conquista l'Asia centrale, attraverso la quale apre la VIA della SETA, che collega la Cina con il Mediterraneo.",  // Italian
    "106 av. J.- C. Jugurtha, roi de Numidie, est battu puis livré aux Romains : il perd alors son royaume, qui devient une province romaine. En Asie Mineure, Rome s'empare de nouveaux territoires et crée la province d'Asie. En Chine, l'empereur Han Wu Ti étend l'empire au sud et au nord-est, jusqu'à la Corée ; vainqueur des Xiongnu, il conquiert l'Asie centrale et y ouvre la Route de la Soie, qui relie la Chine au monde méditerranéen et annonce une grande prospérité pour l'empire.",  // French
    "106 a.C. Yugurta, rey de Numidia, es derrotado por los romanos, que amplían sus posesiones en África. En Asia Menor los romanos ocupan nuevos territorios y crean la provincia de Asia. Wu Ti, emperador Han de China, extiende el imperio al sur y al nordeste, hasta Corea; tras derrotar a los Xiongnu conquista Asia central, por donde abre la Ruta de la Seda, que une China con el Mediterráneo.",  // Spanish
    "106 B.C. Jugurtha, king of Numidia, is defeated by the Romans, who extend their possessions in Africa. The Romans also take further territory in Asia Minor and create the province of Asia. Wu you, the Han emperor of China, extends the empire to the south and the north-east into Korea; crushing the Xiongnu he wins Central Asia, through which he opens the Silk Road that links China with the Mediterranean.",  // English
}};

}  // namespace contenuti
