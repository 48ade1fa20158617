#pragma once
// Shared by the benchmarks: run settings, temporary folders that live as long as the program, the shipped
// database and synthetic data files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

#include "data/Einheit.h"

#ifndef QUANTORA_DATEN_DIR
#define QUANTORA_DATEN_DIR "build/test/daten"
#endif

namespace benchhilfe {

namespace fs = std::filesystem;

// Medians of repetitions: the machine is shared.
inline void cpuMedian(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(5)->ReportAggregatesOnly(true);
}
// Whatever syncs to the disk or waits on another process gets a fixed iteration count: that wall time is
// no CPU time and would stretch the run.
inline void platteMedian(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
}

// The compiled database as shipped, copied into the empty folder `ziel`.
inline void kopiereDatenbank(const fs::path& ziel) {
    fs::copy(QUANTORA_DATEN_DIR, ziel, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

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
                fs::temp_directory_path() / ("qnt_bench_" + std::to_string(getpid()) + "_" + name);
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

inline Ordner& ordner() {
    static Ordner o;
    return o;
}

// The countries that have a name, the way the shipped files use them.
inline std::uint8_t landNrFuer(unsigned i) {
    static constexpr std::uint8_t kLaender[] = {1,  2,  3,  5,  21, 24, 28, 33, 36, 38, 39, 51, 53,
                                                54, 57, 62, 63, 73, 79, 81, 84, 86, 88, 90, 91};
    return kLaender[(i * 2654435761u >> 7) % std::size(kLaender)];
}

// `n` records in name order with countries spread pseudo-randomly; `angezeigt` for every record.
inline std::string synthetischeSaetze(int n, std::uint8_t angezeigt = 1) {
    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(n) * qnt::kSatzGroesse);
    for (int i = 0; i < n; ++i) {
        qnt::TEinheitSatz s = qnt::neuerEigenerSatz();
        s.setzeAngezeigt(angezeigt);
        s.setzeLandNr(landNrFuer(static_cast<unsigned>(i)));
        char name[40];
        std::snprintf(name, sizeof name, "Historische Einheit %07d", i);
        s.setzeName(name);
        s.setzeKurzzeichen("h" + std::to_string(i % 1000));
        s.setzeSonstigeNamen("auch Zoll " + std::to_string(i * 7 % 10007));
        s.setzeFaktor(1.0 + i);
        inhalt.append(reinterpret_cast<const char*>(s.bytes.data()), qnt::kSatzGroesse);
    }
    return inhalt;
}

inline void schreibeDatei(const std::string& name, const std::string& inhalt) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) return;
    std::fwrite(inhalt.data(), 1, inhalt.size(), f);
    std::fclose(f);
}

} // namespace benchhilfe
