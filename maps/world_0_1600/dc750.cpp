// Map 101 (world, AD 750): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1560, 6720}, 0x000000, {"Franchi", "Francs", "Francos", "Francs"}},
    {1, Posizione{1200, 7080}, 0x000000, {"Danimarca", "Danemark", "Dinamarca", "Denmark"}},
    {2, Posizione{4320, 4440}, 0x000000, {"Tiahuanaco", "Tiahuanaco", "Tiahuanaco", "Tiahuanaco"}},
    {3, Posizione{2640, 8880}, 0x000000, {"Pratihara", "Pratihara", "Pratihara", "Pratihara"}},
    {4, Posizione{2880, 8880}, 0x000000, {"Chalukia", "Chalukia", "Chalukya", "Chalukia"}},
    {5, Posizione{4080, 4440}, 0x000000, {"Huari", "Huari", "Huari", "Huari"}},
    {6, Posizione{2400, 10200}, 0x000000, {"Impero Tang", "Empire Tang", "Imperio Tang", "Tang Empire"}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{3040, 8040}, 0x000000, {"Axum", "Axum", "Axum", "Axum"}},
    {9, Posizione{1920, 7080}, 0x000000, {"Longobar.", "Lombards", "Longobard.", "Lombards"}},
    {10, Posizione{2040, 7320}, 0x000000, {"Imp.Bizantino", "Emp.Byzantin", "Imp.Bizantino", "Byzantinian E."}},
    {11, Posizione{2720, 7680}, 0xFFFFFF, {"Makuria", "Makuria", "Makuria", "Makuria"}},
    {12, Posizione{2520, 9480}, 0x000000, {"Karakota", "Karakota", "Karakota", "Karakota"}},
    {13, Posizione{1560, 7560}, 0x000000, {"Avari", "Avars", "Avaros", "Avars"}},
    {14, Posizione{2040, 10800}, 0x000000, {"Corea", "Corée", "Corea", "Korea"}},
    {15, Posizione{2880, 7760}, 0xFFFFFF, {"Alwa", "Alwa", "Alwa", "Alwa"}},
    {16, Posizione{2040, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {17, Posizione{1800, 7680}, 0x000000, {"Bulgaria", "Bulgaria", "Bulgaria", "Bulgaria"}},
    {18, Posizione{2400, 7200}, 0xFFFFFF, {"Califfato Omayyade", "Califat Omayyade", "Califato Omeya", "Omayyad Caliphate"}},
    {19, Posizione{1440, 6840}, 0x000000, {"Ing.", "Ang.", "Ing.", "Eng."}},
    {20, Posizione{1560, 8000}, 0xFFFFFF, {"Cazari", "Khazars", "Cazar", "Khazars"}},
};
}  // namespace

extern const ContenutoCarta dc750;
const ContenutoCarta dc750{etichette, 21, {
    "750 d.C. L'impero islamico va dall'Indo alla Spagna e diffonde la fede musulmana. CINA: dopo la breve dinastia dei Sui, che ha riunito il nord e il sud, regnano i Tang, e il Buddismo diventa la religione più diffusa in Cina.  INDIA: gli attacchi degli Unni Bianchi (Eftaliti) abbattono l'impero Gupta; si formano piccoli regni, tra i quali emerge quello dei Karakota.   AMERICA: la cultura Huari si diffonde nelle Ande. La popolazione mondiale è di 210 milioni.",  // Italian
    "750 Ap.JC. L'empire arabe s'étend de l'Indus à l'Espagne, et l'islam y est rapidement adopté partout.  CHINE: après les Sui, qui ont réuni le nord et le sud, les Tang règnent sur tout l'empire, et le bouddhisme devient la religion la plus répandue de Chine. INDE: les attaques des Huns blancs (Hephthalites) provoquent la chute de l'empire Gupta ; de petits royaumes se forment, parmi lesquels s'impose celui des Karakota. AMERIQUE: la culture Huari se répand dans les Andes centrales. La population mondiale est de 210 millions d'habitants. ",  // French
    "750 d.C. El imperio islámico se extiende desde el Indo hasta Hispania y difunde la religión musulmana. China: tras el breve reinado de los Sui, que reunieron el norte y el sur, gobiernan los Tang, y el budismo se convierte en la religión más extendida en toda China. India: los ataques de los hunos blancos (heftalitas) causan la caída del imperio Gupta; se forman pequeños reinos, entre los que destaca el de los Karakota. América: por los Andes se extiende la cultura Huari. La población mundial es de 210 millones de habitantes.",  // Spanish
    " 750 A.D. The Islamic empire stretches from the Indus to Spain and spreads the Muslim religion. CHINA: after the short-lived Sui, which reunited the north and the south, the Tang rule, and Buddhism becomes China's most widespread religion. INDIA: the attacks of the White Huns (Hephthalites) bring the Gupta empire down, and small kingdoms form, among which the Karakota rises. AMERICA: the Huari culture spreads in the Andes. The world's population is 210 million.",  // English
}};

}  // namespace contenuti
