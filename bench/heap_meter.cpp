#include "heap_meter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {}
    return block;
}

void release(void* block) noexcept {
    if (!block) return;
    liveBytes -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

// The array, nothrow and sized forms of the standard library forward to
// these two.
void* operator new(std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }

namespace tavimor::testing {

HeapMeter::HeapMeter() : baseline_(liveBytes.load()) { peakBytes = baseline_; }

std::size_t HeapMeter::peakGrowth() const { return peakBytes.load() - baseline_; }

}  // namespace tavimor::testing
