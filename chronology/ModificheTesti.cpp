// The chronology's own data: the maps whose row text keeps other blanks at
// its ends than the map's description, and the edits that make the other
// texts from their map's description.
#include "chronology/TestiCronologia.h"

namespace cronologia {

namespace {

using enum contenuti::Lingua;
using enum Dove;

constexpr BianchiAgliEstremi bianchi[] = {
    // Italian: 0 at the start, 0 at the end; the description has one blank at the start.
    {Italiano, 93, 0, 0},
    // Italian: 0 at the start, 0 at the end; the description has two blanks at the end.
    {Italiano, 100, 0, 0},
    // French: 1 at the start, 0 at the end; the description has none.
    {Francese, 20, 1, 0}, {Francese, 26, 1, 0}, {Francese, 32, 1, 0}, {Francese, 33, 1, 0}, {Francese, 34, 1, 0}, {Francese, 35, 1, 0}, {Francese, 36, 1, 0}, {Francese, 37, 1, 0},
    {Francese, 38, 1, 0}, {Francese, 39, 1, 0}, {Francese, 40, 1, 0}, {Francese, 41, 1, 0}, {Francese, 42, 1, 0}, {Francese, 43, 1, 0}, {Francese, 44, 1, 0}, {Francese, 45, 1, 0},
    {Francese, 46, 1, 0}, {Francese, 48, 1, 0}, {Francese, 49, 1, 0}, {Francese, 50, 1, 0}, {Francese, 51, 1, 0}, {Francese, 52, 1, 0}, {Francese, 53, 1, 0}, {Francese, 54, 1, 0},
    {Francese, 55, 1, 0}, {Francese, 58, 1, 0}, {Francese, 59, 1, 0}, {Francese, 60, 1, 0}, {Francese, 62, 1, 0}, {Francese, 64, 1, 0}, {Francese, 65, 1, 0}, {Francese, 66, 1, 0},
    {Francese, 67, 1, 0}, {Francese, 68, 1, 0}, {Francese, 69, 1, 0}, {Francese, 70, 1, 0}, {Francese, 71, 1, 0}, {Francese, 72, 1, 0}, {Francese, 73, 1, 0}, {Francese, 74, 1, 0},
    {Francese, 75, 1, 0}, {Francese, 76, 1, 0}, {Francese, 77, 1, 0}, {Francese, 78, 1, 0}, {Francese, 79, 1, 0}, {Francese, 80, 1, 0}, {Francese, 81, 1, 0}, {Francese, 82, 1, 0},
    {Francese, 83, 1, 0}, {Francese, 85, 1, 0},
    // French: 1 at the start, 1 at the end; the description has none.
    {Francese, 21, 1, 1}, {Francese, 22, 1, 1}, {Francese, 23, 1, 1}, {Francese, 25, 1, 1}, {Francese, 27, 1, 1}, {Francese, 28, 1, 1}, {Francese, 29, 1, 1}, {Francese, 30, 1, 1},
    {Francese, 47, 1, 1},
    // French: 0 at the start, 1 at the end; the description has none.
    {Francese, 86, 0, 1}, {Francese, 87, 0, 1}, {Francese, 89, 0, 1}, {Francese, 91, 0, 1}, {Francese, 93, 0, 1}, {Francese, 95, 0, 1}, {Francese, 96, 0, 1}, {Francese, 97, 0, 1},
    {Francese, 99, 0, 1}, {Francese, 106, 0, 1}, {Francese, 108, 0, 1}, {Francese, 110, 0, 1}, {Francese, 111, 0, 1}, {Francese, 112, 0, 1}, {Francese, 120, 0, 1}, {Francese, 122, 0, 1},
    {Francese, 125, 0, 1}, {Francese, 127, 0, 1}, {Francese, 144, 0, 1}, {Francese, 149, 0, 1},
    // French: 0 at the start, 2 at the end; the description has none.
    {Francese, 109, 0, 2}, {Francese, 113, 0, 2}, {Francese, 114, 0, 2}, {Francese, 143, 0, 2}, {Francese, 147, 0, 2}, {Francese, 148, 0, 2},
    // French: 0 at the start, 2 at the end; the description has one blank at the end.
    {Francese, 103, 0, 2},
    // French: 2 at the start, 0 at the end; the description has one blank at the start.
    {Francese, 56, 2, 0},
    // Spanish: 0 at the start, 0 at the end; the description has one blank at the start.
    {Spagnolo, 119, 0, 0},
    // Spanish: 0 at the start, 1 at the end; the description has none.
    {Spagnolo, 126, 0, 1},
    // English: 0 at the start, 0 at the end; the description has one blank at the start.
    {Inglese, 100, 0, 0}, {Inglese, 101, 0, 0}, {Inglese, 105, 0, 0}, {Inglese, 110, 0, 0}, {Inglese, 117, 0, 0}, {Inglese, 121, 0, 0}, {Inglese, 144, 0, 0}, {Inglese, 148, 0, 0},
    // English: 0 at the start, 1 at the end; the description has none.
    {Inglese, 49, 0, 1}, {Inglese, 55, 0, 1}, {Inglese, 59, 0, 1}, {Inglese, 65, 0, 1}, {Inglese, 114, 0, 1}, {Inglese, 166, 0, 1},
    // English: 0 at the start, 1 at the end; the description has one blank at the start.
    {Inglese, 106, 0, 1},
    // English: 1 at the start, 0 at the end; the description has none.
    {Inglese, 37, 1, 0}, {Inglese, 39, 1, 0}, {Inglese, 108, 1, 0},
    // English: 1 at the start, 1 at the end; the description has one blank at the start.
    {Inglese, 99, 1, 1},
    // English: 1 at the start, 2 at the end; the description has one blank at the start.
    {Inglese, 151, 1, 2},
};

// Each text that differs from its map's description otherwise than by its
// end blanks, as the edits that make it from the description: a changed year
// prefix, a word or a passage of the map's given way to the chronology's, a
// sentence left out or added, blanks, a final period.
constexpr Modifica modifiche[] = {
    // Italian.
    // A closing sentence left out is named by its first words and runs to the end.
    {Italiano, 22, Fine, "la Siria. I Fenici inventano", ".", "la Siria."},
    {Italiano, 28, Ovunque, "la capitale da", nullptr, "la capiatale da"},
    {Italiano, 32, Ovunque, "capitale; il Regno", nullptr, "capitale; Il Regno"},
    {Italiano, 36, Inizio, "722 a.C.   L", nullptr, "722 a.C. L"},
    {Italiano, 37, Inizio, "671 a.C.  L", nullptr, "671 a.C. L"},
    {Italiano, 39, Inizio, "626 a.C.   -", nullptr, "626 a.C.    -"},
    {Italiano, 39, Ovunque, "degli Sciti.", nullptr, "degli Sciiti."},
    {Italiano, 42, Inizio, "550 a.C.   I", nullptr, "550 a.C.  I"},
    {Italiano, 53, Ovunque, "vede di fronte ancora", nullptr, "vede difronte ancora"},
    {Italiano, 54, Fine, "e Sciti.", nullptr, "e Sciiti."},
    // The Italian map opens with the Italian era already, as the chronology does;
    // only a description still opening with the English era would need it.
    {Italiano, 70, Inizio, "221 B.C.", nullptr, "221 a.C.", true},
    {Italiano, 85, Ovunque, "degli Himyariti(di origine ebraica). Popolazione", nullptr, "degli Himyariti. Popolazione"},
    {Italiano, 91, Inizio, "", nullptr, "410 d.C.  "},
    {Italiano, 94, Fine, "città-Stato Maya. Popolazione mondiale: 190 milioni.", nullptr, "città-Stato Maya."},
    {Italiano, 96, Inizio, "526 d.C.", nullptr, "526 d.C.   "},
    {Italiano, 103, Ovunque, "Romano Impero. In Europa viene istituzionalizzata la società feudale.", nullptr, "Romano Impero."},
    {Italiano, 104, Ovunque, "il tiolo di", nullptr, "il titolo di"},
    {Italiano, 111, Fine, "sull'Adriatico. Inizia il periodo dei Comuni", ".", "sull'Adriatico."},
    {Italiano, 118, Ovunque, "dei Veneziani. Cade", nullptr, "dei Veneziani, Cade"},
    {Italiano, 118, Ovunque, "si forma un Regno Latino.   I Bizantini sono relegati", ".", "si formano dei regni latini."},
    {Italiano, 120, Ovunque, "l'autorità imperiale ai", nullptr, "l'autorità imperiali ai"},
    {Italiano, 132, Ovunque, "Gli Olandesi, protestanti, lottano però per", nullptr, "Qui però le province del Nord, protestanti, lottano per"},
    {Italiano, 135, Inizio, "1660   Nel 1559 viene firmata", nullptr, "1659   Viene firmata"},
    // The closing sentence is worded anew for the chronology.
    {Italiano, 135, Fine, "Altre guerre si sono combattute", ".", "Dopo la Pace di Westfalia, la guerra è continuata in due conflitti (Svedesi contro Polacchi, Svedesi contro Danesi)."},
    {Italiano, 138, Fine, "della Gran Bretagna.", nullptr, "del Regno Unito."},
    {Italiano, 142, Ovunque, "dalla Gran Bretagna.", nullptr, "dal Regno Unito."},
    {Italiano, 143, Fine, "ridisegnate.", nullptr, "ridisegnate e rinominate."},
    {Italiano, 146, Ovunque, "L'organizzazione dell'Impero", nullptr, "Divisione amministrativa dell'Impero"},
    {Italiano, 146, Ovunque, "per sfuggire", nullptr, "infatti, per sfuggire"},
    {Italiano, 147, Ovunque, "Vienna. la Francia", nullptr, "Vienna. La Francia"},
    {Italiano, 150, Ovunque, "Garibladi", nullptr, "Garibaldi"},
    {Italiano, 155, Ovunque, "Negli Ultimi 50", nullptr, "Negli ultimi 50"},
    {Italiano, 157, Ovunque, "e Lorena; l'Italia, Trento,", nullptr, "e Lorena, l'Italia Trento,"},
    {Italiano, 164, Fine, "", nullptr, " Popolazione mondiale: 4 000 milioni."},
    {Italiano, 167, Ovunque, "civile, anche la", nullptr, "civile, Anche la"},
    // French.
    {Francese, 1, Inizio, "5000 Av.J.C.", nullptr, " 5000AV.JC."},
    {Francese, 2, Inizio, "3300 Av.J.C.", nullptr, "3300 AV.JC."},
    {Francese, 3, Inizio, "3100 Av.J.C.", nullptr, "3100 AV.JC.:"},
    {Francese, 3, Fine, "", nullptr, " "},
    {Francese, 4, Inizio, "3000 Av.J.C.", nullptr, "3000AV J.C:"},
    {Francese, 5, Inizio, "2350 Av.J.C.", nullptr, "2650 AV JC.:"},
    {Francese, 5, Fine, "", nullptr, " "},
    {Francese, 6, Inizio, "2220 Av.J.C.", nullptr, "2230 AV JC:"},
    {Francese, 6, Ovunque, "l'une en Haute Egypte", nullptr, "l'une en l'une en Haute Egypte"},
    {Francese, 6, Ovunque, "Basse Egypte.   ", nullptr, "Basse Egypte. "},
    {Francese, 13, Inizio, "1760 Av.-J.C.:", nullptr, "1760 AV JC:"},
    {Francese, 14, Inizio, "1685 Av.-J.C.:", nullptr, "1685 AVJC:"},
    {Francese, 15, Inizio, "1650 Av.-J.C.:", nullptr, "1650 AV JC:"},
    {Francese, 16, Inizio, "1595 Av.-J.C.:", nullptr, "1595 AV JC:"},
    {Francese, 17, Inizio, "1580 Av.-J.C.:", nullptr, "1580 AV JC:"},
    {Francese, 18, Inizio, "1550 Av.-J.C.:", nullptr, "1550 AV JC:"},
    {Francese, 19, Inizio, "1512 Av.-J.C.:", nullptr, "1512 AV JC:"},
    {Francese, 24, Inizio, "", nullptr, " "},
    {Francese, 24, Fine, "", nullptr, " "},
    {Francese, 24, Ovunque, "mélanésiennes partent de l'Indochine et s'orientent vers", nullptr, "mélanésiennes s'orientent vers"},
    {Francese, 31, Inizio, "1020 avant J.-C. Les", nullptr, " 1020 avant J.-C.. Les"},
    {Francese, 57, Inizio, "382 Av.J.-C.", nullptr, " 382 Av.JC."},
    {Francese, 57, Ovunque, "d'Olinthe.", nullptr, "d'Olinthus (Olynthe ?)."},
    {Francese, 61, Inizio, "333 av. J.- C.", nullptr, " 336 av. J.- C."},
    {Francese, 63, Inizio, "", nullptr, " "},
    {Francese, 63, Ovunque, "perse,  et la détruit", nullptr, "perse, qu'il détruit"},
    {Francese, 84, Inizio, "", nullptr, " "},
    {Francese, 84, Fine, ".", nullptr, ""},
    {Francese, 102, Inizio, "", nullptr, " "},
    {Francese, 102, Fine, "", nullptr, " "},
    {Francese, 102, Ovunque, "s'affacent ", nullptr, "s'affacent  "},
    {Francese, 105, Inizio, "870 Ap.J.C.", nullptr, "870 Ap.J.C.."},
    {Francese, 107, Fine, "260 millions.", nullptr, "260 millions  "},
    {Francese, 124, Ovunque, "l 'empire Ottoman", nullptr, "l'empire Ottoman"},
    // One shortened text out of the two pieces the map writes (held whole in its
    // content): the parenthesis, the three fronts, two sentences, the naming of
    // the 1973 war and the closing sentence go, and a blank is lost.
    {Francese, 163, Ovunque, "Guerre des Six jours (3ème guerre israélo-arabe).", nullptr, "Guerre des Six jours ."},
    {Francese, 163, Ovunque, "sur trois fronts simultanément: contre l'Egypte", nullptr, "contre l'Egypte"},
    {Francese, 163, Ovunque, "du Golan. En six jours", ".", "du Golan."},
    {Francese, 163, Ovunque, "du Golan. Ces régions", ".", "du Golan."},
    {Francese, 163, Ovunque, "le Sinaï: c'est la 4ème guerre", "L'entreprise échoue.", "le Sinaï."},
    {Francese, 163, Ovunque, "Israël refuse. En", nullptr, "Israël refuse.En"},
    {Francese, 163, Fine, " Les autres Territoires sont encore", ".", ""},
    // Spanish.
    {Spagnolo, 14, Fine, ".", nullptr, ""},
    {Spagnolo, 16, Ovunque, "Los casitas", nullptr, "Los Casitas"},
    {Spagnolo, 20, Ovunque, "aqueos", nullptr, "Aqueos"},
    {Spagnolo, 20, Ovunque, "aqueos", nullptr, "Aqueos"},
    {Spagnolo, 33, Ovunque, "los arios", nullptr, "los Arios"},
    {Spagnolo, 101, Ovunque, "cultura Huari.", nullptr, "culturaHuari."},
    {Spagnolo, 120, Ovunque, "El Khanato de la Horda de Oro", nullptr, "El khanato de la Horda de Oro"},
    {Spagnolo, 122, Ovunque, "al Khanato", nullptr, "al khanato"},
    {Spagnolo, 143, Fine, ".", nullptr, ""},
    {Spagnolo, 150, Ovunque, "Rumanía.", nullptr, "Rumania."},
    // English.
    {Inglese, 52, Fine, ".", nullptr, ""},
    {Inglese, 72, Ovunque, "CHINA: the HAN dynasty rises to the imperial throne.", nullptr, "CHINA: ascends the throne of the HAN dynasty."},
    {Inglese, 76, Inizio, "133 B.C.  R", nullptr, "133 B.C. R"},
    {Inglese, 76, Ovunque, "ROME: due", nullptr, "ROME: Due"},
    {Inglese, 76, Ovunque, "as inheritance", nullptr, "as a tribute"},
    {Inglese, 76, Fine, "empire).", nullptr, "empire ) ."},
    {Inglese, 80, Inizio, "51 B.C. ", nullptr, "51 B.C. Caesar finishes the conquest of the Transalpine Gaul. "},
    {Inglese, 80, Ovunque, "(this one fears Caesar reputation)", nullptr, "that fear its reputation"},
    {Inglese, 80, Ovunque, "he crosses", nullptr, "Caesar crosses"},
    {Inglese, 81, Ovunque, "governs. He is an adopted son of Caesar.", nullptr, "governs, who is an adopted grandson of Caesar, whom Caesar adopted as a son."},
    {Inglese, 82, Ovunque, "Octavian", nullptr, "Octaviano"},
    {Inglese, 84, Ovunque, "obtain the maximum extension of the empire.", nullptr, "catches up its maximum extension."},
    {Inglese, 84, Ovunque, "migrations of history is continuing from hundreds of years:", nullptr, "migrations of its history for hundreds of years,"},
    {Inglese, 84, Ovunque, "the Bantus probably original of Cameroon", nullptr, "the u probably original of Cameroon"},
    {Inglese, 86, Ovunque, "Queen Zenobia makes the reign of Palmira independent.", nullptr, "To Palmira, Queen Zenobia makes her reign independent."},
    {Inglese, 89, Ovunque, "Pontifex Maximus", nullptr, "Pontefix Maximum"},
    {Inglese, 91, Ovunque, "is divided between", nullptr, "is uniform between"},
    {Inglese, 94, Ovunque, "Oriental Roman Empire controls", nullptr, "Oriental Roman Empire Roman controls"},
    {Inglese, 94, Ovunque, "the Mayans are building their cities.", nullptr, "the Mayans assert their cities."},
    {Inglese, 97, Ovunque, "the Gothic Wars,", nullptr, "the gotic wars,"},
    {Inglese, 97, Ovunque, "Bavarians,", nullptr, "Baiuvars,"},
    {Inglese, 97, Ovunque, "are growing.", nullptr, "are asserted."},
    // The passage on Europe, from Wessex to Sicily, is left out.
    {Inglese, 107, Ovunque, "continue to fragment.  In England", "World population:", "continue to fragment.  World population:"},
    // Without the map's blank at the start and without the final period.
    {Inglese, 109, Inizio, " ", nullptr, ""},
    {Inglese, 109, Fine, ".", nullptr, ""},
    {Inglese, 111, Inizio, " ", nullptr, ""},
    {Inglese, 111, Fine, ".", nullptr, ""},
    {Inglese, 113, Inizio, " ", nullptr, ""},
    {Inglese, 113, Fine, ".", nullptr, ""},
    {Inglese, 116, Inizio, " ", nullptr, ""},
    {Inglese, 116, Fine, ".", nullptr, ""},
    {Inglese, 118, Inizio, " ", nullptr, ""},
    {Inglese, 118, Fine, ".", nullptr, ""},
    {Inglese, 133, Fine, ".", nullptr, ""},
    {Inglese, 139, Fine, "participate and take Polish territory.", nullptr, "participate and acquire Poland territories."},
    {Inglese, 140, Fine, "a war that removes further Polish territories.", nullptr, "a war and they acquire other Polish territories."},
    {Inglese, 141, Ovunque, "by military force after which Poland ceases to exist.", nullptr, "by military force. Poland disappears."},
};

}  // namespace

std::span<const BianchiAgliEstremi> EccezioniBianchi() { return bianchi; }
std::span<const Modifica> Modifiche() { return modifiche; }

}  // namespace cronologia
