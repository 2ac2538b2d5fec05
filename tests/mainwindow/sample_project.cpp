#include "tests/mainwindow/sample_project.h"

#include "project/records.h"

std::string HexDigits(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string hex;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

ProjectCommands FillProject() {
  ProjectCommands commands;
  ProjHeader = ProjectHeader{};
  ProjHeader.Com1Baud = 5;
  ProjHeader.Com1Parity.Set("M");
  ProjHeader.Com1Handshake = 1;
  ProjHeader.Com2Baud = 4;
  ProjHeader.Com2Parity.Set("S");
  ProjHeader.Com2Handshake = 0;
  ProjHeader.FileInfo.Set("project with every kind of data");
  const std::array<CommandText CommandRecord::*, 5> fields = {
      &CommandRecord::RxCom1Cmd, &CommandRecord::TxCom1BackCmd, &CommandRecord::TxCom1Cmd,
      &CommandRecord::TxCom2Cmd, &CommandRecord::RxCom2Cmd};
  const std::array<std::int16_t CommandRecord::*, 5> lengths = {
      &CommandRecord::RxCom1Len, &CommandRecord::TxCom1BackLen, &CommandRecord::TxCom1Len,
      &CommandRecord::TxCom2Len, &CommandRecord::RxCom2Len};
  for (std::size_t i = 0; i < 32; ++i) {
    CommandRecord& record = CmdRecords[i];
    record = CommandRecord{};
    for (std::size_t k = 0; k < 5; ++k) {
      std::string bytes;
      if (i % 11 != 10) {  // records 10, 21: every command empty
        const std::size_t size = (i + 7 * k) % 31 + 1;
        for (std::size_t j = 0; j < size; ++j) {
          bytes += static_cast<char>((i * 31 + k * 17 + j * 13) % 256);
        }
        bytes[0] = "\x00\x7C\xFF\x41"[i % 4];
      }
      commands[k][i] = bytes;
      (record.*fields[k]).Set(HexDigits(bytes));
      record.*lengths[k] = static_cast<std::int16_t>(2 * bytes.size());
    }
    record.RxCom1Info.Set("name " + std::to_string(i));
    for (std::size_t j = 0; j < 32; ++j) {
      record.StatusMatrix[j] = static_cast<std::uint8_t>((i + j) % 3);
    }
    // Links by record: none, an entry, the status query, the last entry. A query and
    // a link carry a filter row; "none" carries none (it would read back as a query).
    const std::uint8_t entry = static_cast<std::uint8_t>(i % 32 + 1);
    const std::array<std::uint8_t, 4> links = {0, entry, 255, 32};
    record.BackAnswerNo = links[i % 4];
    record.TransToNo = static_cast<std::uint8_t>((i * 5) % 33);
    record.TransTo2No = links[(i + 1) % 4];
    if (record.BackAnswerNo != 0) {
      record.Filter1Matrix[i] = 1;
      record.Filter1Matrix[31 - i] = 1;
    }
    if (record.TransTo2No != 0) {
      record.Filter2Matrix[(i * 7) % 32] = 1;
    }
  }
  return commands;
}
