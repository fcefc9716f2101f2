// Map 86 (268 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{4680, 4560}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xFF0000, {"M.Nero", "M.Noire", "M.Negro", "Black S."}},
    {2, Posizione{1080, 3840}, 0xFF0000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10125}, 0xFF0000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{2640, 10560}, 0xFF0000, {"L.d'Aral", "M.d'Aral", "M.de Aral", "Aral S."}},
    {5, Posizione{3240, 6480}, 0x000000, {"Vandali", "Vandales", "Vàndalos", "Vandals"}},
    {6, Posizione{2640, 5640}, 0xFFFFFF, {"Franchi", "Francs", "Francos", "Franks"}},
    {7, Posizione{3960, 4920}, 0x0000FF, {"I M P E R O   R O M A N O", "E M P I R E   R O M A I N", "I M P E R I O   R O M A N O", "R O M A N   E M P I R E"}},
    {8, Posizione{1800, 4920}, 0xFFFFFF, {"Picti", "Pictes", "Pictos", "Picts"}},
    {9, Posizione{3120, 4800}, 0x000000, {"Impero Gallico", "Empire Gaulois", "Imperio Galo", "Gallic Empire"}},
    {10, Posizione{4800, 8865}, 0x000000, {"oAntiochia", "oAntioche", "oAntioquía", "oAntioch"}},
    {11, Posizione{4560, 10200}, 0xFFFFFF, {"Impero Sassanide", "Empire Sassanide", "Imperio Sasanide", "Sasanian Empire"}},
    {12, Posizione{3150, 5880}, 0xFFFFFF, {"Alamanni", "Alamans", "Alamanos", "Alamanni"}},
    {13, std::nullopt, std::nullopt, {"", "", "", ""}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, std::nullopt, std::nullopt, {"", "", "", ""}},
    {16, std::nullopt, std::nullopt, {"", "", "", ""}},
    {17, Posizione{3240, 7320}, 0xFFFFFF, {"Goti-Eruli", "Goths-Herules", "Góticos-Hérulos", "Gothic-Heruli Alliance"}},
    {18, Posizione{3840, 9360}, 0x000000, {"Armenia", "Armenia", "Armenia", "Armenia"}},
    {19, Posizione{4440, 8160}, 0xFFFFFF, {"R.di Palmira", "R.de Palmyre", "R.de Palmiria", "Palmyric Kdm"}},
};
}  // namespace

extern const ContenutoCarta dc268;
const ContenutoCarta dc268{etichette, 20, {
    "268 d.C.   I popoli germanici ad est del Reno premono sui confini dell'Impero Romano. Nei Balcani una confederazione di Goti, alleati agli Eruli, invade la Tracia e saccheggia una parte dell'Asia Minore. In Oriente la ricca Palmira si rende indipendente sotto Zenobia, che estende il suo dominio fino all'Egitto. Entro il 274 l'imperatore Aureliano batte Alamanni e Vandali, abbandona la Dacia ai Goti e riconquista Palmira, facendo prigioniera la regina Zenobia.",  // Italian
    "268 Ap.JC. Les peuples germaniques établis à l'est du Rhin font pression sur les frontières de l'Empire romain. Dans les Balkans, une confédération de Goths, alliés aux Hérules, envahit la Thrace et pille une partie de l'Asie Mineure. En Orient, Palmyre devient indépendante sous la reine Zénobie, qui étend son pouvoir jusqu'à l'Egypte. En 274, l'empereur Aurélien a déjà vaincu les Alamans et les Vandales, abandonné la Dacie aux Goths et reconquis Palmyre, dont la reine Zénobie est emmenée captive à Rome.",  // French
    "268 d.C. Los pueblos germánicos asentados al este del Rin presionan sobre las fronteras del Imperio Romano. En los Balcanes, una confederación de godos, aliados con los hérulos, invade la Tracia y saquea parte de Asia Menor. En Oriente, Palmira se independiza con la reina Zenobia, que extiende su dominio hasta Egipto. Hacia el año 274 el emperador Aureliano ha vencido a alamanes y vándalos, ha abandonado la Dacia a los godos y ha recobrado Palmira, capturando a la reina.",  // Spanish
    "268 A.D. The Germanic peoples living east of the Rhine press ever harder on the frontiers of the Roman Empire. In the Balkans, a confederation of Goths, allied with the Heruli, invades Thrace and plunders part of Asia Minor. Queen Zenobia makes the reign of Palmira independent. She then extends her rule in the east as far as Egypt. By 274 the emperor Aurelian has defeated the Alamanni and the Vandals, given up Dacia to the Goths and won the city back, taking the queen to Rome as a prisoner.",  // English
}};

}  // namespace contenuti
