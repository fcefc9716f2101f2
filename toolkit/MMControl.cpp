#include "toolkit/MMControl.h"

#include "toolkit/Percorsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace forma {

namespace {

constexpr double FrequenzaCampionamento = 44100.0;

std::atomic<bool> audioDisabilitato{false};
std::atomic<double> velocitaResa{1.0};

// The output chosen by the first device that played: empty until then,
// "none" once no audio device could be opened.
QString uscitaScelta;
bool dettoSenzaAudio = false;
bool dettoSenzaSoundFont = false;

void scrivi(const QString& riga) {
    std::fprintf(stderr, "MMControl: %s\n", riga.toLocal8Bit().constData());
    std::fflush(stderr);
}

// The synthesizer's own log would add lines of its own for every failed
// attempt at an audio device; what matters is reported here, once.
void logSintetizzatore(int livello, const char* messaggio, void*) {
    if (livello == FLUID_PANIC) std::fprintf(stderr, "fluidsynth: %s\n", messaggio);
}

void silenziaLog() {
    static bool fatto = false;
    if (fatto) return;
    fatto = true;
    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(livello, logSintetizzatore, nullptr);
}

// The General MIDI SoundFonts of the distribution, where their packages put them.
QString trovaSoundFont() {
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

// Checks a Standard MIDI File whole before it reaches the player: the player
// would take a broken file as one that has already played to its end.
// Returns why it is not playable, or nothing.
QString difettoMidi(const QByteArray& dati) {
    if (dati.size() < 14 || !dati.startsWith("MThd")) return QStringLiteral("not a MIDI file");
    const std::uint32_t lunghezzaTesta = leggi32(dati, 4);
    if (lunghezzaTesta < 6 || 8 + qsizetype(lunghezzaTesta) > dati.size())
        return QStringLiteral("broken MIDI header");
    const std::uint16_t formato = leggi16(dati, 8);
    const std::uint16_t tracce = leggi16(dati, 10);
    const std::uint16_t divisione = leggi16(dati, 12);
    if (formato > 2 || tracce == 0) return QStringLiteral("broken MIDI header");
    if (divisione == 0 || (divisione & 0x8000)) return QStringLiteral("unsupported MIDI time division");

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
        while (pos < fine && !finita) {
            std::uint32_t delta = 0;
            if (!leggiVlq(dati, pos, fine, delta) || pos >= fine) return QStringLiteral("broken MIDI track");
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
                pos += byteDati;
            }
        }
        if (!finita) return QStringLiteral("MIDI track without its end");
        pos = fine;
        ++tracceLette;
    }
    return {};
}

}  // namespace

// The synthesizer of one control, and what renders its sound while a track
// plays: an audio driver, or a thread that renders in real time to nowhere
// (the player only advances as sound is rendered).
struct MMControl::Motore {
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    fluid_player_t* lettore = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    std::thread resa;
    std::atomic<bool> fermaResa{false};

    ~Motore() {
        ferma();
        if (sintetizzatore) delete_fluid_synth(sintetizzatore);
        if (impostazioni) delete_fluid_settings(impostazioni);
    }

    bool crea() {
        silenziaLog();
        impostazioni = new_fluid_settings();
        if (!impostazioni) return false;
        fluid_settings_setnum(impostazioni, "synth.sample-rate", FrequenzaCampionamento);
        fluid_settings_setnum(impostazioni, "synth.gain", 0.5);
        // Only the instruments a track selects are read from the SoundFont.
        fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 1);
        sintetizzatore = new_fluid_synth(impostazioni);
        if (!sintetizzatore) return false;
        const QString soundFont = trovaSoundFont();
        const bool caricato = !soundFont.isEmpty() &&
                              fluid_synth_sfload(sintetizzatore, QFile::encodeName(soundFont).constData(), 1) !=
                                  FLUID_FAILED;
        if (!caricato && !dettoSenzaSoundFont) {
            dettoSenzaSoundFont = true;
            scrivi(soundFont.isEmpty()
                       ? QStringLiteral("no General MIDI SoundFont in /usr/share/sounds/sf2, music plays silently")
                       : QStringLiteral("cannot load the SoundFont %1, music plays silently").arg(soundFont));
        }
        return true;
    }

    // Starts the output for the player just started.
    void avvia() {
        if (!audioDisabilitato.load() && uscitaScelta != QLatin1String("none")) {
            QStringList candidati;
            if (!uscitaScelta.isEmpty()) {
                candidati << uscitaScelta;
            } else {
                candidati << QStringLiteral("pulseaudio");
                // Without sound devices ALSA would only fill stderr with its complaints.
                if (QDir(QStringLiteral("/dev/snd")).exists()) candidati << QStringLiteral("alsa");
            }
            for (const QString& nome : candidati) {
                fluid_settings_setstr(impostazioni, "audio.driver", nome.toLatin1().constData());
                driver = new_fluid_audio_driver(impostazioni, sintetizzatore);
                if (driver) {
                    uscitaScelta = nome;
                    return;
                }
            }
            uscitaScelta = QStringLiteral("none");
        }
        if (!audioDisabilitato.load() && !dettoSenzaAudio) {
            dettoSenzaAudio = true;
            scrivi(QStringLiteral("no audio device, music plays silently"));
        }
        fermaResa = false;
        const double fattore = std::max(velocitaResa.load(), 0.001);
        resa = std::thread([this, fattore] {
            constexpr int blocco = 512;
            std::vector<float> sinistro(blocco), destro(blocco);
            const auto inizio = std::chrono::steady_clock::now();
            long long campioni = 0;
            while (!fermaResa.load()) {
                fluid_synth_write_float(sintetizzatore, blocco, sinistro.data(), 0, 1, destro.data(), 0, 1);
                campioni += blocco;
                const std::chrono::duration<double> trascorso(campioni / (FrequenzaCampionamento * fattore));
                std::this_thread::sleep_until(
                    inizio + std::chrono::duration_cast<std::chrono::steady_clock::duration>(trascorso));
            }
        });
    }

    // Stops the player and its output; the synthesizer stays for the next track.
    void ferma() {
        if (lettore) fluid_player_stop(lettore);
        if (driver) {
            delete_fluid_audio_driver(driver);
            driver = nullptr;
        }
        if (resa.joinable()) {
            fermaResa = true;
            resa.join();
        }
        if (lettore) {
            delete_fluid_player(lettore);
            lettore = nullptr;
        }
    }
};

