#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Ends the run naming the broken invariant; the fuzzer keeps the input that broke it.
void Require(bool holds, const char* invariant);

// A folder of the run's own under the temporary folder, removed at exit.
const std::string& ScratchFolder();

// Writes bytes as the whole content of path, quickly (no sync).
void WriteScratchFile(const std::string& path, const std::string& bytes);

std::string Bytes(const std::uint8_t* data, std::size_t size);
