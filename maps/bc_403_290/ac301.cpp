// Map 66 (301 BC): overlay labels and descriptions.
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
    {9, Posizione{3600, 6360}, 0xFFFFFF, {"Regno di Antigono", "Règne d'Antigone", "Reino de Antìgona", "Antigon Kdm"}},
    {10, Posizione{2520, 7920}, 0xFFFFFF, {"Sciti", "Scythes", "Escites", "Scythians"}},
    {11, Posizione{2400, 9000}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {12, Posizione{1920, 5280}, 0xFFFFFF, {"Germanici", "Germains", "Germánicos", "Germanics"}},
    {13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {16, Posizione{3000, 5160}, 0xFFFFFF, {"Etruschi", "Etrusques", "Etruscos", "Etruscans"}},
    {17, Posizione{3960, 8040}, 0xFFFFFF, {"Impero Seleucide", "Empire Seleucide", "Imperio Seléucida", "Seleucid Empire"}},
    {18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3360, 5760}, 0xFFFFFF, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{3840, 4800}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthage"}},
    {25, Posizione{3840, 7080}, 0x000000, {"Antiochia", "Antioche", "Antioquía", "Antioch"}},
    {26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {27, Posizione{3120, 6000}, 0xFFFFFF, {"Tracia", "Thrace", "Tracia", "Thrace"}},
    {28, Posizione{3360, 7320}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
};
}  // namespace

extern const ContenutoCarta ac301;
const ContenutoCarta ac301{etichette, 29, {
    "301 a.C.    Alla morte di Alessandro, i suoi generali si contendono l'impero che, dopo lunghe lotte, si divide negli stati ellenistici. In India, nelle terre del Magadha, ai Nanda succede la dinastia Maurya: Chandragupta libera il Punjab dai Macedoni e ottiene anche dai Seleucidi Afghanistan e Belucistan.",  // Italian
    "301 av. J.- C. À la mort d'Alexandre, ses généraux se combattent longtemps et se partagent son empire, qui éclate en divers royaumes hellénistiques. En Inde, dans les terres de Magadha, Chandragupta, fondateur de la dynastie Maurya, qui succède à celle des Nanda, prend le Pendjab aux garnisons macédoniennes, puis l'Afghanistan et le Béloutchistan à Séleucos.",  // French
    "301 a.C. A la muerte de Alejandro, sus generales se disputan el imperio, que tras largas luchas se divide en estados helenísticos. En la India, en el Magadha, los Maurya suceden a los Nanda y Chandragupta arranca el Punjab a las guarniciones macedonias y Afganistán y Belucistán a los seléucidas.",  // Spanish
    "301 B.C. On Alexander's death, the generals compete  for the empire, which after long wars splits into Hellenistic states. In India, in the lands of Magadha, the Maurya succeed the Nanda: Chandragupta seizes the Punjab from the Macedonian garrisons, and Afghanistan and Belucistan from the Seleucids.",  // English
}};

}  // namespace contenuti
