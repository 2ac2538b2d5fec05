#include "project/autosave.h"

#include <cerrno>

#include "platform/files.h"
#include "project/paths.h"
#include "project/project_file.h"

std::string AutosaveFolder() {
  return PathJoin(platform::ProgramFolder(), "Autosave/");
}

std::string AutosaveFile(const std::string& sName) {
  return PathJoin(AutosaveFolder(), sName + ".vrx");
}

bool WriteAutosave(const std::string& sName) {
  const std::string folder = AutosaveFolder();
  if (!platform::FolderExists(folder) && !platform::MakeFolder(folder)) {
    // The name is taken by something that is no folder.
    if (errno == EEXIST) {
      errno = ENOTDIR;
    }
    return false;
  }
  const std::string file = AutosaveFile(sName);
  if (FileExists(file)) {
    // A read-only copy is made writable so that it can be replaced.
    platform::SetNormalAttributes(file);
  }
  return WriteProjectFile(file);
}
