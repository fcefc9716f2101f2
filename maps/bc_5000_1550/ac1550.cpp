// Map 18 (1550 BC): overlay labels and descriptions.
// Not written yet: the empty content leaves the overlay as the previous map left it.
#include "maps/ContenutoCarta.h"

namespace contenuti {

extern const ContenutoCarta ac1550;
const ContenutoCarta ac1550{{}, NessunaPulizia, {nullptr, nullptr, nullptr, nullptr}};

}  // namespace contenuti
