// Map 159 (1938 AD): overlay labels and descriptions.
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
    {18, Posizione{3120, 6240}, 0xFFFFFF, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
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
    {31, Posizione{4440, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{4920, 8880}, 0x000000, {"Siria-Fr", "Syrie-Fr", "Siria-Fr", "Syria-Fr"}},
};
}  // namespace

extern const ContenutoCarta dc1938;
const ContenutoCarta dc1938{etichette, NessunaPulizia, {
    "1938   I regimi autoritari dell'Italia (fascismo) e della Germania (nazismo) intervengono nella guerra civile in Spagna e aiutano il generale Franco a instaurare un'altra dittatura. I due dittatori si alleano e avviano una politica di aggressione: l'Italia conquista l'Etiopia e la Germania annette l'Austria per costituire la Grande Germania, e poi rivendica i Sudeti. L'Irlanda, intanto, era diventata indipendente dal Regno Unito già nel 1922. ",  // Italian
    "1938 Les régimes autoritaires de l'Italie (le fascisme) et de l'Allemagne (le nazisme) interviennent dans la guerre d'Espagne et aident le général Franco à instaurer une autre dictature. Les deux dictateurs s'allient et se lancent dans une politique d'agression : l'Italie conquiert l'Éthiopie et l'Allemagne annexe l'Autriche pour bâtir une Grande Allemagne, puis revendique les Sudètes. L'Irlande, quant à elle, était devenue indépendante du Royaume-Uni en 1922.",  // French
    "1938  Los regímenes autoritarios de Italia (el fascismo) y de Alemania (el nazismo) intervienen en la guerra civil de España y ayudan al general Franco a instaurar otra dictadura. Los dos dictadores se alían y emprenden una política de agresión: Italia conquista Etiopía y Alemania se anexiona Austria para construir la Gran Alemania, y luego reclama los Sudetes. Irlanda, por otra parte, se había independizado del Reino Unido ya en 1922.",  // Spanish
    " 1938 The authoritarian regimes of Italy (Fascism) and Germany (Nazism) intervene in the Spanish Civil War and help General Franco set up another dictatorship. The two dictators become allies and turn to a policy of aggression: Italy conquers Ethiopia and Germany annexes Austria to build a greater Germany. Ireland, for its part, had already become independent of the United Kingdom in 1922.",  // English
}};

}  // namespace contenuti
