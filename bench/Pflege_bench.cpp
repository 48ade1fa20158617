// The core paths the user waits on besides the conversion: loading and sorting the unit list, showing
// hidden units, revising a data file, the rate table, and creating a category among many.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Benchhilfe.h"
#include "convert/Zahlen.h"
#include "data/Gebiete.h"
#include "list/Einheitenliste.h"
#include "maintain/AusgeblendeteEinheiten.h"
#include "maintain/Gebietsverwaltung.h"
#include "maintain/Kurstabelle.h"
#include "maintain/Revision.h"

using namespace qnt;
using namespace benchhilfe;

namespace {

constexpr const char* kDatei = "BENCH.DAT";

// A folder per size holding BENCH.DAT with `n` records, all shown or all hidden.
void betreteDatendatei(int n, std::uint8_t angezeigt) {
    ordner().betrete("saetze" + std::to_string(n) + "_" + std::to_string(angezeigt),
                     [&](const fs::path&) { schreibeDatei(kDatei, synthetischeSaetze(n, angezeigt)); });
}

void BM_EinheitenlisteLaden(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    betreteDatendatei(n, 1);
    const TLandAngezeigt alle = alleLaenderAngezeigt();
    TEinheitenliste liste; // reused, as the window keeps its list
    for (auto _ : state) {
        benchmark::DoNotOptimize(ladeEinheitenliste(kDatei, alle, liste));
        benchmark::ClobberMemory();
    }
    state.SetComplexityN(n);
}

void BM_SortiereNachLand(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    betreteDatendatei(n, 1);
    TEinheitenliste basis, liste;
    ladeEinheitenliste(kDatei, alleLaenderAngezeigt(), basis);
    for (auto _ : state) {
        state.PauseTiming();
        liste = basis;
        state.ResumeTiming();
        sortiereNachLand(liste);
        benchmark::DoNotOptimize(liste.data());
    }
    state.SetComplexityN(n);
}

// The dialog's list of hidden units, showing all of them, and the unit list reloaded.
void BM_AlleEinblenden(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    betreteDatendatei(n, 0);
    const std::string versteckt = synthetischeSaetze(n, 0);
    const TLandAngezeigt alle = alleLaenderAngezeigt();
    TEinheitenliste liste;
    for (auto _ : state) {
        state.PauseTiming();
        schreibeDatei(kDatei, versteckt);
        state.ResumeTiming();
        std::vector<TAusgeblendeteEinheit> ausgeblendet;
        ladeAusgeblendete(kDatei, ausgeblendet);
        std::vector<std::int32_t> nrn;
        nrn.reserve(ausgeblendet.size());
        for (const auto& a : ausgeblendet)
            nrn.push_back(a.Daten.SatzNr);
        benchmark::DoNotOptimize(einblenden(kDatei, nrn).Erfolg);
        ladeEinheitenliste(kDatei, alle, liste);
        if (liste.size() != static_cast<std::size_t>(n)) state.SkipWithError("not every unit shown");
    }
    state.SetComplexityN(n);
}

// One own unit inserted at its sorted place through the temporary file.
void BM_RevisionEinfuegen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    betreteDatendatei(n, 1);
    const std::string alt = synthetischeSaetze(n, 1);
    TEinheitSatz neu = neuerEigenerSatz();
    neu.setzeName("Historische Einheit 0000500x");
    neu.setzeLandNr(4);
    for (auto _ : state) {
        state.PauseTiming();
        schreibeDatei(kDatei, alt);
        state.ResumeTiming();
        benchmark::DoNotOptimize(DatendateiRevidieren(kDatei, fuegeSortiertEin(neu)).Erfolg);
    }
    state.SetComplexityN(n);
}

// The rate table dialog: the table loaded and its rows built, then saved with the cells as shown.
void BM_KurstabelleFuellenUndSpeichern(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    betreteDatendatei(n, 1);
    const ZahlLeser leser = [](std::string_view t) { return dezimalzahlLesen(t); };
    for (auto _ : state) {
        TKurstabelle tabelle;
        ladeKurstabelle(kDatei, tabelle);
        sortiereNachLand(tabelle);
        std::vector<TKurszellen> zellen;
        zellen.reserve(tabelle.Eintraege.size());
        for (const auto& e : tabelle.Eintraege) {
            TKurszeile z = kursZeile(e);
            zellen.push_back({std::move(z.Euro), std::move(z.Stand), std::move(z.Wert)});
        }
        const auto r = speichereKurstabelle(kDatei, tabelle, zellen, leser);
        if (r.Ergebnis != TKursspeicherung::Art::Gespeichert) state.SkipWithError("not saved");
    }
    state.SetComplexityN(n);
}

// `n` categories with descriptions, saved as the index files.
void betreteGebiete(int n, TGebiete& gebiete, std::string& info) {
    gebiete.clear();
    std::vector<std::string> zeilen;
    for (int i = 0; i < n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Gebiet %06d", i);
        gebiete.push_back({name, "G" + std::to_string(i) + ".DAT", "Grundeinheit"});
        zeilen.push_back(std::string(name) + ": ");
        zeilen.push_back("Keine Angaben vorhanden.");
        zeilen.push_back("*");
    }
    info = gebietsinfoAusZeilen(zeilen);
    ordner().betrete("gebiete" + std::to_string(n), [&](const fs::path&) {
        speichereGebiete(gebiete);
        speichereGebietsinfo(info, n);
    });
}

void BM_GebietAnlegen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TGebiete basis;
    std::string basisInfo;
    betreteGebiete(n, basis, basisInfo);
    TNeuesGebiet neu;
    neu.Gebietname = "Gebiet 000100a";
    neu.Grundeinheit = "Grundeinheit";
    neu.Information = "Eine Zeile\r\nund noch eine";
    int lauf = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TGebiete gebiete = basis;
        std::string info = basisInfo;
        neu.Dateiname = "NEU" + std::to_string(lauf++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(legeGebietAn(gebiete, info, neu));
        state.PauseTiming();
        std::remove((neu.Dateiname + ".DAT").c_str());
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}

} // namespace

BENCHMARK(BM_EinheitenlisteLaden)
    ->Apply(cpuMedian)
    ->Arg(387)
    ->Arg(10000)
    ->Arg(50000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SortiereNachLand)->Apply(cpuMedian)->Arg(387)->Arg(10000)->Arg(50000)->Complexity(benchmark::oN);
BENCHMARK(BM_AlleEinblenden)->Apply(platteMedian)->Arg(1000)->Arg(8000)->Complexity(benchmark::oN);
BENCHMARK(BM_RevisionEinfuegen)
    ->Apply(platteMedian)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_KurstabelleFuellenUndSpeichern)
    ->Apply(platteMedian)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_GebietAnlegen)
    ->Apply(platteMedian)
    ->Iterations(3)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Complexity(benchmark::oN);
