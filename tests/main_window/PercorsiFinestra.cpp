// The check of the route tables, once for every group of maps.
#include "tests/main_window/PercorsiFinestra.h"

#include "maps/ContenutoCarta.h"

namespace percorsi {

namespace {

long coloreProgettato(int etichetta) { return etichetta <= 9 ? 0xC00000 : 0x000000; }

}  // namespace

TEST_P(Percorsi, LaCartaMostraCioCheLaStradaLeLascia) {
    using ModtavolaVel::numcarta;
    Tavolavel& t = mostra();
    GetParam().strada(t);
    ASSERT_EQ(numcarta, GetParam().carta);
    for (const Atteso& a : GetParam().attesi) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(a.etichetta)];
        SCOPED_TRACE(a.etichetta);
        if (a.didascalia) {
            EXPECT_EQ(l.Caption(), QString::fromUtf8(a.didascalia));
        }
        if (a.top >= 0) {
            EXPECT_EQ(l.Top(), a.top);
        }
        if (a.left >= 0) {
            EXPECT_EQ(l.Left(), a.left);
        }
        if (a.colore >= 0) {
            EXPECT_EQ(l.ForeColor(), static_cast<forma::Colore>(a.colore));
        }
        if (a.colore != progettato) continue;
        EXPECT_EQ(l.ForeColor(), static_cast<forma::Colore>(coloreProgettato(a.etichetta)));
        for (int k = 1; k <= numcarta; ++k)
            for (const contenuti::EtichettaCarta& e : schedaDi(k)->dati->etichette)
                EXPECT_FALSE(e.indice == a.etichetta && e.ForeColor) << "map " << k << " colours the label";
    }
    if (const char* inizio = GetParam().inizioTesto) {
        const QString testo = t.Text1.Text();
        EXPECT_TRUE(testo.startsWith(QString::fromUtf8(inizio))) << testo.left(30).toStdString();
    }
    if (GetParam().descrizione) {
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(GetParam().descrizione));
    }
}

}  // namespace percorsi
