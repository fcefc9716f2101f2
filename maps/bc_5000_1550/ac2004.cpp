// Map 9 (2004 BC): overlay labels and descriptions.
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
    {13, Posizione{3260, 8700}, 0xFFFFFF, {"ELAM", "ELAM", "ELAM", "ELAM"}},
    {14, Posizione{2700, 6600}, 0x000000, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto:", "Egypte:", "Egipto:", "Egypt:"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Antico Regno", "Moyen Empire", "Imperio Medio", "Middle Kingdom"}},
    {29, Posizione{2580, 6120}, 0x000000, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac2004;
const ContenutoCarta ac2004{etichette, 18, {
    "2004 a.C. Gli Elamiti distruggono UR e pongono fine al suo impero. L'origine degli Elamiti è poco chiara: non erano né Sumeri né Semiti, ma abitavano da lungo tempo la regione a nord del Golfo Persico, con capitale Susa, e avevano adottato la scrittura cuneiforme dei Sumeri. Per tre o quattro secoli avranno un ruolo rilevante nell'intera regione.",  // Italian
    "2004 Av.-J.C.: Destruction du royaume d'Ur par les Elamites. Ce peuple d'origine encore mal connue, ni sumérien ni sémite, est établi depuis très longtemps au nord du golfe Persique ; sa capitale est Suse et il a emprunté l'écriture cunéiforme des Sumériens. Pendant trois ou quatre siècles, ils joueront un rôle de premier plan dans toute cette région.",  // French
    "2004 a.C. Los elamitas destruyen Ur y ponen fin a su imperio. El origen de los elamitas es mal conocido: no eran sumerios ni semitas, pero vivían desde hacía siglos en la región situada al norte del golfo Pérsico, con capital en Susa, y habían adoptado la escritura cuneiforme de los sumerios. Durante tres o cuatro siglos tendrán un papel importante en la región.",  // Spanish
    "2004 B.C. The Elamites destroy UR and put an end to its empire. The origin of the Elamites is little known: they were neither Sumerians nor Semites, but had long lived in the region north of the Persian Gulf, with Susa as their capital, and had adopted the cuneiform script of the Sumerians. For three or four centuries they will play a leading role in that region.",  // English
}};

}  // namespace contenuti
