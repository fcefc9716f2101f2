// Map 147 (1815 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
// All 36 labels are written, so nothing of the previous map stays on the
// overlay; labels this map does not name get the empty caption.
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3840, 5400}, 0xFFFFFF, {"Sardegna", "Sardeigne", "Cerdeña", "Sardinia"}},
    {1, Posizione{2760, 11040}, 0xFFFFFF, {"Khiva", "Khiva", "Khiva", "Khiva"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4440, 5880}, 0x000000, {"R.d.2 Sicilie", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Sicilies"}},
    {4, Posizione{3480, 11160}, 0x0000FF, {"Bukhara", "Bukhara", "Bukhara", "Bukhara"}},
    {5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2770, 5760}, 0x000000, {"Confed. Germanica", "Conf. Allemande", "Confed. Germànica", "Germanic Confed."}},
    {7, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldavia"}},
    {8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1320, 5880}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway"}},
    {11, Posizione{2640, 5160}, 0xFF0000, {"R.Paesi B.", "R.Pays B.", "R.Payses B.", "Low L.Kdm"}},
    {12, Posizione{3720, 5400}, 0xFFFFFF, {"Regno di", "Roy. de", "Reino de", "Kdm of"}},
    {13, Posizione{1520, 5880}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{4200, 5760}, 0x000000, {"St.d.Chiesa", "Etats du Pape", "Est.del Papa", "Papal State"}},
    {15, Posizione{4280, 7360}, 0xFFFFFF, {"Impero Ottomano", "Empire Ottoman", "Imperio Otomano", "Ottoman Empire"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Impero Russo", "Empire Russe", "Imperio Ruso", "Russian Empire"}},
    {17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {18, Posizione{3120, 5880}, 0xFFFFFF, {"Bavaria", "Bavière", "Bavaria", "Bavaria"}},
    {19, Posizione{4200, 3960}, 0x000000, {"R.di Spagna", "R.d'Espagne", "R.de España", "Kdm of Spain"}},
    {20, Posizione{5040, 3720}, 0x000000, {"Wattasids", "Wattasids", "Wattasids", "Wattasids"}},
    {21, Posizione{360, 4440}, 0x000000, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {23, Posizione{5760, 7200}, 0x000000, {"", "", "", ""}},
    {24, Posizione{2640, 6480}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {25, Posizione{5760, 7920}, 0x000000, {"", "", "", ""}},
    {26, Posizione{3960, 5640}, 0x000000, {"Toscana", "Toscanie", "Toscana", "Tuscany"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{5760, 8280}, 0x000000, {"", "", "", ""}},
    {29, Posizione{5760, 8640}, 0xFFFFFF, {"", "", "", ""}},
    {30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {31, Posizione{3600, 6600}, 0xFFFFFF, {"R.d'Ungheria", "R.d'Hongrie", "R.de Hungría", "Hungary Kdm"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3240, 6480}, 0xFFFFFF, {"Impero Austriaco", "Empire d'Autriche", "Imperio Austriaco", "Austrian Empire"}},
    {34, Posizione{3240, 4800}, 0x000000, {"R.di Francia", "R. de France", "R. de Francia", "Kdm of France"}},
    {35, Posizione{3840, 7200}, 0x000000, {"Valacchia", "Valachie", "Valaquia", "Wallachia"}},
};
}  // namespace

extern const ContenutoCarta dc1815;
const ContenutoCarta dc1815{etichette, NessunaPulizia, {
    "1815   L'Europa è ridisegnata dal Congresso di Vienna. la Francia torna entro i confini del 1790; nasce una Confederazione Germanica di 39 stati; la Svizzera torna indipendente, la Savoia al Piemonte. L'Austria ottiene la Lombardia e il Veneto, mentre principi asburgici governano la Toscana, Parma e Modena. La Russia prende la Polonia e la Prussia si ingrandisce con Pomerania, Sassonia, Renania, Posnania e Vestfalia. Norvegia e Svezia formano un solo regno, come l'Olanda e il Belgio; il Piemonte ingloba Genova; nasce il Regno delle Due Sicilie, che torna ai Borboni. L'Inghilterra guadagna nuovi porti.",  // Italian
    "1815 Les alliés victorieux se réunissent à Vienne pour redessiner l'Europe selon le principe de la légitimité dynastique. La France, gouvernée de nouveau par le roi restauré, retrouve ses frontières de 1790. Une Confédération germanique de 39 États est créée, qui opposera plus tard la Prusse et l'Autriche. La Suisse redevient indépendante, et la Savoie revient au Piémont. L'Autriche obtient la Lombardie, la Vénétie et le Tyrol, tandis que des princes Habsbourg gouvernent la Toscane, Parme et Modène. La Russie prend la Pologne et la Finlande ; la Prusse s'agrandit avec la Poméranie, la Saxe, la Rhénanie et la Sarre. L'Angleterre obtient de nouveaux ports.",  // French
    "1815  El Congreso de Viena vuelve a dibujar el mapa político de Europa. Francia regresa a sus fronteras de 1790; nace una Confederación Germánica de 39 estados; Suiza vuelve a ser independiente y Saboya regresa al Piamonte. Austria obtiene Lombardía y el Véneto, mientras príncipes de Habsburgo gobiernan Toscana, Parma y Módena. Rusia se queda con Polonia y Prusia se engrandece con Pomerania, Sajonia, Renania, Posnania y Westfalia. Noruega y Suecia forman un solo reino, como también Holanda y Bélgica; el Piamonte incorpora Génova; nace el Reino de las Dos Sicilias, que vuelve a los Borbones. Inglaterra obtiene nuevos puertos.",  // Spanish
    "1815  The Congress of Vienna redraws the political map of Europe. France returns within its borders of 1790; a Germanic Confederation of 39 states is formed; Switzerland becomes independent again, and Savoy returns to Piedmont. Austria gains Lombardy and Venetia, while Habsburg princes rule Tuscany, Parma and Modena. Russia takes Poland, and Prussia grows with Pomerania, Saxony, the Rhineland, Posen and Westphalia. Norway and Sweden become one kingdom, as do Holland and Belgium; Piedmont takes in Genoa; the Kingdom of the Two Sicilies is formed and returns to the Bourbons. Europe's ports are open again to English commerce.",  // English
}};

}  // namespace contenuti
