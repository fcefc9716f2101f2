// Map 46 (500 BC): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2400, 7680}, 0xFFFFFF, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {1, Posizione{1440, 9120}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Mongoles", "Turcs-Mongols"}},
    {2, Posizione{2160, 8160}, 0xFFFFFF, {"Imp.Persiano", "Empire Perse", "Imperio Persa", "Persian Emp."}},
    {3, Posizione{1880, 7200}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {4, Posizione{2160, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Chavin", "Chavin", "Chavin", "Chavin"}},
    {6, Posizione{2160, 10320}, 0x000000, {"Imp.CHOU", "Emp.CHOU", "Imp.CHOU", "CHOU Emp."}},
    {7, Posizione{2880, 3840}, 0x000000, {"Comm.agricole", "Comm.agricoles", "Comu.agricolas", "Agricultural comm."}},
    {8, Posizione{1760, 7320}, 0x000000, {"Etruschi", "Etrusques", "Etruscos", "Etruscans"}},
    {9, Posizione{2640, 9240}, 0x000000, {"Stati indiani", "Etats Indiens", "Estados Ind.", "Indian States"}},
    {10, Posizione{2040, 9000}, 0xFFFFFF, {"Battriana", "Bactriane", "Bactriana", "Bactria"}},
    {11, Posizione{2040, 7480}, 0x000000, {"Grecia", "Grèce", "Grecia", "Greece"}},
    {12, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
};
}  // namespace

extern const ContenutoCarta ac500;
const ContenutoCarta ac500{etichette, 13, {
    "500 a.C.  Nel Mediterraneo occidentale cresce la potenza di Cartagine, che controlla i commerci marittimi. Gli Etruschi perdono Roma, che diventa una repubblica. In Sicilia e nella Magna Grecia le colonie greche vivono un periodo di grande prosperità. In Europa centrale si diffonde la cultura celtica di La Tène. In India numerosi piccoli regni, uniti da una cultura comune, si combattono tra loro. In Cina si chiude il periodo delle Primavere e degli Autunni (481 a.C.). Nelle steppe dell'Asia i popoli mongoli e turchi migrano. La popolazione mondiale raggiunge i 100 milioni di abitanti.",  // Italian
    "500 Av. J.-C. La puissance de Carthage grandit en Méditerranée occidentale, où elle domine le commerce maritime et fonde de nouveaux comptoirs. À Rome, les Tarquins sont chassés : les Étrusques perdent la ville, qui devient une république. En Sicile et en Grande-Grèce, les colonies grecques connaissent une grande prospérité. En Europe centrale se répand la culture celtique de La Tène. En Inde, de petits royaumes se font la guerre. En Chine s'achève la période des Printemps et des Automnes (481 av. J.-C.). Dans les steppes d'Asie, les peuples mongols et turcs migrent. La population mondiale atteint les 100 millions d'habitants.",  // French
    "500 a.C. En el Mediterráneo occidental crece el poder de Cartago, que controla el comercio marítimo y funda nuevas colonias. Los etruscos pierden Roma, que se convierte en una república. En Sicilia y en la Magna Grecia las colonias griegas viven un período de gran prosperidad. En Europa central se difunde la cultura celta de La Tène. En la India, numerosos pequeños reinos, unidos por una cultura común, luchan continuamente entre sí. En China termina el período de las Primaveras y los Otoños (481 a.C.). En las estepas de Asia, los pueblos mongoles y turcos inician sus migraciones. La población mundial alcanza los 100 millones de habitantes.",  // Spanish
    "500 B.C. On the shores of the western Mediterranean, the power of Carthage grows: it controls maritime trade and founds new colonies. The Etruscans lose Rome, which becomes a republic. In Sicily and Magna Graecia the Greek colonies enjoy a period of great prosperity. The Celtic culture of La Tène spreads across central Europe. In India many small kingdoms, sharing a common culture, are constantly at war with each other. In China the Spring and Autumn period draws to a close (481 B.C.). In the steppes of Asia the Mongol and Turkic peoples migrate. The world population reaches 100 million.",  // English
}};

}  // namespace contenuti
