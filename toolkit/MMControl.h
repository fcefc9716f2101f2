// The multimedia control: a MIDI player driven like the old command-string
// device. A file name is given, then the words "Open", "Play" and "Close" (in
// any case); the mode tells whether the device is open, playing, or stopped
// at the end of its track, and the status event reports the end of a track.
//
// Behind it runs a software synthesizer with a General MIDI SoundFont. Sound
// goes to the desktop's sound server or to ALSA; with neither, the tracks
// still play in real time (they open, run and end) and make no sound.
//
// The slow part (opening the synthesizer's library, creating the
// synthesizer, loading the SoundFont, starting the output and the player)
// runs on a thread of the control's own, so a
// command returns at once: Play reads as playing straight away and the
// music starts as soon as the synthesizer is ready. A Close or a new Play
// that comes first cancels what had not started yet. The mode and the
// status event live on the event loop only. Without the synthesizer's
// library nothing sounds: a Play leaves the device open and not playing, and
// the reason is said once on stderr.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;

namespace forma {

class MMControl : public QObject {
    Q_OBJECT

public:
    // The device's modes, with the numbers of the old device.
    enum Modo {
        ModoNonAperto = 524,     // no device open
        ModoFermo = 525,         // open, and its track has played to its end
        ModoInRiproduzione = 526,
        ModoPronto = 530,        // open, not yet played
    };

    explicit MMControl(QObject* parent = nullptr);
    ~MMControl() override;

    QString FileName() const { return fileName_; }
    void setFileName(const QString& nome) { fileName_ = nome; }

    // Kept for the caller; they change nothing here: every command returns
    // at once and reports nothing.
    bool Notify() const { return notify_; }
    void setNotify(bool valore) { notify_ = valore; }
    bool Wait() const { return wait_; }
    void setWait(bool valore) { wait_ = valore; }
    bool Shareable() const { return shareable_; }
    void setShareable(bool valore) { shareable_ = valore; }

    // "Open", "Play" or "Close", in any case of writing.
    //  Open:  opens FileName (a designed path such as "suoni900\\air.mid").
    //         A missing or invalid MIDI file leaves the device not open and
    //         says so on one line of stderr.
    //  Play:  starts the open track from its beginning, in the background;
    //         nothing when nothing is open or the track is already playing.
    //  Close: stops the track and closes the device; nothing when not open.
    void setCommand(const QString& comando);

    // One of Modo.
    int Mode() const;

    // Milliseconds of the open track played so far, in the track's own time
    // (0 until its sound starts); once it has played to its end, where it
    // ended. 0 when nothing is open.
    int Position() const;

    // Whether the synthesizer is sounding a track of this control right now
    // (a track that was closed, or cancelled before its sound started, is not).
    bool Sounding() const;

    // The loudest sample of the open track's sound so far, 0 to 1 (tests
    // tell a track that sounds from one that plays in silence).
    double Level() const;

    // The status event: raised from the event loop (never inside a command)
    // once a track has played to its end, while the device is still open.
    std::function<void()> StatusUpdate;

    // Output of the devices opened from now on: with audio disabled the
    // tracks are rendered to nowhere. Tests disable it, and may render
    // faster than real time by a factor (1 = real time).
    static void setAudioDisabled(bool disabilitato);
    static void setRenderSpeed(double fattore);

    // A track that has not ended after this many milliseconds of its own time
    // is taken as ended there (a broken file may never end). 15 minutes;
    // tests set less. Applies to the tracks played from now on.
    static void setTrackLimit(int millisecondi);
    static constexpr int LimiteBrano = 15 * 60 * 1000;

    // Tests hold the loading of the synthesizer, to act while it is under
    // way, and then let it go on.
    static void setLoadingHeld(bool trattenuto);

    // The file of the synthesizer's library that the controls load from now
    // on (empty: the one the program was built with); tests name one that is
    // not there.
    static void setSynthLibrary(const QString& file);

    // The SoundFont that the synthesizers made from now on load (empty: the
    // first General MIDI SoundFont of the distribution); tests name a
    // damaged one. One that cannot be read is said once on stderr, in one
    // line, and the tracks then play silently.
    static void setSoundFont(const QString& file);

private:
    struct Motore;

    struct Partitura;
    static QString leggiMidi(const QByteArray& dati, Partitura& partitura);

    void apri();
    void suona();
    void chiudi();
    void controllaFine();

    QString fileName_;
    bool notify_ = false;
    bool wait_ = false;
    bool shareable_ = false;

    bool aperto_ = false;
    bool inRiproduzione_ = false;
    bool finito_ = false;
    unsigned generazione_ = 0;
    QByteArray brano_;
    std::shared_ptr<const Partitura> partitura_;
    std::unique_ptr<Motore> motore_;
    QTimer* sorveglianza_ = nullptr;
};

}  // namespace forma
