// The hidden music window over the real synthesizer (no audio driver, faster
// than real time): Play, Stop, the chain at the end of a track, failures, and
// the main window's speaker switches.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "music/FMMediaVel.h"
#include "tests/support/FinestraPrincipale.h"
#include "tests/support/MidiProva.h"
#include "toolkit/Casuale.h"

namespace {

using ModtavolaVel::brano;
constexpr double velocita = 20.0;  // seconds of music per second of test

class Musica : public prova::FinestraPrincipale {
protected:
    Musica() {
        forma::MMControl::setAudioDisabled(true);
        forma::MMControl::setRenderSpeed(velocita);
        for (const char* nome : BraniMusicali) traccia(nome, 4.0);
    }
    ~Musica() override {
        forma::MMControl::setRenderSpeed(1.0);
        forma::MMControl::setTrackLimit(forma::MMControl::LimiteBrano);
        forma::MMControl::setLoadingHeld(false);
    }

    void traccia(const char* nome, double secondi) {
        cartella.file(QString::fromLatin1(nome).replace('\\', '/'), prova::midi(secondi));
    }
    static FMMediaVel& musica() { return forma::Finestra<FMMediaVel>(); }
    static forma::MMControl& controllo() { return musica().MMControl1; }
    static void play() { musica().Command1.setValue(true); }
    static void stop() { musica().Command2.setValue(true); }
    // Runs the event loop until the condition holds or the time runs out.
    static bool attendi(const std::function<bool()>& condizione, int ms = 8000) {
        QElapsedTimer t;
        t.start();
        while (!condizione() && t.elapsed() < ms) QTest::qWait(10);
        return condizione();
    }
    // Seeds the generator so that the chain's next draw differs from `b`:
    // a chain then shows in `brano`.
    static void semeCheNonDa(std::int16_t b) {
        std::uint64_t seme = 1;
        do forma::Randomize(++seme);
        while (forma::BranoCasuale() == b);
        forma::Randomize(seme);
    }
};

TEST_F(Musica, PlayApreIlBranoEStopChiude) {
    brano = 3;
    play();
    EXPECT_EQ(controllo().FileName(), QStringLiteral("suoni900\\air.mid"));
    EXPECT_EQ(controllo().Mode(), 526);
    EXPECT_FALSE(musica().isVisible());
    stop();
    EXPECT_EQ(controllo().Mode(), 524);
    stop();  // twice: nothing happens
    EXPECT_EQ(controllo().Mode(), 524);
    // After Stop no track starts by itself.
    QTest::qWait(600);
    EXPECT_EQ(controllo().Mode(), 524);
    EXPECT_EQ(brano, 3);
}

TEST_F(Musica, UnBranoFuoriDaUnoAQuindiciRiapreIlFilePrecedente) {
    for (int fuori : {0, 16, -1}) {
        brano = 15;
        play();
        brano = static_cast<std::int16_t>(fuori);
        play();
        EXPECT_EQ(controllo().FileName(), QStringLiteral("suoni900\\serenatella.mid")) << fuori;
        EXPECT_EQ(controllo().Mode(), 526) << fuori;
    }
}

TEST_F(Musica, PlayDuranteUnBranoRicominciaDaCapo) {
    forma::MMControl::setRenderSpeed(4.0);  // half a track lasts half a second here
    semeCheNonDa(1);
    brano = 1;
    play();
    // Halfway through the 4-s track, Play again: the same track starts over.
    ASSERT_TRUE(attendi([] { return controllo().Position() >= 2000; }));
    const int restava = 4000 - controllo().Position();
    play();
    // Well past the point where the first play would have ended, the same
    // track still plays, and no chain has drawn another.
    ASSERT_TRUE(attendi([&] { return controllo().Position() > restava + 500; }));
    EXPECT_EQ(controllo().Mode(), 526);
    EXPECT_EQ(brano, 1);
    EXPECT_EQ(controllo().FileName(), QStringLiteral("suoni900\\sonata-c.mid"));
}

// The next track starts within half a second (of the track's own time) of the
// end of the sequence, also for a track that would sound or run for ever.
TEST_F(Musica, IlBranoSeguenteParteAllaFineDellaSequenza) {
    forma::MMControl::setTrackLimit(3000);
    struct Caso {
        const char* nome;
        QByteArray dati;
        int fine;  // ms
    };
    const std::vector<Caso> casi = {
        {"a 2-s track", prova::midi(2.0), 2000},
        {"a chord never released", prova::midiNotaTenuta(1.5), 1500},
        {"a delta time of 0x0FFFFFFF, at the limit", prova::midiSenzaFine(false), 3000},
        {"the slowest tempo at one tick a beat, at the limit", prova::midiSenzaFine(true), 3000},
    };
    int posizione = -1;
    const std::function<void()> catena = controllo().StatusUpdate;
    controllo().StatusUpdate = [&] {
        if (posizione < 0) posizione = controllo().Position();
        catena();
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        cartella.file(QStringLiteral("suoni900/passport.mid"), caso.dati);
        semeCheNonDa(2);
        posizione = -1;
        brano = 2;
        play();
        ASSERT_TRUE(attendi([] { return brano != 2; })) << "no next track";
        EXPECT_GE(posizione, caso.fine);
        EXPECT_LE(posizione, caso.fine + 500);
        EXPECT_EQ(controllo().Mode(), 526);
        EXPECT_EQ(controllo().FileName(), QString::fromLatin1(BraniMusicali[static_cast<std::size_t>(brano - 1)]));
        stop();
    }
}

// Stop and Play pressed while the synthesizer is still loading act as they
// would once it has loaded: nothing sounds after Stop, and after a second
// Play its track plays and the chain goes on from its end.
TEST_F(Musica, StopEPlayDuranteIlCaricamento) {
    struct Caso {
        const char* nome;
        std::function<void()> premi;
        int modo;
        bool suona;
    };
    const std::vector<Caso> casi = {
        {"Play, Stop",
         [] {
             brano = 3;
             play();
             stop();
         },
         524, false},
        {"Play, Play another",
         [] {
             brano = 3;
             play();
             brano = 5;
             play();
         },
         526, true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        forma::MMControl::setLoadingHeld(true);
        semeCheNonDa(5);
        caso.premi();
        EXPECT_EQ(controllo().Mode(), caso.modo);
        forma::MMControl::setLoadingHeld(false);
        if (caso.suona) {
            EXPECT_EQ(controllo().FileName(), QStringLiteral("suoni900\\canyon.mid"));
            ASSERT_TRUE(attendi([] { return controllo().Sounding(); }));
            ASSERT_TRUE(attendi([] { return brano != 5; })) << "the chain was lost";
            EXPECT_EQ(controllo().Mode(), 526);
        } else {
            bool suonato = false;
            attendi([&] { return (suonato = suonato || controllo().Sounding()); }, 600);  // past the track's end
            EXPECT_FALSE(suonato);
            EXPECT_EQ(controllo().Mode(), 524);
            EXPECT_EQ(brano, 3);
        }
        forma::DistruggiTutte();  // a new music window, loading afresh
    }
}

// Exit pressed while the synthesizer is still loading: Stop, the end of the
// process, and the windows go without waiting for the loading.
TEST_F(Musica, EsciDuranteIlCaricamento) {
    forma::MMControl::setLoadingHeld(true);
    Tavolavel& t = mostra();
    EXPECT_EQ(controllo().Mode(), 526);  // start-up pressed Play
    clic(t, t.Labesci);
    EXPECT_EQ(fine, 1);
    EXPECT_EQ(controllo().Mode(), 524);
    EXPECT_FALSE(controllo().Sounding());
    forma::DistruggiTutte();
    EXPECT_FALSE(forma::Esiste<FMMediaVel>());
}

TEST_F(Musica, AllaFineDiUnBranoNeSegueUnAltroACaso) {
    // The chain draws from the generator as it stands (no reseed): with a
    // known seed the next track is known.
    std::uint64_t seme = 1;
    std::int16_t atteso = 0;
    do {
        forma::Randomize(++seme);
        atteso = forma::BranoCasuale();
    } while (atteso == 2);
    forma::Randomize(seme);
    brano = 2;
    play();
    ASSERT_TRUE(attendi([&] { return brano == atteso; })) << "no new track after the end";
    EXPECT_EQ(controllo().FileName(), QString::fromLatin1(BraniMusicali[static_cast<std::size_t>(atteso - 1)]));
    EXPECT_EQ(controllo().Mode(), 526);
    // And it goes on: the next end chains again.
    const std::int16_t secondo = brano;
    forma::Randomize(seme);
    forma::BranoCasuale();
    const std::int16_t terzo = forma::BranoCasuale();
    forma::Randomize(seme);
    forma::BranoCasuale();
    ASSERT_TRUE(attendi([&] { return controllo().Mode() == 525 || brano != secondo || terzo == secondo; }));
    if (terzo != secondo) {
        EXPECT_TRUE(attendi([&] { return brano == terzo; }));
    }
}

TEST_F(Musica, UnFileMancanteOGuastoDaSilenzioSenzaRiprovare) {
    cartella.file(QStringLiteral("suoni900/canyon.mid"), QByteArray("MThd not a real file"));
    QFile::remove(cartella.percorso() + QStringLiteral("/suoni900/air2.mid"));
    for (std::int16_t b : {std::int16_t(4), std::int16_t(5)}) {
        brano = b;
        ::testing::internal::CaptureStderr();
        play();
        QTest::qWait(400);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(controllo().Mode(), 524) << b;
        EXPECT_EQ(brano, b) << "no chain starts from a device that never opened";
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    // The next Play tries again, and a good track plays.
    brano = 6;
    play();
    EXPECT_EQ(controllo().Mode(), 526);
}

TEST_F(Musica, GliAltoparlantiDellaFinestraPrincipale) {
    Tavolavel& t = mostra();
    EXPECT_GE(brano, 1);
    EXPECT_LE(brano, 15);
    EXPECT_EQ(controllo().Mode(), 526);  // start-up pressed Play
    clic(t, t.Label4);
    EXPECT_EQ(t.Image7.Picture()->origine, QStringLiteral("atlante\\altoparlanti2.jpg"));
    EXPECT_EQ(controllo().Mode(), 524);
    clic(t, t.Label4);  // off again: Stop again, nothing else
    EXPECT_EQ(controllo().Mode(), 524);
    clic(t, t.Label3);
    EXPECT_EQ(t.Image7.Picture()->origine, QStringLiteral("atlante\\altoparlanti1.jpg"));
    EXPECT_EQ(controllo().Mode(), 526);
    EXPECT_EQ(controllo().FileName(), QString::fromLatin1(BraniMusicali[static_cast<std::size_t>(brano - 1)]));
}

}  // namespace
