#include "project/flag_blocks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

MatrixRow NewProjectStatusRow(std::size_t own) {
  MatrixRow row{};
  row.fill(kStatusClear);
  row[own] = kStatusSet;
  return row;
}

MatrixRow RowWithOnes(std::initializer_list<std::size_t> columns) {
  MatrixRow row{};
  for (const std::size_t j : columns) {
    row[j] = 1;
  }
  return row;
}

TEST(LinkBytes, MapRecordValuesBothWays) {
  struct Case {
    std::uint8_t record;
    std::uint8_t link;
  };
  for (const Case c : {Case{0, 0x00}, Case{255, 0x00}, Case{1, 0x80}, Case{3, 0x82}, Case{32, 0x9F},
                       Case{33, 0x80}, Case{254, 0x9D}}) {
    EXPECT_EQ(RecordNoToModuleByte(c.record), c.link) << int{c.record};
  }
  for (const Case c : {Case{3, 0x82}, Case{32, 0x9F}, Case{0, 0x7F}, Case{1, 0xE0}, Case{0, 0x00},
                       Case{32, 0xFF}}) {
    EXPECT_EQ(ModuleByteToRecordNo(c.link), c.record) << int{c.link};
  }
}

TEST(LinkBytes, EveryEntryRoundTripsAndEveryByteReadsAsAnEntryOrNone) {
  for (int k = 0; k <= 32; ++k) {
    const auto n = static_cast<std::uint8_t>(k);
    EXPECT_EQ(ModuleByteToRecordNo(RecordNoToModuleByte(n)), n);
  }
  for (int b = 0; b < 256; ++b) {
    EXPECT_LE(ModuleByteToRecordNo(static_cast<std::uint8_t>(b)), 32) << b;
  }
}

TEST(Bits, RoundTripEveryByte) {
  for (int b = 0; b < 256; ++b) {
    const auto bits = ByteToBits(static_cast<std::uint8_t>(b));
    EXPECT_EQ(bits[0], b & 1);
    EXPECT_EQ(bits[7], b >> 7);
    EXPECT_EQ(BitsToByte(bits), b);
  }
  EXPECT_EQ(BitsToByte({2, 1, 0, 0, 0, 0, 0, 7}), 0x02);
}

TEST(FlagBlockA, EncodesNewProjectRows) {
  const MatrixRow none{};
  EXPECT_EQ(EncodeFlagsA(NewProjectStatusRow(0), none, 0, 0), "\x80\0\0\0\x80\0\0\0\0\0\0\0\0\0"s);
  EXPECT_EQ(EncodeFlagsA(NewProjectStatusRow(5), none, 0, 0), "\x04\0\0\0\x04\0\0\0\0\0\0\0\0\0"s);
  EXPECT_EQ(EncodeFlagsA(NewProjectStatusRow(31), none, 0, 0), "\0\0\0\x01\0\0\0\x01\0\0\0\0\0\0"s);
}

// What DecodeFlagsA leaves in its out-arguments, starting from `before`.
struct DecodedA {
  MatrixRow status{};
  MatrixRow filter{};
  std::uint8_t back = 0;
  std::uint8_t trans = 0;
  bool useFilter = true;
};

DecodedA DecodeA(const std::string& block, DecodedA before = {}) {
  DecodeFlagsA(block, before.status, before.filter, before.back, before.trans, before.useFilter);
  return before;
}

// The read-back's step after decoding: link bytes become record values, a set filter
// without a back answer marks the status query.
DecodedA ReadBackA(const std::string& block) {
  DecodedA r = DecodeA(block);
  r.back = r.useFilter ? kStatusQuery : ModuleByteToRecordNo(r.back);
  r.trans = ModuleByteToRecordNo(r.trans);
  return r;
}

TEST(FlagBlockA, EncodesNeutralRowLinksAndUnknownStatus) {
  const MatrixRow neutral{};
  EXPECT_EQ(EncodeFlagsA(neutral, {}, RecordNoToModuleByte(3), RecordNoToModuleByte(32)),
            "\xff\xff\xff\xff\0\0\0\0\x82\x9f\0\0\0\0"s);

  MatrixRow odd{};
  odd[0] = 7;
  const std::string block = EncodeFlagsA(odd, {}, 0, 0);
  EXPECT_EQ(block.substr(0, 8), "\x7f\xff\xff\xff\0\0\0\0"s);
  const DecodedA decoded = DecodeA(block);
  EXPECT_EQ(decoded.status[0], kStatusClear);
  EXPECT_EQ(decoded.status[1], kStatusNeutral);
}

TEST(FlagBlockA, FilterCountsOnlyCellsHoldingOne) {
  MatrixRow filter{};
  filter[0] = 2;
  filter[8] = 1;
  EXPECT_EQ(EncodeFlagsA({}, filter, 0, 0).substr(10), "\0\x80\0\0"s);
}

