// Windows are created on first use: any access to a window that does not
// exist creates it and runs its start-up before the access takes effect.
// Destroying a window returns it to "not created".
#pragma once

#include <QPointer>
#include <functional>
#include <vector>

namespace forma {

namespace dettaglio {
void registraDistruttore(std::function<void()> f);
template <class F>
F*& posto() {
    static F* p = nullptr;
    return p;
}
}  // namespace dettaglio

template <class F>
bool Esiste() {
    return dettaglio::posto<F>() != nullptr;
}

template <class F>
F& Finestra() {
    F*& p = dettaglio::posto<F>();
    if (!p) {
        static const bool registrato = [] {
            dettaglio::registraDistruttore([] {
                F*& q = dettaglio::posto<F>();
                delete q;
                q = nullptr;
            });
            return true;
        }();
        (void)registrato;
        p = new F();
        p->Form_Load();
    }
    return *p;
}

// Destroys the window. Safe inside the window's own handlers: the object goes
// away once control is back in the event loop, but the window counts as not
// created from this moment on.
template <class F>
void Distruggi() {
    F*& p = dettaglio::posto<F>();
    if (!p) return;
    F* vecchia = p;
    p = nullptr;
    vecchia->hide();
    vecchia->deleteLater();
}

// Destroys every window at once (end of the program, or between tests).
void DistruggiTutte();

// Something a window keeps beyond its own life (its tables, say) and that
// goes with the windows when they are all destroyed.
inline void AllaDistruzioneDiTutte(std::function<void()> f) { dettaglio::registraDistruttore(std::move(f)); }

}  // namespace forma