MMControl::MMControl(QObject* parent) : QObject(parent), sorveglianza_(new QTimer(this)) {
    connect(sorveglianza_, &QTimer::timeout, this, &MMControl::controllaFine);
}

MMControl::~MMControl() { chiudi(); }

void MMControl::setAudioDisabled(bool disabilitato) { audioDisabilitato = disabilitato; }

void MMControl::setRenderSpeed(double fattore) { velocitaResa = fattore > 0 ? fattore : 1.0; }

int MMControl::Mode() const {
    if (!aperto_) return ModoNonAperto;
    if (inRiproduzione_) return ModoInRiproduzione;
    return finito_ ? ModoFermo : ModoPronto;
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

void MMControl::apri() {
    chiudi();
    const QString percorso = PercorsoLocale(fileName_);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        scrivi(QStringLiteral("cannot open \"%1\": %2").arg(percorso, file.errorString()));
        return;
    }
    QByteArray dati = file.readAll();
    if (const QString difetto = difettoMidi(dati); !difetto.isEmpty()) {
        scrivi(QStringLiteral("cannot open \"%1\": %2").arg(percorso, difetto));
        return;
    }
    if (!motore_) {
        auto motore = std::make_unique<Motore>();
        if (!motore->crea()) {
            scrivi(QStringLiteral("cannot open \"%1\": the synthesizer cannot start").arg(percorso));
            return;
        }
        motore_ = std::move(motore);
    }
    brano_ = std::move(dati);
    aperto_ = true;
    inRiproduzione_ = false;
    finito_ = false;
}

void MMControl::suona() {
    if (!aperto_ || inRiproduzione_) return;
    fermaResa();
    fluid_player_t* lettore = new_fluid_player(motore_->sintetizzatore);
    if (!lettore || fluid_player_add_mem(lettore, brano_.constData(), size_t(brano_.size())) != FLUID_OK ||
        fluid_player_play(lettore) != FLUID_OK) {
        if (lettore) delete_fluid_player(lettore);
        scrivi(QStringLiteral("cannot play \"%1\"").arg(PercorsoLocale(fileName_)));
        return;
    }
    motore_->lettore = lettore;
    motore_->avvia();
    inRiproduzione_ = true;
    finito_ = false;
    ++generazione_;
    sorveglianza_->start(std::max(5, int(100 / std::max(velocitaResa.load(), 1.0))));
}

void MMControl::chiudi() {
    if (!aperto_) return;
    fermaResa();
    fluid_synth_system_reset(motore_->sintetizzatore);
    aperto_ = false;
    inRiproduzione_ = false;
    finito_ = false;
    ++generazione_;
    brano_.clear();
}

void MMControl::fermaResa() {
    sorveglianza_->stop();
    if (motore_) motore_->ferma();
}

// Only a player that was never stopped reads as done here: stopping a player
// also marks it done, and Close stops this watch before it stops the player.
void MMControl::controllaFine() {
    if (!aperto_ || !inRiproduzione_ || !motore_ || !motore_->lettore) {
        sorveglianza_->stop();
        return;
    }
    if (fluid_player_get_status(motore_->lettore) != FLUID_PLAYER_DONE) return;
    sorveglianza_->stop();
    inRiproduzione_ = false;
    finito_ = true;
    const unsigned generazione = generazione_;
    QTimer::singleShot(0, this, [this, generazione] {
        if (generazione == generazione_ && aperto_ && finito_ && StatusUpdate) StatusUpdate();
    });
}

}  // namespace forma
