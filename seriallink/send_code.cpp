#include "seriallink/send_code.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/trim_blanks.h"
#include "seriallink/command_transport.h"
#include "seriallink/number_text.h"

bool gbModuleFw5 = false;

namespace {

constexpr char kCr = '\r';
constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kMaxDataBytes = 256;
constexpr std::int16_t kFirstRelease5 = 5;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
  return Lower(text).find(Lower(part)) != std::string::npos;
}

// Removing a pair can join a CR before it with an LF after it ("\r\r\n\n"): that
// pair is removed too, so that no CR LF is left.
std::string RemoveCrLf(std::string text) {
  for (std::size_t at = text.find(kCrLf); at != std::string::npos; at = text.find(kCrLf, at)) {
    text.erase(at, kCrLf.size());
    at = at > 0 ? at - 1 : 0;
  }
  return text;
}

// The release follows the side letter: "Pelvaron-A5". Dots count as zeros, so
// "4.1" reads as 401.
bool ReportsRelease5(std::string answer) {
  std::replace(answer.begin(), answer.end(), '.', '0');
  const std::string lower = Lower(answer);
  constexpr std::size_t kSearchFrom = 8;  // after "Pelvaron"
  std::size_t at = lower.find('a', kSearchFrom);
  if (at == std::string::npos) {
    at = lower.find('b', kSearchFrom);
  }
  if (at == std::string::npos) {
    return false;
  }
  const std::optional<std::int16_t> release =
      RoundToInt16(LeadingNumber(std::string_view(answer).substr(at + 1)));
  return release && *release >= kFirstRelease5;
}

// "_:PL", the list letter and the index byte; empty for an argument that has no
// frame.
std::optional<std::string> EntryFrameStart(const std::string& sList, std::int32_t lIndex) {
  if (sList.empty() || lIndex < 0 || lIndex > 255) {
    return std::nullopt;
  }
  return "_:PL" + sList.substr(0, 1) + static_cast<char>(lIndex);
}

std::string CheckedEntryAnswer(std::string answer, std::int32_t lIndex) {
  if (answer.empty()) {
    return {};
  }
  if (answer.starts_with(kCrLf)) {
    answer.erase(0, kCrLf.size());
  }
  if (!answer.empty() && static_cast<unsigned char>(answer[0]) == lIndex) {
    return answer;
  }
  return kWrongEntryAnswer;
}

// A store frame ("S" or "E") with its length byte and data, or nullopt.
std::optional<std::string> StoreFrame(const std::string& sList, std::int32_t lIndex, char op,
                                      const std::string& data) {
  const std::optional<std::string> start = EntryFrameStart(sList, lIndex);
  if (!start || data.empty() || data.size() > kMaxDataBytes) {
    return std::nullopt;
  }
  return *start + op + static_cast<char>(data.size() - 1) + data;
}

struct CodedValue {
  std::string_view word;
  int code;
};

