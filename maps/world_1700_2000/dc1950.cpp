// Map 162 (1950 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{1560, 6840}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {1, Posizione{1440, 7080}, 0x000000, {"Germania", "Allemagne", "Alemania", "Germany"}},
    {2, Posizione{1680, 7560}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {3, Posizione{2280, 10200}, 0xFF0000, {"Cina", "Chine", "China", "China"}},
    {4, Posizione{960, 8400}, 0xFFFFFF, {"U.R.S.S.", "U.R.S.S.", "U.R.S.S.", "U.S.S.R."}},
    {5, Posizione{2520, 7720}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {6, Posizione{2040, 7440}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {7, Posizione{2280, 8640}, 0xFFFFFF, {"Iran", "Iran", "Iran", "Iran"}},
    {8, Posizione{4080, 7440}, 0x000000, {"(Port.)", "(Port.)", "(Port.)", "(Port.)"}},
    {9, Posizione{1920, 6720}, 0x000000, {"Spagna", "Espagne", "España", "Spain"}},
    {10, Posizione{2040, 7920}, 0x000000, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {11, Posizione{2880, 6480}, 0xFFFFFF, {"Africa Occ. Francese", "Afrique Occ. Française", "Africa Occ. Francesa", "Oc.French Africa"}},
    {12, Posizione{2400, 9000}, 0xFFFFFF, {"Pakistan", "Pakistan", "Pakistan", "Pakistan"}},
    {13, Posizione{2040, 11280}, 0x000000, {"Giappone", "Japon", "Japón", "Japan"}},
    {14, Posizione{1880, 7320}, 0x000000, {"Italia", "Italie", "Italia", "Italy"}},
    {15, Posizione{2280, 8280}, 0xFFFFFF, {"Iraq", "Iraq", "Iraq", "Iraq"}},
    {16, Posizione{1080, 7320}, 0x000000, {"Svezia", "Suède", "Suecia", "Sweden"}},
    {17, Posizione{1320, 7440}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {18, Posizione{2640, 9360}, 0x000000, {"India", "India", "India", "India"}},
    {19, Posizione{1320, 6840}, 0x000000, {"UK", "UK", "UK", "UK"}},
    {20, Posizione{3840, 8040}, 0x000000, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {21, Posizione{2880, 9840}, 0x0000FF, {"Tailandia", "Thailande", "Tailandia", "Thailand"}},
    {22, Posizione{3000, 10320}, 0x000000, {"VietNam", "VietNam", "VietNam", "VietNam"}},
    {23, Posizione{3120, 10800}, 0x000000, {"Filippine", "Philippines", "Filipinas", "Philippines"}},
    {24, Posizione{3720, 7540}, 0xFFFFFF, {"(Bel.)", "(Bel.)", "(Bel.)", "(Bel.)"}},
    {25, Posizione{2250, 7880}, 0x000000, {"Israele", "Israel", "Israel", "Israel"}},
    {26, Posizione{1440, 3840}, 0xFFFFFF, {"Canada", "Canada", "Canadá", "Canada"}},
    {27, Posizione{4800, 7440}, 0x000000, {"Sud Africa", "Afrique du Sud", "Africa del Sur", "South Africa"}},
    {28, Posizione{3600, 10320}, 0x000000, {"Indonesia", "Indonésie", "Indonesia", "Indonesia"}},
    {29, Posizione{2160, 8880}, 0xFFFFFF, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {30, Posizione{5040, 4440}, 0xFF0000, {"Cile", "Chili", "Chile", "Chily"}},
    {31, Posizione{4800, 4800}, 0xFFFFFF, {"Argentina", "Argentine", "Argentina", "Argentina"}},
    {32, Posizione{4080, 5280}, 0xFFFFFF, {"Brasile", "Brésil", "Brasil", "Brazil"}},
    {33, Posizione{2280, 3840}, 0xFFFFFF, {"U.S.A.", "U.S.A.", "U.S.A.", "U.S.A."}},
    {34, Posizione{4560, 11040}, 0xFFFFFF, {"Australia", "Australie", "Australia", "Australia"}},
    {35, Posizione{2760, 3720}, 0x000000, {"Messico", "Mexique", "Mejico", "Mexico"}},
};
}  // namespace

extern const ContenutoCarta dc1950;
const ContenutoCarta dc1950{etichette, NessunaPulizia, {
    "1950   Dopo la II guerra mondiale, soffia nel mondo un vento di anticolonialismo. L'India, guidata dal movimento pacifista di Gandhi, ottiene l'indipendenza dalla G.B., ma perde subito le regioni musulmane, dove nasce il Pakistan. Con la vittoria di Mao, la Cina diventa una repubblica socialista. L'URSS estende la sua influenza sull'Europa orientale, mentre l'Europa occidentale inizia la ricostruzione con gli aiuti americani. In Medio Oriente l'ONU decreta la nascita dello Stato di Israele, osteggiato dai nuovi stati arabi: Giordania, Iraq ed Egitto. I Sauditi governavano l'Arabia dal 1932. Si rendono indipendenti anche le Filippine, l'Indonesia, Ceylon e la Birmania. La popolazione mondiale è di 2400 milioni.",  // Italian
    "1950 Après la 2ème guerre mondiale, l'anticolonialisme souffle sur le monde. L'Inde, guidée par le mouvement pacifiste de Gandhi, obtient son indépendance de la G.-B., et le Pakistan naît dans ses régions musulmanes. Avec la victoire de Mao, la Chine devient une république socialiste. L'URSS étend son influence sur l'Europe orientale, tandis que l'Europe occidentale commence sa reconstruction grâce à l'aide américaine. Au Moyen-Orient, l'ONU décrète la naissance de l'Etat d'Israël, contesté par les nouveaux Etats arabes (Jordanie, Irak et Egypte). Les Saoud règnent sur l'Arabie depuis 1932. Les Philippines, l'Indonésie, Ceylan et la Birmanie deviennent indépendantes. La population mondiale est alors de 2400 millions.",  // French
    " 1950  Después de la Segunda Guerra Mundial sopla en el mundo un viento de anticolonialismo. La India, guiada por el movimiento pacifista de Gandhi, obtiene la independencia de Gran Bretaña y en sus regiones musulmanas nace Pakistán. Con la victoria de Mao, China se convierte en una república socialista. La URSS extiende su influencia a Europa del Este, mientras Europa occidental inicia su reconstrucción con la ayuda americana. En Oriente Medio la ONU decreta el nacimiento del Estado de Israel, al que se oponen los nuevos estados árabes: Jordania, Irak y Egipto. Los saudíes gobiernan la península arábiga desde 1932. Filipinas, Indonesia, Ceilán y Birmania se independizan. La población mundial es ya de 2.400 millones.",  // Spanish
    "1950 After WWII a wind of anticolonialism blows across the whole world.  Led by Gandhi's pacifist movement, Hindu India and Islamic India become independent from Britain separately, as India and, at first, East and West Pakistan.  With Mao's victory, China becomes a socialist republic.  The USSR extends its influence over Eastern Europe, while Western Europe continues its reconstruction with American aid.  In the Middle East the UN decrees the birth of the State of Israel, opposed by the new Arab states of Jordan, Iraq and Egypt.  The Saudis continue the reign over Arabia that they have held since 1932.  The Philippines, Indonesia, Ceylon and Burma achieve independence.  The world population is 2.4 billion.",  // English
}};

}  // namespace contenuti
