// Map 160 (1939 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written and every one names a place, so nothing of the
// previous map stays on the overlay.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{4320, 5880}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.de Italia", "Kdm of Italy"}},
    {1, Posizione{3480, 6600}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4080, 7200}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{5160, 5280}, 0xFFFFFF, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2775, 5760}, 0x000000, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {7, Posizione{3720, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2235, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6480}, 0xFFFFFF, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{2880, 6840}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Unione Sovietica", "Union Soviétique", "Union Sovietica", "Sovietic Union"}},
    {17, Posizione{4560, 10320}, 0x000000, {"Iran", "Iran", "Iran", "Iran"}},
    {18, Posizione{3240, 6480}, 0xFFFFFF, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {19, Posizione{4200, 3960}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{5040, 4560}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{1800, 7080}, 0xFFFFFF, {"Estonia", "Estonie", "Estonia", "Estonia"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2280, 6960}, 0xFFFFFF, {"Lituania", "Lituanie", "Lituania", "Lithuania"}},
    {30, Posizione{2040, 7200}, 0xFFFFFF, {"Lettonia", "Lettonie", "Letonia", "Latvia"}},
    {31, Posizione{4320, 6720}, 0x000000, {"Albania-It", "Albanie-It", "Albania-It", "Albania-It"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{4920, 8880}, 0x000000, {"Siria-Fr", "Syrie-Fr", "Siria-Fr", "Syria-Fr"}},
};
}  // namespace

extern const ContenutoCarta dc1939;
const ContenutoCarta dc1939{etichette, NessunaPulizia, {
    "1939   Continua l'aggressione delle dittature nazista e fascista: dopo aver annesso i Sudeti, la Germania occupa Praga e l'Italia invade l'Albania. A settembre la Germania invade la Polonia: inizia la Seconda Guerra Mondiale.",  // Italian
    "1939 L'agression des dictatures nazie et fasciste se poursuit : après avoir annexé les Sudètes, l'Allemagne occupe Prague et l'Italie envahit l'Albanie. Le 1er septembre l'Allemagne envahit la Pologne : c'est le début de la Seconde Guerre mondiale.",  // French
    "1939  Sigue la agresión de las dictaduras nazi y fascista: tras anexionar los Sudetes, Alemania ocupa Praga e Italia invade Albania. En septiembre Alemania invade Polonia: empieza la Segunda Guerra Mundial.",  // Spanish
    "1939 The aggression of the Nazi and Fascist dictatorships goes on: having annexed the Sudetenland, Germany seizes Prague and Italy invades Albania. In September, Germany invades Poland: World War II begins.",  // English
}};

}  // namespace contenuti
