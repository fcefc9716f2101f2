// Map 166 (1991 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3630, 6240}, 0xFFFFFF, {"Slovenia", "Slovénie", "Eslovenia", "Slovenia"}},
    {1, Posizione{3480, 6600}, 0x000000, {"Ungheria", "Hongrie", "Hungría", "Hungary"}},
    {2, Posizione{3960, 3720}, 0x000000, {"Portogallo", "Portugal", "Portugal", "Portugal"}},
    {3, Posizione{4080, 7200}, 0xFFFFFF, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {4, Posizione{3840, 9600}, 0xFFFFFF, {"Azerbaigian", "Azerbaidjan", "Azerbaizan", "Azerbaijan"}},
    {5, Posizione{2280, 4320}, 0xFF0000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {6, Posizione{2760, 5640}, 0x000000, {"Germania-fed", "Allemagne", "Alemania-Fed", "Fed-Germany"}},
    {7, Posizione{3720, 7200}, 0x000000, {"Romania", "Romanie", "Rumanía", "Romania"}},
    {8, Posizione{2040, 6960}, 0xFFFFFF, {"Lettonia", "Lettonie", "Letonia", "Latvia"}},
    {9, Posizione{2520, 4440}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {10, Posizione{1140, 5520}, 0x000000, {"Norvegia", "Norvège", "Noruega", "Norway Kdm"}},
    {11, Posizione{2640, 5280}, 0xFF0000, {"Olanda", "Hollande", "Holanda", "Holland"}},
    {12, Posizione{3960, 6480}, 0xFFFFFF, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {13, Posizione{1600, 6240}, 0x000000, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {14, Posizione{2760, 6600}, 0xFFFFFF, {"Polonia", "Pologne", "Polonia", "Poland"}},
    {15, Posizione{4560, 7920}, 0xFFFFFF, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {16, Posizione{1920, 8160}, 0xFFFFFF, {"Russia", "Russie", "Rusia", "Russia"}},
    {17, Posizione{4080, 9360}, 0xFFFFFF, {"Armenia", "Arménie", "Armenia", "Armenia"}},
    {18, Posizione{3120, 6240}, 0xFFFFFF, {"Cecoslovacchia", "Tchécoslovaquie", "Checoslovaquia", "Czechoslovakia"}},
    {19, Posizione{4300, 6960}, 0x000000, {"Macedonia", "Macédonie", "Macedonia", "Macedon"}},
    {20, Posizione{3000, 7560}, 0x000000, {"Ucraina", "Ukraine", "Ucraina", "Ukraine"}},
    {21, Posizione{360, 4440}, 0xFFFFFF, {"Islanda", "Islande", "Islandia", "Iceland"}},
    {22, Posizione{2505, 7320}, 0x000000, {"Bielorussia", "Biélorussie", "Bielorusia", "Belarus"}},
    {23, Posizione{2880, 5280}, 0x000000, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {24, Posizione{1080, 7080}, 0xFFFFFF, {"Finlandia", "Finlande", "Finlandia", "Finland"}},
    {25, Posizione{3720, 9120}, 0x000000, {"Georgia", "Georgie", "Georgia", "Georgia"}},
    {26, Posizione{1800, 7080}, 0xFFFFFF, {"Estonia", "Estonie", "Estonia", "Estonia"}},
    {27, Posizione{3480, 5520}, 0xFFFFFF, {"Svizzera", "Suisse", "Suiza", "Switzerl."}},
    {28, Posizione{4680, 6960}, 0xFFFFFF, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {29, Posizione{2280, 6960}, 0xFFFFFF, {"Lituania", "Lithuanie", "Lituania", "Lithuania"}},
    {30, Posizione{3480, 7440}, 0x000000, {"Moldavia", "Moldavie", "Moldavia", "Moldava"}},
    {31, Posizione{4440, 6720}, 0x000000, {"Albania", "Albanie", "Albania", "Albania"}},
    {32, Posizione{2040, 5400}, 0x000000, {"R.di Danimarca", "R. de Danemark", "Dinamarca", "Denmark Kdm"}},
    {33, Posizione{3480, 6120}, 0xFFFFFF, {"Austria", "Austriche", "Austria", "Austria"}},
    {34, Posizione{3360, 5040}, 0x000000, {"Francia", "France", "Francia", "France"}},
    {35, Posizione{3760, 6360}, 0xFFFFFF, {"Croazia", "Croatie", "Croacia", "Croatia"}},
};
}  // namespace

extern const ContenutoCarta dc1991;
const ContenutoCarta dc1991{etichette, NessunaPulizia, {
    "1991   La Lituania è seguita dalle altre repubbliche baltiche, Lettonia ed Estonia, che proclamano la propria indipendenza. Seguono la Bielorussia, l'Ucraina, la Moldavia e le repubbliche caucasiche di Armenia, Georgia e Azerbaigian. Anche le repubbliche asiatiche (Kazakistan, Uzbekistan, Turkmenistan, Tagikistan, Kirghizistan) abbandonano l'URSS, che si dissolve; la Russia, sua erede, rinuncia al socialismo. L'Europa orientale avvia il difficile passaggio dall'economia socialista a quella di mercato.",  // Italian
    "1991 Après la Lituanie les autres républiques baltes, la Lettonie et l'Estonie, proclament leur indépendance, suivies par la Biélorussie, l'Ukraine, la Moldavie et les républiques caucasiennes : l'Arménie, la Géorgie et l'Azerbaïdjan. Les républiques asiatiques (Kazakhstan, Ouzbékistan, Turkménistan, Tadjikistan, Kirghizistan) quittent à leur tour l'URSS, qui cède la place à la Russie et abandonne le socialisme. L'Europe de l'Est entreprend le difficile passage du socialisme à l'économie de marché.",  // French
    "1991  Después de Lituania, Letonia y Estonia también recuperan la independencia perdida en 1940, seguidas de Bielorrusia, Ucrania, Moldavia y las repúblicas caucásicas de Armenia, Georgia y Azerbaiyán. Todas las repúblicas asiáticas (Kazajstán, Uzbekistán, Turkmenistán, Tayikistán, Kirguistán) abandonan la URSS, que se disuelve; Rusia, que es su heredera, renuncia al socialismo.  La Europa del Este emprende el difícil tránsito de una economía socialista  a una economía de mercado.",  // Spanish
    "1991 First Lithuania, then the other Baltic republics, Latvia and Estonia, become independent, followed by Belarus, Ukraine, Moldavia and the Caucasian republics of Armenia, Georgia and Azerbaijan.  The Asian republics (Kazakhstan, Uzbekistan, Turkmenistan, Tajikistan, Kyrgyzstan) also leave the USSR, which dissolves; Russia, its heir, abandons socialism.  Eastern Europe begins the long and difficult change from socialism to a free economy.",  // English
}};

}  // namespace contenuti
