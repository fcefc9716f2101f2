// What the other windows need of the main window, and all they see of it. The
// main window's library links theirs, never the other way round: it makes
// itself known here when the program starts, before main runs, and the other
// windows reach it through these calls alone.
#pragma once

namespace contenuti {
struct ContenutoCarta;
}

namespace principale {

// The main window as the other windows see it. Its operations create and
// start the window on first use, as every window is created.
class Principale {
public:
    // Draws map `numcarta` through the dispatcher that owns it.
    virtual void disegnaCarta() const = 0;
    // Shows the main window: full screen, in front.
    virtual void mostra() const = 0;
    // The content of map `carta` as the main window's catalogue holds it;
    // nullptr outside the catalogue. Creates no window.
    virtual const contenuti::ContenutoCarta* contenutoDi(int carta) const = 0;

protected:
    ~Principale() = default;
};

// Made once by the main window's library.
void Collega(const Principale& finestra);

// The calls the other windows make. In a program without the main window the
// first two do nothing and the third finds no content; stderr says so once.
void DisegnaCarta();
void Mostra();
const contenuti::ContenutoCarta* ContenutoDi(int carta);

}  // namespace principale
