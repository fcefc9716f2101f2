// Map 78 (83 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 29 and 30 are spare: they stay on the picture with the empty caption.
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
    {17, Posizione{4250, 7030}, 0xFFFFFF, {"Nabatea", "Nabatée", "Nabatea", "Nabathea"}},
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
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{3720, 6940}, 0xFFFFFF, {"", "", "", ""}},
    {31, Posizione{3360, 5880}, 0xFFFFFF, {"Macedonia", "Macédonia", "Macedonia", "Macedon"}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Kushan", "Kushan", "Kushan", "Kushan"}},
    {33, Posizione{3600, 6440}, 0xFFFFFF, {"Asia", "Asie", "Asia", "Asia"}},
    {34, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Macabées", "Macabeos", "Machabeus"}},
    {35, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
};
}  // namespace

extern const ContenutoCarta ac83;
const ContenutoCarta ac83{etichette, NessunaPulizia, {
    "83 a.C. Tigrane guida gli Armeni alla conquista dell'alta Mesopotamia, della Siria, della Cilicia e della Fenicia. La fine della Siria apre la strada al regno dei Nabatei, che ha per capitale Petra, nell'attuale Giordania. Più ad est gli Yuezhi, popolo venuto dalla Cina occidentale da cui usciranno i Kushan, dominano la Battriana, dove regnavano i Greci.",  // Italian
    "83 av. J.- C. Tigrane, roi artaxiade d'Arménie, mène les Arméniens à la conquête de la haute Mésopotamie, de la Syrie, de la Cilicie et de la Phénicie. La crise de la Syrie ouvre la voie au royaume des Nabatéens, avec Pétra pour capitale, dans l'actuelle Jordanie. À l'est, les Yuezhi, peuple venu de Chine occidentale dont sortiront les Kouchans, tiennent la Bactriane, jadis aux Grecs.",  // French
    "83 a.C. Tigranes conduce a los armenios a la conquista de la alta Mesopotamia, Siria, Cilicia y Fenicia. El fin de Siria abre el camino al reino de los nabateos, con Petra como capital, en la actual Jordania. Más al este los yuezhi, pueblo venido de la China occidental del que saldrán los kushan, rigen Bactriana, antaño griega.",  // Spanish
    "83 B.C. Tigranes II leads the Armenians in conquering the upper Mesopotamians, the Syrians, the Cilicians and the Phoenicians. The end of Syria opens the way for the kingdom of the Nabataeans, with Petra as its capital, in present-day Jordan. Further east the Yuezhi, a people from western China and forebears of the Kushans, now rule Bactria, once held by Greeks.",  // English
}};

}  // namespace contenuti
