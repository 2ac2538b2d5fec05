#include "project/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"
#include "tests/project/project_reset.h"

namespace {

using namespace std::string_literals;

std::size_t RecordOffset(std::size_t i) {
  return kHeaderFileSize + kRecordFileSize * i;
}

std::string FileContent(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadFileBytes(path, bytes, kProjectFileSize + 1));
  return bytes;
}

// Gives every field a distinct value, the reserved field included.
void FillProject() {
  ProjHeader.Magic = kProjectMagic;
  ProjHeader.Version = kProjectVersion;
  ProjHeader.Com1Baud = 3;
  ProjHeader.Com1Handshake = 1;
  ProjHeader.Com1Parity.Set("E");
  ProjHeader.Com2Baud = -2;
  ProjHeader.Com2Handshake = 0x01020304;
  ProjHeader.Com2Parity.Set("\xe4");
  ProjHeader.SaveStamp.Set("20240102030405");
  ProjHeader.FileInfo.Set("Beschreibung\r\nzweite Zeile");
  ProjHeader.Reserved.bytes.fill('\x01');
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    CommandRecord& r = CmdRecords[i];
    r.RxCom1Len = static_cast<std::int16_t>(i * 2);
    r.RxCom1Cmd.Set("41" + std::to_string(i));
    r.RxCom1Info.Set("name " + std::to_string(i));
    r.BackAnswerNo = static_cast<std::uint8_t>(i == 7 ? 255 : i);
    r.TransToNo = static_cast<std::uint8_t>(32 - i);
    r.TxCom1BackLen = -1;
    r.TxCom1Len = 300;
    r.TxCom2Info.Set(std::string(70, 'x'));
    r.RxCom2Len = 0x7FFF;
    r.TransTo2No = 200;
    r.StatusMatrix[i] = 2;
    r.Filter1Matrix[31 - i] = 1;
    r.Filter2Matrix[0] = static_cast<std::uint8_t>(i);
  }
}

class ProjectFile : public ProjectTest {
 protected:
  TempFolder folder_;
  std::string path_ = folder_.File("p.vrx");
};

TEST_F(ProjectFile, NewProjectIsWrittenAtItsExactOffsets) {
  SetNewProjectValues();
  ASSERT_TRUE(WriteProjectFile(path_));
  const std::string bytes = FileContent(path_);
  ASSERT_EQ(bytes.size(), 56712u);
  EXPECT_EQ(bytes.substr(0, 26),
            "\x50\x56\x4C\x58\x01\0\0\0\x09\0\0\0\0\0\0\0\x4E\x09\0\0\0\0\0\0\0\x4E"s);
  EXPECT_EQ(bytes.substr(26, 14), "20090215143005");
  EXPECT_EQ(bytes.substr(40, 2048), std::string(2048, ' '));
  EXPECT_EQ(bytes.substr(2088, 256), std::string(256, '\0'));
  for (std::size_t i = 0; i < 32; ++i) {
    const std::string record = bytes.substr(RecordOffset(i), kRecordFileSize);
    std::string status(32, '\x02');
    status[i] = '\x01';
    for (const std::size_t slot : {0u, 322u, 642u, 962u, 1282u}) {
      EXPECT_EQ(record.substr(slot, 2), "\0\0"s);
      EXPECT_EQ(record.substr(slot + 2, 318), std::string(318, ' '));
    }
    EXPECT_EQ(record.substr(320, 2), "\0\0"s);
    EXPECT_EQ(record[1602], '\0');
    EXPECT_EQ(record.substr(1603, 32), status);
    EXPECT_EQ(record.substr(1635, 64), std::string(64, '\0'));
  }
}

TEST_F(ProjectFile, FieldsLieAtTheirOffsetsLittleEndian) {
  ProjHeader.Com2Handshake = 0x01020304;
  ProjHeader.Reserved.Set("R");
  CmdRecords[1].RxCom1Info.Set("I");
  CmdRecords[1].BackAnswerNo = 0xAB;
  CmdRecords[1].TransToNo = 0xCD;
  CmdRecords[1].TxCom1BackLen = -2;
  CmdRecords[1].TxCom1Info.Set("T");
  CmdRecords[1].RxCom2Len = 0x1234;
  CmdRecords[1].RxCom2Info.Set("E");
  CmdRecords[1].TransTo2No = 0xEF;
  CmdRecords[1].Filter2Matrix[31] = 9;
  const std::string bytes = ProjectFileBytes(ProjHeader, CmdRecords);
  ASSERT_EQ(bytes.size(), kProjectFileSize);
  EXPECT_EQ(bytes.substr(21, 4), "\x04\x03\x02\x01");
  EXPECT_EQ(bytes[2088], 'R');
  const std::size_t r = RecordOffset(1);
  EXPECT_EQ(bytes[r + 256], 'I');
  EXPECT_EQ(bytes.substr(r + 320, 4), "\xAB\xCD\xFE\xFF");
  EXPECT_EQ(bytes[r + 898], 'T');
  EXPECT_EQ(bytes.substr(r + 1282, 2), "\x34\x12");
  EXPECT_EQ(bytes[r + 1538], 'E');
  EXPECT_EQ(bytes[r + 1602], '\xEF');
  EXPECT_EQ(bytes[r + 1698], '\x09');
}

TEST_F(ProjectFile, ProjectNeverFilledStoresZerosBehindMagicAndVersion) {
  ASSERT_TRUE(WriteProjectFile(path_));
  const std::string expected = "PVLX\x01"s + std::string(kProjectFileSize - 5, '\0');
  EXPECT_EQ(FileContent(path_), expected);
}

