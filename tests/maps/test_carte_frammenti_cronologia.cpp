// The chronology shows, for some maps, a text that differs from the map's own
// description by a small edit (a word set right, a sentence left out, other
// blanks after the year). Each such edit starts from words that the map's
// description must hold exactly, odd spellings included: were one of them
// reworded here, the chronology's text could no longer be derived from the
// map's. This table lists those words, map by map and language by language.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

using namespace contenuti;

enum class Dove {
    Dentro,            // anywhere in the description
    AllInizio,         // the description begins with it
    AllaFine,          // the description ends with it
    PrefissoEBianchi,  // the year prefix and exactly these blanks, then a word
    Assente,           // the description must not hold it
};

struct Frammento {
    const char* nome;
    int numero;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* testo;
    Dove dove;
};

void PrintTo(const Frammento& f, std::ostream* os) { *os << f.nome; }

// Map 70 in Italian stays out: its opening is "221 a.C.", as the map shows it,
// although the chronology's note speaks of a map text beginning "221 B.C.".
// Map 150 in Italian misspells Garibaldi on purpose: the chronology sets it right.
const Frammento frammenti[] = {
    {"Italiano22", 22, &ac1286, Italiano, "la Siria. I Fenici inventano", Dove::Dentro},
    {"Italiano28", 28, &ac1120, Italiano, "la capitale da", Dove::Dentro},
    {"Italiano32", 32, &ac900, Italiano, "capitale; il Regno", Dove::Dentro},
    {"Italiano36", 36, &ac722, Italiano, "722 a.C.   ", Dove::PrefissoEBianchi},
    {"Italiano37", 37, &ac671, Italiano, "671 a.C.  ", Dove::PrefissoEBianchi},
    {"Italiano39_1", 39, &ac626, Italiano, "626 a.C.   ", Dove::PrefissoEBianchi},
    {"Italiano39_2", 39, &ac626, Italiano, "degli Sciti.", Dove::Dentro},
    {"Italiano42", 42, &ac550, Italiano, "550 a.C.   ", Dove::PrefissoEBianchi},
    {"Italiano53", 53, &ac431, Italiano, "vede di fronte ancora", Dove::Dentro},
    {"Italiano54", 54, &ac403, Italiano, "e Sciti.", Dove::AllaFine},
    {"Italiano85", 85, &dc250, Italiano, "degli Himyariti(di origine ebraica). Popolazione", Dove::Dentro},
    {"Italiano91", 91, &dc410, Italiano, "410 d.C.", Dove::Assente},
    {"Italiano94", 94, &dc500, Italiano, "città-Stato Maya. Popolazione mondiale: 190 milioni.", Dove::AllaFine},
    {"Italiano96", 96, &dc526, Italiano, "526 d.C.", Dove::PrefissoEBianchi},
    {"Italiano103", 103, &dc800, Italiano, "Romano Impero. In Europa viene istituzionalizzata la società feudale.", Dove::Dentro},
    {"Italiano104", 104, &dc843, Italiano, "il tiolo di", Dove::Dentro},
    {"Italiano111", 111, &dc1092, Italiano, "sull'Adriatico. Inizia il periodo dei Comuni", Dove::Dentro},
    {"Italiano118_1", 118, &dc1205, Italiano, "dei Veneziani. Cade", Dove::Dentro},
    {"Italiano118_2", 118, &dc1205, Italiano, "si forma un Regno Latino.   I Bizantini sono relegati", Dove::Dentro},
    {"Italiano120", 120, &dc1270, Italiano, "l'autorità imperiale ai", Dove::Dentro},
    {"Italiano132", 132, &dc1600eu, Italiano, "Gli Olandesi, protestanti, lottano però per", Dove::Dentro},
    {"Italiano135_1", 135, &dc1660, Italiano, "1660", Dove::AllInizio},
    {"Italiano135_2", 135, &dc1660, Italiano, "Nel 1559", Dove::Dentro},
    {"Italiano135_3", 135, &dc1660, Italiano, "Altre guerre si sono combattute", Dove::Dentro},
    {"Italiano138", 138, &dc1748, Italiano, "della Gran Bretagna.", Dove::AllaFine},
    {"Italiano142", 142, &dc1800, Italiano, "dalla Gran Bretagna.", Dove::Dentro},
    {"Italiano143", 143, &dc1803, Italiano, "ridisegnate.", Dove::AllaFine},
    {"Italiano146_1", 146, &dc1812eu, Italiano, "L'organizzazione dell'Impero", Dove::Dentro},
    {"Italiano146_2", 146, &dc1812eu, Italiano, "per sfuggire", Dove::Dentro},
    {"Italiano147", 147, &dc1815, Italiano, "Vienna. la Francia", Dove::Dentro},
    {"Italiano150", 150, &dc1861, Italiano, "Garibladi", Dove::Dentro},
    {"Italiano155", 155, &dc1900, Italiano, "Negli Ultimi 50", Dove::Dentro},
    {"Italiano157", 157, &dc1919, Italiano, "e Lorena; l'Italia, Trento,", Dove::Dentro},
    {"Italiano164", 164, &dc1975, Italiano, "Popolazione mondiale", Dove::Assente},
    {"Italiano167", 167, &dc1992, Italiano, "civile, anche la", Dove::Dentro},
    {"Francese1", 1, &ac5000, Francese, "5000 Av.J.C.", Dove::AllInizio},
    {"Francese2", 2, &ac3300, Francese, "3300 Av.J.C.", Dove::AllInizio},
    {"Francese3", 3, &ac3100, Francese, "3100 Av.J.C.", Dove::AllInizio},
    {"Francese4", 4, &ac3000, Francese, "3000 Av.J.C.", Dove::AllInizio},
    {"Francese5", 5, &ac2350, Francese, "2350 Av.J.C.", Dove::AllInizio},
    {"Francese6_1", 6, &ac2220, Francese, "2220 Av.J.C.", Dove::AllInizio},
    {"Francese6_2", 6, &ac2220, Francese, "l'une en Haute Egypte", Dove::Dentro},
    {"Francese6_3", 6, &ac2220, Francese, "Basse Egypte.   ", Dove::Dentro},
    {"Francese13", 13, &ac1760, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese15", 15, &ac1650, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese16", 16, &ac1595, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese17", 17, &ac1580, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese18", 18, &ac1550, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese19", 19, &ac1512, Francese, "Av.-J.C.:", Dove::Dentro},
    {"Francese14", 14, &ac1685, Francese, "1685 Av.-J.C.:", Dove::AllInizio},
    {"Francese24", 24, &ac1250, Francese, "mélanésiennes partent de l'Indochine et s'orientent vers", Dove::Dentro},
    {"Francese31", 31, &ac1020, Francese, "avant J.-C. Les", Dove::Dentro},
    {"Francese57_1", 57, &ac382, Francese, "382 Av.J.-C.", Dove::AllInizio},
    {"Francese57_2", 57, &ac382, Francese, "d'Olinthe.", Dove::Dentro},
    {"Francese61", 61, &ac333, Francese, "333 av. J.- C.", Dove::AllInizio},
    {"Francese63", 63, &ac331, Francese, "perse,  et la détruit", Dove::Dentro},
    {"Francese84", 84, &dc117, Francese, ".", Dove::AllaFine},
    {"Francese102", 102, &dc774, Francese, "s'affacent ", Dove::Dentro},
    {"Francese105", 105, &dc870, Francese, "870 Ap.J.C.", Dove::AllInizio},
    {"Francese107", 107, &dc1000, Francese, "260 millions.", Dove::AllaFine},
    {"Francese124", 124, &dc1400, Francese, "l 'empire Ottoman", Dove::Dentro},
    {"Francese163_1", 163, &dc1967, Francese, "Guerre des Six jours (3ème guerre israélo-arabe).", Dove::Dentro},
    {"Francese163_2", 163, &dc1967, Francese, "sur trois fronts simultanément: contre l'Egypte", Dove::Dentro},
    {"Francese163_3", 163, &dc1967, Francese, "En six jours", Dove::Dentro},
    {"Francese163_4", 163, &dc1967, Francese, "c'est la 4ème guerre", Dove::Dentro},
    {"Francese163_5", 163, &dc1967, Francese, "L'entreprise échoue.", Dove::Dentro},
    {"Francese163_6", 163, &dc1967, Francese, "Les autres Territoires sont encore", Dove::Dentro},
    {"Francese163_7", 163, &dc1967, Francese, "Israël refuse. En", Dove::Dentro},
    {"Spagnolo14", 14, &ac1685, Spagnolo, ".", Dove::AllaFine},
    {"Spagnolo16", 16, &ac1595, Spagnolo, "Los casitas", Dove::Dentro},
    {"Spagnolo20", 20, &ac1400, Spagnolo, "aqueos", Dove::Dentro},
    {"Spagnolo33", 33, &ac770, Spagnolo, "los arios", Dove::Dentro},
    {"Spagnolo101", 101, &dc750, Spagnolo, "cultura Huari.", Dove::Dentro},
    {"Spagnolo120", 120, &dc1270, Spagnolo, "El Khanato de la Horda de Oro", Dove::Dentro},
    {"Spagnolo122", 122, &dc1300eu, Spagnolo, "al Khanato", Dove::Dentro},
    {"Spagnolo143", 143, &dc1803, Spagnolo, ".", Dove::AllaFine},
    {"Spagnolo150", 150, &dc1861, Spagnolo, "Rumanía.", Dove::Dentro},
    {"Inglese52", 52, &ac461, Inglese, ".", Dove::AllaFine},
    {"Inglese72", 72, &ac202, Inglese, "CHINA: the HAN dynasty rises to the imperial throne.", Dove::Dentro},
    {"Inglese76_1", 76, &ac133, Inglese, "133 B.C.  ", Dove::PrefissoEBianchi},
    {"Inglese76_2", 76, &ac133, Inglese, "due", Dove::Dentro},
    {"Inglese76_3", 76, &ac133, Inglese, "as inheritance", Dove::Dentro},
    {"Inglese76_4", 76, &ac133, Inglese, "empire).", Dove::AllaFine},
    {"Inglese80_1", 80, &ac51, Inglese, "(this one fears Caesar reputation)", Dove::Dentro},
    {"Inglese80_2", 80, &ac51, Inglese, "he crosses", Dove::Dentro},
    {"Inglese81", 81, &zero, Inglese, "He is an adopted son of Caesar.", Dove::Dentro},
    {"Inglese82", 82, &dc14, Inglese, "Octavian Augustus", Dove::Dentro},
    {"Inglese84_1", 84, &dc117, Inglese, "obtain the maximum extension of the empire.", Dove::Dentro},
    {"Inglese84_2", 84, &dc117, Inglese, "migrations of history is continuing from hundreds of years:", Dove::Dentro},
    {"Inglese86", 86, &dc268, Inglese, "Queen Zenobia makes the reign of Palmira independent.", Dove::Dentro},
    {"Inglese89", 89, &dc330, Inglese, "Pontifex Maximus", Dove::Dentro},
    {"Inglese91", 91, &dc410, Inglese, "is divided between", Dove::Dentro},
    {"Inglese94_1", 94, &dc500, Inglese, "Oriental Roman Empire controls", Dove::Dentro},
    {"Inglese94_2", 94, &dc500, Inglese, "the Mayans are building their cities.", Dove::Dentro},
    {"Inglese97_1", 97, &dc565, Inglese, "the Gothic Wars,", Dove::Dentro},
    {"Inglese97_2", 97, &dc565, Inglese, "Bavarians,", Dove::Dentro},
    {"Inglese97_3", 97, &dc565, Inglese, "are growing.", Dove::Dentro},
    {"Inglese107_1", 107, &dc1000, Inglese, " ", Dove::AllInizio},
    {"Inglese107_2", 107, &dc1000, Inglese, "continue to fragment.", Dove::Dentro},
    {"Inglese107_3", 107, &dc1000, Inglese, "World population: 260 million.", Dove::AllaFine},
    {"Inglese109_1", 109, &dc1032, Inglese, " ", Dove::AllInizio},
    {"Inglese109_2", 109, &dc1032, Inglese, ".", Dove::AllaFine},
    {"Inglese111_1", 111, &dc1092, Inglese, " ", Dove::AllInizio},
    {"Inglese111_2", 111, &dc1092, Inglese, ".", Dove::AllaFine},
    {"Inglese113_1", 113, &dc1120, Inglese, " ", Dove::AllInizio},
    {"Inglese113_2", 113, &dc1120, Inglese, ".", Dove::AllaFine},
    {"Inglese116_1", 116, &dc1200, Inglese, " ", Dove::AllInizio},
    {"Inglese116_2", 116, &dc1200, Inglese, ".", Dove::AllaFine},
    {"Inglese118_1", 118, &dc1205, Inglese, " ", Dove::AllInizio},
    {"Inglese118_2", 118, &dc1205, Inglese, ".", Dove::AllaFine},
    {"Inglese133", 133, &dc1618, Inglese, ".", Dove::AllaFine},
    {"Inglese139", 139, &dc1772, Inglese, "participate and take Polish territory.", Dove::AllaFine},
    {"Inglese140", 140, &dc1793, Inglese, "a war that removes further Polish territories.", Dove::AllaFine},
    {"Inglese141", 141, &dc1795, Inglese, "by military force after which Poland ceases to exist.", Dove::Dentro},
};

class FrammentiCitati : public testing::TestWithParam<Frammento> {};

TEST_P(FrammentiCitati, StaNellaDescrizioneDellaCarta) {
    const Frammento& f = GetParam();
    const std::string_view d = f.carta->descrizione[f.lingua];
    const std::string_view t = f.testo;
    switch (f.dove) {
    case Dove::Dentro:
        EXPECT_NE(d.find(t), std::string_view::npos) << "map " << f.numero << " lacks \"" << t << "\"";
        break;
    case Dove::AllInizio:
        EXPECT_TRUE(verifica::iniziaCon(d, t)) << "map " << f.numero << " does not begin \"" << t << "\"";
        break;
    case Dove::AllaFine:
        EXPECT_TRUE(d.size() >= t.size() && d.substr(d.size() - t.size()) == t)
            << "map " << f.numero << " does not end \"" << t << "\"";
        break;
    case Dove::PrefissoEBianchi:
        EXPECT_TRUE(verifica::iniziaCon(d, t) && d.size() > t.size() && d[t.size()] != ' ')
            << "map " << f.numero << " does not begin \"" << t << "\" followed by a word";
        break;
    case Dove::Assente:
        EXPECT_EQ(d.find(t), std::string_view::npos) << "map " << f.numero << " holds \"" << t << "\"";
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Cronologia, FrammentiCitati, testing::ValuesIn(frammenti),
                         [](const testing::TestParamInfo<Frammento>& info) { return std::string(info.param.nome); });

}  // namespace
