// The multimedia control against the real synthesizer, rendering to nowhere
// and faster than real time, with small MIDI files written here.
#include "toolkit/MMControl.h"

#include <gtest/gtest.h>

#include "tests/support/MidiProva.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using forma::MMControl;

namespace {

constexpr double VelocitaProve = 20.0;

// Runs the event loop until the condition holds or the time is up.
bool attendi(const std::function<bool()>& condizione, int millisecondi) {
    QElapsedTimer orologio;
    orologio.start();
    while (!condizione()) {
        if (orologio.elapsed() > millisecondi) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

// Runs the event loop for a while, checking something all along.
void scorri(int millisecondi, const std::function<void()>& controllo) {
    QElapsedTimer orologio;
    orologio.start();
    while (orologio.elapsed() < millisecondi) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        controllo();
        QThread::msleep(2);
    }
    controllo();
}

// Runs the event loop for a while; the first mode that differed from the
// expected one, or the expected one when the mode never left it.
int modoDurante(const MMControl& controllo, int atteso, int millisecondi) {
    int trovato = atteso;
    scorri(millisecondi, [&] {
        if (trovato == atteso) trovato = controllo.Mode();
    });
    return trovato;
}

using prova::midi;

void scrivi(const QString& percorso, const QByteArray& dati) {
    QDir().mkpath(QFileInfo(percorso).path());
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << percorso.toStdString();
    file.write(dati);
}

int righe(const std::string& testo) {
    int n = 0;
    for (char c : testo) n += c == '\n';
    return n;
}

// Counts a control's end-of-track notifications and keeps the position the
// last one reported.
struct FineBrano {
    int eventi = 0;
    int posizione = -1;
    explicit FineBrano(MMControl& controllo) {
        controllo.StatusUpdate = [this, &controllo] {
            ++eventi;
            posizione = controllo.Position();
        };
    }
    FineBrano(const FineBrano&) = delete;
    FineBrano& operator=(const FineBrano&) = delete;
};

class MMControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(cartella.isValid());
        breve = cartella.filePath(QStringLiteral("breve.mid"));
        lungo = cartella.filePath(QStringLiteral("lungo.mid"));
        scrivi(breve, midi(0.3));
        scrivi(lungo, midi(6.0));  // 0.3 s at the test speed
        MMControl::setAudioDisabled(true);
        MMControl::setRenderSpeed(VelocitaProve);
    }

    void TearDown() override {
        MMControl::setAudioDisabled(true);
        MMControl::setRenderSpeed(VelocitaProve);
        MMControl::setTrackLimit(MMControl::LimiteBrano);
        MMControl::setLoadingHeld(false);
        MMControl::setSynthLibrary(QString());
    }

    QTemporaryDir cartella;
    QString breve;
    QString lungo;
};

// Open, Play, the natural end and Close, with the status event raised from
// the event loop while the device reads 525, never inside a command.
TEST_F(MMControlTest, BranoSuonatoFinoAllaFine) {
    MMControl controllo;
    bool inComando = false;
    int eventi = 0;
    std::vector<int> modiAllEvento;
    controllo.StatusUpdate = [&] {
        EXPECT_FALSE(inComando) << "status event raised inside a command";
        ++eventi;
        modiAllEvento.push_back(controllo.Mode());
    };
    auto comando = [&](const char* parola) {
        inComando = true;
        controllo.setCommand(QString::fromLatin1(parola));
        inComando = false;
    };

    EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
    controllo.setFileName(breve);
    comando("Open");
    EXPECT_EQ(controllo.Mode(), MMControl::ModoPronto);
    comando("Play");
    EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
    EXPECT_EQ(eventi, 0);

    ASSERT_TRUE(attendi([&] { return eventi > 0; }, 5000)) << "the track never ended";
    EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
    ASSERT_EQ(modiAllEvento.size(), 1u);
    EXPECT_EQ(modiAllEvento[0], MMControl::ModoFermo);

    comando("Close");
    EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
    scorri(200, [] {});
    EXPECT_EQ(eventi, 1);
}

