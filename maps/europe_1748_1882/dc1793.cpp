// Map 140 (1793 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 0, 25, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{5760, 6840}, 0xFF0000, {"", "", "", ""}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5760}, 0x000000, {"R.d.2 Sicile", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Siclies"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Gran Bretagna", "Grande Bretagne", "Gran Bretaña", "United kingdom"}},
    {10, Posizione{2760, 7080}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {12, Posizione{3645, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{2880, 5400}, 0x000000, {"(Spa)", "(Esp)", "(Esp)", "(Spa)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2280, 7080}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{2640, 6600}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{5760, 7920}, 0x000000, {"", "", "", ""}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{3960, 5640}, 0x000000, {"Toscana", "Toscane", "Toscana", "Tuscany"}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6360}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1793;
const ContenutoCarta dc1793{etichette, NessunaPulizia, {
    "1793   Robespierre guida la Rivoluzione Francese. L'esercito repubblicano combatte nei Paesi Bassi austriaci (Belgio). Ad est avviene la Seconda Spartizione della Polonia: il regno polacco aveva approvato nel 1791 una costituzione che spaventava le potenze reazionarie; nel 1793 Russia e Prussia intervengono militarmente e si ripartiscono un altro terzo del territorio polacco.",  // Italian
    "1793 En France, Robespierre a pris le contrôle de la Révolution commencée en 1789 et met la Terreur à l'ordre du jour. L'armée républicaine combat dans les Pays-Bas autrichiens (Belgique). À l'est, la Pologne avait adopté en 1791 une constitution limitant fortement le pouvoir du monarque, qui effraie les puissances réactionnaires ; il en résulte un conflit, puis le deuxième partage : la Russie et la Prusse se partagent un autre tiers du territoire polonais.",  // French
    "1793  Robespierre dirige la Revolución Francesa. El ejército republicano combate ahora en los Países Bajos austriacos (Bélgica). En el este se produce la Segunda Partición de Polonia: el reino polaco había aprobado en 1791 una constitución que asustaba a las potencias reaccionarias; en 1793 Rusia y Prusia intervienen de nuevo militarmente y se reparten otro tercio del territorio polaco.",  // Spanish
    "1793 Robespierre leads the French Revolution. The republican army is fighting in the Austrian Low Countries (Belgium). In the east the Second Partition of Poland takes place: in 1791 the Polish kingdom had approved a constitution that frightened the reactionary powers; Russia, and then Prussia, answer it with a war that removes further Polish territories.",  // English
}};

}  // namespace contenuti
