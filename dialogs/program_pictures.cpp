#include "dialogs/program_pictures.h"

#include "platform/files.h"
#include "project/paths.h"

std::string ProgramPicturePath(const std::string& name) {
  return PathJoin(PathJoin(platform::ProgramFolder(), "pictures"), name);
}

platform::ui::Picture ProgramPicture(const std::string& name) {
  return platform::ui::Picture::FromFile(ProgramPicturePath(name));
}
