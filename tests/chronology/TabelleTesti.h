// What each chronology text must be against its map's description, written
// out independently of the chronology's own tables: the texts that keep other
// blanks at their ends, and for the others their length and the fragments
// that tell them from the map's description on either side.
#pragma once

#include <QString>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "chronology/TestiCronologia.h"

namespace prova {

using contenuti::Lingua;
using enum contenuti::Lingua;

inline const char* nomeLingua(Lingua l) {
    static const char* const nomi[] = {"Italiano", "Francese", "Spagnolo", "Inglese"};
    return nomi[l];
}

// --- Texts that differ from the map's description only by end blanks ---------

struct RigaBianchi {
    Lingua lingua;
    int inizio, fine;                   // blanks of the chronology's text
    std::vector<int> carte;
    int inizioCarta, fineCarta;         // blanks the map's description has
};

inline std::vector<int> da(int primo, int ultimo) {
    std::vector<int> v;
    for (int k = primo; k <= ultimo; ++k) v.push_back(k);
    return v;
}
inline std::vector<int> unisci(std::initializer_list<std::vector<int>> parti) {
    std::vector<int> v;
    for (const auto& p : parti) v.insert(v.end(), p.begin(), p.end());
    return v;
}

inline const std::vector<RigaBianchi>& righeBianchi() {
    static const std::vector<RigaBianchi> righe = {
        {Italiano, 0, 0, {93}, 1, 0},
        {Italiano, 0, 0, {100}, 0, 2},
        {Francese, 1, 0, unisci({{20, 26}, da(32, 46), da(48, 55), da(58, 60), {62}, da(64, 83), {85}}), 0, 0},
        {Francese, 1, 1, unisci({da(21, 23), {25}, da(27, 30), {47}}), 0, 0},
        {Francese, 0, 1, unisci({{86, 87, 89, 91, 93}, da(95, 97), {99, 106, 108}, da(110, 112), {120, 122, 125, 127, 144, 149}}), 0, 0},
        {Francese, 0, 2, {109, 113, 114, 143, 147, 148}, 0, 0},
        {Francese, 0, 2, {103}, 0, 1},
        {Francese, 2, 0, {56}, 1, 0},
        {Spagnolo, 0, 0, {119}, 1, 0},
        {Spagnolo, 0, 1, {126}, 0, 0},
        {Inglese, 0, 0, {100, 101, 105, 110, 117, 121, 144, 148}, 1, 0},
        {Inglese, 0, 1, {49, 55, 59, 65, 114, 166}, 0, 0},
        {Inglese, 0, 1, {106}, 1, 0},
        {Inglese, 1, 0, {37, 39, 108}, 0, 0},
        {Inglese, 1, 1, {99}, 1, 0},
        {Inglese, 1, 2, {151}, 1, 0},
    };
    return righe;
}

inline const RigaBianchi* rigaBianchi(Lingua l, int k) {
    for (const RigaBianchi& r : righeBianchi())
        if (r.lingua == l && std::find(r.carte.begin(), r.carte.end(), k) != r.carte.end()) return &r;
    return nullptr;
}

// --- Texts that differ otherwise ----------------------------------------------

struct Lunghezza {
    Lingua lingua;
    int carta;
    int caratteri;
};

inline constexpr Lunghezza lunghezze[] = {
    {Italiano, 22, 229}, {Italiano, 28, 293}, {Italiano, 32, 519}, {Italiano, 36, 279},
    {Italiano, 37, 112}, {Italiano, 39, 410}, {Italiano, 42, 316}, {Italiano, 53, 322},
    {Italiano, 54, 584}, {Italiano, 70, 329}, {Italiano, 85, 496}, {Italiano, 91, 367},
    {Italiano, 94, 506}, {Italiano, 96, 239}, {Italiano, 103, 315}, {Italiano, 104, 207},
    {Italiano, 111, 330}, {Italiano, 118, 407}, {Italiano, 120, 554}, {Italiano, 132, 635},
    {Italiano, 135, 230}, {Italiano, 138, 482}, {Italiano, 142, 484}, {Italiano, 143, 331},
    {Italiano, 146, 189}, {Italiano, 147, 608}, {Italiano, 150, 629}, {Italiano, 155, 614},
    {Italiano, 157, 622}, {Italiano, 164, 509}, {Italiano, 167, 292}, {Francese, 1, 431},
    {Francese, 2, 473}, {Francese, 3, 481}, {Francese, 4, 363}, {Francese, 5, 377},
    {Francese, 6, 562}, {Francese, 13, 233}, {Francese, 14, 418}, {Francese, 15, 279},
    {Francese, 16, 144}, {Francese, 17, 187}, {Francese, 18, 316}, {Francese, 19, 218},
    {Francese, 24, 607}, {Francese, 31, 263}, {Francese, 57, 403}, {Francese, 61, 319},
    {Francese, 63, 170}, {Francese, 84, 421}, {Francese, 102, 315}, {Francese, 105, 331},
    {Francese, 107, 371}, {Francese, 124, 581}, {Francese, 163, 728}, {Spagnolo, 14, 676},
    {Spagnolo, 16, 176}, {Spagnolo, 20, 358}, {Spagnolo, 33, 533}, {Spagnolo, 101, 530},
    {Spagnolo, 120, 587}, {Spagnolo, 122, 413}, {Spagnolo, 143, 331}, {Spagnolo, 150, 619},
    {Inglese, 52, 295}, {Inglese, 72, 368}, {Inglese, 76, 438}, {Inglese, 80, 379},
    {Inglese, 81, 387}, {Inglese, 82, 245}, {Inglese, 84, 367}, {Inglese, 86, 496},
    {Inglese, 89, 419}, {Inglese, 91, 371}, {Inglese, 94, 542}, {Inglese, 97, 309},
    {Inglese, 107, 255}, {Inglese, 109, 281}, {Inglese, 111, 299}, {Inglese, 113, 134},
    {Inglese, 116, 480}, {Inglese, 118, 525}, {Inglese, 133, 520}, {Inglese, 139, 228},
    {Inglese, 140, 359}, {Inglese, 141, 320},
};

inline void PrintTo(const Lunghezza& l, std::ostream* os) {
    *os << nomeLingua(l.lingua) << " " << l.carta << ", " << l.caratteri << " characters";
}

inline std::optional<int> lunghezzaDi(Lingua l, int k) {
    for (const Lunghezza& r : lunghezze)
        if (r.lingua == l && r.carta == k) return r.caratteri;
    return std::nullopt;
}

// A fragment that tells a text from the map's description: on the map's side
// (in the description) or on the chronology's (in the text), and where.
enum Lato { Carta, Cronologia };
enum Dove {
    Inizia, Contiene, Finisce,
    Apre,    // begins with it, and no blank follows it
    Chiude,  // ends with it, and no blank comes before it
    NonInizia, NonContiene, NonFinisce,
};
struct Frammento {
    Lingua lingua;
    int carta;
    Lato lato;
    Dove dove;
    const char* testo;
};

// Italian 70 is missing its map's side ("221 B.C."): the Italian map opens
// with the Italian era, as its own content has it, so there the chronology's
// text is the description itself. Italian 150 and English 82 quote nothing
// (a name spelt otherwise); their edits are checked by undoing them.
inline constexpr Frammento frammenti[] = {
    {Italiano, 22, Carta, Contiene, "I Fenici inventano"},
    {Italiano, 22, Cronologia, Finisce, "la Siria."},
    {Italiano, 22, Cronologia, NonContiene, "I Fenici inventano"},
    {Italiano, 28, Carta, Contiene, "la capitale da"},
    {Italiano, 28, Cronologia, Contiene, "la capiatale da"},
    {Italiano, 32, Carta, Contiene, "capitale; il Regno"},
    {Italiano, 32, Cronologia, Contiene, "capitale; Il Regno"},
    {Italiano, 36, Carta, Apre, "722 a.C.   "},
    {Italiano, 36, Cronologia, Apre, "722 a.C. "},
    {Italiano, 37, Carta, Apre, "671 a.C.  "},
    {Italiano, 37, Cronologia, Apre, "671 a.C. "},
    {Italiano, 39, Carta, Apre, "626 a.C.   "},
    {Italiano, 39, Carta, Contiene, "degli Sciti."},
    {Italiano, 39, Cronologia, Apre, "626 a.C.    "},
    {Italiano, 39, Cronologia, Contiene, "degli Sciiti."},
    {Italiano, 42, Carta, Apre, "550 a.C.   "},
    {Italiano, 42, Cronologia, Apre, "550 a.C.  "},
    {Italiano, 53, Carta, Contiene, "vede di fronte ancora"},
    {Italiano, 53, Cronologia, Contiene, "vede difronte ancora"},
    {Italiano, 54, Carta, Finisce, "e Sciti."},
    {Italiano, 54, Cronologia, Finisce, "e Sciiti."},
    {Italiano, 70, Cronologia, Inizia, "221 a.C."},
    {Italiano, 85, Carta, Contiene, "degli Himyariti(di origine ebraica). Popolazione"},
    {Italiano, 85, Cronologia, Contiene, "degli Himyariti. Popolazione"},
    {Italiano, 91, Carta, NonInizia, "410 d.C."},
    {Italiano, 91, Cronologia, Apre, "410 d.C.  "},
    {Italiano, 94, Carta, Finisce, "città-Stato Maya. Popolazione mondiale: 190 milioni."},
    {Italiano, 94, Cronologia, Finisce, "città-Stato Maya."},
    {Italiano, 96, Carta, Apre, "526 d.C."},
    {Italiano, 96, Cronologia, Apre, "526 d.C.   "},
    {Italiano, 103, Carta, Contiene, "Romano Impero. In Europa viene istituzionalizzata la società feudale."},
    {Italiano, 103, Cronologia, Contiene, "Romano Impero."},
    {Italiano, 103, Cronologia, NonContiene, "In Europa viene istituzionalizzata la società feudale."},
    {Italiano, 104, Carta, Contiene, "il tiolo di"},
    {Italiano, 104, Cronologia, Contiene, "il titolo di"},
    {Italiano, 111, Carta, Contiene, "sull'Adriatico. Inizia il periodo dei Comuni"},
    {Italiano, 111, Cronologia, Finisce, "sull'Adriatico."},
    {Italiano, 118, Carta, Contiene, "dei Veneziani. Cade"},
    {Italiano, 118, Carta, Contiene, "si forma un Regno Latino."},
    {Italiano, 118, Carta, Contiene, "I Bizantini sono relegati"},
    {Italiano, 118, Cronologia, Contiene, "dei Veneziani, Cade"},
    {Italiano, 118, Cronologia, Contiene, "si formano dei regni latini."},
    {Italiano, 118, Cronologia, NonContiene, "I Bizantini sono relegati"},
    {Italiano, 120, Carta, Contiene, "l'autorità imperiale ai"},
    {Italiano, 120, Cronologia, Contiene, "l'autorità imperiali ai"},
    {Italiano, 132, Carta, Contiene, "Gli Olandesi, protestanti, lottano però per"},
    {Italiano, 132, Cronologia, Contiene, "Qui però le province del Nord, protestanti, lottano per"},
    {Italiano, 135, Carta, Inizia, "1660"},
    {Italiano, 135, Carta, Contiene, "Nel 1559 viene firmata"},
    {Italiano, 135, Carta, Contiene, "Altre guerre si sono combattute"},
    {Italiano, 135, Cronologia, Inizia, "1659"},
    {Italiano, 135, Cronologia, Contiene, "Viene firmata"},
    {Italiano, 135, Cronologia, NonContiene, "Nel 1559"},
    {Italiano, 135, Cronologia, Contiene, "Dopo la Pace di Westfalia,"},
    {Italiano, 138, Carta, Finisce, "della Gran Bretagna."},
    {Italiano, 138, Cronologia, Finisce, "del Regno Unito."},
    {Italiano, 142, Carta, Contiene, "dalla Gran Bretagna."},
    {Italiano, 142, Cronologia, Contiene, "dal Regno Unito."},
    {Italiano, 143, Carta, Finisce, "ridisegnate."},
    {Italiano, 143, Cronologia, Finisce, "ridisegnate e rinominate."},
    {Italiano, 146, Carta, Contiene, "L'organizzazione dell'Impero"},
    {Italiano, 146, Cronologia, Contiene, "Divisione amministrativa dell'Impero"},
    {Italiano, 146, Cronologia, Contiene, "infatti, per sfuggire"},
    {Italiano, 147, Carta, Contiene, "Vienna. la Francia"},
    {Italiano, 147, Cronologia, Contiene, "Vienna. La Francia"},
    {Italiano, 155, Carta, Contiene, "Negli Ultimi 50"},
    {Italiano, 155, Cronologia, Contiene, "Negli ultimi 50"},
    {Italiano, 157, Carta, Contiene, "e Lorena; l'Italia, Trento,"},
    {Italiano, 157, Cronologia, Contiene, "e Lorena, l'Italia Trento,"},
    {Italiano, 164, Carta, NonContiene, "Popolazione mondiale: 4 000 milioni."},
    {Italiano, 164, Cronologia, Finisce, ". Popolazione mondiale: 4 000 milioni."},
    {Italiano, 167, Carta, Contiene, "civile, anche la"},
    {Italiano, 167, Cronologia, Contiene, "civile, Anche la"},

    {Francese, 1, Carta, Inizia, "5000 Av.J.C."},
    {Francese, 1, Cronologia, Inizia, " 5000AV.JC."},
    {Francese, 2, Carta, Inizia, "3300 Av.J.C."},
    {Francese, 2, Cronologia, Inizia, "3300 AV.JC."},
    {Francese, 3, Carta, Inizia, "3100 Av.J.C."},
    {Francese, 3, Cronologia, Inizia, "3100 AV.JC.:"},
    {Francese, 3, Cronologia, Chiude, " "},
    {Francese, 4, Carta, Inizia, "3000 Av.J.C."},
    {Francese, 4, Cronologia, Inizia, "3000AV J.C:"},
    {Francese, 5, Carta, Inizia, "2350 Av.J.C."},
    {Francese, 5, Cronologia, Inizia, "2650 AV JC.:"},
    {Francese, 5, Cronologia, Chiude, " "},
    {Francese, 6, Carta, Inizia, "2220 Av.J.C."},
    {Francese, 6, Carta, Contiene, "Basse Egypte.   "},
    {Francese, 6, Cronologia, Inizia, "2230 AV JC:"},
    {Francese, 6, Cronologia, Contiene, "en l'une en Haute Egypte"},
    {Francese, 6, Cronologia, Contiene, "Basse Egypte. "},
    {Francese, 6, Cronologia, NonContiene, "Basse Egypte.  "},
    {Francese, 13, Carta, Inizia, "1760 Av.-J.C.:"},
    {Francese, 13, Cronologia, Inizia, "1760 AV JC:"},
    {Francese, 14, Carta, Inizia, "1685 Av.-J.C.:"},
    {Francese, 14, Cronologia, Inizia, "1685 AVJC:"},
    {Francese, 15, Carta, Inizia, "1650 Av.-J.C.:"},
    {Francese, 15, Cronologia, Inizia, "1650 AV JC:"},
    {Francese, 16, Carta, Inizia, "1595 Av.-J.C.:"},
    {Francese, 16, Cronologia, Inizia, "1595 AV JC:"},
    {Francese, 17, Carta, Inizia, "1580 Av.-J.C.:"},
    {Francese, 17, Cronologia, Inizia, "1580 AV JC:"},
    {Francese, 18, Carta, Inizia, "1550 Av.-J.C.:"},
    {Francese, 18, Cronologia, Inizia, "1550 AV JC:"},
    {Francese, 19, Carta, Inizia, "1512 Av.-J.C.:"},
    {Francese, 19, Cronologia, Inizia, "1512 AV JC:"},
    {Francese, 24, Carta, Contiene, "mélanésiennes partent de l'Indochine et s'orientent vers"},
    {Francese, 24, Cronologia, Apre, " "},
    {Francese, 24, Cronologia, Chiude, " "},
    {Francese, 24, Cronologia, Contiene, "mélanésiennes s'orientent vers"},
    {Francese, 31, Carta, Contiene, "avant J.-C. Les"},
    {Francese, 31, Cronologia, Apre, " "},
    {Francese, 31, Cronologia, Contiene, "avant J.-C.. Les"},
    {Francese, 57, Carta, Inizia, "382 Av.J.-C."},
    {Francese, 57, Carta, Contiene, "d'Olinthe."},
    {Francese, 57, Cronologia, Inizia, " 382 Av.JC. "},
    {Francese, 57, Cronologia, Contiene, "d'Olinthus (Olynthe ?)."},
    {Francese, 61, Carta, Inizia, "333 av. J.- C."},
    {Francese, 61, Cronologia, Inizia, " 336 av. J.- C. "},
    {Francese, 63, Carta, Contiene, "perse,  et la détruit"},
    {Francese, 63, Cronologia, Apre, " "},
    {Francese, 63, Cronologia, Contiene, "perse, qu'il détruit"},
    {Francese, 84, Carta, Finisce, "."},
    {Francese, 84, Cronologia, Apre, " "},
    {Francese, 84, Cronologia, NonFinisce, "."},
    {Francese, 102, Carta, Contiene, "s'affacent "},
    {Francese, 102, Cronologia, Apre, " "},
    {Francese, 102, Cronologia, Chiude, " "},
    {Francese, 102, Cronologia, Contiene, "s'affacent  "},
    {Francese, 105, Carta, Inizia, "870 Ap.J.C. "},
    {Francese, 105, Cronologia, Inizia, "870 Ap.J.C.. "},
    {Francese, 107, Carta, Finisce, "260 millions."},
    {Francese, 107, Cronologia, Finisce, "260 millions  "},
    {Francese, 124, Carta, Contiene, "l 'empire Ottoman"},
    {Francese, 124, Cronologia, Contiene, "l'empire Ottoman"},
    {Francese, 163, Carta, Contiene, "Guerre des Six jours (3ème guerre israélo-arabe)."},
    {Francese, 163, Carta, Contiene, "sur trois fronts simultanément: contre l'Egypte"},
    {Francese, 163, Carta, Contiene, "En six jours"},
    {Francese, 163, Carta, Contiene, "c'est la 4ème guerre"},
    {Francese, 163, Carta, Contiene, "L'entreprise échoue."},
    {Francese, 163, Carta, Contiene, "Israël refuse. En"},
    {Francese, 163, Carta, Contiene, "Les autres Territoires sont encore"},
    {Francese, 163, Cronologia, Contiene, "Guerre des Six jours ."},
    {Francese, 163, Cronologia, NonContiene, "sur trois fronts simultanément:"},
    {Francese, 163, Cronologia, NonContiene, "En six jours"},
    {Francese, 163, Cronologia, NonContiene, "c'est la 4ème guerre"},
    {Francese, 163, Cronologia, NonContiene, "L'entreprise échoue."},
    {Francese, 163, Cronologia, Contiene, "le Sinaï."},
    {Francese, 163, Cronologia, Contiene, "Israël refuse.En"},
    {Francese, 163, Cronologia, NonContiene, "Les autres Territoires sont encore"},

    {Spagnolo, 14, Carta, Finisce, "."},
    {Spagnolo, 14, Cronologia, NonFinisce, "."},
    {Spagnolo, 16, Carta, Contiene, "Los casitas"},
    {Spagnolo, 16, Cronologia, Contiene, "Los Casitas"},
    {Spagnolo, 20, Carta, Contiene, "aqueos"},
    {Spagnolo, 20, Cronologia, Contiene, "Aqueos. Los Aqueos"},
    {Spagnolo, 20, Cronologia, NonContiene, "aqueos"},
    {Spagnolo, 33, Carta, Contiene, "los arios"},
    {Spagnolo, 33, Cronologia, Contiene, "los Arios"},
    {Spagnolo, 101, Carta, Contiene, "cultura Huari."},
    {Spagnolo, 101, Cronologia, Contiene, "culturaHuari."},
    {Spagnolo, 120, Carta, Contiene, "El Khanato de la Horda de Oro"},
    {Spagnolo, 120, Cronologia, Contiene, "El khanato de la Horda de Oro"},
    {Spagnolo, 122, Carta, Contiene, "al Khanato"},
    {Spagnolo, 122, Cronologia, Contiene, "al khanato"},
    {Spagnolo, 143, Carta, Finisce, "."},
    {Spagnolo, 143, Cronologia, NonFinisce, "."},
    {Spagnolo, 150, Carta, Contiene, "Rumanía."},
    {Spagnolo, 150, Cronologia, Contiene, "Rumania."},

    {Inglese, 52, Carta, Finisce, "."},
    {Inglese, 52, Cronologia, NonFinisce, "."},
    {Inglese, 72, Carta, Contiene, "CHINA: the HAN dynasty rises to the imperial throne."},
    {Inglese, 72, Cronologia, Contiene, "CHINA: ascends the throne of the HAN dynasty."},
    {Inglese, 76, Carta, Apre, "133 B.C.  "},
    {Inglese, 76, Carta, Contiene, "as inheritance"},
    {Inglese, 76, Carta, Finisce, "empire)."},
    {Inglese, 76, Cronologia, Apre, "133 B.C. "},
    {Inglese, 76, Cronologia, Contiene, "Due "},
    {Inglese, 76, Cronologia, Contiene, "as a tribute"},
    {Inglese, 76, Cronologia, Finisce, "empire ) ."},
    {Inglese, 80, Carta, Contiene, "(this one fears Caesar reputation)"},
    {Inglese, 80, Carta, Contiene, "he crosses"},
    {Inglese, 80, Cronologia, Inizia, "51 B.C. Caesar finishes the conquest of the Transalpine Gaul."},
    {Inglese, 80, Cronologia, Contiene, "that fear its reputation"},
    {Inglese, 80, Cronologia, Contiene, "Caesar crosses"},
    {Inglese, 81, Carta, Contiene, "He is an adopted son of Caesar."},
    {Inglese, 81, Cronologia, Contiene, "governs, who is an adopted grandson of Caesar, whom Caesar adopted as a son."},
    {Inglese, 84, Carta, Contiene, "obtain the maximum extension of the empire."},
    {Inglese, 84, Carta, Contiene, "migrations of history is continuing from hundreds of years:"},
    {Inglese, 84, Cronologia, Contiene, "catches up its maximum extension."},
    {Inglese, 84, Cronologia, Contiene, "migrations of its history for hundreds of years,"},
    {Inglese, 84, Cronologia, Contiene, "the u probably original of Cameroon"},
    {Inglese, 86, Carta, Contiene, "Queen Zenobia makes the reign of Palmira independent."},
    {Inglese, 86, Cronologia, Contiene, "To Palmira, Queen Zenobia makes her reign independent."},
    {Inglese, 89, Carta, Contiene, "Pontifex Maximus"},
    {Inglese, 89, Cronologia, Contiene, "Pontefix Maximum"},
    {Inglese, 91, Carta, Contiene, "is divided between"},
    {Inglese, 91, Cronologia, Contiene, "is uniform between"},
    {Inglese, 94, Carta, Contiene, "Oriental Roman Empire controls"},
    {Inglese, 94, Carta, Contiene, "the Mayans are building their cities."},
    {Inglese, 94, Cronologia, Contiene, "Oriental Roman Empire Roman controls"},
    {Inglese, 94, Cronologia, Contiene, "the Mayans assert their cities."},
    {Inglese, 97, Carta, Contiene, "the Gothic Wars,"},
    {Inglese, 97, Carta, Contiene, "Bavarians,"},
    {Inglese, 97, Carta, Contiene, "are growing."},
    {Inglese, 97, Cronologia, Contiene, "the gotic wars,"},
    {Inglese, 97, Cronologia, Contiene, "Baiuvars,"},
    {Inglese, 97, Cronologia, Contiene, "are asserted."},
    {Inglese, 107, Carta, Apre, " "},
    {Inglese, 107, Carta, Contiene, "continue to fragment."},
    {Inglese, 107, Carta, Contiene, "Wessex"},
    {Inglese, 107, Carta, Finisce, "World population: 260 million."},
    {Inglese, 107, Cronologia, Apre, " "},
    {Inglese, 107, Cronologia, Finisce, "continue to fragment.  World population: 260 million."},
    {Inglese, 107, Cronologia, NonContiene, "Wessex"},
    {Inglese, 107, Cronologia, NonContiene, "Sicily"},
    {Inglese, 109, Carta, Apre, " "},
    {Inglese, 109, Carta, Finisce, "."},
    {Inglese, 109, Cronologia, NonInizia, " "},
    {Inglese, 109, Cronologia, NonFinisce, "."},
    {Inglese, 111, Carta, Apre, " "},
    {Inglese, 111, Carta, Finisce, "."},
    {Inglese, 111, Cronologia, NonInizia, " "},
    {Inglese, 111, Cronologia, NonFinisce, "."},
    {Inglese, 113, Carta, Apre, " "},
    {Inglese, 113, Carta, Finisce, "."},
    {Inglese, 113, Cronologia, NonInizia, " "},
    {Inglese, 113, Cronologia, NonFinisce, "."},
    {Inglese, 116, Carta, Apre, " "},
    {Inglese, 116, Carta, Finisce, "."},
    {Inglese, 116, Cronologia, NonInizia, " "},
    {Inglese, 116, Cronologia, NonFinisce, "."},
    {Inglese, 118, Carta, Apre, " "},
    {Inglese, 118, Carta, Finisce, "."},
    {Inglese, 118, Cronologia, NonInizia, " "},
    {Inglese, 118, Cronologia, NonFinisce, "."},
    {Inglese, 133, Carta, Finisce, "."},
    {Inglese, 133, Cronologia, NonFinisce, "."},
    {Inglese, 139, Carta, Finisce, "participate and take Polish territory."},
    {Inglese, 139, Cronologia, Finisce, "participate and acquire Poland territories."},
    {Inglese, 140, Carta, Finisce, "a war that removes further Polish territories."},
    {Inglese, 140, Cronologia, Finisce, "a war and they acquire other Polish territories."},
    {Inglese, 141, Carta, Contiene, "by military force after which Poland ceases to exist."},
    {Inglese, 141, Cronologia, Contiene, "by military force. Poland disappears."},
};

inline bool vale(const QString& s, Dove dove, const QString& f) {
    const auto bianco = [](QChar c) { return c == QLatin1Char(' '); };
    switch (dove) {
        case Inizia: return s.startsWith(f);
        case Contiene: return s.contains(f);
        case Finisce: return s.endsWith(f);
        case Apre: return s.startsWith(f) && (s.size() == f.size() || !bianco(s[f.size()]));
        case Chiude: return s.endsWith(f) && (s.size() == f.size() || !bianco(s[s.size() - f.size() - 1]));
        case NonInizia: return !s.startsWith(f);
        case NonContiene: return !s.contains(f);
        case NonFinisce: return !s.endsWith(f);
    }
    return false;
}

inline std::string nomeDove(Dove d) {
    static const char* const nomi[] = {"begin with",          "contain",        "end with",        "open exactly with",
                                       "close exactly with",  "not begin with", "not contain",     "not end with"};
    return nomi[d];
}

inline std::string citato(const QString& s) { return "\"" + s.toStdString() + "\""; }

// The map's description with the edits undone, one by one from the last:
// each puts the map's passage back where the chronology's fragment stands.
inline std::optional<QString> disfa(QString testo, const std::vector<cronologia::Applicata>& applicate,
                                    std::vector<std::string>& problemi) {
    for (auto it = applicate.rbegin(); it != applicate.rend(); ++it) {
        const QString& c = it->dellaCronologia;
        qsizetype dove = -1;
        switch (it->modifica->dove) {
            case cronologia::Dove::Inizio: dove = testo.startsWith(c) ? 0 : -1; break;
            case cronologia::Dove::Fine: dove = testo.endsWith(c) ? testo.size() - c.size() : -1; break;
            case cronologia::Dove::Ovunque: dove = c.isEmpty() ? -1 : testo.indexOf(c); break;
        }
        if (dove < 0) {
            problemi.push_back("the chronology's fragment " + citato(c) + " is not where its edit puts it");
            return std::nullopt;
        }
        testo.replace(dove, c.size(), it->dellaCarta);
    }
    return testo;
}

// Everything wrong with text k of a language against the map's description;
// nothing when the text is right.
inline std::vector<std::string> problemiDelTesto(Lingua l, int k, const QString& descrizione, const QString& testo) {
    std::vector<std::string> problemi;
    if (const RigaBianchi* b = rigaBianchi(l, k)) {
        if (!vale(descrizione, Apre, QString(b->inizioCarta, QLatin1Char(' '))) ||
            !vale(descrizione, Chiude, QString(b->fineCarta, QLatin1Char(' '))))
            problemi.push_back("the map's description has other end blanks than the table says");
        qsizetype da = 0, a = descrizione.size();
        while (da < a && descrizione[da] == QLatin1Char(' ')) ++da;
        while (a > da && descrizione[a - 1] == QLatin1Char(' ')) --a;
        const QString atteso =
            QString(b->inizio, QLatin1Char(' ')) + descrizione.mid(da, a - da) + QString(b->fine, QLatin1Char(' '));
        if (testo != atteso) problemi.push_back("is " + citato(testo) + ", not " + citato(atteso));
        return problemi;
    }
    const std::optional<int> lunghezza = lunghezzaDi(l, k);
    if (!lunghezza) {
        if (testo != descrizione) problemi.push_back("is " + citato(testo) + ", not the map's " + citato(descrizione));
        return problemi;
    }
    const auto modifiche = cronologia::ModificheDi(k, l);
    const cronologia::Esito esito = cronologia::ApplicaModifiche(descrizione, modifiche);
    for (const Frammento& f : frammenti) {
        if (f.lingua != l || f.carta != k || f.lato != Carta) continue;
        if (!vale(descrizione, f.dove, QString::fromUtf8(f.testo)))
            problemi.push_back("the map's description should " + nomeDove(f.dove) + " " + citato(QString::fromUtf8(f.testo)));
    }
    for (const cronologia::Modifica* m : esito.mancanti)
        problemi.push_back("the map's description lacks " + citato(QString::fromUtf8(m->dellaCarta)) +
                           (m->finoA ? " ... " + citato(QString::fromUtf8(m->finoA)) : std::string()));
    // Without its edits the text is the description: nothing more to tell.
    if (!esito.mancanti.empty()) return problemi;
    if (modifiche.empty()) problemi.push_back("no edits make it from the map's description");
    if (testo.size() != *lunghezza)
        problemi.push_back(std::to_string(testo.size()) + " characters, not " + std::to_string(*lunghezza));
    for (const Frammento& f : frammenti) {
        if (f.lingua != l || f.carta != k || f.lato != Cronologia) continue;
        if (!vale(testo, f.dove, QString::fromUtf8(f.testo)))
            problemi.push_back("the text should " + nomeDove(f.dove) + " " + citato(QString::fromUtf8(f.testo)));
    }
    if (const std::optional<QString> disfatto = disfa(testo, esito.applicate, problemi); disfatto && *disfatto != descrizione)
        problemi.push_back("undone, it is " + citato(*disfatto) + ", not the map's description");
    return problemi;
}

inline std::string elenco(const std::vector<std::string>& problemi) {
    std::string s;
    for (const std::string& p : problemi) s += "\n  - " + p;
    return s;
}

}  // namespace prova
