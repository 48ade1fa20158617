// The program's start as the user waits for it, in a process of its own: application object, main window,
// first paint; then it ends. Run by the start-up benchmark, which counts the process's CPU time and memory.
#include "ErsteZeichnung.h"
#include "app/Anwendung.h"

int main(int argc, char** argv) {
    qnt::Anwendung app(argc, argv);
    benchhilfe::ErsteZeichnung erste;
    app.installEventFilter(&erste);
    const auto fenster = qnt::hauptfensterStarten();
    while (!erste.gezeichnet) app.processEvents(QEventLoop::AllEvents, 5);
    return 0;
}
