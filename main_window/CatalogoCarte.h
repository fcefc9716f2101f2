// The map catalogue: what makes up each of the 168 maps.
#pragma once

#include <array>
#include <cstdint>

class Tavolavel;
namespace contenuti {
struct ContenutoCarta;
}

enum class EraCarta { aC, dC };

struct SchedaCarta {
    std::int16_t numero;      // 1..168, the value of `numcarta` that selects it
    EraCarta era;             // aC: drawn by CArte; dC: by carte2
    const char* anno;         // the year as shown, digits only
    const char* fileCarta;    // map picture, as the catalogue writes paths
    const char* fileInserto;  // inset picture, "" for none
    bool dopoContenuto;       // inset loaded after the content routine
    void (Tavolavel::*contenuto)();          // the map's content routine
    const contenuti::ContenutoCarta* dati;   // the content that routine applies
};

extern const std::array<SchedaCarta, 168> CatalogoCarte;

// The entry of a map index, or nullptr outside 1..168.
inline const SchedaCarta* schedaDi(int numero) {
    if (numero < 1 || numero > 168) return nullptr;
    return &CatalogoCarte[static_cast<std::size_t>(numero - 1)];
}
