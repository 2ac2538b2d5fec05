#pragma once

#include <string>

#include "platform/ui/picture.h"

// The path of a file of the "pictures" folder beside the program.
std::string ProgramPicturePath(const std::string& name);

// A picture of the "pictures" folder beside the program; empty when it is missing.
platform::ui::Picture ProgramPicture(const std::string& name);
