#include "simulator/module_state.h"

namespace simulator {

std::string FactoryFlagsA(int index) {
  std::string mask(4, '\0');
  mask[static_cast<std::size_t>(index / 8)] = static_cast<char>(0x80 >> (index % 8));
  return mask + mask + std::string(6, '\0');
}

ModuleState FactoryState() {
  ModuleState state;
  for (auto& list : state.entries) {
    list.fill(kEmptyEntry);
  }
  for (int i = 0; i < kEntries; ++i) {
    state.flagsA[static_cast<std::size_t>(i)] = FactoryFlagsA(i);
  }
  state.flagsC.fill(std::string(5, '\0'));
  return state;
}

int ListNumber(char letter) {
  return letter >= 'A' && letter <= 'E' ? letter - 'A' : -1;
}

bool SideHoldsList(int side, int list) {
  return side == 0 ? list >= 0 && list <= 2 : list >= 3;
}

}  // namespace simulator
