// Frames sent and the acceptance rules applied to given answers.
#include <gtest/gtest.h>

#include <limits>

#include "seriallink/number_text.h"
#include "seriallink/send_code.h"
#include "tests/seriallink/test_doubles.h"

namespace {

TEST(NumberText, ReadsTheGeneralNumberSyntax) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"5", 5},           {" \t\n5\r\n", 5}, {"1 2\t3", 123}, {"-4", -4},   {"+7x", 7},
      {"2E3", 2000},      {"25d-1", 2.5},    {"5e", 5},       {"&H1F", 31}, {"&hFFFF", -1},
      {"&H10000", 65536}, {"&O17", 15},      {"3.5", 3.5},    {"", 0},      {"x5", 0},
      {"\r5", 0},         {"401\r\n", 401},  {"&Hz", 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_TRUE(IsNumericText("19200"));
  EXPECT_TRUE(IsNumericText("1.92e4"));
  EXPECT_FALSE(IsNumericText("96OO"));
  EXPECT_FALSE(IsNumericText(""));
  // A literal too large for 32 bits is one number, however long, like 1E999.
  for (const char* huge :
       {"&HFFFFFFFFF", "&HFFFFFFFFFF", "&O777777777777777", " &H1234567890ABCDEF ", "1E999"}) {
    EXPECT_TRUE(IsNumericText(huge)) << huge;
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::infinity()) << huge;
  }
  EXPECT_FALSE(IsNumericText("&HFFFFFFFFFFx"));
}

TEST(NumberText, RoundsHalvesToEvenWithinRange) {
  EXPECT_EQ(RoundToInt16(4.5), 4);
  EXPECT_EQ(RoundToInt16(5.5), 6);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(RoundToInt32(9600.5), 9600);
  EXPECT_EQ(RoundToInt32(1e10), std::nullopt);
}

TEST(VersionAnswer, ReleaseDecidesTheFlag) {
  const struct {
    std::string answer;
    std::string version;
    bool fw5;
  } cases[] = {
      {"Pelvaron-A5\r\n", "Pelvaron-A5", true},
      {"Pelvaron-B4\r\n", "Pelvaron-B4", false},
      {"Pelvaron-A4.1\r\n", "Pelvaron-A4.1", true},  // reads as 401
      {"\r\nPELVARON-b 6", "PELVARON-b 6", true},
      {"Pelvaron-A&H7FFF", "Pelvaron-A&H7FFF", true},
      {"Pelvaron-A99999", "Pelvaron-A99999", false},  // too large for 16 bits
      {"Pelvaron-X5", "Pelvaron-X5", false},
      {"Module-A5", "", false},
      // A line end that removing another one forms is removed too.
      {"Pelvaron-\r\r\n\nA5", "Pelvaron-A5", true},
      {"\r\r\r\n\n\nPelvaron-B4", "Pelvaron-B4", false},
  };
  for (const auto& c : cases) {
    ScriptedTransport transport({c.answer});
    gbModuleFw5 = !c.fw5;
    EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 20), c.version) << c.answer;
    EXPECT_EQ(gbModuleFw5, c.fw5) << c.answer;
    ASSERT_EQ(transport.sent.size(), 1u);
    EXPECT_EQ(transport.sent[0].command, "_:V\r");
    EXPECT_EQ(transport.sent[0].polls, 20);
    EXPECT_EQ(transport.sent[0].waitMs, 0);
  }
  ScriptedTransport silent({});
  gbModuleFw5 = true;
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 20), "");
  EXPECT_FALSE(gbModuleFw5);
}

TEST(VersionAnswer, SideIsTheUpperCaseLetterAfterThePrefix) {
  const std::pair<std::string, std::string> cases[] = {{"Pelvaron-B5", "B"},
                                                       {"pelvaron-a5", ""},
                                                       {"Pelvaron-C5", ""},
                                                       {"xPelvaron-A5", ""},
                                                       {"Pelvaron-\r\r\n\nA5", "A"}};
  for (const auto& [answer, side] : cases) {
    ScriptedTransport transport({answer});
    EXPECT_EQ(ReadModuleSide("COM1:", "9600", 100), side) << answer;
  }
}

struct InfoResult {
  bool ok;
  std::int32_t baud;
  std::int32_t handshake;
  std::string parity;
  std::string stamp;
};

InfoResult ReadInfo(const std::string& answer, std::string stamp = "") {
  ScriptedTransport transport({answer});
  InfoResult r{false, -1, -1, "?", std::move(stamp)};
  r.ok = ReadPortSettings("COM1:", "9600", r.baud, r.handshake, r.parity, r.stamp, 100);
  EXPECT_EQ(transport.sent.at(0).command, "_:I\r");
  EXPECT_EQ(transport.sent.at(0).waitMs, 500);
  return r;
}

TEST(InfoAnswer, LinesAreRecognisedInAnyCase) {
  const InfoResult r =
      ReadInfo("  BAUDRATE 19200\r\nhandshake on\r\nParity: even\r\nDate  20231231120000 \r\n");
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.baud, 1);
  EXPECT_EQ(r.handshake, 1);
  EXPECT_EQ(r.parity, "E");
  EXPECT_EQ(r.stamp, "20231231120000");
}

