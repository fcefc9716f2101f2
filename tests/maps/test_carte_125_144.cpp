// Content of the Europe maps 125 to 144 (AD 1400 to 1808): every map places,
// colours and captions all 36 labels itself, so its overlay never depends on the
// map shown before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;

// Bottom edge of the map picture: a label placed lower stands under it.
constexpr int FondoCarta = 5295;

using verifica::voce;
using verifica::stessaVoce;

const std::array<const ContenutoCarta*, 16> carteEuropa = {
    &dc1400eu, &dc1420, &dc1470, &dc1500eu, &dc1530, &dc1600eu, &dc1618, &dc1648,
    &dc1660, &dc1700eu, &dc1748, &dc1772, &dc1793, &dc1795, &dc1803, &dc1808};

// ---------------------------------------------------------------------------
// Descriptions: fixed opening, exact length in characters, and the few texts
// that begin or end with a blank.

struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    bool biancoIniziale;
    bool biancoFinale;
};

void PrintTo(const RigaDescrizione& r, std::ostream* os) { *os << r.nome; }

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
};

class Carte125a144Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};

TEST_P(Carte125a144Descrizioni, AperturaLunghezzaEBordi) {
    const RigaDescrizione& r = GetParam();
    const char* testo = r.carta->descrizione[r.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t(testo);
    EXPECT_TRUE(verifica::iniziaCon(t, r.apertura)) << t;
    EXPECT_EQ(verifica::caratteri(t), r.lunghezza) << t;
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front() == ' ', r.biancoIniziale) << t;
    EXPECT_EQ(t.back() == ' ', r.biancoFinale) << t;
    // One paragraph on one line, no tabs or stray control characters.
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        << t;
    // Well-formed UTF-8: a broken accent would show as garbage in the box.
    std::size_t seguito = 0;
    for (unsigned char c : t) {
        if (seguito) {
            EXPECT_EQ(c & 0xC0, 0x80) << t;
            --seguito;
        } else if (c >= 0xF0) seguito = 3;
        else if (c >= 0xE0) seguito = 2;
        else if (c >= 0xC0) seguito = 1;
        else EXPECT_LT(c, 0x80) << t;
    }
    EXPECT_EQ(seguito, 0u);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte125a144Descrizioni, ::testing::ValuesIn(descrizioni),
                         [](const ::testing::TestParamInfo<RigaDescrizione>& i) {
                             return std::string(i.param.nome);
                         });

// The English text of 1808 separates its sentences with two blanks, all of them.
TEST(Carte125a144Descrizioni1808, LeFrasiInglesiSonoSeparateDaDueSpazi) {
    const std::string_view t(dc1808.descrizione[Inglese]);
    std::size_t frasi = 0;
    for (std::size_t p = t.find(". "); p != std::string_view::npos; p = t.find(". ", p + 1)) {
        EXPECT_EQ(t.substr(p, 3), ".  ") << t.substr(p);
        ++frasi;
    }
    EXPECT_GE(frasi, 3u);
}

// ---------------------------------------------------------------------------
// Labels worth checking one by one: odd spellings, doubled blanks, odd
// positions, spare labels with their empty captions and colours.

struct RigaEtichetta {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    Posizione posizione;
    std::uint32_t colore;
    std::array<const char*, NumeroLingue> didascalia;
};

void PrintTo(const RigaEtichetta& r, std::ostream* os) { *os << r.nome; }

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
};

class Carte125a144Etichette : public ::testing::TestWithParam<RigaEtichetta> {};

TEST_P(Carte125a144Etichette, VoceComeAttesa) {
    const RigaEtichetta& r = GetParam();
    const EtichettaCarta* e = voce(*r.carta, r.indice);
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->posizione.has_value());
    EXPECT_EQ(e->posizione->Top, r.posizione.Top);
    EXPECT_EQ(e->posizione->Left, r.posizione.Left);
    EXPECT_EQ(e->ForeColor, std::optional<std::uint32_t>(r.colore));
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_NE(e->didascalia[l], nullptr) << "lingua " << l;
        EXPECT_EQ(std::string_view(e->didascalia[l]), std::string_view(r.didascalia[l])) << "lingua " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(Notevoli, Carte125a144Etichette, ::testing::ValuesIn(etichette),
                         [](const ::testing::TestParamInfo<RigaEtichetta>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Shape: no emptying step; all 36 labels, in order, each placed, coloured with
// one of the four colours and captioned in every language; the spare labels
// (empty in every language) and only they stand under the picture, except the
// one captioned label that map 130 puts there; no two labels at one place.

struct RigaForma {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> riserve;
    std::vector<int> sottoLaCarta;
};

void PrintTo(const RigaForma& r, std::ostream* os) { *os << r.nome; }

const RigaForma forme[] = {
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
    {"Carta138", &dc1748, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta139", &dc1772, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta140", &dc1793, {0, 25, 29, 30}, {0, 25, 29, 30}},
    {"Carta141", &dc1795, {0, 10, 23, 25, 29, 30}, {0, 10, 23, 25, 29, 30}},
    {"Carta143", &dc1803, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}},
    {"Carta144", &dc1808, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}, {0, 10, 12, 18, 21, 23, 25, 28, 29, 30}},
};

