// The row types of the map-content tables and the checks that run on them.
// Each test file of a group of maps (one per folder of maps/) holds only its
// tables and instantiates these checks on them, with the group as prefix.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "maps/ContenutoCarta.h"

namespace verifica {

using contenuti::ContenutoCarta;
using contenuti::Lingua;
using contenuti::NumeroLingue;
using contenuti::Posizione;

// Colours as the content writes them (0xBBGGRR).
constexpr std::uint32_t nero = 0x000000, bianco = 0xFFFFFF, rosso = 0x0000FF, rossoScuro = 0x0000C0, blu = 0xFF0000,
                        bluScuro = 0xC00000;

// Bottom edge of the map picture: a label placed lower stands under it.
constexpr int FondoCarta = 5295;

// The runs of two or more blanks a text must keep, in the order they occur.
using Corse = std::vector<int>;

// ---------------------------------------------------------------------------
// Descriptions: the fixed opening, the exact length in characters, a blank at
// either end or not; one paragraph on one line in well-formed UTF-8. Where a
// row gives them, also the blanks right after the opening, the number of
// blanks at the end and every run of doubled blanks.
struct RigaDescrizione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* apertura;
    std::size_t lunghezza;
    bool biancoIniziale;
    bool biancoFinale;
    std::optional<Corse> corse{};
    std::optional<std::size_t> bianchiDopo{};
    std::optional<std::size_t> bianchiFinali{};
};

// Words a language's text carries in its own way (headings, numbers, names),
// and words it must not carry.
struct RigaFrammenti {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    std::vector<const char*> presenti;
    std::vector<const char*> assenti{};
};

// A label worth checking one by one: its place and colour (none where the map
// leaves them as they are) and its caption in each language (nullptr: none).
struct RigaEtichetta {
    const char* nome;
    const ContenutoCarta* carta;
    int indice;
    std::optional<Posizione> posizione;
    std::optional<std::uint32_t> colore;
    std::array<const char*, NumeroLingue> didascalia;
};

// Neighbouring maps that share a frame: exactly the listed labels differ
// (place, colour or a caption); every other label index is written the same
// way by both maps, or by neither. Where both maps write every label, a
// missing one is a fault of its own.
struct RigaConfronto {
    const char* nome;
    const ContenutoCarta* prima;
    const ContenutoCarta* dopo;
    std::vector<int> diverse;
    bool tutteScritte = false;
};

// Spare labels parked with the empty caption in every language, below the
// map picture or on it.
struct RigaRiserva {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> indici;
    bool sottoLaCarta;
};

// ---------------------------------------------------------------------------
// The shape of a map, by the way its group writes the overlay.

// Maps with an emptying step: the first emptied label N, the number of
// entries and those at or above N; entries ascend, every label below N is
// written, every entry is captioned in all four languages or in none (the
// listed ones) and placed (where the row says so); where given, the entries
// that get no colour.
struct RigaPulitura {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
    std::vector<int> sopraN;
    std::optional<std::vector<int>> senzaColore{};
    std::vector<int> senzaDidascalia{};
    bool tuttePosate = true;
};

// Maps that write labels 0 to the number of entries minus one, each placed,
// coloured and captioned in all four languages, and nothing at or above the
// emptied start; a map without an emptying step writes every label.
struct RigaConsecutive {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
};

// Maps whose entries all stand below N, placed and coloured together; the
// listed ones are captioned "" but neither placed nor coloured.
struct RigaSoloDidascalia {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
    std::vector<int> soloDidascalia;
};

// Maps that write all 36 labels, with six colours, each on the picture and
// captioned, except the empty ones parked below it (the listed ones).
struct RigaSulQuadro {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> sottoLaCarta;
};

// Maps that write all 36 labels, with four colours, none left of the picture;
// the spare labels (empty in every language) and the labels under the picture.
struct RigaConRiserve {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> riserve;
    std::vector<int> sottoLaCarta;
};

// Maps that write all 36 labels, with four colours; the labels with the empty
// caption, and those of them that stay on the picture (the others are below).
struct RigaConVuote {
    const char* nome;
    const ContenutoCarta* carta;
    std::vector<int> vuote;
    std::vector<int> vuoteSullaCarta;
};

// Maps whose entries are labels 0.. in order, each placed, coloured and
// captioned in all four languages or in none: the empty ones and the colours.
struct RigaColori {
    const char* nome;
    const ContenutoCarta* carta;
    int primaDaPulire;
    std::size_t voci;
    std::vector<int> vuote;
    std::vector<int> blu;  // 0xFF0000
    std::vector<int> rosse;  // 0x0000FF
    int bianche;  // 0xFFFFFF
    int nere;  // 0x000000
};

// Failure messages name the row rather than dumping its bytes.
template <typename Riga>
concept ConNome = requires(const Riga& r) {
    r.nome;
};
template <ConNome Riga>
void PrintTo(const Riga& r, std::ostream* os) {
    *os << r.nome;
}

// The name of an instantiated case: its row's name.
struct NomeRiga {
    template <typename Riga>
    std::string operator()(const ::testing::TestParamInfo<Riga>& i) const {
        return i.param.nome;
    }
};

class Descrizioni : public ::testing::TestWithParam<RigaDescrizione> {};
class Frammenti : public ::testing::TestWithParam<RigaFrammenti> {};
class Etichette : public ::testing::TestWithParam<RigaEtichetta> {};
class Confronti : public ::testing::TestWithParam<RigaConfronto> {};
class Riserve : public ::testing::TestWithParam<RigaRiserva> {};
class FormaPulitura : public ::testing::TestWithParam<RigaPulitura> {};
class FormaConsecutive : public ::testing::TestWithParam<RigaConsecutive> {};
class FormaSoloDidascalia : public ::testing::TestWithParam<RigaSoloDidascalia> {};
class FormaSulQuadro : public ::testing::TestWithParam<RigaSulQuadro> {};
class FormaConRiserve : public ::testing::TestWithParam<RigaConRiserve> {};
class FormaConVuote : public ::testing::TestWithParam<RigaConVuote> {};
class FormaColori : public ::testing::TestWithParam<RigaColori> {};

}  // namespace verifica
