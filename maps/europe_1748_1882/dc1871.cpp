// Map 152 (1871 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{4320, 5880}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.de Italia", "Kdm of Italy"}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"", "", "", ""}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{3600, 10800}, 0x000000, {"", "", "", ""}},
    {4, Posizione{3200, 11160}, 0xFFFFFF, {"", "", "", ""}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2775, 5760}, 0x000000, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {7, Posizione{3840, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1320, 5880}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6840}, 0xFFFFFF, {"Serbia", "Serbie", "Serbia", "Serbia"}},
    {13, Posizione{1520, 5880}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{5760, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{5760, 6000}, 0xFFFFFF, {"", "", "", ""}},
    {19, Posizione{4200, 3960}, 0x000000, {"R.di Spagna", "R.d'Espagne", "R.de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"R.Marocco", "R. du Maroc", "R.de Marruecos", "Morocco Kdm"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{5760, 5280}, 0x000000, {"", "", "", ""}},
    {25, Posizione{5040, 4680}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{5760, 7560}, 0x000000, {"", "", "", ""}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{5760, 8640}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3600, 6600}, 0xFFFFFF, {"", "", "", ""}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Impero Austroungarico", "Empire d'Autriche-Hongrie", "Imp. Austro-Húngaro", "Austro-hungarian Emp."}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{5760, 9480}, 0x000000, {"", "", "", ""}},
};
}  // namespace

extern const ContenutoCarta dc1871;
const ContenutoCarta dc1871{etichette, NessunaPulizia, {
    "1871   I Prussiani sconfiggono Napoleone III e nasce il Secondo Reich, che unisce gli stati tedeschi sotto il re prussiano. La Francia perde Alsazia e Lorena e diventa una repubblica. Lo Stato Pontificio perde la protezione francese e il Regno d'Italia completa l'unificazione con il Lazio e Roma.",  // Italian
    "1871  Les Prussiens battent Napoléon III à Sedan et le Second Reich voit le jour : il unit les États allemands sous le roi de Prusse. La France perd l'Alsace et la Lorraine et devient une république. Privé de la protection française, l'État pontifical ne peut plus se défendre, et le Royaume d'Italie achève son unification avec le Latium et Rome.",  // French
    "1871  Los prusianos derrotan a Napoleón III y nace el Segundo Reich, que une a los estados alemanes bajo la autoridad del rey de Prusia. Francia pierde Alsacia y Lorena y se convierte en república. El Estado Pontificio pierde la protección de los franceses, y el Reino de Italia completa su unificación con la anexión del Lacio y de Roma, su capital.",  // Spanish
    "1871  The Prussians defeat Napoleon III and the Second Reich is born, uniting the German states under the King of Prussia, who becomes German Emperor. France loses Alsace and Lorraine and becomes a republic. The Papal State loses the protection of France, and what remains of it around Rome is taken almost without a fight: the Kingdom of Italy completes its unification with Lazio and Rome.",  // English
}};

}  // namespace contenuti
