#pragma once
// The application object: its event boundary is the general error report.
#include <QApplication>
#include <QMainWindow>
#include <memory>

namespace qnt {

class Anwendung : public QApplication {
    Q_OBJECT
public:
    Anwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
};

// The main window as the program starts it: created, centred and shown (its first show loads the categories).
std::unique_ptr<QMainWindow> hauptfensterStarten();

// Shows an error that no handler caught and lets the program go on.
void allgemeinerFehlerbericht(const QString& text);

// Runs f; an uncaught LaufzeitFehler or std::exception ends it and is reported.
template <typename F> void mitFehlerbericht(F&& f);

// A slot that runs objekt->handler() under the general error report.
template <typename T> auto sicher(T* objekt, void (T::*handler)()) {
    return [objekt, handler] { mitFehlerbericht([&] { (objekt->*handler)(); }); };
}

} // namespace qnt

#include "app/Anwendung_impl.h"