// The music window's chain: at the end, close, open and play again from the
// status event; it keeps running, one track after the other, until a Close.
TEST_F(MMControlTest, CatenaDallEventoDiStato) {
    MMControl controllo;
    int finiti = 0;
    controllo.StatusUpdate = [&] {
        if (controllo.Mode() != MMControl::ModoFermo) return;
        ++finiti;
        controllo.setCommand(QStringLiteral("close"));
        controllo.setFileName(breve);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
    };
    controllo.setFileName(breve);
    controllo.setCommand(QStringLiteral("Open"));
    controllo.setCommand(QStringLiteral("Play"));
    ASSERT_TRUE(attendi([&] { return finiti >= 3; }, 10000)) << "chain stopped after " << finiti;
    EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);

    controllo.setCommand(QStringLiteral("Close"));
    const int allaChiusura = finiti;
    EXPECT_EQ(modoDurante(controllo, MMControl::ModoNonAperto, 300), MMControl::ModoNonAperto);
    EXPECT_EQ(finiti, allaChiusura);
}

// Stopping a track before its end must never read as a finished track.
TEST_F(MMControlTest, ChiusoPrimaDellaFineNonEFinito) {
    struct Caso {
        const char* nome;
        std::function<void(MMControl&)> dopoPlay;
        int modoAtteso;
    };
    const std::vector<Caso> casi = {
        {"close", [](MMControl& c) { c.setCommand(QStringLiteral("Close")); }, MMControl::ModoNonAperto},
        {"close then open again",
         [](MMControl& c) {
             c.setCommand(QStringLiteral("Close"));
             c.setCommand(QStringLiteral("Open"));
         },
         MMControl::ModoPronto},
        {"open again while playing", [](MMControl& c) { c.setCommand(QStringLiteral("Open")); },
         MMControl::ModoPronto},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        MMControl controllo;
        int eventi = 0;
        controllo.StatusUpdate = [&] { ++eventi; };
        controllo.setFileName(lungo);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        scorri(60, [] {});
        ASSERT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
        caso.dopoPlay(controllo);
        // Well past the end the track would have had.
        EXPECT_EQ(modoDurante(controllo, caso.modoAtteso, 700), caso.modoAtteso);
        EXPECT_EQ(eventi, 0);
    }
}

// Play while playing goes on; Play after the end starts the track again.
TEST_F(MMControlTest, PlayRipetuto) {
    MMControl controllo;
    int eventi = 0;
    controllo.StatusUpdate = [&] { ++eventi; };
    controllo.setFileName(breve);
    controllo.setCommand(QStringLiteral("Open"));
    controllo.setCommand(QStringLiteral("Play"));
    controllo.setCommand(QStringLiteral("Play"));
    EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
    ASSERT_TRUE(attendi([&] { return eventi == 1; }, 5000));
    controllo.setCommand(QStringLiteral("Play"));
    EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
    ASSERT_TRUE(attendi([&] { return eventi == 2; }, 5000));
    EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
}

// The end of a track is the end of its sequence: the status event comes
// within half a second of it, in the track's own time, not once the sound
// has died away (which a chord never released would never do).
TEST_F(MMControlTest, LaFineELaFineDellaSequenza) {
    struct Caso {
        const char* nome;
        QByteArray dati;
        int durata;  // ms
    };
    const std::vector<Caso> casi = {
        {"scale", midi(2.0), 2000},
        {"chord never released", prova::midiNotaTenuta(1.0), 1000},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const QString percorso = cartella.filePath(QStringLiteral("fine.mid"));
        scrivi(percorso, caso.dati);
        MMControl controllo;
        FineBrano fine(controllo);
        controllo.setFileName(percorso);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        ASSERT_TRUE(attendi([&] { return fine.eventi > 0; }, 10000)) << "the track never ended";
        EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
        EXPECT_GE(fine.posizione, caso.durata);
        EXPECT_LE(fine.posizione, caso.durata + 500);
    }
}

