// Map 106 (900 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{5000, 5160}, 0x000000, {"R. Aglabide", "R. Aglabide", "R. Aglabí", "Aghlabid Kdm"}},
    {5, Posizione{2880, 8280}, 0xFFFFFF, {"R. dei Cazari", "Empire Cazare", "Imperio Kazaro", "Khazar Empire"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6360}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomeranians"}},
    {8, Posizione{1800, 4920}, 0x000000, {"Scoti", "Scotes", "Scots", "Scoths"}},
    {9, Posizione{2640, 4680}, 0x000000, {"Wessex", "Wessex", "Wessex", "Wessex"}},
    {10, Posizione{2880, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Polanes"}},
    {11, Posizione{4800, 9720}, 0xFFFFFF, {"CALIFFATO ABASSIDE", "CALIFAT ABBASSIDE", "Califato ABASIDA", "ABBASID CALIPHATE"}},
    {12, Posizione{5160, 4440}, 0xFFFFFF, {"Imamato di Tahert", "Imamate de Tahert", "Imamato de Tahert", "Imamate of Tahert"}},
    {13, Posizione{3120, 6360}, 0xFFFFFF, {"Moravia", "Moravie", "Moravia", "Moravia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7200}, 0x0000FF, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "BYZANTINIAN EMPIRE"}},
    {16, Posizione{3960, 9240}, 0x0000FF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3600, 3840}, 0x000000, {"Asturie", "Asturiens", "Astures", "Asturians"}},
    {18, Posizione{4080, 7200}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{5040, 3720}, 0xFFFFFF, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {21, Posizione{3840, 5640}, 0x000000, {"Regno d'Italia", "R. d'Italie", "R. de Italia", "Kdm of Italy"}},
    {22, Posizione{3480, 6720}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Magyars"}},
    {23, Posizione{3770, 6280}, 0xFFFFFF, {"Croati", "Croates", "Croatas", "Croats"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbi", "Serbes", "Serbios", "Serbs"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{2040, 5040}, 0x000000, {"Umbria", "Ombrie", "Umbria", "N.Umbria"}},
    {28, Posizione{4080, 3740}, 0xFFFFFF, {"Emirato di Cordoba", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {29, Posizione{1920, 7320}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3720, 5280}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundia", "Burgundy"}},
    {31, Posizione{2190, 4950}, 0x000000, {"York", "York", "York", "York"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Benevento", "Benevento", "Benevento", "Benevento"}},
    {34, Posizione{3360, 4800}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2640, 7440}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc900;
const ContenutoCarta dc900{etichette, NessunaPulizia, {
    "900 d.C.  Il Sacro Romano Impero fu restaurato da Carlo Magno nell'800, ma dopo la deposizione di Carlo il Grosso, nell'887, si divise in cinque regni: Francia occidentale, Germania, Italia, Borgogna e Provenza. Nel 918 morì Corrado I, ultimo re di Germania dell'età carolingia, e i suoi successori sassoni assunsero poi il titolo imperiale.  Dalla Scandinavia e dalla Danimarca i Vichinghi fanno incursioni nelle isole britanniche, nell'Europa settentrionale e lungo le coste del Mediterraneo; ad oriente fondano i principati di Novgorod e di Kiev, da cui avrà poi origine la Russia. Gli Ungari saccheggiano l'Europa centrale, mentre l'Armenia riconquista la propria indipendenza (888).",  // Italian
    "900 Ap.J.C.. Le Saint empire romain est de nouveau partagé : après la déposition, en 887, de Charles le Gros, qui l'avait un moment restauré dans son unité, il se divise en cinq royaumes, la Francie occidentale, la Francie orientale, l'Italie, la Bourgogne et la Provence. En 918 meurt Conrad Ier, dernier roi de Germanie de l'époque carolingienne ; ses successeurs saxons reprennent ensuite le titre impérial. Partis de la Scandinavie et du Danemark, les Vikings lancent leurs raids sur les îles Britanniques, sur l'Europe du Nord et sur les rivages de la Méditerranée ; à l'est, ils fondent les principautés de Novgorod et de Kiev. Les Magyars pillent l'Europe centrale et l'Arménie retrouve son indépendance (888).",  // French
    "900 d.C. El Imperio Romano de Occidente, restaurado por Carlomagno en el año 800, se divide en cinco reinos tras la deposición en 887 de Carlos el Gordo: Francia occidental, Germania, Italia, Borgoña y Provenza. En 918 muere Conrado I, último soberano de Germania de la época carolingia, y sus sucesores sajones asumen el título imperial: con Otón I nacerá el Sacro Imperio Romano de la Nación Germánica. Los vikingos, llegados de Escandinavia y Dinamarca, saquean las islas británicas, el norte de Europa y las costas del Mediterráneo; en el este fundan los principados de Novgorod y de Kiev, de los que surgirá Rusia. Los magiares asolan Europa central y Armenia recupera su independencia (888).",  // Spanish
    " 900 A.D. The empire is divided into five realms after the deposition in 887 of Charles the Fat: West Francia, East Francia, Italy, Burgundy and Provence. In 918 Conrad I, the last king of Germany of the Carolingian age, dies and his Saxon successors take the imperial title. Vikings from Scandinavia and Denmark raid the British Isles, northern Europe and the Mediterranean coasts; in the east they found the principalities of Novgorod and Kiev, from which Russia will arise. The Magyars plunder central Europe, and Armenia regains its independence (888).",  // English
}};

}  // namespace contenuti
