// Start-up as the user waits for it: the main window over the shipped database, from its creation until its
// first paint (offscreen), in this process and as a whole program start of its own.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Benchhilfe.h"
#include "ErsteZeichnung.h"
#include "Fensterhilfe.h"
#include "Speicher.h"

extern char** environ;

#ifndef QUANTORA_DATEN_DIR
#define QUANTORA_DATEN_DIR "build/test/daten"
#endif

namespace {

using benchhilfe::anwendung;
using benchhilfe::ErsteZeichnung;

void BM_StartBisZumErstenBild(benchmark::State& state) {
    auto& app = anwendung();
    QTemporaryDir ordner;
    std::filesystem::copy(QUANTORA_DATEN_DIR, ordner.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    double spitze = 0;
    for (auto _ : state) {
        const benchhilfe::Heapmessung heap;
        ErsteZeichnung erste;
        app.installEventFilter(&erste);
        auto fenster = qnt::hauptfensterStarten();
        while (!erste.gezeichnet) app.processEvents(QEventLoop::AllEvents, 5);
        app.removeEventFilter(&erste);
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
            std::filesystem::copy(QUANTORA_DATEN_DIR, p, std::filesystem::copy_options::recursive);
            return;
        }
        std::ofstream("Gruppen.nfo", std::ios::binary) << "Gross\tGROSS.DAT\tEinheit\r\n";
        std::ofstream("Gebiet.nfo", std::ios::binary) << "Viele Einheiten\r\n*\r\n";
        std::ofstream("QNT5.INI", std::ios::binary)
            << "5.0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n" << std::string(91, '1') << "\r\n";
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
    ->Arg(0)
    ->Arg(50000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
