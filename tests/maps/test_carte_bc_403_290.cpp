// Content of maps 54 to 67, 403 to 290 BC (maps/bc_403_290/):
// the rows of the shared checks, then what only these maps show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/TabelleContenuto.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;
using namespace verifica;

// Maps 54 and 60 to 76, in the order of the atlas: the rules below hold
// across them all, into the next folder.
const ContenutoCarta* const carte[] = {&ac403, &ac338, &ac333, &ac332, &ac331, &ac329, &ac326, &ac301, &ac290,
                                       &ac264, &ac241, &ac212, &ac202, &ac198, &ac188, &ac146, &ac133};

const RigaDescrizione descrizioni[] = {
    {"Carta54Italiano", &ac403, Italiano, "403 a.C.    Inizia in Cina il periodo degli 'Stati Combattenti';", 583, false, false},
    {"Carta54Francese", &ac403, Francese, "403 Av. J.-C. En Chine commence la période", 640, false, false},
    {"Carta54Spagnolo", &ac403, Spagnolo, "403 a.C. Comienza en China el Período de los Estados", 582, false, false},
    {"Carta54Inglese", &ac403, Inglese, "403 B.C. The period of the ' Fighting States'", 579, false, false},
    {"Carta55Italiano", &ac396, Italiano, "396 a.C.    Con la conquista", 140, false, false},
    {"Carta55Francese", &ac396, Francese, "396 Av. J.-C. Par la conquête", 148, false, false},
    {"Carta55Spagnolo", &ac396, Spagnolo, "396 a.C. Con la conquista", 139, false, false},
    {"Carta55Inglese", &ac396, Inglese, "396 B.C. With the conquest", 143, false, false},
    {"Carta56Italiano", &ac390, Italiano, "390 a.C.    I Galli,", 97, false, false},
    {"Carta56Francese", &ac390, Francese, " 390 Av. J.-C. Les Gaulois,", 91, true, false},
    {"Carta56Spagnolo", &ac390, Spagnolo, "390 a.C. Los galos", 86, false, false},
    {"Carta56Inglese", &ac390, Inglese, "390 B.C. The Galliums,", 92, false, true},
    {"Carta57Italiano", &ac382, Italiano, "382 a.C.    Tebe, che era", 362, false, false},
    {"Carta57Francese", &ac382, Francese, "382 Av.J.-C. Préoccupée par", 391, false, false},
    {"Carta57Spagnolo", &ac382, Spagnolo, "382 a.C. Tebas, aliada de", 369, false, false},
    {"Carta57Inglese", &ac382, Inglese, "382 B.C. Thebes, allied to", 324, false, false},
    {"Carta58Italiano", &ac357, Italiano, "357 a.C.    Inizia la guerra", 169, false, false},
    {"Carta58Francese", &ac357, Francese, "357 av. J.- C. Début de", 254, false, false},
    {"Carta58Spagnolo", &ac357, Spagnolo, "357 a.C. Inicio de la", 182, false, false},
    {"Carta58Inglese", &ac357, Inglese, "357 B.C. The war between", 202, false, false},
    {"Carta59Italiano", &ac348, Italiano, "348 a.C.     Tra il 356", 220, false, false},
    {"Carta59Francese", &ac348, Francese, "348 av. J.- C. Entre 356", 211, false, false},
    {"Carta59Spagnolo", &ac348, Spagnolo, "348 a.C. Entre 356 y", 194, false, false},
    {"Carta59Inglese", &ac348, Inglese, "348 B.C. Between", 212, false, false},
    {"Carta60Italiano", &ac338, Italiano, "338 a.C.    Gli Ateniesi e i Tebani vengono sconfitti da", 254, false, false},
    {"Carta60Francese", &ac338, Francese, "338 av. J.- C. Lors de la bataille de Chéronée,", 298, false, false},
    {"Carta60Spagnolo", &ac338, Spagnolo, "338 a.C. Los atenienses y los tebanos son derrotados por", 246, false, false},
    {"Carta60Inglese", &ac338, Inglese, "338 B.C. The Athenians and the Thebans are defeated  by", 211, false, false},
    {"Carta61Italiano", &ac333, Italiano, "333 a.C.     Alessandro di Macedonia, succeduto al padre, assassinato nel", 321, false, false},
    {"Carta61Francese", &ac333, Francese, "333 av. J.- C. Alexandre le Macédonien succède à son", 318, false, false},
    {"Carta61Spagnolo", &ac333, Spagnolo, "333 a.C. Alejandro de Macedonia, que sucedió al padre asesinado", 347, false, false},
    {"Carta61Inglese", &ac333, Inglese, "333 B.C. Alexander the Macedon,  who succeeded  his father assassinated", 364, false, false},
    {"Carta62Italiano", &ac332, Italiano, "332 a.C.       Alessandro Magno conquista Tiro, Gaza e l'Egitto.", 161, false, false},
    {"Carta62Francese", &ac332, Francese, "332 av. J.- C. Alexandre le Grand s'empare de Tyr,", 197, false, false},
    {"Carta62Spagnolo", &ac332, Spagnolo, "332 a.C. Alejandro Magno conquista Tiro, Gaza y Egipto", 160, false, false},
    {"Carta62Inglese", &ac332, Inglese, "332 B.C. Alexander The Great conquers Tyre, Gaza and Egypt.", 160, false, false},
    {"Carta63Italiano", &ac331, Italiano, "331 a.C.      Alessandro Magno insegue ora Dario III", 155, false, false},
    {"Carta63Francese", &ac331, Francese, "331 av. J.- C. Alexandre le Grand", 170, false, false},
    {"Carta63Spagnolo", &ac331, Spagnolo, "331 a.C. Alejandro Magno persigue a Darío III", 144, false, false},
    {"Carta63Inglese", &ac331, Inglese, " 331 B.C. Alexander The Great chases Darius III", 146, true, false},
    {"Carta64Italiano", &ac329, Italiano, "329 a.C.     Alessandro Magno raggiunge l'Afghanistan.", 139, false, false},
    {"Carta64Francese", &ac329, Francese, "329 av. J.- C. Alexandre le Grand rejoint l'actuel Afghanistan,", 178, false, false},
    {"Carta64Spagnolo", &ac329, Spagnolo, "329 a.C. Alejandro Magno llega a Afganistán.", 131, false, false},
    {"Carta64Inglese", &ac329, Inglese, " 329 B.C. Alexander The Great gets to Afghanistan.", 125, true, false},
    {"Carta65Italiano", &ac326, Italiano, "326 a.C.      Alessandro Magno arriva nella valle del fiume Indo.", 317, false, false},
    {"Carta65Francese", &ac326, Francese, "326 av. J.- C. Alexandre le Grand dépasse la vallée", 375, false, false},
    {"Carta65Spagnolo", &ac326, Spagnolo, "326 a.C. Alejandro Magno avanza hacia el valle del río", 331, false, false},
    {"Carta65Inglese", &ac326, Inglese, "326 B.C. Alexander The Great arrives in the valley of", 331, false, false},
    {"Carta66Italiano", &ac301, Italiano, "301 a.C.    Alla morte di Alessandro, i suoi generali si", 306, false, false},
    {"Carta66Francese", &ac301, Francese, "301 av. J.- C. À la mort d'Alexandre, ses généraux", 360, false, false},
    {"Carta66Spagnolo", &ac301, Spagnolo, "301 a.C. A la muerte de Alejandro, sus generales se", 296, false, false},
    {"Carta66Inglese", &ac301, Inglese, "301 B.C. On Alexander's death, the generals compete  for the", 300, false, false},
    {"Carta67Italiano", &ac290, Italiano, "290 a.C.      ROMA: dopo la vittoria dei Romani a Sentino", 337, false, false},
    {"Carta67Francese", &ac290, Francese, "290 av. J.- C. Après leur victoire à Sentinum", 357, false, false},
    {"Carta67Spagnolo", &ac290, Spagnolo, "290 a.C. Roma: después de la victoria de los romanos", 319, false, false},
    {"Carta67Inglese", &ac290, Inglese, "290 B.C. ROME: after the victory of the Romans", 328, false, false},
};
INSTANTIATE_TEST_SUITE_P(Bc403a290, Descrizioni, ::testing::ValuesIn(descrizioni), NomeRiga());

