// Content of maps 54 and 60 to 76 (403 BC to 133 BC, without the world map of
// 221 BC): descriptions, labels and how neighbouring maps share their frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;

using verifica::voce;
using verifica::stesseDidascalie;
using verifica::stessaPosizione;
using verifica::stessaVoce;

// Every map of this range, in the order of the atlas.
const ContenutoCarta* const carte[] = {&ac403, &ac338, &ac333, &ac332, &ac331, &ac329, &ac326, &ac301, &ac290,
                                       &ac264, &ac241, &ac212, &ac202, &ac198, &ac188, &ac146, &ac133};

// ---------------------------------------------------------------------------
// Descriptions: each one starts with its fixed opening (runs of blanks
// included) and has its exact length in characters; only the English texts of
// 331 and 329 BC begin with a blank, and only the Italian text of 241 BC ends
// with one.

struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    bool biancoIniziale;
    bool biancoFinale;
};

// Failure messages name the row rather than dumping its bytes.
void PrintTo(const RigaDescrizione& r, std::ostream* os) { *os << r.nome; }

const RigaDescrizione descrizioni[] = {
    {"Carta54Italiano", &ac403, Italiano, "403 a.C.    Inizia in Cina il periodo degli 'Stati Combattenti';", 583, false, false},
    {"Carta54Francese", &ac403, Francese, "403 Av. J.-C. En Chine commence la période", 640, false, false},
    {"Carta54Spagnolo", &ac403, Spagnolo, "403 a.C. Comienza en China el Período de los Estados", 582, false, false},
    {"Carta54Inglese", &ac403, Inglese, "403 B.C. The period of the ' Fighting States'", 579, false, false},
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
    {"Carta68Italiano", &ac264, Italiano, "264 a.C.      ROMA: dopo le guerre sannitiche,", 427, false, false},
    {"Carta68Francese", &ac264, Francese, "264 av. J.- C. Après les guerres samnitiques,", 433, false, false},
    {"Carta68Spagnolo", &ac264, Spagnolo, "264 a.C. Roma: después de las guerras samnitas,", 413, false, false},
    {"Carta68Inglese", &ac264, Inglese, "264 B.C. ROME: after the Samnitic Wars,", 451, false, false},
    {"Carta69Italiano", &ac241, Italiano, "241 a.C.      Finisce la 1° guerra punica:", 292, false, true},
    {"Carta69Francese", &ac241, Francese, "241 av. J.- C. La première guerre punique s'achève", 378, false, false},
    {"Carta69Spagnolo", &ac241, Spagnolo, "241 a.C. Finaliza la Primera Guerra Púnica:", 291, false, false},
    {"Carta69Inglese", &ac241, Inglese, "241 B.C. The first Punic War ends:", 280, false, false},
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
};

class Carte54a76Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};

