// The check of the route tables, once for every group of maps.
#include "tests/main_window/PercorsiFinestra.h"

#include "maps/ContenutoCarta.h"

namespace percorsi {

namespace {

using ModtavolaVel::numcarta;

long coloreProgettato(int etichetta) { return etichetta <= 9 ? 0xC00000 : 0x000000; }

void verificaAttesi(const Tavolavel& t, const std::vector<Atteso>& attesi) {
    for (const Atteso& a : attesi) {
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
}

}  // namespace

void overlayComeIDati(const Tavolavel& t, const contenuti::ContenutoCarta& c, contenuti::Lingua l) {
    for (const contenuti::EtichettaCarta& e : c.etichette) {
        SCOPED_TRACE(e.indice);
        const forma::Label& label = *t.Label1[static_cast<std::size_t>(e.indice)];
        EXPECT_EQ(label.Top(), static_cast<float>(e.posizione->Top));
        EXPECT_EQ(label.Left(), static_cast<float>(e.posizione->Left));
        EXPECT_EQ(label.ForeColor(), *e.ForeColor);
        EXPECT_EQ(label.Caption(), QString::fromUtf8(e.didascalia[l]));
    }
    EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(c.descrizione[l]));
}

void comeLaCarta(const Tavolavel& t, const contenuti::ContenutoCarta& c, contenuti::Lingua l) {
    overlayComeIDati(t, c, l);
    if (c.primaDaPulire != contenuti::NessunaPulizia) {
        for (int i = c.primaDaPulire; i < contenuti::NumeroEtichette; ++i) {
            EXPECT_TRUE(t.Label1[static_cast<std::size_t>(i)]->Caption().isEmpty()) << i;
        }
    }
}

TEST_P(Percorsi, LaCartaMostraCioCheLaStradaLeLascia) {
    Tavolavel& t = mostra();
    GetParam().strada(t);
    ASSERT_EQ(numcarta, GetParam().carta);
    verificaAttesi(t, GetParam().attesi);
    if (const char* inizio = GetParam().inizioTesto) {
        const QString testo = t.Text1.Text();
        EXPECT_TRUE(testo.startsWith(QString::fromUtf8(inizio))) << testo.left(30).toStdString();
    }
    if (GetParam().descrizione) {
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(GetParam().descrizione));
    }
}

TEST_P(PercorsiComeLaCarta, OgniEtichettaEQuellaDellaCarta) {
    const PercorsoComeLaCarta& p = GetParam();
    Tavolavel& t = mostra();
    p.strada(t);
    ASSERT_EQ(numcarta, p.carta);
    for (const contenuti::EtichettaCarta& e : p.contenuto->etichette) {
        const forma::Label& l = *t.Label1[static_cast<std::size_t>(e.indice)];
        SCOPED_TRACE(e.indice);
        EXPECT_EQ(l.Top(), static_cast<float>(e.posizione->Top));
        EXPECT_EQ(l.Left(), static_cast<float>(e.posizione->Left));
        EXPECT_EQ(l.ForeColor(), static_cast<forma::Colore>(*e.ForeColor));
        if (p.lingua >= 0) {
            EXPECT_EQ(l.Caption(), QString::fromUtf8(e.didascalia[static_cast<std::size_t>(p.lingua)]));
        }
    }
    if (p.lingua >= 0) {
        EXPECT_EQ(t.Text1.Text(), QString::fromUtf8(p.contenuto->descrizione[static_cast<std::size_t>(p.lingua)]));
    }
    verificaAttesi(t, p.attesi);
    if (p.inizioTesto) {
        EXPECT_TRUE(t.Text1.Text().startsWith(QString::fromUtf8(p.inizioTesto))) << t.Text1.Text().toStdString();
    }
}

TEST_P(PercorsiVerificati, LasciaLaSovrapposizioneAttesa) {
    Tavolavel& t = mostra();
    GetParam().strada(t);
    GetParam().verifica(t);
}

}  // namespace percorsi
