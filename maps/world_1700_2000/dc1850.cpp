// Map 149 (1850 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1320, 7200}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {2, Posizione{2280, 6720}, 0xFFFFFF, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {3, Posizione{1920, 9960}, 0xFF0000, {"Cina (Qing)", "Chine (Qing)", "China (Qing)", "China (Qing)"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {5, Posizione{3600, 4080}, 0x000000, {"Ecuador", "Equador", "Ecuador", "Ecuador"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8520}, 0xFFFFFF, {"Persia", "Perse", "Persia", "Persia"}},
    {8, Posizione{3960, 7320}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2280, 7680}, 0x000000, {"I.Ottomano", "E.Ottoman", "I.Otomano", "Ottoman E."}},
    {11, Posizione{3960, 4560}, 0xFFFFFF, {"Perù", "Peru", "Perù", "Peru"}},
    {12, Posizione{720, 6000}, 0x0000FF, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {13, Posizione{2160, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{2040, 6360}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {15, Posizione{4320, 4800}, 0xFFFFFF, {"Bolivia", "Bolivie", "Bolivia", "Bolivia"}},
    {16, Posizione{1080, 7320}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1560, 7440}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {18, Posizione{2640, 9360}, 0x000000, {"India", "India (GB)", "India (GB)", "India (GB)"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{2160, 6960}, 0x000000, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {21, Posizione{3360, 4320}, 0x000000, {"Colombia", "Colombie", "Colombia", "Colombia"}},
    {22, Posizione{3120, 4800}, 0x000000, {"Venezuela", "Venezuela", "Venezuela", "Venezuela"}},
    {23, Posizione{4800, 5280}, 0x000000, {"Uruguay", "Uruguay", "Uruguay", "Uruguay"}},
    {24, Posizione{4560, 4920}, 0xFFFFFF, {"Paraguay", "Paraguay", "Paraguay", "Paraguay"}},
    {25, Posizione{3120, 7920}, 0x000000, {"Etiopia", "Ethiopie", "Etiopia", "Ethiopia"}},
    {26, Posizione{1440, 3720}, 0xFFFFFF, {"Canada (GB)", "Canada (GB)", "Canadá (GB)", "Canada (GB)"}},
    {27, Posizione{4920, 7440}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {28, Posizione{3600, 10320}, 0x000000, {"(Olanda)", "(Hollande)", "(Holanda)", "(Holland)"}},
    {29, Posizione{2160, 8880}, 0xFFFFFF, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {30, Posizione{5040, 4440}, 0xFF0000, {"Cile", "Chili", "Chile", "Chily"}},
    {31, Posizione{4800, 4680}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 10800}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc1850;
const ContenutoCarta dc1850{etichette, NessunaPulizia, {
    "1850   In Europa si sta diffondendo la rivoluzione industriale e Marx ha pubblicato il Manifesto comunista. L'America Latina ha ottenuto l'indipendenza dalla Spagna e dal Portogallo, mentre è iniziata l'espansione degli Stati Uniti verso ovest. Gli inglesi stanno colonizzando il Canada, il Sud Africa, l'India, l'Australia e la Nuova Zelanda. La prima guerra dell'oppio tra Cina e Gran Bretagna si è chiusa con la cessione di Hong Kong agli inglesi. L'Europa si lecca ancora le ferite dei moti del 1848-49. La popolazione mondiale è di 1200 milioni.",  // Italian
    "1850 en Europe la révolution industrielle se répand et Marx a publié le Manifeste communiste. L'Amérique latine s'est libérée de l'Espagne et du Portugal, et l'expansion des Etats-Unis vers l'Ouest a débuté. Les Britanniques colonisent le Canada, l'Afrique du Sud, l'Inde, l'Australie et la Nouvelle-Zélande. La première guerre de l'opium entre la Chine et la Grande-Bretagne s'est terminée par la cession de Hong Kong aux Anglais. L'Europe reste instable après les révolutions de 1848-49. La population mondiale est de 1200 millions.",  // French
    "1850  En Europa se está expandiendo la revolución industrial y Marx ha publicado el Manifiesto Comunista. América Latina se ha independizado de España y Portugal, y ha comenzado la expansión de Estados Unidos hacia el oeste. Los británicos colonizan tierras en Canadá, Sudáfrica, la India, Australia y Nueva Zelanda. La primera guerra del opio entre China y Gran Bretaña termina con la cesión de la colonia de Hong Kong. Europa intenta recuperarse de las revoluciones de 1848-49. La población mundial es de 1200 millones.",  // Spanish
    "1850  In Europe, the Industrial Revolution is spreading and Marx has published his little Communist Manifesto. Latin America has won its independence from Spain and Portugal, and the westward expansion of the United States has begun. The British are colonising Canada, South Africa, India, Australia and New Zealand. The first Opium War between China and Britain has ended with Hong Kong passing to the British. Europe still suffers after the revolutions of 1848-49. The world population is 1.2 billion.",  // English
}};

}  // namespace contenuti
