// The texts of the chronology's rows. Each is its map's description in that
// language, as the map's content writes it. For the maps listed here the text
// keeps other blanks at its ends, or differs from the description by a few
// edits; the edits are applied to the description itself, so a change to a
// map's description reaches its chronology text too.
#pragma once

#include <QString>
#include <span>
#include <vector>

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

// Where an edit finds the map's fragment.
enum class Dove {
    Ovunque,  // its first occurrence in the text
    Inizio,   // the text begins with it ("" puts the chronology's fragment before the text)
    Fine,     // the text ends with it ("" puts the chronology's fragment after the text)
};

// One edit of a map's description: the map's fragment gives way to the
// chronology's. Fragments are UTF-8 and exact, blanks included.
struct Modifica {
    Lingua lingua;
    int carta;
    Dove dove;
    const char* dellaCarta;
    // nullptr: the map's fragment is dellaCarta alone. Otherwise the map's
    // passage runs on from dellaCarta through the first following occurrence of
    // finoA (with Fine: to the end of the text, which must end with finoA), so
    // that a left-out sentence is named by its first words and its last.
    const char* finoA;
    const char* dellaCronologia;
    // The map's fragment may rightly be absent (the map already reads as the
    // chronology there): then the edit is skipped without complaint.
    bool seLaCartaLoHa = false;
};

// An edit as it was carried out: the map's text it replaced, and what took its place.
struct Applicata {
    const Modifica* modifica;
    QString dellaCarta;
    QString dellaCronologia;
};

struct Esito {
    // The description with every edit applied; the description as it stands
    // when one of the edits does not find its fragment.
    QString testo;
    std::vector<Applicata> applicate;
    std::vector<const Modifica*> mancanti;  // edits whose map's fragment is not in the description
};

// The edits applied in order to a description, each to the text the previous one left.
Esito ApplicaModifiche(const QString& descrizione, std::span<const Modifica> modifiche);

std::span<const BianchiAgliEstremi> EccezioniBianchi();
// Every edit, grouped by language and then by map, each map's edits in the order they apply.
std::span<const Modifica> Modifiche();
// The edits of one text, in the order they apply (empty for most texts).
std::span<const Modifica> ModificheDi(int carta, Lingua lingua);

// The text of map `carta` (1..168) in `lingua`, from the map's description
// (nullptr while that map has no content: the empty text). Where the
// description lacks the fragment of one of its edits, the text is the
// description as it stands, and one line on stderr says so, once per text.
QString TestoCronologia(int carta, Lingua lingua, const char* descrizione);

// The map's description in that language, as the catalogue's content holds it.
const char* DescrizioneCarta(int carta, Lingua lingua);

}  // namespace cronologia
