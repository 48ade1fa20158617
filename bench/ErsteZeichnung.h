#pragma once
// Notes the first paint of any widget, as an application-wide event filter.
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QObject>

#include <memory>

#include "app/Anwendung.h"

namespace benchhilfe {

class ErsteZeichnung final : public QObject {
public:
    bool gezeichnet = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) gezeichnet = true;
        return false;
    }
};

// The main window as the program starts it, once it has painted.
inline std::unique_ptr<QMainWindow> hauptfensterBisZurErstenZeichnung(QCoreApplication& app) {
    ErsteZeichnung erste;
    app.installEventFilter(&erste);
    auto fenster = qnt::hauptfensterStarten();
    while (!erste.gezeichnet)
        app.processEvents(QEventLoop::AllEvents, 5);
    app.removeEventFilter(&erste);
    return fenster;
}

} // namespace benchhilfe
