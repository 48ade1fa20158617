#pragma once
// Notes the first paint of any widget, as an application-wide event filter.
#include <QEvent>
#include <QObject>

namespace benchhilfe {

class ErsteZeichnung final : public QObject {
public:
    bool gezeichnet = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) gezeichnet = true;
        return false;
    }
};

} // namespace benchhilfe
