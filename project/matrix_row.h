#pragma once

#include <array>
#include <cstdint>

inline constexpr int kMatrixColumns = 32;

// One row of the status-register or a query-filter matrix; column j is entry j + 1
// of the Tx-COM1 list.
using MatrixRow = std::array<std::uint8_t, kMatrixColumns>;
