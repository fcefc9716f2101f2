// Colours are held as 0xBBGGRR values, the order the window designs use
// (0x0000FF is red).
#pragma once

#include <QColor>
#include <cstdint>

namespace forma {

using Colore = std::uint32_t;

inline QColor qcolore(Colore bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline Colore dalQColor(const QColor& c) {
    return static_cast<Colore>(c.red()) | (static_cast<Colore>(c.green()) << 8) |
           (static_cast<Colore>(c.blue()) << 16);
}

// The few system colours the windows name, as they read in the standard scheme.
inline constexpr Colore ColoreTestoFinestra = 0x000000;     // window text
inline constexpr Colore ColoreTestoPulsante = 0x000000;     // button text, default label text
inline constexpr Colore ColoreFacciaPulsante = 0xC0C0C0;    // button face
inline constexpr Colore ColoreSfondoFinestra = 0xFFFFFF;    // window background

}  // namespace forma
