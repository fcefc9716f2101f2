// Small helpers shared by the checks of the map contents.
#pragma once

#include <cstddef>
#include <string_view>

namespace verifica {

// Length in code points of a UTF-8 text (what a reader counts as characters).
inline std::size_t caratteri(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

inline bool iniziaCon(std::string_view testo, std::string_view inizio) {
    return testo.substr(0, inizio.size()) == inizio;
}

}  // namespace verifica
