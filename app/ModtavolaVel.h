// The three globals shared by the windows; the only state that crosses them.
// Read and written on the event loop only.
#pragma once

#include <cstdint>
#include <string>

namespace ModtavolaVel {

// The current language: exactly one of "italiano", "francese", "spagnolo",
// "inglese" ("inglese" from start-up). Readers compare it exactly.
inline std::string lingua;
// The map shown, 1..168.
inline std::int16_t numcarta = 0;
// The music track the music window's Play opens, 1..15.
inline std::int16_t brano = 0;

}  // namespace ModtavolaVel
