// Map 137 (1700 AD): overlay labels and descriptions.
// Not written yet: the empty content leaves the overlay as the previous map left it.
#include "maps/ContenutoCarta.h"

namespace contenuti {

extern const ContenutoCarta dc1700eu;
const ContenutoCarta dc1700eu{{}, NessunaPulizia, {nullptr, nullptr, nullptr, nullptr}};

}  // namespace contenuti
