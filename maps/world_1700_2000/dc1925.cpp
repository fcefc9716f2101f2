// Map 158 (1925 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1440, 7080}, 0x000000, {"Germania", "Allemagne", "Alemania", "Germany"}},
    {2, Posizione{1760, 7400}, 0x000000, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {3, Posizione{2280, 10200}, 0xFF0000, {"Cina", "Chine", "China", "China"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"U.R.S.S.", "U.R.S.S.", "U.R.S.S.", "U.S.S.R."}},
    {5, Posizione{2520, 7720}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8640}, 0xFFFFFF, {"Iran", "Iran", "Iran", "Iran"}},
    {8, Posizione{4080, 7440}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2040, 7920}, 0x000000, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {11, Posizione{2880, 6480}, 0xFFFFFF, {"Africa Occ. Francese", "Afrique Occ. Française", "Africa Occ. Francesa", "Oc.French Africa"}},
    {12, Posizione{720, 5880}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2040, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{1880, 7320}, 0x000000, {"Italia", "Italie", "Italia", "Italy"}},
    {15, Posizione{3240, 8040}, 0xFFFFFF, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {16, Posizione{1080, 7320}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1320, 7440}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {18, Posizione{2640, 9360}, 0x000000, {"India", "India (GB)", "India (GB)", "India (GB)"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3840, 8040}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {21, Posizione{3360, 4320}, 0x000000, {"Colombia", "Colombie", "Colombia", "Colombia"}},
    {22, Posizione{3000, 10320}, 0x000000, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {23, Posizione{3120, 10680}, 0x000000, {"Filippine", "Philippines", "Filipinas", "Philippines"}},
    {24, Posizione{3720, 7540}, 0xFFFFFF, {"(Bel.)", "(Bel.)", "(Bel.)", "(Bel.)"}},
    {25, Posizione{2520, 7440}, 0x000000, {"(Ita.)", "(Ita.)", "(Ita)", "(Ita)"}},
    {26, Posizione{1440, 3840}, 0xFFFFFF, {"Canada", "Canada", "Canadá", "Canada"}},
    {27, Posizione{4800, 7440}, 0x000000, {"Sud Africa", "Afrique du Sud", "Africa del Sur", "South Africa"}},
    {28, Posizione{3600, 10320}, 0x000000, {"(Olanda)", "(Hollande)", "(Holanda)", "(Holland)"}},
    {29, Posizione{2160, 8880}, 0xFFFFFF, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {30, Posizione{5040, 4440}, 0xFF0000, {"Cile", "Chili", "Chile", "Chily"}},
    {31, Posizione{4800, 4800}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 11040}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc1925;
const ContenutoCarta dc1925{etichette, NessunaPulizia, {
    "1925   I principali cambiamenti riguardano l'Europa, uscita dalla prima guerra mondiale con nuovi confini. L'Impero ottomano si dissolve e nasce la Turchia di Atatürk, mentre in Medio Oriente sorgono i protettorati inglesi e francesi. La Libia è italiana e in Iran si afferma lo scià Pahlavi. La Cina, divenuta repubblica, ha perso il Tibet e la Mongolia, e il Giappone occupa la Corea. Australia, Canada, Sudafrica e Nuova Zelanda sono indipendenti, ma restano legati all'Inghilterra nel Commonwealth.",  // Italian
    "1925 Les nouveautés concernent l'Europe, redessinée par la Grande Guerre, et le Moyen-Orient : l'Empire ottoman se disloque et la Turquie d'Atatürk voit le jour, tandis que naissent les protectorats britanniques et français. La Libye est italienne depuis 1912, et un nouvel Iran apparaît sous le chah Pahlavi. La Chine, devenue une république, a perdu le Tibet et la Mongolie, et le Japon occupe la Corée. L'Australie, le Canada, l'Afrique du Sud et la Nouvelle-Zélande sont indépendants, mais ils restent liés à l'Angleterre au sein du Commonwealth.",  // French
    "1925  En Europa se suceden los cambios tras la Gran Guerra. El Imperio otomano se disgrega y nace la Turquía de Atatürk; en Oriente Medio surgen los protectorados británicos y franceses; Libia es una colonia italiana. Irán tiene un nuevo sha, Pahlavi. China, convertida en república en 1912, ha perdido el Tíbet y la Mongolia, y Japón ocupa Corea. Australia, Canadá, Sudáfrica y Nueva Zelanda se independizan, pero siguen unidos a Inglaterra en la Commonwealth.",  // Spanish
    "1925 The main changes in Europe follow the First World War, which has redrawn the borders of the continent. The Ottoman Empire falls apart and Atatürk's Turkey is born, while British and French protectorates appear in the Middle East. Italy has controlled Libya since 1912, and a new Iran arises under the Pahlavi shah. China, now a republic, has lost Tibet and Mongolia, and Japan occupies Korea. Australia, Canada, South Africa and New Zealand are independent, but remain bound to Britain in the British Commonwealth.",  // English
}};

}  // namespace contenuti
