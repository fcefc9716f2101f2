// What a reader waits for after a click: from the press of the mouse to the
// moment the window's new frame has been painted and handed to the display.
// Real clicks (QTest) on the real windows, with the real pictures of the data
// folder and the music playing (to no sound device), in the order a reader
// would make them:
//   - Next through all the maps, then Previous back to the first (each pass);
//   - on every 16th map, the four flags in turn;
//   - presses along the two timelines;
//   - the chronology's page buttons, each page in turn;
//   - opening each window from the main window (print, chronology, animation,
//     credits), going back each time as the reader does: the print and
//     animation windows are built afresh on every opening, the credits window
//     is shown ready-made, the chronology is shown again after a map was
//     chosen in it. The first opening builds the window: it is shown apart.
//
//   build/bench/bench_clic [--passate 3] [--aperture 10]
//
// Headless by default (offscreen, on a 1024x768 screen: the frame is handed
// to an image in memory); under a display, QT_QPA_PLATFORM=xcb counts the
// hand-over to the X server too, and Next, Previous and the chronology's
// page switch are timed a second time to the frame's last drawing on the X
// screen, as the X server reports it to an outside connection (DAMAGE, see
// bench/Schermo.h; run it on a private X server with no compositor, e.g.
// Xvfb :94 & DISPLAY=:94 QT_QPA_PLATFORM=xcb build/bench/bench_clic).
// Last, Next is timed in blocks taken in turn with a bare Qt window that, at
// each click, reads the next map's picture and shows it: the floor for
// showing a new picture, in process and on the screen.
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <cstring>
#include <optional>

#include "animation/mapanimVel.h"
#include "app/ModtavolaVel.h"
#include "bench/Misura.h"
#include "chronology/Cronologiavel.h"
#include "credits/Collaborvel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "print/Stampavel.h"
#include "toolkit/MMControl.h"
#include "toolkit/Percorsi.h"
#include "toolkit/Registro.h"
#ifdef CARTAVIVA_SCHERMO_X
#include "bench/Schermo.h"
#endif

using misura::finoAlFotogramma;
using ModtavolaVel::numcarta;

namespace {

template <class F>
QWidget* seEsiste() {
    return forma::Esiste<F>() ? &forma::Finestra<F>() : nullptr;
}

Tavolavel& principale() { return forma::Finestra<Tavolavel>(); }

#ifdef CARTAVIVA_SCHERMO_X
std::optional<schermo::Danni> danni;  // open under xcb only
#endif
std::vector<double>* sulloSchermo = nullptr;  // where the next action's on-screen time goes

// As finoAlFotogramma, and, when the X screen is watched and a series is
// given, the time from the start of the action to the frame's last drawing
// on the screen (the drawings stop for 15 ms).
double misurata(const std::function<void()>& azione, const std::function<QWidget*()>& finestra) {
#ifdef CARTAVIVA_SCHERMO_X
    if (danni && sulloSchermo) {
        danni->azzera();
        const auto t0 = misura::Orologio::now();
        const double ms = finoAlFotogramma(azione, finestra);
        misura::Orologio::time_point ultimo = t0;
        bool visto = false;
        while (danni->leggi(visto ? 15 : 500, &ultimo)) visto = true;
        sulloSchermo->push_back(visto ? misura::ms(t0, ultimo) : std::nan(""));
        sulloSchermo = nullptr;
        return ms;
    }
#endif
    sulloSchermo = nullptr;
    return finoAlFotogramma(azione, finestra);
}

double clicFinoAlFotogramma(const QWidget& controllo, const std::function<QWidget*()>& finestra,
                            std::vector<double>* schermo = nullptr) {
    misura::calma();
    sulloSchermo = schermo;
    return misurata([&] { misura::clic(controllo); }, finestra);
}

double clicPrincipale(const QWidget& controllo, std::vector<double>* schermo = nullptr) {
    return clicFinoAlFotogramma(controllo, [] { return static_cast<QWidget*>(&principale()); }, schermo);
}

// The floor for showing a new picture: a bare full-screen window (as
// bench/finestra_nuda.cpp) that, at each press, reads the next map's
// picture with Qt's reader and shows it.
class FinestraNuda : public QWidget {
public:
    FinestraNuda() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        leggi();
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        indice_ = (indice_ + 1) % NumeroCarte;
        leggi();
        update();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage((width() - figura_.width()) / 2, (height() - figura_.height()) / 2, figura_);
    }

private:
    void leggi() {
        QImageReader lettore(forma::PercorsoLocale(QString::fromUtf8(CatalogoCarte[std::size_t(indice_)].fileCarta)));
        figura_ = lettore.read();
    }
    int indice_ = 0;
    QImage figura_;
};

