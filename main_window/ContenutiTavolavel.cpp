// Each map's content routine puts that map's constant content on the overlay.
#include "main_window/Tavolavel.h"

#include "maps/TutteLeCarte.h"

#define CARTA(numero, era, anno, carta, inserto, quando, miniatura, routine) \
    void Tavolavel::routine() { applica(contenuti::routine); }
#include "maps/RegistroCarte.def"
#undef CARTA
