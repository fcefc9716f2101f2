// Map 126 (1420 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{2040, 6720}, 0xFF0000, {"Ordine Teutonico", "Ordre Teutonique", "Orden Teutónico", "Teutonic Order"}},
    {1, Posizione{4560, 9960}, 0x0000FF, {"Impero Timuride", "Empire Timuride", "Imperio Timurida", "Timurid Empire"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.di Napoli", "R.de Naples", "R.de Napoles", "Kdm of Naples"}},
    {4, Posizione{1680, 9120}, 0x0000FF, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
    {5, Posizione{5160, 5400}, 0xFFFFFF, {"Hafsidi", "Hafsides", "Hafsidas", "Hafsids"}},
    {6, Posizione{2880, 5520}, 0xFFFFFF, {"Impero R.Germanico", "Empire R.Germanique", "Imperio R.Germanico", "Holy R.Empire"}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4560}, 0x000000, {"R.di Scozia", "R.d'Ecosse", "R. de Escocia", "Kdm of Scotland"}},
    {9, Posizione{2400, 4680}, 0x000000, {"R.d'Inghilterra", "R.d'Angleterre", "R.de Inglaterra", "Kdm of England"}},
    {10, Posizione{2760, 6600}, 0x000000, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {11, Posizione{2520, 5400}, 0xFF0000, {"Frisoni", "Frisons", "Frisones", "Fiesland"}},
    {12, Posizione{3645, 5280}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {13, Posizione{3120, 6320}, 0xFFFFFF, {"Boemia", "Bohemie", "Bohemia", "Bohemia"}},
    {14, Posizione{4200, 5880}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est. del Papa", "Papal States"}},
    {15, Posizione{4320, 7200}, 0xFFFFFF, {"Sultanato Ottomano", "Sultanate Ottoman", "Sultanado Otomano", "Ottoman Sultanate"}},
    {16, Posizione{1800, 8280}, 0xFFFFFF, {"Moscovia", "Moscovie", "Moscovia", "Moscovy"}},
    {17, Posizione{4560, 4080}, 0xFFFFFF, {"Granada", "Granada", "Granada", "Granada"}},
    {18, Posizione{3840, 5640}, 0xFFFFFF, {"Genova", "Génes", "Génova", "Genoa"}},
    {19, Posizione{4200, 4080}, 0x000000, {"Castiglia", "Castille", "Castilla", "Castile"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Marinidi", "Marinides", "Marinides", "Marinids"}},
    {21, Posizione{5040, 4560}, 0xFFFFFF, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {22, Posizione{3480, 6520}, 0xFFFFFF, {"Ungheria", "Hongrie", "Hungría", "Hungary Kdm"}},
    {23, Posizione{2640, 7440}, 0x000000, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {24, Posizione{4080, 6840}, 0xFFFFFF, {"Serbia", "Serbia", "Serbia", "Serbia"}},
    {25, Posizione{2640, 5880}, 0xFFFFFF, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {26, Posizione{3720, 6000}, 0x000000, {"Venezia", "Venise", "Venecia", "Venice"}},
    {27, Posizione{3480, 5160}, 0x000000, {"Burgundia", "Burgondie", "Burgundia", "Burgundy"}},
    {28, Posizione{4000, 4680}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {29, Posizione{3840, 6480}, 0xFFFFFF, {"Croazia", "Croatie", "Croacia", "Croatia"}},
    {30, Posizione{3600, 5760}, 0xFFFFFF, {"Milano", "Milan", "Milán", "Milan"}},
    {31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {32, Posizione{1920, 5760}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3360, 6240}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1420;
const ContenutoCarta dc1420{etichette, NessunaPulizia, {
    " 1420   Guerra dei cent'anni: dopo la sconfitta di Azincourt (1415) la Francia, governata dai Valois che nel 1328 hanno preso il posto dei Capetingi, si trova in grande difficoltà e ha perso tutte le terre a nord della Loira. L'Ungheria rende vassalla la Valacchia. La cultura del Rinascimento, nata nelle corti italiane, si diffonde in tutta Europa. Più a sud, ai Bizantini rimane soltanto Costantinopoli. Nel 1405 muore Tamerlano e il suo impero passa ai Timuridi.",  // Italian
    "1420 Guerre des Cent Ans : après la défaite d'Azincourt (1415), la France des Valois, successeurs des Capétiens en 1328, est en difficulté et perd ses terres au nord de la Loire. La Hongrie fait de la Valachie sa vassale. La culture de la Renaissance, née dans les cours italiennes, se diffuse dans toute l'Europe. Plus au sud, il ne reste aux Byzantins que Constantinople. Tamerlan meurt en 1405 ; les Timourides règnent sur son empire.",  // French
    "1420 Guerra de los Cien Años:  después de la derrota de Azincourt (1415), Francia, gobernada por los Valois, que en 1328 sustituyeron a los Capetos, está en grandes dificultades y ha perdido ya todas sus tierras al norte del Loira. Hungría convierte a Valaquia en su vasallo. La cultura del Renacimiento, nacida en las cortes italianas, se difunde por Europa. Más al sur, a los bizantinos solo les queda Constantinopla. Tamerlán muere en 1405 y su imperio pasa a manos de los timúridas.",  // Spanish
    "1420 The Hundred Years' War: After the defeat at Agincourt (1415), France, ruled by the Valois since they replaced the Capetians in 1328, is in great difficulty and has lost all its lands north of the Loire. Hungary makes Wallachia its vassal. Renaissance culture, shaped at the Italian courts, spreads over Europe. Further south, the Byzantines hold little but Constantinople. Tamerlane dies in 1405 and his empire is ruled by the Timurids.",  // English
}};

}  // namespace contenuti
