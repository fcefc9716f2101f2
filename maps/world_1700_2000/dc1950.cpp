// Map 162 (1950 AD): overlay labels and descriptions.
// Not written yet: the empty content leaves the overlay as the previous map left it.
#include "maps/ContenutoCarta.h"

namespace contenuti {

extern const ContenutoCarta dc1950;
const ContenutoCarta dc1950{{}, NessunaPulizia, {nullptr, nullptr, nullptr, nullptr}};

}  // namespace contenuti
