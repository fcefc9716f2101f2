// Maps 54 and 60 to 76 reached along real routes through the main window:
// what a map leaves on the overlay for the next one, and what each map
// replaces, keeps or empties whatever was drawn before it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::numcarta;

// One step of a route: Next, Previous, a press on the BC timeline at a year,
// or a language flag.
struct Passo {
    enum Tipo { Avanti, Indietro, AnnoAC, Lingua } tipo;
    int anno = 0;
    const char* lingua = nullptr;
};

Passo avanti() { return {Passo::Avanti}; }
Passo indietro() { return {Passo::Indietro}; }
Passo annoAC(int anno) { return {Passo::AnnoAC, anno}; }
Passo bandiera(const char* lingua) { return {Passo::Lingua, 0, lingua}; }

// What one overlay label shows at the end of the route; a field left empty is
// not checked.
struct Atteso {
    int indice;
    const char* didascalia;
    std::optional<float> top = std::nullopt;
    std::optional<float> left = std::nullopt;
    std::optional<forma::Colore> colore = std::nullopt;
};

struct Percorso {
    const char* nome;
    std::vector<Passo> passi;
    int carta;
    const char* descrizione;  // how Text1 opens
    std::vector<Atteso> etichette;
};

void PrintTo(const Percorso& p, std::ostream* os) { *os << p.nome; }

class Percorsi54a76 : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso> {
protected:
    void esegui(Tavolavel& t, const Passo& p) {
        switch (p.tipo) {
        case Passo::Avanti: clic(t, t.Labsuccessiva); break;
        case Passo::Indietro: clic(t, t.Labprecedente); break;
        case Passo::AnnoAC: t.LabAc.MouseDown(forma::vbLeftButton, 0, static_cast<float>((3500 - p.anno) * 3), 100); break;
        case Passo::Lingua: {
            const std::string l = p.lingua;
            clic(t, l == "italiano" ? t.LabITA : l == "francese" ? t.LabFRA : l == "spagnolo" ? t.LabSPA : t.LabING);
            break;
        }
        }
    }
};

TEST_P(Percorsi54a76, LaSovrapposizioneAllaFine) {
    const Percorso& p = GetParam();
    Tavolavel& t = mostra();
    for (const Passo& s : p.passi) esegui(t, s);
    ASSERT_EQ(numcarta, p.carta);
    EXPECT_TRUE(t.Text1.Text().startsWith(QString::fromUtf8(p.descrizione))) << t.Text1.Text().toStdString();
    for (const Atteso& a : p.etichette) {
        SCOPED_TRACE(a.indice);
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(a.indice)];
        EXPECT_EQ(l.Caption(), QString::fromUtf8(a.didascalia));
        if (a.top) {
            EXPECT_EQ(l.Top(), *a.top);
        }
        if (a.left) {
            EXPECT_EQ(l.Left(), *a.left);
        }
        if (a.colore) {
            EXPECT_EQ(l.ForeColor(), *a.colore);
        }
    }
}

constexpr forma::Colore bianco = 0xFFFFFF, nero = 0x000000, bluScuro = 0xC00000, blu = 0xFF0000;

