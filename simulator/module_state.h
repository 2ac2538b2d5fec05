#pragma once

#include <array>
#include <string>

namespace simulator {

inline constexpr int kEntries = 32;
inline constexpr int kLists = 5;  // A..E
inline const std::string kEmptyEntry = "empty entry";
inline const std::string kFactoryStamp = "20060000000000";

// A module port keeps its own settings and its own time stamp.
struct ModulePortSettings {
  int baudCode = 9;
  int handshake = 0;
  char parity = 'N';
  std::string stamp = kFactoryStamp;

  bool operator==(const ModulePortSettings&) const = default;
};

// What a module keeps: the entries of lists A..E, the flag blocks of lists A
// and C, and the settings and time stamp of each of its two ports.
struct ModuleState {
  std::array<std::array<std::string, kEntries>, kLists> entries;
  std::array<std::string, kEntries> flagsA;
  std::array<std::string, kEntries> flagsC;
  std::array<ModulePortSettings, 2> ports;

  bool operator==(const ModuleState&) const = default;
};

// Entry i of list A sets status bit i and clears all others: keep and set mask
// both hold only bit i, no links, no filter.
std::string FactoryFlagsA(int index);

ModuleState FactoryState();

// 0..4 for the list letters "A".."E", -1 otherwise.
int ListNumber(char letter);

// Side 0 (module COM1) holds lists A, B and C; side 1 (module COM2) D and E.
bool SideHoldsList(int side, int list);

}  // namespace simulator
