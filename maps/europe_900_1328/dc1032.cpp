// Map 109 (1032 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}: every label is placed, coloured and captioned
    {0, Posizione{4680, 4560}, 0xC00000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {1, Posizione{3840, 8280}, 0xC00000, {"M.Nero", "M.Noire", "M.Nero", "Black S."}},
    {2, Posizione{1080, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {3, Posizione{3960, 10120}, 0xC00000, {"M.Caspio", "M.Caspienne", "M.Caspio", "Caspian S."}},
    {4, Posizione{5040, 5400}, 0x000000, {"Zeiridi", "Zeirides", "Zeiridas", "Zeirids"}},
    {5, Posizione{5160, 8800}, 0xFFFFFF, {"Fatimidi", "Fatimides", "Fatimidas", "Fatimids"}},
    {6, Posizione{2880, 5280}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Germanic R.Empire"}},
    {7, Posizione{2520, 6360}, 0xFFFFFF, {"Pomerania", "Pomeranie", "Pomerania", "Pomeranians"}},
    {8, Posizione{1800, 4920}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R.de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2880, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{4680, 9720}, 0xFFFFFF, {"Bavahidi: piccoli stati", "Buwahides: petits états", "Estados Buwayhíes ", "Buwayhids: Small States"}},
    {12, Posizione{2640, 6120}, 0x000000, {"Veleti", "Velètes", "Veletas", "Veleti"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 6180}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {15, Posizione{4440, 7200}, 0x0000FF, {"IMPERO BIZANTINO", "EMPIRE BYZANTIN", "IMPERIO BIZANTINO", "BYZANTINIAN EMPIRE"}},
    {16, Posizione{3960, 9240}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {17, Posizione{3840, 3720}, 0x000000, {"R.di Leon", "R.de Léon", "R.de León", "Kdm of Leon"}},
    {18, Posizione{4320, 3840}, 0xFFFFFF, {"piccoli stati", "Petits états", "Estados", "Small States"}},
    {19, Posizione{4245, 7830}, 0x000000, {"oCostantinopoli", "oConstantinopole", "oConstantinopla", "oConstantinopolis"}},
    {20, Posizione{5040, 4080}, 0xFFFFFF, {"Regno di Idrissid", "R. d'Idrissid", "R.de Idrissid", "Idrissid Kdm"}},
    {21, Posizione{3600, 4800}, 0x000000, {"Aquitania", "Aquitaine", "Aquitania", "Aquitaine"}},
    {22, Posizione{3480, 6360}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Prin.of Hungary"}},
    {23, Posizione{3840, 6320}, 0x000000, {"Croazia", "Croatia", "Croacia", "Croatia"}},
    {24, Posizione{3960, 6720}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{3720, 4320}, 0xFFFFFF, {"Baschi", "Basques", "Vascos", "Basques"}},
    {26, Posizione{2280, 9600}, 0xFFFFFF, {"Turchi", "Turcs", "Turcos", "Turks"}},
    {27, Posizione{1560, 6240}, 0x000000, {"Svezia", "R.de Suède", "R.de Suecia", "Kdm of Sweden"}},
    {28, Posizione{4080, 3740}, 0xFFFFFF, {"Emirato di Cordoba", "Emirate de Cordoba", "Emirado de Córdoba", "Emirate of Cordova"}},
    {29, Posizione{1920, 7320}, 0xFFFFFF, {"Prin.di Novgorod", "Prin.de Novgorod", "Prin.de Novgorod", "Prin.of Novgorod"}},
    {30, Posizione{3720, 5280}, 0xFFFFFF, {"Burgundia", "Burgundes", "Burgundia", "Burgundy"}},
    {31, Posizione{1320, 5400}, 0x000000, {"Norvegia", "R.de Norvège", "R.de Noruega", "Kdm of Norway"}},
    {32, Posizione{2160, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{4440, 6240}, 0x000000, {"Benevento", "Benevento", "Benevento", "Benevento"}},
    {34, Posizione{3120, 4800}, 0x000000, {"Regno Franco", "R. des Francs", "R. Franco", "Frankish Kdm"}},
    {35, Posizione{2640, 7440}, 0xFFFFFF, {"Prin.di Kiev", "Prin.de Kiev", "Prin.de Kiev", "Prin.of Kiev"}},
};
}  // namespace

extern const ContenutoCarta dc1032;
const ContenutoCarta dc1032{etichette, NessunaPulizia, {
    "1032 I duchi di Aquitania sono sempre più indipendenti dai re di Francia. La Scozia diventa un regno. I Bizantini sottomettono la Bulgaria. L'emirato di Cordova si suddivide in piccoli stati. I Normanni mettono piede nell'Italia meridionale, a partire da Aversa.",  // Italian
    "1032 les ducs d'Aquitaine sont de plus en plus indépendants des rois de France. L'Ecosse devient un royaume unifié. Les Byzantins achèvent la conquête de la Bulgarie. L'émirat de Cordoue se morcelle en petits Etats. Les Normands s'installent en Italie du Sud, en partant d'Aversa.",  // French
    "1032 d.C.  Los Duques de Aquitania son cada vez más independientes del rey francés. Escocia se hace reino. Bizancio conquista Bulgaria. El emirato de Córdoba se divide en pequeños reinos. Los normandos se asientan en el sur de Italia, en Aversa.",  // Spanish
    " 1032 The dukes of Aquitaine are ever more independent of the French crown. Scotland becomes a kingdom. In 1018 the Byzantine emperor Basil II completes the conquest of Bulgaria. The emirate of Cordova splits into small states. The Normans get a foothold in southern Italy at Aversa.",  // English
}};

}  // namespace contenuti
