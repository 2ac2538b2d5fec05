#pragma once

#include <cstddef>
#include <functional>

// The most heap memory that call held at one time beyond what was held before it.
// The test executable that links this counts every allocation made through new.
std::size_t PeakHeapGrowth(const std::function<void()>& call);
