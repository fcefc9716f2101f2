// The checks of the map-content tables, once for every group of maps.
#include "tests/maps/TabelleContenuto.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>
#include <utility>

#include "tests/maps/VerificaContenuto.h"

namespace verifica {

using contenuti::EtichettaCarta;
using contenuti::NessunaPulizia;
using contenuti::NumeroEtichette;

namespace {

bool conColore(const EtichettaCarta& e, std::initializer_list<std::uint32_t> colori) {
    return std::find(colori.begin(), colori.end(), *e.ForeColor) != colori.end();
}

bool vuota(const EtichettaCarta& e) {
    return std::all_of(e.didascalia.begin(), e.didascalia.end(),
                       [](const char* d) { return d != nullptr && *d == '\0'; });
}

// Every map's description is written in all four languages.
void descrizioniScritte(const ContenutoCarta& c) {
    for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(c.descrizione[l], nullptr);
}

}  // namespace

TEST_P(Descrizioni, AperturaLunghezzaEBordi) {
    const RigaDescrizione& r = GetParam();
    const char* testo = r.carta->descrizione[r.lingua];
    ASSERT_NE(testo, nullptr);
    const std::string_view t(testo);
    ASSERT_TRUE(iniziaCon(t, r.apertura)) << t;
    EXPECT_EQ(caratteri(t), r.lunghezza) << t;
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front() == ' ', r.biancoIniziale) << t;
    EXPECT_EQ(t.back() == ' ', r.biancoFinale) << t;
    if (r.corse) {
        EXPECT_EQ(corseDiBianchi(t), *r.corse) << t;
    }
    if (r.bianchiDopo) {
        const std::string_view resto = t.substr(std::strlen(r.apertura));
        EXPECT_EQ(resto.find_first_not_of(' '), *r.bianchiDopo) << t;
    }
    if (r.bianchiFinali) {
        std::size_t finali = 0;
        while (finali < t.size() && t[t.size() - 1 - finali] == ' ') ++finali;
        EXPECT_EQ(finali, *r.bianchiFinali) << t;
    }
    // One paragraph on one line, no tabs or stray control characters.
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) << t;
    // Well-formed UTF-8: a broken accent would show as garbage in the box.
    EXPECT_TRUE(utf8Valido(t)) << t;
}

TEST_P(Frammenti, ComeOgniLinguaLiScrive) {
    const RigaFrammenti& r = GetParam();
    const std::string_view t(r.carta->descrizione[r.lingua]);
    for (const char* p : r.presenti) EXPECT_NE(t.find(p), std::string_view::npos) << p;
    for (const char* a : r.assenti) EXPECT_EQ(t.find(a), std::string_view::npos) << a;
}

TEST_P(Etichette, VoceComeAttesa) {
    const RigaEtichetta& r = GetParam();
    const EtichettaCarta* e = voce(*r.carta, r.indice);
    ASSERT_NE(e, nullptr) << "no entry for label " << r.indice;
    ASSERT_EQ(e->posizione.has_value(), r.posizione.has_value());
    if (r.posizione) {
        EXPECT_EQ(e->posizione->Top, r.posizione->Top);
        EXPECT_EQ(e->posizione->Left, r.posizione->Left);
    }
    ASSERT_EQ(e->ForeColor.has_value(), r.colore.has_value());
    if (r.colore) {
        EXPECT_EQ(*e->ForeColor, *r.colore);
    }
    for (int l = 0; l < NumeroLingue; ++l) {
        ASSERT_EQ(e->didascalia[l] == nullptr, r.didascalia[l] == nullptr) << "lingua " << l;
        if (r.didascalia[l] != nullptr) {
            EXPECT_EQ(std::string_view(e->didascalia[l]), std::string_view(r.didascalia[l])) << "lingua " << l;
        }
    }
}

TEST_P(Confronti, SoloLeEtichetteAttese) {
    const RigaConfronto& r = GetParam();
    std::vector<int> diverse;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta* a = voce(*r.prima, i);
        const EtichettaCarta* b = voce(*r.dopo, i);
        if (r.tutteScritte) {
            ASSERT_TRUE(a && b) << "etichetta " << i;
        }
        if (!stessaVoce(a, b)) diverse.push_back(i);
    }
    EXPECT_EQ(diverse, r.diverse);
}

TEST_P(Riserve, VuoteEDoveStanno) {
    const RigaRiserva& r = GetParam();
    std::vector<int> vuote;
    for (const EtichettaCarta& e : r.carta->etichette)
        if (vuota(e)) vuote.push_back(e.indice);
    EXPECT_EQ(vuote, r.indici);
    for (int i : r.indici) {
        const EtichettaCarta* e = voce(*r.carta, i);
        ASSERT_TRUE(e && e->posizione);
        EXPECT_EQ(e->posizione->Top > FondoCarta, r.sottoLaCarta) << "etichetta " << i;
    }
}

