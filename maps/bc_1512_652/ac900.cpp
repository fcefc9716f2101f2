// Map 32 (900 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Labels 13 and 22 are placed and show nothing; label 29 lies in the emptied
// range and is captioned again.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2360, 6960}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{3240, 4920}, std::nullopt, {"", "", "", ""}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2820, 7920}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2880, 6600}, 0xFFFFFF, {"Israele", "Israël", "Israel", "Israel"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3000, 6480}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {22, Posizione{2760, 10700}, std::nullopt, {"", "", "", ""}},
    {23, Posizione{2200, 7200}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {24, Posizione{1600, 6100}, std::nullopt, {"Frigia", "Phrygie", "Frigia", "Phrygia"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac900;
const ContenutoCarta ac900{etichette, 25, {
    "900 a.C.  Gli Assiri avevano allestito un esercito, per resistere all'attacco dei Popoli del Mare: un'armata celebre per la sua ferocia, grazie alla quale il regno estende gradualmente il suo potere sulla Mesopotamia settentrionale ed entra in conflitto con l'Urartu. In Anatolia, la Frigia consolida la sua egemonia sulla regione. In Grecia cominciano a formarsi le prime città-stato. Il regno di Salomone si scinde: a sud il regno di Giuda, con Gerusalemme per capitale; il Regno d'Israele, a nord, fa capo a Samaria.",  // Italian
    "900 Av. J.-C. Afin de résister à l'attaque des Peuples de la Mer, les Assyriens avaient mis sur pied une armée célèbre pour sa férocité. Grâce à elle, le royaume d'Assyrie étend lentement sa domination sur la Mésopotamie septentrionale et entre en conflit avec l'Urartu. En Anatolie, la Phrygie consolide son hégémonie. En Grèce, les premières cités-États commencent à se former. Le royaume d'Israël se divise en deux : au sud, le royaume de Juda, avec Jérusalem pour capitale, et au nord le royaume d'Israël, avec Samarie pour capitale.",  // French
    "900 a.C. Para oponerse al ataque de los Pueblos del Mar, los asirios habían organizado un ejército famoso por su ferocidad. Gracias a él, el reino asirio extiende lentamente su dominio sobre el norte de Mesopotamia y entra en conflicto con el reino de Urartu. En Anatolia, el reino de Frigia consolida su hegemonía sobre la región. En Grecia empiezan a formarse las primeras ciudades-estado. El reino de Israel se divide en dos: al sur el reino de Judá, con capital en Jerusalén, y al norte el reino de Israel, con capital en Samaria.",  // Spanish
    "900 B.C. The Assyrians had set up  an army,  famous for its ferocity, to resist the attack of the Sea Peoples. Thanks to this army the Assyrian kingdom slowly extends its rule over northern Mesopotamia and comes into conflict with Urartu. In Anatolia, Phrygia consolidates its hegemony. In Greece the first city-states begin to take shape. Israel splits into two: the kingdom of Judah in the south, with Jerusalem as its capital, and the kingdom of Israel in the north, with Samaria as its capital.",  // English
}};

}  // namespace contenuti
