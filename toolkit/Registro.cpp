#include "toolkit/Registro.h"

namespace forma {

namespace {
std::vector<std::function<void()>>& distruttori() {
    static std::vector<std::function<void()>> v;
    return v;
}
}  // namespace

void dettaglio::registraDistruttore(std::function<void()> f) { distruttori().push_back(std::move(f)); }

void DistruggiTutte() {
    for (auto it = distruttori().rbegin(); it != distruttori().rend(); ++it) (*it)();
}

}  // namespace forma