TEST_F(ProjectFile, RoundTripKeepsEveryFieldAndSavingTwiceGivesTheSameBytes) {
  FillProject();
  ASSERT_TRUE(WriteProjectFile(path_));
  const ProjectHeader savedHeader = ProjHeader;
  const CommandRecordList savedRecords = CmdRecords;
  ProjHeader = {};
  CmdRecords = {};
  ASSERT_EQ(ReadProjectFile(path_), ProjectFileRead::Loaded);
  EXPECT_EQ(ProjHeader, savedHeader);
  EXPECT_EQ(CmdRecords, savedRecords);

  const std::string second = folder_.File("second.vrx");
  ASSERT_TRUE(WriteProjectFile(second));
  EXPECT_EQ(FileContent(second), FileContent(path_));
}

TEST_F(ProjectFile, ReservedFieldIsTakenFromTheFileKeptByNewAndWrittenBack) {
  FillProject();
  ASSERT_TRUE(WriteProjectFile(path_));
  ProjHeader = {};
  ASSERT_EQ(ReadProjectFile(path_), ProjectFileRead::Loaded);
  SetNewProjectValues();
  ASSERT_TRUE(WriteProjectFile(path_));
  EXPECT_EQ(FileContent(path_).substr(2088, 256), std::string(256, '\x01'));
}

TEST_F(ProjectFile, VersionIsNotCheckedAndTrailingBytesAreIgnored) {
  FillProject();
  std::string bytes = ProjectFileBytes(ProjHeader, CmdRecords);
  bytes[4] = 2;
  ASSERT_TRUE(platform::WriteFileReplacing(path_, bytes + "trailing"));
  ProjHeader = {};
  ASSERT_EQ(ReadProjectFile(path_), ProjectFileRead::Loaded);
  EXPECT_EQ(ProjHeader.Version, 2);
  EXPECT_EQ(ProjectFileBytes(ProjHeader, CmdRecords), bytes);
}

TEST_F(ProjectFile, RefusedFilesLeaveTheProjectUnchanged) {
  FillProject();
  const std::string good = ProjectFileBytes(ProjHeader, CmdRecords);
  ProjHeader.FileInfo.Set("in memory");
  const ProjectHeader header = ProjHeader;
  const CommandRecordList records = CmdRecords;
  struct Case {
    std::string name;
    std::string content;
    ProjectFileRead expected;
  };
  const Case cases[] = {
      {"empty", "", ProjectFileRead::NoMagic},
      {"three bytes", "PVL", ProjectFileRead::NoMagic},
      {"lower case", "pvlx" + good.substr(4), ProjectFileRead::NoMagic},
      {"other format", "%PDF-1.4 and more", ProjectFileRead::NoMagic},
      {"magic alone", "PVLX", ProjectFileRead::Short},
      {"header alone", good.substr(0, kHeaderFileSize), ProjectFileRead::Short},
      {"one byte short", good.substr(0, kProjectFileSize - 1), ProjectFileRead::Short},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(platform::WriteFileReplacing(path_, c.content));
    EXPECT_EQ(ReadProjectFile(path_), c.expected) << c.name;
    EXPECT_EQ(ProjHeader, header) << c.name;
    EXPECT_EQ(CmdRecords, records) << c.name;
  }
  EXPECT_EQ(ReadProjectFile(folder_.File("missing.vrx")), ProjectFileRead::Unreadable);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(ReadProjectFile(folder_.path()), ProjectFileRead::Unreadable);
  EXPECT_EQ(errno, EISDIR);
  EXPECT_EQ(ProjHeader, header);
  EXPECT_EQ(CmdRecords, records);
}

TEST_F(ProjectFile, NamedPipeIsRefusedAtOnceAndAHugeFileReadOnlyAsFarAsTheFormat) {
  FillProject();
  const std::string good = ProjectFileBytes(ProjHeader, CmdRecords);
  const ProjectHeader header = ProjHeader;
  const CommandRecordList records = CmdRecords;
  const std::string pipe = folder_.File("pipe.vrx");
  ASSERT_TRUE(MakeNamedPipe(pipe));
  ProjectFileRead result = ProjectFileRead::Loaded;
  EXPECT_TRUE(ReturnsPromptly(pipe, [&] { result = ReadProjectFile(pipe); }));
  EXPECT_EQ(result, ProjectFileRead::Unreadable);
  EXPECT_EQ(ProjHeader, header);
  EXPECT_EQ(CmdRecords, records);

  ASSERT_TRUE(MakeSparseFile(path_, good, off_t{100} << 20));
  ProjHeader = {};
  CmdRecords = {};
  ASSERT_EQ(ReadProjectFile(path_), ProjectFileRead::Loaded);
  EXPECT_EQ(ProjectFileBytes(ProjHeader, CmdRecords), good);
}

TEST_F(ProjectFile, SavingOverALongerFileLeavesExactlyTheProject) {
  ASSERT_TRUE(platform::WriteFileReplacing(path_, std::string(100000, 'z')));
  ASSERT_TRUE(WriteProjectFile(path_));
  EXPECT_EQ(FileContent(path_).size(), kProjectFileSize);
}

TEST_F(ProjectFile, FailedSaveKeepsTheOldFileAndReportsFalse) {
  ASSERT_TRUE(platform::WriteFileReplacing(path_, "old content"));
  chmod(path_.c_str(), 0444);
  EXPECT_FALSE(WriteProjectFile(path_));
  chmod(path_.c_str(), 0644);
  EXPECT_EQ(FileContent(path_), "old content");

  EXPECT_FALSE(WriteProjectFile(folder_.File("no such folder/p.vrx")));
}

}  // namespace
