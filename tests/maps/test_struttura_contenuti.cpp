// Every map's content keeps to the shape the overlay expects: label indices
// 0..35 in ascending order, no index twice, N within range, captions short
// enough for a label, and a description in each language.
#include <gtest/gtest.h>

#include <set>

#include "maps/TutteLeCarte.h"
#include "tests/maps/VerificaContenuto.h"

namespace {

struct Voce {
    int numero;
    const contenuti::ContenutoCarta* contenuto;
};

const Voce tutte[] = {{1, &contenuti::ac5000}, {2, &contenuti::ac3300}, {3, &contenuti::ac3100}, {4, &contenuti::ac3000}, {5, &contenuti::ac2350}, {6, &contenuti::ac2220}, {7, &contenuti::ac2112}, {8, &contenuti::ac2061}, {9, &contenuti::ac2004}, {10, &contenuti::ac2000}, {11, &contenuti::ac1950}, {12, &contenuti::ac1810}, {13, &contenuti::ac1760}, {14, &contenuti::ac1685}, {15, &contenuti::ac1650}, {16, &contenuti::ac1595}, {17, &contenuti::ac1580}, {18, &contenuti::ac1550}, {19, &contenuti::ac1512}, {20, &contenuti::ac1400}, {21, &contenuti::ac1365}, {22, &contenuti::ac1286}, {23, &contenuti::ac1280}, {24, &contenuti::ac1250}, {25, &contenuti::ac1230}, {26, &contenuti::ac1200}, {27, &contenuti::ac1157}, {28, &contenuti::ac1120}, {29, &contenuti::ac1100}, {30, &contenuti::ac1085}, {31, &contenuti::ac1020}, {32, &contenuti::ac900}, {33, &contenuti::ac770}, {34, &contenuti::ac745}, {35, &contenuti::ac732}, {36, &contenuti::ac722}, {37, &contenuti::ac671}, {38, &contenuti::ac652}, {39, &contenuti::ac626}, {40, &contenuti::ac612}, {41, &contenuti::ac587}, {42, &contenuti::ac550}, {43, &contenuti::ac536}, {44, &contenuti::ac525}, {45, &contenuti::ac512}, {46, &contenuti::ac500}, {47, &contenuti::ac492}, {48, &contenuti::ac490}, {49, &contenuti::ac481}, {50, &contenuti::ac480}, {51, &contenuti::ac479}, {52, &contenuti::ac461}, {53, &contenuti::ac431}, {54, &contenuti::ac403}, {55, &contenuti::ac396}, {56, &contenuti::ac390}, {57, &contenuti::ac382}, {58, &contenuti::ac357}, {59, &contenuti::ac348}, {60, &contenuti::ac338}, {61, &contenuti::ac333}, {62, &contenuti::ac332}, {63, &contenuti::ac331}, {64, &contenuti::ac329}, {65, &contenuti::ac326}, {66, &contenuti::ac301}, {67, &contenuti::ac290}, {68, &contenuti::ac264}, {69, &contenuti::ac241}, {70, &contenuti::ac221}, {71, &contenuti::ac212}, {72, &contenuti::ac202}, {73, &contenuti::ac198}, {74, &contenuti::ac188}, {75, &contenuti::ac146}, {76, &contenuti::ac133}, {77, &contenuti::ac106}, {78, &contenuti::ac83}, {79, &contenuti::ac59}, {80, &contenuti::ac51}, {81, &contenuti::zero}, {82, &contenuti::dc14}, {83, &contenuti::dc87}, {84, &contenuti::dc117}, {85, &contenuti::dc250}, {86, &contenuti::dc268}, {87, &contenuti::dc290}, {88, &contenuti::dc320}, {89, &contenuti::dc330}, {90, &contenuti::dc378}, {91, &contenuti::dc410}, {92, &contenuti::dc451}, {93, &contenuti::dc476}, {94, &contenuti::dc500}, {95, &contenuti::dc500eu}, {96, &contenuti::dc526}, {97, &contenuti::dc565}, {98, &contenuti::dc600}, {99, &contenuti::dc700}, {100, &contenuti::dc732}, {101, &contenuti::dc750}, {102, &contenuti::dc774}, {103, &contenuti::dc800}, {104, &contenuti::dc843}, {105, &contenuti::dc870}, {106, &contenuti::dc900}, {107, &contenuti::dc1000}, {108, &contenuti::dc1000eu}, {109, &contenuti::dc1032}, {110, &contenuti::dc1075}, {111, &contenuti::dc1092}, {112, &contenuti::dc1100}, {113, &contenuti::dc1120}, {114, &contenuti::dc1160}, {115, &contenuti::dc1180}, {116, &contenuti::dc1200}, {117, &contenuti::dc1200eu}, {118, &contenuti::dc1205}, {119, &contenuti::dc1260}, {120, &contenuti::dc1270}, {121, &contenuti::dc1300}, {122, &contenuti::dc1300eu}, {123, &contenuti::dc1328}, {124, &contenuti::dc1400}, {125, &contenuti::dc1400eu}, {126, &contenuti::dc1420}, {127, &contenuti::dc1470}, {128, &contenuti::dc1500}, {129, &contenuti::dc1500eu}, {130, &contenuti::dc1530}, {131, &contenuti::dc1600}, {132, &contenuti::dc1600eu}, {133, &contenuti::dc1618}, {134, &contenuti::dc1648}, {135, &contenuti::dc1660}, {136, &contenuti::dc1700}, {137, &contenuti::dc1700eu}, {138, &contenuti::dc1748}, {139, &contenuti::dc1772}, {140, &contenuti::dc1793}, {141, &contenuti::dc1795}, {142, &contenuti::dc1800}, {143, &contenuti::dc1803}, {144, &contenuti::dc1808}, {145, &contenuti::dc1812}, {146, &contenuti::dc1812eu}, {147, &contenuti::dc1815}, {148, &contenuti::dc1833}, {149, &contenuti::dc1850}, {150, &contenuti::dc1861}, {151, &contenuti::dc1866}, {152, &contenuti::dc1871}, {153, &contenuti::dc1878}, {154, &contenuti::dc1882}, {155, &contenuti::dc1900}, {156, &contenuti::dc1913}, {157, &contenuti::dc1919}, {158, &contenuti::dc1925}, {159, &contenuti::dc1938}, {160, &contenuti::dc1939}, {161, &contenuti::dc1945}, {162, &contenuti::dc1950}, {163, &contenuti::dc1967}, {164, &contenuti::dc1975}, {165, &contenuti::dc1990}, {166, &contenuti::dc1991}, {167, &contenuti::dc1992}, {168, &contenuti::dc2000}};

TEST(StrutturaContenuti, OgniCartaHaUnContenutoProprio) {
    ASSERT_EQ(std::size(tutte), 168u);
    std::set<const contenuti::ContenutoCarta*> visti;
    for (const Voce& v : tutte) EXPECT_TRUE(visti.insert(v.contenuto).second) << "map " << v.numero;
}

TEST(StrutturaContenuti, IndiciCrescentiDentroLeTrentaseiEtichette) {
    for (const Voce& v : tutte) {
        int precedente = -1;
        for (const contenuti::EtichettaCarta& e : v.contenuto->etichette) {
            EXPECT_GT(e.indice, precedente) << "map " << v.numero;
            EXPECT_GE(e.indice, 0) << "map " << v.numero;
            EXPECT_LE(e.indice, 35) << "map " << v.numero;
            precedente = e.indice;
        }
        const int N = v.contenuto->primaDaPulire;
        EXPECT_TRUE(N == contenuti::NessunaPulizia || (N >= 0 && N <= 35)) << "map " << v.numero;
    }
}

TEST(StrutturaContenuti, DidascalieEDescrizioniScritte) {
    for (const Voce& v : tutte) {
        const auto& c = *v.contenuto;
        EXPECT_FALSE(c.etichette.empty()) << "map " << v.numero;
        for (const contenuti::EtichettaCarta& e : c.etichette)
            for (const char* d : e.didascalia) {
                if (d) {
                    EXPECT_LE(verifica::caratteri(d), 35u) << "map " << v.numero << " label " << e.indice;
                }
            }
        for (const char* d : c.descrizione) {
            ASSERT_NE(d, nullptr) << "map " << v.numero;
            EXPECT_GE(verifica::caratteri(d), 80u) << "map " << v.numero;
        }
    }
}

}  // namespace
