#pragma once
// The one application object of the benchmark process (offscreen), with message boxes answered silently.
#include "app/Anwendung.h"
#include "app/Meldung.h"

namespace benchhilfe {

class StilleMeldungen final : public qnt::IMeldungen {
public:
    qnt::Knopf zeige(QWidget*, qnt::MeldungArt, const QString&, int) override { return qnt::KnopfOK; }
};

inline qnt::Anwendung& anwendung() {
    static int argc = 1;
    static char name[] = "quantora_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static qnt::Anwendung app(argc, argv);
    static StilleMeldungen still;
    qnt::setzeMeldungen(&still);
    return app;
}

} // namespace benchhilfe
