// Map 6 (2220 BC): overlay labels and descriptions.
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
    {13, Posizione{2900, 8800}, 0xFFFFFF, {"Gutei", "Gutes", "Gutes", "Gutes"}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte: Première", "Egipto: Primero", "Egypt: First"}},
    {17, Posizione{3960, 5160}, 0xFFFFFF, {"Antico Regno", "Période Critique", "Periodo Intermedio", "Intermediate Period"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac2220;
const ContenutoCarta ac2220{etichette, 18, {
    "2230 a.C. I Gutei, una popolazione nomade proveniente dai monti Zagros, ad est del Tigri, invadono la Mesopotamia e pongono fine all'impero accadico. In Egitto, sotto la VII dinastia, il potere centrale dei faraoni si disgrega: il paese si divide tra due dinastie rivali, una nell'Alto e una nel Basso Egitto, e comincia il Primo Periodo Intermedio. Sulla costa orientale del Mediterraneo le città-stato fenicie, strette tra il mare e le montagne, si dedicano sempre più al commercio marittimo.",  // Italian
    "2220 Av.J.C. Le royaume d'Akkad s'effondre sous les coups des tribus montagnardes venues du Zagros, les Goutis. Le prince Goudéa règne à Lagash sur une cité prospère et fait bâtir de nombreux temples. En Egypte, sous la VIIe dynastie, le pouvoir central se désagrège : deux dynasties rivales s'installent, l'une en Haute Egypte, l'autre en Basse Egypte.   C'est la Première Période Intermédiaire. Sur la côte orientale de la Méditerranée, les cités-Etats phéniciennes, serrées entre la mer et les montagnes, se tournent désormais vers le commerce maritime.",  // French
    "2230 a.C. Los guti, una población nómada procedente de los montes Zagros, invaden Mesopotamia y ponen fin al imperio acadio. En Egipto, bajo la VII dinastía, el poder central de los faraones se disgrega: el país se divide entre dos dinastías rivales, una en el Alto y otra en el Bajo Egipto, y comienza el Primer Periodo Intermedio. En la costa oriental del Mediterráneo las ciudades-estado fenicias, encerradas entre el mar y las montañas, se dedican cada vez más al comercio marítimo, favorecido por sus óptimos puertos naturales.",  // Spanish
    "2230 B.C. The Gutes, a nomadic people from the Zagros mountains, invade Mesopotamia and bring the Akkadian empire to an end. In Egypt, under the VII dynasty, central power crumbles: the country is divided between two rival dynasties, one in Upper and the other in Lower Egypt, and the First Intermediate Period begins. On the eastern coast of the Mediterranean the Phoenician city-states, hemmed in between the sea and the mountains, turn more and more to sea trade.",  // English
}};

}  // namespace contenuti
