// Map 150 (1861 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3960, 5760}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.de Italia", "Kdm of Italy"}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{3600, 10800}, 0x000000, {"Turcomanni", "Turcomannes", "Turcomanos", "Turkmans"}},
    {4, Posizione{3200, 11160}, 0xFFFFFF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2770, 5760}, 0x000000, {"Confed. Germanica", "Conf. Allemande", "Confed. Germànica", "Germanic Confed."}},
    {7, Posizione{3480, 7440}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1320, 5880}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6840}, 0xFFFFFF, {"Serbia", "Serbie", "Serbia", "Serbia"}},
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
    {25, Posizione{5040, 4680}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{5760, 7560}, 0x000000, {"", "", "", ""}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{5760, 8640}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3600, 6600}, 0xFFFFFF, {"R.d'Ungheria", "R.d'Hongrie", "R.de Hungría", "Hungary Kdm"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 6480}, 0xFFFFFF, {"Impero Austriaco", "Empire d'Autriche", "Imperio Austriaco", "Austrian Empire"}},
    {34, Posizione{3240, 4800}, 0x000000, {"R.di Francia", "R. de France", "R. de Francia", "Kdm of France"}},
    {35, Posizione{5760, 9480}, 0x000000, {"", "", "", ""}},
};
}  // namespace

extern const ContenutoCarta dc1861;
const ContenutoCarta dc1861{etichette, NessunaPulizia, {
    "1861   Le rivoluzioni liberali e nazionali del 1848-49 falliscono ovunque. In Francia nasce una repubblica, ma il suo presidente, Luigi Napoleone, la trasforma nel 1852 in un impero. Una coalizione di Francesi, Inglesi, Turchi e Piemontesi ferma in Crimea (1853-56) l'espansione russa verso sud-ovest. Napoleone III interviene in Italia e, insieme al Piemonte, sconfigge l'Austria; segue poi la spedizione dei Mille di Garibladi, che porta nel 1861 alla nascita del Regno d'Italia. Nei Balcani, la Moldavia e la Valacchia si uniscono nel Principato autonomo di Romania, mentre la Serbia ottiene dagli Ottomani un'ampia autonomia.",  // Italian
    "1861 Les révolutions libérales et nationales de 1848-49 échouent partout. En France naît une république, que son président, Louis-Napoléon, transforme en empire en 1852. Une coalition de Français, d'Anglais, de Turcs et de Piémontais arrête en Crimée l'expansion russe vers le sud-ouest. Napoléon III intervient en Italie et, avec le Piémont, bat l'Autriche ; vient alors l'expédition des Mille de Garibaldi, qui mène en 1861 à la naissance du Royaume d'Italie. Dans les Balkans, la Moldavie et la Valachie forment une Principauté autonome de Roumanie, tandis que la Serbie obtient des Ottomans une autonomie étendue.",  // French
    "1861  Las revoluciones liberales y nacionales de 1848-49 fracasan en todas partes. En Francia nace una república, pero su presidente, Luis Napoleón, la transforma en un imperio en 1852. Una coalición de franceses, ingleses, turcos y piamonteses detiene en Crimea la expansión rusa hacia el suroeste. Napoleón III interviene en Italia y, junto con el Piamonte, derrota a Austria; sigue la expedición de los Mil de Garibaldi, que lleva en 1861 al nacimiento del Reino de Italia. En los Balcanes, Moldavia y Valaquia se unen formando el Principado autónomo de Rumanía. Serbia obtiene de los otomanos una extensa autonomía.",  // Spanish
    "1861 The liberal and national revolutions of 1848-49 fail everywhere. In France a republic arises, but its president, Louis Napoleon, turns it into an empire in 1852. A coalition of the French, the English, the Turks and the Piedmontese stops the Russian expansion to the southwest in the Crimea. ITALY: Napoleon III intervenes in Italy and, along with Piedmont, defeats Austria in 1859, which ends the war; Garibaldi's expedition of the Thousand follows and leads in 1861 to the Kingdom of Italy. BALKANS: Moldavia and Wallachia unite in the autonomous Principality of Romania, and the Ottomans grant Serbia broad autonomy.",  // English
}};

}  // namespace contenuti
