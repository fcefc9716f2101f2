// Map 157 (1919 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written and every one names a place, so nothing of the
// previous map stays on the overlay.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{4320, 5880}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.de Italia", "Kdm of Italy"}},
    {1, Posizione{3480, 6600}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4080, 7200}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{5160, 5280}, 0xFFFFFF, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2775, 5760}, 0x000000, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {7, Posizione{3720, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2235, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6480}, 0xFFFFFF, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{2880, 6840}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Unione Sovietica", "Union Soviétique", "Union Sovietica", "Sovietic Union"}},
    {17, Posizione{4560, 10320}, 0x000000, {"Iran", "Iran", "Iran", "Iran"}},
    {18, Posizione{3120, 6240}, 0xFFFFFF, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R.di Spagna", "R.d'Espagne", "R.de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{5040, 4560}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{1800, 7080}, 0xFFFFFF, {"Estonia", "Estonie", "Estonia", "Estonia"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2280, 6960}, 0xFFFFFF, {"Lituania", "Lituanie", "Lituania", "Lithuania"}},
    {30, Posizione{2040, 7200}, 0xFFFFFF, {"Lettonia", "Lettonie", "Letonia", "Latvia"}},
    {31, Posizione{4440, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{4920, 8880}, 0x000000, {"Siria-Fr", "Syrie-Fr", "Siria-Fr", "Syria-Fr"}},
};
}  // namespace

extern const ContenutoCarta dc1919;
const ContenutoCarta dc1919{etichette, NessunaPulizia, {
    "1919   Alla fine della Prima Guerra Mondiale la Russia, dopo la rivoluzione, diventa il primo paese socialista del mondo, ma perde la Finlandia, i paesi baltici, la Polonia e la Bessarabia. L'Impero Austro-Ungarico giunge al termine e viene diviso in stati più piccoli. Nei Balcani nasce la Jugoslavia, formata da sette popoli diversi. La Francia riacquista l'Alsazia e Lorena; l'Italia, Trento, Trieste e l'Alto Adige. Francia e Gran Bretagna ottengono protettorati in Siria, Palestina e Mesopotamia. La Polonia ottiene un corridoio che le dà sbocco al mare fino a Danzica e che separa la Prussia dal resto della Germania.",  // Italian
    "1919 La fin de la Première Guerre mondiale et les révolutions de 1917 transforment l'Europe. La Russie devient le premier pays socialiste du monde, mais elle perd la Finlande, les pays baltes, la Pologne et la Bessarabie. L'Empire austro-hongrois disparaît et se divise en plusieurs États plus petits. Dans les Balkans naît la Yougoslavie, formée de sept peuples. La France récupère l'Alsace et la Lorraine, l'Italie Trente, Trieste et le Haut-Adige. La France et la Grande-Bretagne obtiennent des protectorats en Syrie, en Palestine et en Mésopotamie. La Pologne obtient un corridor qui lui donne un accès à la mer jusqu'à Dantzig, et qui sépare la Prusse du reste de l'Allemagne.",  // French
    "1919  Al final de la Primera Guerra Mundial Rusia, tras la revolución, se convierte en el primer país socialista del mundo, pero pierde Finlandia, los territorios bálticos, Polonia y Besarabia. El Imperio Austro-Húngaro llega a su fin y se divide en varios estados más pequeños. En los Balcanes nace Yugoslavia, formada por siete pueblos distintos. Francia recupera Alsacia y Lorena, e Italia obtiene Trento, Trieste y el Alto Adigio. Francia y Gran Bretaña obtienen protectorados en Siria, en Palestina y en Mesopotamia. Polonia recibe un corredor que le da salida al mar Báltico hasta Danzig y que separa Prusia del resto de Alemania.",  // Spanish
    "1919 At the end of the First World War Russia, after the revolution, becomes the first socialist country in the world, but it loses Finland, the Baltic lands, Poland and Bessarabia. The Austro-Hungarian Empire comes to an end and is divided into several smaller states. In the Balkans Yugoslavia is born, made up of seven different peoples. France recovers Alsace and Lorraine, and Italy gains Trento, Trieste and South Tyrol. France and Britain obtain protectorates in Syria, Palestine and Mesopotamia, formerly Ottoman lands. Poland is given a corridor that leads to the Baltic Sea as far as Danzig, and which cuts East Prussia off from the rest of Germany.",  // English
}};

}  // namespace contenuti
