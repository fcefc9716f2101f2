// Map 26 (1200 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Cassita", "Empire Cassite", "Imperio Casita", "Kassite Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Nuovo Regno", "Nouvel Empire", "Nuevo Reino", "New Kingdom"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{2040, 3720}, 0x0000FF, {"Popoli del mare", "Peuples de la mer", "Pueblos del mar", "Sea People"}},
    {20, Posizione{3240, 8760}, std::nullopt, {"Susa", "Suse", "Susa", "Susa"}},
    {21, Posizione{3240, 6360}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{2760, 11040}, std::nullopt, {"Ariani", "Aryens", "arios", "Arians"}},
    {23, Posizione{1920, 7560}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
};
}  // namespace

extern const ContenutoCarta ac1200;
const ContenutoCarta ac1200{etichette, 24, {
    "1200 a.C. Inizia un periodo di sconvolgimenti intorno al Mediterraneo. I Popoli del Mare pongono fine all'Impero ittita, scuotono gravemente il regno egiziano e spingono gli Ebrei, i Filistei e gli Aramei verso la Palestina. Finisce anche la civiltà micenea. I Popoli del Mare erano forse Sardi, Siculi, altri popoli italici e Achei, cacciati dalle loro terre da popoli indoeuropei appena giunti: Celti, Latini, Veneti, Italioti e Dori.",  // Italian
    "1200 avant J.-C.. Autour de la Méditerranée, se multiplient les bouleversements. Les Peuples de la Mer mettent fin à l'Empire hittite, attaquent et ébranlent l'Égypte et poussent Hébreux, Philistins et Araméens vers la Palestine. La civilisation mycénienne disparaît. Ces peuples étaient peut-être des Sardes, des Sicules, d'autres Italiques et des Achéens, chassés de leurs terres par des Indo-Européens venus du nord : Celtes, Latins, Vénètes, Italiotes et Doriens.",  // French
    "1200 a.C. Comienza un período de grandes perturbaciones en el Mediterráneo. Los Pueblos del Mar acaban con el Imperio hitita, sacuden profundamente el reino egipcio y empujan a los hebreos, los filisteos y los arameos hacia la región de Palestina. Termina también la civilización micénica. Los Pueblos del Mar eran posiblemente sardos, sículos, otros pueblos itálicos y aqueos, expulsados de sus propias tierras por pueblos indoeuropeos recién llegados: celtas, latinos, vénetos, italiotas y dorios.",  // Spanish
    "1200 B.C. A period of great upheavals starts around to the Mediterranean. The Sea Peoples put an end to the Hittite Empire, deeply shake the Egyptian kingdom and drive the Hebrews, the Philistines and the Arameans toward Palestine. The Mycenaean civilization also comes to an end. The Sea Peoples were perhaps Sardinians, Sicilians and Acheans, driven from their own lands by newly arrived Indo-European peoples: Celts, Latins, Veneti, Italiotes and Dorians.",  // English
}};

}  // namespace contenuti
