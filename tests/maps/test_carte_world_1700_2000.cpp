// Content of the world maps of AD 1700 to 2000, among maps 136 to 168 (maps/world_1700_2000/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const RigaDescrizione descrizioni[] = {
    {"Carta136_dc1700_Italiano", &dc1700, Italiano, "1700   Prosegue l'espansione coloniale europea:", 480, false, false},
    {"Carta136_dc1700_Francese", &dc1700, Francese, "1700 L'expansion européenne se poursuit avec", 635, false, false},
    {"Carta136_dc1700_Spagnolo", &dc1700, Spagnolo, "1700  La expansión colonial europea continúa:", 467, false, false},
    {"Carta136_dc1700_Inglese", &dc1700, Inglese, "1700 The European colonial expansion continues:", 494, false, false},
    {"Carta142_dc1800_Italiano", &dc1800, Italiano, "1800   Nel 1783 gli Stati Uniti", 488, false, false},
    {"Carta142_dc1800_Francese", &dc1800, Francese, "1800 Les treize colonies britanniques d'Amérique", 551, false, false},
    {"Carta142_dc1800_Spagnolo", &dc1800, Spagnolo, "1800  En 1783 los Estados Unidos", 462, false, false},
    {"Carta142_dc1800_Inglese", &dc1800, Inglese, "1800 In 1783 the United States", 473, false, false},
    {"Carta145_dc1812_Italiano", &dc1812, Italiano, "1812   L'impero napoleonico alla vigilia della campagna", 444, false, false},
    {"Carta145_dc1812_Francese", &dc1812, Francese, "1812 L'Europe napoléonienne  est à son apogée", 775, false, false},
    {"Carta145_dc1812_Spagnolo", &dc1812, Spagnolo, "1812  En vísperas de la campaña de", 414, false, false},
    {"Carta145_dc1812_Inglese", &dc1812, Inglese, " 1812  Napoleon's empire, on the eve of", 406, true, false},
    {"Carta149_dc1850_Italiano", &dc1850, Italiano, "1850   In Europa si sta diffondendo la", 550, false, false},
    {"Carta149_dc1850_Francese", &dc1850, Francese, "1850 en Europe la révolution industrielle se", 534, false, false},
    {"Carta149_dc1850_Spagnolo", &dc1850, Spagnolo, "1850  En Europa se está expandiendo la", 521, false, false},
    {"Carta149_dc1850_Inglese", &dc1850, Inglese, "1850  In Europe, the Industrial Revolution is", 503, false, false},
    {"Carta155_dc1900_Italiano", &dc1900, Italiano, "1900  Negli Ultimi 50 anni, l'Africa è", 614, false, false},
    {"Carta155_dc1900_Francese", &dc1900, Francese, "1900 dans les 50 dernières années, l'Afrique", 621, false, false},
    {"Carta155_dc1900_Spagnolo", &dc1900, Spagnolo, "1900  Durante los últimos 50 años, África", 690, false, false},
    {"Carta155_dc1900_Inglese", &dc1900, Inglese, "1900  In the last fifty years, Africa", 620, false, false},
    {"Carta158_dc1925_Italiano", &dc1925, Italiano, "1925   I principali cambiamenti riguardano", 502, false, false},
    {"Carta158_dc1925_Francese", &dc1925, Francese, "1925 Les nouveautés concernent l'Europe", 550, false, false},
    {"Carta158_dc1925_Spagnolo", &dc1925, Spagnolo, "1925  En Europa se suceden", 461, false, false},
    {"Carta158_dc1925_Inglese", &dc1925, Inglese, "1925 The main changes in Europe", 519, false, false},
    {"Carta162_dc1950_Italiano", &dc1950, Italiano, "1950   Dopo la II guerra mondiale, soffia", 719, false, false},
    {"Carta162_dc1950_Francese", &dc1950, Francese, "1950 Après la 2ème guerre mondiale, l'anticolonialisme", 726, false, false},
    {"Carta162_dc1950_Spagnolo", &dc1950, Spagnolo, " 1950  Después de la Segunda Guerra Mundial", 726, true, false},
    {"Carta162_dc1950_Inglese", &dc1950, Inglese, "1950 After WWII a wind of anticolonialism", 716, false, false},
    {"Carta164_dc1975_Italiano", &dc1975, Italiano, "1975   Tra il 1950 e il 1975", 472, false, false},
    {"Carta164_dc1975_Francese", &dc1975, Francese, "1975 Entre 1950 et 1975 le colonialisme", 564, false, false},
    {"Carta164_dc1975_Spagnolo", &dc1975, Spagnolo, "1975:  Entre 1950 y 1975 finaliza", 526, false, false},
    {"Carta164_dc1975_Inglese", &dc1975, Inglese, "1975 Colonialism ends between 1950 and 1975.", 492, false, false},
    {"Carta168_dc2000_Italiano", &dc2000, Italiano, "2000 Finito l'ordine mondiale basato sulla contrapposizione", 619, false, false},
    {"Carta168_dc2000_Francese", &dc2000, Francese, "2000 La disparition de l'ordre mondial basé", 639, false, false},
    {"Carta168_dc2000_Spagnolo", &dc2000, Spagnolo, "2000  En el mundo, el orden basado", 622, false, false},
    {"Carta168_dc2000_Inglese", &dc2000, Inglese, "2000 The world order based on the", 519, false, false},
};
INSTANTIATE_TEST_SUITE_P(World1700a2000, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaFrammenti frammenti[] = {
    {"Carta136_Francese_DinastiaQing", &dc1700, Francese, {"(1644-1911)"}},
    {"Carta136_Inglese_Popolazione", &dc1700, Inglese, {"600 million"}},
    {"Carta142_Italiano_ZungariaTraParentesi", &dc1800, Italiano, {"(1751)"}},
    {"Carta142_Spagnolo_AnnoSenzaParentesiNeSpazio", &dc1800, Spagnolo, {"Zungaria,1751"}},
    {"Carta145_Inglese_DueSpaziTraLeFrasi", &dc1812, Inglese, {"Poland.  Ferdinand VII"}},
    {"Carta149_Inglese_Popolazione", &dc1850, Inglese, {"1.2 billion"}},
    {"Carta155_Inglese_Popolazione", &dc1900, Inglese, {"1.6 billion"}},
    {"Carta158_Francese_LibiaDal1912", &dc1925, Francese, {"1912"}},
    {"Carta158_Inglese_Commonwealth", &dc1925, Inglese, {"British Commonwealth"}},
    {"Carta162_Spagnolo_PuntoDelleMigliaia", &dc1950, Spagnolo, {"2.400 millones"}},
    {"Carta162_Inglese_Popolazione", &dc1950, Inglese, {"2.4 billion"}},
    {"Carta164_Francese_MissiliDel1962", &dc1975, Francese, {"En 1962, les missiles"}},
    {"Carta164_Francese_SpazioDelleMigliaia", &dc1975, Francese, {"4 000 millions"}},
    {"Carta164_Spagnolo_PuntoDelleMigliaia", &dc1975, Spagnolo, {"4.000 millones"}},
    {"Carta164_Inglese_UnoSpazioPrimaDellaPopolazione", &dc1975, Inglese, {"war. The world population is 4 billion."}},
    {"Carta168_Italiano_PeriodoTraParentesi", &dc2000, Italiano, {"(1950-90)"}},
    {"Carta168_Francese_Popolazione", &dc2000, Francese, {"6100 millions"}},
    {"Carta168_Spagnolo_Periodo", &dc2000, Spagnolo, {"entre 1950 y 1990"}},
    {"Carta168_Spagnolo_Popolazione", &dc2000, Spagnolo, {"6.100 millones"}},
    {"Carta168_Inglese_Popolazione", &dc2000, Inglese, {"6.1 billion"}},
};
INSTANTIATE_TEST_SUITE_P(World1700a2000, Frammenti, ::testing::ValuesIn(frammenti), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta136_Etichetta2_Moroc", &dc1700, 2, Posizione{2280, 6720}, 0xFFFFFFu, {"Marocco", "Moroc", "Marruecos", "Morocco"}},
    {"Carta136_Etichetta5_SpagnaAbbreviata", &dc1700, 5, Posizione{2880, 3840}, 0x000000u, {"(SPA)", "(ESP)", "(ESP)", "(SPA)"}},
    {"Carta136_Etichetta6_MogholEmp", &dc1700, 6, Posizione{2520, 9120}, 0xFFFFFFu, {"Imp.Moghul", "Emp.Moghol", "Imp.Moghul", "Moghol Emp."}},
    {"Carta136_Etichetta12_DanimarcaRossa", &dc1700, 12, Posizione{840, 7080}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta136_Etichetta20_FuoriGriglia", &dc1700, 20, Posizione{1800, 4245}, 0x000000u, {"(FR)", "(FR)", "(FR)", "(FR)"}},
    {"Carta136_Etichetta24_OlaAbbreviata", &dc1700, 24, Posizione{4920, 7440}, 0x000000u, {"(Ola.)", "(Hol)", "(Hol)", "(Hol)"}},
    {"Carta136_Etichetta30_FungBlu", &dc1700, 30, Posizione{2880, 7920}, 0xFF0000u, {"Fung", "Fung", "Fung", "Fung"}},
    {"Carta142_Etichetta3_CinaBlu", &dc1800, 3, Posizione{1920, 9960}, 0xFF0000u, {"Cina (Qing)", "Chine (Qing)", "China (Qing)", "China (Qing)"}},
    {"Carta142_Etichetta15_Afganistan", &dc1800, 15, Posizione{2280, 9000}, 0xFFFFFFu, {"Afghanistan", "Afghanistan", "Afganistan", "Afghanistan"}},
    {"Carta142_Etichetta20_UsaFuoriGriglia", &dc1800, 20, Posizione{2240, 4250}, 0xFFFFFFu, {"USA", "USA", "USA", "USA"}},
    {"Carta142_Etichetta29_VuotaBianca", &dc1800, 29, Posizione{1440, 7680}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta145_Etichetta9_VuotaNera", &dc1812, 9, Posizione{5520, 6120}, 0x000000u, {"", "", "", ""}},
    {"Carta145_Etichetta18_IndiaSenzaGB", &dc1812, 18, Posizione{2880, 9360}, 0x000000u, {"India", "India (GB)", "India (GB)", "India (GB)"}},
    {"Carta145_Etichetta29_VuotaBianca", &dc1812, 29, Posizione{1440, 7680}, 0xFFFFFFu, {"", "", "", ""}},
    {"Carta149_Etichetta5_Equador", &dc1850, 5, Posizione{3600, 4080}, 0x000000u, {"Ecuador", "Equador", "Ecuador", "Ecuador"}},
    {"Carta149_Etichetta11_PeruAccentato", &dc1850, 11, Posizione{3960, 4560}, 0xFFFFFFu, {"Perù", "Peru", "Perù", "Peru"}},
    {"Carta149_Etichetta12_DanimarcaSpostata", &dc1850, 12, Posizione{720, 6000}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta149_Etichetta29_Afganistan", &dc1850, 29, Posizione{2160, 8880}, 0xFFFFFFu, {"Afganistan", "Afghanistan", "Afganistàn", "Afghanistan"}},
    {"Carta149_Etichetta30_Chily", &dc1850, 30, Posizione{5040, 4440}, 0xFF0000u, {"Cile", "Chili", "Chile", "Chily"}},
    {"Carta155_Etichetta5_Left7720", &dc1900, 5, Posizione{2520, 7720}, 0xFFFFFFu, {"Egitto", "Egypte", "Egipto", "Egypt"}},
    {"Carta155_Etichetta11_AfricaOccidentale", &dc1900, 11, Posizione{2880, 6480}, 0xFFFFFFu, {"Africa Occ. Francese", "Afrique Occ. Française", "Africa Occ. Francesa", "Oc.French Africa"}},
    {"Carta155_Etichetta14_Top1880", &dc1900, 14, Posizione{1880, 7320}, 0x000000u, {"Italia", "Italie", "Italia", "Italy"}},
    {"Carta155_Etichetta24_BelgioLeft7540", &dc1900, 24, Posizione{3720, 7540}, 0xFFFFFFu, {"(Bel.)", "(Bel.)", "(Bel.)", "(Bel.)"}},
    {"Carta155_Etichetta27_Germania", &dc1900, 27, Posizione{3840, 7920}, 0x000000u, {"(GER)", "(ALL.)", "(Alem.)", "(GER)"}},
    {"Carta158_Etichetta2_Jugoslavia", &dc1925, 2, Posizione{1760, 7400}, 0x000000u, {"Yugoslavia", "Yougoslavie", "Yugoslavia", "Yugoslavia"}},
    {"Carta158_Etichetta4_URSS", &dc1925, 4, Posizione{960, 8400}, 0xFFFFFFu, {"U.R.S.S.", "U.R.S.S.", "U.R.S.S.", "U.S.S.R."}},
    {"Carta158_Etichetta10_Turkye", &dc1925, 10, Posizione{2040, 7920}, 0x000000u, {"Turchia", "Turquie", "Turquia", "Turkye"}},
    {"Carta158_Etichetta12_DanimarcaLeft5880", &dc1925, 12, Posizione{720, 5880}, 0x0000FFu, {"(Dan.)", "(Dan.)", "(Din)", "(Den)"}},
    {"Carta158_Etichetta25_ItaliaConESenzaPunto", &dc1925, 25, Posizione{2520, 7440}, 0x000000u, {"(Ita.)", "(Ita.)", "(Ita)", "(Ita)"}},
    {"Carta162_Etichetta20_GBNera", &dc1950, 20, Posizione{3840, 8040}, 0x000000u, {"(GB)", "(GB)", "(GB)", "(GB)"}},
    {"Carta162_Etichetta21_TailandiaRossa", &dc1950, 21, Posizione{2880, 9840}, 0x0000FFu, {"Tailandia", "Thailande", "Tailandia", "Thailand"}},
    {"Carta162_Etichetta25_IsraeleFuoriGriglia", &dc1950, 25, Posizione{2250, 7880}, 0x000000u, {"Israele", "Israel", "Israel", "Israel"}},
    {"Carta162_Etichetta35_Mejico", &dc1950, 35, Posizione{2760, 3720}, 0x000000u, {"Messico", "Mexique", "Mejico", "Mexico"}},
    {"Carta164_Etichetta8_EtiopiaInOgniLingua", &dc1975, 8, Posizione{3240, 8040}, 0xFFFFFFu, {"Etiopia", "Etiopia", "Etiopia", "Etiopia"}},
    {"Carta164_Etichetta11_Algerie", &dc1975, 11, Posizione{2400, 6840}, 0xFFFFFFu, {"Algeria", "Algérie", "Algeria", "Algeria"}},
    {"Carta164_Etichetta20_Nigeria", &dc1975, 20, Posizione{3120, 7080}, 0xFFFFFFu, {"Nigeria", "Nigéria", "Nigeria", "Nigeria"}},
    {"Carta164_Etichetta24_Bangladesh", &dc1975, 24, Posizione{2640, 9720}, 0xFFFFFFu, {"Bangladesh", "Bangladesh", "Bangladesh", "Bangladesh"}},
    {"Carta168_Etichetta4_Russia", &dc2000, 4, Posizione{960, 8400}, 0xFFFFFFu, {"Russia", "Russie", "Rusia", "Russia"}},
    {"Carta168_Etichetta11_UcrainaInSpagnolo", &dc2000, 11, Posizione{1480, 7800}, 0x000000u, {"Ucraina", "Ukraine", "Ucraina", "Ukraine"}},
    {"Carta168_Etichetta30_Kazajstan", &dc2000, 30, Posizione{1560, 8640}, 0xFFFFFFu, {"Kazakistan", "Kazakhstan", "Kazajstán", "Kazakhstan"}},
};
INSTANTIATE_TEST_SUITE_P(World1700a2000, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaColori formeColori[] = {
    {"Carta136_dc1700", &dc1700, NessunaPulizia, 36, {}, {30}, {12}, 9, 25},
    {"Carta142_dc1800", &dc1800, NessunaPulizia, 36, {29}, {3, 30}, {12}, 9, 24},
    {"Carta145_dc1812", &dc1812, NessunaPulizia, 36, {9, 29}, {3, 30}, {12}, 9, 24},
    {"Carta149_dc1850", &dc1850, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta155_dc1900", &dc1900, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta158_dc1925", &dc1925, NessunaPulizia, 36, {}, {3, 30}, {12}, 13, 20},
    {"Carta162_dc1950", &dc1950, NessunaPulizia, 36, {}, {3, 30}, {21}, 14, 19},
    {"Carta164_dc1975", &dc1975, NessunaPulizia, 36, {}, {3, 30}, {21}, 16, 17},
    {"Carta168_dc2000", &dc2000, NessunaPulizia, 36, {}, {3}, {21}, 16, 18},
};
INSTANTIATE_TEST_SUITE_P(World1700a2000, FormaColori, ::testing::ValuesIn(formeColori), NomeRiga());

const RigaConfronto confronti[] = {
    {"Dal1950Al1975", &dc1950, &dc1975, {8, 11, 20, 24}, true},
    {"Dal1975Al2000", &dc1975, &dc2000, {4, 11, 30}, true},
};
INSTANTIATE_TEST_SUITE_P(World1700a2000, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// Map 136's French text is the one that closes without a full stop.
TEST(World1700a2000Testo1700Francese, FinisceSenzaPunto) {
    const std::string_view t{dc1700.descrizione[Francese]};
    ASSERT_FALSE(t.empty());
    EXPECT_NE(t.back(), '.');
    EXPECT_EQ(std::string_view{dc1700.descrizione[Italiano]}.back(), '.');
}

// The four languages of a map tell the same period in four different texts.
TEST(World1700a2000DescrizioniDistinte, OgniLinguaHaIlSuoTesto) {
    for (const ContenutoCarta* c : {&dc1700, &dc1800, &dc1812, &dc1850, &dc1900, &dc1925, &dc1950, &dc1967,
                                    &dc1975, &dc1991, &dc1992, &dc2000}) {
        std::set<std::string_view> testi;
        for (const char* d : c->descrizione) testi.insert(d ? d : "");
        EXPECT_EQ(testi.size(), 4u);
    }
}

}  // namespace
