// Small helpers shared by the checks of the map contents.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "maps/ContenutoCarta.h"

namespace verifica {

// Length in code points of a UTF-8 text (what a reader counts as characters).
inline std::size_t caratteri(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// Well-formed UTF-8: no lone continuation byte, no truncated sequence.
inline bool utf8Valido(std::string_view testo) {
    std::size_t attese = 0;
    for (unsigned char c : testo) {
        if (attese) {
            if ((c & 0xC0) != 0x80) return false;
            --attese;
        } else if (c >= 0xF0) attese = 3;
        else if (c >= 0xE0) attese = 2;
        else if (c >= 0xC0) attese = 1;
        else if (c >= 0x80) return false;
    }
    return attese == 0;
}

// The lengths of the runs of two or more blanks, in the order they occur.
inline std::vector<int> corseDiBianchi(std::string_view t) {
    std::vector<int> corse;
    std::size_t i = 0;
    while (i < t.size()) {
        if (t[i] != ' ') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < t.size() && t[j] == ' ') ++j;
        if (j - i >= 2) corse.push_back(static_cast<int>(j - i));
        i = j;
    }
    return corse;
}

inline bool iniziaCon(std::string_view testo, std::string_view inizio) {
    return testo.substr(0, inizio.size()) == inizio;
}

// The entry a map's content holds for a label, or nullptr.
inline const contenuti::EtichettaCarta* voce(const contenuti::ContenutoCarta& carta, int indice) {
    for (const contenuti::EtichettaCarta& e : carta.etichette)
        if (e.indice == indice) return &e;
    return nullptr;
}

// Captions alike in every language ("none" only where the other has none).
inline bool stesseDidascalie(const std::array<const char*, contenuti::NumeroLingue>& a,
                             const std::array<const char*, contenuti::NumeroLingue>& b) {
    for (int l = 0; l < contenuti::NumeroLingue; ++l) {
        if ((a[l] == nullptr) != (b[l] == nullptr)) return false;
        if (a[l] != nullptr && std::string_view(a[l]) != std::string_view(b[l])) return false;
    }
    return true;
}

inline bool stessaPosizione(const std::optional<contenuti::Posizione>& a,
                            const std::optional<contenuti::Posizione>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->Top == b->Top && a->Left == b->Left);
}

// Two entries that put the same place, colour and captions on a label.
inline bool stessaVoce(const contenuti::EtichettaCarta& a, const contenuti::EtichettaCarta& b) {
    return stessaPosizione(a.posizione, b.posizione) && a.ForeColor == b.ForeColor &&
           stesseDidascalie(a.didascalia, b.didascalia);
}
inline bool stessaVoce(const contenuti::EtichettaCarta* a, const contenuti::EtichettaCarta* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return stessaVoce(*a, *b);
}

}  // namespace verifica
