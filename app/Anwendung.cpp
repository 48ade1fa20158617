#include "app/Anwendung.h"

#include "app/Meldung.h"

namespace qnt {

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quantora"));
    setApplicationDisplayName(QStringLiteral("Quantora"));
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    bool ergebnis = false;
    mitFehlerbericht([&] { ergebnis = QApplication::notify(empfaenger, ereignis); });
    return ergebnis;
}

void allgemeinerFehlerbericht(const QString& text) { meldeFehler(QApplication::activeWindow(), text); }

} // namespace qnt
