#pragma once

#include <cstddef>

namespace tavimor::testing {

// Watches the heap through the program's replaced operator new and delete
// (heap_meter.cpp, linked only into benchmark programs): how much
// more than at construction was live at the worst moment since then.
class HeapMeter {
public:
    HeapMeter();
    std::size_t peakGrowth() const;

private:
    std::size_t baseline_;
};

}  // namespace tavimor::testing
