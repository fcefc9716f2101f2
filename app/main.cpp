// CARTAVIVA: the main window is the start-up object. Its start-up runs before
// it is first shown, so the first frame already shows map 1.
#include <QApplication>
#include <QDBusConnection>
#include <thread>

#include "main_window/Tavolavel.h"
#include "toolkit/Caratteri.h"
#include "toolkit/MMControl.h"
#include "toolkit/ProssimoFotogramma.h"
#include "toolkit/Registro.h"

namespace {

// The accessibility bridge connects to the session bus the first time
// anything asks whether a screen reader listens, which building and showing
// the window does; with no bus running, the connection first tries to start
// one. Made here on a thread of its own, the connection is ready (or known
// to be absent) by the time the bridge asks for it, and the window is built
// meanwhile instead of waiting. The bridge itself starts as before.
std::thread connessioneAnticipata() {
    const QString piattaforma = QGuiApplication::platformName();
    if (piattaforma == QLatin1String("offscreen") || piattaforma == QLatin1String("minimal")) return {};
    return std::thread([] { (void)QDBusConnection::sessionBus(); });
}

}  // namespace

int main(int argc, char** argv) {
    // The fonts' configuration is read while the application connects to the
    // display; the window's first caption needs it.
    std::thread caratteri = forma::LeggiConfigurazioneCaratteri();
    QApplication app(argc, argv);
    Tavolavel::PreparaFigureIniziali();
    caratteri.join();
    QApplication::setApplicationName(QStringLiteral("CARTAVIVA"));
    std::thread bus = connessioneAnticipata();
    // Start-up presses Play, but the synthesizer's library (and the dozens
    // of libraries it maps) would compete with the first frame for the
    // processor and the dynamic loader: it is loaded once the frame is on
    // the screen, a few milliseconds later, and the music starts then.
    forma::MMControl::setLoadingHeld(true);
    Tavolavel& principale = forma::Finestra<Tavolavel>();
    principale.Show();
    forma::DopoIlProssimoFotogramma(principale, [] { forma::MMControl::setLoadingHeld(false); });
    const int esito = QApplication::exec();
    if (bus.joinable()) bus.join();
    forma::DistruggiTutte();
    return esito;
}
