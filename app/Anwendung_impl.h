#pragma once
#include <exception>

#include "app/Text.h"
#include "data/Fehler.h"

namespace qnt {
template <typename F> void mitFehlerbericht(F&& f) {
    try {
        f();
    } catch (const LaufzeitFehler& e) {
        allgemeinerFehlerbericht(qs(e.what()));
    } catch (const std::exception& e) {
        allgemeinerFehlerbericht(QString::fromLocal8Bit(e.what()));
    }
}
} // namespace qnt
