// The unit search over the shipped database and over a synthetic one of 100,000 records in 50 files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

#include "data/Gebiete.h"
#include "search/Suche.h"

#ifndef QUANTORA_DATEN_DIR
#define QUANTORA_DATEN_DIR "build/test/daten"
#endif

namespace fs = std::filesystem;
using namespace qnt;

namespace {

// Temporary folders that live as long as the program.
class Ordner {
public:
    ~Ordner() {
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
        for (const auto& [name, pfad] : pfade_)
            fs::remove_all(pfad, ec);
    }
    // Creates the folder on first use with `fuelle` run inside it, and makes it the current directory.
    template <class F> void betrete(const std::string& name, F fuelle) {
        auto it = pfade_.find(name);
        if (it == pfade_.end()) {
            const fs::path p =
                fs::temp_directory_path() / ("qnt_suche_bench_" + std::to_string(getpid()) + "_" + name);
            fs::remove_all(p);
            fs::create_directories(p);
            fs::current_path(p);
            fuelle(p);
            it = pfade_.emplace(name, p).first;
        }
        fs::current_path(it->second);
    }

private:
    std::map<std::string, fs::path> pfade_;
};

Ordner& ordner() {
    static Ordner o;
    return o;
}

TGebiete ausgelieferteDatenbank() {
    ordner().betrete("daten", [](const fs::path& p) {
        fs::copy(QUANTORA_DATEN_DIR, p, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    });
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
        for (int d = 0; d < kDateien; ++d) {
            std::string inhalt;
            for (int i = d; i < saetze; i += kDateien) {
                TEinheitSatz s = neuerEigenerSatz();
                s.setzeLandNr(static_cast<std::uint8_t>(21 + i % 20));
                s.setzeName("Historische Einheit Nr. " + std::to_string(i));
                s.setzeKurzzeichen("h" + std::to_string(i % 1000));
                s.setzeSonstigeNamen("auch Zoll " + std::to_string(i * 7 % 10007));
                s.setzeFaktor(1.0 + i);
                inhalt.append(reinterpret_cast<const char*>(s.bytes.data()), kSatzGroesse);
            }
            std::FILE* f = std::fopen(g[static_cast<std::size_t>(d)].Dateiname.c_str(), "wb");
            std::fwrite(inhalt.data(), 1, inhalt.size(), f);
            std::fclose(f);
        }
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

} // namespace

BENCHMARK(BM_SucheAusgeliefert_Bestandteil)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SucheAusgeliefert_Exakt)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SucheAusgeliefert_Abkuerzung)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SucheSynthetisch)
    ->Unit(benchmark::kMillisecond)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Complexity(benchmark::oN)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