TEST_P(FormaPulitura, VociEPulizia) {
    const RigaPulitura& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    EXPECT_EQ(c.etichette.size(), r.voci);

    int precedente = -1;
    std::vector<int> sopra, senzaColore, senzaDidascalia;
    for (const EtichettaCarta& e : c.etichette) {
        EXPECT_GT(e.indice, precedente) << "entries must ascend, one per label";
        EXPECT_GE(e.indice, 0);
        EXPECT_LT(e.indice, NumeroEtichette);
        precedente = e.indice;
        if (e.indice >= c.primaDaPulire) sopra.push_back(e.indice);
        if (!e.ForeColor) senzaColore.push_back(e.indice);
        if (r.tuttePosate) {
            EXPECT_TRUE(e.posizione.has_value()) << "etichetta " << e.indice;
        }
        const auto scritte =
            std::count_if(e.didascalia.begin(), e.didascalia.end(), [](const char* d) { return d != nullptr; });
        // A caption is written in all four languages or in none.
        EXPECT_TRUE(scritte == 0 || scritte == NumeroLingue) << "etichetta " << e.indice;
        if (scritte == 0) senzaDidascalia.push_back(e.indice);
        for (const char* d : e.didascalia) {
            if (d) {
                EXPECT_LE(caratteri(d), 35u) << "etichetta " << e.indice;
            }
        }
    }
    EXPECT_EQ(sopra, r.sopraN);
    if (r.senzaColore) {
        EXPECT_EQ(senzaColore, *r.senzaColore);
    }
    EXPECT_EQ(senzaDidascalia, r.senzaDidascalia);
    // Every label below N is written by the map, or it would keep the previous map's caption.
    for (int i = 0; i < c.primaDaPulire; ++i) EXPECT_NE(voce(c, i), nullptr) << "manca l'etichetta " << i;
    descrizioniScritte(c);
}

TEST_P(FormaConsecutive, VociEPulizia) {
    const RigaConsecutive& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    ASSERT_EQ(c.etichette.size(), r.voci);
    if (c.primaDaPulire != NessunaPulizia) {
        EXPECT_EQ(static_cast<std::size_t>(c.primaDaPulire), r.voci);
    } else {
        // A map without an emptying step must write every label itself.
        EXPECT_EQ(r.voci, static_cast<std::size_t>(NumeroEtichette));
    }
    int atteso = 0;
    for (const EtichettaCarta& e : c.etichette) {
        EXPECT_EQ(e.indice, atteso++) << "indici non consecutivi";
        EXPECT_TRUE(e.posizione.has_value()) << "etichetta " << e.indice;
        EXPECT_TRUE(e.ForeColor.has_value()) << "etichetta " << e.indice;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "etichetta " << e.indice << " lingua " << l;
            EXPECT_LE(caratteri(e.didascalia[l]), 35u) << "etichetta " << e.indice;
        }
    }
    descrizioniScritte(c);
}

TEST_P(FormaSoloDidascalia, PulituraEVoci) {
    const RigaSoloDidascalia& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    EXPECT_EQ(c.etichette.size(), r.voci);

    int precedente = -1;
    std::vector<int> soloDidascalia;
    for (const EtichettaCarta& e : c.etichette) {
        EXPECT_GT(e.indice, precedente) << "entries must ascend, one per label";
        precedente = e.indice;
        // Every label is used below N: none is captioned again after the emptying.
        EXPECT_LT(e.indice, r.primaDaPulire);
        // A label these maps place they also colour, and the other way round.
        EXPECT_EQ(e.posizione.has_value(), e.ForeColor.has_value()) << "label " << e.indice;
        if (!e.posizione) soloDidascalia.push_back(e.indice);
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "label " << e.indice << " language " << l;
            EXPECT_LE(caratteri(e.didascalia[l]), 35u) << e.didascalia[l];
            EXPECT_TRUE(utf8Valido(e.didascalia[l])) << "label " << e.indice;
            if (!e.posizione) {
                EXPECT_STREQ(e.didascalia[l], "") << "label " << e.indice;
            }
        }
    }
    EXPECT_EQ(soloDidascalia, r.soloDidascalia);
    // Labels 0 to N-1 are all written, or they would keep the previous map's caption.
    for (int i = 0; i < r.primaDaPulire; ++i) EXPECT_NE(voce(c, i), nullptr) << "label " << i;
}

TEST_P(FormaSulQuadro, TrentaseiEtichetteSulQuadro) {
    const RigaSulQuadro& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, NessunaPulizia);
    ASSERT_EQ(c.etichette.size(), static_cast<std::size_t>(NumeroEtichette));
    std::set<std::pair<int, int>> posti;
    std::vector<int> sotto;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta& e = c.etichette[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.indice, i);
        ASSERT_TRUE(e.posizione.has_value());
        ASSERT_TRUE(e.ForeColor.has_value());
        EXPECT_TRUE(conColore(e, {nero, bianco, rosso, rossoScuro, blu, bluScuro})) << std::hex << *e.ForeColor;
        EXPECT_TRUE(posti.insert({e.posizione->Top, e.posizione->Left}).second) << "two labels in one place";
        bool senzaTesto = true;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "lingua " << l;
            if (*e.didascalia[l] != '\0') senzaTesto = false;
        }
        const bool sulQuadro = e.posizione->Top >= 1080 && e.posizione->Top <= 5160 && e.posizione->Left >= 3720 &&
                               e.posizione->Left <= 10120;
        if (!sulQuadro) {
            sotto.push_back(i);
            EXPECT_EQ(e.posizione->Top, 5640);
            EXPECT_TRUE(senzaTesto) << "a label below the picture shows text";
        } else {
            // Every label on the picture says something in every language.
            for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(*e.didascalia[l], '\0') << "lingua " << l;
        }
    }
    EXPECT_EQ(sotto, r.sottoLaCarta);
    descrizioniScritte(c);
}

