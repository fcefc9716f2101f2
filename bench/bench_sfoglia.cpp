// The draw of every map in turn, 1 to 168 as Next goes, so that pictures,
// captions, places and the description really change from one draw to the
// next: the dispatcher (picture files read and decoded, the map's content
// applied), then the paint of the frame that follows, up to its hand-over to
// the display. Real pictures of the data folder, nothing cached by us.
//
//   build/bench/bench_sfoglia [--passate 5]
//
// Headless by default (offscreen, on a 1024x768 screen); QT_QPA_PLATFORM=xcb
// under a display counts the hand-over to the X server too.
#include <QTest>
#include <cstring>

#include "app/ModtavolaVel.h"
#include "bench/Misura.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "toolkit/MMControl.h"
#include "toolkit/Registro.h"

using ModtavolaVel::numcarta;

namespace {

std::string quale(std::size_t campione) {
    const int carta = static_cast<int>(campione % NumeroCarte) + 1;
    const SchedaCarta& s = *schedaDi(carta);
    return "worst: map " + std::to_string(carta) + " (" + s.anno + (carta <= UltimaCartaaC ? " BC, " : " AD, ") + s.fileCarta +
           ")";
}

}  // namespace

int main(int argc, char** argv) {
    const auto schermo = misura::piattaformaPredefinita();
    misura::Applicazione applicazione(argc, argv);
    QDir::setCurrent(QStringLiteral(CARTAVIVA_DATI));
    int passate = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--passate") == 0) passate = std::max(1, std::atoi(argv[i + 1]));
    forma::MMControl::setAudioDisabled(true);

    misura::intestazione("CARTAVIVA: the draw of every map in turn, 1 -> 168, in ms");
    Tavolavel& t = forma::Finestra<Tavolavel>();
    t.Show();
    if (!QTest::qWaitForWindowExposed(&t)) {
        std::fprintf(stderr, "bench_sfoglia: the main window was never shown\n");
        return 1;
    }
    misura::calma(200);

    std::vector<double> disegno, dipinto, totale;
    for (int p = 0; p < passate; ++p) {
        for (int carta = 1; carta <= NumeroCarte; ++carta) {
            misura::calma(2);
            misura::app().azzera();
            const auto t0 = misura::Orologio::now();
            numcarta = static_cast<std::int16_t>(carta);
            t.disegnaCarta();
            const auto t1 = misura::Orologio::now();
            const double fine = misura::finoAlFotogramma([] {}, [&] { return static_cast<QWidget*>(&t); });
            disegno.push_back(misura::ms(t0, t1));
            dipinto.push_back(fine);
            totale.push_back(misura::ms(t0, t1) + fine);
        }
    }

    std::printf("  %d passes, %d draws\n", passate, passate * NumeroCarte);
    misura::titoliRighe();
    const misura::Sintesi sd = misura::sintesi(disegno), sp = misura::sintesi(dipinto), st = misura::sintesi(totale);
    misura::riga("dispatcher (pictures + content)", sd, quale(sd.indicePeggiore));
    misura::riga("paint of the frame", sp, quale(sp.indicePeggiore));
    misura::riga("draw to painted frame", st, quale(st.indicePeggiore));

    forma::DistruggiTutte();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
