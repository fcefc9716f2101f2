// Map 127 (1470 AD): overlay labels and descriptions.
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
    {4, Posizione{1920, 9480}, 0x0000FF, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
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
    {34, Posizione{3120, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1470;
const ContenutoCarta dc1470{etichette, NessunaPulizia, {
    "1470   La FRANCIA, trascinata da Giovanna d'Arco, batte definitivamente l'Inghilterra nel 1453 e recupera la sovranità sul suo territorio: agli Inglesi rimane solo Calais. Una politica di matrimoni avvicina la Polonia e la Lituania fino quasi all'unione. Il Regno d'Aragona lega alla sua corona Sardegna, Sicilia e Italia meridionale. Nel 1453 Costantinopoli cade in mano ottomana e termina l'Impero bizantino; gli Ottomani fanno vassalli gli stati balcanici: Valacchia, Moldavia, Bulgaria, Serbia, Albania, Montenegro e Bosnia.",  // Italian
    "1470 Guidée par Jeanne d'Arc, la FRANCE est victorieuse de l'Angleterre en 1453 et recouvre sa souveraineté sur son territoire : l'Angleterre ne garde que Calais. Une politique de mariages rapproche la Pologne et la Lituanie, quasi unies. Le royaume d'Aragon unit à sa couronne la Sardaigne, la Sicile et l'Italie du Sud. En 1453 Constantinople tombe aux mains des Turcs et l'Empire byzantin disparaît à jamais ; les Ottomans font de tous les États balkaniques leurs vassaux : Valachie, Moldavie, Bulgarie, Serbie, Albanie, Monténégro et Bosnie.",  // French
    "1470 Francia, liberada por Juana de Arco, derrota definitivamente a Inglaterra en 1453 y recupera la soberanía sobre su territorio: a los ingleses solo les queda Calais. La política matrimonial acerca a Polonia y a Lituania hasta casi unirlas. La Corona de Aragón une bajo su dominio Cerdeña, Sicilia y el sur de Italia. En 1453 se acaba el Imperio bizantino, con Constantinopla en manos de los otomanos, que convierten en vasallos a los estados balcánicos: Valaquia, Moldavia, Bulgaria, Serbia, Albania, Montenegro y Bosnia.",  // Spanish
    "1470 France, encouraged by Joan of Arc, definitively defeats England in 1453 and regains sovereignty over its territory, leaving the English only Calais. Marriage politics brings Poland and Lithuania closely together. The Kingdom of Aragon binds Sardinia, Sicily and southern Italy to its crown. In 1453 the Byzantine Empire ends with Constantinople in Ottoman hands, and the Ottomans make the Balkan states vassals: Wallachia, Moldavia, Bulgaria, Serbia, Albania, Montenegro and Bosnia.",  // English
}};

}  // namespace contenuti
