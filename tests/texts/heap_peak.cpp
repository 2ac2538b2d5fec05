#include "tests/texts/heap_peak.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  const std::size_t live = liveBytes += malloc_usable_size(block);
  std::size_t peak = peakBytes.load();
  while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
  }
  return block;
}

void operator delete(void* block) noexcept {
  if (block != nullptr) {
    liveBytes -= malloc_usable_size(block);
    std::free(block);
  }
}

void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}

std::size_t PeakHeapGrowth(const std::function<void()>& call) {
  const std::size_t before = liveBytes.load();
  peakBytes = before;
  call();
  return peakBytes.load() - before;
}
