// Times a program from its exec to its first frame on the X screen, watching
// from outside: it asks the X server to report every drawing on the root
// window (the DAMAGE extension, which sees the drawing of every window on a
// screen with no compositor), starts the program, and stops the clock when
// what has been drawn since the exec covers most of the screen. The program
// under watch is not touched in any way.
//
//   primo_fotogramma [--copertura 0.9] [--limite-ms 20000] [--traccia 1] programma [argomenti...]
//
// Prints one line: the milliseconds to the first full frame and to the first
// drawing of any size ("213.4 211.9"); then ends the program. With
// --traccia 1 every drawing reported until then goes to stderr, with its time
// and area. Exits 1, with a line on stderr, when there is no display, no
// DAMAGE, or no frame in time.
//
// libxcb has no binding for DAMAGE unless its own development package is
// there, so the two requests used here are sent as the protocol writes them.
#include <poll.h>
#include <signal.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/Osservato.h"

namespace {

using Orologio = std::chrono::steady_clock;

xcb_extension_t estensioneDamage = {"DAMAGE", 0};

// Request numbers, the report level and the event of the DAMAGE protocol.
constexpr std::uint8_t DamageQueryVersion = 0;
constexpr std::uint8_t DamageCreate = 1;
constexpr std::uint8_t DamageReportRawRectangles = 0;
constexpr std::uint8_t DamageNotify = 0;

struct RichiestaVersione {
    std::uint8_t maggiore;  // filled in by libxcb
    std::uint8_t minore;
    std::uint16_t lunghezza;  // filled in by libxcb
    std::uint32_t versioneMaggiore;
    std::uint32_t versioneMinore;
};

struct RichiestaCrea {
    std::uint8_t maggiore;
    std::uint8_t minore;
    std::uint16_t lunghezza;
    std::uint32_t damage;
    std::uint32_t drawable;
    std::uint8_t livello;
    std::uint8_t riempimento[3];
};

struct EventoDamage {  // 32 bytes, as the server sends it
    std::uint8_t tipo;
    std::uint8_t livello;
    std::uint16_t sequenza;
    std::uint32_t drawable;
    std::uint32_t damage;
    std::uint32_t tempo;
    std::int16_t x, y;
    std::uint16_t larghezza, altezza;
    std::int16_t gx, gy;
    std::uint16_t glarghezza, galtezza;
};
static_assert(sizeof(EventoDamage) == 32);

template <class R>
unsigned invia(xcb_connection_t* c, std::uint8_t numero, R& richiesta, bool conRisposta) {
    iovec parti[4];
    parti[2].iov_base = &richiesta;
    parti[2].iov_len = sizeof richiesta;
    parti[3].iov_base = nullptr;
    parti[3].iov_len = -parti[2].iov_len & 3;
    const xcb_protocol_request_t protocollo = {2, &estensioneDamage, numero, std::uint8_t(conRisposta ? 0 : 1)};
    return xcb_send_request(c, XCB_REQUEST_CHECKED, parti + 2, &protocollo);
}

// What has been drawn on the screen since the clock started, pixel by pixel.
class Copertura {
public:
    Copertura(int larghezza, int altezza)
        : l_(larghezza), a_(altezza), pixel_(static_cast<std::size_t>(larghezza) * altezza, 0) {}
    void azzera() {
        std::fill(pixel_.begin(), pixel_.end(), 0);
        coperti_ = 0;
    }
    void aggiungi(int x, int y, int w, int h) {
        const int x0 = std::max(x, 0), y0 = std::max(y, 0);
        const int x1 = std::min(x + w, l_), y1 = std::min(y + h, a_);
        for (int r = y0; r < y1; ++r) {
            std::uint8_t* riga = pixel_.data() + static_cast<std::size_t>(r) * l_;
            for (int k = x0; k < x1; ++k) {
                coperti_ += riga[k] == 0;
                riga[k] = 1;
            }
        }
    }
    double frazione() const { return static_cast<double>(coperti_) / (static_cast<double>(l_) * a_); }

private:
    int l_, a_;
    std::vector<std::uint8_t> pixel_;
    long long coperti_ = 0;
};

double millisecondi(Orologio::time_point da, Orologio::time_point a) {
    return std::chrono::duration<double, std::milli>(a - da).count();
}

// True while a window other than the root is shown on the screen.
bool schermoOccupato(xcb_connection_t* c, xcb_window_t radice) {
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> albero(
        xcb_query_tree_reply(c, xcb_query_tree(c, radice), nullptr), &std::free);
    if (!albero) return false;
    const xcb_window_t* figli = xcb_query_tree_children(albero.get());
    const int n = xcb_query_tree_children_length(albero.get());
    std::vector<xcb_get_window_attributes_cookie_t> richieste;
    for (int i = 0; i < n; ++i) richieste.push_back(xcb_get_window_attributes(c, figli[i]));
    bool occupato = false;
    for (auto& r : richieste) {
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributi(
            xcb_get_window_attributes_reply(c, r, nullptr), &std::free);
        if (attributi && attributi->map_state == XCB_MAP_STATE_VIEWABLE) occupato = true;
    }
    return occupato;
}

// Waits up to `ms` for events; hands each damage notification to `f`.
template <class F>
bool attendiEventi(xcb_connection_t* c, std::uint8_t primoEvento, int ms, F&& f) {
    pollfd pf{xcb_get_file_descriptor(c), POLLIN, 0};
    bool ricevuti = false;
    auto consuma = [&] {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7F) == primoEvento + DamageNotify) {
                EventoDamage d;
                std::memcpy(&d, e, sizeof d);
                f(d);
                ricevuti = true;
            }
            std::free(e);
        }
    };
    consuma();
    if (ricevuti) return true;
    if (poll(&pf, 1, ms) > 0) consuma();
    return ricevuti;
}

