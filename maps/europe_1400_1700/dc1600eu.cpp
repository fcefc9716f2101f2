// Map 132 (1600 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 5, 22, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3600, 6960}, 0xFF0000, {"Transilvania", "Transylvanie", "Transilvania", "Transylvania"}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4560, 5760}, 0x000000, {"R. di Napoli", "R. de Naples", "R. de Napoles", "Kdm of Naples"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{5760, 9360}, 0xFFFFFF, {"", "", "", ""}},
    {6, Posizione{3000, 5640}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {12, Posizione{3645, 5400}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7200}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Persia Safavide", "Perse Safavide", "Persia Safavide", "Safavid Persia"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{2880, 5400}, 0x000000, {"(Spa)", "(Esp)", "(Esp)", "(Spa)"}},
    {22, Posizione{5760, 7200}, 0xFFFFFF, {"", "", "", ""}},
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

extern const ContenutoCarta dc1600eu;
const ContenutoCarta dc1600eu{etichette, NessunaPulizia, {
    "1600  Da poco  sono terminate le guerre tra Francia e Spagna. I problemi dell'epoca sono l'intolleranza religiosa, la difesa delle autonomie locali contro il potere centrale e la ricerca della supremazia militare e politica. La Spagna ha aggiunto la Lombardia ai suoi domini italiani e mantiene il controllo della Franca Contea e dei Paesi Bassi. Gli Olandesi, protestanti, lottano però per l'indipendenza dal dominio spagnolo. Fallisce il tentativo spagnolo di invadere l'Inghilterra. Continua l'espansione della Russia. La nobiltà ungherese, il cui regno è stato diviso tra Austria e Ottomani, si rifugia in Transilvania.",  // Italian
    "1600 Les guerres entre la France et l'Espagne se sont enfin achevées par la signature d'un traité de paix. Les grands problèmes de l'époque sont les conflits religieux, la tension entre les pouvoirs régionaux et le pouvoir central, et les ambitions hégémoniques de plusieurs souverains européens. L'Espagne a ajouté la Lombardie à ses possessions italiennes et garde encore le contrôle de la Franche-Comté et des Pays-Bas ; mais en 1588 les sept provinces du nord des Pays-Bas proclament la république calviniste des Provinces-Unies. La tentative d'invasion de l'Angleterre par l'Espagne échoue avec la destruction de l'Invincible Armada en 1588. La Russie poursuit son expansion vers l'est, en Sibérie. Après le partage du royaume de Hongrie entre Autrichiens et Ottomans, la noblesse hongroise se réfugie en Transylvanie.",  // French
    "1600   Acaban  de finalizar las guerras entre Francia y España. Los problemas de la época son la intolerancia religiosa, la defensa de las autonomías regionales frente al poder central y la búsqueda de la supremacía militar y política. España ha sumado Lombardía a sus dominios italianos y mantiene el control del Franco Condado y de los Países Bajos, donde las provincias protestantes del norte luchan por su independencia. Fracasa el intento español de invadir Inglaterra. Continúa la expansión de Rusia hacia el este. La nobleza húngara, cuyo reino ha quedado dividido entre Austria y los otomanos, se refugia en Transilvania.",  // Spanish
    "1600 The wars between France and Spain are finished. The chief problems of the age are religious intolerance, the defence of local autonomies against central power, and the striving for military and political supremacy. Spain has added Lombardy to its Italian dominions and still keeps control of the Franche-Comté and of the Low Countries, where the Protestant provinces of the north are fighting for their independence. The Spanish attempt to invade England with a great fleet, the Armada, fails. Russia's expansion toward the east continues. The Hungarian nobility, whose kingdom has been divided between Austria and the Ottoman Turks, takes refuge in Transylvania.",  // English
}};

}  // namespace contenuti