class Carte125a144Forma : public ::testing::TestWithParam<RigaForma> {};

TEST_P(Carte125a144Forma, TutteLeEtichetteScritte) {
    const RigaForma& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, NessunaPulizia);
    ASSERT_EQ(c.etichette.size(), static_cast<std::size_t>(NumeroEtichette));
    std::vector<int> riserve, sotto;
    std::vector<std::pair<int, int>> posti;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta& e = c.etichette[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.indice, i);
        ASSERT_TRUE(e.posizione.has_value()) << "etichetta " << i;
        ASSERT_TRUE(e.ForeColor.has_value()) << "etichetta " << i;
        const std::uint32_t colore = *e.ForeColor;
        EXPECT_TRUE(colore == 0xFF0000 || colore == 0x0000FF || colore == 0xFFFFFF || colore == 0x000000)
            << "etichetta " << i;
        bool vuota = true;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "etichetta " << i << " lingua " << l;
            EXPECT_LE(verifica::caratteri(e.didascalia[l]), 35u) << "etichetta " << i;
            vuota = vuota && *e.didascalia[l] == '\0';
        }
        if (vuota) riserve.push_back(i);
        if (e.posizione->Top > FondoCarta) sotto.push_back(i);
        EXPECT_GE(e.posizione->Left, 3720) << "etichetta " << i;
        posti.emplace_back(e.posizione->Top, e.posizione->Left);
    }
    EXPECT_EQ(riserve, r.riserve);
    EXPECT_EQ(sotto, r.sottoLaCarta);
    std::sort(posti.begin(), posti.end());
    EXPECT_EQ(std::adjacent_find(posti.begin(), posti.end()), posti.end()) << "two labels at one place";
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte125a144Forma, ::testing::ValuesIn(forme),
                         [](const ::testing::TestParamInfo<RigaForma>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Successive Europe maps share most of their table: exactly the listed labels
// differ in place, colour or a caption.

struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
};

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << r.nome; }

const RigaConfronto confronti[] = {
    {"Da125a126", &dc1400eu, &dc1420, {1}},
    {"Da126a127", &dc1420, &dc1470, {4, 34}},
    {"Da127a129", &dc1470, &dc1500eu, {0, 1, 4, 5, 15, 17, 20, 21, 24, 27, 30}},
    {"Da129a130", &dc1500eu, &dc1530, {0, 1, 5, 6, 12, 13, 17, 19, 21, 27, 28, 29, 30, 32, 34}},
    {"Da130a132", &dc1530, &dc1600eu, {0, 1, 3, 4, 5, 11, 17, 21, 22, 28, 30, 33}},
    {"Da132a133", &dc1600eu, &dc1618, {5, 8, 9, 15, 22}},
    {"Da133a134", &dc1618, &dc1648, {}},
    {"Da134a135", &dc1648, &dc1660, {}},
    {"Da135a137", &dc1660, &dc1700eu, {0, 25, 33}},
    {"Da137a138", &dc1700eu, &dc1748, {3, 9, 10, 16, 17, 23, 24, 25, 33}},
    {"Da138a139", &dc1748, &dc1772, {0, 10, 17, 23, 24}},
    {"Da139a140", &dc1772, &dc1793, {24}},
    {"Da140a141", &dc1793, &dc1795, {0, 10, 23}},
    {"Da141a143", &dc1795, &dc1803, {9, 12, 18, 21, 28, 34}},
    {"Da143a144", &dc1803, &dc1808, {3, 6, 11, 14, 24, 26, 31, 33}},
};

class Carte125a144Confronti : public ::testing::TestWithParam<RigaConfronto> {};

TEST_P(Carte125a144Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta* a = voce(*r.prima, i);
        const EtichettaCarta* b = voce(*r.dopo, i);
        ASSERT_TRUE(a && b) << "etichetta " << i;
        if (!stessaVoce(*a, *b)) diverse.push_back(i);
    }
    EXPECT_EQ(diverse, r.diverse);
}

INSTANTIATE_TEST_SUITE_P(Vicine, Carte125a144Confronti, ::testing::ValuesIn(confronti),
                         [](const ::testing::TestParamInfo<RigaConfronto>& i) {
                             return std::string(i.param.nome);
                         });

// Sixteen distinct texts per language: no map carries another map's paragraph.
TEST(Carte125a144Testi, NessunaCartaRipeteUnAltroTesto) {
    for (int l = 0; l < NumeroLingue; ++l) {
        std::vector<std::string_view> testi;
        for (const ContenutoCarta* c : carteEuropa) testi.emplace_back(c->descrizione[l]);
        std::sort(testi.begin(), testi.end());
        EXPECT_EQ(std::adjacent_find(testi.begin(), testi.end()), testi.end()) << "lingua " << l;
    }
}

}  // namespace
