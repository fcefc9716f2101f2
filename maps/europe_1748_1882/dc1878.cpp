// Map 153 (1878 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{4320, 5880}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.de Italia", "Kdm of Italy"}},
    {1, Posizione{4200, 6600}, 0x000000, {"Montenegro", "Montenegro", "Montenegro", "Montenegro"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4080, 7200}, 0x000000, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{5520, 8160}, 0xFFFFFF, {"", "", "", ""}},
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
    {15, Posizione{4560, 7680}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4560, 10440}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
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
    {31, Posizione{5520, 6840}, 0xFFFFFF, {"", "", "", ""}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Impero Austroungarico", "Empire d'Autriche-Hongrie", "Imp. Austro-Húngaro", "Austro-hungarian Emp."}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{5760, 9480}, 0x000000, {"", "", "", ""}},
};
}  // namespace

extern const ContenutoCarta dc1878;
const ContenutoCarta dc1878{etichette, NessunaPulizia, {
    "1878   Dopo la vittoria russa sugli Ottomani, il trattato di Santo Stefano, che favoriva i Russi, viene rivisto dal Congresso e dal Trattato di Berlino: la Romania, la Serbia e il Montenegro diventano indipendenti, la Bulgaria diventa autonoma, l'Austria-Ungheria amministra la Bosnia-Erzegovina, l'Inghilterra ottiene Cipro e alla Russia vanno Batum, Kars, Ardahan e la Bessarabia.",  // Italian
    "1878 Après la victoire de la Russie sur les Ottomans, le traité de San Stefano, favorable aux Russes, est révisé au Congrès de Berlin : la Roumanie, la Serbie et le Monténégro deviennent indépendants, la Bulgarie autonome, l'Autriche-Hongrie obtient d'administrer la Bosnie-Herzégovine, l'Angleterre obtient Chypre et la Russie Batoum, Kars, Ardahan et la Bessarabie.",  // French
    "1878  Tras la victoria de Rusia sobre los otomanos, el tratado de San Stefano, demasiado favorable a los rusos, es revisado por las potencias en el Congreso y el Tratado de Berlín: Rumanía, Serbia y Montenegro se independizan, Bulgaria es autónoma, Austria-Hungría recibe la administración de Bosnia y Herzegovina, Inglaterra obtiene Chipre y a Rusia se le conceden Batum, Kars, Ardahan y Besarabia.",  // Spanish
    "1878  After Russia's victory over the Ottomans, the treaty of San Stefano redraws the Balkans in Russia's favour, but the other powers object and it is revised at once by the Congress and Treaty of Berlin: Romania, Serbia and Montenegro become independent, Bulgaria is made autonomous, Austria-Hungary administers Bosnia-Herzegovina, England takes Cyprus, and Russia is granted Batum, Kars, Ardahan and Bessarabia.",  // English
}};

}  // namespace contenuti
