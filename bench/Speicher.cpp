#include "Speicher.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::int64_t> gLebend{0}, gSpitze{0};

void zaehle(std::int64_t d) {
    const std::int64_t jetzt = gLebend += d;
    std::int64_t spitze = gSpitze.load();
    while (jetzt > spitze && !gSpitze.compare_exchange_weak(spitze, jetzt)) {
    }
}

} // namespace

namespace benchhilfe {

Heapmessung::Heapmessung() : vorher_(gLebend.load()) {
    gSpitze.store(vorher_);
}
double Heapmessung::gehaltenMB() const {
    return static_cast<double>(gLebend.load() - vorher_) / 1e6;
}
double Heapmessung::spitzeMB() const {
    return static_cast<double>(gSpitze.load() - vorher_) / 1e6;
}

} // namespace benchhilfe

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    zaehle(static_cast<std::int64_t>(malloc_usable_size(p)));
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    zaehle(-static_cast<std::int64_t>(malloc_usable_size(p)));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