const Percorso percorsi[] = {
    // 301 BC empties labels 29 to 35 itself: whatever map came before (264 BC
    // through the timeline puts Media, the Achaean League and Epirus there),
    // none of its captions stays.
    {"Da264A301LeEtichette29a35Vuote",
     {annoAC(264), annoAC(301)},
     66,
     "301 B.C. On Alexander's death",
     {{9, "Antigon Kdm", 3600, 6360, bianco},
      {28, "Armenia", 3360, 7320, bianco},
      {29, "", 3600, 7680, bianco},
      {30, "", 3600, 5640, nero},
      {31, "", 3360, 5400, nero},
      {32, ""},
      {35, ""}}},
    {"Da133A301NienteSopra28",
     {annoAC(133), annoAC(301)},
     66,
     "301 B.C. On Alexander's death",
     {{17, "Seleucid Empire", 3960, 8040, bianco}, {29, ""}, {30, ""}, {31, ""}, {32, ""}, {33, ""}}},
    {"Da264A301PoiItaliano",
     {annoAC(264), annoAC(301), bandiera("italiano")},
     66,
     "301 a.C.    Alla morte di Alessandro",
     {{9, "Regno di Antigono"}, {29, ""}, {30, ""}, {31, ""}, {32, ""}}},
    // By Next from 326 BC, which empties everything from 27 up, nothing shows
    // above 28; Mesopotamia turns into the white kingdom of Antigonus.
    {"Da326A301ConAvantiNienteSopra28",
     {annoAC(326), avanti()},
     66,
     "301 B.C. On Alexander's death",
     {{9, "Antigon Kdm", 3600, 6360, bianco}, {29, ""}, {30, ""}, {31, ""}, {35, ""}}},
    {"Da301A290ConAvantiLaNoveSiSvuota",
     {annoAC(301), avanti()},
     67,
     "290 B.C. ROME: after the victory",
     {{9, "", 3600, 6360, bianco}, {14, "Ptolemaic Empire", 4440, 6120, bianco}, {21, "Macedon", 3360, 5760, bianco}}},
    {"Da264A290ConIndietroSvuota29a31",
     {annoAC(264), indietro()},
     67,
     "290 B.C. ROME: after the victory",
     {{9, "", 3600, 6360, bianco},
      {27, "Thrace", 3120, 6000, bianco},
      {29, "", 3600, 7680, bianco},
      {30, "", 3600, 5640, nero},
      {31, "", 3360, 5400, nero}}},
    {"Da290A264ConAvanti",
     {annoAC(290), avanti()},
     68,
     "264 B.C. ROME: after the Samnitic Wars,",
     {{9, "Parthia", 4080, 8640, bianco},
      {27, "Pontus", 3360, 6840, bianco},
      {29, "Media", 3600, 7680, bianco},
      {30, "Achean League", 3600, 5640, nero},
      {31, "Epiro----", 3360, 5400, nero}}},
    {"Da241A264ConIndietroSvuotaBattriana",
     {annoAC(241), indietro()},
     68,
     "264 B.C. ROME: after the Samnitic Wars,",
     {{26, "Maurya Empire", 4920, 9720, bianco}, {32, "", 3600, 9120, bianco}}},
    {"Da333A332ConAvanti",
     {annoAC(333), avanti()},
     62,
     "332 B.C. Alexander The Great conquers",
     {{19, "Alexandria", 4305, 6000, nero},
      {23, "oDamascus", 3960, 7080, nero},
      {26, "Nanda Empire", 4920, 9720, bianco},
      {27, "", 3660, 6750, nero}}},
    {"Da331A329ConAvantiInglese",
     {annoAC(331), avanti()},
     64,
     " 329 B.C. Alexander The Great gets to Afghanistan.",
     {{17, "Alexander Empire", 3900, 7800, bianco}, {9, "Mesopotamia", 4320, 7320, bluScuro}}},
    {"Da202A212ConIndietroInSpagnolo",
     {bandiera("spagnolo"), annoAC(202), indietro()},
     71,
     "212 a.C. El reino de los seléucidas",
     {{16, "Etruscos", 3000, 5160, bianco}, {32, "Batriana"}}},
    {"Da198A202ConIndietro",
     {annoAC(198), indietro()},
     72,
     "202 B.C. The Second Punic War ends:",
     {{9, "Parthia", 4080, 8640, bianco}, {16, "", 3000, 5160, bianco}, {17, "Seleucid Empire", 3960, 7320, bianco}}},
    {"Da146A133ConAvanti",
     {annoAC(146), avanti()},
     76,
     "133 B.C.  ROME: due to the death",
     {{16, "Machabeus", 4080, 6650, nero},
      {21, "Hispania", 3480, 3840, bianco},
      {24, "", 5760, 7080, bianco},
      {30, "Seleucid", 3720, 6940, bianco},
      {17, "Empire", 3960, 7030, bianco}}},
    {"Da133A146ConIndietroInFrancese",
     {bandiera("francese"), annoAC(133), indietro()},
     75,
     "146 av. J.- C. Rome, met fin",
     {{16, "", 5520, 7035, bianco},
      {21, "Macédoine", 3240, 5880, bianco},
      {24, "Carthage", 3840, 4800, nero},
      {30, "Empire"},
      {17, "Seleucide"}}},
    {"Il403InFrancese",
     {bandiera("francese"), annoAC(403)},
     54,
     "403 Av. J.-C. En Chine commence la période",
     {{11, "Océano Atlantique", 600, 3720, blu}, {1, "Persepolis", 3420, 7080, bianco}, {21, "Turcs"}, {22, ""}}},
};

INSTANTIATE_TEST_SUITE_P(Tabella, Percorsi54a76, ::testing::ValuesIn(percorsi),
                         [](const ::testing::TestParamInfo<Percorso>& i) { return std::string(i.param.nome); });

}  // namespace
