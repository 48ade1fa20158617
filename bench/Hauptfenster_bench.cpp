// The unit list over synthetic categories of 387, 10,000 and 50,000 units (offscreen): a calculation through
// session and model with the list redraw it causes, and a switch of category.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>

#include "Fensterhilfe.h"
#include "Speicher.h"
#include "data/Einheit.h"
#include "data/Einstellungen.h"
#include "data/Gebiete.h"
#include "data/Textdatei.h"
#include "list/Sitzung.h"
#include "list/widgets/EinheitenModell.h"
#include "list/widgets/ZeilenDelegate.h"

namespace {

using benchhilfe::anwendung;
using benchhilfe::Heapmessung;

void datendatei(const std::string& pfad, int anzahl) {
    std::ofstream f(pfad, std::ios::binary);
    for (int i = 0; i < anzahl; ++i) {
        qnt::TEinheitSatz s;
        s.setzeAngezeigt(1);
        s.setzeLandNr(static_cast<std::uint8_t>(1 + i % 5));
        s.setzeName("Einheit " + std::to_string(100000 + i));
        s.setzeFaktor(std::pow(10.0, static_cast<double>(i % 29) - 14) * (1 + static_cast<double>(i) / 7919));
        f.write(reinterpret_cast<const char*>(s.bytes.data()), static_cast<std::streamsize>(s.bytes.size()));
    }
}

// A data folder with two ordinary categories of `anzahl` units each, the session opened on the first, and the
// unit list as the window builds it: model, view and row delegate, shown offscreen.
struct Umgebung {
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    qnt::TSitzung sitzung;
    std::unique_ptr<qnt::TEinheitenModell> modell;
    std::unique_ptr<qnt::TEinheitenAnsicht> ansicht;

    explicit Umgebung(int anzahl) {
        anwendung();
        QDir::setCurrent(ordner.path());
        qnt::speichereGebiete({{"Erste", "A.DAT", "A"}, {"Zweite", "B.DAT", "B"}});
        qnt::schreibeZeilen(qnt::kGebietDatei, {"A", "*", "B", "*"});
        qnt::schreibeEinstellungen(qnt::TEinstellungen{});
        datendatei("A.DAT", anzahl);
        datendatei("B.DAT", anzahl);
        sitzung.starte();
        sitzung.oeffne();
        modell = std::make_unique<qnt::TEinheitenModell>(sitzung);
        ansicht = std::make_unique<qnt::TEinheitenAnsicht>();
        ansicht->setModel(modell.get());
        ansicht->setItemDelegate(new qnt::ZeilenDelegate(sitzung, ansicht.get()));
        ansicht->setUniformItemSizes(true);
        ansicht->resize(327, 280);
        ansicht->show();
        ansicht->setCurrentRow(sitzung.markiert());
        QApplication::processEvents();
    }
    ~Umgebung() {
        ansicht.reset();
        modell.reset();
        QDir::setCurrent(vorher);
    }
    void zeichnen() const { ansicht->viewport()->repaint(); }
};

void Hauptfenster_Rechnung(benchmark::State& state) {
    Umgebung u(static_cast<int>(state.range(0)));
    u.sitzung.markiere(17);
    const Heapmessung heap;
    for (auto _ : state) {
        benchmark::DoNotOptimize(u.sitzung.rechne("123,456"));
        u.modell->ergebnisseGeaendert();
        u.zeichnen();
    }
    state.SetComplexityN(state.range(0));
    state.counters["Spitze_MB"] = heap.spitzeMB();
}
BENCHMARK(Hauptfenster_Rechnung)
    ->Arg(387)
    ->Arg(10000)
    ->Arg(50000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Also the heap the category's list holds once shown (session, model and view), per unit.
void Hauptfenster_Gebietswechsel(benchmark::State& state) {
    const Heapmessung heap;
    Umgebung u(static_cast<int>(state.range(0)));
    int gebiet = 0;
    for (auto _ : state) {
        gebiet = 1 - gebiet;
        benchmark::DoNotOptimize(u.sitzung.waehleGebiet(gebiet));
        u.modell->neuAufbauen();
        u.ansicht->setCurrentRow(u.sitzung.markiert());
        u.zeichnen();
    }
    state.SetComplexityN(state.range(0));
    state.counters["Spitze_MB"] = heap.spitzeMB();
    state.counters["Byte/Einheit"] = heap.gehaltenMB() * 1e6 / static_cast<double>(state.range(0));
}
BENCHMARK(Hauptfenster_Gebietswechsel)
    ->Arg(387)
    ->Arg(10000)
    ->Arg(50000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
