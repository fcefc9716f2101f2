// Content of the Europe maps of AD 1748 to 1882, among maps 138 to 154 (maps/europe_1748_1882/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const RigaDescrizione descrizioni[] = {
    {"Carta138Italiano", &dc1748, Italiano, "1748   Al termine della 2° guerra del Nord,", 486, false, false},
    {"Carta138Francese", &dc1748, Francese, "1748 A la fin de seconde guerre du nord,", 468, false, true},
    {"Carta138Spagnolo", &dc1748, Spagnolo, "1748 Al término de la Segunda Guerra del Norte,", 464, false, false},
    {"Carta138Inglese", &dc1748, Inglese, "1748 As a result of the Second War of the North,", 500, false, false},
    {"Carta139Italiano", &dc1772, Italiano, "1772   La Polonia aveva avviato una politica di riforme,", 250, false, false},
    {"Carta139Francese", &dc1772, Francese, "1772 La Pologne commence une série de réformes", 243, false, false},
    {"Carta139Spagnolo", &dc1772, Spagnolo, "1772  Polonia había comenzado una política de reformas", 270, false, false},
    {"Carta139Inglese", &dc1772, Inglese, "1772 Poland had started political reforms", 223, false, false},
    {"Carta140Italiano", &dc1793, Italiano, "1793   Robespierre guida la Rivoluzione Francese.", 378, false, false},
    {"Carta140Francese", &dc1793, Francese, "1793 En France, Robespierre a pris le contrôle", 461, false, false},
    {"Carta140Spagnolo", &dc1793, Spagnolo, "1793  Robespierre dirige la Revolución Francesa.", 389, false, false},
    {"Carta140Inglese", &dc1793, Inglese, "1793 Robespierre leads the French Revolution.", 357, false, false},
    {"Carta141Italiano", &dc1795, Italiano, "1795   Tadeus Kosciuzko guida una rivolta polacca", 315, false, false},
    {"Carta141Francese", &dc1795, Francese, "1795 La France révolutionnaire occupe la Belgique", 287, false, false},
    {"Carta141Spagnolo", &dc1795, Spagnolo, "1795  Tadeus Kosciuzko dirige una ribelión polaca", 316, false, false},
    {"Carta141Inglese", &dc1795, Inglese, "1795 In Poland Thaddeus Kosciuzko leads an insurrection", 336, false, false},
    {"Carta143Italiano", &dc1803, Italiano, "1803   Nel 1797, i Francesi, guidati da Napoleone", 318, false, false},
    {"Carta143Francese", &dc1803, Francese, "1803 Le général Bonaparte s'illustre dans la campagne", 470, false, false},
    {"Carta143Spagnolo", &dc1803, Spagnolo, "1803  En 1797, los franceses, dirigidos por Napoleón", 332, false, false},
    {"Carta143Inglese", &dc1803, Inglese, "1803: In 1797, the French led by Napoleon defeat", 308, false, false},
    {"Carta144Italiano", &dc1808, Italiano, "1808   Nel 1804 Napoleone diventa imperatore", 463, false, false},
    {"Carta144Francese", &dc1808, Francese, "1808 Devenu empereur des Français en 1804, Napoléon", 437, false, false},
    {"Carta144Spagnolo", &dc1808, Spagnolo, "1808  En 1804 Napoleón es coronado emperador de", 471, false, false},
    {"Carta144Inglese", &dc1808, Inglese, " 1808  Napoleon becomes Emperor in 1804", 500, true, false},
    {"Carta146Italiano", &dc1812eu, Italiano, "1812   ", 172, false, false, std::nullopt, 0},
    {"Carta146Francese", &dc1812eu, Francese, "1812 ", 181, false, false, std::nullopt, 0},
    {"Carta146Spagnolo", &dc1812eu, Spagnolo, "1812  ", 179, false, false, std::nullopt, 0},
    {"Carta146Inglese", &dc1812eu, Inglese, "1812  ", 167, false, false, std::nullopt, 0},
    {"Carta147Italiano", &dc1815, Italiano, "1815   ", 608, false, false, std::nullopt, 0},
    {"Carta147Francese", &dc1815, Francese, "1815 ", 662, false, false, std::nullopt, 0},
    {"Carta147Spagnolo", &dc1815, Spagnolo, "1815  ", 632, false, false, std::nullopt, 0},
    {"Carta147Inglese", &dc1815, Inglese, "1815  ", 630, false, false, std::nullopt, 0},
    {"Carta148Italiano", &dc1833, Italiano, "1833   ", 529, false, false, std::nullopt, 0},
    {"Carta148Francese", &dc1833, Francese, "1833 ", 713, false, false, std::nullopt, 0},
    {"Carta148Spagnolo", &dc1833, Spagnolo, "1833  ", 533, false, false, std::nullopt, 0},
    {"Carta148Inglese", &dc1833, Inglese, " 1833  ", 466, true, false, std::nullopt, 0},
    {"Carta150Italiano", &dc1861, Italiano, "1861   ", 629, false, false, std::nullopt, 0},
    {"Carta150Francese", &dc1861, Francese, "1861 ", 617, false, false, std::nullopt, 0},
    {"Carta150Spagnolo", &dc1861, Spagnolo, "1861  ", 619, false, false, std::nullopt, 0},
    {"Carta150Inglese", &dc1861, Inglese, "1861 ", 624, false, false, std::nullopt, 0},
    {"Carta151Italiano", &dc1866, Italiano, "1866   ", 176, false, false, std::nullopt, 0},
    {"Carta151Francese", &dc1866, Francese, "1866  ", 180, false, false, std::nullopt, 0},
    {"Carta151Spagnolo", &dc1866, Spagnolo, "1866  ", 167, false, false, std::nullopt, 0},
    {"Carta151Inglese", &dc1866, Inglese, " 1866  ", 161, true, false, std::nullopt, 0},
    {"Carta152Italiano", &dc1871, Italiano, "1871   ", 297, false, false, std::nullopt, 0},
    {"Carta152Francese", &dc1871, Francese, "1871  ", 347, false, false, std::nullopt, 0},
    {"Carta152Spagnolo", &dc1871, Spagnolo, "1871  ", 350, false, false, std::nullopt, 0},
    {"Carta152Inglese", &dc1871, Inglese, "1871  ", 391, false, false, std::nullopt, 0},
    {"Carta153Italiano", &dc1878, Italiano, "1878   ", 382, false, false, std::nullopt, 0},
    {"Carta153Francese", &dc1878, Francese, "1878 ", 367, false, false, std::nullopt, 0},
    {"Carta153Spagnolo", &dc1878, Spagnolo, "1878  ", 399, false, false, std::nullopt, 0},
    {"Carta153Inglese", &dc1878, Inglese, "1878  ", 414, false, false, std::nullopt, 0},
    {"Carta154Italiano", &dc1882, Italiano, "1882   ", 437, false, false, std::nullopt, 0},
    {"Carta154Francese", &dc1882, Francese, "1882 ", 461, false, false, std::nullopt, 0},
    {"Carta154Spagnolo", &dc1882, Spagnolo, "1882  ", 441, false, false, std::nullopt, 0},
    {"Carta154Inglese", &dc1882, Inglese, "1882  ", 421, false, false, std::nullopt, 0},
};
INSTANTIATE_TEST_SUITE_P(Europe1748a1882, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta138Etichetta3DueSicilieSiclies", &dc1748, 3, Posizione{4560, 5760}, 0x000000, {"R.d.2 Sicile", "R.des 2 Siciles", "R.de 2 Sicilias", "Kdm of 2 Siclies"}},
    {"Carta138Etichetta9GranBretagnaUnitedKingdom", &dc1748, 9, Posizione{2240, 4680}, 0x000000, {"Gran Bretagna", "Grande Bretagne", "Gran Bretaña", "United kingdom"}},
    {"Carta138Etichetta17PerseSafavideSoloInFrancese", &dc1748, 17, Posizione{4680, 10800}, 0x000000, {"Persia: piccoli stati", "Perse Safavide", "Estados Persas", "Persian States"}},
    {"Carta139Etichetta17StatiPersiani", &dc1772, 17, Posizione{4680, 10800}, 0x000000, {"Stati Persiani", "Etats Persiens", "Estados Persas", "Persian States"}},
    {"Carta139Etichetta24PrussiaLeft6600", &dc1772, 24, Posizione{2520, 6600}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {"Carta140Etichetta24PrussiaTop2640", &dc1793, 24, Posizione{2640, 6600}, 0x000000, {"Prussia", "Prusse", "Prusia", "Prussia"}},
    {"Carta141Etichetta10PoloniaDiventaRiserva", &dc1795, 10, Posizione{5760, 6600}, 0x000000, {"", "", "", ""}},
    {"Carta141Etichetta23LituaniaDiventaRiserva", &dc1795, 23, Posizione{5760, 7200}, 0x000000, {"", "", "", ""}},
    {"Carta143Etichetta9RegnoUnito", &dc1803, 9, Posizione{2240, 4680}, 0x000000, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {"Carta143Etichetta12RiservaTop6000", &dc1803, 12, Posizione{6000, 7320}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta143Etichetta34ImperoFrancese", &dc1803, 34, Posizione{3240, 4800}, 0x000000, {"Impero Francese", "Empire de France", "Imperio de Francia", "French Empire"}},
    {"Carta144Etichetta6ConfederazioneDelRenoNera", &dc1808, 6, Posizione{2880, 5640}, 0x000000, {"Conf.del Reno", "Conf.du Rhin", "Conf del Rin", "Rhine Confed."}},
    {"Carta144Etichetta11OlandaBlu", &dc1808, 11, Posizione{2640, 5280}, 0xFF0000, {"R.d'Olanda", "R.Hollande", "R.de Holanda", "Holland Kdm"}},
    {"Carta144Etichetta14IlliriaBianca", &dc1808, 14, Posizione{3840, 6360}, 0xFFFFFF, {"Illiria", "Illyrie", "Iliria", "Illyria"}},
    {"Carta146Etichetta0", &dc1812eu, 0, Posizione{5760, 6240}, blu, {"", "", "", ""}},
    {"Carta146Etichetta6", &dc1812eu, 6, Posizione{2880, 5640}, nero, {"Conf.del Reno", "Conf.du Rhin", "Conf d.Reno", "Rhine Confed."}},
    {"Carta146Etichetta9", &dc1812eu, 9, Posizione{2240, 4680}, nero, {"Regno Unito", "Royaume Uni", "Reino Unido", "United kingdom"}},
    {"Carta146Etichetta19", &dc1812eu, 19, Posizione{4200, 3960}, nero, {"R di Spagna", "R. d'Espagne", "R. de España", "Kdm of Spain"}},
    {"Carta146Etichetta26", &dc1812eu, 26, Posizione{3720, 5760}, nero, {"R.d'Italia", "R.d'Italie", "R.Italico", "Italy Kdm"}},
    {"Carta146Etichetta27", &dc1812eu, 27, Posizione{3480, 5520}, bianco, {"Svizzera", "Suisse", "Suiza", "Switzerl"}},
    {"Carta146Etichetta30", &dc1812eu, 30, Posizione{5760, 9000}, rosso, {"", "", "", ""}},
    {"Carta146Etichetta31", &dc1812eu, 31, Posizione{2760, 6600}, bianco, {"D.di Varsavia", "D.de Varsavie", "D.Varsavia", "D.of Warsaw"}},
    {"Carta147Etichetta0", &dc1815, 0, Posizione{3840, 5400}, bianco, {"Sardegna", "Sardeigne", "Cerdeña", "Sardinia"}},
    {"Carta147Etichetta6", &dc1815, 6, Posizione{2770, 5760}, nero, {"Confed. Germanica", "Conf. Allemande", "Confed. Germànica", "Germanic Confed."}},
    {"Carta147Etichetta12", &dc1815, 12, Posizione{3720, 5400}, bianco, {"Regno di", "Roy. de", "Reino de", "Kdm of"}},
    {"Carta147Etichetta13", &dc1815, 13, Posizione{1520, 5880}, nero, {"R.di Svezia", "R.de Suède", "R.di Suecia", "Sweden Kdm"}},
    {"Carta147Etichetta20", &dc1815, 20, Posizione{5040, 3720}, nero, {"Wattasids", "Wattasids", "Wattasids", "Wattasids"}},
    {"Carta147Etichetta21", &dc1815, 21, Posizione{360, 4440}, nero, {"(Dan)", "(Dan)", "(Dan)", "(Den)"}},
    {"Carta147Etichetta29", &dc1815, 29, Posizione{5760, 8640}, bianco, {"", "", "", ""}},
    {"Carta148Etichetta23", &dc1833, 23, Posizione{2880, 5280}, nero, {"Belgio", "Belgique", "Belgica", "Belgique"}},
    {"Carta148Etichetta25", &dc1833, 25, Posizione{5040, 4680}, nero, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (Fr)", "Algeria (Fr)"}},
    {"Carta148Etichetta30", &dc1833, 30, Posizione{5760, 9000}, rosso, {"", "", "", ""}},
    {"Carta150Etichetta3", &dc1861, 3, Posizione{3600, 10800}, nero, {"Turcomanni", "Turcomannes", "Turcomanos", "Turkmans"}},
    {"Carta150Etichetta25", &dc1861, 25, Posizione{5040, 4680}, nero, {"Algeria (Fr)", "Algérie (Fr)", "Algeria (fr)", "Algeria (Fr)"}},
    {"Carta150Etichetta26", &dc1861, 26, Posizione{5760, 7560}, nero, {"", "", "", ""}},
    {"Carta150Etichetta35", &dc1861, 35, Posizione{5760, 9480}, nero, {"", "", "", ""}},
    {"Carta151Etichetta1", &dc1866, 1, Posizione{2760, 11040}, bianco, {"", "", "", ""}},
    {"Carta151Etichetta3", &dc1866, 3, Posizione{3600, 10800}, nero, {"", "", "", ""}},
    {"Carta151Etichetta4", &dc1866, 4, Posizione{3200, 11160}, bianco, {"", "", "", ""}},
    {"Carta152Etichetta6", &dc1871, 6, Posizione{2775, 5760}, nero, {"Impero Tedesco", "Empire Allemand", "Imperio Germànico", "Germanic Empire"}},
    {"Carta152Etichetta31", &dc1871, 31, Posizione{3600, 6600}, bianco, {"", "", "", ""}},
    {"Carta152Etichetta33", &dc1871, 33, Posizione{3480, 6120}, bianco, {"Impero Austroungarico", "Empire d'Autriche-Hongrie", "Imp. Austro-Húngaro", "Austro-hungarian Emp."}},
    {"Carta152Etichetta34", &dc1871, 34, Posizione{3240, 4800}, nero, {"Francia (Rep)", "France (Rép)", "Rep. de Francia", "Rep. of France"}},
    {"Carta153Etichetta1", &dc1878, 1, Posizione{4200, 6600}, nero, {"Montenegro", "Montenegro", "Montenegro", "Montenegro"}},
    {"Carta153Etichetta3", &dc1878, 3, Posizione{4080, 7200}, nero, {"Bulgaria", "Bulgarie", "Bulgaria", "Bulgaria"}},
    {"Carta153Etichetta4", &dc1878, 4, Posizione{5520, 8160}, bianco, {"", "", "", ""}},
    {"Carta153Etichetta31", &dc1878, 31, Posizione{5520, 6840}, bianco, {"", "", "", ""}},
    {"Carta154Etichetta4", &dc1882, 4, Posizione{5160, 5280}, bianco, {"Tunisia-Fr.", "Tunisie-Fr.", "Túnez -Fr.", "Tunisia-Fr."}},
};
INSTANTIATE_TEST_SUITE_P(Europe1748a1882, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaConRiserve formeConRiserve[] = {
    {"Carta138", &dc1748, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta139", &dc1772, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta140", &dc1793, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta141", &dc1795, {0, 10, 23, 25, 29, 30}, {0, 10, 23, 25, 29, 30}},
    {"Carta143", &dc1803, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}},
    {"Carta144", &dc1808, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}},
};
INSTANTIATE_TEST_SUITE_P(Europe1748a1882, FormaConRiserve, ::testing::ValuesIn(formeConRiserve), NomeRiga());

const RigaConVuote formeConVuote[] = {
    {"Carta146", &dc1812eu, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {}},
    {"Carta147", &dc1815, {23, 25, 28, 29, 30}, {}},
    {"Carta148", &dc1833, {29, 30}, {}},
    {"Carta150", &dc1861, {26, 29, 30, 35}, {}},
    {"Carta151", &dc1866, {1, 3, 4, 26, 29, 30, 35}, {1, 3, 4}},
    {"Carta152", &dc1871, {1, 3, 4, 14, 18, 24, 26, 29, 30, 31, 35}, {1, 3, 4, 31}},
    {"Carta153", &dc1878, {4, 14, 18, 24, 26, 29, 30, 31, 35}, {}},
    {"Carta154", &dc1882, {14, 18, 24, 26, 29, 30, 31, 35}, {}},
};
INSTANTIATE_TEST_SUITE_P(Europe1748a1882, FormaConVuote, ::testing::ValuesIn(formeConVuote), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da138a139", &dc1748, &dc1772, {0, 10, 17, 23, 24}, true},
    {"Da139a140", &dc1772, &dc1793, {24}, true},
    {"Da140a141", &dc1793, &dc1795, {0, 10, 23}, true},
    {"Da141a143", &dc1795, &dc1803, {9, 12, 18, 21, 28, 34}, true},
    {"Da143a144", &dc1803, &dc1808, {3, 6, 11, 14, 24, 26, 31, 33}, true},
    {"Da147a148", &dc1815, &dc1833, {11, 20, 23, 25, 28}, true},
    {"Da150a151", &dc1861, &dc1866, {1, 3, 4}, true},
    {"Da153a154", &dc1878, &dc1882, {4}, true},
};
INSTANTIATE_TEST_SUITE_P(Europe1748a1882, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// The English text of 1808 separates its sentences with two blanks, all of them.
TEST(Europe1748a1882Descrizioni1808, LeFrasiInglesiSonoSeparateDaDueSpazi) {
    const std::string_view t(dc1808.descrizione[Inglese]);
    std::size_t frasi = 0;
    for (std::size_t p = t.find(". "); p != std::string_view::npos; p = t.find(". ", p + 1)) {
        EXPECT_EQ(t.substr(p, 3), ".  ") << t.substr(p);
        ++frasi;
    }
    EXPECT_GE(frasi, 3u);
}

// 1815: the kingdom's title stands 120 twips above its name, at the same Left,
// in every language.
TEST(Europe1748a1882DueRighe, RegnoDiSardegnaSopraIlNome) {
    const EtichettaCarta* titolo = voce(dc1815, 12);
    const EtichettaCarta* nome = voce(dc1815, 0);
    ASSERT_TRUE(titolo && nome && titolo->posizione && nome->posizione);
    EXPECT_EQ(titolo->posizione->Left, nome->posizione->Left);
    EXPECT_EQ(nome->posizione->Top - titolo->posizione->Top, 120);
    EXPECT_EQ(titolo->ForeColor, nome->ForeColor);
}

}  // namespace
