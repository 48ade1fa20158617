#pragma once
// The one application object of the benchmark process (offscreen), with message boxes answered silently.
#include <memory>

#include "app/Anwendung.h"
#include "app/Meldung.h"

namespace benchhilfe {

class StilleMeldungen final : public qnt::IMeldungen {
public:
    qnt::Knopf zeige(QWidget*, qnt::MeldungArt, const QString&, int) override { return qnt::KnopfOK; }
};

// Ended by main before the process exits: left to the static destructors, it would outlive parts of Qt.
inline std::unique_ptr<qnt::Anwendung>& anwendungsObjekt() {
    static std::unique_ptr<qnt::Anwendung> app;
    return app;
}

inline qnt::Anwendung& anwendung() {
    auto& app = anwendungsObjekt();
    if (!app) {
        static int argc = 1;
        static char name[] = "quantora_bench";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<qnt::Anwendung>(argc, argv);
        static StilleMeldungen still;
        qnt::setzeMeldungen(&still);
    }
    return *app;
}

} // namespace benchhilfe
