// Map 137 (1700 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 0, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{5760, 7560}, 0xFF0000, {"", "", "", ""}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5760}, 0x000000, {"R. di Napoli", "R. de Naples", "R. de Napoles", "Kdm of Naples"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {12, Posizione{3645, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Persia Safavide", "Perse Safavide", "Persia Safavide", "Safavid Persia"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{2880, 5400}, 0x000000, {"(Spa)", "(Esp)", "(Esp)", "(Spa)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2640, 7440}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{2500, 6840}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{2640, 6000}, 0x000000, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{3960, 5640}, 0x000000, {"Toscana", "Toscane", "Toscana", "Tuscany"}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 6600}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1700eu;
const ContenutoCarta dc1700eu{etichette, NessunaPulizia, {
    "1700   La Prussia, un ducato polacco, viene ereditato dagli Hohenzollern di Brandeburgo nel 1618 e diventa pienamente indipendente nel 1660 con la Pace di Oliva, che chiude la Prima Guerra del Nord. Nel 1700 comincia la Seconda Guerra del Nord: Danimarca, Sassonia, Polonia e Russia si alleano per fermare l'espansione della Svezia nel Baltico. Nel 1668 la Spagna rinuncia definitivamente alle pretese sul Portogallo, che aveva annesso nel 1580. La Francia di Luigi XIV, impegnata su più fronti, ottiene nelle guerre contro l'Olanda territori nel nord e la Franca Contea.",  // Italian
    "1700 Les Hohenzollern de Brandebourg héritent de la Prusse en 1618 ; elle devient indépendante en 1660 avec la paix d'Oliva, qui met fin à la première guerre du Nord. En 1700 commence la seconde guerre du Nord : le Danemark, la Saxe, la Pologne et la Russie s'allient pour mettre un terme à l'expansion suédoise dans la Baltique. En 1668, par le traité de Lisbonne, l'Espagne renonce à toute prétention sur le Portugal. La France de Louis XIV annexe des territoires en Franche-Comté et dans le nord du royaume. ",  // French
    "1700  Prusia, ducado polaco, es heredada por los Hohenzollern de Brandeburgo en 1618 y se independiza de Polonia en 1660 con la Paz de Oliva, que pone fin a la Primera Guerra del Norte. En 1700 comienza la Segunda Guerra del Norte: Dinamarca, Sajonia, Polonia y la Rusia de Pedro el Grande se alían para frenar la expansión de Suecia en el mar Báltico. En 1668 España renuncia definitivamente a sus pretensiones sobre Portugal, que mantenía desde la unión dinástica de 1580. La Francia de Luis XIV, comprometida en varios frentes, gana en las guerras contra Holanda territorios en el norte y el Franco Condado.",  // Spanish
    "1700 Prussia, a Polish Duchy, is inherited by the Hohenzollern of Brandenburg in 1618 and becomes independent in 1660 with the Peace of Oliva, which ends the First War of the North. In 1700 the Second War of the North begins: Denmark, Saxony, Poland and the Russia of Peter the Great ally to stop the Swedish expansion in the Baltic Sea. In 1668 Spain finally gives up the claims on Portugal that it had held since the union of the two crowns in 1580. Louis XIV assumes an absolute monarchy to rule France, and after the wars against Holland, France gains new territories in the north and Franche-Comté.",  // English
}};

}  // namespace contenuti
