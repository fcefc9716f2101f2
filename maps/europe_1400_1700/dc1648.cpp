// Map 134 (1648 AD): overlay labels and descriptions.
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

extern const ContenutoCarta dc1648;
const ContenutoCarta dc1648{etichette, NessunaPulizia, {
    "1648   La Pace di Westfalia mette fine alla Guerra dei Trent'anni e con essa comincia ad affermarsi il principio della libertà religiosa. L'Austria esce sconfitta, e questo garantisce l'autonomia degli stati tedeschi all'interno dell'Impero. La Francia acquista l'Alsazia e la Svezia diventa la padrona del Baltico. La Spagna, che non firma la pace, continua a battersi contro la Francia.",  // Italian
    "1648 Les traités de Westphalie mettent un terme à la guerre de Trente Ans. Le nouvel ordre européen profite surtout à la France du jeune Louis XIV : l'empire des Habsbourg en sort affaibli, tandis que les princes allemands sont renforcés et plus autonomes vis-à-vis de l'empereur. La liberté de culte est partout réaffirmée. La France obtient l'Alsace, sauf Strasbourg, et la Suède reçoit la Poméranie et devient la première puissance de la Baltique. Face à ce revers, l'Espagne reprend la guerre contre la France.",  // French
    "1648  La Paz de Westfalia pone fin a la Guerra de los Treinta Años y con ella se afirma el principio de la libertad religiosa. Austria sale derrotada, lo que asegura la autonomía de los estados alemanes dentro del Sacro Imperio. Francia adquiere Alsacia y Suecia se convierte en dueña del mar Báltico. España, que no firma la paz, sigue luchando contra Francia.",  // Spanish
    "1648 The Peace of Westphalia ends the Thirty Years' War and guarantees the principle of freedom of religion. Austria is defeated, and this secures the autonomy of the German states in the centre of the Holy Roman Empire. France acquires Alsace, and Sweden becomes the master of the Baltic Sea. Spain, which does not sign the peace, continues to fight against France.",  // English
}};

}  // namespace contenuti
