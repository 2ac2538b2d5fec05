#pragma once

#include <array>
#include <cstdint>

#include "project/fixed_text.h"
#include "project/matrix_row.h"

inline constexpr int kRecordCount = 32;
inline constexpr std::int32_t kProjectMagic = 0x584C5650;  // "PVLX" read little-endian
inline constexpr std::int32_t kProjectVersion = 1;

using CommandText = FixedText<254>;  // compact hex digits, two per byte
using CommandName = FixedText<64>;
using TimeStamp = FixedText<14>;  // yyyymmddhhmmss

struct ProjectHeader {
  std::int32_t Magic = 0;
  std::int32_t Version = 0;
  std::int32_t Com1Baud = 0;  // baud code: 4, 9, 1, 3 or 5
  std::int32_t Com1Handshake = 0;
  FixedText<1> Com1Parity;  // N, O, E, M or S
  std::int32_t Com2Baud = 0;
  std::int32_t Com2Handshake = 0;
  FixedText<1> Com2Parity;
  TimeStamp SaveStamp;
  FixedText<2048> FileInfo;
  FixedText<256> Reserved;

  friend bool operator==(const ProjectHeader&, const ProjectHeader&) = default;
};

// Line i + 1 of all five lists. A length field counts the hex digits of its command.
struct CommandRecord {
  std::int16_t RxCom1Len = 0;
  CommandText RxCom1Cmd;
  CommandName RxCom1Info;
  std::uint8_t BackAnswerNo = 0;  // 0 none, k entry of list B, 255 status query
  std::uint8_t TransToNo = 0;     // 0 none, k entry of list D
  std::int16_t TxCom1BackLen = 0;
  CommandText TxCom1BackCmd;
  CommandName TxCom1BackInfo;
  std::int16_t TxCom1Len = 0;
  CommandText TxCom1Cmd;
  CommandName TxCom1Info;
  std::int16_t TxCom2Len = 0;
  CommandText TxCom2Cmd;
  CommandName TxCom2Info;
  std::int16_t RxCom2Len = 0;
  CommandText RxCom2Cmd;
  CommandName RxCom2Info;
  std::uint8_t TransTo2No = 0;  // 0 none, k entry of list C, 255 status query
  MatrixRow StatusMatrix{};     // 0 neutral, 1 set, 2 clear
  MatrixRow Filter1Matrix{};
  MatrixRow Filter2Matrix{};

  friend bool operator==(const CommandRecord&, const CommandRecord&) = default;
};

using CommandRecordList = std::array<CommandRecord, kRecordCount>;

// The one project in memory. At program start every number is 0 and every text byte
// NUL; no project is made until New, a load or a read-back.
extern ProjectHeader ProjHeader;
extern CommandRecordList CmdRecords;

// The values of a new project; Magic, Version and Reserved keep what they hold.
void SetNewProjectValues();
