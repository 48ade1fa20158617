#pragma once
// Heap bytes in use and their peak, counted by the process's replaced global operator new.
#include <cstdint>

namespace benchhilfe {

// Heap growth from its creation on: held now, and the peak since.
class Heapmessung {
public:
    Heapmessung();
    double gehaltenMB() const;
    double spitzeMB() const;

private:
    std::int64_t vorher_;
};

} // namespace benchhilfe
