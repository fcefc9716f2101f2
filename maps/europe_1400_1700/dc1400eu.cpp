// Map 125 (1400 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// Every label is placed, coloured and captioned, so nothing of the previous map stays.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{2040, 6720}, 0xFF0000, {"Ordine Teutonico", "Ordre Teutonique", "Orden Teutónico", "Teutonic Order"}},
    {1, Posizione{4560, 9960}, 0x0000FF, {"Impero di Tamerlano", "Empire de Tamerlan", "Imperio de Tamerlan", "Tamerlan Empire"}},
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

extern const ContenutoCarta dc1400eu;
const ContenutoCarta dc1400eu{etichette, NessunaPulizia, {
    "1400   Nel 1348 si diffonde la 1° epidemia di peste. In Italia dominano Napoli angioina, lo Stato della Chiesa, il ducato di Milano, la Savoia e le repubbliche di Firenze, di Venezia e di Genova. La Lituania cresce ancora a spese della Polonia, mentre in Austria comincia l'ascesa degli Asburgo. La Danimarca è al centro dell'Unione di Kalmar, che comprende anche la Norvegia, l'Islanda e la Svezia. Tra i principati russi, sempre meno soggetti all'Orda d'Oro, emerge Mosca. È in atto la guerra dei cent'anni tra Inglesi e Francesi, e il sultanato ottomano ha quasi fatto scomparire l'Impero bizantino.",  // Italian
    "1400 En 1348 la première épidémie de peste fauche un tiers de la population. En Italie, le morcellement politique s'atténue : au sud règne le royaume angevin de Naples, au centre l'État pontifical, tandis que Milan et la Savoie deviennent des duchés et que s'enrichissent les républiques de Florence, Venise et Gênes. La Lituanie s'agrandit encore aux dépens de la Pologne et, en Autriche, commence l'ascension des Habsbourg. Le Danemark domine l'Union de Kalmar, qui réunit aussi la Norvège, l'Islande et la Suède. Parmi les principautés russes, de moins en moins soumises à la Horde d'Or, Moscou s'affirme. La guerre de Cent Ans oppose Anglais et Français, et le sultanat ottoman a presque fait disparaître l'Empire byzantin.",  // French
    "1400 En 1348 se propaga la primera epidemia de peste, que se extiende por toda Europa. En Italia dominan el reino angevino de Nápoles, el Estado Pontificio, Milán, Saboya y las repúblicas de Florencia, Venecia y Génova. Lituania sigue creciendo a costa de Polonia, mientras en Austria empieza el ascenso de los Habsburgo. Dinamarca está en el centro de la Unión de Kalmar, que incluye también a Noruega, Islandia y Suecia. Entre los principados rusos, cada vez menos dependientes de la Horda de Oro, se afirma Moscú. La guerra de los Cien Años entre ingleses y franceses está en curso y el sultanato otomano casi ha borrado el Imperio bizantino.",  // Spanish
    "1400 In the 1348 the first plague epidemic occurs. The Angevin kings rule the Kingdom of Naples, while the other Italian states come to the fore: the Papal States, Milan, Savoy and the republics of Florence, Venice and Genoa. Lithuania grows at the expense of Poland, and the Austrian Habsburgs begin to rise. Denmark leads the Kalmar Union, which also takes in Norway, Iceland and Sweden. Among the Russian principalities, less and less dependent on the Golden Horde, Moscow rises. The Hundred Years' War between the English and the French is under way, and the Byzantine Empire is succumbing to the Ottoman sultanate.",  // English
}};

}  // namespace contenuti
