// Map 156 (1913 AD): overlay labels and descriptions.
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
    {4, Posizione{5160, 5280}, 0xFFFFFF, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2775, 5760}, 0x000000, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {7, Posizione{3840, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6840}, 0xFFFFFF, {"Serbia", "Serbie", "Serbia", "Serbia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{5760, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4560, 10320}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{5760, 6000}, 0xFFFFFF, {"", "", "", ""}},
    {19, Posizione{4200, 3960}, 0x000000, {"R.di Spagna", "R.d'Espagne", "R.de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marocco-Fr", "Maroc-Fr", "Marruecos-Fr", "Morocco-Fr"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{5760, 5280}, 0x000000, {"", "", "", ""}},
    {25, Posizione{5040, 4560}, 0x000000, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {26, Posizione{5760, 7560}, 0x000000, {"", "", "", ""}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{5760, 8640}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{4440, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Impero Austroungarico", "Empire d'Autriche-Hongrie", "Imp. Austro-Húngaro", "Austro-hungarian Emp."}},
    {34, Posizione{3240, 4800}, 0x000000, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {35, Posizione{5760, 9480}, 0x000000, {"", "", "", ""}},
};
}  // namespace

extern const ContenutoCarta dc1913;
const ContenutoCarta dc1913{etichette, NessunaPulizia, {
    "1913   La Norvegia è diventata un regno indipendente. Nei Balcani si sono combattute due guerre: nella prima i nuovi stati balcanici, alleati, hanno sconfitto la Turchia; nella seconda hanno lottato tra loro per le terre conquistate. Tutti gli altri stati ampliano il territorio, nasce il regno d'Albania e la Francia ha occupato il Marocco.",  // Italian
    "1913  La France a occupé le Maroc. La Norvège est devenue un royaume indépendant. Dans les Balkans, deux guerres ont eu lieu : dans la première, les nouveaux États balkaniques, alliés, ont battu la Turquie ; dans la seconde, ils se sont battus entre eux pour les terres conquises. Tous les États agrandissent leur territoire et le royaume d'Albanie naît.",  // French
    "1913  Noruega se ha convertido en un reino independiente. En los Balcanes se han librado dos guerras: en la primera los nuevos estados balcánicos, aliados, derrotaron a Turquía; en la segunda lucharon entre sí por repartirse las tierras conquistadas. Nace el reino de Albania y Francia ha ocupado Marruecos.",  // Spanish
    "1913  Norway has become an independent kingdom. Two wars have been fought in the Balkans: in the first the new Balkan states, allied, defeated Turkey; in the second they fought among themselves for the conquered lands. The kingdom of Albania is born and France has occupied Morocco.",  // English
}};

}  // namespace contenuti