// A track whose end lies days or years away ends at the length limit, which
// counts as its end; the control then goes on playing other tracks.
TEST_F(MMControlTest, UnBranoSenzaFineFinisceAlLimite) {
    MMControl::setTrackLimit(1500);
    for (bool tempoMassimo : {false, true}) {
        SCOPED_TRACE(tempoMassimo ? "slowest tempo, one tick a beat" : "delta time 0x0FFFFFFF");
        const QString percorso = cartella.filePath(QStringLiteral("senzafine.mid"));
        scrivi(percorso, prova::midiSenzaFine(tempoMassimo));
        MMControl controllo;
        FineBrano fine(controllo);
        controllo.setFileName(percorso);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        ASSERT_TRUE(attendi([&] { return fine.eventi == 1; }, 10000)) << "the track never ended";
        EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
        EXPECT_GE(fine.posizione, 1500);
        EXPECT_LE(fine.posizione, 2000);
        controllo.setCommand(QStringLiteral("Close"));
        controllo.setFileName(breve);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        ASSERT_TRUE(attendi([&] { return fine.eventi == 2; }, 5000));
        EXPECT_LE(fine.posizione, 300 + 500);
    }
}

// While the synthesizer is still loading, the commands act as they would
// once it is loaded: the mode answers at once, a Close leaves nothing to
// sound when the loading ends, and only the last Play is heard.
TEST_F(MMControlTest, ComandiDuranteIlCaricamento) {
    struct Caso {
        const char* nome;
        std::function<void(MMControl&, const QString& breve, const QString& lungo)> comandi;
        int modo;      // right after the commands, and after the loading
        bool finisce;  // the short track then plays to its end, once
    };
    auto apriESuona = [](MMControl& c, const QString& file) {
        c.setFileName(file);
        c.setCommand(QStringLiteral("Open"));
        c.setCommand(QStringLiteral("Play"));
    };
    const std::vector<Caso> casi = {
        {"Play, Close",
         [&](MMControl& c, const QString&, const QString& lungo) {
             apriESuona(c, lungo);
             EXPECT_EQ(c.Mode(), MMControl::ModoInRiproduzione);
             c.setCommand(QStringLiteral("Close"));
         },
         MMControl::ModoNonAperto, false},
        {"Play, Close, Open",
         [&](MMControl& c, const QString& breve, const QString& lungo) {
             apriESuona(c, lungo);
             c.setCommand(QStringLiteral("Close"));
             c.setFileName(breve);
             c.setCommand(QStringLiteral("Open"));
         },
         MMControl::ModoPronto, false},
        {"Play, then Close and Play another track",
         [&](MMControl& c, const QString& breve, const QString& lungo) {
             apriESuona(c, lungo);
             c.setCommand(QStringLiteral("Close"));
             apriESuona(c, breve);
         },
         MMControl::ModoInRiproduzione, true},
        {"Play twice",
         [&](MMControl& c, const QString& breve, const QString&) {
             apriESuona(c, breve);
             c.setCommand(QStringLiteral("Play"));
         },
         MMControl::ModoInRiproduzione, true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        MMControl::setLoadingHeld(true);
        MMControl controllo;
        FineBrano fine(controllo);
        caso.comandi(controllo, breve, lungo);
        EXPECT_EQ(controllo.Mode(), caso.modo);
        scorri(50, [] {});
        EXPECT_FALSE(controllo.Sounding());
        MMControl::setLoadingHeld(false);
        if (caso.finisce) {
            ASSERT_TRUE(attendi([&] { return fine.eventi == 1; }, 5000));
            EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
            EXPECT_LE(fine.posizione, 300 + 500) << "not the short track";
            scorri(400, [] {});
            EXPECT_EQ(fine.eventi, 1);
        } else {
            // Well past the time the long track would have taken.
            bool suonato = false;
            scorri(900, [&] { suonato = suonato || controllo.Sounding(); });
            EXPECT_FALSE(suonato);
            EXPECT_EQ(controllo.Mode(), caso.modo);
            EXPECT_EQ(fine.eventi, 0);
        }
    }
}

// A control that goes while its synthesizer is loading (held, or really
// under way) goes at once and cleanly.
TEST_F(MMControlTest, DistruttoDuranteIlCaricamento) {
    for (bool trattenuto : {true, false}) {
        SCOPED_TRACE(trattenuto ? "held" : "under way");
        MMControl::setLoadingHeld(trattenuto);
        auto controllo = std::make_unique<MMControl>();
        controllo->setFileName(lungo);
        controllo->setCommand(QStringLiteral("Open"));
        controllo->setCommand(QStringLiteral("Play"));
        controllo.reset();
        MMControl::setLoadingHeld(false);
    }
}

// Only the instruments a track uses are loaded, and each channel that plays
// has its instrument: the default piano, the default drum kit on channel 10,
// the program chosen before the first note or after it, also when the next
// track swaps instruments between channels.
TEST_F(MMControlTest, OgniCanaleCheSuonaHaIlSuoStrumento) {
    using Eventi = std::vector<std::uint8_t>;
    // Events at tick 0, then a quarter of a second of notes on the channel.
    auto brano = [](const Eventi& prima, int canale, int nota, const Eventi& dopo = {}) {
        Eventi t = prima;
        const auto on = std::uint8_t(0x90 | canale), off = std::uint8_t(0x80 | canale);
        t.insert(t.end(), {0x00, on, std::uint8_t(nota), 0x70, 0x81, 0x70, off, std::uint8_t(nota), 0x40});
        t.insert(t.end(), dopo.begin(), dopo.end());
        t.insert(t.end(), {0x00, 0xFF, 0x2F, 0x00});
        return prova::fileMidi(480, t);
    };
    struct Caso {
        const char* nome;
        std::vector<QByteArray> brani;  // played one after the other on one control
        bool suona;
    };
    const std::vector<Caso> casi = {
        {"piano by default", {brano({}, 0, 60)}, true},
        {"drum kit by default on channel 10", {brano({}, 9, 38)}, true},
        {"a program before the first note", {brano({0x00, 0xC0, 19}, 0, 60)}, true},
        {"a program after the first note",
         {brano({}, 2, 60, {0x00, 0xC2, 48, 0x00, 0x92, 64, 0x70, 0x81, 0x70, 0x82, 64, 0x40})}, true},
        {"instruments swapped between channels",
         {brano({0x00, 0xC0, 19, 0x00, 0xC1, 0, 0x00, 0x91, 48, 0x70}, 0, 60),
          brano({0x00, 0xC0, 0, 0x00, 0xC1, 19, 0x00, 0x90, 48, 0x70}, 1, 60)},
         true},
        {"no notes at all", {brano({}, 0, 60).replace(QByteArray("\x90\x3C\x70", 3), QByteArray("\x90\x3C\x00", 3))},
         false},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        MMControl controllo;
        int eventi = 0;
        double livello = -1;
        controllo.StatusUpdate = [&] {
            ++eventi;
            livello = controllo.Level();
        };
        for (std::size_t i = 0; i < caso.brani.size(); ++i) {
            const QString percorso = cartella.filePath(QStringLiteral("strumento%1.mid").arg(i));
            scrivi(percorso, caso.brani[i]);
            controllo.setCommand(QStringLiteral("Close"));
            controllo.setFileName(percorso);
            controllo.setCommand(QStringLiteral("Open"));
            controllo.setCommand(QStringLiteral("Play"));
            ASSERT_TRUE(attendi([&] { return eventi == int(i) + 1; }, 5000));
            if (caso.suona) {
                EXPECT_GT(livello, 0.01) << "track " << i << " played in silence";
            } else {
                EXPECT_LT(livello, 0.0001);
            }
        }
    }
}

// Without a sound device the tracks still take their own time: two tracks
// started together, one a second longer, end a second apart.
TEST_F(MMControlTest, TempoReale) {
    MMControl::setRenderSpeed(1.0);
    const QString piuLungo = cartella.filePath(QStringLiteral("secondo.mid"));
    scrivi(piuLungo, midi(1.3));
    MMControl primo, secondo;
    // Both synthesizers loaded first: their loading is not the tracks' time.
    for (MMControl* c : {&primo, &secondo}) {
        c->setFileName(breve);
        c->setCommand(QStringLiteral("Open"));
        c->setCommand(QStringLiteral("Play"));
    }
    ASSERT_TRUE(attendi([&] { return primo.Sounding() && secondo.Sounding(); }, 10000));
    primo.setCommand(QStringLiteral("Close"));
    secondo.setCommand(QStringLiteral("Close"));
    qint64 finePrimo = -1, fineSecondo = -1;
    QElapsedTimer orologio;
    primo.StatusUpdate = [&] { finePrimo = orologio.elapsed(); };
    secondo.StatusUpdate = [&] { fineSecondo = orologio.elapsed(); };
    primo.setFileName(breve);
    secondo.setFileName(piuLungo);
    primo.setCommand(QStringLiteral("Open"));
    secondo.setCommand(QStringLiteral("Open"));
    orologio.start();
    primo.setCommand(QStringLiteral("Play"));
    secondo.setCommand(QStringLiteral("Play"));
    ASSERT_TRUE(attendi([&] { return finePrimo >= 0 && fineSecondo >= 0; }, 10000));
    EXPECT_GE(finePrimo, 300 - 50);  // the output renders a block (12 ms) ahead
    EXPECT_NEAR(double(fineSecondo - finePrimo), 1000.0, 250.0);
}

// A file that cannot be played: Open fails with one line on stderr, the
// device stays not open, Play does nothing and no status event follows.
TEST_F(MMControlTest, FileMancantiOGuasti) {
    const QByteArray buono = midi(0.3);
    QByteArray senzaFine = buono;
    senzaFine.chop(4);  // the end-of-track event gone
    senzaFine[21] = char(senzaFine[21] - 4);
    QByteArray traccaCorta = buono;
    traccaCorta.chop(10);
    QByteArray smpte = buono;
    smpte[12] = char(0xE7);
    struct Caso {
        const char* nome;
        const char* file;
        std::optional<QByteArray> contenuto;  // none: not written at all
    };
    const std::vector<Caso> casi = {
        {"missing file", "manca.mid", std::nullopt},
        {"empty file", "vuoto.mid", QByteArray()},
        {"text file", "testo.mid", QByteArray("Questo non e' un brano musicale.\n")},
        {"header only", "testa.mid", buono.left(14)},
        {"track shorter than its length", "corta.mid", traccaCorta},
        {"track without its end", "senzafine.mid", senzaFine},
        {"timecode division", "smpte.mid", smpte},
        {"a folder", "cartella.mid", std::nullopt},
    };
    QDir(cartella.path()).mkdir(QStringLiteral("cartella.mid"));
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const QString percorso = cartella.filePath(QString::fromLatin1(caso.file));
        if (caso.contenuto) scrivi(percorso, *caso.contenuto);
        MMControl controllo;
        int eventi = 0;
        controllo.StatusUpdate = [&] { ++eventi; };
        controllo.setFileName(percorso);
        testing::internal::CaptureStderr();
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        const std::string errori = testing::internal::GetCapturedStderr();
        EXPECT_EQ(righe(errori), 1) << errori;
        EXPECT_NE(errori.find(caso.file), std::string::npos) << errori;
        EXPECT_EQ(modoDurante(controllo, MMControl::ModoNonAperto, 150), MMControl::ModoNonAperto);
        EXPECT_EQ(eventi, 0);
    }
}

