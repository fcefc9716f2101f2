// Map 165 (1990 AD): overlay labels and descriptions.
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
    {4, Posizione{5160, 5280}, 0xFFFFFF, {"Tunisia", "Tunisie", "Túnez ", "Tunisia"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2760, 5640}, 0x000000, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
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
    {20, Posizione{5040, 3720}, 0x000000, {"Marocco", "Maroc", "Marruecos", "Morocco"}},
    {21, Posizione{360, 4440}, 0xFFFFFF, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{5040, 4560}, 0x000000, {"Algeria", "Algérie", "Algeria", "Algeria"}},
    {26, Posizione{6000, 8040}, 0xFFFFFF, {"", "", "", ""}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2280, 6960}, 0xFFFFFF, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {30, Posizione{5040, 9600}, 0xFFFFFF, {"Iraq", "Iraq", "Iraq", "Iraq"}},
    {31, Posizione{4320, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3360, 5040}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {35, Posizione{4920, 8880}, 0x000000, {"Siria", "Syrie", "Siria", "Syria"}},
};
}  // namespace

extern const ContenutoCarta dc1990;
const ContenutoCarta dc1990{etichette, NessunaPulizia, {
    "1990   Il tentativo di Gorbaciov di portare la democrazia nell'Unione Sovietica permette agli stati dell'Europa orientale di rendersi indipendenti da Mosca. Nel 1989 crolla il Muro di Berlino e, l'anno dopo, i due stati tedeschi si uniscono. Nel 1990 anche la Lituania si stacca dall'URSS.",  // Italian
    "1990 La tentative de Gorbatchev de démocratiser l'Union soviétique permet aux États d'Europe orientale de se libérer de l'influence soviétique. En 1989, la chute du mur de Berlin prépare la réunification de l'Allemagne. En 1990, la Lituanie quitte elle aussi l'URSS et proclame son indépendance.",  // French
    "1990  El intento de Gorbachov de democratizar la URSS permite a los estados de Europa del Este independizarse de Moscú. En 1989 cae el Muro de Berlín y poco después los dos estados alemanes se unen. En 1990 también Lituania se separa de la URSS.",  // Spanish
    "1990 Gorbachev's attempt to bring democracy to the Soviet Union allows the countries of Eastern Europe to become more autonomous from Moscow. In 1989 the Berlin Wall falls and shortly afterwards the two German states unite. In 1990 Lithuania, too, leaves the USSR.",  // English
}};

}  // namespace contenuti
