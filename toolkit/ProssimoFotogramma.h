// Work that the reader need not wait for, run once the window's next frame
// (at start-up its first) has been painted and handed to the display.
#pragma once

#include <functional>

class QWidget;

namespace forma {

// Runs `azione` once, from the event loop, right after the next paint of
// `finestra` has been delivered (the paint and its hand-over to the display
// are one event: the action follows it). Should no frame come within
// `limiteMs` (a window that is never exposed), it runs then all the same.
// Should the window go first, the action does not run.
void DopoIlProssimoFotogramma(QWidget& finestra, std::function<void()> azione, int limiteMs = 500);

}  // namespace forma
