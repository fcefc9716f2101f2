// Map 84 (world, AD 117): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 2 and 3 are spare: parked below the picture with the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 9100}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados indianos", "Indian States"}},
    {1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {2, Posizione{6360, 6720}, 0x000000, {"", "", "", ""}},
    {3, Posizione{6360, 6960}, 0x000000, {"", "", "", ""}},
    {4, Posizione{2040, 7080}, 0x000000, {"IMPERO ROMANO", "EMPIRE ROMAIN", "IMPERIO ROMANO", "ROMAN EMPIRE"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{2280, 10200}, 0x000000, {"Imp. HAN", "Emp. HAN", "Imp. HAN", "HAN Emp."}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8280}, 0x000000, {"Imp. dei Parti", "Emp.des Parthes", "Imp.Parta", "Parthian Emp."}},
};
}  // namespace

extern const ContenutoCarta dc117;
const ContenutoCarta dc117{etichette, 9, {
    "117 d.C. Sotto l'imperatore Traiano, nato in Spagna, Roma conquista l'Armenia e la Mesopotamia e raggiunge la sua massima estensione. AFRICA: da secoli è in atto una delle grandi migrazioni della storia: i Bantu, la cui patria d'origine è probabilmente il Camerun, si insediano nell'Africa equatoriale e meridionale e si dividono in due gruppi linguistici, uno occidentale e uno orientale.",  // Italian
    "117 ap. J.- C. Sous l'empereur Trajan, d'origine espagnole, Rome conquiert la Dacie, que célèbre la colonne Trajane, puis l'Arménie et la Mésopotamie, et atteint sa plus grande extension. En Afrique a lieu une des grandes migrations de l'histoire : les Bantous, sans doute originaires du Cameroun, peuplent l'Afrique équatoriale et australe et se divisent en deux groupes linguistiques, l'un occidental, l'autre oriental.",  // French
    "117 d.C. Bajo el emperador hispano Trajano, Roma conquista Armenia y Mesopotamia y alcanza su máxima extensión. África: tiene lugar una de las grandes migraciones de la historia: los bantúes, originarios probablemente de Camerún, se asientan en el África ecuatorial y meridional y se dividen en dos grupos lingüísticos, uno occidental y otro oriental.",  // Spanish
    "117 A.D. Under the emperor Trajan, of Spanish origin, the Romans conquer Armenia and Mesopotamia and obtain the maximum extension of the empire. AFRICA: one of the greatest migrations of history is continuing from hundreds of years: the Bantus probably original of Cameroon settle in equatorial and southern Africa and divide into two great language families, a western one and an eastern one.",  // English
}};

}  // namespace contenuti
