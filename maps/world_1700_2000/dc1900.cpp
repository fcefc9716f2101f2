// Map 155 (1900 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1320, 7200}, 0x000000, {"Germania", "Allemagne", "Alemania", "Germany"}},
    {2, Posizione{3360, 8400}, 0x000000, {"(Ita)", "(Ita)", "(Ita)", "(Ita)"}},
    {3, Posizione{2280, 10200}, 0xFF0000, {"Cina", "Chine", "China", "China"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{2520, 7720}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8640}, 0xFFFFFF, {"Iran", "Iran", "Iran", "Iran"}},
    {8, Posizione{4080, 7440}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2040, 7920}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{2880, 6480}, 0xFFFFFF, {"Africa Occ. Francese", "Afrique Occ. Française", "Africa Occ. Francesa", "Oc.French Africa"}},
    {12, Posizione{720, 6000}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{1880, 7320}, 0x000000, {"Italia", "Italie", "Italia", "Italy"}},
    {15, Posizione{3240, 8040}, 0xFFFFFF, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {16, Posizione{1080, 7320}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2640, 9360}, 0x000000, {"India", "India (GB)", "India (GB)", "India (GB)"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3000, 7800}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {21, Posizione{3360, 4320}, 0x000000, {"Colombia", "Colombie", "Colombia", "Colombia"}},
    {22, Posizione{3000, 10320}, 0x000000, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {23, Posizione{3120, 10680}, 0x000000, {"Filippine", "Philippines", "Filipinas", "Philippines"}},
    {24, Posizione{3720, 7540}, 0xFFFFFF, {"(Bel.)", "(Bel.)", "(Bel.)", "(Bel.)"}},
    {25, Posizione{2040, 10920}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {26, Posizione{1440, 3720}, 0xFFFFFF, {"Canada (GB)", "Canada (GB)", "Canadá (GB)", "Canada (GB)"}},
    {27, Posizione{3840, 7920}, 0x000000, {"(GER)", "(ALL.)", "(Alem.)", "(GER)"}},
    {28, Posizione{3600, 10320}, 0x000000, {"(Olanda)", "(Hollande)", "(Holanda)", "(Holland)"}},
    {29, Posizione{2160, 8880}, 0xFFFFFF, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {30, Posizione{5040, 4440}, 0xFF0000, {"Cile", "Chili", "Chile", "Chily"}},
    {31, Posizione{4800, 4800}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 10800}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc1900;
const ContenutoCarta dc1900{etichette, NessunaPulizia, {
    "1900  Negli Ultimi 50 anni, l'Africa è stata quasi totalmente colonizzata dagli europei. In America Latina le guerre hanno ridisegnato i confini. Gli Stati Uniti hanno occupato le Filippine e diverse isole dei Caraibi, mentre la Russia ha conquistato il Caucaso e i khanati dell'Asia centrale. In Europa sono nati l'Impero tedesco e il Regno d'Italia, e dall'Impero ottomano sono sorti gli stati balcanici. Il Giappone in pochi anni è uscito dal feudalesimo ed è diventato un paese moderno, che contende alla Cina e alla Russia la Manciuria. La Francia occupa l'Indocina. La popolazione mondiale è di 1600 milioni.",  // Italian
    "1900 dans les 50 dernières années, l'Afrique a été presque entièrement colonisée par les Européens. En Amérique latine, les frontières entre les nouveaux Etats ont souvent été modifiées par des guerres. Les Etats-Unis se sont emparés des Philippines et de plusieurs îles des Caraïbes, et la Russie a conquis le Caucase. En Europe sont nés l'Empire allemand et le royaume d'Italie, et les Etats balkaniques sont issus de l'Empire ottoman. Le Japon, sorti de la féodalité et devenu un pays moderne, dispute la Mandchourie à la Chine et à la Russie. La France occupe l'Indochine. La population mondiale est de 1600 millions.",  // French
    "1900  Durante los últimos 50 años, África ha sido colonizada casi enteramente por europeos. En América Latina las guerras han cambiado a menudo las fronteras entre los nuevos estados. Los Estados Unidos se han apoderado de las Filipinas y de algunas islas del Caribe, mientras que Rusia ha conquistado el Cáucaso y los kanatos de Asia central. En Europa han nacido el Imperio alemán y el Reino de Italia, y del Imperio otomano han surgido los estados balcánicos. Japón ha abandonado en pocos años el feudalismo y se ha convertido en un país moderno, que lucha contra China y Rusia por el control de Manchuria. Francia ocupa Indochina. La población mundial es de 1600 millones de habitantes.",  // Spanish
    "1900  In the last fifty years, Africa has been almost entirely colonised by the Europeans. In Latin America wars have redrawn many of the borders. The United States has taken the Philippines and some Caribbean islands, while Russia has conquered the Caucasus and the khanates of Central Asia. In Europe the German Empire and the Kingdom of Italy have been founded, and the Balkan states have arisen from the Ottoman Empire. Within a few years Japan has left feudalism behind and become a modern country, able to contend with China and Russia for Manchuria. France occupies Indochina. The world population is 1.6 billion.",  // English
}};

}  // namespace contenuti
