// The content of one map: which overlay labels it places, colours and captions,
// and its description, in the four languages. Held as constant data and put on
// the overlay by applicaContenuto, always in the same five steps.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "maps/RegistroCarte.h"

namespace forma {
class Label;
class TextBox;
}  // namespace forma

namespace contenuti {

// Language columns of every table, in the order the language tests run.
enum Lingua : int { Italiano = 0, Francese = 1, Spagnolo = 2, Inglese = 3 };
inline constexpr int NumeroLingue = 4;
using ::NumeroEtichette;

// "none" for the first index to empty: the map captions every label itself.
inline constexpr int NessunaPulizia = -1;

struct Posizione {
    int Top;
    int Left;
};

struct EtichettaCarta {
    int indice;                                // 0..35, element of Label1
    std::optional<Posizione> posizione;        // none: the label stays where it is
    std::optional<std::uint32_t> ForeColor;    // 0xBBGGRR; none: keeps its colour
    std::array<const char*, NumeroLingue> didascalia;  // UTF-8; nullptr: unchanged
};

struct ContenutoCarta {
    std::span<const EtichettaCarta> etichette;  // ascending indice
    int primaDaPulire;                          // N, or NessunaPulizia
    std::array<const char*, NumeroLingue> descrizione;  // UTF-8; nullptr: unchanged
};

// The language a `lingua` value selects: exact, case-sensitive, no trimming.
std::optional<Lingua> linguaDa(std::string_view lingua);

// The five steps: positions, colours, emptying from N, language, captions and
// description. A `lingua` outside the four words writes no text at all.
void applicaContenuto(const ContenutoCarta& contenuto, std::span<forma::Label* const> Label1,
                      forma::TextBox& Text1, std::string_view lingua);

// The emptying step alone: captions of labels N..35 become "".
void PulisciEtichette(std::span<forma::Label* const> Label1, int N);

}  // namespace contenuti
