// The map catalogue: what makes up each map, expanded from the registry.
#pragma once

#include <array>
#include <cstdint>

#include "maps/RegistroCarte.h"

class Tavolavel;
namespace contenuti {
struct ContenutoCarta;
}

struct SchedaCarta {
    std::int16_t numero;      // 1..NumeroCarte, the value of `numcarta` that selects it
    EraCarta era;             // aC: drawn by CArte; dC: by carte2
    const char* anno;         // the year as shown, digits only
    const char* fileCarta;    // map picture, as the catalogue writes paths
    const char* fileInserto;  // inset picture, "" for none
    bool dopoContenuto;       // inset loaded after the content routine
    void (Tavolavel::*contenuto)();          // the map's content routine
    const contenuti::ContenutoCarta* dati;   // the content that routine applies
};

extern const std::array<SchedaCarta, NumeroCarte> CatalogoCarte;

// The entry of a map index, or nullptr outside 1..NumeroCarte.
inline const SchedaCarta* schedaDi(int numero) {
    if (numero < 1 || numero > NumeroCarte) return nullptr;
    return &CatalogoCarte[static_cast<std::size_t>(numero - 1)];
}
