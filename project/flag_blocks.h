#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/matrix_row.h"

// Selection values of a record's link fields.
inline constexpr std::uint8_t kNoCommand = 0;
inline constexpr std::uint8_t kStatusQuery = 255;

// Status-register actions in a status matrix row.
inline constexpr std::uint8_t kStatusNeutral = 0;
inline constexpr std::uint8_t kStatusSet = 1;
inline constexpr std::uint8_t kStatusClear = 2;

inline constexpr std::size_t kFlagBlockALength = 14;
inline constexpr std::size_t kFlagBlockCLength = 5;

// Entry k (1..32) travels as 80 hex Or (k - 1); no command and the status query as 00.
std::uint8_t RecordNoToModuleByte(std::uint8_t n);

// 0 when bit 7 is clear, otherwise (b And 1F hex) + 1.
std::uint8_t ModuleByteToRecordNo(std::uint8_t b);

// Element k is bit k of b (0 or 1).
std::array<std::uint8_t, 8> ByteToBits(std::uint8_t b);

// Bit k is set exactly when bits[k] is 1.
std::uint8_t BitsToByte(const std::array<std::uint8_t, 8>& bits);

// The 14 bytes of a list A entry: keep mask, set mask, back-answer link byte, trans-to
// link byte, filter mask. bBack and bTrans are link bytes already.
std::string EncodeFlagsA(const MatrixRow& Status, const MatrixRow& Filter, std::uint8_t bBack,
                         std::uint8_t bTrans);

// A block of another length clears Status and Filter and leaves bBack and bTrans.
// bUseFilter: bBack is 00 and a filter flag is set, the mark of a status query.
void DecodeFlagsA(const std::string& sFlags, MatrixRow& Status, MatrixRow& Filter,
                  std::uint8_t& bBack, std::uint8_t& bTrans, bool& bUseFilter);

// The 5 bytes of a list C entry: filter mask, then the trans-to link byte.
std::string EncodeFlagsC(const MatrixRow& Filter, std::uint8_t bTrans);

// A block of another length clears Filter and yields bTrans 01 (no link).
void DecodeFlagsC(const std::string& sFlags, MatrixRow& Filter, std::uint8_t& bTrans,
                  bool& bUseFilter);
