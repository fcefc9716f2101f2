// Map 129 (1500 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1800, 6960}, 0xFF0000, {"Ordine Teutonico", "Ordre Teutonique", "Orden Teutónico", "Teutonic Order"}},
    {1, Posizione{4800, 10560}, 0x0000FF, {"Timuridi", "Timurides", "Timurides", "Timurids"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.di Napoli", "R.de Naples", "R.de Napoles", "Kdm of Naples"}},
    {4, Posizione{2040, 10800}, 0x0000FF, {"Shaybanidi", "Shaibanides", "Sheibaní", "Shaybanids"}},
    {5, Posizione{4320, 9480}, 0xFFFFFF, {"Ak Konyunlu", "Ak Konyunlu", "Ak Konyunlu", "Ak Konyunlu"}},
    {6, Posizione{2880, 5520}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2520, 5400}, 0xFF0000, {"Frisoni", "Frisons", "Frisones", "Fiesland"}},
    {12, Posizione{3645, 5280}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7200}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{3600, 9480}, 0x000000, {"Safavidi", "Safavides", "Safavides", "Safavids"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 4080}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{5040, 4560}, 0xFFFFFF, {"Piccoli Stati", "Petits Etats", "Estados menores", "Little States"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2640, 7440}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{2500, 6840}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{2640, 5880}, 0xFFFFFF, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5520}, 0x000000, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{3840, 6480}, 0xFFFFFF, {"Croazia", "Croatie", "Croacia", "Croatia"}},
    {30, Posizione{2880, 8880}, 0x0000FF, {"Orda d'Oro", "Horde d'OR", "Orda de Oro", "Golden Orde"}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{1920, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3360, 6240}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3120, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1500eu;
const ContenutoCarta dc1500eu{etichette, NessunaPulizia, {
    "1500   La Spagna, già unita in un solo regno nel 1469 col matrimonio tra Isabella e Ferdinando, completa l'unificazione con la conquista di Granada (1492). I cantoni svizzeri, uniti in una confederazione, battono l'imperatore Massimiliano e nel 1499 diventano indipendenti. La Svezia lascia l'Unione di Kalmar, ma non è ancora indipendente. L'intervento di Carlo VIII in Italia apre la lotta tra Francia e Spagna. La Polonia sconfigge i Cavalieri Teutonici, da cui nascerà il Ducato di Prussia, stato vassallo.",  // Italian
    "1500 En Espagne, le mariage d'Isabelle de  Castille et de Ferdinand d'Aragon unit les deux couronnes en un seul royaume ; la prise de Grenade en 1492, dernière étape de la Reconquista, achève l'unification du pays. Les cantons suisses, unis en confédération, battent l'empereur Maximilien Ier de Habsbourg et obtiennent leur indépendance en 1499. La Suède quitte l'Union de Kalmar ; elle deviendra un royaume indépendant en 1523. En 1494, l'intervention de Charles VIII dans une Italie économiquement prospère mais politiquement divisée ouvre les guerres d'Italie et une lutte d'un siècle et demi entre la France et l'Espagne, alors les deux monarchies les plus puissantes d'Europe. La Pologne bat les chevaliers de l'ordre Teutonique, et le duché de Prusse naît sous la suzeraineté polonaise.",  // French
    "1500  España que en 1469, con el matrimonio de Isabel de Castilla y Fernando de Aragón, se había unido en un solo reino, completa su unidad con la conquista de Granada (1492). Los cantones suizos, confederados, derrotan al emperador Maximiliano y en 1499 se independizan. Suecia sale de la Unión de Kalmar, aunque aún no es independiente. La intervención de Carlos VIII en Italia abre la lucha entre Francia y España. Polonia derrota a los Caballeros Teutónicos, de cuyo estado nacerá el Ducado de Prusia, vasallo.",  // Spanish
    "1500 Spain, already joined into a single kingdom in 1469 by the marriage of Isabella and Ferdinand, completes its unification by conquering Granada in 1492. The Swiss cantons, united in a confederation, defeat the Emperor Maximilian and become independent in 1499. Sweden leaves the Kalmar Union but is not yet independent. The intervention of Charles VIII in Italy starts the struggle between France and Spain. Poland defeats the Teutonic Knights, whose lands will become the Duchy of Prussia, a Polish vassal state.",  // English
}};

}  // namespace contenuti
