// When a frame reaches the X screen, seen from outside the program's own
// connection: the X server reports every drawing on the root window (the
// DAMAGE extension; with no compositor that includes every window's), as
// bench/primo_fotogramma.cpp watches a cold start. The benchmarks of the
// running atlas use it under QT_QPA_PLATFORM=xcb: from a click to the last
// drawing its frame made on the screen.
#pragma once

#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace schermo {

using Orologio = std::chrono::steady_clock;

class Danni {
public:
    // Connects to $DISPLAY and watches the root window; false without a
    // display or DAMAGE.
    bool apri() {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_)) return false;
        const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        const xcb_query_extension_reply_t* est = xcb_get_extension_data(c_, &estensione_);
        if (!est || !est->present) return false;
        primoEvento_ = est->first_event;
        Versione v{0, 0, 0, 1, 1};
        std::free(xcb_wait_for_reply(c_, invia(0, v, true), nullptr));
        Crea cr{0, 1, 0, xcb_generate_id(c_), s->root, 0 /* raw rectangles */, {0, 0, 0}};
        if (xcb_generic_error_t* e = xcb_request_check(c_, xcb_void_cookie_t{invia(1, cr, false)})) {
            std::free(e);
            return false;
        }
        return true;
    }
    ~Danni() {
        if (c_) xcb_disconnect(c_);
    }

    // Forgets what was drawn so far.
    void azzera() { leggi(0, nullptr); }

    // Reads the drawings reported within `msAttesa`; the time of the last
    // one goes to `ultimo`. True when there was any.
    bool leggi(int msAttesa, Orologio::time_point* ultimo) {
        bool visti = false;
        auto consuma = [&] {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                if ((e->response_type & 0x7F) == primoEvento_) {
                    visti = true;
                    if (ultimo) *ultimo = Orologio::now();
                }
                std::free(e);
            }
        };
        consuma();
        if (visti || msAttesa <= 0) return visti;
        pollfd pf{xcb_get_file_descriptor(c_), POLLIN, 0};
        if (poll(&pf, 1, msAttesa) > 0) consuma();
        return visti;
    }

private:
    struct Versione {
        std::uint8_t maggiore, minore;
        std::uint16_t lunghezza;
        std::uint32_t vMaggiore, vMinore;
    };
    struct Crea {
        std::uint8_t maggiore, minore;
        std::uint16_t lunghezza;
        std::uint32_t damage, drawable;
        std::uint8_t livello;
        std::uint8_t riempimento[3];
    };
    template <class R>
    unsigned invia(std::uint8_t numero, R& r, bool risposta) {
        iovec parti[4];
        parti[2].iov_base = &r;
        parti[2].iov_len = sizeof r;
        parti[3].iov_base = nullptr;
        parti[3].iov_len = -parti[2].iov_len & 3;
        const xcb_protocol_request_t p = {2, &estensione_, numero, std::uint8_t(risposta ? 0 : 1)};
        return xcb_send_request(c_, XCB_REQUEST_CHECKED, parti + 2, &p);
    }

    xcb_connection_t* c_ = nullptr;
    xcb_extension_t estensione_ = {"DAMAGE", 0};
    std::uint8_t primoEvento_ = 0;
};

}  // namespace schermo
