// Map 148 (1833 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3840, 5400}, 0xFFFFFF, {"Sardegna", "Sardeigne", "Cerdeña", "Sardinia"}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.d.2 Sicilie", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Sicilies"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2770, 5760}, 0x000000, {"Confed. Germanica", "Conf. Allemande", "Confed. Germànica", "Germanic Confed."}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1320, 5880}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3720, 5400}, 0xFFFFFF, {"Regno di", "Roy. de", "Reino de", "Kdm of"}},
    {13, Posizione{1520, 5880}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5760}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est.del Papa", "Papal State"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{3120, 5880}, 0xFFFFFF, {"Bavaria", "Bavière", "Bavaria", "Bavaria"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R.di Spagna", "R.d'Espagne", "R.de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"R.Marocco", "R. du Maroc", "R.de Marruecos", "Morocco Kdm"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{2640, 6480}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{5040, 4680}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (Fr)", "Algeria (Fr)"}},
    {26, Posizione{3960, 5640}, 0x000000, {"Toscana", "Toscanie", "Toscana", "Tuscany"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{5760, 8640}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3600, 6600}, 0xFFFFFF, {"R.d'Ungheria", "R.d'Hongrie", "R.de Hungría", "Hungary Kdm"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 6480}, 0xFFFFFF, {"Impero Austriaco", "Empire d'Autriche", "Imperio Austriaco", "Austrian Empire"}},
    {34, Posizione{3240, 4800}, 0x000000, {"R.di Francia", "R. de France", "R. de Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1833;
const ContenutoCarta dc1833{etichette, NessunaPulizia, {
    "1833   In Europa si lotta per le libertà civili e politiche, per ottenere una costituzione e per l'indipendenza delle nazioni: sono i moti del 1820-21 e del 1830-31, repressi quasi ovunque dalle potenze della Santa Alleanza. La Grecia conquista l'indipendenza dai Turchi ottomani nel 1829, con l'aiuto di Inghilterra, Francia e Russia. In Francia, nel 1830, Carlo X è deposto e sale al trono Luigi Filippo d'Orléans. Nel 1831 il Belgio si separa dall'Olanda. Prosegue l'espansione coloniale: dal 1830 la Francia occupa l'Algeria.",  // Italian
    "1833 Au Congrès de Vienne, la réaction monarchique a restauré l'ordre ancien, mais les idées libérales et nationales se répandent à nouveau dans toute l'Europe, où l'on se bat pour les libertés civiles et politiques et pour l'indépendance des nations. En 1821 les Grecs se révoltent contre les Ottomans et obtiennent leur indépendance en 1830, avec l'aide de la Grande-Bretagne, de la France et de la Russie. En France, les journées de juillet 1830 chassent Charles X et portent au pouvoir un monarque constitutionnel, Louis-Philippe. La révolte de Bruxelles contre la Hollande conduit à l'indépendance de la Belgique en 1831. L'expansion coloniale continue : en 1830 commence l'occupation française de l'Algérie.",  // French
    "1833  En Europa se lucha por las libertades civiles y políticas, por obtener una constitución y por la independencia de las naciones: son las revueltas de 1820-21 y de 1830-31, reprimidas casi por doquier por las potencias de la Santa Alianza. Grecia conquista su independencia de los turcos en 1829, con la ayuda de Inglaterra, Francia y Rusia. En Francia, en 1830, Carlos X es depuesto y sube al trono Luis Felipe de Orleans. En 1831 Bélgica se independiza de Holanda. Continúa la expansión colonial: en 1830 Francia ocupa Argelia.",  // Spanish
    " 1833  Europe is shaken by struggles for civil and political liberties, for a constitution and for the independence of nations: the risings of 1820-21 and 1830-31, mostly crushed. Greece wins its independence from the Turks in 1829 with the help of Britain, France and Russia. In France, in 1830, Charles X is overthrown and Louis Philippe takes the throne. In 1831 Belgium becomes independent of Holland. Colonial expansion goes on: in 1830 France occupies Algeria.",  // English
}};

}  // namespace contenuti
