// Map 24 (1250 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{1200, 8280}, 0xFF0000, {"ANDRONOVO: cultura nomade", "ANDRONOVO: culture nomade", "ANDRONOVO: cultura nómade", "ANDRONOVO: nomad culture"}},
    {1, Posizione{2115, 8280}, 0xFFFFFF, {"Assiri", "Assyriens", "Asiros", "Assyrians"}},
    {2, Posizione{3720, 6240}, 0xFFFFC0, {"SEMITI", "SEMITES", "SEMITAS", "SEMITES"}},
    {3, Posizione{2280, 8400}, 0xFFFFFF, {"Cassiti", "Cassites", "casitas", "Kassites"}},
    {4, Posizione{3640, 8880}, 0x000000, {"Agricoltura e metallurgia", "Agricolture et metallurgie", "Agricultura y metalurgia", "Agriculture And metallurgy"}},
    {5, Posizione{1950, 7920}, 0xFFFFFF, {"Ittiti", "Hittites", "hititas", "Hittites"}},
    {6, Posizione{2520, 7650}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {7, Posizione{2040, 7320}, 0x000000, {"Achei", "Aquéens", "aqueos", "Acheans"}},
    {8, Posizione{4040, 8880}, 0x000000, {"Comunità Agricole", "Communautés Agricoles", "Comunidades agricolas", "Agricultural communities"}},
    {9, Posizione{4410, 8880}, 0x000000, {"Stati organizzati", "Etats organisés", "Estados organizados", "Statal organisation"}},
    {10, Posizione{2040, 10200}, 0x000000, {"Impero cinese", "Empire Chinois", "Imperio de China", "Chinese Empire"}},
    {11, Posizione{4820, 8880}, 0x000000, {"Città commerciali", "Villes commerciales", "Ciudades comerciales", "Commercial cities"}},
    {12, Posizione{2190, 7440}, 0x000000, {"Fenicia------", "Phéniciens", "Fenicia------", "Phoenicians"}},
};
}  // namespace

extern const ContenutoCarta ac1250;
const ContenutoCarta ac1250{etichette, 13, {
    "1250 a.C. I territori con ampie organizzazioni statali si trovano in Cina, in Mesopotamia, in Asia Minore e in Egitto. Intorno a essi si sviluppa una rete di città commerciali che, per restare indipendenti, pagano tributi agli stati vicini. Le comunità agricole d'Europa e d'Indocina adottano la metallurgia, che si diffonde rapidamente, e i conflitti diventano più frequenti. Dall'Indocina partono i popoli che colonizzano gli arcipelaghi meridionali. La Terra conta circa 45 milioni di abitanti.",  // Italian
    "1250 avant J.-C. En Chine, Mésopotamie, Asie Mineure et Égypte, se trouvent les territoires dotés de vastes organisations étatiques. Autour d'eux se développe un réseau de villes commerçantes qui, pour garder leur indépendance, versent un tribut aux puissants États voisins. En Europe comme en Asie, la métallurgie du bronze se diffuse, alors qu'au Proche-Orient commence déjà l'âge du fer. Les conflits armés entre les peuples deviennent toujours plus nombreux. De grandes migrations mélanésiennes partent de l'Indochine et s'orientent vers l'archipel indonésien. La population de la Terre atteint environ 45 millions d'habitants.",  // French
    "1250 a.C. Los territorios con amplias organizaciones estatales se encuentran en China, Mesopotamia, Asia Menor y Egipto. A su alrededor se desarrolla una red de ciudades comerciales que, para mantenerse independientes, pagan tributo a los potentes estados vecinos. Las comunidades agrícolas de Europa y de Indochina adoptan la metalurgia, que se difunde rápidamente, y los conflictos armados entre los pueblos se hacen cada vez más frecuentes. Desde Indochina parten los pueblos que colonizan los archipiélagos del sur. La Tierra cuenta con unos 45 millones de habitantes.",  // Spanish
    "1250 B.C. The territories with wide state organization are  in China, Mesopotamia, Asia Minor and Egypt. Around them grows a network of trading cities which, in order to remain independent, pay tribute to the powerful neighbouring states. The farming communities of Europe and Indochina take up metalworking, which spreads rapidly, and armed conflicts between peoples become more and more frequent. Peoples setting out from Indochina begin to settle the islands of the southern archipelagos. The Earth holds around 45 million inhabitants.",  // English
}};

}  // namespace contenuti
