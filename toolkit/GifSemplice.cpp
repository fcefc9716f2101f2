#include "toolkit/GifSemplice.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace forma {

namespace {

class Lettore {
public:
    explicit Lettore(QByteArrayView d) : p_(reinterpret_cast<const std::uint8_t*>(d.data())), n_(d.size()) {}
    bool resta(qsizetype k) const { return n_ - i_ >= k; }
    std::uint8_t byte() { return p_[i_++]; }
    int parola() {
        const int v = p_[i_] | (p_[i_ + 1] << 8);
        i_ += 2;
        return v;
    }
    const std::uint8_t* qui() const { return p_ + i_; }
    void salta(qsizetype k) { i_ += k; }

private:
    const std::uint8_t* p_;
    qsizetype n_;
    qsizetype i_ = 0;
};

// Skips a chain of data sub-blocks up to its terminator.
bool saltaSottoblocchi(Lettore& l) {
    for (;;) {
        if (!l.resta(1)) return false;
        const int k = l.byte();
        if (k == 0) return true;
        if (!l.resta(k)) return false;
        l.salta(k);
    }
}

}  // namespace

std::optional<QImage> DecodificaGifSemplice(QByteArrayView dati, int latoMassimo, bool* tronca) {
    if (tronca) *tronca = false;
    // The data end before the last pixel in a file plain so far.
    auto finita = [tronca]() -> std::optional<QImage> {
        if (tronca) *tronca = true;
        return std::nullopt;
    };
    Lettore l(dati);
    if (!l.resta(6)) return std::nullopt;
    if (std::memcmp(l.qui(), "GIF87a", 6) != 0 && std::memcmp(l.qui(), "GIF89a", 6) != 0) return std::nullopt;
    if (!l.resta(13)) return finita();
    l.salta(6);
    const int larghezza = l.parola();
    const int altezza = l.parola();
    const int campi = l.byte();
    l.salta(2);  // background index, aspect: unused by an opaque picture that covers the screen
    if (larghezza <= 0 || altezza <= 0 || larghezza > latoMassimo || altezza > latoMassimo) return std::nullopt;

    std::array<QRgb, 256> tavolozza{};
    int colori = 0;
    auto leggiTavolozza = [&](int campiTavolozza) {
        colori = 2 << (campiTavolozza & 7);
        if (!l.resta(3 * colori)) return false;  // the data end in it
        for (int c = 0; c < colori; ++c) {
            const int r = l.byte();
            const int g = l.byte();
            const int b = l.byte();
            tavolozza[static_cast<std::size_t>(c)] = qRgb(r, g, b);
        }
        return true;
    };
    if ((campi & 0x80) && !leggiTavolozza(campi)) return finita();

    // Extensions up to the first image, of the three kinds that Qt's reader
    // skips as this loop does; a transparent colour is left to Qt.
    for (;;) {
        if (!l.resta(1)) return finita();
        const int introduttore = l.byte();
        if (introduttore == 0x2C) break;
        if (introduttore != 0x21) return std::nullopt;
        if (!l.resta(1)) return finita();
        const int etichetta = l.byte();
        if (etichetta == 0xF9) {
            if (!l.resta(1)) return finita();
            if (l.byte() != 4) return std::nullopt;
            if (!l.resta(4)) return finita();
            if (l.qui()[0] & 0x01) return std::nullopt;
            l.salta(4);
        } else if (etichetta == 0xFF) {
            // Qt's reader takes the first byte for the length of the name
            // and reads on from there: only the named form reads alike.
            if (!l.resta(1)) return finita();
            if (l.byte() != 11) return std::nullopt;
            if (!l.resta(11)) return finita();
            l.salta(11);
        } else if (etichetta != 0xFE) {
            return std::nullopt;
        }
        if (!saltaSottoblocchi(l)) return finita();
    }

    if (!l.resta(9)) return finita();
    const int sinistra = l.parola();
    const int alto = l.parola();
    const int w = l.parola();
    const int h = l.parola();
    const int campiImmagine = l.byte();
    if (sinistra != 0 || alto != 0 || w != larghezza || h != altezza) return std::nullopt;
    if (campiImmagine & 0x40) return std::nullopt;  // interlaced
    if ((campiImmagine & 0x80) && !leggiTavolozza(campiImmagine)) return finita();
    if (colori == 0) return std::nullopt;

    if (!l.resta(1)) return finita();
    const int minimo = l.byte();
    if (minimo < 2 || minimo > 8) return std::nullopt;

    // LZW, codes read least significant bit first across the sub-blocks.
    // Every code past the roots stands for a run of indices already written
    // out: where it starts and how long it is. A new code is the previous
    // code's run plus the first index of the run that follows it directly,
    // so it is that run, one longer, where it was just written.
    const qint64 totale = static_cast<qint64>(larghezza) * altezza;
    // Short runs are copied a whole block at a time: room for the last one.
    constexpr int kBlocco = 16;
    QByteArray indici(totale + kBlocco, Qt::Uninitialized);
    auto* uscita = reinterpret_cast<std::uint8_t*>(indici.data());
    constexpr int kCodici = 4096;
    std::array<qint64, kCodici> inizio{};
    std::array<int, kCodici> lunghezza{};
    const int pulisci = 1 << minimo;
    const int fine = pulisci + 1;
    int ampiezza = minimo + 1;
    int prossimo = pulisci + 2;
    int precedente = -1;
    int lunghezzaPrecedente = 0;  // of the run the previous code wrote, just before this one
    qint64 scritti = 0;

    std::uint32_t bit = 0;
    int nBit = 0;
    int blocco = 0;
    // The next code, or none where the data end: the file, or the image's
    // sub-blocks (their terminator is then read).
    auto prossimoCodice = [&]() -> std::optional<int> {
        while (nBit < ampiezza) {
            if (blocco == 0) {
                if (!l.resta(1)) return std::nullopt;
                blocco = l.byte();
                if (blocco == 0) return std::nullopt;
            }
            if (!l.resta(1)) return std::nullopt;
            bit |= static_cast<std::uint32_t>(l.byte()) << nBit;
            nBit += 8;
            --blocco;
        }
        const int codice = static_cast<int>(bit & ((1u << ampiezza) - 1));
        bit >>= ampiezza;
        nBit -= ampiezza;
        return codice;
    };
    while (scritti < totale) {
        const std::optional<int> letto = prossimoCodice();
        if (!letto) return finita();
        const int codice = *letto;

        if (codice == pulisci) {
            ampiezza = minimo + 1;
            prossimo = pulisci + 2;
            precedente = -1;
            continue;
        }
        if (codice == fine) return finita();
        const qint64 qui = scritti;
        if (codice < pulisci) {
            // Every index of the picture is first written here; the codes
            // that follow only copy runs already written.
            if (codice >= colori) return std::nullopt;
            uscita[scritti++] = static_cast<std::uint8_t>(codice);
        } else {
            if (precedente < 0 || codice > prossimo || codice >= kCodici) return std::nullopt;
            qint64 da;
            int quanti;
            if (codice == prossimo) {
                // Being defined by this very step: the previous run and its
                // own first index, copied forwards byte by byte.
                da = qui - lunghezzaPrecedente;
                quanti = lunghezzaPrecedente + 1;
            } else {
                da = inizio[static_cast<std::size_t>(codice)];
                quanti = lunghezza[static_cast<std::size_t>(codice)];
            }
            if (scritti + quanti > totale) return std::nullopt;
            if (da + quanti <= scritti && quanti <= kBlocco) {
                // The bytes past the run are overwritten by what follows.
                std::memmove(uscita + scritti, uscita + da, kBlocco);
                scritti += quanti;
            } else if (da + quanti <= scritti) {
                std::memcpy(uscita + scritti, uscita + da, static_cast<std::size_t>(quanti));
                scritti += quanti;
            } else {
                for (int k = 0; k < quanti; ++k) uscita[scritti++] = uscita[da + k];
            }
        }
        if (precedente >= 0 && prossimo < kCodici) {
            const auto p = static_cast<std::size_t>(prossimo);
            inizio[p] = qui - lunghezzaPrecedente;
            lunghezza[p] = lunghezzaPrecedente + 1;
            ++prossimo;
            if (prossimo == (1 << ampiezza) && ampiezza < 12) ++ampiezza;
        }
        lunghezzaPrecedente = static_cast<int>(scritti - qui);
        precedente = codice;
    }

    // After the last pixel Qt's reader goes on decoding up to the end code,
    // and may refuse the whole file over what it finds. Taken here: the end
    // code; zero bits that fill the last byte, where the image's sub-blocks
    // (or the file) end with it; the end of the data before a whole code.
    auto finisceQui = [&]() {
        const bool restoZero = (bit & ((1u << nBit) - 1)) == 0;
        if (nBit >= ampiezza && static_cast<int>(bit & ((1u << ampiezza) - 1)) == fine) return true;
        if (restoZero && blocco == 0 && (!l.resta(1) || l.qui()[0] == 0)) return true;
        if (nBit >= ampiezza) return false;
        const std::optional<int> dopo = prossimoCodice();
        return !dopo || *dopo == fine;
    };
    if (!finisceQui()) return std::nullopt;

    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    if (immagine.isNull()) return std::nullopt;
    // Rows of 32-bit pixels follow each other without padding.
    auto* pixel = reinterpret_cast<QRgb*>(immagine.bits());
    for (qint64 i = 0; i < totale; ++i) pixel[i] = tavolozza[uscita[i]];
    return immagine;
}

}  // namespace forma
