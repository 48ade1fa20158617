// The unit search over the shipped database and over a synthetic one of 100,000 records in 50 files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "Benchhilfe.h"
#include "Speicher.h"

#include "data/Gebiete.h"
#include "search/Suche.h"

using namespace qnt;
using namespace benchhilfe;

namespace {

TGebiete ausgelieferteDatenbank() {
    ordner().betrete("daten", kopiereDatenbank);
    TGebiete g;
    if (!ladeGebiete(g)) std::fprintf(stderr, "no Gruppen.nfo in %s\n", QUANTORA_DATEN_DIR);
    return g;
}

// `saetze` records spread over 50 files; names, symbols and other names vary with the position.
TGebiete synthetischeDatenbank(int saetze) {
    constexpr int kDateien = 50;
    TGebiete g;
    for (int d = 0; d < kDateien; ++d)
        g.push_back({"Gebiet " + std::to_string(d), "SYN" + std::to_string(d) + ".DAT", "Grundeinheit"});
    ordner().betrete("syn" + std::to_string(saetze), [&](const fs::path&) {
        for (int d = 0; d < kDateien; ++d)
            schreibeDatei(g[static_cast<std::size_t>(d)].Dateiname, synthetischeSaetze(saetze / kDateien));
    });
    return g;
}

void suche(benchmark::State& state, const TGebiete& g, std::string_view begriff, Suchart art, Namenssuche n) {
    std::size_t treffer = 0;
    for (auto _ : state) {
        const auto e = qnt::suche(g, begriff, art, n);
        treffer = e ? e->Treffer.size() : 0;
        benchmark::DoNotOptimize(treffer);
    }
    state.counters["Treffer"] = static_cast<double>(treffer);
}

void BM_SucheAusgeliefert_Bestandteil(benchmark::State& state) {
    suche(state, ausgelieferteDatenbank(), "meter", Suchart::Name, Namenssuche::Bestandteil);
}
void BM_SucheAusgeliefert_Exakt(benchmark::State& state) {
    suche(state, ausgelieferteDatenbank(), "Meter", Suchart::Name, Namenssuche::Exakt);
}
void BM_SucheAusgeliefert_Abkuerzung(benchmark::State& state) {
    suche(state, ausgelieferteDatenbank(), "m", Suchart::Abkuerzung, Namenssuche::Bestandteil);
}

void BM_SucheSynthetisch(benchmark::State& state) {
    const int saetze = static_cast<int>(state.range(0));
    suche(state, synthetischeDatenbank(saetze), "zoll 12", Suchart::Name, Namenssuche::Bestandteil);
    state.SetComplexityN(saetze);
    state.counters["Saetze/s"] = benchmark::Counter(saetze, benchmark::Counter::kIsIterationInvariantRate);
}

// A search that every one of 1,000,000 records matches: the heap bytes its hits hold afterwards, and the
// peak while it runs.
void BM_MillionTrefferSpeicher(benchmark::State& state) {
    const TGebiete g = synthetischeDatenbank(1000000);
    double gehalten = 0, spitze = 0;
    std::size_t treffer = 0;
    for (auto _ : state) {
        const Heapmessung heap;
        auto e = qnt::suche(g, "einheit", Suchart::Name, Namenssuche::Bestandteil);
        gehalten = heap.gehaltenMB();
        spitze = heap.spitzeMB();
        treffer = e ? e->Treffer.size() : 0;
    }
    if (treffer != 1000000) state.SkipWithError("not every record matched");
    state.counters["Treffer_MB"] = gehalten;
    state.counters["Spitze_MB"] = spitze;
}

} // namespace

BENCHMARK(BM_SucheAusgeliefert_Bestandteil)->Apply(cpuMedian);
BENCHMARK(BM_SucheAusgeliefert_Exakt)->Apply(cpuMedian);
BENCHMARK(BM_SucheAusgeliefert_Abkuerzung)->Apply(cpuMedian);
BENCHMARK(BM_SucheSynthetisch)
    ->Apply(cpuMedian)
    ->Repetitions(3)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_MillionTrefferSpeicher)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
