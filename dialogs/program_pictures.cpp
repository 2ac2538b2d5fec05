#include "dialogs/program_pictures.h"

#include "platform/files.h"
#include "project/paths.h"

platform::ui::Picture ProgramPicture(const std::string& name) {
  return platform::ui::Picture::FromFile(
      PathJoin(PathJoin(platform::ProgramFolder(), "pictures"), name));
}
