// The texts of the chronology's rows. Each is its map's description in that
// language, as the map's content writes it, except for the maps listed here:
// some keep other blanks at their ends, some have a wording of their own.
#pragma once

#include <QString>
#include <span>

#include "maps/ContenutoCarta.h"

namespace cronologia {

using contenuti::Lingua;

// The map's description with its end blanks replaced by these counts.
struct BianchiAgliEstremi {
    Lingua lingua;
    int carta;
    int inizio;  // blanks put back at the start
    int fine;    // blanks put back at the end
};

// A text that differs from the map's description in wording.
struct TestoProprio {
    Lingua lingua;
    int carta;
    const char* testo;  // UTF-8
};

std::span<const BianchiAgliEstremi> EccezioniBianchi();
std::span<const TestoProprio> TestiPropri();

// The text of map `carta` (1..168) in `lingua`, from the map's description
// (nullptr while that map has no content yet: then the empty text, unless the
// map has a wording of its own).
QString TestoCronologia(int carta, Lingua lingua, const char* descrizione);

// The map's description in that language, as the catalogue's content holds it.
const char* DescrizioneCarta(int carta, Lingua lingua);

}  // namespace cronologia