TEST_P(FormaConRiserve, TutteLeEtichetteScritte) {
    const RigaConRiserve& r = GetParam();
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
        EXPECT_TRUE(conColore(e, {blu, rosso, bianco, nero})) << "etichetta " << i;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "etichetta " << i << " lingua " << l;
            EXPECT_LE(caratteri(e.didascalia[l]), 35u) << "etichetta " << i;
        }
        if (vuota(e)) riserve.push_back(i);
        if (e.posizione->Top > FondoCarta) sotto.push_back(i);
        EXPECT_GE(e.posizione->Left, 3720) << "etichetta " << i;
        posti.emplace_back(e.posizione->Top, e.posizione->Left);
    }
    EXPECT_EQ(riserve, r.riserve);
    EXPECT_EQ(sotto, r.sottoLaCarta);
    std::sort(posti.begin(), posti.end());
    EXPECT_EQ(std::adjacent_find(posti.begin(), posti.end()), posti.end()) << "two labels at one place";
    descrizioniScritte(c);
}

TEST_P(FormaConVuote, TutteLeEtichetteScritte) {
    const RigaConVuote& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, NessunaPulizia);
    ASSERT_EQ(c.etichette.size(), static_cast<std::size_t>(NumeroEtichette));
    std::vector<int> vuote, vuoteSullaCarta;
    for (int i = 0; i < NumeroEtichette; ++i) {
        const EtichettaCarta& e = c.etichette[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(e.indice, i);
        ASSERT_TRUE(e.posizione.has_value());
        ASSERT_TRUE(e.ForeColor.has_value());
        EXPECT_TRUE(conColore(e, {nero, bianco, blu, rosso}));
        for (int l = 0; l < NumeroLingue; ++l) ASSERT_NE(e.didascalia[l], nullptr) << "lingua " << l;
        if (vuota(e)) {
            vuote.push_back(i);
            if (e.posizione->Top < FondoCarta) vuoteSullaCarta.push_back(i);
        } else {
            // A label either names something in all four languages or in none.
            for (int l = 0; l < NumeroLingue; ++l) EXPECT_NE(*e.didascalia[l], '\0') << "lingua " << l;
            EXPECT_LT(e.posizione->Top, FondoCarta);
        }
    }
    EXPECT_EQ(vuote, r.vuote);
    EXPECT_EQ(vuoteSullaCarta, r.vuoteSullaCarta);
    descrizioniScritte(c);
}

TEST_P(FormaColori, OgniEtichettaPostaColorataEScritta) {
    const RigaColori& r = GetParam();
    const ContenutoCarta& c = *r.carta;
    EXPECT_EQ(c.primaDaPulire, r.primaDaPulire);
    ASSERT_EQ(c.etichette.size(), r.voci);

    std::vector<int> vuote, blu, rosse;
    int bianche = 0, nere = 0;
    int atteso = 0;
    for (const EtichettaCarta& e : c.etichette) {
        // Labels 0.. in order, one entry each: no label below N keeps an earlier map's caption.
        EXPECT_EQ(e.indice, atteso++);
        EXPECT_TRUE(e.posizione.has_value()) << "label " << e.indice;
        ASSERT_TRUE(e.ForeColor.has_value()) << "label " << e.indice;
        switch (*e.ForeColor) {
            case verifica::blu: blu.push_back(e.indice); break;
            case rosso: rosse.push_back(e.indice); break;
            case bianco: ++bianche; break;
            case nero: ++nere; break;
            default: ADD_FAILURE() << "label " << e.indice << " colour " << *e.ForeColor;
        }
        int senzaTesto = 0;
        for (int l = 0; l < NumeroLingue; ++l) {
            ASSERT_NE(e.didascalia[l], nullptr) << "label " << e.indice << " language " << l;
            EXPECT_LE(caratteri(e.didascalia[l]), 35u) << e.didascalia[l];
            if (e.didascalia[l][0] == '\0') ++senzaTesto;
        }
        EXPECT_TRUE(senzaTesto == 0 || senzaTesto == NumeroLingue) << "label " << e.indice;
        if (senzaTesto) vuote.push_back(e.indice);
    }
    EXPECT_EQ(vuote, r.vuote);
    EXPECT_EQ(blu, r.blu);
    EXPECT_EQ(rosse, r.rosse);
    EXPECT_EQ(bianche, r.bianche);
    EXPECT_EQ(nere, r.nere);
}

}  // namespace verifica
