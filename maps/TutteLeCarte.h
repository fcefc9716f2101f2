// Every map's content, one constant per map, named after its routine.
#pragma once
#include "maps/ContenutoCarta.h"

namespace contenuti {

#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) extern const ContenutoCarta routine;
#include "maps/RegistroCarte.def"
#undef CARTA

}  // namespace contenuti
