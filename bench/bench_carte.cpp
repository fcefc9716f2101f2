// Micro-benchmarks: applying one map's content, and drawing each of the 168
// maps through its dispatcher, over and over, with the real pictures of the
// data folder (nothing is cached: the decode counts). What a reader waits for
// is measured elsewhere: bench_sfoglia (every map in turn, as Next goes),
// bench_clic (a click to the painted frame), avvio_a_freddo.sh (start-up).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include "app/ModtavolaVel.h"
#include "main_window/Tavolavel.h"
#include "maps/TutteLeCarte.h"
#include "toolkit/Registro.h"

namespace {

void BM_ApplicaContenuto(benchmark::State& stato) {
    Tavolavel& t = forma::Finestra<Tavolavel>();
    for (auto _ : stato) t.ac2350();
}
BENCHMARK(BM_ApplicaContenuto)->Unit(benchmark::kMicrosecond);

void BM_DisegnaCarta(benchmark::State& stato) {
    Tavolavel& t = forma::Finestra<Tavolavel>();
    const auto n = static_cast<std::int16_t>(stato.range(0));
    for (auto _ : stato) {
        ModtavolaVel::numcarta = n;
        t.disegnaCarta();
    }
}
BENCHMARK(BM_DisegnaCarta)->DenseRange(1, NumeroCarte)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(CARTAVIVA_DATI));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    forma::DistruggiTutte();
    return 0;
}
