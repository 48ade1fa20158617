// Google Benchmark's main, ending the application object of the window benchmarks in time.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "Fensterhilfe.h"

int main(int argc, char** argv) {
    // Qt wants a private runtime folder; a desktop session has one, a bare shell often not.
    QTemporaryDir laufzeit;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && laufzeit.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit.path()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    benchhilfe::anwendungsObjekt().reset();
    return 0;
}
