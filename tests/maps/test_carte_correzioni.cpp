// Plain errors of fact set right in the descriptions (a wrong date, ruler or
// place), each with the wrong words it replaced: a later edit of a text must
// not bring the error back.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>

#include "maps/TutteLeCarte.h"

namespace {

using namespace contenuti;

struct Correzione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* giusto;
    const char* sbagliato;
};

void PrintTo(const Correzione& c, std::ostream* os) { *os << c.nome; }

const Correzione correzioni[] = {
    // The first capital of united Egypt was Thinis; Tanis rose in the Delta much later.
    {"Carta3Francese_CapitaleThinis", &ac3100, Francese, "dont la capitale est Thinis.", "Tanis"},
    // Assyria in 1365 BC held part of Mesopotamia, not Anatolia, Syria and Palestine.
    {"Carta21Francese_AssiriaInMesopotamia", &ac1365, Francese, "une partie de la Mésopotamie", "toute l'Anatolie"},
    // Genghis Khan died in 1227.
    {"Carta119Francese_GengisKhanFinoAl1227", &dc1260, Francese, "entre 1208 et 1227", "1237"},
    // The Ottomans took Mesopotamia from Persia; they never held Persia itself.
    {"Carta131Inglese_MesopotamiaTolta", &dc1600, Inglese, "wrests Mesopotamia out of the hands of Safavid Persia",
     "to Safavid Persia"},
    // 1644 is when the Qing took China, not when they took Manchuria and Mongolia.
    {"Carta136Spagnolo_QingDal1644", &dc1700, Spagnolo, "en el poder desde 1644", "ocupa en 1644"},
    // The Jurchens who founded the Qing were the tribes of Manchuria itself, united by Nurhachi.
    {"Carta136Francese_JurchenDellaManciuria", &dc1700, Francese, "Jurchens unies par Nurhachi", "venues de Mongolie"},
    // The Chinese republic of 1925 was not a socialist one.
    {"Carta158Spagnolo_RepubblicaDal1912", &dc1925, Spagnolo, "convertida en república en 1912", "socialista"},
    // The missile crisis over Cuba was in 1962.
    {"Carta164Francese_MissiliDel1962", &dc1975, Francese, "En 1962, les missiles", "1961"},
    // Wheeled carts were known a thousand years before Sargon.
    {"Carta5Italiano_CarriGiaNoti", &ac2350, Italiano, "carri a ruote, noti da tempo", "primi carri"},
    {"Carta5Francese_CarriGiaNoti", &ac2350, Francese, "celui des chariots à roues", "premiers chariots"},
    {"Carta5Spagnolo_CarriGiaNoti", &ac2350, Spagnolo, "ya muy antiguos", "primeros carros"},
    {"Carta5Inglese_CarriGiaNoti", &ac2350, Inglese, "wheeled cart, long known", "first wheeled carts"},
    // About 1810 BC: Shamshi-Adad's Assyria; the Mitanni and the Shang come two centuries later.
    {"Carta12Italiano_NienteMitanni", &ac1810, Italiano, "Shamshi-Adad I", "Mitanni"},
    {"Carta12Francese_NienteMitanni", &ac1810, Francese, "vers 1600", "Mitanni"},
    {"Carta12Spagnolo_NienteMitanni", &ac1810, Spagnolo, "hacia el año 1600", "Mitanni"},
    {"Carta12Inglese_NienteMitanni", &ac1810, Inglese, "around 1600 B.C.", "Mitanni"},
    // 1085 BC opens the Third Intermediate Period, not the Late Period.
    {"Carta30Italiano_TerzoPeriodoIntermedio", &ac1085, Italiano, "Terzo Periodo Intermedio", "Bassa Epoca"},
    {"Carta30Francese_TerzoPeriodoIntermedio", &ac1085, Francese, "Troisième Période intermédiaire", "Basse Époque"},
    {"Carta30Spagnolo_TerzoPeriodoIntermedio", &ac1085, Spagnolo, "Tercer Período Intermedio", "Baja Época"},
    {"Carta30Inglese_TerzoPeriodoIntermedio", &ac1085, Inglese, "Third Intermediate Period", "Late Period"},
    // The Seven Warring States belong to the fifth century BC.
    {"Carta33Italiano_MoltiStati", &ac770, Italiano, "molti stati", "7 grandi"},
    {"Carta33Inglese_MoltiStati", &ac770, Inglese, "many small states", "7 great"},
    // Darius, not Cambyses, took the empire to the Indus.
    {"Carta44Italiano_DarioAllIndo", &ac525, Italiano, "Dario I (re dal 521)", "Psammetico III ed estende"},
    {"Carta44Inglese_DarioAllIndo", &ac525, Inglese, "Darius I (king in 521)", "(521) and extends"},
    // No Turks in 403 BC.
    {"Carta54Francese_NienteTurchi", &ac403, Francese, "les Saces", "Turcs"},
    {"Carta54Spagnolo_NienteTurchi", &ac403, Spagnolo, "sacas", "turcos"},
    {"Carta54Inglese_NienteTurchi", &ac403, Inglese, "Sakas", "Turks"},
    // Chandragupta took the Punjab from Alexander's garrisons.
    {"Carta66Inglese_PunjabDaiMacedoni", &ac301, Inglese, "Punjab from the Macedonian garrisons", "Punjab from the Seleucids"},
    // In 264 BC there was no Parthian kingdom yet; Eumenes beat Antiochus, not a city.
    {"Carta68Francese_Antioco", &ac264, Francese, "Antiochos Ier", "Antioche "},
    {"Carta68Inglese_Antioco", &ac264, Inglese, "Antiochus of Syria", "Antioch "},
    {"Carta68Spagnolo_NienteRegnoPartico", &ac264, Spagnolo, "aún gobierna la Partia", "imperio Parto se refuerza"},
    // Bactria broke away from the Seleucids.
    {"Carta69Inglese_BattrianaDaiSeleucidi", &ac241, Inglese, "secede from the Seleucids", "independent of the Parthians"},
    // Confucianism became the state doctrine about 136 BC.
    {"Carta72Italiano_Confucianesimo136", &ac202, Italiano, "nel 136", "diventa religione di stato"},
    {"Carta72Inglese_Confucianesimo136", &ac202, Inglese, "in 136", "becomes the state religion"},
    // The province of 121 BC was Transalpine Gaul, made to defend Massalia, which stayed free.
    {"Carta76Inglese_GalliaTransalpina", &ac133, Inglese, "Transalpine Gaul (121 B.C.)", "Cisalpine"},
    {"Carta76Italiano_MarsigliaAlleata", &ac133, Italiano, "in aiuto della greca Marsiglia", "togliendo l'indipendenza"},
    // Tigranes the Great was an Artaxiad; the Saka were driven by the Huns.
    {"Carta78Francese_Artassiade", &ac83, Francese, "roi artaxiade", "arsacide"},
    {"Carta79Inglese_SakaSpinti", &ac59, Inglese, "hard pressed by the Huns", "with the help of the Huns"},
    // The Three Kingdoms lasted until 280; the lands were disputed, not ceded.
    {"Carta85Italiano_TreRegni", &dc250, Italiano, "fino al 280", "300 anni"},
    {"Carta85Inglese_TerreContese", &dc250, Inglese, "disputed by Parthians and Romans", "ceded to the Romans"},
    // Christianity became the state religion under Theodosius, in 380.
    {"Carta88Inglese_Teodosio380", &dc320, Inglese, "the state religion from 380", "makes Christianity"},
    // In 500 the Guptas were declining under the Huns.
    {"Carta94Inglese_GuptaInDeclino", &dc500, Inglese, "is waning under Hun attacks", "greatest extent"},
    // The Song allied with the Jin against the Liao.
    {"Carta116Italiano_ControILiao", &dc1200, Italiano, "contro i Liao", "contro i Mongoli"},
    {"Carta116Inglese_ControILiao", &dc1200, Inglese, "against the Liao in 1120", "Mongols"},
    // The Delhi sultanate (1206) was not founded by the Mongols.
    {"Carta119Italiano_SultanatoDiDelhi", &dc1260, Italiano, "sultanato musulmano di Delhi (1206)", "favoriscono la fondazione"},
    {"Carta119Inglese_SultanatoDiDelhi", &dc1260, Inglese, "sultanate of Delhi (1206)", "further the founding"},
    // Naples was Angevin in 1400; Tuscany was the Florentine republic.
    {"Carta125Italiano_NapoliAngioina", &dc1400eu, Italiano, "Napoli angioina", "aragonese nel Sud"},
    {"Carta125Inglese_NapoliAngioina", &dc1400eu, Inglese, "The Angevin kings rule the Kingdom of Naples", "Aragon expands"},
    // Constantinople fell in 1453.
    {"Carta126Inglese_CostantinopoliResta", &dc1420, Inglese, "hold little but Constantinople", "losing even"},
    // Charles X Gustav fought the Poles first, then the Danes.
    {"Carta135Spagnolo_PolacchiPrima", &dc1660, Spagnolo, "contra los polacos y después contra los daneses", "daneses y después"},
    {"Carta135Inglese_PolacchiPrima", &dc1660, Inglese, "against the Poles and then the Danes", "Danes and then"},
    // Lorraine was French from 1766; in 1795 France held the Rhineland.
    {"Carta141Italiano_Renania", &dc1795, Italiano, "la Renania", "Lorena"},
    {"Carta141Francese_Renania", &dc1795, Francese, "la Rhénanie", "Lorraine"},
    {"Carta141Spagnolo_Renania", &dc1795, Spagnolo, "Renania", "Lorena"},
    {"Carta141Inglese_Renania", &dc1795, Inglese, "the Rhineland", "Lorraine"},
    // Prussia stayed out of the Third Coalition.
    {"Carta144Italiano_TerzaCoalizione", &dc1808, Italiano, "(Gran Bretagna, Austria, Russia, Svezia)", "Prussia e Russia"},
    {"Carta144Spagnolo_TerzaCoalizione", &dc1808, Spagnolo, "(Inglaterra, Austria, Rusia y Suecia)", "Prusia y Rusia"},
    {"Carta144Inglese_TerzaCoalizione", &dc1808, Inglese, "(Britain, Austria, Russia, Sweden and Naples)", "Prussia and Russia)"},
    // France went back to its 1790 borders; Savoy went back to Piedmont.
    {"Carta147Italiano_Confini1790", &dc1815, Italiano, "confini del 1790", "1792"},
    {"Carta147Francese_Confini1790", &dc1815, Francese, "frontières de 1790", "1792"},
    {"Carta147Spagnolo_Confini1790", &dc1815, Spagnolo, "fronteras de 1790", "1792"},
    {"Carta147Inglese_Confini1790", &dc1815, Inglese, "borders of 1790", "1792"},
    {"Carta147Inglese_SavoiaAlPiemonte", &dc1815, Inglese, "Savoy returns to Piedmont", "Savoy become independent"},
    // Romania was autonomous until 1878; Serbia's autonomy was broad, not full.
    {"Carta150Francese_RomaniaAutonoma", &dc1861, Francese, "Principauté autonome de Roumanie", "indépendante"},
    {"Carta150Spagnolo_RomaniaAutonoma", &dc1861, Spagnolo, "se unen formando el Principado autónomo", "independiente"},
    {"Carta150Inglese_RomaniaAutonoma", &dc1861, Inglese, "autonomous Principality of Romania", "full autonomy"},
    // Berlin 1878: Romania independent, Bulgaria an autonomous principality.
    {"Carta153Italiano_BulgariaAutonoma", &dc1878, Italiano, "la Bulgaria diventa autonoma", "la Bulgaria, la Serbia"},
    {"Carta153Francese_BulgariaAutonoma", &dc1878, Francese, "la Bulgarie autonome", "la Bulgarie, la Serbie"},
    {"Carta153Spagnolo_BulgariaAutonoma", &dc1878, Spagnolo, "Bulgaria es autónoma", "Bulgaria, Serbia"},
    {"Carta153Inglese_BulgariaAutonoma", &dc1878, Inglese, "Bulgaria is made autonomous", "Bulgaria, Serbia"},
    // Thailand was never a colony.
    {"Carta162Italiano_NienteThailandia", &dc1950, Italiano, "Ceylon", "Thailandia"},
    {"Carta162Francese_NienteThailandia", &dc1950, Francese, "Ceylan", "Thaïlande"},
    {"Carta162Spagnolo_NienteThailandia", &dc1950, Spagnolo, "Ceilán", "Tailandia"},
    {"Carta162Inglese_NienteThailandia", &dc1950, Inglese, "Ceylon", "Thailand"},
    // Resolution 242 condemned no one.
    {"Carta163Italiano_Risoluzione242", &dc1967, Italiano, "risoluzione 242", "condanna"},
    {"Carta163Francese_Risoluzione242", &dc1967, Francese, "résolution n° 242", "condamne"},
    {"Carta163Spagnolo_Risoluzione242", &dc1967, Spagnolo, "resolución 242", "condena"},
    {"Carta163Inglese_Risoluzione242", &dc1967, Inglese, "Resolution 242", "condemns"},
    {"Carta163Inglese_Cisgiordania", &dc1967, Inglese, "the West Bank", "Judea and Samaria"},
    // Not every African state was independent by 1975; the missiles were Soviet.
    {"Carta164Italiano_QuasiTutti", &dc1975, Italiano, "quasi tutti gli stati africani", "missili russi"},
    {"Carta164Spagnolo_QuasiTutti", &dc1975, Spagnolo, "casi todos los estados africanos", "misiles rusos"},
    {"Carta164Inglese_QuasiTutti", &dc1975, Inglese, "Almost all the African states", "Russian missiles"},
    {"Carta164Francese_QuasiTutti", &dc1975, Francese, "presque tous les Etats africains", "prend fin : tous"},
    // The USSR dissolved; it did not rename itself.
    {"Carta166Italiano_Tagikistan", &dc1991, Italiano, "Tagikistan", "riprende il nome"},
    {"Carta166Francese_Tadjikistan", &dc1991, Francese, "Tadjikistan", "Ouzbékistan, Ouzbékistan"},
    {"Carta166Spagnolo_Tayikistan", &dc1991, Spagnolo, "Tayikistán", "vuelve a llamarse"},
    {"Carta166Inglese_Tajikistan", &dc1991, Inglese, "Tajikistan", "takes back its old name"},
    // Rome took Sardinia and Corsica in 238 BC and the Po plain in 222, not at the peace of 241.
    {"Carta69Italiano_SardegnaNel238", &ac241, Italiano, "poi la Sardegna e la Corsica (238) e parte della pianura padana (222)", "la Sardegna, la Corsica"},
    {"Carta69Spagnolo_CerdenaNel238", &ac241, Spagnolo, "luego Cerdeña y Córcega (238) y parte de la llanura del Po (222)", "Cerdeña, Córcega"},
    {"Carta69Inglese_SardiniaNel238", &ac241, Inglese, "then Sardinia and Corsica (238) and part of the Po plain (222)", "Sardinia, Corsica"},
    // After Ipsus most of Asia Minor went to Lysimachus; the Seleucids held all of it only after 281 BC.
    {"Carta67Italiano_AsiaMinoreDivisa", &ac290, Italiano, "divisa tra Lisimaco e i Seleucidi", "conquistata dai Seleucidi"},
    {"Carta67Francese_AsiaMinoreDivisa", &ac290, Francese, "va à Lysimaque et Séleucos", "conquise par Séleucos"},
    {"Carta67Spagnolo_AsiaMinoreDivisa", &ac290, Spagnolo, "Lisímaco y el seléucida Seleuco se reparten", "conquistan Asia Menor"},
    {"Carta67Inglese_AsiaMinoreDivisa", &ac290, Inglese, "shared out between Lysimachus and Seleucus I", "conquered by the Seleucids"},
    // The Seleucid king was Antiochus; Antioch was his capital.
    {"Carta74Inglese_Antioco", &ac188, Inglese, "against Antiochus III of Syria", "Antioch III"},
    // The Franks took the lands of the Alamanni; "Germans" would name the Franks as well.
    {"Carta97Spagnolo_Alamanni", &dc565, Spagnolo, "de los burgundios y de los alamanes", "germanos"},
    // The peace of 1660 was signed at Oliva (Oliwa), near Danzig.
    {"Carta137Francese_PaceDiOliva", &dc1700eu, Francese, "la paix d'Oliva", "Olivia"},
    {"Carta137Inglese_PaceDiOliva", &dc1700eu, Inglese, "the Peace of Oliva", "Peace of Olive"},
};