const RigaEtichetta etichette[] = {
    {"Carta54Etichetta1", &ac403, 1, Posizione{3420, 7080}, 0xFFFFFF, {"Persepolii", "Persepolis", "Persépolis", "Persepolis"}},
    {"Carta54Etichetta2", &ac403, 2, Posizione{2760, 3720}, 0x000000, {"Iberici", "Hibères", "Iberos", "Hiberians"}},
    {"Carta54Etichetta9", &ac403, 9, Posizione{3960, 10680}, 0xFF0000, {"Oceano Pacifico", "Océan Pacifique", "Océano Pacifico", "Pacific Ocean"}},
    {"Carta54Etichetta11", &ac403, 11, Posizione{600, 3720}, 0xFF0000, {"Oceano Atlantico", "Océano Atlantique", "Océano Atlántico", "Atlantic Ocean"}},
    {"Carta54Etichetta12", &ac403, 12, Posizione{3000, 4200}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta54Etichetta20", &ac403, 20, Posizione{2400, 4800}, 0x000000, {"Etruscchi", "Etrusques", "Etruscos", "Etruscans"}},
    {"Carta55Etichetta2", &ac396, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {"Carta55Etichetta8", &ac396, 8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {"Carta55Etichetta15", &ac396, 15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {"Carta55Etichetta23", &ac396, 23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {"Carta55Etichetta25", &ac396, 25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
    {"Carta56Etichetta2", &ac390, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta56Etichetta20", &ac390, 20, Posizione{3195, 5370}, 0x000000, {"Roma", "Rome", "Roma", "Rome"}},
    {"Carta57Etichetta2", &ac382, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta57Etichetta19", &ac382, 19, Posizione{4920, 9720}, 0x000000, {"Stati Indiani", "Etats Indiens", "Estados Indianos", "Indian States"}},
    {"Carta58Etichetta2", &ac357, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlantico", "Atlantic O."}},
    {"Carta58Etichetta19", &ac357, 19, Posizione{4920, 10100}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {"Carta59Etichetta2", &ac348, 2, Posizione{360, 3840}, 0xC00000, {"Oceano Atlantico", "Océan Atlantique", "Océano Atlántico", "Atlantic O."}},
    {"Carta59Etichetta19", &ac348, 19, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {"Carta59Etichetta26", &ac348, 26, Posizione{8000, 9800}, std::nullopt, {nullptr, nullptr, nullptr, nullptr}},
    {"Carta60Etichetta8", &ac338, 8, Posizione{4800, 9360}, 0xC00000, {"Indo", "Indous", "Indo", "Indus"}},
    {"Carta60Etichetta9", &ac338, 9, Posizione{4320, 7320}, 0xC00000, {"Mesopotamia", "Mesopotamie", "Mesopotamia", "Mesopotamia"}},
    {"Carta60Etichetta15", &ac338, 15, Posizione{2400, 4680}, 0xFFFFFF, {"Celti", "Celts", "Celtas", "Celts"}},
    {"Carta60Etichetta23", &ac338, 23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {"Carta60Etichetta25", &ac338, 25, Posizione{4110, 7000}, 0x000000, {"oGerusalemme", "oJérusalem", "oJerusalém", "oJerusalem"}},
    {"Carta61Etichetta23", &ac333, 23, Posizione{3960, 7080}, 0x000000, {"oDamasco", "oDamas", "oDamasco", "oDamascus"}},
    {"Carta61Etichetta26", &ac333, 26, Posizione{3500, 6370}, 0x000000, {"Granico", "Granique", "Grànico", "Granicus"}},
    {"Carta61Etichetta27", &ac333, 27, Posizione{3660, 6750}, 0x000000, {"Isso", "Issos", "Issos", "Issus"}},
    {"Carta62Etichetta19", &ac332, 19, Posizione{4305, 6000}, 0x000000, {"Alessandria", "Alexandrie", "Alejandría", "Alexandria"}},
    {"Carta62Etichetta26", &ac332, 26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Nanda", "Empire Nanda", "Imperio Nanda", "Nanda Empire"}},
    {"Carta63Etichetta9", &ac331, 9, Posizione{4320, 7320}, 0xC00000, {"Mesopotamia", "Mesopotamie", "Mesopotamia", "Mesopotamia"}},
    {"Carta63Etichetta17", &ac331, 17, Posizione{3840, 7800}, 0xFFFFFF, {"Impero Persiano", "Empire Perse", "Imperio Persa", "Persian Empire"}},
    {"Carta64Etichetta17", &ac329, 17, Posizione{3900, 7800}, 0xFFFFFF, {"Impero di Alessandro", "Empire d'Alexandre", "Imperio de Alejandro", "Alexander Empire"}},
    {"Carta64Etichetta13", &ac329, 13, Posizione{2400, 11040}, 0xFFFFFF, {"Mongoli", "Mongoles", "Mongoles", "Mongols"}},
    {"Carta65Etichetta7", &ac326, 7, Posizione{5040, 6720}, 0xC00000, {"Nilo", "Nil", "Nilo", "Nyle"}},
    {"Carta65Etichetta17", &ac326, 17, Posizione{3900, 7800}, 0xFFFFFF, {"Impero di Alessandro", "Empire d'Alexandre", "Imperio de Alejandro", "Alexander Empire"}},
    {"Carta66Etichetta9", &ac301, 9, Posizione{3600, 6360}, 0xFFFFFF, {"Regno di Antigono", "Règne d'Antigone", "Reino de Antìgona", "Antigon Kdm"}},
    {"Carta66Etichetta14", &ac301, 14, Posizione{4440, 6120}, 0xFFFFFF, {"Impero Tolemaico", "Royaume Ptolémaique", "Imperio Ptolomeo", "Ptolemaic Empire"}},
    {"Carta66Etichetta18", &ac301, 18, Posizione{3240, 6600}, 0x000000, {"Bitinia", "Bythinie", "Bitinia", "Bytinia"}},
    {"Carta66Etichetta21", &ac301, 21, Posizione{3360, 5760}, 0xFFFFFF, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
    {"Carta67Etichetta9", &ac290, 9, Posizione{3600, 6360}, 0xFFFFFF, {"", "", "", ""}},
    {"Carta67Etichetta21", &ac290, 21, Posizione{3360, 5760}, 0xFFFFFF, {"Macedonia", "Macédoine", "Macedonia", "Macedon"}},
};
INSTANTIATE_TEST_SUITE_P(Bc403a290, Etichette, ::testing::ValuesIn(etichette), NomeRiga());

const RigaPulitura formePulitura[] = {
    {"Carta55", &ac396, 26, 26, {}, std::vector<int>{}, {}},
    {"Carta56", &ac390, 26, 26, {}, std::vector<int>{}, {}},
    {"Carta57", &ac382, 26, 26, {}, std::vector<int>{}, {}},
    {"Carta58", &ac357, 26, 26, {}, std::vector<int>{}, {}},
    {"Carta59", &ac348, 26, 27, {26}, std::vector<int>{26}, {26}},
};
INSTANTIATE_TEST_SUITE_P(Bc403a290, FormaPulitura, ::testing::ValuesIn(formePulitura), NomeRiga());

const RigaConsecutive formeConsecutive[] = {
    {"Carta54", &ac403, 22, 22},
    {"Carta60", &ac338, 26, 26},
    {"Carta61", &ac333, 28, 28},
    {"Carta62", &ac332, 27, 27},
    {"Carta63", &ac331, 27, 27},
    {"Carta64", &ac329, 27, 27},
    {"Carta65", &ac326, 27, 27},
    {"Carta66", &ac301, 29, 29},
    {"Carta67", &ac290, 29, 29},
};
INSTANTIATE_TEST_SUITE_P(Bc403a290, FormaConsecutive, ::testing::ValuesIn(formeConsecutive), NomeRiga());

const RigaConfronto confronti[] = {
    {"Da55a56", &ac396, &ac390, {2}},
    {"Da55a57", &ac396, &ac382, {2}},
    {"Da56a57", &ac390, &ac382, {}},
    {"Da57a58", &ac382, &ac357, {19}},
    {"Da58a59", &ac357, &ac348, {2, 19, 26}},
    {"Da60a61", &ac338, &ac333, {26, 27}},
    {"Da61a62", &ac333, &ac332, {19, 26, 27}},
    {"Da62a63", &ac332, &ac331, {}},
    {"Da63a64", &ac331, &ac329, {17}},
    {"Da64a65", &ac329, &ac326, {}},
    {"Da66a67", &ac301, &ac290, {9}},
    {"Da67a68", &ac290, &ac264, {9, 17, 21, 27, 28, 29, 30, 31}},
};
INSTANTIATE_TEST_SUITE_P(Bc403a290, Confronti, ::testing::ValuesIn(confronti), NomeRiga());

// Maps 58 and 59 differ in one Spanish caption only: the other three languages
// of label 2 read the same on both.
TEST(Bc403a290Atlantico, SoloLoSpagnoloCambiaTra58E59) {
    const EtichettaCarta* a = voce(ac357, 2);
    const EtichettaCarta* b = voce(ac348, 2);
    ASSERT_TRUE(a && b);
    for (int l = 0; l < NumeroLingue; ++l) {
        const bool uguali = std::string_view(a->didascalia[l]) == std::string_view(b->didascalia[l]);
        EXPECT_EQ(uguali, l != Spagnolo) << "lingua " << l;
    }
}

// Four colours only; from 338 BC on the waters (labels 0 to 8) are dark blue,
// and so is Mesopotamia (label 9) up to 326 BC. The 403 BC map has blue waters.
TEST(Bc403a290Colori, QuattroColoriEAcqueBluScuro) {
    const std::uint32_t ammessi[] = {0xFF0000, 0xC00000, 0xFFFFFF, 0x000000};
    for (const ContenutoCarta* c : carte) {
        for (const EtichettaCarta& e : c->etichette) {
            ASSERT_TRUE(e.ForeColor.has_value());
            EXPECT_NE(std::find(std::begin(ammessi), std::end(ammessi), *e.ForeColor), std::end(ammessi))
                << e.indice;
            if (c != &ac403 && e.indice <= 8) {
                EXPECT_EQ(*e.ForeColor, 0xC00000u) << e.indice;
            }
        }
    }
    for (const ContenutoCarta* c : {&ac338, &ac333, &ac332, &ac331, &ac329, &ac326})
        EXPECT_EQ(voce(*c, 9)->ForeColor, std::optional<std::uint32_t>(0xC00000));
    std::vector<int> blu;
    for (const EtichettaCarta& e : ac403.etichette)
        if (e.ForeColor == std::optional<std::uint32_t>(0xFF0000)) blu.push_back(e.indice);
    EXPECT_EQ(blu, (std::vector<int>{4, 8, 9, 11}));
}

// The lower-case "o" in front of Damascus and Jerusalem is the city mark of
// the 338 to 326 BC maps; no other caption of the range starts with it.
TEST(Bc403a290PuntoCitta, SoloDamascoEGerusalemmeDal338Al326) {
    const std::vector<const ContenutoCarta*> conPunto = {&ac338, &ac333, &ac332, &ac331, &ac329, &ac326};
    for (const ContenutoCarta* c : carte) {
        const bool ha = std::find(conPunto.begin(), conPunto.end(), c) != conPunto.end();
        for (const EtichettaCarta& e : c->etichette) {
            for (int l = 0; l < NumeroLingue; ++l) {
                const bool punto = std::string_view(e.didascalia[l]).substr(0, 1) == "o";
                EXPECT_EQ(punto, ha && (e.indice == 23 || e.indice == 25))
                    << e.indice << " " << e.didascalia[l];
            }
        }
    }
}

}  // namespace
