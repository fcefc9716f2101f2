// Content of maps 68 to 80, 82 and 83, 264 BC to AD 87 (maps/bc_264_ad_87/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

const RigaDescrizione descrizioni[] = {
    {"Carta68Italiano", &ac264, Italiano, "264 a.C.      ROMA: dopo le guerre sannitiche,", 427, false, false},
    {"Carta68Francese", &ac264, Francese, "264 av. J.- C. Après les guerres samnitiques,", 433, false, false},
    {"Carta68Spagnolo", &ac264, Spagnolo, "264 a.C. Roma: después de las guerras samnitas,", 413, false, false},
    {"Carta68Inglese", &ac264, Inglese, "264 B.C. ROME: after the Samnitic Wars,", 451, false, false},
    {"Carta69Italiano", &ac241, Italiano, "241 a.C.      Finisce la 1° guerra punica:", 292, false, true},
    {"Carta69Francese", &ac241, Francese, "241 av. J.- C. La première guerre punique s'achève", 378, false, false},
    {"Carta69Spagnolo", &ac241, Spagnolo, "241 a.C. Finaliza la Primera Guerra Púnica:", 291, false, false},
    {"Carta69Inglese", &ac241, Inglese, "241 B.C. The first Punic War ends:", 280, false, false},
    {"Carta70Italiano", &ac221, Italiano, "221 a.C.", 329, false, false, std::nullopt, 3},
    {"Carta70Francese", &ac221, Francese, "221 av. J.- C.", 352, false, false, std::nullopt, 1},
    {"Carta70Spagnolo", &ac221, Spagnolo, "221 a.C.", 322, false, false, std::nullopt, 1},
    {"Carta70Inglese", &ac221, Inglese, "221 B.C.", 336, false, false, std::nullopt, 1},
    {"Carta71Italiano", &ac212, Italiano, "212 a.C.     Il regno dei Seleucidi conquista l'Armenia.", 236, false, false},
    {"Carta71Francese", &ac212, Francese, "212 av. J.- C. Le royaume des Séleucides s'empare de", 217, false, false},
    {"Carta71Spagnolo", &ac212, Spagnolo, "212 a.C. El reino de los seléucidas conquista Armenia.", 246, false, false},
    {"Carta71Inglese", &ac212, Inglese, "212 B.C. The Seleucids conquer Armenia.", 244, false, false},
    {"Carta72Italiano", &ac202, Italiano, "202 a.C.     Finisce la Seconda guerra Punica:", 355, false, false},
    {"Carta72Francese", &ac202, Francese, "202 av. J.- C. La deuxième guerre punique s'achève", 410, false, false},
    {"Carta72Spagnolo", &ac202, Spagnolo, "202 a.C. Finaliza la Segunda Guerra Púnica:", 380, false, false},
    {"Carta72Inglese", &ac202, Inglese, "202 B.C. The Second Punic War ends:", 375, false, false},
    {"Carta73Italiano", &ac198, Italiano, "198 a.C.    Antioco III di Siria (Seleucide) aggiunge", 151, false, false},
    {"Carta73Francese", &ac198, Francese, "198 av. J.- C. Antiochos III ajoute à L'empire", 136, false, false},
    {"Carta73Spagnolo", &ac198, Spagnolo, "198 a.C. Antíoco III de Siria (Seléucida) agrega", 126, false, false},
    {"Carta73Inglese", &ac198, Inglese, "198 B.C. Antioch III of Syria (Seleucid) adds", 137, false, false},
    {"Carta74Italiano", &ac188, Italiano, "188 a.C.    Eumene II di Pergamo si allea", 134, false, false},
    {"Carta74Francese", &ac188, Francese, "188 av. J.- C. Eumène II de Pergame", 165, false, false},
    {"Carta74Spagnolo", &ac188, Spagnolo, "188 a.C. Eúmenes II de Pérgamo se alía", 133, false, false},
    {"Carta74Inglese", &ac188, Inglese, "188 B.C. Eumenes II of Pergamon forms an alliance", 148, false, false},
    {"Carta75Italiano", &ac146, Italiano, "146 a.C.  ROMA, al termine della 3° guerra punica,", 432, false, false},
    {"Carta75Francese", &ac146, Francese, "146 av. J.- C. Rome, met fin à la troisième", 500, false, false},
    {"Carta75Spagnolo", &ac146, Spagnolo, "146 a.C. Al término de la Tercera Guerra Púnica,", 454, false, false},
    {"Carta75Inglese", &ac146, Inglese, "146 B.C. Rome, during the Third Punic War, destroys", 429, false, false},
    {"Carta76Italiano", &ac133, Italiano, "133 a.C.    ROMA: alla morte del re di Pergamo,", 410, false, false},
    {"Carta76Francese", &ac133, Francese, "133 av. J.- C. A sa mort d'Attale III, roi", 483, false, false},
    {"Carta76Spagnolo", &ac133, Spagnolo, "133 a.C. Roma: a la muerte del rey de Pérgamo,", 424, false, false},
    {"Carta76Inglese", &ac133, Inglese, "133 B.C.  ROME: due to the death of the king", 439, false, false},
    {"Carta77Italiano", &ac106, Italiano, "106 a.C.", 406, false, false, std::nullopt, 1},
    {"Carta77Francese", &ac106, Francese, "106 av. J.- C.", 481, false, false, std::nullopt, 1},
    {"Carta77Spagnolo", &ac106, Spagnolo, "106 a.C.", 391, false, false, std::nullopt, 1},
    {"Carta77Inglese", &ac106, Inglese, "106 B.C.", 406, false, false, std::nullopt, 1},
    {"Carta78Italiano", &ac83, Italiano, "83 a.C.", 356, false, false, std::nullopt, 1},
    {"Carta78Francese", &ac83, Francese, "83 av. J.- C.", 387, false, false, std::nullopt, 1},
    {"Carta78Spagnolo", &ac83, Spagnolo, "83 a.C.", 329, false, false, std::nullopt, 1},
    {"Carta78Inglese", &ac83, Inglese, "83 B.C.", 364, false, false, std::nullopt, 1},
    {"Carta79Italiano", &ac59, Italiano, "59 a.C.", 321, false, false, std::nullopt, 1},
    {"Carta79Francese", &ac59, Francese, "59 av. J.- C.", 323, false, false, std::nullopt, 1},
    {"Carta79Spagnolo", &ac59, Spagnolo, "59 a.C.", 343, false, false, std::nullopt, 1},
    {"Carta79Inglese", &ac59, Inglese, "59 B.C.", 317, false, false, std::nullopt, 1},
    {"Carta80Italiano", &ac51, Italiano, "51 a.C.", 363, false, true, std::nullopt, 4},
    {"Carta80Francese", &ac51, Francese, "51 av. J.- C.", 392, false, false, std::nullopt, 1},
    {"Carta80Spagnolo", &ac51, Spagnolo, "51 a.C.", 388, false, false, std::nullopt, 1},
    {"Carta80Inglese", &ac51, Inglese, "51 B.C.", 331, false, false, std::nullopt, 1},
    {"Carta82Italiano", &dc14, Italiano, "14 d.C.", 276, false, false, std::nullopt, 1},
    {"Carta82Francese", &dc14, Francese, "14 ap. J.- C.", 248, false, false, std::nullopt, 1},
    {"Carta82Spagnolo", &dc14, Spagnolo, "14 d.C.", 272, false, false, std::nullopt, 1},
    {"Carta82Inglese", &dc14, Inglese, "14 A.D.", 244, false, false, std::nullopt, 1},
    {"Carta83Italiano", &dc87, Italiano, "87 d.C.", 428, false, false, std::nullopt, 1},
    {"Carta83Francese", &dc87, Francese, "87 ap. J.- C.", 403, false, false, std::nullopt, 1},
    {"Carta83Spagnolo", &dc87, Spagnolo, "87 d.C.", 428, false, false, std::nullopt, 1},
    {"Carta83Inglese", &dc87, Inglese, "87 A.D.", 423, false, false, std::nullopt, 1},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaFrammenti frammenti[] = {
    {"Carta70Italiano", &ac221, Italiano, {"   CINA:", "INDIA:", "AMERICA:"}, {}},
    {"Carta70Spagnolo", &ac221, Spagnolo, {"China:", "India:"}, {"CHINA:"}},
    {"Carta70Francese", &ac221, Francese, {"Shi Huangdi", "  En Amérique"}, {"CHINE:"}},
    {"Carta77Italiano", &ac106, Italiano, {"VIA della SETA"}, {}},
    {"Carta77Inglese", &ac106, Inglese, {"Wu you"}, {}},
    {"Carta79Francese", &ac59, Francese, {"Shunga", "Pendjab"}, {"INDE:"}},
    {"Carta79Spagnolo", &ac59, Spagnolo, {"India:", "Sunga"}, {}},
    {"Carta79Inglese", &ac59, Inglese, {"INDIA:", "Songa", "Cyrene"}, {}},
    {"Carta80Francese", &ac51, Francese, {"Gaule chevelue", "dictateur à vie"}, {}},
    {"Carta80Inglese", &ac51, Inglese, {"Rubicon"}, {"Gaul"}},
    {"Carta83Italiano", &dc87, Italiano, {"ROMA:", "INDIA:"}, {}},
    {"Carta83Francese", &dc87, Francese, {"Gandhara"}, {"ROME:", "INDE:"}},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Frammenti, ::testing::ValuesIn(frammenti), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta68Etichetta26", &ac264, 26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {"Carta68Etichetta29", &ac264, 29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {"Carta68Etichetta30", &ac264, 30, Posizione{3600, 5640}, 0x000000, {"Lega Achea", "Ligue Grecque", "Liga Aquea", "Achean League"}},
    {"Carta68Etichetta31", &ac264, 31, Posizione{3360, 5400}, 0x000000, {"Epiro----", "Epire----", "Epiro----", "Epiro----"}},
    {"Carta69Etichetta26", &ac241, 26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {"Carta69Etichetta32", &ac241, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {"Carta70Etichetta2", &ac221, 2, Posizione{2160, 8160}, 0xFFFFFF, {"Imp.Seleucide", "Empire Séléucide", "Imperio Seléucide", "Seleucid Emp."}},
    {"Carta70Etichetta4", &ac221, 4, Posizione{2040, 6840}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta70Etichetta8", &ac221, 8, Posizione{2280, 8760}, 0x000000, {"Imp. d.Parti", "Emp.Parthe", "Imp.Parta", "Parthian Emp."}},
    {"Carta70Etichetta12", &ac221, 12, Posizione{1560, 7080}, 0xFFFFFF, {"Celti", "Celtes", "Celtas", "Celts"}},
    {"Carta71Etichetta16", &ac212, 16, Posizione{3000, 5160}, 0xFFFFFF, {"Etruschi", "Etrusques", "Etruscos", "Etruscans"}},
    {"Carta71Etichetta32", &ac212, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Batriana", "Bactria"}},
    {"Carta72Etichetta16", &ac202, 16, Posizione{3000, 5160}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta72Etichetta32", &ac202, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {"Carta73Etichetta9", &ac198, 9, Posizione{4200, 8760}, 0xFFFFFF, {"Partia", "Parthe", "Partia", "Parthia"}},
    {"Carta73Etichetta16", &ac198, 16, Posizione{5520, 5880}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta73Etichetta17", &ac198, 17, Posizione{3960, 7680}, 0xFFFFFF, {"Impero Seleucide", "Empire Seleucide", "Imperio Seléucida", "Seleucid Empire"}},
    {"Carta74Etichetta16", &ac188, 16, Posizione{5520, 5880}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta74Etichetta31", &ac188, 31, Posizione{3360, 5400}, 0x000000, {"Epiro----", "Epire----", "Epiro----", "Epiro----"}},
    {"Carta75Etichetta16", &ac146, 16, Posizione{5520, 7035}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta75Etichetta17", &ac146, 17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {"Carta75Etichetta26", &ac146, 26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Songa", "Empire Songa", "Imperio Songa", "Songa Empire"}},
    {"Carta75Etichetta27", &ac146, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadoce"}},
    {"Carta75Etichetta30", &ac146, 30, Posizione{3720, 6940}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Seleucid"}},
    {"Carta75Etichetta31", &ac146, 31, Posizione{5520, 6360}, 0x000000, {"", "", "", ""}},
    {"Carta76Etichetta16", &ac133, 16, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Machabées", "Macabeos", "Machabeus"}},
    {"Carta76Etichetta21", &ac133, 21, Posizione{3480, 3840}, 0xFFFFFF, {"Hispania", "Hispania", "Hispania", "Hispania"}},
    {"Carta76Etichetta24", &ac133, 24, Posizione{5760, 7080}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta76Etichetta31", &ac133, 31, Posizione{5520, 6360}, 0x000000, {"", "", "", ""}},
    {"Carta77Etichetta7", &ac106, 7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta77Etichetta14", &ac106, 14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {"Carta77Etichetta15", &ac106, 15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {"Carta77Etichetta17", &ac106, 17, Posizione{3960, 7030}, 0xFFFFFF, {"Seleucide", "Seleucide", "Seléucida", "Empire"}},
    {"Carta77Etichetta30", &ac106, 30, Posizione{3720, 6940}, 0xFFFFFF, {"Impero", "Empire", "Imperio", "Seleucid"}},
    {"Carta77Etichetta35", &ac106, 35, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {"Carta78Etichetta17", &ac83, 17, Posizione{4250, 7030}, 0xFFFFFF, {"Nabatea", "Nabatée", "Nabatea", "Nabathea"}},
    {"Carta78Etichetta27", &ac83, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadoce"}},
    {"Carta78Etichetta29", &ac83, 29, Posizione{3600, 7680}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta78Etichetta30", &ac83, 30, Posizione{3720, 6940}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta78Etichetta34", &ac83, 34, Posizione{4080, 6650}, 0x000000, {"Maccabei", "Macabées", "Macabeos", "Machabeus"}},
    {"Carta79Etichetta17", &ac59, 17, Posizione{3280, 6960}, 0xFFFFFF, {"Ponto", "Pont", "Ponto", "Pontus"}},
    {"Carta79Etichetta26", &ac59, 26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Kanva", "Empire Kanva", "Imperio Kanva", "Kanva Empire"}},
    {"Carta79Etichetta27", &ac59, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadocia"}},
    {"Carta79Etichetta33", &ac59, 33, Posizione{3600, 6400}, 0xFFFFFF, {"Asia", "Asia", "Asia", "Asia"}},
    {"Carta80Etichetta7", &ac51, 7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta80Etichetta15", &ac51, 15, Posizione{2520, 4440}, 0xFFFFFF, {"Gallia", "Gallia", "Gallia", "Gallia"}},
    {"Carta80Etichetta27", &ac51, 27, Posizione{3600, 6720}, 0xFFFFFF, {"Cappadocia", "Cappadoce", "Capadocia", "Capadocia"}},
    {"Carta82Etichetta14", &dc14, 14, Posizione{4440, 6360}, 0xFFFFFF, {"Aegyptus", "Aegyptus", "Aegyptus", "Aegyptus"}},
    {"Carta82Etichetta26", &dc14, 26, Posizione{4890, 9720}, 0x000000, {"Stati indiani", "Etats de l'Inde", "Estados de India", "Indian States"}},
    {"Carta82Etichetta27", &dc14, 27, Posizione{5520, 6360}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta82Etichetta32", &dc14, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
    {"Carta83Etichetta8", &dc87, 8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {"Carta83Etichetta26", &dc87, 26, Posizione{4900, 10080}, 0x000000, {"Stati indiani", "Etats de L'Inde", "Estados indianos", "Indian States"}},
    {"Carta83Etichetta27", &dc87, 27, Posizione{3030, 10080}, 0x000000, {"CINA HAN", "CHINE HAN", "CINA HAN", "CHINA HAN"}},
    {"Carta83Etichetta30", &dc87, 30, Posizione{2160, 4080}, 0xFF0000, {"Britannia", "Britannia", "Britannia", "Britannia"}},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaConsecutive formeConsecutive[] = {
    {"Carta68", &ac264, 32, 32},
    {"Carta69", &ac241, 33, 33},
    {"Carta70", &ac221, 13, 13},
    {"Carta71", &ac212, 33, 33},
    {"Carta72", &ac202, 33, 33},
    {"Carta73", &ac198, 33, 33},
    {"Carta74", &ac188, 33, 33},
    {"Carta75", &ac146, 33, 33},
    {"Carta76", &ac133, 33, 33},
    {"Carta77", &ac106, NessunaPulizia, 36},
    {"Carta78", &ac83, NessunaPulizia, 36},
    {"Carta79", &ac59, 34, 34},
    {"Carta80", &ac51, 34, 34},
    {"Carta82", &dc14, 34, 34},
    {"Carta83", &dc87, 34, 34},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, FormaConsecutive, ::testing::ValuesIn(formeConsecutive), NomeRiga());

const RigaRiserva riserve[] = {
    {"Carta78", &ac83, {29, 30}, false},
    {"Carta82", &dc14, {27}, true},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Riserve, ::testing::ValuesIn(riserve), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da68a69", &ac264, &ac241, {26, 32}},
    {"Da69a71", &ac241, &ac212, {32}},
    {"Da71a72", &ac212, &ac202, {16, 32}},
    {"Da72a73", &ac202, &ac198, {9, 16, 17}},
    {"Da73a74", &ac198, &ac188, {}},
    {"Da75a76", &ac146, &ac133, {16, 21, 24}},
    {"Da77a78", &ac106, &ac83, {17, 29, 30, 32, 34}},
    {"Da79a80", &ac59, &ac51, {15}},
    {"Da82a83", &dc14, &dc87, {26, 27, 30}},
};
INSTANTIATE_TEST_SUITE_P(Bc264Ad87, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// On 146 and 133 BC the Seleucid Empire is two labels, 30 just above and left
// of 17, each language reading them top to bottom in its own word order.
TEST(Bc264Ad87Seleucidi, DueEtichetteInOrdineDiLettura) {
    const std::array<std::array<const char*, 2>, NumeroLingue> attese = {{
        {"Impero", "Seleucide"}, {"Empire", "Seleucide"}, {"Imperio", "Seléucida"}, {"Seleucid", "Empire"}}};
    for (const ContenutoCarta* c : {&ac146, &ac133}) {
        const EtichettaCarta* sopra = voce(*c, 30);
        const EtichettaCarta* sotto = voce(*c, 17);
        ASSERT_TRUE(sopra && sotto);
        EXPECT_EQ(sopra->posizione->Top, sotto->posizione->Top - 240);
        EXPECT_EQ(sopra->posizione->Left, sotto->posizione->Left - 90);
        EXPECT_EQ(sopra->ForeColor, sotto->ForeColor);
        for (int l = 0; l < NumeroLingue; ++l) {
            EXPECT_EQ(std::string_view(sopra->didascalia[l]), attese[l][0]);
            EXPECT_EQ(std::string_view(sotto->didascalia[l]), attese[l][1]);
        }
    }
}

// Epirus on 264 to 188 BC: the name and four hyphen-minus signs, nine
// characters, no blank in between.
TEST(Bc264Ad87Epiro, NoveCaratteriConQuattroTrattini) {
    for (const ContenutoCarta* c : {&ac264, &ac241, &ac212, &ac202, &ac198, &ac188}) {
        const EtichettaCarta* e = voce(*c, 31);
        ASSERT_NE(e, nullptr);
        for (int l = 0; l < NumeroLingue; ++l) {
            const std::string_view s(e->didascalia[l]);
            EXPECT_EQ(s, l == Francese ? "Epire----" : "Epiro----");
        }
    }
}

// Map 77 writes one name on two labels, 30 above 17, in each language.
TEST(Bc264Ad87DueRighe, ImperoSeleucideSuDueEtichette) {
    const EtichettaCarta* sopra = voce(ac106, 30);
    const EtichettaCarta* sotto = voce(ac106, 17);
    ASSERT_TRUE(sopra && sotto && sopra->posizione && sotto->posizione);
    EXPECT_LT(sopra->posizione->Top, sotto->posizione->Top);
    const char* attese[NumeroLingue][2] = {
        {"Impero", "Seleucide"}, {"Empire", "Seleucide"}, {"Imperio", "Seléucida"}, {"Seleucid", "Empire"}};
    for (int l = 0; l < NumeroLingue; ++l) {
        EXPECT_STREQ(sopra->didascalia[l], attese[l][0]);
        EXPECT_STREQ(sotto->didascalia[l], attese[l][1]);
    }
}

}  // namespace
