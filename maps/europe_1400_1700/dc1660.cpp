// Map 135 (1660 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3600, 6960}, 0xFF0000, {"Transilvania", "Transylvanie", "Transilvania", "Transylvania"}},
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
    {25, Posizione{2640, 5880}, 0xFFFFFF, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{3960, 5640}, 0x000000, {"Toscana", "Toscane", "Toscana", "Tuscany"}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3150, 6360}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1660;
const ContenutoCarta dc1660{etichette, NessunaPulizia, {
    "1660   Nel 1559 viene firmata la Pace dei Pirenei tra la Francia e la Spagna: ai Francesi vanno l'Artois e il Rossiglione. Altre guerre si sono combattute tra Svedesi e Polacchi e tra Svedesi e Danesi.",  // Italian
    "1659 La France et l'Espagne signent la paix des Pyrénées, qui donne à la France l'Artois et le Roussillon et assure à Louis XIV un prestige incontesté en Europe. Depuis 1655, les principales puissances de la Baltique s'affrontent dans la seconde guerre du Nord : Charles X Gustave de Suède dévaste la Pologne, puis il envahit le Danemark et confirme la suprématie suédoise sur le Nord de l'Europe.",  // French
    "1659  Francia y España firman la Paz de los Pirineos: los franceses consiguen así el Artois y el Rosellón. Tras la Paz de Westfalia de 1648, en el Báltico los suecos combaten contra los polacos y después contra los daneses.",  // Spanish
    "1659 France and Spain subscribe to the Peace of the Pyrenees, by which the French obtain Artois and Roussillon. After the Peace of Westphalia of 1648, in the Baltic the Swedes fight against the Poles and then the Danes.",  // English
}};

}  // namespace contenuti
