#pragma once

#include <string>

#include "platform/ui/picture.h"

// A picture of the "pictures" folder beside the program; empty when it is missing.
platform::ui::Picture ProgramPicture(const std::string& name);
