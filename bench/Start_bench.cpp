// Start-up as the user waits for it: the main window over the shipped database, from its creation until its
// first paint (offscreen). The application object is made once, as the process makes it before the window.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QEvent>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

#include "Fensterhilfe.h"

#ifndef QUANTORA_DATEN_DIR
#define QUANTORA_DATEN_DIR "build/test/daten"
#endif

namespace {

using benchhilfe::anwendung;

class ErsteZeichnung final : public QObject {
public:
    bool gezeichnet = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) gezeichnet = true;
        return false;
    }
};

void BM_StartBisZumErstenBild(benchmark::State& state) {
    auto& app = anwendung();
    QTemporaryDir ordner;
    std::filesystem::copy(QUANTORA_DATEN_DIR, ordner.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    for (auto _ : state) {
        ErsteZeichnung erste;
        app.installEventFilter(&erste);
        auto fenster = qnt::hauptfensterStarten();
        while (!erste.gezeichnet) app.processEvents(QEventLoop::AllEvents, 5);
        app.removeEventFilter(&erste);
        state.PauseTiming();
        fenster.reset();
        app.processEvents();
        state.ResumeTiming();
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_StartBisZumErstenBild)->Unit(benchmark::kMillisecond);

} // namespace
