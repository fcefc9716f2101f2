#include "toolkit/Apertura.h"

#include <QProcess>

namespace forma {

namespace {
GestoreApertura& sostituto() {
    static GestoreApertura g;
    return g;
}
}  // namespace

void SostituisciApertura(GestoreApertura g) { sostituto() = std::move(g); }

bool ApriDocumento(const QString& percorsoAssoluto) {
    if (sostituto()) return sostituto()(percorsoAssoluto);
    // The path goes as one argument: nothing in it is read by a shell.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {percorsoAssoluto});
}

}  // namespace forma
