// Map 68 (264 BC): overlay labels and descriptions.
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
    {26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {27, Posizione{3360, 6840}, 0xFFFFFF, {"Ponto", "Pont", "Ponto", "Pontus"}},
    {28, Posizione{3480, 7200}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {30, Posizione{3600, 5640}, 0x000000, {"Lega Achea", "Ligue Grecque", "Liga Aquea", "Achean League"}},
    {31, Posizione{3360, 5400}, 0x000000, {"Epiro----", "Epire----", "Epiro----", "Epiro----"}},
};
}  // namespace

extern const ContenutoCarta ac264;
const ContenutoCarta ac264{etichette, 32, {
    "264 a.C.      ROMA: dopo le guerre sannitiche, i Romani sconfiggono nel 275 a.C. Pirro, re dell'Epiro, giunto in aiuto a Taranto, e Roma domina ormai l'intera penisola. Nel Medioriente, in Anatolia, si formano i regni di Bitinia, Galazia, Cappadocia, Armenia e Atropatene; Eumene I sconfigge Antioco I di Siria e fonda il regno di Pergamo. Più a est l'impero ellenistico dei Seleucidi controlla ancora la Partia e la Battriana.",  // Italian
    "264 av. J.- C. Après les guerres samnitiques, les Romains battent à Benevent, en 275 av. J.- C., Pyrrhus, roi d'Épire, venu au secours de Tarente : Rome domine toute la péninsule. En Anatolie naissent les royaumes de Bithynie, Galatie, Cappadoce, Arménie et Atropatène ; Eumène Ier bat Antiochos Ier de Syrie et fonde le royaume de Pergame. Plus à l'est, l'empire hellénistique des Séleucides tient encore la Parthie et la Bactriane.",  // French
    "264 a.C. Roma: después de las guerras samnitas, los romanos derrotan en el 275 a.C. a Pirro, rey de Epiro, que ayudó a Tarento, y Roma domina ya toda la península itálica. En Anatolia se forman los reinos de Bitinia, Galacia, Capadocia, Armenia y Atropatene; Eumenes vence a Antíoco de Siria y funda el reino de Pérgamo. Más al este, el imperio helenístico de los seléucidas aún gobierna la Partia y la Bactriana.",  // Spanish
    "264 B.C. ROME: after the Samnitic Wars, the Romans defeat (275 B.C.) Pyrrhus, king of Epirus, who had come to the aid of Taranto, and Rome now rules the entire peninsula. In Anatolia the kingdoms of Bithynia, Galatia, Cappadocia, Armenia and Atropatene are formed, and Eumenes defeats Antiochus of Syria and founds the realm of Pergamon. Further east the Hellenistic empire of the Seleucids still holds the distant satrapies of Parthia and of Bactria.",  // English
}};

}  // namespace contenuti