TEST(InfoAnswer, MissingOrUnknownLinesFail) {
  const InfoResult noDate = ReadInfo("Baud 9600\r\nHandshake Off\r\nParity None");
  EXPECT_FALSE(noDate.ok);
  EXPECT_EQ(noDate.baud, 9);
  EXPECT_EQ(noDate.parity, "N");
  EXPECT_EQ(noDate.stamp, "");
  EXPECT_TRUE(ReadInfo("Baud 9600\r\nHandshake Off\r\nParity None", "2006").ok)
      << "a stamp the caller passed counts";
  const InfoResult oddBaud = ReadInfo("Baud 115200\r\nHandshake Off\r\nParity None\r\nDate 1");
  EXPECT_FALSE(oddBaud.ok);
  EXPECT_EQ(oddBaud.baud, 9);
  const InfoResult none = ReadInfo("");
  EXPECT_FALSE(none.ok);
  EXPECT_EQ(none.baud, -1);
  EXPECT_EQ(none.stamp, "");
}

TEST(SettingsFrames, GoOutInOrderAndStopAtTheFirstSilence) {
  ScriptedTransport transport({"ok", "ok", "ok", "Date 20240000000000\r\n"});
  EXPECT_TRUE(SetPortSettings("COM1:", "9600", 3, 1, "S", "2024", 100));
  ASSERT_EQ(transport.sent.size(), 4u);
  EXPECT_EQ(transport.sent[0].command, "_:PB3\r");
  EXPECT_EQ(transport.sent[1].command, "_:PH1\r");
  EXPECT_EQ(transport.sent[2].command,
            "_:PP"
            "S\r");
  EXPECT_EQ(transport.sent[2].waitMs, 50);
  EXPECT_EQ(transport.sent[3].command, "_:PT\r20240000000000\r");
  EXPECT_EQ(transport.sent[3].waitMs, 0);

  ScriptedTransport silentAfterBaud({"ok"});
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 9, 0, "N", "20060000000000", 100));
  EXPECT_EQ(silentAfterBaud.sent.size(), 2u);
}

TEST(SettingsFrames, StampMustBeEchoed) {
  ScriptedTransport transport({"Date 2006\r\n", "date 20060000000000\r\n"});
  EXPECT_EQ(SendDateStamp("COM1:", "9600", "20060000000000", 100), "");
  EXPECT_EQ(SendDateStamp("COM1:", "9600", "2006000000000099", 100), "date 20060000000000");
}

TEST(EntryFrames, AreByteExact) {
  ScriptedTransport transport({});
  WriteListEntry("COM1:", "9600", "A", 0, kEmptyEntryText, 100);
  WriteEntryFlags("COM1:", "9600", "Alist", 5, std::string(14, '\x01'), 100);
  WriteEntryFlags("COM1:", "9600", "C", 10, std::string(5, '\0'), 100);
  ReadListEntry("COM1:", "9600", "D", 13, 100);
  ASSERT_EQ(transport.sent.size(), 4u);
  EXPECT_EQ(transport.sent[0].command, std::string("_:PLA\0S\x0A", 8) + "empty entry");
  EXPECT_EQ(transport.sent[1].command,
            "_:PLA\x05"
            "E\x0D" +
                std::string(14, '\x01'));
  EXPECT_EQ(transport.sent[2].command,
            "_:PLC\x0A"
            "E\x04" +
                std::string(5, '\0'));
  EXPECT_EQ(transport.sent[3].command, "_:PLD\x0DQ");
}

TEST(EntryFrames, WithoutDataOrIndexAreNotSent) {
  ScriptedTransport transport({});
  EXPECT_EQ(WriteListEntry("COM1:", "9600", "A", 0, "", 100), "");
  EXPECT_EQ(WriteListEntry("COM1:", "9600", "A", 0, std::string(257, 'x'), 100), "");
  EXPECT_EQ(ReadListEntry("COM1:", "9600", "A", 256, 100), "");
  EXPECT_EQ(ReadListEntry("COM1:", "9600", "", 1, 100), "");
  EXPECT_TRUE(transport.sent.empty());
}

TEST(EntryAnswers, StoreEchoIsCheckedByIndexAndLength) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("AS\x03\x02"
                   "abc",
                   7),
       "abc"},
      {std::string("??\x03\x02"
                   "ab",
                   6),
       "ab"},
      {std::string("AS\x03\x02", 4), ""},
      {std::string("AS\x04\x02"
                   "abc",
                   7),
       ""},
      {std::string("AS\x03\x03"
                   "abc",
                   7),
       ""},
      {"AS", ""},
  };
  for (const auto& [answer, result] : cases) {
    ScriptedTransport transport({answer});
    EXPECT_EQ(WriteListEntry("COM1:", "9600", "A", 3, "abc", 100), result);
  }
}

TEST(EntryAnswers, QueryAnswerMustNameTheEntry) {
  const std::pair<std::string, std::string> cases[] = {
      {"\r\n\x02rest", "\x02rest"},
      {"\x02rest", "\x02rest"},
      {"\r\n\x03rest", kWrongEntryAnswer},
      {"\r\n", kWrongEntryAnswer},
      {"", ""},
  };
  for (const auto& [answer, result] : cases) {
    ScriptedTransport transport({answer});
    EXPECT_EQ(ReadListEntry("COM1:", "9600", "A", 2, 100), result);
  }
}

}  // namespace
