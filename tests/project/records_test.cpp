#include "project/records.h"

#include <gtest/gtest.h>

#include <string>

#include "project/program_state.h"
#include "tests/project/project_reset.h"

namespace {

using namespace std::string_literals;

TEST(FixedText, SetPadsWithBlanksAndCuts) {
  FixedText<4> text;
  EXPECT_EQ(text.Raw(), "\0\0\0\0"s);
  text.Set("ab");
  EXPECT_EQ(text.Raw(), "ab  ");
  text.Set("abcdef");
  EXPECT_EQ(text.Raw(), "abcd");
  text.Set("");
  EXPECT_EQ(text.Raw(), "    ");
}

TEST(FixedText, ReadCutsAtNulAndTrimsBlanks) {
  FixedText<8> text;
  EXPECT_EQ(text.Read(), "");
  text.Set(" a b ");
  EXPECT_EQ(text.Read(), "a b");
  text.Set("ab\0cd"s);
  EXPECT_EQ(text.Read(), "ab");
  text.Set("   ");
  EXPECT_EQ(text.Read(), "");
}

TEST(FixedText, LeftHoldsTheCountToTheWidth) {
  FixedText<6> text;
  text.Set("4142");
  EXPECT_EQ(text.Left(4), "4142");
  EXPECT_EQ(text.Left(0), "");
  EXPECT_EQ(text.Left(-3), "");
  EXPECT_EQ(text.Left(300), "4142  ");
}

TEST(ProgramStart, EveryNumberIsZeroAndEveryTextByteNul) {
  // The globals are default-constructed, so the types' defaults are the start state.
  const ProjectHeader header;
  EXPECT_EQ(header.Magic, 0);
  EXPECT_EQ(header.FileInfo.Raw(), std::string(2048, '\0'));
  const CommandRecord record;
  EXPECT_EQ(record.RxCom2Info.Raw(), std::string(64, '\0'));
  EXPECT_EQ(record.StatusMatrix, MatrixRow{});
  EXPECT_EQ(ModuleStampCom1.Raw(), std::string(14, '\0'));
}

using NewProject = ProjectTest;

TEST_F(NewProject, SetsDefaultsAndKeepsMagicVersionAndReserved) {
  ProjHeader.Magic = 77;
  ProjHeader.Version = 5;
  ProjHeader.Reserved.Set("kept");
  ProjHeader.FileInfo.Set("old");
  CmdRecords[3].TxCom2Len = 6;
  CmdRecords[3].TxCom2Cmd.Set("414243");
  CmdRecords[3].BackAnswerNo = 255;
  CmdRecords[3].Filter2Matrix[4] = 1;

  SetNewProjectValues();

  EXPECT_EQ(ProjHeader.Magic, 77);
  EXPECT_EQ(ProjHeader.Version, 5);
  EXPECT_EQ(ProjHeader.Reserved.Read(), "kept");
  EXPECT_EQ(ProjHeader.Com1Baud, 9);
  EXPECT_EQ(ProjHeader.Com2Baud, 9);
  EXPECT_EQ(ProjHeader.Com1Parity.Raw(), "N");
  EXPECT_EQ(ProjHeader.Com2Parity.Raw(), "N");
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), std::string(2048, ' '));
  EXPECT_EQ(ProjHeader.SaveStamp.Raw(), "20090215143005");
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    const CommandRecord& r = CmdRecords[i];
    EXPECT_EQ(r.TxCom2Len, 0);
    EXPECT_EQ(r.TxCom2Cmd.Raw(), std::string(254, ' '));
    EXPECT_EQ(r.TxCom1BackInfo.Raw(), std::string(64, ' '));
    EXPECT_EQ(r.BackAnswerNo, 0);
    EXPECT_EQ(r.Filter2Matrix, MatrixRow{});
    for (std::size_t j = 0; j < r.StatusMatrix.size(); ++j) {
      EXPECT_EQ(r.StatusMatrix[j], i == j ? 1 : 2);
    }
  }
}

}  // namespace
