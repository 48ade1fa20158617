// The program's start as the user waits for it, in a process of its own: application object, main window,
// first paint; then it prints its peak resident memory in kB and ends. Run by the start-up benchmark, which
// counts the process's CPU time. The peak is read here: the spawning process's memory would count in the
// child's rusage until the exec.
#include <fstream>
#include <iostream>
#include <string>

#include "ErsteZeichnung.h"

int main(int argc, char** argv) {
    qnt::Anwendung app(argc, argv);
    const auto fenster = benchhilfe::hauptfensterBisZurErstenZeichnung(app);
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("VmHWM:")) std::cout << std::stol(zeile.substr(6)) << '\n';
    return 0;
}
