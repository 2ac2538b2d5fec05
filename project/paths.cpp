#include "project/paths.h"

#include "platform/files.h"

bool FileExists(const std::string& sPath) {
  return platform::FileExists(sPath);
}

std::string PathJoin(const std::string& sPath, const std::string& sFile) {
  if (!sPath.empty() && sPath.back() == '/') {
    return sPath + sFile;
  }
  return sPath + "/" + sFile;
}
