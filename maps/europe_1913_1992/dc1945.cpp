// Map 161 (1945 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{4080, 6000}, 0xFFFFFF, {"Italia", "Italie", "Italia", "Italy"}},
    {1, Posizione{3480, 6600}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4080, 7200}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{5160, 5280}, 0xFFFFFF, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{3000, 5640}, 0x000000, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
    {7, Posizione{3720, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2235, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6480}, 0xFFFFFF, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{2760, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Unione Sovietica", "Union Soviétique", "Union Sovietica", "Soviet Union"}},
    {17, Posizione{4560, 10320}, 0x000000, {"Iran", "Iran", "Iran", "Iran"}},
    {18, Posizione{3120, 6240}, 0xFFFFFF, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {19, Posizione{4200, 4200}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {21, Posizione{360, 4440}, 0xFFFFFF, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{5040, 4560}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{6000, 8040}, 0xFFFFFF, {"", "", "", ""}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2640, 6000}, 0xFFFFFF, {"Ger-Dem", "All-dem", "Alem-Dem", "Dem-Ger"}},
    {30, Posizione{5040, 9600}, 0xFFFFFF, {"Iraq", "Iraq", "Iraq", "Iraq"}},
    {31, Posizione{4320, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3360, 5040}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {35, Posizione{4920, 8880}, 0x000000, {"Siria", "Syrie-Fr", "Siria", "Syria-Fr"}},
};
}  // namespace

extern const ContenutoCarta dc1945;
const ContenutoCarta dc1945{etichette, NessunaPulizia, {
    "1945   Alla fine della Seconda Guerra Mondiale la Germania è divisa e perde parte dei territori orientali a favore della Polonia, che a sua volta si sposta verso ovest. L'Unione Sovietica riprende le repubbliche baltiche e sposta il confine a ovest. L'Albania torna indipendente e l'Italia rinuncia all'Istria. L'Europa non è più il centro del mondo: la politica internazionale ruota ora intorno alla rivalità tra Stati Uniti e URSS.",  // Italian
    "1945 À la fin de la Seconde Guerre mondiale, l'Allemagne est partagée en quatre zones d'occupation, qui deviendront deux États en 1949, et perd une partie de ses terres de l'Est au profit de la Pologne, qui glisse vers l'ouest. L'URSS reprend les républiques baltes et déplace sa frontière vers l'ouest. L'Albanie redevient indépendante et l'Italie renonce à l'Istrie. L'Europe n'est plus le centre du monde : la politique internationale tourne autour de la rivalité entre les États-Unis et l'URSS, dont les modèles économiques et politiques opposés créent le monde bipolaire de la guerre froide.",  // French
    "1945  Al final de la Segunda Guerra Mundial Alemania queda dividida y pierde parte de sus territorios orientales en favor de Polonia, que a su vez se desplaza hacia el oeste. La URSS recupera las repúblicas bálticas y traslada su frontera hacia el oeste. Albania vuelve a ser independiente e Italia renuncia a Istria. Europa ya no es el centro del mundo: la política internacional gira ahora en torno a la rivalidad entre los Estados Unidos y la URSS.",  // Spanish
    "1945 At the end of the Second World War, Germany is divided and loses part of its eastern lands to Poland. The Soviet Union regains the Baltic republics and shifts its border west. Albania is independent again and Italy gives up Istria. Europe is no longer the centre of the world: international politics now turns on the rivalry between the two superpowers, the United States and the Soviet Union.",  // English
}};

}  // namespace contenuti
