#include "project/autosave.h"

#include "platform/files.h"
#include "project/paths.h"
#include "project/project_file.h"

std::string AutosaveFolder() {
  return PathJoin(platform::ProgramFolder(), "Autosave/");
}

bool WriteAutosave(const std::string& sName) {
  const std::string folder = AutosaveFolder();
  if (!platform::FolderExists(folder)) {
    platform::MakeFolder(folder);
  }
  const std::string file = PathJoin(folder, sName + ".vrx");
  if (FileExists(file)) {
    // A read-only copy is made writable so that it can be replaced.
    platform::SetNormalAttributes(file);
  }
  return WriteProjectFile(file);
}
