// Start-up as the user waits for it: the main window over the shipped database, from its creation until its
// first paint (offscreen), in this process and as a whole program start of its own.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Benchhilfe.h"
#include "ErsteZeichnung.h"
#include "Fensterhilfe.h"
#include "Speicher.h"
#include "data/Einstellungen.h"
#include "data/Gebiete.h"
#include "data/Textdatei.h"

extern char** environ;

namespace {

using benchhilfe::anwendung;

void BM_StartBisZumErstenBild(benchmark::State& state) {
    auto& app = anwendung();
    QTemporaryDir ordner;
    benchhilfe::kopiereDatenbank(ordner.path().toStdString());
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    double spitze = 0;
    for (auto _ : state) {
        const benchhilfe::Heapmessung heap;
        auto fenster = benchhilfe::hauptfensterBisZurErstenZeichnung(app);
        state.PauseTiming();
        spitze = heap.spitzeMB();
        fenster.reset();
        app.processEvents();
        state.ResumeTiming();
    }
    QDir::setCurrent(vorher);
    state.counters["Spitze_MB"] = spitze;
}
BENCHMARK(BM_StartBisZumErstenBild)->Unit(benchmark::kMillisecond);

// The whole program start in a process of its own (loading the libraries, the application object, the window,
// its first paint): the child's CPU time as the measured time, and the peak resident memory it reports.
// Argument 0 starts on the shipped database, any other on a category of that many units.
void BM_ProgrammstartBisZumErstenBild(benchmark::State& state) {
    const int einheiten = static_cast<int>(state.range(0));
    benchhilfe::ordner().betrete("start" + std::to_string(einheiten), [&](const std::filesystem::path& p) {
        if (einheiten == 0) {
            benchhilfe::kopiereDatenbank(p);
            return;
        }
        qnt::speichereGebiete({{"Gross", "GROSS.DAT", "Einheit"}});
        qnt::schreibeZeilen(qnt::kGebietDatei, {"Viele Einheiten", "*"});
        qnt::schreibeEinstellungen(qnt::TEinstellungen{});
        benchhilfe::schreibeDatei("GROSS.DAT", benchhilfe::synthetischeSaetze(einheiten));
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char programm[] = QUANTORA_STARTPROBE;
    char* argv[] = {programm, nullptr};
    double spitzeMB = 0;
    for (auto _ : state) {
        int rohr[2];
        if (pipe(rohr) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        posix_spawn_file_actions_t umleitung;
        posix_spawn_file_actions_init(&umleitung);
        posix_spawn_file_actions_adddup2(&umleitung, rohr[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&umleitung, rohr[0]);
        pid_t kind = 0;
        const int gestartet = posix_spawn(&kind, programm, &umleitung, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&umleitung);
        close(rohr[1]);
        std::string ausgabe;
        char puffer[64];
        for (ssize_t n; gestartet == 0 && (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
            ausgabe.append(puffer, static_cast<std::size_t>(n));
        close(rohr[0]);
        int status = 0;
        rusage r{};
        if (gestartet != 0 || wait4(kind, &status, 0, &r) != kind || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0 || ausgabe.empty()) {
            state.SkipWithError("the start probe failed");
            break;
        }
        const auto sekunden = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
        state.SetIterationTime(sekunden(r.ru_utime) + sekunden(r.ru_stime));
        spitzeMB = std::max(spitzeMB, std::stod(ausgabe) / 1024.0);
    }
    state.counters["Spitze_MB"] = spitzeMB;
}
BENCHMARK(BM_ProgrammstartBisZumErstenBild)
    ->Apply(benchhilfe::platteMedian)
    ->UseManualTime()
    ->Arg(0)
    ->Arg(50000);

} // namespace
