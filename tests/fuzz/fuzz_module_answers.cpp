// The module-answer rules against any answer, over a transport that answers every
// command with the fuzzer's bytes. Byte 0 picks the operation, byte 1 the entry; the
// rest is the answer. The bytes of every answer also go through the hex and ASCII
// conversions, which must give them back.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/hex_text.h"
#include "seriallink/send_code.h"
#include "tests/common/installed_transport.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const std::string kPort = "COM1:";
const std::string kSpeed = "9600";
const std::string kStamp = "20240102030405";

class FuzzAnswer : public InstalledTransport {
 public:
  explicit FuzzAnswer(std::string answer) : answer_(std::move(answer)) {}
  std::string Send(const std::string&, const std::string&, const std::string& sCommand,
                   std::int16_t, std::int32_t) override {
    sent.push_back(sCommand);
    return answer_;
  }
  std::vector<std::string> sent;

 private:
  std::string answer_;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string WithoutLeadingCrLf(const std::string& answer) {
  return answer.starts_with("\r\n") ? answer.substr(2) : answer;
}

void CheckVersion(const std::string& answer) {
  const std::string version = ReadModuleVersion(kPort, kSpeed, 20);
  const bool named = Lower(answer).find("pelvaron-") != std::string::npos;
  Require(version.empty() == !named, "a version answer is one that names the module");
  Require(version.find("\r\n") == std::string::npos, "a version holds no CR LF");
  Require(!gbModuleFw5 || !version.empty(), "release 5 only with a version");
  const std::string side = ReadModuleSide(kPort, kSpeed, 20);
  Require(
      side.empty() || ((side == "A" || side == "B") && version.size() > 9 && version[9] == side[0]),
      "the side is the letter after the module's name");
}

void CheckInfo(const std::string& answer) {
  std::int32_t baud = -7;
  std::int32_t handshake = -7;
  std::string parity = "?";
  std::string stamp;
  const bool ok = ReadPortSettings(kPort, kSpeed, baud, handshake, parity, stamp, 100);
  if (answer.empty()) {
    Require(!ok && baud == -7 && handshake == -7 && parity == "?", "no answer changes nothing");
    return;
  }
  if (ok) {
    Require(std::string("49135").find(static_cast<char>('0' + baud)) != std::string::npos,
            "a baud code read is one of the five");
    Require(handshake == 0 || handshake == 1, "a handshake read is off or on");
    Require(parity.size() == 1 && std::string("NOEMS").find(parity) != std::string::npos,
            "a parity read is one of the five letters");
    Require(!stamp.empty(), "a time stamp was read");
  }
}

void CheckSettings(const FuzzAnswer& transport, const std::string& answer) {
  const bool ok = SetPortSettings(kPort, kSpeed, 9, 0, "N", kStamp, 100);
  Require(ok == (!answer.empty() && answer.find(kStamp) != std::string::npos),
          "settings are set when every frame is answered and the stamp echoed");
  Require(transport.sent.size() == (answer.empty() ? 1u : 4u), "the first silence ends the frames");
}

void CheckEntry(int operation, int index, const std::string& answer) {
  const std::string list(1, "ABCDE"[index % 5]);
  if (operation == 0) {
    const std::string data = kEmptyEntryText;
    const std::string echoed = WriteListEntry(kPort, kSpeed, list, index, data, 100);
    const bool accepted = answer.size() >= 4 && static_cast<unsigned char>(answer[2]) == index &&
                          static_cast<unsigned char>(answer[3]) == data.size() - 1;
    Require(echoed == (accepted ? answer.substr(4, data.size()) : std::string()),
            "an entry write gives the echoed data of an answer for its entry");
    return;
  }
  const std::string result =
      operation == 1 ? ReadListEntry(kPort, kSpeed, list, index, 100)
                     : WriteEntryFlags(kPort, kSpeed, list, index, std::string(5, '\0'), 100);
  const std::string rest = WithoutLeadingCrLf(answer);
  if (answer.empty()) {
    Require(result.empty(), "no answer is the empty text");
  } else if (!rest.empty() && static_cast<unsigned char>(rest[0]) == index) {
    Require(result == rest, "an answer for the entry is taken without its CR LF");
  } else {
    Require(result == kWrongEntryAnswer, "an answer for another entry is named so");
  }
}

void CheckConversions(const std::string& bytes) {
  const std::string compact = AsciiToHex(bytes, true);
  const std::string shown = AsciiToHex(bytes, false);
  Require(compact.size() == 2 * bytes.size() && shown.size() == 3 * bytes.size(),
          "two digits a byte");
  Require(HexToAscii(compact, false) == bytes, "compact hex gives the bytes back");
  Require(FormatHex(shown, true) == compact, "shown pairs compact to the stored digits");
  Require(bytes.empty() || FormatHex(compact, false) + " " == shown, "stored digits show as pairs");
  Require(FilterHexDigits(shown, false) == shown, "shown pairs are all hex digits and blanks");
  std::string marked = bytes;
  std::replace(marked.begin(), marked.end(), '\0', '|');
  Require(HexToAscii(shown, true).value_or("?") == marked, "NUL shows as the bar");
  Require(AsciiToHex(marked, false) == AsciiToHex(HexToAscii(shown, true).value_or(""), false),
          "the editors' round trip gives the pairs back, 00 as 7C");
  const std::string digits = FilterHexDigits(bytes, true);
  const std::optional<std::string> fromDigits = HexToAscii(digits, false);
  Require(fromDigits.has_value(), "filtered digits always convert");
  const std::string padded =
      digits.size() % 2 == 0 ? digits : digits.substr(0, digits.size() - 1) + "0" + digits.back();
  Require(AsciiToHex(*fromDigits, true) == (digits.size() < 2 ? "" : padded),
          "digits come back, an odd last one as a byte of its own");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const int operation = data[0] % 6;
  const int index = data[1] % 32;
  const std::string answer = Bytes(data + 2, size - 2);
  FuzzAnswer transport(answer);
  switch (operation) {
    case 0:
      CheckVersion(answer);
      break;
    case 1:
      CheckInfo(answer);
      break;
    case 2:
      CheckSettings(transport, answer);
      break;
    default:
      CheckEntry(operation - 3, index, answer);
      break;
  }
  CheckConversions(answer);
  return 0;
}
