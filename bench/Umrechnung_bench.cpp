// One value converted and formatted into 10,000 entries: the work of one calculation in a large category.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "convert/Umrechner.h"
#include "convert/Zahlen.h"

namespace {

std::vector<qnt::TAusgabetextobject> zehntausendEintraege() {
    std::vector<qnt::TAusgabetextobject> l(10000);
    // Factors over many decades, so both notations and every number of decimals occur.
    for (std::size_t i = 0; i < l.size(); ++i) {
        l[i].Satz.setzeFaktor(std::pow(10.0, static_cast<double>(i % 29) - 14) *
                              (1 + static_cast<double>(i) / 7919));
        l[i].SatzNr = static_cast<std::int32_t>(i);
    }
    return l;
}

void Umrechnung_ZehntausendEintraege(benchmark::State& state) {
    auto l = zehntausendEintraege();
    for (auto _ : state) {
        const qnt::Rechenergebnis e = qnt::rechne("L\xE4nge", "123,456", 17, l);
        benchmark::DoNotOptimize(e.art);
        benchmark::DoNotOptimize(l.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(l.size()));
}
BENCHMARK(Umrechnung_ZehntausendEintraege)->Unit(benchmark::kMillisecond);

void Ergebnis_formatieren_EinWert(benchmark::State& state) {
    double r = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qnt::Ergebnis_formatieren(r));
        r = r < 1e12 ? r * 1.0001 : 1234.5678;
    }
}
BENCHMARK(Ergebnis_formatieren_EinWert);

} // namespace