// The first word of the list that the line holds.
std::optional<int> FindCoded(const std::string& line, std::initializer_list<CodedValue> values) {
  for (const CodedValue& value : values) {
    if (ContainsNoCase(line, std::string(value.word))) {
      return value.code;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string ReadModuleVersion(const std::string& sPortItem, const std::string& sSpeed,
                              std::int16_t iPollCount) {
  gbModuleFw5 = false;
  const std::string answer = TransmitCommand(sPortItem, sSpeed, "_:V\r", iPollCount, 0);
  if (answer.empty() || !ContainsNoCase(answer, "Pelvaron-")) {
    return {};
  }
  gbModuleFw5 = ReportsRelease5(answer);
  return RemoveCrLf(answer);
}

std::string ReadModuleSide(const std::string& sPortItem, const std::string& sSpeed,
                           std::int16_t iPollCount) {
  const std::string version = ReadModuleVersion(sPortItem, sSpeed, iPollCount);
  constexpr std::size_t kSidePosition = 9;  // the character after "Pelvaron-"
  if (version.size() <= kSidePosition) {
    return {};
  }
  const char side = version[kSidePosition];
  return side == 'A' || side == 'B' ? std::string(1, side) : std::string();
}

bool ReadPortSettings(const std::string& sPortItem, const std::string& sSpeed,
                      std::int32_t& lBaudCode, std::int32_t& lHandshake, std::string& sParity,
                      std::string& sDateStamp, std::int16_t iPollCount) {
  const std::string answer = TransmitCommand(sPortItem, sSpeed, "_:I\r", iPollCount, 500);
  if (answer.empty()) {
    return false;
  }
  bool baudFound = false;
  bool handshakeFound = false;
  bool parityFound = false;
  const std::string text = answer + "\r\n\r\n";
  for (std::size_t from = 0, end; (end = text.find(kCrLf, from)) != std::string::npos;
       from = end + kCrLf.size()) {
    const std::string line(TrimBlanks(text.substr(from, end - from)));
    if (ContainsNoCase(line, "Baud")) {
      const std::optional<int> code =
          FindCoded(line, {{"4800", 4}, {"9600", 9}, {"19200", 1}, {"38400", 3}, {"57600", 5}});
      lBaudCode = code.value_or(9);
      baudFound = baudFound || code.has_value();
    } else if (ContainsNoCase(line, "Handshake")) {
      const std::optional<int> code = FindCoded(line, {{"Off", 0}, {"On", 1}});
      lHandshake = code.value_or(0);
      handshakeFound = handshakeFound || code.has_value();
    } else if (ContainsNoCase(line, "Parity")) {
      const std::optional<int> code = FindCoded(
          line, {{"None", 'N'}, {"Odd", 'O'}, {"Even", 'E'}, {"Mark", 'M'}, {"Space", 'S'}});
      sParity = std::string(1, static_cast<char>(code.value_or('N')));
      parityFound = parityFound || code.has_value();
    } else if (ContainsNoCase(line, "Date")) {
      sDateStamp = line.size() > 4 ? std::string(TrimBlanks(line.substr(4))) : std::string();
    }
  }
  return !sDateStamp.empty() && baudFound && handshakeFound && parityFound;
}

bool SetPortSettings(const std::string& sPortItem, const std::string& sSpeed,
                     std::int32_t lBaudCode, std::int32_t lHandshake, const std::string& sParity,
                     const std::string& sDateStamp, std::int16_t iPollCount) {
  constexpr std::int32_t kBaudCodes[] = {4, 9, 1, 3, 5};
  const bool baudValid =
      std::find(std::begin(kBaudCodes), std::end(kBaudCodes), lBaudCode) != std::end(kBaudCodes);
  const bool parityValid =
      sParity.size() == 1 && std::string_view("NOEMS").find(sParity[0]) != std::string_view::npos;
  if (!baudValid || (lHandshake != 0 && lHandshake != 1) || !parityValid) {
    return false;
  }
  const std::string frames[] = {"_:PB" + std::to_string(lBaudCode) + kCr,
                                "_:PH" + std::to_string(lHandshake) + kCr, "_:PP" + sParity + kCr};
  for (const std::string& frame : frames) {
    if (TransmitCommand(sPortItem, sSpeed, frame, iPollCount, 50).empty()) {
      return false;
    }
  }
  return !SendDateStamp(sPortItem, sSpeed, sDateStamp, iPollCount).empty();
}

std::string SendDateStamp(const std::string& sPortItem, const std::string& sSpeed,
                          const std::string& sDateStamp, std::int16_t iPollCount) {
  const std::string stamp = (sDateStamp + "00000000000000").substr(0, 14);
  const std::string answer =
      TransmitCommand(sPortItem, sSpeed, "_:PT\r" + stamp + kCr, iPollCount, 0);
  if (answer.empty() || !ContainsNoCase(answer, stamp)) {
    return {};
  }
  return RemoveCrLf(answer);
}

std::string WriteListEntry(const std::string& sPortItem, const std::string& sSpeed,
                           const std::string& sList, std::int32_t lIndex, const std::string& sData,
                           std::int16_t iPollCount) {
  const std::optional<std::string> frame = StoreFrame(sList, lIndex, 'S', sData);
  if (!frame) {
    return {};
  }
  const std::string answer = TransmitCommand(sPortItem, sSpeed, *frame, iPollCount, 0);
  // The answer repeats the index and length bytes (its bytes 3 and 4), then the data.
  const std::string_view echoedHeader = std::string_view(*frame).substr(5, 3);
  if (answer.size() < 4 || answer[2] != echoedHeader[0] || answer[3] != echoedHeader[2]) {
    return {};
  }
  return answer.substr(4, sData.size());
}

std::string WriteEntryFlags(const std::string& sPortItem, const std::string& sSpeed,
                            const std::string& sList, std::int32_t lIndex,
                            const std::string& sFlags, std::int16_t iPollCount) {
  const std::optional<std::string> frame = StoreFrame(sList, lIndex, 'E', sFlags);
  if (!frame) {
    return {};
  }
  return CheckedEntryAnswer(TransmitCommand(sPortItem, sSpeed, *frame, iPollCount, 0), lIndex);
}

std::string ReadListEntry(const std::string& sPortItem, const std::string& sSpeed,
                          const std::string& sList, std::int32_t lIndex, std::int16_t iPollCount) {
  const std::optional<std::string> start = EntryFrameStart(sList, lIndex);
  if (!start) {
    return {};
  }
  return CheckedEntryAnswer(TransmitCommand(sPortItem, sSpeed, *start + 'Q', iPollCount, 0),
                            lIndex);
}