// A press at `x` pixels along a timeline (and its release).
double premiLinea(forma::Label& linea, int x) {
    misura::calma();
    Tavolavel& t = principale();
    const QPoint p = linea.mapTo(&t, QPoint(x, linea.height() / 2));
    return finoAlFotogramma([&] { misura::clicIn(t, p); }, [&] { return static_cast<QWidget*>(&t); });
}

struct Aperture {
    std::vector<double> campioni;  // the first one builds the window
};

void stampaAperture(const char* nome, const Aperture& a) {
    std::vector<double> seguenti(a.campioni.begin() + (a.campioni.empty() ? 0 : 1), a.campioni.end());
    char nota[64];
    std::snprintf(nota, sizeof nota, "first opening %.2f", a.campioni.empty() ? 0.0 : a.campioni.front());
    misura::riga(nome, misura::sintesi(seguenti), nota);
}

int valoreOpzione(int argc, char** argv, const char* nome, int predefinito) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], nome) == 0) return std::max(1, std::atoi(argv[i + 1]));
    return predefinito;
}

}  // namespace

int main(int argc, char** argv) {
    const auto schermo = misura::piattaformaPredefinita();
    misura::Applicazione applicazione(argc, argv);
    QDir::setCurrent(QStringLiteral(CARTAVIVA_DATI));
    const int passate = valoreOpzione(argc, argv, "--passate", 3);
    const int aperture = valoreOpzione(argc, argv, "--aperture", 10);
    forma::MMControl::setAudioDisabled(true);
#ifdef CARTAVIVA_SCHERMO_X
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        danni.emplace();
        if (!danni->apri()) {
            std::fprintf(stderr, "bench_clic: the X server reports no drawing (DAMAGE): no times on the screen\n");
            danni.reset();
        }
    }
