#pragma once

#include <array>
#include <string>

// The raw bytes of each command of lists A..E ("" for an empty entry).
using ProjectCommands = std::array<std::array<std::string, 32>, 5>;

// Fills the project with data in every field the module holds: commands of 1 to 31
// bytes with 00, 7C and FF among them and some empty ones, every kind of link with
// the status query, status values 0 to 2 and filters; side A 57600 baud, mark parity,
// handshake on; side B 4800, space, off. Returns the commands.
ProjectCommands FillProject();

// The compact hex digits of raw bytes.
std::string HexDigits(const std::string& bytes);
