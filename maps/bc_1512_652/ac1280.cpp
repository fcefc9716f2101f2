// Map 23 (1280 BC): overlay labels and descriptions.
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
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{3000, 5600}, 0xFFFFFF, {"Ebrei", "Juifs", "Hebreos", "Hebrews"}},
    {22, Posizione{1560, 10800}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{1960, 7420}, 0xFFFFFF, {"Assiria", "Assyrie", "Asiria", "Assyria"}},
    {24, Posizione{1920, 4800}, std::nullopt, {"Micene", "Micene", "Micenas", "Mycene"}},
};
}  // namespace

extern const ContenutoCarta ac1280;
const ContenutoCarta ac1280{etichette, 25, {
    "1280 a.C. Secondo le fonti bibliche, Mosè, in questi anni, guida gli Ebrei fuori d'Egitto e, dopo il miracoloso passaggio del Mar Rosso, vaga per 40 anni con il suo popolo nel deserto della penisola del Sinai, dove riceve da Dio i Dieci Comandamenti, scolpiti su tavole di pietra.",  // Italian
    "1280 avant J.-C.. D'après les sources bibliques, Moïse conduit les Hébreux hors d'Égypte : c'est l'Exode. Après la traversée miraculeuse de la mer Rouge, il erre pendant quarante ans avec son peuple dans le désert du Sinaï, où il reçoit de Dieu les Dix Commandements, gravés sur deux tables de pierre.",  // French
    "1280 a.C. Según las fuentes bíblicas, durante estos años Moisés conduce a los hebreos fuera de la tierra de Egipto y, tras la milagrosa travesía del Mar Rojo, vaga durante 40 años con su pueblo en el desierto de la península del Sinaí, donde recibe de Dios los Diez Mandamientos.",  // Spanish
    "1280 B.C. According to the bible, Moses leads the Hebrews out of Egypt in these years and, after the miraculous crossing of the Red Sea, wanders for 40 years with his people in the Sinai desert, where he receives from God the Ten Commandments.",  // English
}};

}  // namespace contenuti