TEST(FlagBlockA, RoundTripsEveryStatusAtEveryColumnWithLinksAndFilter) {
  for (std::size_t j = 0; j < kMatrixColumns; ++j) {
    for (std::uint8_t value : {kStatusNeutral, kStatusSet, kStatusClear}) {
      MatrixRow status = NewProjectStatusRow((j + 1) % kMatrixColumns);
      status[j] = value;
      const MatrixRow filter = RowWithOnes({j, 31 - j});
      const std::string block = EncodeFlagsA(status, filter, 0x85, 0x9E);
      ASSERT_EQ(block.size(), kFlagBlockALength);
      const DecodedA decoded = DecodeA(block);
      EXPECT_EQ(decoded.status, status);
      EXPECT_EQ(decoded.filter, filter);
      EXPECT_EQ(decoded.back, 0x85);
      EXPECT_EQ(decoded.trans, 0x9E);
      EXPECT_FALSE(decoded.useFilter);
    }
  }
}

TEST(FlagBlockA, StatusQuerySurvivesOnlyWithAFilterRow) {
  const MatrixRow filter = RowWithOnes({0, 31});
  const std::string block = EncodeFlagsA({}, filter, RecordNoToModuleByte(255), 0);
  EXPECT_EQ(block[8], '\0');
  EXPECT_EQ(block.substr(10), "\x80\0\0\x01"s);
  const DecodedA query = ReadBackA(block);
  EXPECT_EQ(query.filter, filter);
  EXPECT_EQ(query.back, kStatusQuery);

  EXPECT_EQ(ReadBackA(EncodeFlagsA({}, {}, RecordNoToModuleByte(255), 0)).back, 0);
  EXPECT_EQ(ReadBackA(EncodeFlagsA({}, filter, RecordNoToModuleByte(0), 0)).back, kStatusQuery);
  const DecodedA linked = ReadBackA(EncodeFlagsA({}, filter, RecordNoToModuleByte(4), 0));
  EXPECT_EQ(linked.back, 4);
  EXPECT_EQ(linked.filter, filter);
}

TEST(FlagBlockA, WrongLengthClearsMatricesAndKeepsLinks) {
  for (const std::string& block : {""s, std::string(13, '\xff'), std::string(15, '\xff')}) {
    const DecodedA decoded =
        DecodeA(block, {NewProjectStatusRow(2), RowWithOnes({1, 2}), 0x83, 0x84, true});
    EXPECT_EQ(decoded.status, MatrixRow{});
    EXPECT_EQ(decoded.filter, MatrixRow{});
    EXPECT_EQ(decoded.back, 0x83);
    EXPECT_EQ(decoded.trans, 0x84);
    EXPECT_FALSE(decoded.useFilter);
  }
}

TEST(FlagBlockC, EncodesFilterThenLink) {
  EXPECT_EQ(EncodeFlagsC({}, RecordNoToModuleByte(1)), "\0\0\0\0\x80"s);
  EXPECT_EQ(EncodeFlagsC(RowWithOnes({7, 24}), RecordNoToModuleByte(32)), "\x01\0\0\x80\x9f"s);
}

TEST(FlagBlockC, DecodesFilterLinkAndQueryMark) {
  MatrixRow filter{};
  std::uint8_t trans = 0;
  bool useFilter = false;
  DecodeFlagsC("\x40\0\0\0\0"s, filter, trans, useFilter);
  EXPECT_EQ(filter, RowWithOnes({1}));
  EXPECT_EQ(trans, 0);
  EXPECT_TRUE(useFilter);

  DecodeFlagsC("\x40\0\0\0\x8a"s, filter, trans, useFilter);
  EXPECT_EQ(ModuleByteToRecordNo(trans), 11);
  EXPECT_FALSE(useFilter);

  DecodeFlagsC("\0\0\0\0\0"s, filter, trans, useFilter);
  EXPECT_FALSE(useFilter);
}

TEST(FlagBlockC, WrongLengthClearsFilterAndReadsAsNoLink) {
  MatrixRow filter = RowWithOnes({3});
  std::uint8_t trans = 0x90;
  bool useFilter = true;
  DecodeFlagsC("\0\0\0\0"s, filter, trans, useFilter);
  EXPECT_EQ(filter, MatrixRow{});
  EXPECT_EQ(ModuleByteToRecordNo(trans), 0);
  EXPECT_FALSE(useFilter);
}

TEST(FlagBlockC, RoundTripsEveryFilterColumn) {
  for (std::size_t j = 0; j < kMatrixColumns; ++j) {
    const MatrixRow in = RowWithOnes({j});
    MatrixRow out{};
    std::uint8_t trans = 0;
    bool useFilter = false;
    DecodeFlagsC(EncodeFlagsC(in, 0x80), out, trans, useFilter);
    EXPECT_EQ(out, in);
    EXPECT_EQ(trans, 0x80);
  }
}

}  // namespace
