// The one routine that puts a map's content on the overlay, in its five steps:
// positions, colours, emptying from N, language, captions and description.
#include <gtest/gtest.h>

#include <array>

#include "maps/ContenutoCarta.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/TextBox.h"

namespace {

using contenuti::EtichettaCarta;
using contenuti::Posizione;

constexpr EtichettaCarta etichette[] = {
    {0, Posizione{3600, 9120}, 0x000000, {"zero-it", "zero-fr", "zero-es", "zero-en"}},
    {1, Posizione{4680, 9120}, std::nullopt, {"uno-it", "uno-fr", "uno-es", "uno-en"}},
    {2, std::nullopt, 0xFF0000, {"due-it", nullptr, "", "due-en"}},
    {5, Posizione{2520, 6680}, 0xFFFFFF, {"cinque-it", "cinque-fr", "cinque-es", "cinque-en"}},
};
const contenuti::ContenutoCarta prova{etichette, 3, {"Descrizione", "Description", "Descripción", "Description EN"}};

class Sovrapposizione : public ::testing::Test {
protected:
    Sovrapposizione() {
        for (int i = 0; i < 36; ++i) {
            etichetteOverlay[static_cast<std::size_t>(i)] = new forma::Label(&finestra);
            etichetteOverlay[static_cast<std::size_t>(i)]->setAutoSize(true);
            etichetteOverlay[static_cast<std::size_t>(i)]->setCaption(QStringLiteral("prima %1").arg(i));
            etichetteOverlay[static_cast<std::size_t>(i)]->setForeColor(0x123456);
            etichetteOverlay[static_cast<std::size_t>(i)]->Move(100, 200, 0, 0);
        }
        Text1.setText(QStringLiteral("testo precedente"));
    }
    forma::Label& L(int i) { return *etichetteOverlay[static_cast<std::size_t>(i)]; }

    forma::Form finestra;
    std::array<forma::Label*, 36> etichetteOverlay{};
    forma::TextBox Text1{&finestra};
};

struct CasoLingua {
    const char* lingua;
    const char* zero;
    const char* due;
    const char* cinque;
    const char* testo;
};

class LingueValide : public Sovrapposizione, public ::testing::WithParamInterface<CasoLingua> {};

TEST_P(LingueValide, DidascalieEDescrizioneNellaLinguaScelta) {
    const CasoLingua& c = GetParam();
    contenuti::applicaContenuto(prova, etichetteOverlay, Text1, c.lingua);
    EXPECT_EQ(L(0).Caption(), QString::fromUtf8(c.zero));
    EXPECT_EQ(L(2).Caption(), QString::fromUtf8(c.due));
    // At or above N: emptied, then captioned again in the language shown.
    EXPECT_EQ(L(5).Caption(), QString::fromUtf8(c.cinque));
    for (int i : {3, 4, 6, 20, 35}) EXPECT_EQ(L(i).Caption(), QString()) << i;
    EXPECT_EQ(Text1.Text(), QString::fromUtf8(c.testo));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, LingueValide,
    ::testing::Values(CasoLingua{"italiano", "zero-it", "due-it", "cinque-it", "Descrizione"},
                      // A language with no caption for a label leaves the previous one.
                      CasoLingua{"francese", "zero-fr", "prima 2", "cinque-fr", "Description"},
                      CasoLingua{"spagnolo", "zero-es", "", "cinque-es", "Descripción"},
                      CasoLingua{"inglese", "zero-en", "due-en", "cinque-en", "Description EN"}),
    [](const auto& i) { return std::string(i.param.lingua); });

class LingueEstranee : public Sovrapposizione, public ::testing::WithParamInterface<const char*> {};

TEST_P(LingueEstranee, MuoveColoraESvuotaMaNonScriveTesti) {
    contenuti::applicaContenuto(prova, etichetteOverlay, Text1, GetParam());
    EXPECT_EQ(L(0).Top(), 3600);
    EXPECT_EQ(L(0).Left(), 9120);
    EXPECT_EQ(L(0).ForeColor(), 0x000000u);
    EXPECT_EQ(L(0).Caption(), QStringLiteral("prima 0"));
    EXPECT_EQ(L(2).Caption(), QStringLiteral("prima 2"));
    EXPECT_EQ(L(5).Caption(), QString());  // emptied and not captioned again
    EXPECT_EQ(L(5).ForeColor(), 0xFFFFFFu);
    EXPECT_EQ(Text1.Text(), QStringLiteral("testo precedente"));
}

INSTANTIATE_TEST_SUITE_P(Tabella, LingueEstranee,
                         ::testing::Values("Inglese", "inglese ", "", "english", "INGLESE"),
                         [](const auto& i) {
                             std::string n;
                             for (char ch : std::string(i.param)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return "v" + std::to_string(i.index) + "_" + n;
                         });

TEST_F(Sovrapposizione, QuelloCheLaCartaNonImpostaRestaComeEra) {
    contenuti::applicaContenuto(prova, etichetteOverlay, Text1, "inglese");
    EXPECT_EQ(L(1).ForeColor(), 0x123456u);  // placed, not coloured
    EXPECT_EQ(L(2).Top(), 200);              // coloured, not placed
    EXPECT_EQ(L(2).Left(), 100);
    EXPECT_EQ(L(2).ForeColor(), 0xFF0000u);
    EXPECT_EQ(L(7).Top(), 200);              // not named at all: only emptied
    EXPECT_EQ(L(7).ForeColor(), 0x123456u);
}

TEST_F(Sovrapposizione, SenzaNNessunaEtichettaVieneSvuotata) {
    const contenuti::ContenutoCarta senzaN{etichette, contenuti::NessunaPulizia, {nullptr, nullptr, nullptr, nullptr}};
    contenuti::applicaContenuto(senzaN, etichetteOverlay, Text1, "inglese");
    EXPECT_EQ(L(3).Caption(), QStringLiteral("prima 3"));
    EXPECT_EQ(L(35).Caption(), QStringLiteral("prima 35"));
    EXPECT_EQ(Text1.Text(), QStringLiteral("testo precedente"));
}

TEST_F(Sovrapposizione, DueVolteDiSeguitoStessoRisultato) {
    contenuti::applicaContenuto(prova, etichetteOverlay, Text1, "spagnolo");
    std::vector<std::tuple<QString, float, float, forma::Colore>> prima;
    for (auto* l : etichetteOverlay) prima.emplace_back(l->Caption(), l->Top(), l->Left(), l->ForeColor());
    contenuti::applicaContenuto(prova, etichetteOverlay, Text1, "spagnolo");
    for (int i = 0; i < 36; ++i) {
        auto* l = etichetteOverlay[static_cast<std::size_t>(i)];
        EXPECT_EQ(prima[static_cast<std::size_t>(i)], std::make_tuple(l->Caption(), l->Top(), l->Left(), l->ForeColor()));
    }
}

}  // namespace
