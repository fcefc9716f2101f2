// Map 30 (1085 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Label 29 lies in the emptied range and is captioned again.
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
    {13, Posizione{3240, 4920}, 0xFFFFFF, {"Libici", "Lybiens", "Libios", "Libyans"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Bassa Epoca", "Basse Epoque", "Baja Epoca", "Low Period"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2760, 6960}, 0xFFFFFF, {"Aramei", "Aramiens", "Arameos", "Arameans"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3240, 6360}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1085;
const ContenutoCarta ac1085{etichette, 24, {
    "1085 a.C.  I Libici, alleati ad altri sconosciuti 'Popoli del Mare', invadono l'Egitto: finisce il Nuovo Regno, inizia il Terzo Periodo Intermedio. L'Egitto perde il controllo di Siria e Palestina e rinuncia alla Nubia, che diventa indipendente, mentre i Faraoni combattono contro i sacerdoti tebani, sempre più potenti.",  // Italian
    "1085 avant J.-C. : Les Libyens, alliés aux Peuples de la Mer, envahissent l'Égypte : c'est la fin du Nouvel Empire, le début de la Troisième Période intermédiaire. L'Égypte perd définitivement le contrôle de la Syrie et de la Palestine et abandonne en outre la Nubie, qui devient indépendante, tandis que les pharaons doivent lutter contre les prêtres d'Amon à Thèbes, toujours plus riches et puissants.",  // French
    "1085 a.C. Los libios, aliados con otros pueblos marineros, invaden Egipto: termina el Reino Nuevo y se abre el Tercer Período Intermedio. Egipto pierde el control de Siria y Palestina y abandona Nubia, que se vuelve independiente, mientras los faraones deben luchar contra los sacerdotes de Tebas, cada vez más poderosos.",  // Spanish
    "1085 B.C. The Libyans, allied to other unknown ' Sea Peoples', invade Egypt: the New Kingdom ends and the Third Intermediate Period begins. Egypt loses its hold on Syria and Palestine and gives up Nubia, which becomes independent, while the Pharaohs have to struggle against the ever more powerful and wealthy priests of Amun at Thebes.",  // English
}};

}  // namespace contenuti
