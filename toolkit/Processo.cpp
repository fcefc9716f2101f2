#include "toolkit/Processo.h"

#include <cstdio>
#include <cstdlib>

namespace forma {

namespace {
std::function<void()>& sostituto() {
    static std::function<void()> f;
    return f;
}
}  // namespace

void SostituisciEnd(std::function<void()> f) { sostituto() = std::move(f); }

void End() {
    if (sostituto()) {
        sostituto()();
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

}  // namespace forma
