// Map 10 (2000 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{1680, 6240}, 0xFF0000, {"INDOEUROPEI", "INDOEUROPEENS", "INDOEUROPEOS", "INDOEUROPEANS"}},
    {1, Posizione{2160, 4320}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {2, Posizione{3720, 6240}, 0xFFFFC0, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {3, Posizione{2520, 4800}, 0x000000, {"Italici", "Italiques", "itálicos", "Italics"}},
    {4, Posizione{2880, 5160}, 0x000000, {"Achei", "Achéens", "Acheos", "Acheans"}},
    {5, Posizione{2880, 5760}, 0x000000, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {6, Posizione{3240, 6720}, 0xFFFFFF, {"Medi-Persiani", "Mèdes-Perses", "Medios - Persa", "Medians - persians"}},
    {7, Posizione{2760, 7680}, 0xFFFFFF, {"Arii", "Aryens", "Aryanos", "Aryans"}},
    {8, Posizione{3600, 7560}, 0x000000, {"Civiltà dell'Indo", "Civilisation de l'Inde", "Civilización del Indo", "Indus Civilisation"}},
    {9, Posizione{3600, 5640}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {10, Posizione{3240, 10080}, 0xFFFFFF, {"Cina", "Chine", "China", "China"}},
    {11, Posizione{3480, 6120}, 0xFFFFFF, {"Amorriti", "Amorrites", "Amorita", "Amorites"}},
};
}  // namespace

extern const ContenutoCarta ac2000;
const ContenutoCarta ac2000{etichette, 12, {
    "2000 a.C.  Molte tribù di popolazioni indoeuropee emigrano verso sud e verso ovest, in Europa, in Anatolia, in Iran e in India. Gli Amorriti, popolo semitico, si stabiliscono in Mesopotamia. In Cina, lungo il Fiume Giallo, nasce una prima civiltà urbana. La popolazione mondiale è stimata in circa 27 milioni di abitanti.",  // Italian
    "2000Av.-J.C.: Grandes migrations indo-européennes vers le sud et vers l'ouest : des tribus venues des steppes gagnent l'Europe, l'Anatolie, l'Iran et l'Inde. Les Amorrites, un peuple sémitique, s'installent en Mésopotamie. En Chine, le long du fleuve Jaune, naît une civilisation urbaine. La population mondiale est estimée à environ 27 millions d'habitants.",  // French
    "2000 a.C. Muchas tribus de poblaciones indoeuropeas emigran hacia el sur y hacia el oeste, a Europa, Anatolia, Irán y la India. Los amorreos, un pueblo semita, se establecen en Mesopotamia. En China, a orillas del río Amarillo, nace una primera civilización urbana. Se calcula que la población mundial es de unos 27 millones de personas.",  // Spanish
    "2000 B.C. Many tribes of Indo-European origin migrate southwards and westwards, leaving the steppes for Europe, Anatolia, Iran and India. The Amorites, a Semitic people arriving from Syria, settle in Mesopotamia. In China an urban civilization is born along the Yellow River. The world's population is estimated at about 27 million people. ",  // English
}};

}  // namespace contenuti
