// Map 164 (1975 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1440, 7080}, 0x000000, {"Germania", "Allemagne", "Alemania", "Germany"}},
    {2, Posizione{1680, 7560}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {3, Posizione{2280, 10200}, 0xFF0000, {"Cina", "Chine", "China", "China"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"U.R.S.S.", "U.R.S.S.", "U.R.S.S.", "U.S.S.R."}},
    {5, Posizione{2520, 7720}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8640}, 0xFFFFFF, {"Iran", "Iran", "Iran", "Iran"}},
    {8, Posizione{3240, 8040}, 0xFFFFFF, {"Etiopia", "Etiopia", "Etiopia", "Etiopia"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2040, 7920}, 0x000000, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {11, Posizione{2400, 6840}, 0xFFFFFF, {"Algeria", "Algérie", "Algeria", "Algeria"}},
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
    {30, Posizione{5040, 4440}, 0xFF0000, {"Cile", "Chili", "Chile", "Chily"}},
    {31, Posizione{4800, 4800}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 11040}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc1975;
const ContenutoCarta dc1975{etichette, NessunaPulizia, {
    "1975   Tra il 1950 e il 1975 finisce il colonialismo: quasi tutti gli stati africani diventano indipendenti e in Indocina si rendono indipendenti anche il Laos, la Cambogia e il Vietnam. La rivalità tra gli USA e l'URSS fa tremare il mondo: in America Latina gli USA appoggiano le dittature anticomuniste e in Asia intervengono con le armi contro l'espansione comunista in Corea e Vietnam. I missili sovietici a Cuba portano il mondo sull'orlo della terza guerra mondiale.",  // Italian
    "1975 Entre 1950 et 1975 le colonialisme prend fin : presque tous les Etats africains deviennent indépendants et, en Indochine, le Laos, le Cambodge et le Viêt Nam le deviennent aussi. La rivalité entre les Etats-Unis et l'URSS fait trembler le monde : en Amérique latine, Washington soutient les dictatures anticommunistes et, en Asie, il intervient par les armes contre l'expansion communiste en Corée et au Viêt Nam. En 1962, les missiles soviétiques à Cuba amènent le monde au bord d'une troisième guerre mondiale. La population mondiale atteint 4 000 millions.",  // French
    "1975:  Entre 1950 y 1975 finaliza el colonialismo: casi todos los estados africanos se independizan y en Indochina también Laos, Camboya y Vietnam obtienen la independencia. La rivalidad entre los Estados Unidos y la URSS hace temblar al mundo: en América Latina Washington apoya a las dictaduras anticomunistas y en Asia interviene con las armas contra la expansión comunista en Corea y Vietnam. Los misiles soviéticos en Cuba llevan al mundo al borde de una tercera guerra mundial. La población mundial es de 4.000 millones.",  // Spanish
    "1975 Colonialism ends between 1950 and 1975.  Almost all the African states become independent, and in Indochina Laos, Cambodia and Vietnam also gain independence.  The rivalry between the USA and the USSR is felt everywhere: in Latin America the USA supports anticommunist dictatorships and in Asia it intervenes with arms against communist expansion in Korea and Vietnam.  In 1962, Soviet missiles in Cuba bring the world to the edge of a third world war. The world population is 4 billion.",  // English
}};

}  // namespace contenuti
