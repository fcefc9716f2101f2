// Content of the Europe maps of AD 1400 to 1700, among maps 125 to 137 (maps/europe_1400_1700/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const std::array<const ContenutoCarta*, 16> carteEuropa = {
    &dc1400eu, &dc1420, &dc1470, &dc1500eu, &dc1530, &dc1600eu, &dc1618, &dc1648,
    &dc1660, &dc1700eu, &dc1748, &dc1772, &dc1793, &dc1795, &dc1803, &dc1808};

const RigaDescrizione descrizioni[] = {
    {"Carta125Italiano", &dc1400eu, Italiano, "1400   Nel 1348 si diffonde la 1° epidemia di", 602, false, false},
    {"Carta125Francese", &dc1400eu, Francese, "1400 En 1348 la première épidémie de peste fauche", 727, false, false},
    {"Carta125Spagnolo", &dc1400eu, Spagnolo, "1400 En 1348 se propaga la primera epidemia de", 645, false, false},
    {"Carta125Inglese", &dc1400eu, Inglese, "1400 In the 1348 the first plague epidemic occurs.", 619, false, false},
    {"Carta126Italiano", &dc1420, Italiano, " 1420   Guerra dei cent'anni: dopo la sconfitta", 466, true, false},
    {"Carta126Francese", &dc1420, Francese, "1420 Guerre des Cent Ans : après la défaite d'Azincourt", 437, false, false},
    {"Carta126Spagnolo", &dc1420, Spagnolo, "1420 Guerra de los Cien Años:  después de la derrota", 486, false, false},
    {"Carta126Inglese", &dc1420, Inglese, "1420 The Hundred Years' War: After the defeat", 441, false, false},
    {"Carta127Italiano", &dc1470, Italiano, "1470   La FRANCIA, trascinata da Giovanna d'Arco,", 528, false, false},
    {"Carta127Francese", &dc1470, Francese, "1470 Guidée par Jeanne d'Arc, la FRANCE est victorieuse", 545, false, false},
    {"Carta127Spagnolo", &dc1470, Spagnolo, "1470 Francia, liberada por Juana de Arco, derrota", 525, false, false},
    {"Carta127Inglese", &dc1470, Inglese, "1470 France, encouraged by Joan of Arc, definitively", 487, false, false},
    {"Carta129Italiano", &dc1500eu, Italiano, "1500   La Spagna, già unita in un solo regno nel", 510, false, false},
    {"Carta129Francese", &dc1500eu, Francese, "1500 En Espagne, le mariage d'Isabelle de  Castille", 793, false, false},
    {"Carta129Spagnolo", &dc1500eu, Spagnolo, "1500  España que en 1469, con el matrimonio de", 514, false, false},
    {"Carta129Inglese", &dc1500eu, Inglese, "1500 Spain, already joined into a single kingdom", 517, false, false},
    {"Carta130Italiano", &dc1530, Italiano, "1530   Dal 1517 si diffonde in Europa il Protestantesimo", 664, false, false},
    {"Carta130Francese", &dc1530, Francese, "1530 Le protestantisme s'affirme en 1517 avec", 642, false, true},
    {"Carta130Spagnolo", &dc1530, Spagnolo, "1530 A partir de 1517 el protestantismo se divulga", 701, false, false},
    {"Carta130Inglese", &dc1530, Inglese, "1530 Beginning in 1517 Protestantism is disseminated", 691, false, false},
    {"Carta132Italiano", &dc1600eu, Italiano, "1600  Da poco  sono terminate le guerre tra Francia", 623, false, false},
    {"Carta132Francese", &dc1600eu, Francese, "1600 Les guerres entre la France et l'Espagne", 823, false, false},
    {"Carta132Spagnolo", &dc1600eu, Spagnolo, "1600   Acaban  de finalizar las guerras entre", 629, false, false},
    {"Carta132Inglese", &dc1600eu, Inglese, "1600 The wars between France and Spain are finished.", 668, false, false},
    {"Carta133Italiano", &dc1618, Italiano, "1618   La Polonia-Lituania, pressata dai Russi", 537, false, false},
    {"Carta133Francese", &dc1618, Francese, "1618 Le royaume de Pologne décline face aux Russes", 549, false, false},
    {"Carta133Spagnolo", &dc1618, Spagnolo, "1618  Polonia-Lituana, presionada al este por", 518, false, false},
    {"Carta133Inglese", &dc1618, Inglese, "1618 Poland-Lithuania, encroached upon by the", 521, false, false},
    {"Carta134Italiano", &dc1648, Italiano, "1648   La Pace di Westfalia mette fine alla Guerra", 388, false, false},
    {"Carta134Francese", &dc1648, Francese, "1648 Les traités de Westphalie mettent un terme", 514, false, false},
    {"Carta134Spagnolo", &dc1648, Spagnolo, "1648  La Paz de Westfalia pone fin a la Guerra", 361, false, false},
    {"Carta134Inglese", &dc1648, Inglese, "1648 The Peace of Westphalia ends the Thirty Years", 366, false, false},
    {"Carta135Italiano", &dc1660, Italiano, "1660   Nel 1559 viene firmata la Pace dei Pirenei", 201, false, false},
    {"Carta135Francese", &dc1660, Francese, "1659 La France et l'Espagne signent la paix des Pyrénées", 397, false, false},
    {"Carta135Spagnolo", &dc1660, Spagnolo, "1659  Francia y España firman la Paz de los Pirineos", 223, false, false},
    {"Carta135Inglese", &dc1660, Inglese, "1659 France and Spain subscribe to the Peace of the Pyrenees", 219, false, false},
    {"Carta137Italiano", &dc1700eu, Italiano, "1700   La Prussia, un ducato polacco, viene ereditato", 571, false, false},
    {"Carta137Francese", &dc1700eu, Francese, "1700 Les Hohenzollern de Brandebourg héritent de la Prusse", 511, false, true},
    {"Carta137Spagnolo", &dc1700eu, Spagnolo, "1700  Prusia, ducado polaco, es heredada por los Hohenzollern de Brandeburgo", 610, false, false},
    {"Carta137Inglese", &dc1700eu, Inglese, "1700 Prussia, a Polish Duchy, is inherited by the Hohenzollern of Brandenburg", 603, false, false},
};
INSTANTIATE_TEST_SUITE_P(Europe1400a1700, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta125Etichetta11FrisoniBluFiesland", &dc1400eu, 11, Posizione{2520, 5400}, 0xFF0000, {"Frisoni", "Frisons", "Frisones", "Fiesland"}},
    {"Carta125Etichetta12SavoiaTop3645", &dc1400eu, 12, Posizione{3645, 5280}, 0xFFFFFF, {"Savoia", "Savoie", "Saboya", "Savoy"}},
    {"Carta125Etichetta15SultanateOttomanInFrancese", &dc1400eu, 15, Posizione{4320, 7200}, 0xFFFFFF, {"Sultanato Ottomano", "Sultanate Ottoman", "Sultanado Otomano", "Ottoman Sultanate"}},
    {"Carta125Etichetta17GranadaUgualeOvunque", &dc1400eu, 17, Posizione{4560, 4080}, 0xFFFFFF, {"Granada", "Granada", "Granada", "Granada"}},
    {"Carta125Etichetta21ZayyanInSpagnolo", &dc1400eu, 21, Posizione{5040, 4560}, 0xFFFFFF, {"Zayyanidi", "Zayyanides", "Zayyan", "Zayyanids"}},
    {"Carta125Etichetta34FranciaConDoppioSpazio", &dc1400eu, 34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {"Carta126Etichetta1ImperoTimuride", &dc1420, 1, Posizione{4560, 9960}, 0x0000FF, {"Impero Timuride", "Empire Timuride", "Imperio Timurida", "Timurid Empire"}},
    {"Carta126Etichetta34FranciaConDoppioSpazio", &dc1420, 34, Posizione{3240, 4920}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {"Carta127Etichetta4OrdaDOroSpostata", &dc1470, 4, Posizione{1920, 9480}, 0x0000FF, {"Canato dell'ORDA D'ORO", "Khanat de l'HORDE D'OR", "Khanato de la Horda de ORO", "Khanate of the GOLDEN HORDE"}},
    {"Carta127Etichetta34FranciaSpostata", &dc1470, 34, Posizione{3120, 4680}, 0x000000, {"R.di  Francia", "R. de  France", "R. de  Francia", "Kdm of France"}},
    {"Carta129Etichetta5AkKonyunlu", &dc1500eu, 5, Posizione{4320, 9480}, 0xFFFFFF, {"Ak Konyunlu", "Ak Konyunlu", "Ak Konyunlu", "Ak Konyunlu"}},
    {"Carta129Etichetta24PrussiaTop2500", &dc1500eu, 24, Posizione{2500, 6840}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {"Carta129Etichetta30GoldenOrdeRossa", &dc1500eu, 30, Posizione{2880, 8880}, 0x0000FF, {"Orda d'Oro", "Horde d'OR", "Orda de Oro", "Golden Orde"}},
    {"Carta130Etichetta1RiservaRossa", &dc1530, 1, Posizione{6000, 10800}, 0x0000FF, {"", "", "", ""}},
    {"Carta130Etichetta4SheibaniAccentato", &dc1530, 4, Posizione{2040, 10800}, 0x0000FF, {"Shaybanidi", "Shaibanides", "Sheibaní", "Shaybanids"}},
    {"Carta130Etichetta28AragonaSottoLaCarta", &dc1530, 28, Posizione{5760, 7200}, 0x000000, {"Aragona", "Aragon", "Aragon", "Aragon"}},
    {"Carta130Etichetta29RiservaBianca", &dc1530, 29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta132Etichetta11ProvinceUnite", &dc1600eu, 11, Posizione{2640, 5280}, 0xFF0000, {"Prov.Un.", "Prov.Un.", "Prov.Un.", "U.Provin"}},
    {"Carta132Etichetta21SpaEsp", &dc1600eu, 21, Posizione{2880, 5400}, 0x000000, {"(Spa)", "(Esp)", "(Esp)", "(Spa)"}},
    {"Carta132Etichetta30RiservaRossa", &dc1600eu, 30, Posizione{5760, 9000}, 0x0000FF, {"", "", "", ""}},
    {"Carta132Etichetta33AustriaTop3150", &dc1600eu, 33, Posizione{3150, 6360}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
    {"Carta133Etichetta5Irlanda", &dc1618, 5, Posizione{1920, 4200}, 0x000000, {"Irlanda", "Irlande", "Irlanda", "Ireland"}},
    {"Carta133Etichetta8ScoziaSenzaRegno", &dc1618, 8, Posizione{1800, 4680}, 0x000000, {"Scozia", "Ecosse", "Escocia", "Scotland"}},
    {"Carta133Etichetta22Galles", &dc1618, 22, Posizione{2500, 4560}, 0x000000, {"Galles", "Galles", "Gales", "Wales"}},
    {"Carta134Etichetta29Riserva", &dc1648, 29, Posizione{5760, 8280}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta134Etichetta31BavariaInSpagnolo", &dc1648, 31, Posizione{3240, 5880}, 0xFFFFFF, {"Baviera", "Bavière", "Bavaria", "Bavaria"}},
    {"Carta135Etichetta0TransilvaniaBlu", &dc1660, 0, Posizione{3600, 6960}, 0xFF0000, {"Transilvania", "Transylvanie", "Transilvania", "Transylvania"}},
    {"Carta137Etichetta0TransilvaniaDiventaRiserva", &dc1700eu, 0, Posizione{5760, 7560}, 0xFF0000, {"", "", "", ""}},
    {"Carta137Etichetta25BrandeburgoNero", &dc1700eu, 25, Posizione{2640, 6000}, 0x000000, {"Brandeburgo", "Brandebourg", "Brandeburgo", "Brandeburg"}},
    {"Carta137Etichetta33AustriaSpostata", &dc1700eu, 33, Posizione{3240, 6600}, 0xFFFFFF, {"Austria", "Autriche", "Austria", "Austria"}},
};
INSTANTIATE_TEST_SUITE_P(Europe1400a1700, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaConRiserve formeConRiserve[] = {
    {"Carta125", &dc1400eu, {}, {}},
    {"Carta126", &dc1420, {}, {}},
    {"Carta127", &dc1470, {}, {}},
    {"Carta129", &dc1500eu, {}, {}},
    {"Carta130", &dc1530, {1, 5, 29}, {1, 5, 28, 29}},
    {"Carta132", &dc1600eu, {5, 22, 29, 30}, {5, 22, 29, 30}},
    {"Carta133", &dc1618, {29, 30}, {29, 30}},
    {"Carta134", &dc1648, {29, 30}, {29, 30}},
    {"Carta135", &dc1660, {29, 30}, {29, 30}},
    {"Carta137", &dc1700eu, {0, 29, 30}, {0, 29, 30}},
};
INSTANTIATE_TEST_SUITE_P(Europe1400a1700, FormaConRiserve, ::testing::ValuesIn(formeConRiserve), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da125a126", &dc1400eu, &dc1420, {1}, true},
    {"Da126a127", &dc1420, &dc1470, {4, 34}, true},
    {"Da127a129", &dc1470, &dc1500eu, {0, 1, 4, 5, 15, 17, 20, 21, 24, 27, 30}, true},
    {"Da129a130", &dc1500eu, &dc1530, {0, 1, 5, 6, 12, 13, 17, 19, 21, 27, 28, 29, 30, 32, 34}, true},
    {"Da130a132", &dc1530, &dc1600eu, {0, 1, 3, 4, 5, 11, 17, 21, 22, 28, 30, 33}, true},
    {"Da132a133", &dc1600eu, &dc1618, {5, 8, 9, 15, 22}, true},
    {"Da133a134", &dc1618, &dc1648, {}, true},
    {"Da134a135", &dc1648, &dc1660, {}, true},
    {"Da135a137", &dc1660, &dc1700eu, {0, 25, 33}, true},
    {"Da137a138", &dc1700eu, &dc1748, {3, 9, 10, 16, 17, 23, 24, 25, 33}, true},
};
INSTANTIATE_TEST_SUITE_P(Europe1400a1700, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// Sixteen distinct texts per language: no map carries another map's paragraph.
TEST(Europe1400a1700Testi, NessunaCartaRipeteUnAltroTesto) {
    for (int l = 0; l < NumeroLingue; ++l) {
        std::vector<std::string_view> testi;
        for (const ContenutoCarta* c : carteEuropa) testi.emplace_back(c->descrizione[l]);
        std::sort(testi.begin(), testi.end());
        EXPECT_EQ(std::adjacent_find(testi.begin(), testi.end()), testi.end()) << "lingua " << l;
    }
}

}  // namespace
