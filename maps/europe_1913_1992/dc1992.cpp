// Map 167 (1992 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3630, 6240}, 0xFFFFFF, {"Slovenia", "Slovénie", "Eslovenia", "Slovenia"}},
    {1, Posizione{3480, 6600}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4120, 7200}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{3840, 9600}, 0xFFFFFF, {"Azerbaigian", "Azerbaidjan", "Azerbaizan", "Azerbaijan"}},
    {5, Posizione{2280, 4320}, 0xFF0000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2760, 5640}, 0x000000, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
    {7, Posizione{3720, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{2070, 6960}, 0xFFFFFF, {"Lettonia", "Lettonie", "Letonia", "Latvia"}},
    {9, Posizione{2520, 4440}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{4020, 6780}, 0xFFFFFF, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{2760, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {17, Posizione{4080, 9360}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {18, Posizione{3165, 6240}, 0xFFFFFF, {"Cechia  Slovacchia", "Tchèque  Slovaquie", "Chequia  Slovaquia", "Czekia  Slovakia"}},
    {19, Posizione{4300, 6960}, 0x000000, {"Macedonia", "Macédonie", "Macedonia", "Macedon"}},
    {20, Posizione{3000, 7560}, 0x000000, {"Ucraina", "Ukraine", "Ucraina", "Ukraine"}},
    {21, Posizione{360, 4440}, 0xFFFFFF, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {22, Posizione{2505, 7320}, 0x000000, {"Bielorussia", "Biélorussie", "Bielorusia", "Belarus"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{3720, 9120}, 0x000000, {"Georgia", "Georgie", "Georgia", "Georgia"}},
    {26, Posizione{1800, 7080}, 0xFFFFFF, {"Estonia", "Estonie", "Estonia", "Estonia"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2280, 6960}, 0xFFFFFF, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {30, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldava"}},
    {31, Posizione{4440, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3900, 6480}, 0xFFFFFF, {"Bosnia", "Bosnie", "Bosnia", "Bosnia"}},
    {35, Posizione{3760, 6360}, 0xFFFFFF, {"Croazia", "Croatie", "Croacia", "Croatia"}},
};
}  // namespace

extern const ContenutoCarta dc1992;
const ContenutoCarta dc1992{etichette, NessunaPulizia, {
    "1992   Dopo una crudele guerra civile, anche la Jugoslavia si riduce alla sola Serbia e Montenegro: Slovenia, Croazia, Bosnia e Macedonia lasciano la federazione per diventare repubbliche indipendenti. Dalla pacifica dissoluzione della Cecoslovacchia nascono la Repubblica Ceca e la Slovacca.",  // Italian
    "1992 Après une guerre civile cruelle, Slovénie, Croatie, Bosnie et Macédoine quittent la fédération yougoslave et deviennent des républiques indépendantes. La Yougoslavie se réduit à la Serbie et au Monténégro. La Tchécoslovaquie se divise pacifiquement en République tchèque et République slovaque.",  // French
    "1992  Después de una cruel guerra civil, Eslovenia, Croacia, Bosnia y Macedonia dejan la federación y pasan a ser repúblicas independientes, y la antigua Yugoslavia se reduce a los estados de Serbia y Montenegro. De la disolución pacífica de Checoslovaquia nacen la República Checa y  la República Eslovaca.",  // Spanish
    "1992 After a cruel civil war, Slovenia, Croatia, Bosnia and Macedonia become separate, independent republics; Yugoslavia dwindles to Serbia and Montenegro. The Czech Republic and Slovakia emerge peacefully from the dissolution of Czechoslovakia.",  // English
}};

}  // namespace contenuti
