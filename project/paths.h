#pragma once

#include <string>

// True when sPath names an existing regular, not hidden file.
bool FileExists(const std::string& sPath);

// sPath and sFile joined with one "/" (none added when sPath already ends with one).
std::string PathJoin(const std::string& sPath, const std::string& sFile);
