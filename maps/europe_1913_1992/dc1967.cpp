// Map 163 (1967 AD): overlay labels and descriptions.
// Not written yet: the empty content leaves the overlay as the previous map left it.
#include "maps/ContenutoCarta.h"

namespace contenuti {

extern const ContenutoCarta dc1967;
const ContenutoCarta dc1967{{}, NessunaPulizia, {nullptr, nullptr, nullptr, nullptr}};

}  // namespace contenuti
