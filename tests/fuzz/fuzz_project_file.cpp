// The project-file reader against any file content: a file without the magic, or one
// shorter than the format, leaves the records as they were, byte for byte; a whole file
// with it is taken as it stands, and saving it again gives the same 56,712 bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// A project in memory in which every byte differs from its neighbour.
struct Before {
  ProjectHeader header;
  CommandRecordList records;
  std::string image;
};

const Before& ProjectBefore() {
  static const Before before = [] {
    std::string pattern(kProjectFileSize, '\0');
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      pattern[i] = static_cast<char>(i * 7 + 3);
    }
    pattern.replace(0, 4, "PVLX");
    const std::string path = ScratchFolder() + "/before.vrx";
    WriteScratchFile(path, pattern);
    Before made;
    Require(ReadProjectFile(path, made.header, made.records) == ProjectFileRead::Loaded,
            "the pattern loads");
    made.image = ProjectFileBytes(made.header, made.records);
    Require(made.image == pattern, "the pattern reads back as it was written");
    return made;
  }();
  return before;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Before& before = ProjectBefore();
  const std::string bytes = Bytes(data, size);
  const std::string path = ScratchFolder() + "/input.vrx";
  WriteScratchFile(path, bytes);

  ProjectHeader header = before.header;
  CommandRecordList records = before.records;
  const ProjectFileRead result = ReadProjectFile(path, header, records);
  const bool hasMagic = size >= 4 && std::memcmp(data, "PVLX", 4) == 0;
  if (!hasMagic || size < kProjectFileSize) {
    Require(result == (hasMagic ? ProjectFileRead::Short : ProjectFileRead::NoMagic),
            "a file without the magic or shorter than the format is refused");
    Require(header == before.header && records == before.records,
            "a refused file leaves the records as they were");
    Require(ProjectFileBytes(header, records) == before.image,
            "a refused file leaves the records byte-identical");
    return 0;
  }
  Require(result == ProjectFileRead::Loaded, "a whole file with the magic is loaded");
  std::string expected = bytes.substr(0, kProjectFileSize);
  Require(ProjectFileBytes(header, records) == expected,
          "the records hold the file's first 56,712 bytes");

  ProjHeader = header;
  CmdRecords = records;
  const std::string saved = ScratchFolder() + "/saved.vrx";
  Require(WriteProjectFile(saved), "the loaded project can be saved");
  std::string written;
  Require(platform::ReadFileBytes(saved, written, kProjectFileSize + 1), "the saved file reads");
  expected.replace(4, 4, std::string("\x01\0\0\0", 4));  // saving sets version 1
  Require(written == expected, "saving a loaded file gives the same 56,712 bytes");
  return 0;
}
