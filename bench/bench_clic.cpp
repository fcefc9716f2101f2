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
// hand-over to the X server too.
#include <QTest>
#include <cstring>

#include "animation/mapanimVel.h"
#include "app/ModtavolaVel.h"
#include "bench/Misura.h"
#include "chronology/Cronologiavel.h"
#include "credits/Collaborvel.h"
#include "main_window/Tavolavel.h"
#include "print/Stampavel.h"
#include "toolkit/MMControl.h"
#include "toolkit/Registro.h"

using misura::finoAlFotogramma;
using ModtavolaVel::numcarta;

namespace {

template <class F>
QWidget* seEsiste() {
    return forma::Esiste<F>() ? &forma::Finestra<F>() : nullptr;
}

Tavolavel& principale() { return forma::Finestra<Tavolavel>(); }

double clicFinoAlFotogramma(const QWidget& controllo, const std::function<QWidget*()>& finestra) {
    misura::calma();
    return finoAlFotogramma([&] { misura::clic(controllo); }, finestra);
}

double clicPrincipale(const QWidget& controllo) {
    return clicFinoAlFotogramma(controllo, [] { return static_cast<QWidget*>(&principale()); });
}

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

    misura::intestazione("CARTAVIVA: from a click to the window's painted frame, in ms");
    Tavolavel& t = principale();
    t.Show();
    if (!QTest::qWaitForWindowExposed(&t)) {
        std::fprintf(stderr, "bench_clic: the main window was never shown\n");
        return 1;
    }
    misura::calma(200);

    std::vector<double> avanti, indietro, bandiere, lineaAC, lineaDC, pagine;
    forma::Label* bandiereInOrdine[] = {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING};
    for (int passata = 0; passata < passate; ++passata) {
        while (numcarta < NumeroCarte) {
            avanti.push_back(clicPrincipale(t.Labsuccessiva));
            if (numcarta % 16 == 0)
                for (forma::Label* b : bandiereInOrdine) bandiere.push_back(clicPrincipale(*b));
        }
        while (numcarta > 1) indietro.push_back(clicPrincipale(t.Labprecedente));
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
                    pagine.push_back(
                        clicFinoAlFotogramma(*c.Label3[static_cast<std::size_t>(k % 21)], seEsiste<Cronologiavel>));
        }
        misura::calma();
        // Choosing the first map of the page shows the main window and hides
        // the chronology.
        misura::clic(*c.Label1[0]);
        misura::calma(20);
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

    forma::DistruggiTutte();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
