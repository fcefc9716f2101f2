// Map 1 (5000 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{3600, 9120}, 0x000000, {"Cacciatori-raccoglitori", "Chasseurs-collecteurs", "Cazadores-recolectores", "Hunters-gatherers"}},
    {1, Posizione{4680, 9120}, 0x000000, {"Cacciatori-agricoltori", "Chasseurs-agriculteurs", "Cazadores-agricultores", "Hunters-agriculturists"}},
    {2, Posizione{4110, 9120}, 0xFF0000, {"Comunità agricole", "Communautés agricoles", "Comunidades agrìcolas", "Agricultural Communities"}},
};
}  // namespace

extern const ContenutoCarta ac5000;
const ContenutoCarta ac5000{etichette, 3, {
    "5000 a.C.  Il mondo prima della rivoluzione urbana. La carta segna solo le aree più densamente popolate. Lungo le valli dei grandi fiumi l'agricoltura si affianca ormai all'allevamento e permette di produrre più cibo del necessario. I villaggi di agricoltori si ingrandiscono e si avviano a diventare le prime città. La maggior parte dell'umanità vive però ancora di caccia, di pesca e di raccolta. La popolazione mondiale è stimata in circa 5 milioni di persone.",  // Italian
    "5000 Av.J.C. Le monde avant la révolution urbaine. La carte n'indique que les régions les plus peuplées. Dans les vallées du Nil, de l'Euphrate et du Tigre, l'agriculture s'ajoute à l'élevage et les villages de paysans s'agrandissent peu à peu jusqu'à devenir les premières villes. La majeure partie de l'humanité vit encore de la chasse, de la pêche et de la cueillette. La population mondiale est estimée à 5 millions d'habitants.",  // French
    "5000 a.C. El mundo antes de la revolución urbana. El mapa marca solo las zonas más densamente pobladas. A lo largo de los grandes ríos la agricultura se practica ya junto al pastoreo y produce más alimentos de los necesarios. Las aldeas de agricultores crecen en número y en tamaño y se encaminan a convertirse en las primeras ciudades. La mayor parte de la humanidad vive todavía de la caza, de la pesca y de la recolección. Se calcula que la población mundial es de unos 5 millones de personas.",  // Spanish
    "5000 B.C. The world before the urban revolution. The map marks only the most densely peopled areas. Along the great rivers, farming now goes hand in hand with herding and yields more food than is needed to survive. Farming villages grow in number and size and are on their way to becoming the first cities. Most of humankind, however, still lives by hunting, fishing and gathering. The world population is put at around 5 million.",  // English
}};

}  // namespace contenuti
