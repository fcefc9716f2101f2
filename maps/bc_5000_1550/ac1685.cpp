// Map 14 (1685 BC): overlay labels and descriptions.
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
    {13, Posizione{2640, 7200}, 0xFFFFFF, {"Impero Babilonese", "Empire Babylonien", "Imperio de Babilonia", "Babylonian Empire"}},
    {14, Posizione{2700, 6600}, std::nullopt, {"", "", "", ""}},
    {15, Posizione{2160, 7720}, std::nullopt, {"Ninive", "Ninive", "Ninive", "Niniveh"}},
    {16, Posizione{3720, 5640}, 0xFFFFFF, {"Egitto: Secondo", "Egypte: Seconde", "Egipto: Segundo", "Egypt: Second"}},
    {17, Posizione{3960, 5280}, 0xFFFFFF, {"Periodo Intermedio", "Periode Intermède", "Periodo Intermedio", "Intermediate Period"}},
    {18, Posizione{2970, 7560}, std::nullopt, {"Babilonia", "Babylone", "Babilonia", "Babylon"}},
    {19, Posizione{1440, 6240}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {20, Posizione{1680, 4440}, std::nullopt, {"Achei", "Achéens", "aqueos", "Acheans"}},
    {21, Posizione{2320, 4920}, std::nullopt, {"Minoici", "Crétois", "Minoicos", "Minoans"}},
    {22, Posizione{1600, 10700}, std::nullopt, {"Ariani", "Aryens", "arios", "Aryans"}},
    {23, Posizione{2270, 8200}, std::nullopt, {"Cassiti", "Kassites", "casitas", "Kassites"}},
    {29, Posizione{2580, 6120}, std::nullopt, {"Fenicia", "Phénicie", "Fenicia", "Phoenicia"}},
};
}  // namespace

extern const ContenutoCarta ac1685;
const ContenutoCarta ac1685{etichette, 24, {
    "1685 a.C. Gli Hyksos, popolazioni di origine semitica provenienti dalla Palestina e dalla Siria, invadono il Basso Egitto. La loro forza sta nei cavalli e nei carri da guerra, fino ad allora sconosciuti agli Egiziani, che non riescono a resistere. Finisce il Medio Regno e comincia il Secondo Periodo Intermedio: l'Egitto è diviso in tre parti, con gli Hyksos che regnano sul delta del Nilo da Avaris, una dinastia egiziana indipendente a Tebe e il regno di Kush in Nubia. In Mesopotamia, i Cassiti, discesi dai monti Zagros, attaccano l'impero babilonese, che perde le sue terre del nord e dell'ovest e si riduce alla regione attorno a Babilonia.",  // Italian
    "1685 Av.-J.C.: Invasion de la Basse-Egypte par les Hyksos, venus de Palestine et de Syrie avec leurs chevaux et leurs chars de guerre. C'est la fin du Moyen Empire et le début de la Deuxième Période Intermédiaire : les envahisseurs règnent sur le delta du Nil, tandis qu'une dynastie indépendante se maintient à Thèbes. En Mésopotamie, les Kassites attaquent l'empire babylonien, qui perd ses terres du nord et de l'ouest.",  // French
    "1685 a.C. Los hicsos, pueblos de origen semita procedentes de Palestina y de Siria, invaden el Bajo Egipto. Su fuerza reside en los caballos y los carros de guerra, hasta entonces desconocidos para los egipcios, que no logran resistirles. Termina el Imperio Medio y comienza el Segundo Periodo Intermedio: Egipto queda dividido en tres partes, con los hicsos que reinan sobre el delta del Nilo desde la ciudad de Avaris, una dinastía egipcia independiente en Tebas y el reino de Kush en Nubia. En Mesopotamia, los casitas, bajados de los montes Zagros, atacan el imperio babilónico, que pierde sus tierras del norte y del oeste y queda reducido a la región que rodea Babilonia.",  // Spanish
    "1685 B.C. The Hyksos, peoples of Semitic origin from Palestine and Syria, invade Lower Egypt. Their strength lies in horses and war chariots, until then unknown to the Egyptians, who cannot resist them. The Middle Kingdom ends and the Second Intermediate Period begins: Egypt is split into three parts, with the Hyksos ruling the Nile delta from Avaris, an independent Egyptian dynasty at Thebes and the kingdom of Kush in Nubia. In Mesopotamia the Kassites, coming down from the Zagros mountains, attack the Babylonian empire, which loses its northern and western lands and shrinks to the region around Babylon.",  // English
}};

}  // namespace contenuti
