// A second, independent clock for the first frame on the X screen: it reads
// the screen's pixels instead of the server's reports of drawing (DAMAGE, as
// bench/primo_fotogramma.cpp does), so the two cannot share a blind spot.
// From the exec of the program it reads, again and again, a set of rows
// spread over the whole screen (GetImage), and stops the clock when 99% of
// the pixels where the program's settled frame differs from the empty screen
// show that frame: the frame the reader sees, whatever order it was drawn in.
//
// The settled frame is learnt once per program, in a run of its own:
//
//   fotogramma_pixel --impara FILE programma [argomenti...]   # 3 s, then the rows go to FILE
//   fotogramma_pixel --atteso FILE programma [argomenti...]   # prints "ms ms", like primo_fotogramma
//
// The second number is the first time any row differed from the empty
// screen. Reading the screen costs the X server work while the program
// starts (about a millisecond a read at 1024x768), which the DAMAGE clock
// does not; in rounds taken in turn the cost weighs on every program alike.
// Exits 1, with a line on stderr, when there is no display or no frame in
// time.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/Osservato.h"

namespace {

using Orologio = std::chrono::steady_clock;

// Rows read at each look: enough to see every band a frame may come in,
// few enough that a look stays short.
constexpr int Righe = 24;

struct Schermo {
    xcb_connection_t* c = nullptr;
    xcb_window_t radice = 0;
    int larghezza = 0, altezza = 0;

    // The rows, one after the other, with the padding byte masked out.
    std::vector<std::uint32_t> leggi() const {
        std::vector<xcb_get_image_cookie_t> richieste;
        for (int r = 0; r < Righe; ++r) {
            const auto y = static_cast<std::int16_t>((2 * r + 1) * altezza / (2 * Righe));
            richieste.push_back(xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, radice, 0, y,
                                              static_cast<std::uint16_t>(larghezza), 1, ~0u));
        }
        std::vector<std::uint32_t> pixel;
        pixel.reserve(static_cast<std::size_t>(Righe) * larghezza);
        for (auto& r : richieste) {
            xcb_get_image_reply_t* risposta = xcb_get_image_reply(c, r, nullptr);
            const int n = risposta ? xcb_get_image_data_length(risposta) / 4 : 0;
            if (n < larghezza) {  // not a 32-bit screen, or no answer: a row that never matches
                pixel.insert(pixel.end(), static_cast<std::size_t>(larghezza), 0xFFFFFFFFu);
            } else {
                const auto* d = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(risposta));
                for (int k = 0; k < larghezza; ++k) pixel.push_back(d[k] & 0xFFFFFFu);
            }
            std::free(risposta);
        }
        return pixel;
    }
};

double millisecondi(Orologio::time_point da, Orologio::time_point a) {
    return std::chrono::duration<double, std::milli>(a - da).count();
}

// The pixels where the settled frame differs from the empty screen: only they
// tell whether the frame has come (a bare window on a black screen leaves
// most pixels black).
std::vector<std::size_t> diversi(const std::vector<std::uint32_t>& fermo, const std::vector<std::uint32_t>& vuoto) {
    std::vector<std::size_t> indici;
    for (std::size_t i = 0; i < fermo.size() && i < vuoto.size(); ++i)
        if (fermo[i] != vuoto[i]) indici.push_back(i);
    return indici;
}

int errore(const char* messaggio) {
    std::fprintf(stderr, "fotogramma_pixel: %s\n", messaggio);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (std::strcmp(argv[1], "--impara") != 0 && std::strcmp(argv[1], "--atteso") != 0))
        return errore("usage: fotogramma_pixel --impara|--atteso FILE programma [argomenti...]");
    const bool impara = std::strcmp(argv[1], "--impara") == 0;
    const std::string file = argv[2];
    char** comando = argv + 3;

    Schermo s;
    int numeroSchermo = 0;
    s.c = xcb_connect(nullptr, &numeroSchermo);
    if (xcb_connection_has_error(s.c)) return errore("no X display (DISPLAY)");
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(s.c));
    for (int i = 0; i < numeroSchermo; ++i) xcb_screen_next(&it);
    s.radice = it.data->root;
    s.larghezza = it.data->width_in_pixels;
    s.altezza = it.data->height_in_pixels;

    std::vector<std::uint32_t> atteso;
    if (!impara) {
        FILE* f = std::fopen(file.c_str(), "rb");
        if (!f) return errore("cannot read the learnt frame");
        atteso.resize(static_cast<std::size_t>(Righe) * s.larghezza);
        const bool intero = std::fread(atteso.data(), 4, atteso.size(), f) == atteso.size();
        std::fclose(f);
        if (!intero) return errore("the learnt frame is for another screen size");
    }

    // Start on a still screen: the window of a program run just before may
    // still be going away.
    std::vector<std::uint32_t> vuoto = s.leggi();
    for (auto quiete = Orologio::now(), inizio = quiete; millisecondi(quiete, Orologio::now()) < 200;) {
        usleep(20000);
        std::vector<std::uint32_t> ora = s.leggi();
        if (ora != vuoto) {
            vuoto = std::move(ora);
            quiete = Orologio::now();
        }
        if (millisecondi(inizio, Orologio::now()) > 10000) return errore("the screen never became still");
    }

    const auto t0 = Orologio::now();
    const pid_t figlio = osservato::avvia(s.c, comando, "fotogramma_pixel");
    if (figlio < 0) return errore("fork failed");

    if (impara) {
        usleep(3000000);
        const std::vector<std::uint32_t> fermo = s.leggi();
        osservato::termina(figlio);
        if (diversi(fermo, vuoto).size() < fermo.size() / 100) return errore("the program showed no frame in 3 s");
        FILE* f = std::fopen(file.c_str(), "wb");
        if (!f || std::fwrite(fermo.data(), 4, fermo.size(), f) != fermo.size()) return errore("cannot write the learnt frame");
        std::fclose(f);
        return 0;
    }

    const std::vector<std::size_t> daVedere = diversi(atteso, vuoto);
    if (daVedere.empty()) return errore("the learnt frame is the empty screen");
    double primoCambio = -1, fotogramma = -1;
    while (fotogramma < 0) {
        const std::vector<std::uint32_t> ora = s.leggi();
        const double ms = millisecondi(t0, Orologio::now());
        if (primoCambio < 0 && ora != vuoto) primoCambio = ms;
        std::size_t giunti = 0;
        for (const std::size_t i : daVedere) giunti += ora[i] == atteso[i];
        if (giunti >= daVedere.size() * 99 / 100) {
            fotogramma = ms;
            break;
        }
        int stato = 0;
        if (waitpid(figlio, &stato, WNOHANG) == figlio) return errore("the program ended before its first frame");
        if (ms > 20000) {
            osservato::termina(figlio);
            return errore("no frame like the learnt one in time");
        }
        usleep(500);
    }
    std::printf("%.1f %.1f\n", fotogramma, primoCambio);
    std::fflush(stdout);
    osservato::termina(figlio);
    xcb_disconnect(s.c);
    return 0;
}
