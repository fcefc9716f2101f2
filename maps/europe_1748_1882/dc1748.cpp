// Map 138 (1748 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 0, 25, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{5760, 7560}, 0xFF0000, {"", "", "", ""}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5760}, 0x000000, {"R.d.2 Sicile", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Siclies"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Gran Bretagna", "Grande Bretagne", "Gran Bretaña", "United kingdom"}},
    {10, Posizione{2760, 6720}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {12, Posizione{3645, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Persia: piccoli stati", "Perse Safavide", "Estados Persas", "Persian States"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{2880, 5400}, 0x000000, {"(Spa)", "(Esp)", "(Esp)", "(Spa)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2760, 7200}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{2520, 6480}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
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

extern const ContenutoCarta dc1748;
const ContenutoCarta dc1748{etichette, NessunaPulizia, {
    "1748   Al termine della 2° guerra del Nord, la Russia raggiunge il Baltico conquistando la Livonia; nel frattempo era stata confermata l'annessione dell'Ucraina, tolta alla Polonia. Il Trattato di Londra e le paci di Rastatt, Utrecht e Aquisgrana fanno sì che gli Austriaci subentrino agli Spagnoli nei possedimenti italiani, trasformano la Savoia nel Regno di Sardegna e assegnano la Slesia alla Prussia. Dal 1707, anno dell'Atto d'Unione, la Scozia fa ormai parte della Gran Bretagna.",  // Italian
    "1748 A la fin de seconde guerre du nord, la Russie prend pied sur la Baltique, et son annexion de l'Ukraine, enlevée à la Pologne, est désormais confirmée. Le traité de Londres (1718) et les paix de Rastatt, d'Utrecht et d'Aix-la-Chapelle font remplacer les Espagnols par les Autrichiens dans les possessions italiennes ; la Savoie est rattachée au royaume de Sardaigne et la Silésie passe à la Prusse de Frédéric II. Depuis 1707, l'Écosse fait partie du Royaume-Uni. ",  // French
    "1748 Al término de la Segunda Guerra del Norte, Rusia llega al mar Báltico con la conquista de Livonia; entretanto se había confirmado la anexión de Ucrania, arrebatada a Polonia. El Tratado de Londres y las paces de Rastatt, Utrecht y Aquisgrán hacen que los austriacos sustituyan a los españoles en los dominios italianos, convierten a Saboya en el Reino de Cerdeña y entregan Silesia a Prusia. Escocia forma parte de Gran Bretaña desde el Acta de Unión de 1707.",  // Spanish
    "1748 As a result of the Second War of the North, Russia reaches the Baltic Sea by conquering Livonia from Sweden, and completes both the annexation of Ukraine, taken from Poland, and the submission of Poland. The Treaty of London of 1718 and the peaces of Rastatt, Utrecht and Aachen have the Austrians replace the Spanish in the Italian dominions, make Savoy the Kingdom of Sardinia and give the rich region of Silesia to Prussia. Scotland became part of Great Britain with the Act of Union of 1707.",  // English
}};

}  // namespace contenuti