int errore(const char* messaggio) {
    std::fprintf(stderr, "primo_fotogramma: %s\n", messaggio);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    double soglia = 0.9;
    int limiteMs = 20000;
    bool traccia = false;
    int a = 1;
    for (; a < argc && std::strncmp(argv[a], "--", 2) == 0; a += 2) {
        if (a + 1 >= argc) return errore("an option without its value");
        if (std::strcmp(argv[a], "--copertura") == 0)
            soglia = std::atof(argv[a + 1]);
        else if (std::strcmp(argv[a], "--limite-ms") == 0)
            limiteMs = std::atoi(argv[a + 1]);
        else if (std::strcmp(argv[a], "--traccia") == 0)
            traccia = std::atoi(argv[a + 1]) != 0;
        else
            return errore("unknown option");
    }
    if (a >= argc)
        return errore("usage: primo_fotogramma [--copertura 0.9] [--limite-ms 20000] [--traccia 1] programma [args]");

    int numeroSchermo = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &numeroSchermo);
    if (xcb_connection_has_error(c)) return errore("no X display (DISPLAY)");
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < numeroSchermo; ++i) xcb_screen_next(&it);
    const xcb_screen_t* schermo = it.data;
    const xcb_window_t radice = schermo->root;

    const xcb_query_extension_reply_t* est = xcb_get_extension_data(c, &estensioneDamage);
    if (!est || !est->present) return errore("the X server has no DAMAGE extension");
    const std::uint8_t primoEvento = est->first_event;

    RichiestaVersione versione{0, DamageQueryVersion, 0, 1, 1};
    const unsigned seqVersione = invia(c, DamageQueryVersion, versione, true);
    xcb_generic_error_t* err = nullptr;
    std::free(xcb_wait_for_reply(c, seqVersione, &err));
    if (err) {
        std::free(err);
        return errore("DAMAGE refused its version");
    }
    RichiestaCrea crea{0, DamageCreate, 0, xcb_generate_id(c), radice, DamageReportRawRectangles, {0, 0, 0}};
    const unsigned seqCrea = invia(c, DamageCreate, crea, false);
    if (xcb_generic_error_t* e = xcb_request_check(c, xcb_void_cookie_t{seqCrea})) {
        std::free(e);
        return errore("DAMAGE refused to watch the root window");
    }

    // Start on a still, empty screen: the window of a program run just before
    // may still be going away, and its going repaints the root.
    const auto inizioQuiete = Orologio::now();
    for (;;) {
        const bool disegno = attendiEventi(c, primoEvento, 150, [](const EventoDamage&) {});
        if (!disegno && !schermoOccupato(c, radice)) break;
        if (millisecondi(inizioQuiete, Orologio::now()) > 10000) return errore("the screen never became still");
    }

    Copertura copertura(schermo->width_in_pixels, schermo->height_in_pixels);
    const auto t0 = Orologio::now();
    const pid_t figlio = osservato::avvia(c, argv + a, "primo_fotogramma");
    if (figlio < 0) return errore("fork failed");

    double primoDisegno = -1;
    double fotogramma = -1;
    while (fotogramma < 0) {
        attendiEventi(c, primoEvento, 20, [&](const EventoDamage& d) {
            if (fotogramma >= 0) return;
            const double ms = millisecondi(t0, Orologio::now());
            if (primoDisegno < 0) primoDisegno = ms;
            copertura.aggiungi(d.x, d.y, d.larghezza, d.altezza);
            if (traccia)
                std::fprintf(stderr, "%8.1f ms  %4dx%-4d at %d,%d  covered %.0f%%\n", ms, d.larghezza, d.altezza, d.x,
                             d.y, 100 * copertura.frazione());
            if (copertura.frazione() >= soglia) fotogramma = ms;
        });
        if (fotogramma >= 0) break;
        int stato = 0;
        if (waitpid(figlio, &stato, WNOHANG) == figlio) return errore("the program ended before its first frame");
        if (millisecondi(t0, Orologio::now()) > limiteMs) {
            osservato::termina(figlio);
            return errore("no frame covering the screen in time");
        }
    }
    std::printf("%.1f %.1f\n", fotogramma, primoDisegno);
    std::fflush(stdout);
    osservato::termina(figlio);
    xcb_disconnect(c);
    return 0;
}
