#include "app/Principale.h"

#include <cstdio>

namespace principale {

namespace {

// Set before main runs (a constant-initialized pointer: no order to fear).
constinit const Principale* collegata = nullptr;

const Principale* principaleCollegata() {
    static bool detto = false;
    if (!collegata && !detto) {
        detto = true;
        std::fprintf(stderr, "cartaviva: this program has no main window; nothing to draw or show there\n");
    }
    return collegata;
}

}  // namespace

void Collega(const Principale& finestra) { collegata = &finestra; }

void DisegnaCarta() {
    if (const Principale* f = principaleCollegata()) f->disegnaCarta();
}

void Mostra() {
    if (const Principale* f = principaleCollegata()) f->mostra();
}

const contenuti::ContenutoCarta* ContenutoDi(int carta) {
    const Principale* f = principaleCollegata();
    return f ? f->contenutoDi(carta) : nullptr;
}

}  // namespace principale
