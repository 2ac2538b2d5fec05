#pragma once

#include <cstddef>
#include <string>

#include "project/records.h"

// The project file (".vrx"): the header followed by the 32 records, field by field,
// little-endian, one byte per text character, no padding.
inline constexpr std::size_t kHeaderFileSize = 2344;
inline constexpr std::size_t kRecordFileSize = 1699;
inline constexpr std::size_t kProjectFileSize = kHeaderFileSize + kRecordCount * kRecordFileSize;

enum class ProjectFileRead {
  Loaded,
  Unreadable,  // missing, or it cannot be read; errno tells why
  NoMagic,     // its first four bytes are not "PVLX"
  Short,       // it begins with the magic but ends before the last record does
};

// The file image of a project.
std::string ProjectFileBytes(const ProjectHeader& header, const CommandRecordList& records);

// Reads a project file into header and records. Only a file that begins with the magic
// and holds the whole format is taken; anything else leaves both exactly as they were.
// Bytes past the format's size are never read.
ProjectFileRead ReadProjectFile(const std::string& path, ProjectHeader& header,
                                CommandRecordList& records);

// The same into ProjHeader and CmdRecords.
ProjectFileRead ReadProjectFile(const std::string& path);

// Sets Magic and Version of ProjHeader and writes the project to path. The old file
// stays in place unless the new one was written whole; false then, with errno telling why.
bool WriteProjectFile(const std::string& path);
