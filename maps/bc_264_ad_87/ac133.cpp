// Map 76 (133 BC): overlay labels and descriptions.
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
    {16, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Machabées", "Macabeos", "Machabeus"}},
    {17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {21, Posizione{3480, 3840}, 0xFFFFFF, {"Hispania", "Hispania", "Hispania", "Hispania"}},
    {22, Posizione{4430, 8400}, 0x000000, {"Persepoli", "Persepolis", "Persépolis", "Persepolis"}},
    {23, Posizione{3480, 6360}, 0x000000, {"Pergamo", "Pergame", "Pérgamo", "Pergamon"}},
    {24, Posizione{5760, 7080}, 0xFFFFFF, {"", "", "", ""}},
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

extern const ContenutoCarta ac133;
const ContenutoCarta ac133{etichette, 33, {
    "133 a.C.    ROMA: alla morte del re di Pergamo, Roma riceve in eredità il suo regno e così entra in Asia Minore. Roma estende poi il suo dominio in Spagna e, accorsa in aiuto della greca Marsiglia, sua antica alleata, crea nel sud della Francia la provincia della Gallia Narbonese (121 a.C.).    Gli Ebrei, guidati dai Maccabei, diventano indipendenti dai Siriani, ossia da ciò che resta dell'Impero Seleucide.",  // Italian
    "133 av. J.- C. A sa mort d'Attale III, roi de Pergame, son royaume, qu'il lègue par testament, revient à Rome, qui prend ainsi pied en Asie Mineure. Rome pacifie l'Espagne et fonde en 121 av. J.- C. la province  de Gaule transalpine, dans le sud de la France, à l'appel de Marseille, colonie grecque alliée de Rome, qui demeure libre. Les Juifs,  conduits par les Maccabées, se soulèvent contre le roi séleucide Antiochos IV et obtiennent l'indépendance de la Judée en 142 av. J.- C.",  // French
    "133 a.C. Roma: a la muerte del rey de Pérgamo, Roma recibe en herencia su reino y entra así en Asia Menor. Además, Roma extiende su dominio en Hispania y crea en el sur de Francia la provincia de la Galia Narbonense (121 a.C.), tras acudir en ayuda de su vieja aliada, la ciudad griega de Marsella. Los hebreos, guiados por los Macabeos, obtienen su autonomía de los sirios, o sea, de lo que aún queda del Imperio Seléucida.",  // Spanish
    "133 B.C.  ROME: due to the death of the king of Pergamon, Rome receives his kingdom as inheritance and thus enters Asia Minor. Rome also extends its rule in Spain and founds the province of Transalpine Gaul (121 B.C.) in the south of France, coming to the aid of its ally, the Greek city of Marseilles, which stays free. The Hebrews, led by the Maccabees, become independent of the Syrians (that is of what remains of the Seleucid empire).",  // English
}};

}  // namespace contenuti
