// The catalogue of the maps, in chronological order: constant data, one entry
// per row of the registry.
#include "main_window/CatalogoCarte.h"

#include "main_window/Tavolavel.h"
#include "maps/TutteLeCarte.h"

namespace {
// When the inset loads: before or after the content routine.
constexpr bool prima = false;
constexpr bool dopo = true;
}  // namespace

const std::array<SchedaCarta, NumeroCarte> CatalogoCarte = {{
#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) \
    {numero, EraCarta::era, anno, carta, inserto, quando, &Tavolavel::routine, &contenuti::routine},
#include "maps/RegistroCarte.def"
#undef CARTA
}};
