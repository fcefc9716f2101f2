// Map 81 (world, year zero): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 2 and 3 are spare: parked below the picture with the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 9100}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados de India", "Indian States"}},
    {1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {2, Posizione{6360, 6720}, 0x000000, {"", "", "", ""}},
    {3, Posizione{6360, 6960}, 0x000000, {"", "", "", ""}},
    {4, Posizione{2080, 6900}, 0x000000, {"IMPERO ROMANO", "EMPIRE ROMAIN", "IMPERIO ROMANO", "ROMAN EMPIRE"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{2280, 10200}, 0x000000, {"Imp.HAN", "Emp.HAN", "Imp.HAN", "HAN Emp."}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8280}, 0x000000, {"Imp. dei Parti", "Emp.des Parthes", "Imp.Parta", "Parthian Emp."}},
};
}  // namespace

extern const ContenutoCarta zero;
const ContenutoCarta zero{etichette, 9, {
    "1 a.C. La Terra alla nascita di Cristo. AFRICA: nascono i regni di Kush e di Axum. INDIA: i Kushan, provenienti dal nord, estendono il loro dominio dall'Afghanistan al Pakistan e all'India settentrionale. A Roma regna Ottaviano Augusto, che Cesare aveva adottato come figlio; Roma vive in pace e in grande prosperità economica. La popolazione mondiale è di 170 milioni.",  // Italian
    "1 av. J.- C. Le Monde à la naissance du Christ. En Afrique, les royaumes de Koush, en Nubie, et d'Axoum, en Éthiopie, prennent forme. En Inde, les Kouchans, venus du nord, étendent leur royaume de l'Afghanistan au Pakistan jusqu'à la région de l'Indus. À Rome règne Octave Auguste, que César avait adopté comme fils ; Rome vit dans la paix et connaît une grande prospérité économique. La population mondiale est estimée à 170 millions.",  // French
    "1 a.C. La Tierra en el nacimiento de Cristo. África: toman forma los reinos de Kush y de Axum. India: los kushan, llegados del norte, extienden su reino desde Afganistán hasta Pakistán y el norte de la India. En Roma reina Octavio Augusto, a quien Julio César había adoptado como hijo; Roma vive en paz y en gran prosperidad económica. La población mundial es de 170 millones.",  // Spanish
    "1 B.C. The Earth at the birth of Christ. AFRICA: the kingdoms of Kush and Axum take shape. INDIA: the Kushans, from the north, extend their kingdom from Afghanistan to Pakistan and northern India. ROME: Octavian Augustus governs. He is an adopted son of Caesar. Rome lives in peace and great economic prosperity. The world's population is 170 million.",  // English
}};

}  // namespace contenuti