TEST_P(Carte54a76Descrizioni, AperturaLunghezzaEBordi) {
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
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    })) << t;
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte54a76Descrizioni, ::testing::ValuesIn(descrizioni),
                         [](const ::testing::TestParamInfo<RigaDescrizione>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Labels worth checking one by one: odd spellings, the city dot, the empty
// captions that still get a place and a colour, the stacked Seleucid names,
// labels that move between neighbouring maps.

struct RigaEtichetta {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    std::optional<Posizione> posizione;
    std::optional<std::uint32_t> colore;
    std::array<const char*, NumeroLingue> didascalia;
};

void PrintTo(const RigaEtichetta& r, std::ostream* os) { *os << r.nome; }

const RigaEtichetta etichette[] = {
    {"Carta54Etichetta1", &ac403, 1, Posizione{3420, 7080}, 0xFFFFFF, {"Persepolii", "Persepolis", "Persépolis", "Persepolis"}},
    {"Carta54Etichetta2", &ac403, 2, Posizione{2760, 3720}, 0x000000, {"Iberici", "Hibères", "Iberos", "Hiberians"}},
    {"Carta54Etichetta9", &ac403, 9, Posizione{3960, 10680}, 0xFF0000, {"Oceano Pacifico", "Océan Pacifique", "Océano Pacifico", "Pacific Ocean"}},
    {"Carta54Etichetta11", &ac403, 11, Posizione{600, 3720}, 0xFF0000, {"Oceano Atlantico", "Océano Atlantique", "Océano Atlántico", "Atlantic Ocean"}},
    {"Carta54Etichetta12", &ac403, 12, Posizione{3000, 4200}, 0x000000, {"Cartagine", "Carthage", "Cartago", "Carthago"}},
    {"Carta54Etichetta20", &ac403, 20, Posizione{2400, 4800}, 0x000000, {"Etruscchi", "Etrusques", "Etruscos", "Etruscans"}},
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
    {"Carta68Etichetta26", &ac264, 26, Posizione{4920, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {"Carta68Etichetta29", &ac264, 29, Posizione{3600, 7680}, 0xFFFFFF, {"Media", "Medie", "Media", "Media"}},
    {"Carta68Etichetta30", &ac264, 30, Posizione{3600, 5640}, 0x000000, {"Lega Achea", "Ligue Grecque", "Liga Aquea", "Achean League"}},
    {"Carta68Etichetta31", &ac264, 31, Posizione{3360, 5400}, 0x000000, {"Epiro----", "Epire----", "Epiro----", "Epiro----"}},
    {"Carta69Etichetta26", &ac241, 26, Posizione{4830, 9720}, 0xFFFFFF, {"Impero Maurya", "Empire Maurya", "Imperio Maurya", "Maurya Empire"}},
    {"Carta69Etichetta32", &ac241, 32, Posizione{3600, 9120}, 0xFFFFFF, {"Battriana", "Bactrie", "Bactriana", "Bactria"}},
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
};

class Carte54a76Etichette : public ::testing::TestWithParam<RigaEtichetta> {};

TEST_P(Carte54a76Etichette, VoceComeAttesa) {
    const RigaEtichetta& r = GetParam();
    const EtichettaCarta* e = voce(*r.carta, r.indice);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->posizione.has_value(), r.posizione.has_value());
    if (r.posizione) {
        EXPECT_EQ(e->posizione->Top, r.posizione->Top);
        EXPECT_EQ(e->posizione->Left, r.posizione->Left);
    }
    EXPECT_EQ(e->ForeColor, r.colore);
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_EQ(e->didascalia[l] == nullptr, r.didascalia[l] == nullptr) << "lingua " << l;
        if (r.didascalia[l] != nullptr) {
            EXPECT_EQ(std::string_view(e->didascalia[l]), std::string_view(r.didascalia[l]))
                << "lingua " << l;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Notevoli, Carte54a76Etichette, ::testing::ValuesIn(etichette),
                         [](const ::testing::TestParamInfo<RigaEtichetta>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Shape of each map: the first emptied label and the number of entries; every
// map places, colours and captions labels 0 to N-1 in all four languages, in
// ascending order, and nothing at or above N. The 301 BC map empties nothing:
// its labels 29 to 35 keep what the map drawn before left on them.

struct RigaForma {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
};

void PrintTo(const RigaForma& r, std::ostream* os) { *os << r.nome; }

const RigaForma forme[] = {
    {"Carta54", &ac403, 22, 22},
    {"Carta60", &ac338, 26, 26},
    {"Carta61", &ac333, 28, 28},
    {"Carta62", &ac332, 27, 27},
    {"Carta63", &ac331, 27, 27},
    {"Carta64", &ac329, 27, 27},
    {"Carta65", &ac326, 27, 27},
    {"Carta66", &ac301, 29, 29},
    {"Carta67", &ac290, 29, 29},
    {"Carta68", &ac264, 32, 32},
    {"Carta69", &ac241, 33, 33},
    {"Carta71", &ac212, 33, 33},
    {"Carta72", &ac202, 33, 33},
    {"Carta73", &ac198, 33, 33},
    {"Carta74", &ac188, 33, 33},
    {"Carta75", &ac146, 33, 33},
    {"Carta76", &ac133, 33, 33},
};

class Carte54a76Forma : public ::testing::TestWithParam<RigaForma> {};

TEST_P(Carte54a76Forma, VociEPulizia) {
    const RigaForma& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    ASSERT_EQ(c.etichette.size(), r.voci);
    for (std::size_t i = 0; i < c.etichette.size(); ++i) {
        const EtichettaCarta& e = c.etichette[i];
        EXPECT_EQ(e.indice, static_cast<int>(i)) << "indici non consecutivi";
        EXPECT_TRUE(e.posizione.has_value()) << "etichetta " << e.indice;
        EXPECT_TRUE(e.ForeColor.has_value()) << "etichetta " << e.indice;
        for (int l = 0; l < NumeroLingue; ++l)
            ASSERT_NE(e.didascalia[l], nullptr) << "etichetta " << e.indice << " lingua " << l;
    }
    if (c.primaDaPulire != NessunaPulizia) {
        EXPECT_EQ(static_cast<std::size_t>(c.primaDaPulire), r.voci);
    }
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tutte, Carte54a76Forma, ::testing::ValuesIn(forme),
                         [](const ::testing::TestParamInfo<RigaForma>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Neighbouring maps that share a frame: exactly the listed labels differ
// (place, colour or a caption); every other label index is written the same
// way by both maps, or by neither.

struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
};

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << r.nome; }

const RigaConfronto confronti[] = {
    {"Da60a61", &ac338, &ac333, {26, 27}},
    {"Da61a62", &ac333, &ac332, {19, 26, 27}},
    {"Da62a63", &ac332, &ac331, {}},
    {"Da63a64", &ac331, &ac329, {17}},
    {"Da64a65", &ac329, &ac326, {}},
    {"Da66a67", &ac301, &ac290, {9}},
    {"Da67a68", &ac290, &ac264, {9, 17, 21, 27, 28, 29, 30, 31}},
    {"Da68a69", &ac264, &ac241, {26, 32}},
    {"Da69a71", &ac241, &ac212, {32}},
    {"Da71a72", &ac212, &ac202, {16, 32}},
    {"Da72a73", &ac202, &ac198, {9, 16, 17}},
    {"Da73a74", &ac198, &ac188, {}},
    {"Da75a76", &ac146, &ac133, {16, 21, 24}},
};

class Carte54a76Confronti : public ::testing::TestWithParam<RigaConfronto> {};

TEST_P(Carte54a76Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i)
        if (!stessaVoce(voce(*r.prima, i), voce(*r.dopo, i))) diverse.push_back(i);
    EXPECT_EQ(diverse, r.diverse);
}

INSTANTIATE_TEST_SUITE_P(Vicine, Carte54a76Confronti, ::testing::ValuesIn(confronti),
                         [](const ::testing::TestParamInfo<RigaConfronto>& i) {
                             return std::string(i.param.nome);
                         });

// ---------------------------------------------------------------------------
// Rules that hold across the whole range.

// Four colours only; from 338 BC on the waters (labels 0 to 8) are dark blue,
// and so is Mesopotamia (label 9) up to 326 BC. The 403 BC map has blue waters.
TEST(Carte54a76Colori, QuattroColoriEAcqueBluScuro) {
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
TEST(Carte54a76PuntoCitta, SoloDamascoEGerusalemmeDal338Al326) {
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

// On 146 and 133 BC the Seleucid Empire is two labels, 30 just above and left
// of 17, each language reading them top to bottom in its own word order.
TEST(Carte54a76Seleucidi, DueEtichetteInOrdineDiLettura) {
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
TEST(Carte54a76Epiro, NoveCaratteriConQuattroTrattini) {
    for (const ContenutoCarta* c : {&ac264, &ac241, &ac212, &ac202, &ac198, &ac188}) {
        const EtichettaCarta* e = voce(*c, 31);
        ASSERT_NE(e, nullptr);
        for (int l = 0; l < NumeroLingue; ++l) {
            const std::string_view s(e->didascalia[l]);
            EXPECT_EQ(s, l == Francese ? "Epire----" : "Epiro----");
        }
    }
}

}  // namespace
