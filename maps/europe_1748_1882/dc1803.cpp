// Map 143 (1803 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 0, 10, 12, 18, 21, 23, 25, 28, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{5760, 6240}, 0xFF0000, {"", "", "", ""}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5760}, 0x000000, {"R.d.2 Sicile", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Siclies"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{5760, 6600}, 0x000000, {"", "", "", ""}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {12, Posizione{6000, 7320}, 0xFFFFFF, {"", "", "", ""}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{6000, 7920}, 0xFFFFFF, {"", "", "", ""}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{6000, 6840}, 0x000000, {"", "", "", ""}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{5760, 7200}, 0x000000, {"", "", "", ""}},
    {24, Posizione{2640, 6600}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{5760, 7920}, 0x000000, {"", "", "", ""}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{6000, 8520}, 0x000000, {"", "", "", ""}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6360}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4800}, 0x000000, {"Impero Francese", "Empire de France", "Imperio de Francia", "French Empire"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1803;
const ContenutoCarta dc1803{etichette, NessunaPulizia, {
    "1803   Nel 1797, i Francesi, guidati da Napoleone, sconfiggono gli Austriaci. Col trattato di Campoformio Napoleone crea le repubbliche sorelle dell'Italia settentrionale (Cispadana, Cisalpina e Ligure) e cede la Repubblica di Venezia all'Austria. Tra il 1797 e il 1803 le repubbliche italiane sono spesso ridisegnate.",  // Italian
    "1803 Le général Bonaparte s'illustre dans la campagne d'Italie contre les Autrichiens et leur impose ses conditions de paix à Campoformio, le 18 octobre 1797. Il crée en Italie des républiques sœurs : les républiques cisalpine (Milan) et ligurienne (Gênes), puis romaine (1798) et parthénopéenne (Naples, 1799). Ce sont des États satellites où prévalent les idées révolutionnaires, au détriment de la religion et du principe monarchique, ainsi que les intérêts français.",  // French
    "1803  En 1797, los franceses, dirigidos por Napoleón, vencen a los austriacos. Con el tratado de Campoformio Napoleón crea las repúblicas hermanas del norte de Italia (Cispadana, Cisalpina y Ligur) y cede la República de Venecia a Austria. Entre 1797 y 1803 las repúblicas italianas cambian con frecuencia de fronteras y de nombres.",  // Spanish
    "1803: In 1797, the French led by Napoleon defeat the Austrians. By the treaty of Campoformio Napoleon creates the sister republics of northern Italy (Cispadana, Cisalpina and Ligure) and cedes the Republic of Venice to Austria. Between 1797 and 1803 the Italian republics frequently change borders and names.",  // English
}};

}  // namespace contenuti
