// Map 144 (1808 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
// Labels 0, 10, 12, 18, 21, 23, 25, 28, 29, 30 are not used here: they wait below the picture with an empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{5760, 6240}, 0xFF0000, {"", "", "", ""}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.di Napoli", "R.de Naples", "R.de Napoles", "Kdm of Naples"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2880, 5640}, 0x000000, {"Conf.del Reno", "Conf.du Rhin", "Conf del Rin", "Rhine Confed."}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{5760, 6600}, 0x000000, {"", "", "", ""}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"R.d'Olanda", "R.Hollande", "R.de Holanda", "Holland Kdm"}},
    {12, Posizione{6000, 7320}, 0xFFFFFF, {"", "", "", ""}},
    {13, Posizione{1440, 6360}, 0x000000, {"R.di Svezia", "R.de Suède", "R.de Suecia", "Sweden Kdm"}},
    {14, Posizione{3840, 6360}, 0xFFFFFF, {"Illiria", "Illyrie", "Iliria", "Illyria"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{6000, 7920}, 0xFFFFFF, {"", "", "", ""}},
    {19, Posizione{4200, 3960}, 0x000000, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasidi", "Wattasides", "Wattasidas", "Wattasids"}},
    {21, Posizione{6000, 6840}, 0x000000, {"", "", "", ""}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{5760, 7200}, 0x000000, {"", "", "", ""}},
    {24, Posizione{2520, 6480}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{5760, 7920}, 0x000000, {"", "", "", ""}},
    {26, Posizione{3720, 5760}, 0x000000, {"R.d'Italia", "R.d'Italie", "R.Italico", "Italy Kdm"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {28, Posizione{6000, 8520}, 0x000000, {"", "", "", ""}},
    {29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{2760, 6600}, 0xFFFFFF, {"D.di Varsavia", "D.de Varsavie", "D.Varsovia", "D.of Warsaw"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 6480}, 0xFFFFFF, {"Impero Austriaco", "Empire d'Autriche", "Imperio Austriaco", "Austrian Empire"}},
    {34, Posizione{3240, 4800}, 0x000000, {"Impero Francese", "Empire de France", "Imperio de Francia", "French Empire"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1808;
const ContenutoCarta dc1808{etichette, NessunaPulizia, {
    "1808   Nel 1804 Napoleone diventa imperatore dei Francesi. Nel 1805 trasforma l'Italia in un regno e se ne proclama re; nello stesso anno riapre la guerra contro la terza coalizione europea (Gran Bretagna, Austria, Russia, Svezia), sconfigge gli Austriaci ad Austerlitz e annette il Veneto ed i territori tedeschi, ponendo fine al Sacro Romano Impero. Tra il 1805 e il 1808 sconfigge Russi e Prussiani, ricrea uno stato polacco e occupa la Spagna e il Portogallo.",  // Italian
    "1808 Devenu empereur des Français en 1804, Napoléon contrôle directement ou indirectement une grande partie de l'Europe. L'Angleterre s'oppose à la France sur la mer : victorieuse à Trafalgar en 1805, elle obtient la maîtrise des mers et impose un blocus maritime à la France. Elle est l'âme des coalitions européennes successives contre Napoléon, que les armées impériales écrasent à Austerlitz (1805), à Iéna (1806) et à Wagram (1809).",  // French
    "1808  En 1804 Napoleón es coronado emperador de Francia. En 1805 transforma a Italia en un reino y se proclama su rey; ese mismo año retoma la guerra contra la tercera coalición europea (Inglaterra, Austria, Rusia y Suecia), vence a los austriacos en la batalla de Austerlitz y se anexiona el Véneto y los territorios alemanes, poniendo fin al Sacro Imperio Romano. Entre 1805 y 1808 derrota también a rusos y prusianos, recrea un estado polaco y ocupa España y Portugal.",  // Spanish
    " 1808  Napoleon becomes Emperor in 1804.  In 1805 he turns northern Italy into a kingdom and assumes its crown.  In the same year he resumes the war against the third European coalition (Britain, Austria, Russia, Sweden and Naples), defeats the Austrians at the battle of Austerlitz and annexes the Veneto and the German territories, thus ending the Holy Roman Empire.  Between 1805 and 1808 he also defeats the Russians and the Prussians, creates a Polish duchy and occupies both Spain and Portugal.",  // English
}};

}  // namespace contenuti