#endif

    misura::intestazione("CARTAVIVA: from a click to the window's painted frame, in ms");
    Tavolavel& t = principale();
    t.Show();
    if (!QTest::qWaitForWindowExposed(&t)) {
        std::fprintf(stderr, "bench_clic: the main window was never shown\n");
        return 1;
    }
    misura::calma(200);

    std::vector<double> avanti, indietro, bandiere, lineaAC, lineaDC, pagine;
    std::vector<double> avantiSchermo, indietroSchermo, pagineSchermo;
    forma::Label* bandiereInOrdine[] = {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING};
    for (int passata = 0; passata < passate; ++passata) {
        while (numcarta < NumeroCarte) {
            avanti.push_back(clicPrincipale(t.Labsuccessiva, &avantiSchermo));
            if (numcarta % 16 == 0)
                for (forma::Label* b : bandiereInOrdine) bandiere.push_back(clicPrincipale(*b));
        }
        while (numcarta > 1) indietro.push_back(clicPrincipale(t.Labprecedente, &indietroSchermo));
    }

    // Presses along the timelines, from their start to their end (the A.D.
    // line answers only over its first 6200 twips).
    const int punti = 20 * passate;
    for (int i = 0; i < punti; ++i) {
        lineaAC.push_back(premiLinea(t.LabAc, 2 + (t.LabAc.width() - 4) * i / (punti - 1)));
        lineaDC.push_back(premiLinea(t.LabDc, 2 + (6200 / 15 - 4) * i / (punti - 1)));
    }

    // Openings, each followed by the way back the reader takes.
    Aperture stampa, cronologia, animazione, crediti;
    for (int i = 0; i < aperture; ++i) {
        stampa.campioni.push_back(clicFinoAlFotogramma(t.Labstampa, seEsiste<Stampavel>));
        misura::calma();
        misura::clic(forma::Finestra<Stampavel>().Cmdtorna);

        animazione.campioni.push_back(clicFinoAlFotogramma(t.Labanimazioni, seEsiste<mapanimVel>));
        misura::calma();
        misura::clic(forma::Finestra<mapanimVel>().Labtorna);

        crediti.campioni.push_back(clicFinoAlFotogramma(t.LabCOLLABOR, seEsiste<Collaborvel>));
        misura::calma();
        misura::clic(forma::Finestra<Collaborvel>().Labtorna);

        cronologia.campioni.push_back(clicFinoAlFotogramma(t.Labcronol, seEsiste<Cronologiavel>));
        Cronologiavel& c = forma::Finestra<Cronologiavel>();
        if (i == 0) {
            // Every page in turn, from the second to the first again.
            for (int p = 0; p < passate; ++p)
                for (int k = 1; k <= 21; ++k)
                    pagine.push_back(clicFinoAlFotogramma(*c.Label3[static_cast<std::size_t>(k % 21)],
                                                          seEsiste<Cronologiavel>, &pagineSchermo));
        }
        misura::calma();
        // Choosing the first map of the page shows the main window and hides
        // the chronology.
        misura::clic(*c.Label1[0]);
        misura::calma(20);
    }

    // Next in blocks taken in turn with the bare window, each block after
    // its window was brought to the front.
    std::vector<double> avantiTurni, avantiTurniSchermo, nuda, nudaSchermo;
    {
        FinestraNuda f;
        if (QScreen* s = f.screen()) f.setGeometry(s->geometry());
        f.showFullScreen();
        if (!QTest::qWaitForWindowExposed(&f)) std::fprintf(stderr, "bench_clic: the bare window was never shown\n");
        for (int blocco = 0; blocco < 6 * passate; ++blocco) {
            t.Show();
            misura::calma(50);
            for (int i = 0; i < 14; ++i) {
                if (numcarta == NumeroCarte) {
                    numcarta = 1;
                    t.disegnaCarta();
                    misura::calma(20);
                }
                avantiTurni.push_back(clicPrincipale(t.Labsuccessiva, &avantiTurniSchermo));
            }
            f.raise();
            f.activateWindow();
            misura::calma(50);
            for (int i = 0; i < 14; ++i) {
                misura::calma();
                sulloSchermo = &nudaSchermo;
                nuda.push_back(misurata([&] { misura::clicIn(f, f.rect().center()); }, [&] { return static_cast<QWidget*>(&f); }));
            }
        }
    }

    misura::titoliRighe();
    misura::riga("Next", misura::sintesi(avanti));
    misura::riga("Previous", misura::sintesi(indietro));
    misura::riga("timeline press, B.C.", misura::sintesi(lineaAC));
    misura::riga("timeline press, A.D.", misura::sintesi(lineaDC));
    misura::riga("flag", misura::sintesi(bandiere));
    misura::riga("chronology page switch", misura::sintesi(pagine));
    stampaAperture("open print window", stampa);
    stampaAperture("open chronology", cronologia);
    stampaAperture("open animation", animazione);
    stampaAperture("open credits", crediti);
    auto rapporto = [](const std::vector<double>& a, const std::vector<double>& b) {
        const misura::Sintesi sa = misura::sintesi(a), sb = misura::sintesi(b);
        char nota[64];
        std::snprintf(nota, sizeof nota, "%.2fx the bare window", sb.mediana > 0 ? sa.mediana / sb.mediana : 0.0);
        return std::string(nota);
    };
    misura::riga("Next, in turn with the bare window", misura::sintesi(avantiTurni), rapporto(avantiTurni, nuda));
    misura::riga("bare window reading the next GIF", misura::sintesi(nuda));
    if (!avantiSchermo.empty()) {
        std::printf("  to the frame's last drawing on the X screen:\n");
        misura::riga("Next, on screen", misura::sintesi(avantiSchermo));
        misura::riga("Previous, on screen", misura::sintesi(indietroSchermo));
        misura::riga("chronology page switch, on screen", misura::sintesi(pagineSchermo));
        misura::riga("Next in turn, on screen", misura::sintesi(avantiTurniSchermo),
                     rapporto(avantiTurniSchermo, nudaSchermo));
        misura::riga("bare window, on screen", misura::sintesi(nudaSchermo));
    }

    forma::DistruggiTutte();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
