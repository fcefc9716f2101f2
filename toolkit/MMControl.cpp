#include "toolkit/MMControl.h"

#include "toolkit/Percorsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <fluidsynth.h>

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace forma {

namespace {

constexpr double FrequenzaCampionamento = 44100.0;
constexpr int Canali = 16;
constexpr int CanaleBatteria = 9;  // General MIDI's percussion channel
constexpr int BancoBatteria = 128;

std::atomic<bool> audioDisabilitato{false};
std::atomic<double> velocitaResa{1.0};
std::atomic<int> limiteBrano{MMControl::LimiteBrano};
std::atomic<bool> caricamentoTrattenuto{false};

// What every control's thread shares: the output chosen by the first device
// that played (empty until then, "none" once no audio device could be
// opened), and what has already been said once on stderr.
std::mutex condivisi;
QString uscitaScelta;
bool dettoSenzaAudio = false;
std::set<QString> soundFontDetti;  // said once each
bool dettoSenzaSintetizzatore = false;

void scrivi(const QString& riga) {
    std::fprintf(stderr, "MMControl: %s\n", riga.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Says a line once per process; any thread.
void scriviUnaVolta(bool& detto, const QString& riga) {
    {
        std::lock_guard<std::mutex> blocco(condivisi);
        if (detto) return;
        detto = true;
    }
    scrivi(riga);
}

// The synthesizer's library is opened on the control's thread when its
// first synthesizer is made, not linked to the program: linked, it and the
// forty-odd libraries it brings (sound servers, codecs, instrument formats)
// would be mapped and relocated before main(), while the reader waits for
// the first frame. Its functions are called through this table.
#define CARTAVIVA_FUNZIONI_SINTETIZZATORE(X)                                                             \
    X(fluid_set_log_function)                                                                           \
    X(new_fluid_settings)                                                                               \
    X(delete_fluid_settings)                                                                            \
    X(fluid_settings_setnum)                                                                            \
    X(fluid_settings_setint)                                                                            \
    X(fluid_settings_setstr)                                                                            \
    X(new_fluid_synth)                                                                                  \
    X(delete_fluid_synth)                                                                               \
    X(fluid_synth_sfload)                                                                               \
    X(fluid_synth_all_sounds_off)                                                                       \
    X(fluid_synth_cc)                                                                                   \
    X(fluid_synth_pitch_wheel_sens)                                                                     \
    X(fluid_synth_pin_preset)                                                                           \
    X(fluid_synth_unpin_preset)                                                                         \
    X(fluid_synth_unset_program)                                                                        \
    X(fluid_synth_bank_select)                                                                          \
    X(fluid_synth_program_change)                                                                       \
    X(fluid_synth_write_float)                                                                          \
    X(new_fluid_player)                                                                                 \
    X(delete_fluid_player)                                                                              \
    X(fluid_player_add_mem)                                                                             \
    X(fluid_player_play)                                                                                \
    X(fluid_player_stop)                                                                                \
    X(fluid_player_get_status)                                                                          \
    X(fluid_player_get_current_tick)                                                                    \
    X(new_fluid_audio_driver2)                                                                          \
    X(delete_fluid_audio_driver)

struct Libreria {
#define CARTAVIVA_PUNTATORE(nome) decltype(&::nome) nome = nullptr;
    CARTAVIVA_FUNZIONI_SINTETIZZATORE(CARTAVIVA_PUNTATORE)
#undef CARTAVIVA_PUNTATORE
};

void silenziaLog(const Libreria& fs);
void deviaLogGLib(void* libreria);

std::mutex mutexLibreria;
QString nomeLibreria = QStringLiteral(CARTAVIVA_LIBRERIA_SINTETIZZATORE);

// The library's table, or null (said once on stderr) when it cannot be
// opened or lacks a function. Opened once per name and never closed: the
// synthesizers made from it live until their controls go. Any thread.
const Libreria* apriLibreria() {
    std::lock_guard<std::mutex> blocco(mutexLibreria);
    static std::map<QString, std::unique_ptr<Libreria>> aperte;
    const auto [voce, nuova] = aperte.try_emplace(nomeLibreria);
    if (!nuova) return voce->second.get();
    void* libreria = dlopen(QFile::encodeName(nomeLibreria).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!libreria) {
        scrivi(QStringLiteral("cannot load the synthesizer (%1), no music").arg(QString::fromLocal8Bit(dlerror())));
        return nullptr;
    }
    auto funzioni = std::make_unique<Libreria>();
    const char* mancante = nullptr;
#define CARTAVIVA_RISOLVI(nome)                                                                         \
    if (!mancante && !(funzioni->nome = reinterpret_cast<decltype(funzioni->nome)>(dlsym(libreria, #nome)))) \
        mancante = #nome;
    CARTAVIVA_FUNZIONI_SINTETIZZATORE(CARTAVIVA_RISOLVI)
#undef CARTAVIVA_RISOLVI
    if (mancante) {
        scrivi(QStringLiteral("cannot load the synthesizer (%1 has no %2), no music")
                   .arg(nomeLibreria, QLatin1String(mancante)));
        return nullptr;
    }
    silenziaLog(*funzioni);
    deviaLogGLib(libreria);
    voce->second = std::move(funzioni);
    return voce->second.get();
}

// The synthesizer's own log would add lines of its own for every failed
// attempt at an audio device; what matters is reported here, once.
void logSintetizzatore(int livello, const char* messaggio, void*) {
    if (livello == FLUID_PANIC) std::fprintf(stderr, "fluidsynth: %s\n", messaggio);
}

void silenziaLog(const Libreria& fs) {
    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fs.fluid_set_log_function(livello, logSintetizzatore, nullptr);
}

// The synthesizer reads some instrument formats through a GLib-based
// library, which writes its own complaints about a damaged file straight to
// stderr ("** CRITICAL **: ipatch_..."), past the synthesizer's log. While
// a SoundFont loads on a control's thread, GLib's messages from that thread
// are taken here, and the control says in its own line what went wrong;
// from any other thread, or at any other time, they go on as before. GLib
// comes with the synthesizer's library, and is looked up through it.
using GestoreGLib = void (*)(const char* dominio, int livello, const char* messaggio, void* dati);
using ImpostaGestoreGLib = GestoreGLib (*)(GestoreGLib gestore, void* dati);
thread_local bool caricandoSoundFont = false;
std::atomic<GestoreGLib> gestoreGLibPrecedente{nullptr};

void gestoreGLib(const char* dominio, int livello, const char* messaggio, void* dati) {
    if (caricandoSoundFont) return;
    if (GestoreGLib precedente = gestoreGLibPrecedente.load()) precedente(dominio, livello, messaggio, dati);
}

void deviaLogGLib(void* libreria) {
    static std::once_flag fatto;
    std::call_once(fatto, [libreria] {
        auto imposta = reinterpret_cast<ImpostaGestoreGLib>(dlsym(libreria, "g_log_set_default_handler"));
        if (!imposta) return;
        gestoreGLibPrecedente = imposta(gestoreGLib, nullptr);
    });
}

// The SoundFont named by a test (empty: the distribution's).
std::mutex mutexSoundFont;
QString soundFontScelto;

// The General MIDI SoundFonts of the distribution, where their packages put them.
QString trovaSoundFont() {
    {
        std::lock_guard<std::mutex> blocco(mutexSoundFont);
        if (!soundFontScelto.isEmpty()) return soundFontScelto;
    }
    static const char* const candidati[] = {
        "/usr/share/sounds/sf2/default-GM.sf2",    "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",    "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf3/MuseScore_General.sf3", "/usr/share/sounds/sf2/MuseScore_General.sf2",
    };
    for (const char* candidato : candidati)
        if (QFileInfo(QString::fromLatin1(candidato)).isFile()) return QString::fromLatin1(candidato);
    return {};
}

// A variable-length quantity of at most four bytes.
bool leggiVlq(const QByteArray& dati, qsizetype& pos, qsizetype fine, std::uint32_t& valore) {
    valore = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= fine) return false;
        const auto byte = static_cast<std::uint8_t>(dati[pos++]);
        valore = (valore << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) return true;
    }
    return false;
}

std::uint32_t leggi32(const QByteArray& dati, qsizetype pos) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | static_cast<std::uint8_t>(dati[pos + i]);
    return v;
}

std::uint16_t leggi16(const QByteArray& dati, qsizetype pos) {
    return static_cast<std::uint16_t>((static_cast<std::uint8_t>(dati[pos]) << 8) |
                                      static_cast<std::uint8_t>(dati[pos + 1]));
}

}  // namespace

// What the player needs to know of a track before it plays: where its
// sequence ends, and which instrument each channel starts with, so that only
// those are loaded from the SoundFont.
struct MMControl::Partitura {
    struct Canale {
        bool suona = false;  // it plays at least one note
        int banco = 0;
        int programma = -1;  // none before its first note: the channel's default
    };
    std::int64_t fineTick = 0;  // the last end of track, in ticks
    std::array<Canale, Canali> canali;
};

// Reads a Standard MIDI File whole before it reaches the player: the player
// would take a broken file as one that has already played to its end.
// Returns why it is not playable, or nothing (and then fills the score).
QString MMControl::leggiMidi(const QByteArray& dati, Partitura& partitura) {
    if (dati.size() < 14 || !dati.startsWith("MThd")) return QStringLiteral("not a MIDI file");
    const std::uint32_t lunghezzaTesta = leggi32(dati, 4);
    if (lunghezzaTesta < 6 || 8 + qsizetype(lunghezzaTesta) > dati.size())
        return QStringLiteral("broken MIDI header");
    const std::uint16_t formato = leggi16(dati, 8);
    const std::uint16_t tracce = leggi16(dati, 10);
    const std::uint16_t divisione = leggi16(dati, 12);
    if (formato > 2 || tracce == 0) return QStringLiteral("broken MIDI header");
    if (divisione == 0 || (divisione & 0x8000)) return QStringLiteral("unsupported MIDI time division");

    // Per channel: the tick of its first note, and its program changes with
    // the bank each one selects.
    struct CambioProgramma {
        std::int64_t tick;
        int banco;
        int programma;
    };
    std::array<std::int64_t, Canali> primaNota;
    primaNota.fill(std::numeric_limits<std::int64_t>::max());
    std::array<std::vector<CambioProgramma>, Canali> cambi;

    qsizetype pos = 8 + lunghezzaTesta;
    int tracceLette = 0;
    while (tracceLette < tracce) {
        if (pos + 8 > dati.size()) return QStringLiteral("truncated MIDI file");
        const QByteArray tipo = dati.mid(pos, 4);
        const std::uint32_t lunghezza = leggi32(dati, pos + 4);
        pos += 8;
        if (qsizetype(lunghezza) > dati.size() - pos) return QStringLiteral("truncated MIDI file");
        const qsizetype fine = pos + lunghezza;
        if (tipo != "MTrk") {  // chunks of other kinds are skipped
            pos = fine;
            continue;
        }
        std::uint8_t stato = 0;
        bool finita = false;
        std::int64_t tick = 0;
        std::array<int, Canali> banco{};
        while (pos < fine && !finita) {
            std::uint32_t delta = 0;
            if (!leggiVlq(dati, pos, fine, delta) || pos >= fine) return QStringLiteral("broken MIDI track");
            tick += delta;
            std::uint8_t byte = static_cast<std::uint8_t>(dati[pos]);
            if (byte & 0x80) {
                ++pos;
                stato = byte;
            } else if (stato == 0) {
                return QStringLiteral("broken MIDI track");
            }
            if (stato == 0xFF) {
                if (pos >= fine) return QStringLiteral("broken MIDI track");
                const auto tipoMeta = static_cast<std::uint8_t>(dati[pos++]);
                std::uint32_t n = 0;
                if (!leggiVlq(dati, pos, fine, n) || qsizetype(n) > fine - pos)
                    return QStringLiteral("broken MIDI track");
                pos += n;
                if (tipoMeta == 0x2F) finita = true;
                stato = 0;  // meta and system events cancel the running status
            } else if (stato == 0xF0 || stato == 0xF7) {
                std::uint32_t n = 0;
                if (!leggiVlq(dati, pos, fine, n) || qsizetype(n) > fine - pos)
                    return QStringLiteral("broken MIDI track");
                pos += n;
                stato = 0;
            } else if (stato >= 0xF0) {
                return QStringLiteral("broken MIDI track");
            } else {
                const int byteDati = (stato & 0xF0) == 0xC0 || (stato & 0xF0) == 0xD0 ? 1 : 2;
                if (fine - pos < byteDati) return QStringLiteral("broken MIDI track");
                for (int i = 0; i < byteDati; ++i)
                    if (static_cast<std::uint8_t>(dati[pos + i]) & 0x80) return QStringLiteral("broken MIDI track");
                const int canale = stato & 0x0F;
                const int primo = static_cast<std::uint8_t>(dati[pos]);
                const int secondo = byteDati > 1 ? static_cast<std::uint8_t>(dati[pos + 1]) : 0;
                switch (stato & 0xF0) {
                case 0x90:
                    if (secondo > 0) primaNota[canale] = std::min(primaNota[canale], tick);
                    break;
                case 0xB0:
                    if (primo == 0) banco[canale] = secondo;  // bank select
                    break;
                case 0xC0:
                    cambi[canale].push_back({tick, banco[canale], primo});
                    break;
                default:
                    break;
                }
                pos += byteDati;
            }
        }
        if (!finita) return QStringLiteral("MIDI track without its end");
        partitura.fineTick = std::max(partitura.fineTick, tick);
        pos = fine;
        ++tracceLette;
    }

    for (int canale = 0; canale < Canali; ++canale) {
        Partitura::Canale& c = partitura.canali[std::size_t(canale)];
        c.suona = primaNota[std::size_t(canale)] != std::numeric_limits<std::int64_t>::max();
        if (!c.suona) continue;
        // The instrument of its first note: the last change at or before it.
        const CambioProgramma* scelto = nullptr;
        for (const CambioProgramma& cambio : cambi[std::size_t(canale)])
            if (cambio.tick <= primaNota[std::size_t(canale)] && (!scelto || cambio.tick >= scelto->tick))
                scelto = &cambio;
        if (scelto) {
            c.banco = scelto->banco;
            c.programma = scelto->programma;
        }
    }
    return {};
}

namespace {

// How a track is to be heard, as the settings stood when Play was sent.
struct Uscita {
    bool senzaAudio = false;
    double velocita = 1.0;
    long long limiteCampioni = 0;
};

}  // namespace

// The synthesizer of one control, on a thread of its own that runs what the
// control asks (load, play, stop) in order, and what renders its sound while
// a track plays: an audio driver, or a thread that renders in real time to
// nowhere (the player only advances as sound is rendered).
//
// The event loop talks to it through the queue and the atomics of the first
// block only. Everything else belongs to the thread `servizio`, and while an
// output runs, the player and the state of the track also to the thread that
// renders: the output is started after they are set and stopped before they
// change.
struct MMControl::Motore {
    // Shared with the event loop.
    std::atomic<unsigned> richiesta{0};  // the generation the control wants heard; any other is silent
    std::atomic<unsigned> inCorso{0};    // the generation of the track on the output
    std::atomic<long long> campioni{0};  // samples of it played
    std::atomic<float> picco{0};         // its loudest sample
    std::atomic<unsigned> finita{0};     // the last generation that played to its end
    std::atomic<unsigned> fallita{0};    // the last generation that could not start
    std::atomic<bool> suonando{false};
    std::atomic<bool> chiusura{false};

    std::mutex mutex;
    std::condition_variable risveglio;
    std::deque<std::function<void()>> coda;
    std::thread servizio;

    // The thread's own.
    bool caricato = false;
    const Libreria* fs = nullptr;  // the library, once loaded
    bool daRilasciare = false;
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    int soundFont = FLUID_FAILED;
    fluid_player_t* lettore = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::thread resa;
    std::atomic<bool> fermaResa{false};

    // The track on the output; the rendering thread's while it runs.
    struct {
        unsigned generazione = 0;
        std::int64_t fineTick = 0;
        long long limite = 0;
        long long campioni = 0;
        float picco = 0;
        bool finita = false;
    } traccia;

    Motore() {
        servizio = std::thread([this] { ciclo(); });
        // The synthesizer is loaded at once, before the first Play needs it.
        accoda([this] { carica(); });
    }

    ~Motore() {
        {
            std::lock_guard<std::mutex> blocco(mutex);
            chiusura = true;
            coda.clear();
        }
        risveglio.notify_all();
        servizio.join();
        fermaUscita();
        if (sintetizzatore) fs->delete_fluid_synth(sintetizzatore);
        if (impostazioni) fs->delete_fluid_settings(impostazioni);
    }

    void accoda(std::function<void()> lavoro) {
        {
            std::lock_guard<std::mutex> blocco(mutex);
            coda.push_back(std::move(lavoro));
        }
        risveglio.notify_all();
    }

    void ciclo() {
        std::unique_lock<std::mutex> blocco(mutex);
        while (!chiusura) {
            // A second of quiet after a Close: the instruments go back to the
            // SoundFont (a Close followed by a Play keeps those they share).
            if (coda.empty() && daRilasciare &&
                !risveglio.wait_for(blocco, std::chrono::seconds(1), [this] { return chiusura || !coda.empty(); })) {
                daRilasciare = false;
                blocco.unlock();
                rilascia();
                blocco.lock();
                continue;
            }
            risveglio.wait(blocco, [this] { return chiusura || !coda.empty(); });
            if (chiusura) break;
            std::function<void()> lavoro = std::move(coda.front());
            coda.pop_front();
            blocco.unlock();
            lavoro();
            blocco.lock();
        }
    }

    // Opens the library, creates the synthesizer and loads the SoundFont,
    // once. Without the library or the synthesizer nothing plays; without a
    // SoundFont the tracks still play, silently.
    bool carica() {
        if (caricato) return sintetizzatore != nullptr;
        while (caricamentoTrattenuto.load() && !chiusura.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        caricato = true;
        if (chiusura.load()) return false;
        fs = apriLibreria();
        if (!fs) return false;
        impostazioni = fs->new_fluid_settings();
        if (impostazioni) {
            fs->fluid_settings_setnum(impostazioni, "synth.sample-rate", FrequenzaCampionamento);
            fs->fluid_settings_setnum(impostazioni, "synth.gain", 0.5);
            // Only the instruments that a track selects are read from the
            // SoundFont, and they go when no channel uses them any longer.
            fs->fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 1);
            // Each track is prepared here (preparaCanali), not by the player.
            fs->fluid_settings_setint(impostazioni, "player.reset-synth", 0);
            sintetizzatore = fs->new_fluid_synth(impostazioni);
        }
        if (!sintetizzatore) {
            scriviUnaVolta(dettoSenzaSintetizzatore, QStringLiteral("the synthesizer cannot start, no music"));
            return false;
        }
        const QString file = trovaSoundFont();
        // No preset is selected yet: the channels take only the instruments
        // of the track that plays.
        if (!file.isEmpty()) {
            caricandoSoundFont = true;
            soundFont = fs->fluid_synth_sfload(sintetizzatore, QFile::encodeName(file).constData(), 0);
            caricandoSoundFont = false;
        }
        if (soundFont == FLUID_FAILED && [&] {
                std::lock_guard<std::mutex> blocco(condivisi);
                return soundFontDetti.insert(file).second;
            }())
            scrivi(file.isEmpty() ? QStringLiteral("no General MIDI SoundFont in /usr/share/sounds/sf2, no music")
                                  : QStringLiteral("SoundFont %1 cannot be read, no music").arg(file));
        return true;
    }

    // Starts the track of generation `generazione`, unless the control has
    // asked for another since (a Close or a new Play cancels it).
    void suona(unsigned generazione, const QByteArray& brano, const std::shared_ptr<const Partitura>& partitura,
               const Uscita& uscita, const QString& nome) {
        if (richiesta.load() != generazione) return;
        if (!carica()) {
            fallita = generazione;
            return;
        }
        if (richiesta.load() != generazione) return;
        fermaUscita();
        daRilasciare = false;
        preparaCanali(*partitura);
        lettore = fs->new_fluid_player(sintetizzatore);
        if (!lettore || fs->fluid_player_add_mem(lettore, brano.constData(), size_t(brano.size())) != FLUID_OK ||
            fs->fluid_player_play(lettore) != FLUID_OK) {
            if (lettore) fs->delete_fluid_player(lettore);
            lettore = nullptr;
            scrivi(QStringLiteral("cannot play \"%1\"").arg(nome));
            fallita = generazione;
            return;
        }
        traccia.generazione = generazione;
        traccia.fineTick = partitura->fineTick;
        traccia.limite = uscita.limiteCampioni;
        traccia.campioni = 0;
        traccia.finita = false;
        traccia.picco = 0;
        campioni = 0;
        picco = 0;
        inCorso = generazione;
        avviaUscita(uscita);
    }

    // Close: silence, and the instruments are let go after a moment.
    void ferma() {
        fermaUscita();
        daRilasciare = true;
    }

    // The state a track starts from: no sound, the controllers as a reset
    // leaves them, and on each channel that plays the instrument of its first
    // note (the others hold none). A full reset of the synthesizer would
    // select the piano and the drum kit on every channel and load them.
    void preparaCanali(const Partitura& partitura) {
        fluid_synth_t* s = sintetizzatore;
        fs->fluid_synth_all_sounds_off(s, -1);
        static const int valori[][2] = {
            {0, 0},   {32, 0},  {7, 100}, {39, 0},  {10, 64}, {42, 0},  {8, 64},  {40, 0},  {91, 0},
            {92, 0},  {93, 0},  {94, 0},  {95, 0},  {70, 64}, {71, 64}, {72, 64}, {73, 64}, {74, 64},
            {75, 64}, {76, 64}, {77, 64}, {78, 64}, {79, 64},
        };
        for (int canale = 0; canale < Canali; ++canale) {
            fs->fluid_synth_cc(s, canale, 121, 0);  // reset all controllers
            for (const auto& v : valori) fs->fluid_synth_cc(s, canale, v[0], v[1]);
            fs->fluid_synth_pitch_wheel_sens(s, canale, 2);
        }
        if (soundFont == FLUID_FAILED) return;
        // Held while the channels change, an instrument that only moves from
        // one channel to another is not read again.
        std::vector<std::pair<int, int>> tenuti;
        for (int canale = 0; canale < Canali; ++canale) {
            const Partitura::Canale& c = partitura.canali[std::size_t(canale)];
            if (!c.suona) continue;
            const int banco = canale == CanaleBatteria ? BancoBatteria : c.banco;
            const int programma = std::max(c.programma, 0);
            if (fs->fluid_synth_pin_preset(s, soundFont, banco, programma) == FLUID_OK)
                tenuti.emplace_back(banco, programma);
        }
        for (int canale = 0; canale < Canali; ++canale) {
            const Partitura::Canale& c = partitura.canali[std::size_t(canale)];
            if (!c.suona) {
                fs->fluid_synth_unset_program(s, canale);
                continue;
            }
            if (canale != CanaleBatteria) fs->fluid_synth_bank_select(s, canale, unsigned(c.banco));
            fs->fluid_synth_program_change(s, canale, std::max(c.programma, 0));
        }
        for (const auto& [banco, programma] : tenuti) fs->fluid_synth_unpin_preset(s, soundFont, banco, programma);
    }

    void rilascia() {
        if (!sintetizzatore) return;
        for (int canale = 0; canale < Canali; ++canale) fs->fluid_synth_unset_program(sintetizzatore, canale);
    }

    static int callbackAudio(void* dati, int n, int, float*[], int uscite, float* buffer[]) {
        if (uscite < 2) {
            for (int i = 0; i < uscite; ++i) std::fill(buffer[i], buffer[i] + n, 0.0f);
            return FLUID_OK;
        }
        static_cast<Motore*>(dati)->rendi(n, buffer[0], buffer[1]);
        return FLUID_OK;
    }

    // Starts the output for the track just set up.
    void avviaUscita(const Uscita& uscita) {
        if (!uscita.senzaAudio) {
            QStringList candidati;
            {
                std::lock_guard<std::mutex> blocco(condivisi);
                if (uscitaScelta == QLatin1String("none")) {
                    // none works: rendered to nowhere
                } else if (!uscitaScelta.isEmpty()) {
                    candidati << uscitaScelta;
                } else {
                    candidati << QStringLiteral("pulseaudio");
                    // Without sound devices ALSA would only fill stderr with its complaints.
                    if (QDir(QStringLiteral("/dev/snd")).exists()) candidati << QStringLiteral("alsa");
                }
            }
            QString scelta;
            for (const QString& nome : candidati) {
                fs->fluid_settings_setstr(impostazioni, "audio.driver", nome.toLatin1().constData());
                driver = fs->new_fluid_audio_driver2(impostazioni, callbackAudio, this);
                if (driver) {
                    scelta = nome;
                    break;
                }
            }
            if (!candidati.isEmpty()) {
                std::lock_guard<std::mutex> blocco(condivisi);
                uscitaScelta = driver ? scelta : QStringLiteral("none");
            }
            if (driver) return;
        }
        if (!uscita.senzaAudio) scriviUnaVolta(dettoSenzaAudio, QStringLiteral("no audio device, music plays silently"));
        fermaResa = false;
        const double fattore = std::max(uscita.velocita, 0.001);
        resa = std::thread([this, fattore] {
            constexpr int blocco = 512;
            std::vector<float> sinistro(blocco), destro(blocco);
            const auto inizio = std::chrono::steady_clock::now();
            long long resi = 0;
            while (!fermaResa.load()) {
                rendi(blocco, sinistro.data(), destro.data());
                resi += blocco;
                const std::chrono::duration<double> trascorso(double(resi) / (FrequenzaCampionamento * fattore));
                std::this_thread::sleep_until(
                    inizio + std::chrono::duration_cast<std::chrono::steady_clock::duration>(trascorso));
            }
        });
    }

    // One block of sound, on the output's thread. The end of a track is the
    // end of its sequence (the ring-out of its last notes goes on until the
    // control closes), or the limit of its length.
    void rendi(int n, float* sinistro, float* destro) {
        if (richiesta.load() != traccia.generazione) {
            std::fill(sinistro, sinistro + n, 0.0f);
            std::fill(destro, destro + n, 0.0f);
            suonando = false;
            return;
        }
        fs->fluid_synth_write_float(sintetizzatore, n, sinistro, 0, 1, destro, 0, 1);
        suonando = true;
        const float piccoPrima = traccia.picco;
        for (int i = 0; i < n; ++i)
            traccia.picco = std::max({traccia.picco, std::abs(sinistro[i]), std::abs(destro[i])});
        if (traccia.picco != piccoPrima) picco = traccia.picco;
        if (traccia.finita) return;
        traccia.campioni += n;
        campioni = traccia.campioni;
        const bool fineSequenza = fs->fluid_player_get_status(lettore) == FLUID_PLAYER_DONE ||
                                  fs->fluid_player_get_current_tick(lettore) >= traccia.fineTick;
        if (!fineSequenza && traccia.campioni < traccia.limite) return;
        if (!fineSequenza) fs->fluid_player_stop(lettore);
        traccia.finita = true;
        finita = traccia.generazione;
    }

    // Stops the output and the player; the synthesizer stays for the next track.
    void fermaUscita() {
        if (driver) {
            fs->delete_fluid_audio_driver(driver);
            driver = nullptr;
        }
        if (resa.joinable()) {
            fermaResa = true;
            resa.join();
        }
        suonando = false;
        if (lettore) {
            fs->fluid_player_stop(lettore);
            fs->delete_fluid_player(lettore);
            lettore = nullptr;
        }
        if (sintetizzatore) fs->fluid_synth_all_sounds_off(sintetizzatore, -1);
    }
};

MMControl::MMControl(QObject* parent) : QObject(parent), sorveglianza_(new QTimer(this)) {
    connect(sorveglianza_, &QTimer::timeout, this, &MMControl::controllaFine);
}

MMControl::~MMControl() {
    chiudi();
    motore_.reset();
}

void MMControl::setAudioDisabled(bool disabilitato) { audioDisabilitato = disabilitato; }

void MMControl::setRenderSpeed(double fattore) { velocitaResa = fattore > 0 ? fattore : 1.0; }

void MMControl::setTrackLimit(int millisecondi) { limiteBrano = std::max(millisecondi, 1); }

void MMControl::setLoadingHeld(bool trattenuto) { caricamentoTrattenuto = trattenuto; }

void MMControl::setSoundFont(const QString& file) {
    std::lock_guard<std::mutex> blocco(mutexSoundFont);
    soundFontScelto = file;
}

void MMControl::setSynthLibrary(const QString& file) {
    std::lock_guard<std::mutex> blocco(mutexLibreria);
    nomeLibreria = file.isEmpty() ? QStringLiteral(CARTAVIVA_LIBRERIA_SINTETIZZATORE) : file;
}

int MMControl::Mode() const {
    if (!aperto_) return ModoNonAperto;
    if (inRiproduzione_) return ModoInRiproduzione;
    return finito_ ? ModoFermo : ModoPronto;
}

int MMControl::Position() const {
    if (!aperto_ || !motore_ || motore_->inCorso.load() != generazione_) return 0;
    return int(motore_->campioni.load() * 1000 / static_cast<long long>(FrequenzaCampionamento));
}

bool MMControl::Sounding() const { return motore_ && motore_->suonando.load(); }

double MMControl::Level() const {
    if (!aperto_ || !motore_ || motore_->inCorso.load() != generazione_) return 0;
    return double(motore_->picco.load());
}

void MMControl::setCommand(const QString& comando) {
    const QString parola = comando.trimmed();
    if (parola.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0)
        apri();
    else if (parola.compare(QLatin1String("play"), Qt::CaseInsensitive) == 0)
        suona();
    else if (parola.compare(QLatin1String("close"), Qt::CaseInsensitive) == 0)
        chiudi();
    else
        scrivi(QStringLiteral("unknown command \"%1\"").arg(comando));
}

// The file is read and checked here, so that Open answers at once whether the
// device is open; a track is a few kilobytes.
void MMControl::apri() {
    chiudi();
    const QString percorso = PercorsoLocale(fileName_);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        scrivi(QStringLiteral("cannot open \"%1\": %2").arg(percorso, file.errorString()));
        return;
    }
    QByteArray dati = file.readAll();
    auto partitura = std::make_shared<Partitura>();
    if (const QString difetto = leggiMidi(dati, *partitura); !difetto.isEmpty()) {
        scrivi(QStringLiteral("cannot open \"%1\": %2").arg(percorso, difetto));
        return;
    }
    if (!motore_) motore_ = std::make_unique<Motore>();
    brano_ = std::move(dati);
    partitura_ = std::move(partitura);
    aperto_ = true;
    inRiproduzione_ = false;
    finito_ = false;
}

void MMControl::suona() {
    if (!aperto_ || inRiproduzione_) return;
    sorveglianza_->stop();
    const unsigned generazione = ++generazione_;
    motore_->richiesta = generazione;
    Uscita uscita;
    uscita.senzaAudio = audioDisabilitato.load();
    uscita.velocita = velocitaResa.load();
    uscita.limiteCampioni = static_cast<long long>(limiteBrano.load()) * static_cast<long long>(FrequenzaCampionamento) / 1000;
    Motore* motore = motore_.get();
    motore->accoda([motore, generazione, brano = brano_, partitura = partitura_, uscita,
                    nome = PercorsoLocale(fileName_)] { motore->suona(generazione, brano, partitura, uscita, nome); });
    inRiproduzione_ = true;
    finito_ = false;
    sorveglianza_->start(std::max(5, int(100 / std::max(velocitaResa.load(), 1.0))));
}

void MMControl::chiudi() {
    if (!aperto_) return;
    sorveglianza_->stop();
    motore_->richiesta = ++generazione_;  // silent from the next block on
    Motore* motore = motore_.get();
    motore->accoda([motore] { motore->ferma(); });
    aperto_ = false;
    inRiproduzione_ = false;
    finito_ = false;
    brano_.clear();
    partitura_.reset();
}

// The end of a track, as the synthesizer's side has seen it, becomes the
// stopped mode here and then the status event, from the event loop.
void MMControl::controllaFine() {
    if (!aperto_ || !inRiproduzione_ || !motore_) {
        sorveglianza_->stop();
        return;
    }
    if (motore_->fallita.load() == generazione_) {
        // As a Play that failed: open, not playing, no status event.
        sorveglianza_->stop();
        inRiproduzione_ = false;
        return;
    }
    if (motore_->finita.load() != generazione_) return;
    sorveglianza_->stop();
    inRiproduzione_ = false;
    finito_ = true;
    const unsigned generazione = generazione_;
    QTimer::singleShot(0, this, [this, generazione] {
        if (generazione == generazione_ && aperto_ && finito_ && StatusUpdate) StatusUpdate();
    });
}

}  // namespace forma
