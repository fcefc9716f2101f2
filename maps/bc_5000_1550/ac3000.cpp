// Map 4 (3000 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{3630, 8880}, 0x000000, {"Comunità di agricoltori", "Communautés agricoles", "Comunidades agrícolas", "Agricultural Communities"}},
    {1, Posizione{4035, 8880}, 0x000000, {"Cacciatori - raccoglitori", "Chasseurs-collecteurs", "Cazadores-recolectores", "Hunters-gatherers"}},
    {2, Posizione{4395, 8880}, 0xFF0000, {"Spazio urbanizzato", "Espace urabnisé", "Espacio urbanizado", "Urbanized lands"}},
    {3, Posizione{4830, 8880}, 0x000000, {"Spazio in via di urbanizzazione", "Espace proche à l'urbanisation", "Territorios en vías de urbanización", "Lands in contact with urban life"}},
};
}  // namespace

extern const ContenutoCarta ac3000;
const ContenutoCarta ac3000{etichette, 4, {
    "3000 a.C.  La civiltà urbana si è ormai diffusa lungo il Nilo, in Mesopotamia e sulle sponde orientali del Mediterraneo, e sta prendendo forma anche nella valle dell'Indo. Insieme alle città si sviluppano i commerci, che diffondono tecniche, culture e lingue tra popoli anche molto lontani. La popolazione mondiale è stimata in circa 14 milioni di abitanti.",  // Italian
    "3000 Av.J.C. La civilisation urbaine s'est répandue le long du Nil, en Mésopotamie et sur les rivages orientaux de la Méditerranée, et elle prend forme dans la vallée de l'Indus. Avec les villes se développe le commerce, qui transporte les techniques, les cultures et les langues d'un peuple à l'autre. La population mondiale est estimée à 14 millions d'habitants.",  // French
    "3000 a.C. La civilización urbana se ha extendido ya a lo largo del Nilo, por Mesopotamia y por las costas orientales del Mediterráneo, y empieza a tomar forma en el valle del Indo. Junto con las ciudades crece también el comercio, que difunde técnicas, culturas y lenguas entre pueblos incluso muy lejanos. Se calcula que la población mundial alcanza unos 14 millones de habitantes.",  // Spanish
    "3000 B.C. The urban civilization has now spread along the Nile, through Mesopotamia and along the eastern shores of the Mediterranean, and it is taking shape in the Indus valley as well. Trade grows together with the cities and it carries techniques, cultures and languages from one people to another, even over very long distances. The world population is estimated at about 14 million people.",  // English
}};

}  // namespace contenuti
