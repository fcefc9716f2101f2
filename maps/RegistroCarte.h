// The map registry's figures and eras, counted from the registry itself
// (maps/RegistroCarte.def), so that a row added there moves them too.
#pragma once

#include <cstddef>
#include <iterator>

enum class EraCarta { aC, dC };

namespace registro {

struct Riga {
    int numero;
    EraCarta era;
};

inline constexpr Riga righe[] = {
#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) {numero, EraCarta::era},
#include "maps/RegistroCarte.def"
#undef CARTA
};

// Rows numbered 1 up, one step a row, and every BC row before the first AD one.
constexpr bool inOrdine() {
    for (std::size_t i = 0; i < std::size(righe); ++i) {
        if (righe[i].numero != static_cast<int>(i) + 1) return false;
        if (i > 0 && righe[i - 1].era == EraCarta::dC && righe[i].era == EraCarta::aC) return false;
    }
    return true;
}
static_assert(inOrdine(), "maps/RegistroCarte.def: rows out of order");

constexpr int quanteaC() {
    int n = 0;
    for (const Riga& r : righe) n += r.era == EraCarta::aC ? 1 : 0;
    return n;
}

}  // namespace registro

// The number of maps: `numcarta` runs 1..NumeroCarte.
inline constexpr int NumeroCarte = static_cast<int>(std::size(registro::righe));
// The last BC map: CArte draws 1..UltimaCartaaC, carte2 the rest.
inline constexpr int UltimaCartaaC = registro::quanteaC();
// The overlay labels of the main window (Label1), and of every map's content.
inline constexpr int NumeroEtichette = 36;
