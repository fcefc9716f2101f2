// Map 75 (146 BC): overlay labels and descriptions.
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
    {9, Posizione{3960, 8160}, 0xFFFFFF, {"Partia", "Parthe", "Partia", "Parthia"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {16, Posizione{5520, 7035}, 0xFFFFFF, {"", "", "", ""}},
    {17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3240, 5880}, 0xFFFFFF, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Songa", "Empire Songa", "Imperio Songa", "Songa Empire"}},
    {27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadoce"}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3720, 6940}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Seleucid"}},
    {31, Posizione{5520, 6360}, 0x000000, {"", "", "", ""}},
    {32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
};
}  // namespace

extern const ContenutoCarta ac146;
const ContenutoCarta ac146{etichette, 33, {
    "146 a.C.  ROMA, al termine della 3° guerra punica, distrugge Cartagine e sottomette la Grecia, che diventa provincia romana.    Conquista anche le coste della Dalmazia.    I Parti occupano la Mesopotamia e riducono l'Impero Seleucide alla sola Siria e alle coste del Mediterraneo.   INDIA: l'ultimo dei Maurya scompare (185 a.C.): gli succedono i Songa. La Battriana torna libera ed estende i suoi domini verso nord-ovest e sud-est.",  // Italian
    "146 av. J.- C. Rome, met fin à la troisième guerre punique en détruisant Carthage et soumet la Grèce, qui devient une province romaine : c'est le début de l'hellénisation de l'Italie. Elle conquiert aussi les côtes dalmates. Les Parthes occupent la Mésopotamie et réduisent l'Empire séleucide à la Syrie et au littoral méditerranéen. En Inde le dernier des Maurya disparaît (185 av. J.- C.) et les Shunga lui succèdent. La Bactriane redevient indépendante et s'étend vers le nord-ouest et le sud-est.",  // French
    "146 a.C. Al término de la Tercera Guerra Púnica, Roma destruye Cartago y somete Grecia, que se convierte en provincia romana. Roma conquista también las costas de Dalmacia. Los partos ocupan Mesopotamia y reducen el Imperio Seléucida a la sola Siria y a las costas del Mediterráneo. En la India desaparece el último de los Maurya (185 a.C.) y le suceden los Sunga. Bactriana se independiza de nuevo y extiende sus dominios hacia el noroeste y el sudeste.",  // Spanish
    "146 B.C. Rome, during the Third Punic War, destroys Carthage and subdues Greece, which becomes a Roman province. Rome also seizes the Dalmatian coasts. The Parthians occupy Mesopotamia and reduce the Seleucid Empire to Syria alone and the coasts of the Mediterranean. INDIA: the last of the Maurya disappears (185 B.C.) and the Songa replace him. Bactria regains its independence and expands to the north-west and the south-east.",  // English
}};

}  // namespace contenuti
