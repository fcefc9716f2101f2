// What the benchmarks of the running atlas share: an application that notes
// when each window's frame has been painted and handed to the display, real
// clicks at a window as the tests make them, and the figures a reader cares
// about (median, 95th percentile, worst).
#pragma once

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace misura {

using Orologio = std::chrono::steady_clock;

inline double ms(Orologio::time_point da, Orologio::time_point a) {
    return std::chrono::duration<double, std::milli>(a - da).count();
}

// A frame is delivered when the event that painted it has been handled: the
// window's repaint (an update request, an expose, or a repaint asked for
// inside a handler) paints the widgets into the window's backing store and
// flushes it to the display before it returns. Every event goes through
// notify(), so the end of the outermost one that delivered paint events is
// the moment the frame left the program.
class Applicazione : public QApplication {
public:
    Applicazione(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) dipinte_.insert(static_cast<QWidget*>(o)->window());
        ++profondita_;
        const bool esito = QApplication::notify(o, e);
        if (--profondita_ == 0 && !dipinte_.empty()) {
            const auto ora = Orologio::now();
            for (QWidget* w : dipinte_) consegnati_[w] = ora;
            dipinte_.clear();
        }
        return esito;
    }

    // Forgets the frames delivered so far.
    void azzera() { consegnati_.clear(); }
    // When the first frame of `finestra` since azzera() was delivered.
    bool consegnato(const QWidget* finestra, Orologio::time_point& quando) const {
        const auto it = consegnati_.find(finestra);
        if (it == consegnati_.end()) return false;
        quando = it->second;
        return true;
    }

private:
    int profondita_ = 0;
    std::set<QWidget*> dipinte_;
    std::map<const QWidget*, Orologio::time_point> consegnati_;
};

// Headless unless told otherwise, on a screen the size of the cold start's
// virtual display. Call before the application is made; keep the result
// while it lives.
inline std::unique_ptr<QTemporaryFile> piattaformaPredefinita() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return nullptr;
    auto configurazione = std::make_unique<QTemporaryFile>();
    if (configurazione->open()) {
        configurazione->write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                              R"( "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
        configurazione->flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configurazione->fileName()));
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The headless platform cannot raise a window and says so on every
    // opening: not worth a line each time.
    static QtMessageHandler precedente = nullptr;
    precedente = qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
        if (testo.contains(QLatin1String("does not support raise()"))) return;
        if (precedente)
            precedente(tipo, contesto, testo);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contesto, testo)));
    });
    return configurazione;
}

inline Applicazione& app() { return *static_cast<Applicazione*>(QCoreApplication::instance()); }

// Lets whatever is pending run (posted events, deferred deletions, timers due).
inline void calma(int msAttesa = 5) {
    QTest::qWait(msAttesa);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs `azione` and waits for the first frame of the window `finestra` gives
// (asked after the action: the window may be created by it). Returns the
// milliseconds from the start of the action, or NaN after `limite` ms.
inline double finoAlFotogramma(const std::function<void()>& azione, const std::function<QWidget*()>& finestra,
                               double limite = 5000) {
    app().azzera();
    const auto t0 = Orologio::now();
    azione();
    for (;;) {
        Orologio::time_point quando;
        if (QWidget* f = finestra(); f && app().consegnato(f, quando)) return ms(t0, quando);
        if (ms(t0, Orologio::now()) > limite) return std::nan("");
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// A click at the centre of a control, given to whatever lies on top there in
// its window, as a reader's click would be (the tests click the same way).
inline void clicIn(QWidget& finestra, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QWidget* w = finestra.childAt(p);
    if (!w) w = &finestra;
    QTest::mouseClick(w, b, {}, w->mapFrom(&finestra, p));
}
inline void clic(const QWidget& controllo) {
    QWidget& finestra = *controllo.window();
    clicIn(finestra, controllo.mapTo(&finestra, controllo.rect().center()));
}

// Median, 95th percentile (nearest rank) and worst of a series, and which
// sample was the worst.
struct Sintesi {
    std::size_t n = 0;
    std::size_t mancanti = 0;  // actions with no frame in time
    double mediana = 0, p95 = 0, peggiore = 0;
    std::size_t indicePeggiore = 0;
};

inline Sintesi sintesi(const std::vector<double>& campioni) {
    Sintesi s;
    std::vector<double> v;
    for (double c : campioni)
        if (!std::isnan(c)) v.push_back(c);
    s.n = v.size();
    s.mancanti = campioni.size() - v.size();
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    s.mediana = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.p95 = v[static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n))) - 1];
    s.peggiore = v.back();
    for (std::size_t i = 0; i < campioni.size(); ++i)
        if (campioni[i] == s.peggiore) s.indicePeggiore = i;
    return s;
}

// The first lines of every report: what was measured, where.
inline void intestazione(const char* titolo) {
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const QSize dim = schermo ? schermo->geometry().size() : QSize();
    std::printf("%s\n", titolo);
    QFile carico(QStringLiteral("/proc/loadavg"));
    if (carico.open(QIODevice::ReadOnly))
        std::printf("  machine: %d cores, load average %s at the start\n", QThread::idealThreadCount(),
                    carico.readLine().split(' ').mid(0, 3).join(' ').constData());
    std::printf("  platform %s, screen %dx%d, Qt %s, data folder %s\n", qPrintable(QGuiApplication::platformName()),
                dim.width(), dim.height(), qVersion(), qPrintable(QDir::currentPath()));
    std::fflush(stdout);
}

// One row of figures in milliseconds.
inline void riga(const char* nome, const Sintesi& s, std::string nota = {}) {
    if (s.mancanti) nota += (nota.empty() ? "" : ", ") + std::to_string(s.mancanti) + " with no frame in time";
    std::printf("  %-34s %5zu %9.2f %9.2f %9.2f   %s\n", nome, s.n, s.mediana, s.p95, s.peggiore, nota.c_str());
    std::fflush(stdout);
}
inline void titoliRighe(const char* ultima = "") {
    std::printf("  %-34s %5s %9s %9s %9s   %s\n", "", "n", "median", "p95", "worst", ultima);
}

}  // namespace misura
