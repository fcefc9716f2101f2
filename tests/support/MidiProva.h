// Tiny Standard MIDI Files for the tests of the music player.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace prova {

inline void aggiungiVlq(std::vector<std::uint8_t>& b, std::uint32_t v) {
    std::uint8_t parti[4];
    int n = 0;
    do {
        parti[n++] = v & 0x7F;
        v >>= 7;
    } while (v);
    while (n--) b.push_back(static_cast<std::uint8_t>(parti[n] | (n ? 0x80 : 0)));
}

inline void aggiungi32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

// A format-0 file of one track with the given division.
inline QByteArray fileMidi(std::uint16_t divisione, const std::vector<std::uint8_t>& traccia) {
    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, std::uint8_t(divisione >> 8),
                                      std::uint8_t(divisione & 0xFF), 'M', 'T', 'r', 'k'};
    aggiungi32(file, static_cast<std::uint32_t>(traccia.size()));
    file.insert(file.end(), traccia.begin(), traccia.end());
    return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
}

// A one-track file at 120 beats a minute (480 ticks a beat, so 960 ticks a
// second): a piano playing a scale that lasts the given seconds.
inline QByteArray midi(double secondi) {
    std::vector<std::uint8_t> traccia = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // tempo 500000
                                         0x00, 0xC0, 0x00};                          // piano
    const int note = 4;
    const auto ticks = static_cast<std::uint32_t>(secondi * 960 / note);
    for (int i = 0; i < note; ++i) {
        aggiungiVlq(traccia, 0);
        traccia.insert(traccia.end(), {0x90, std::uint8_t(60 + 2 * i), 0x60});
        aggiungiVlq(traccia, ticks);
        traccia.insert(traccia.end(), {0x80, std::uint8_t(60 + 2 * i), 0x40});
    }
    traccia.insert(traccia.end(), {0x00, 0xFF, 0x2F, 0x00});
    return fileMidi(480, traccia);
}

// An organ holding one chord that is never released, the sequence ending
// after the given seconds: the sound would go on for ever.
inline QByteArray midiNotaTenuta(double secondi) {
    std::vector<std::uint8_t> traccia = {0x00, 0xC0, 19,  // church organ
                                         0x00, 0x90, 60, 0x60, 0x00, 0x90, 64, 0x60, 0x00, 0x90, 67, 0x60};
    aggiungiVlq(traccia, static_cast<std::uint32_t>(secondi * 960));
    traccia.insert(traccia.end(), {0xFF, 0x2F, 0x00});
    return fileMidi(480, traccia);
}

// Files whose end lies days or years away: a delta time of 0x0FFFFFFF at
// 120 beats a minute, or the slowest tempo (16.7 s a beat) at one tick a beat.
inline QByteArray midiSenzaFine(bool tempoMassimo) {
    std::vector<std::uint8_t> traccia;
    if (tempoMassimo) traccia = {0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF};
    traccia.insert(traccia.end(), {0x00, 0xC0, 0x00, 0x00, 0x90, 60, 0x60});
    aggiungiVlq(traccia, tempoMassimo ? 1000 : 0x0FFFFFFF);
    traccia.insert(traccia.end(), {0x80, 60, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    return fileMidi(tempoMassimo ? 1 : 480, traccia);
}

}  // namespace prova
