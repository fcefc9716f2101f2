#include "toolkit/Timer.h"

namespace forma {

Timer::Timer(QObject* padre) : QObject(padre) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Tick) Tick();
    });
}

void Timer::setInterval(int ms) {
    intervallo_ = ms;
    aggiorna();
}

void Timer::setEnabled(bool e) {
    abilitato_ = e;
    aggiorna();
}

void Timer::aggiorna() {
    if (abilitato_ && intervallo_ > 0)
        timer_.start(intervallo_);
    else
        timer_.stop();
}

}  // namespace forma
