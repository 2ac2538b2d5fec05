#include "project/flag_blocks.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kLinkBit = 0x80;
constexpr std::uint8_t kEntryBits = 0x1F;
constexpr std::size_t kMaskLength = 4;

struct KeepSet {
  std::uint8_t keep;
  std::uint8_t set;
};

KeepSet KeepSetOf(std::uint8_t status) {
  switch (status) {
    case kStatusNeutral:
      return {1, 0};
    case kStatusSet:
      return {1, 1};
    default:  // clear, and any value the editors never store
      return {0, 0};
  }
}

std::uint8_t StatusOf(std::uint8_t keep, std::uint8_t set) {
  if (keep == 1 && set == 1) {
    return kStatusSet;
  }
  if (keep == 0 && set == 0) {
    return kStatusClear;
  }
  return kStatusNeutral;
}

// Column 0 is the top bit of the first byte: the 32 flags form one number sent most
// significant byte first.
std::string EncodeMask(const MatrixRow& flags) {
  std::string mask;
  for (std::size_t byte = 0; byte < kMaskLength; ++byte) {
    std::array<std::uint8_t, 8> bits{};
    for (std::size_t bit = 0; bit < 8; ++bit) {
      bits[7 - bit] = flags[byte * 8 + bit] == 1 ? 1 : 0;
    }
    mask += static_cast<char>(BitsToByte(bits));
  }
  return mask;
}

MatrixRow DecodeMask(const std::string& block, std::size_t offset) {
  MatrixRow flags{};
  for (std::size_t byte = 0; byte < kMaskLength; ++byte) {
    const auto bits = ByteToBits(static_cast<std::uint8_t>(block[offset + byte]));
    for (std::size_t bit = 0; bit < 8; ++bit) {
      flags[byte * 8 + bit] = bits[7 - bit];
    }
  }
  return flags;
}

bool AnyFlagSet(const MatrixRow& flags) {
  return std::any_of(flags.begin(), flags.end(), [](std::uint8_t f) { return f == 1; });
}

}  // namespace

std::uint8_t RecordNoToModuleByte(std::uint8_t n) {
  if (n == kNoCommand || n == kStatusQuery) {
    return 0;
  }
  return static_cast<std::uint8_t>(kLinkBit | ((n - 1) & kEntryBits));
}

std::uint8_t ModuleByteToRecordNo(std::uint8_t b) {
  if ((b & kLinkBit) == 0) {
    return kNoCommand;
  }
  return static_cast<std::uint8_t>((b & kEntryBits) + 1);
}

std::array<std::uint8_t, 8> ByteToBits(std::uint8_t b) {
  std::array<std::uint8_t, 8> bits{};
  for (std::size_t k = 0; k < bits.size(); ++k) {
    bits[k] = (b >> k) & 1;
  }
  return bits;
}

std::uint8_t BitsToByte(const std::array<std::uint8_t, 8>& bits) {
  std::uint8_t b = 0;
  for (std::size_t k = 0; k < bits.size(); ++k) {
    if (bits[k] == 1) {
      b = static_cast<std::uint8_t>(b | (1 << k));
    }
  }
  return b;
}

std::string EncodeFlagsA(const MatrixRow& Status, const MatrixRow& Filter, std::uint8_t bBack,
                         std::uint8_t bTrans) {
  MatrixRow keep{};
  MatrixRow set{};
  for (std::size_t j = 0; j < Status.size(); ++j) {
    const KeepSet flags = KeepSetOf(Status[j]);
    keep[j] = flags.keep;
    set[j] = flags.set;
  }
  return EncodeMask(keep) + EncodeMask(set) + static_cast<char>(bBack) + static_cast<char>(bTrans) +
         EncodeMask(Filter);
}

void DecodeFlagsA(const std::string& sFlags, MatrixRow& Status, MatrixRow& Filter,
                  std::uint8_t& bBack, std::uint8_t& bTrans, bool& bUseFilter) {
  if (sFlags.size() != kFlagBlockALength) {
    Status.fill(0);
    Filter.fill(0);
    bUseFilter = false;
    return;
  }
  const MatrixRow keep = DecodeMask(sFlags, 0);
  const MatrixRow set = DecodeMask(sFlags, 4);
  for (std::size_t j = 0; j < Status.size(); ++j) {
    Status[j] = StatusOf(keep[j], set[j]);
  }
  bBack = static_cast<std::uint8_t>(sFlags[8]);
  bTrans = static_cast<std::uint8_t>(sFlags[9]);
  Filter = DecodeMask(sFlags, 10);
  bUseFilter = bBack == 0 && AnyFlagSet(Filter);
}

std::string EncodeFlagsC(const MatrixRow& Filter, std::uint8_t bTrans) {
  return EncodeMask(Filter) + static_cast<char>(bTrans);
}

void DecodeFlagsC(const std::string& sFlags, MatrixRow& Filter, std::uint8_t& bTrans,
                  bool& bUseFilter) {
  if (sFlags.size() != kFlagBlockCLength) {
    Filter.fill(0);
    bTrans = 1;  // bit 7 clear: no link
    bUseFilter = false;
    return;
  }
  Filter = DecodeMask(sFlags, 0);
  bTrans = static_cast<std::uint8_t>(sFlags[4]);
  bUseFilter = bTrans == 0 && AnyFlagSet(Filter);
}
