// Map 168 (2000 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1440, 7080}, 0x000000, {"Germania", "Allemagne", "Alemania", "Germany"}},
    {2, Posizione{1680, 7560}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {3, Posizione{2280, 10200}, 0xFF0000, {"Cina", "Chine", "China", "China"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{2520, 7720}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8640}, 0xFFFFFF, {"Iran", "Iran", "Iran", "Iran"}},
    {8, Posizione{3240, 8040}, 0xFFFFFF, {"Etiopia", "Etiopia", "Etiopia", "Etiopia"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2040, 7920}, 0x000000, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {11, Posizione{1480, 7800}, 0x000000, {"Ucraina", "Ukraine", "Ucraina", "Ukraine"}},
    {12, Posizione{2400, 9000}, 0xFFFFFF, {"Pakistan", "Pakistan", "Pakistan", "Pakistan"}},
    {13, Posizione{2040, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{1880, 7320}, 0x000000, {"Italia", "Italie", "Italia", "Italy"}},
    {15, Posizione{2280, 8280}, 0xFFFFFF, {"Iraq", "Iraq", "Iraq", "Iraq"}},
    {16, Posizione{1080, 7320}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1320, 7440}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {18, Posizione{2640, 9360}, 0x000000, {"India", "India", "India", "India"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3120, 7080}, 0xFFFFFF, {"Nigeria", "Nigéria", "Nigeria", "Nigeria"}},
    {21, Posizione{2880, 9840}, 0x0000FF, {"Tailandia", "Thailande", "Tailandia", "Thailand"}},
    {22, Posizione{3000, 10320}, 0x000000, {"VietNam", "VietNam", "VietNam", "VietNam"}},
    {23, Posizione{3120, 10800}, 0x000000, {"Filippine", "Philippines", "Filipinas", "Philippines"}},
    {24, Posizione{2640, 9720}, 0xFFFFFF, {"Bangladesh", "Bangladesh", "Bangladesh", "Bangladesh"}},
    {25, Posizione{2250, 7880}, 0x000000, {"Israele", "Israel", "Israel", "Israel"}},
    {26, Posizione{1440, 3840}, 0xFFFFFF, {"Canada", "Canada", "Canadá", "Canada"}},
    {27, Posizione{4800, 7440}, 0x000000, {"Sud Africa", "Afrique du Sud", "Africa del Sur", "South Africa"}},
    {28, Posizione{3600, 10320}, 0x000000, {"Indonesia", "Indonésie", "Indonesia", "Indonesia"}},
    {29, Posizione{2160, 8880}, 0xFFFFFF, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {30, Posizione{1560, 8640}, 0xFFFFFF, {"Kazakistan", "Kazakhstan", "Kazajstán", "Kazakhstan"}},
    {31, Posizione{4800, 4800}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 11040}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc2000;
const ContenutoCarta dc2000{etichette, NessunaPulizia, {
    "2000 Finito l'ordine mondiale basato sulla contrapposizione tra il mondo capitalista guidato dagli Stati Uniti e il mondo socialista guidato dall'Unione Sovietica, si sono moltiplicati i conflitti locali, spesso causati dall'intolleranza religiosa, dalle lotte tribali, dagli odi etnici e dalle dispute territoriali tra giovani stati, i cui confini sono stati tracciati dalle potenze coloniali. È probabile che molti conflitti del periodo (1950-90) avessero le stesse cause, anche se allora venivano interpretati ideologicamente come un capitolo della sfida tra i due blocchi. La popolazione mondiale è di 6100 milioni.",  // Italian
    "2000 La disparition de l'ordre mondial basé sur l'opposition entre le monde capitaliste dirigé par les Etats-Unis et le monde socialiste dirigé par l'Union soviétique a libéré les conflits locaux. Ils sont souvent provoqués par l'intolérance religieuse, les luttes tribales, les haines ethniques et les litiges territoriaux entre de jeunes Etats dont les frontières ont été dessinées par les puissances coloniales. Il est probable que de nombreux conflits de la période 1950-1990 avaient, au moins en partie, les mêmes causes, mais ils étaient vus seulement comme un aspect de la guerre froide. La population mondiale est de 6100 millions.",  // French
    "2000  En el mundo, el orden basado en la rivalidad entre el mundo capitalista guiado por Estados Unidos y el socialista guiado por la Unión Soviética ha terminado y se han multiplicado los conflictos locales, causados a menudo por la intolerancia religiosa, las luchas tribales, los odios étnicos y las disputas territoriales entre estados nuevos cuyas fronteras trazaron las potencias coloniales. Probablemente muchos conflictos ocurridos entre 1950 y 1990 tuvieron las mismas causas, aunque se creyó, equivocada e ideológicamente, que nacían de la rivalidad de ambas potencias. La población mundial es de 6.100 millones.",  // Spanish
    "2000 The world order based on the rivalry between the capitalist world led by the United States and the socialist world led by the Soviet Union has come to an end.  Since then, local conflicts have multiplied, often caused by religious intolerance, tribal fighting, ethnic hatred and territorial disputes between young states whose borders were drawn by the colonial powers.  Many conflicts of 1950-1990 probably had the same causes, but they were wrongly put down to the Cold War.  The world population is 6.1 billion.",  // English
}};

}  // namespace contenuti
