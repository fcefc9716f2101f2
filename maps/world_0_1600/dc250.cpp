// Map 85 (world, AD 220): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 2 and 6 are spare: parked below the picture with the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 7800}, 0xFFFFFF, {"Kush", "Koush", "Kush", "Kush"}},
    {1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {2, Posizione{6360, 6720}, 0x000000, {"", "", "", ""}},
    {3, Posizione{2640, 9240}, 0x000000, {"Stati indiani", "Etats Indiens", "Estados de India", "Indian States"}},
    {4, Posizione{2040, 7080}, 0x000000, {"IMPERO ROMANO", "EMPIRE ROMAIN", "IMPERIO ROMANO", "ROMAN EMPIRE"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{6360, 8640}, 0x000000, {"", "", "", ""}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8280}, 0x000000, {"Imp. Sassanide", "Emp.Sassanide", "Imp.Sasànide", "Sasanian Emp."}},
    {9, Posizione{2900, 8280}, 0x000000, {"Himyariti", "Himyarithes", "Himyaritas", "Himyariths"}},
};
}  // namespace

extern const ContenutoCarta dc250;
const ContenutoCarta dc250{etichette, 10, {
    "220 d.C.    CINA: l'impero Han crolla per l'azione di una setta religiosa e di una rivolta popolare in Sichuan; inizia il periodo dei Tre Regni, che dura fino al 280.    Negli stessi anni Ardashir I sconfigge i Parti (224) e fonda l'impero Sassanide, che comprende anche l'Armenia e la Mesopotamia, terre a lungo contese tra Parti e Romani.   In INDIA continua la frammentazione politica.    In Arabia, nell'attuale Yemen, prende forma lo stato degli Himyariti(di origine ebraica). Popolazione mondiale: 190 milioni.",  // Italian
    "220 ap. J.- C. En Chine, l'empire Han s'effondre, miné par un schisme religieux, par une révolte populaire au Sichuan et par les luttes pour la succession : il se divise en trois États et s'ouvre la période des Trois Royaumes, qui durera une soixantaine d'années. Au même moment, Ardachir renverse la dynastie parthe des Arsacides en 224 et fonde l'empire sassanide, qui englobe également l'Arménie et une partie de la Mésopotamie. En Inde, la fragmentation politique se poursuit sans relâche. En Arabie, dans la région de l'actuel Yémen, naît le royaume des Himyarites. On estime la population mondiale à environ 190 millions d'habitants.",  // French
    "220 d.C. China: el imperio Han se derrumba por un cisma religioso y una revuelta popular en Sichuan; comienza el período de los Tres Reinos, que durará hasta 280. En esos mismos años Ardashir derrota a los partos (224) y funda el imperio sasánida, que incluye también Armenia y Mesopotamia, tierras disputadas por siglos entre Roma y los partos. En la India continúa la fragmentación política. En Arabia, en el actual Yemen, surge el estado de los himyaritas, luego judaizados. La población mundial es de 190 millones.",  // Spanish
    "220 A.D. CHINA: the Han empire collapses under a religious schism and a popular revolt in Sichuan, and the period of the Three Kingdoms begins, a period that will last until A.D. 280. In the same years Ardashir defeats the Parthians (in 224) and founds the Sassanid empire, which also takes in Armenia and Mesopotamia, lands long disputed by Parthians and Romans. In INDIA the political fragmentation goes on. In Arabia, in present-day Yemen, the Himyarite state arises, whose kings will then adopt Judaism. The world's population is 190 million.",  // English
}};

}  // namespace contenuti