// Without the synthesizer's library (not there, or a library that is not
// the synthesizer) nothing sounds and nothing breaks: Play reads as playing
// until the loading fails, then the device is open and not playing, with no
// status event; the reason is said once, however many tracks are tried.
// With the library back, the next control plays.
TEST_F(MMControlTest, SenzaLaLibreriaDelSintetizzatore) {
    struct Caso {
        const char* nome;
        const char* libreria;
        const char* motivo;  // in the line on stderr
    };
    const std::vector<Caso> casi = {
        {"missing", "libcartaviva-nessun-sintetizzatore.so.9", "libcartaviva-nessun-sintetizzatore.so.9"},
        {"not the synthesizer", "libm.so.6", "has no fluid_"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        MMControl::setSynthLibrary(QString::fromLatin1(caso.libreria));
        testing::internal::CaptureStderr();
        for (int volta = 0; volta < 2; ++volta) {
            MMControl controllo;
            int eventi = 0;
            controllo.StatusUpdate = [&] { ++eventi; };
            controllo.setFileName(breve);
            controllo.setCommand(QStringLiteral("Open"));
            controllo.setCommand(QStringLiteral("Play"));
            EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
            EXPECT_TRUE(attendi([&] { return controllo.Mode() == MMControl::ModoPronto; }, 5000));
            bool suonato = false;
            scorri(300, [&] { suonato = suonato || controllo.Sounding(); });
            EXPECT_FALSE(suonato);
            EXPECT_EQ(controllo.Mode(), MMControl::ModoPronto);
            EXPECT_EQ(eventi, 0);
            controllo.setCommand(QStringLiteral("Close"));
            EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
        }
        const std::string errori = testing::internal::GetCapturedStderr();
        EXPECT_EQ(righe(errori), 1) << errori;
        EXPECT_NE(errori.find("cannot load the synthesizer"), std::string::npos) << errori;
        EXPECT_NE(errori.find(caso.motivo), std::string::npos) << errori;
    }

    MMControl::setSynthLibrary(QString());
    MMControl controllo;
    int eventi = 0;
    controllo.StatusUpdate = [&] { ++eventi; };
    controllo.setFileName(breve);
    controllo.setCommand(QStringLiteral("Open"));
    controllo.setCommand(QStringLiteral("Play"));
    EXPECT_TRUE(attendi([&] { return eventi == 1; }, 5000));
    EXPECT_EQ(controllo.Mode(), MMControl::ModoFermo);
}

// A SoundFont that cannot be read: the tracks still play to their end, in
// silence, and stderr holds one line of ours, not the complaints of the
// libraries the synthesizer reads instrument files with.
struct SoundFontGuasto {
    const char* nome;
    QByteArray (*contenuto)();
};

std::ostream& operator<<(std::ostream& os, const SoundFontGuasto& c) { return os << c.nome; }

class SoundFontIlleggibile : public MMControlTest, public ::testing::WithParamInterface<SoundFontGuasto> {
protected:
    void TearDown() override {
        MMControl::setSoundFont(QString());
        MMControlTest::TearDown();
    }
};

TEST_P(SoundFontIlleggibile, UnaRigaNostraEIBraniFinisconoInSilenzio) {
    const QString file = cartella.filePath(QStringLiteral("guasto.sf2"));
    scrivi(file, GetParam().contenuto());
    MMControl::setSoundFont(file);
    testing::internal::CaptureStderr();
    for (int volta = 1; volta <= 2; ++volta) {
        MMControl controllo;
        FineBrano fine(controllo);
        controllo.setFileName(breve);
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        EXPECT_TRUE(attendi([&] { return fine.eventi == 1; }, 5000)) << volta;
        EXPECT_LT(controllo.Level(), 1e-3);
    }
    const std::string errori = testing::internal::GetCapturedStderr();
    EXPECT_EQ(righe(errori), 1) << errori;
    EXPECT_NE(errori.find("MMControl: SoundFont " + file.toStdString() + " cannot be read, no music"), std::string::npos)
        << errori;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SoundFontIlleggibile,
    ::testing::Values(SoundFontGuasto{"vuoto", [] { return QByteArray(); }},
                      SoundFontGuasto{"testo", [] { return QByteArray("not a SoundFont at all\n"); }},
                      SoundFontGuasto{"rumore",
                                      [] {
                                          QByteArray d(4096, Qt::Uninitialized);
                                          for (qsizetype i = 0; i < d.size(); ++i) d[i] = char((i * 7919 + 13) % 251);
                                          return d;
                                      }},
                      // A RIFF file of another form, and a SoundFont cut after its header.
                      SoundFontGuasto{"altroRiff", [] { return QByteArray("RIFF\x20\x00\x00\x00WAVEfmt \x10\x00\x00\x00", 20); }},
                      SoundFontGuasto{"sfbkTroncato",
                                      [] { return QByteArray("RIFF\x00\x10\x00\x00sfbkLIST\x04\x01\x00\x00INFO", 24); }}),
    [](const auto& i) { return std::string(i.param.nome); });

// A failed Open after a good track leaves the device closed, not finished;
// the next Open of a good file works again.
TEST_F(MMControlTest, OpenFallitoDopoUnBrano) {
    MMControl controllo;
    int eventi = 0;
    controllo.StatusUpdate = [&] { ++eventi; };
    controllo.setFileName(breve);
    controllo.setCommand(QStringLiteral("Open"));
    controllo.setCommand(QStringLiteral("Play"));
    ASSERT_TRUE(attendi([&] { return eventi == 1; }, 5000));
    controllo.setFileName(cartella.filePath(QStringLiteral("manca.mid")));
    testing::internal::CaptureStderr();
    controllo.setCommand(QStringLiteral("Open"));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
    controllo.setFileName(breve);
    controllo.setCommand(QStringLiteral("Open"));
    controllo.setCommand(QStringLiteral("Play"));
    ASSERT_TRUE(attendi([&] { return eventi == 2; }, 5000));
}

// The command words are taken in any case; Close of a device that is not
// open does nothing and says nothing.
TEST_F(MMControlTest, ParoleDiComando) {
    struct Caso {
        const char* apri;
        const char* suona;
        const char* chiudi;
    };
    const std::vector<Caso> casi = {
        {"Open", "Play", "Close"},
        {"open", "play", "close"},
        {"OPEN", "PLAY", "CLOSE"},
        {"oPeN", "pLaY", "cLoSe"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.apri);
        MMControl controllo;
        testing::internal::CaptureStderr();
        controllo.setCommand(QString::fromLatin1(caso.chiudi));
        controllo.setCommand(QString::fromLatin1(caso.chiudi));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
        controllo.setFileName(breve);
        controllo.setCommand(QString::fromLatin1(caso.apri));
        EXPECT_EQ(controllo.Mode(), MMControl::ModoPronto);
        controllo.setCommand(QString::fromLatin1(caso.suona));
        EXPECT_EQ(controllo.Mode(), MMControl::ModoInRiproduzione);
        controllo.setCommand(QString::fromLatin1(caso.chiudi));
        EXPECT_EQ(controllo.Mode(), MMControl::ModoNonAperto);
    }
}

// Track names as the program writes them: backslashes, and letters whose
// case need not match the files on disk.
TEST_F(MMControlTest, PercorsiConBarreRovesciate) {
    scrivi(cartella.filePath(QStringLiteral("Suoni900/Brano.MID")), midi(0.3));
    const QString prima = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cartella.path()));
    struct Caso {
        const char* nome;
        bool apre;
    };
    const std::vector<Caso> casi = {
        {"Suoni900\\Brano.MID", true},
        {"suoni900\\brano.mid", true},
        {"SUONI900\\BRANO.MID", true},
        {"suoni900/brano.mid", true},
        {"suoni900\\altro.mid", false},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        MMControl controllo;
        controllo.setFileName(QString::fromLatin1(caso.nome));
        testing::internal::CaptureStderr();
        controllo.setCommand(QStringLiteral("Open"));
        const std::string errori = testing::internal::GetCapturedStderr();
        EXPECT_EQ(controllo.Mode(), caso.apre ? MMControl::ModoPronto : MMControl::ModoNonAperto);
        EXPECT_EQ(righe(errori), caso.apre ? 0 : 1) << errori;
        controllo.setCommand(QStringLiteral("Close"));
    }
    QDir::setCurrent(prima);
}

// On a machine without any sound device, the output chosen by itself plays
// the tracks all the same, and says once that there is no sound.
TEST_F(MMControlTest, SenzaDispositivoAudio) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir(QStringLiteral("/dev/snd")).exists() ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))) ||
        qEnvironmentVariableIsSet("PULSE_SERVER"))
        GTEST_SKIP() << "this machine has a sound device";
    MMControl::setAudioDisabled(false);
    MMControl controllo;
    int eventi = 0;
    controllo.StatusUpdate = [&] { ++eventi; };
    controllo.setFileName(breve);
    testing::internal::CaptureStderr();
    for (int volta = 1; volta <= 2; ++volta) {
        controllo.setCommand(QStringLiteral("Open"));
        controllo.setCommand(QStringLiteral("Play"));
        ASSERT_TRUE(attendi([&] { return eventi == volta; }, 5000));
        controllo.setCommand(QStringLiteral("Close"));
    }
    const std::string errori = testing::internal::GetCapturedStderr();
    EXPECT_EQ(righe(errori), 1) << errori;
    EXPECT_NE(errori.find("no audio device"), std::string::npos) << errori;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