class CorrezioniDiFatto : public testing::TestWithParam<Correzione> {};

TEST_P(CorrezioniDiFatto, IlTestoDiceIlGiustoENonPiuLoSbagliato) {
    const Correzione& c = GetParam();
    const std::string_view d = c.carta->descrizione[c.lingua];
    EXPECT_NE(d.find(c.giusto), std::string_view::npos) << "lacks \"" << c.giusto << "\"";
    EXPECT_EQ(d.find(c.sbagliato), std::string_view::npos) << "still holds \"" << c.sbagliato << "\"";
}

INSTANTIATE_TEST_SUITE_P(Descrizioni, CorrezioniDiFatto, testing::ValuesIn(correzioni),
                         [](const testing::TestParamInfo<Correzione>& info) { return std::string(info.param.nome); });

// Where the words are ours, one event carries the same date, and one people the
// same origin, in the four languages of a map: a text set right in one language
// must not leave another saying otherwise.
struct StessoFatto {
    const char* nome;
    const ContenutoCarta* carta;
    std::array<const char*, NumeroLingue> giusto;
    std::array<const char*, NumeroLingue> sbagliato;
};

void PrintTo(const StessoFatto& f, std::ostream* os) { *os << f.nome; }

const StessoFatto stessiFatti[] = {
    // The last Maurya fell in 185 BC.
    {"Carta75_FineMaurya185", &ac146, {"(185 a.C.)", "(185 av. J.- C.)", "(185 a.C.)", "(185 B.C.)"}, {"183", "183", "183", "183"}},
    // Ardashir overthrew the Parthians in 224.
    {"Carta85_Ardashir224", &dc250, {"(224)", "en 224", "(224)", "(in 224)"}, {"227", "227", "227", "227"}},
    // The French occupation of Algeria began in 1830.
    {"Carta148_Algeria1830", &dc1833, {"dal 1830 la Francia occupa", "en 1830 commence l'occupation", "en 1830 Francia ocupa", "in 1830 France occupies"}, {"1833 la", "1833 commence", "en 1833", "in 1833"}},
    // The Avars: one steppe people, not Mongol in three texts and Turkic in the fourth.
    {"Carta98_AvariDellaSteppa", &dc600, {"Avari, genti della steppa", "Avars, venus des steppes", "ávaros, pueblo estepario", "Avars, nomad horsemen from Asia"}, {"mongol", "mongol", "mongol", "Turkic"}},
    // Prussia was not in the Third Coalition of 1805 (the French text names no members).
    {"Carta144_TerzaCoalizione", &dc1808, {"Svezia", "Austerlitz", "Suecia", "Sweden"}, {"Prussia e", "Prusse et", "Prusia y", "Prussia and"}},
    // China was reunited by the Sui in 589; the Tang, from 618, ruled it whole.
    {"Carta101_SuiRiunisconoLaCina", &dc750, {"dei Sui, che ha riunito", "les Sui, qui ont réuni", "los Sui, que reunieron", "Sui, which reunited"}, {"i Tang riuniscono", "les Tang unifient", "los Tang reúnen", "the Tang reunite"}},
    // In 83 BC Bactria was held by the Yuezhi; their Kushan kingdom came only in the first century AD.
    {"Carta78_YuezhiNonKushan", &ac83, {"gli Yuezhi", "les Yuezhi", "los yuezhi", "the Yuezhi"}, {"fondano il loro regno", "créent leur royaume", "fundan su reino", "found a kingdom"}},
};

class StessoFattoInOgniLingua : public testing::TestWithParam<StessoFatto> {};

TEST_P(StessoFattoInOgniLingua, LeQuattroLingueDiconoLoStesso) {
    const StessoFatto& f = GetParam();
    for (int l = 0; l < NumeroLingue; ++l) {
        const std::string_view d = f.carta->descrizione[l];
        EXPECT_NE(d.find(f.giusto[l]), std::string_view::npos) << "language " << l << " lacks \"" << f.giusto[l] << "\"";
        EXPECT_EQ(d.find(f.sbagliato[l]), std::string_view::npos) << "language " << l << " still holds \"" << f.sbagliato[l] << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Descrizioni, StessoFattoInOgniLingua, testing::ValuesIn(stessiFatti),
                         [](const testing::TestParamInfo<StessoFatto>& info) { return std::string(info.param.nome); });

}  // namespace
