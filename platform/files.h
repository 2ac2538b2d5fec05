#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Paths are the file system's own bytes, whatever the folders are named. Only where a
// path is stored or shown as text does it become Windows-1252.

// The path as text; a character that Windows-1252 lacks shows as "?", so the text
// names another file and is never opened.
std::string PathToText(const std::string& path);

// The path that a text names.
std::string TextToPath(const std::string& text);

// True when PathToText keeps every character of the path.
bool PathFitsText(const std::string& path);

// The system's reason for an errno value, as text.
std::string ErrorText(int error);

// The folder of the running executable, without a trailing "/".
std::string ProgramFolder();

// Points ProgramFolder() elsewhere (tests); an empty path restores the default.
void SetProgramFolder(const std::string& folder);

// True for an existing regular file whose name does not begin with "."; folders,
// hidden files and paths that cannot be tested count as absent.
bool FileExists(const std::string& path);

bool FolderExists(const std::string& path);

bool MakeFolder(const std::string& path);

// Makes the file writable for its owner again (the read-only attribute cleared).
bool SetNormalAttributes(const std::string& path);

bool RemoveFile(const std::string& path);

// Reads at most maxBytes bytes of a regular file from offset 0; false when the file
// cannot be read or is no regular file (a named pipe, a device, a folder), with errno
// telling why (EISDIR, EINVAL for the other kinds). A read that fails part-way gives
// no bytes. Never waits.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes);

// Writes bytes as the whole new content of path. The bytes go to a temporary file
// beside it that replaces the old file only once it is complete, so a failed write
// leaves the old file as it was. A read-only target is not replaced. On failure errno
// tells why.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

}  // namespace platform
