// Map 15 (1650 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor (nullopt: left as it is), {it, fr, es, en}
    {0, Posizione{2640, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{840, 6000}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{5040, 10200}, 0xFF0000, {"Oceano Indiano", "Océan Indien", "Océano Indiano", "Indian Ocean"}},
    {3, Posizione{360, 8280}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{480, 9720}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{5040, 6840}, 0xFF0000, {"M.Rosso", "M.Rouge", "M.Rojo", "Red S."}},
    {6, Posizione{3840, 8640}, 0xFF0000, {"G.Persico", "G.Persique", "G.Pérsico", "Persic G."}},
    {7, Posizione{4920, 5880}, 0xFF0000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {8, Posizione{2040, 7200}, 0xFF0000, {"Tigri", "Tigre", "Tigris", "Tiger"}},
    {9, Posizione{2280, 6840}, 0xFF0000, {"Eufrate", "Euphrate", "Eufrates", "Euphrate"}},
    {10, Posizione{2520, 6700}, std::nullopt, {"Biblo", "Byblos", "Biblos", "Byblos"}},
    {11, Posizione{3480, 5400}, std::nullopt, {"Menfi", "Memphis", "Menfis", "Memphis"}},
    {12, Posizione{4160, 6330}, std::nullopt, {"Tebe", "Thebes", "Tebas", "Thebes"}},
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Babilonese", "Empire Babylonien", "Imperio de Babilonia", "Babylonian Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"Tiro", "Tyr", "Tiro", "Tyre"}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto: Secondo", "Egypte: Seconde", "Egipto: Segundo", "Egypt: Second"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Periodo Intermedio", "Periode Critique", "Periodo Intermedio", "Intermediate Period"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hitttes", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1650;
const ContenutoCarta ac1650{etichette, 23, {
    "1650 a.C. Hattusilis, re degli Ittiti, fonda in Asia Minore un impero, con capitale Hattusa, al quale molte città dell'Anatolia pagano tributo. Gli Ittiti hanno un re eletto dall'assemblea dei nobili e sono i primi a usare il ferro, che dà loro armi più robuste. Gli Hyksos dominano ancora il delta del Nilo e il Basso Egitto. In Mesopotamia Babilonia resiste ancora agli attacchi dei Cassiti.",  // Italian
    "1650 Av.-J.C.: Hattusil, roi des Hittites, fonde l'empire hittite, avec Hattousa pour capitale. Grâce au fer et au cheval, ses armées l'emportent sur leurs voisins et de nombreuses cités d'Anatolie lui paient tribut. En Mésopotamie, Babylone résiste encore aux assauts des Kassites.",  // French
    "1650 a.C. Hattusil, rey de los hititas, funda en Asia Menor un imperio, con capital en Hattusa, al que pagan tributo muchas ciudades de Anatolia. Los hititas tienen un rey elegido por la asamblea de los nobles y son los primeros en utilizar el hierro, que les proporciona armas más resistentes. Los hicsos dominan todavía el delta del Nilo y el Bajo Egipto. En Mesopotamia Babilonia resiste a los ataques de los casitas.",  // Spanish
    "1650 B.C. Hattusilis, king of the Hittites, founds an empire in Asia Minor to which many Anatolian cities pay tribute. The Hittites, whose capital is Hattusa, have a king elected by the assembly of the nobles and are the first to use iron, which gives them far better weapons. The Hyksos still hold the Nile delta and Lower Egypt. In Mesopotamia, Babylon still resists the attacks of the Kassites.",  // English
}};

}  // namespace contenuti
