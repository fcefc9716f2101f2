// Map 67 (290 BC): overlay labels and descriptions.
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
    {9, Posizione{3600, 6360}, 0xFFFFFF, {"", "", "", ""}},
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

extern const ContenutoCarta ac290;
const ContenutoCarta ac290{etichette, 29, {
    "290 a.C.      ROMA: dopo la vittoria dei Romani a Sentino nel 295 a.C. su Galli, Etruschi e Sanniti, Roma si affaccia sull'Adriatico ed estende il controllo alle Marche, alla Puglia e alla Campania. ASIA MINORE: dopo la sconfitta e la morte di Antigono a Ipso nel 301 a.C., l'Asia Minore è divisa tra Lisimaco e i Seleucidi di Seleuco I.",  // Italian
    "290 av. J.- C. Après leur victoire à Sentinum en 295 av. J.- C. sur les Gaulois, Étrusques et Samnites, les Romains atteignent l'Adriatique, étendent leur pouvoir aux Marches, à l'Apulie et à la Campanie, et deviennent maîtres de l'Italie centrale. Après la défaite et la mort d'Antigone à Ipsos en 301 av. J.- C., l'Asie Mineure va à Lysimaque et Séleucos.",  // French
    "290 a.C. Roma: después de la victoria de los romanos en Sentino en 295 a.C. sobre galos, etruscos y samnitas, Roma llega al mar Adriático y extiende su control a las Marcas, Apulia y Campania. Asia Menor: tras la derrota y muerte de Antígono en Ipsos en 301 a.C., Lisímaco y el seléucida Seleuco se reparten Asia Menor.",  // Spanish
    "290 B.C. ROME: after the victory of the Romans at Sentino in 295 B.C. over Gauls, Etruscans and Samnites, Rome reaches the Adriatic and extends its control over the Marches, Apulia and Campania. ASIA MINOR: after the defeat and death of Antigonus at Ipsus in 301 B.C., Asia Minor is shared out between Lysimachus and Seleucus I.",  // English
}};

}  // namespace contenuti
