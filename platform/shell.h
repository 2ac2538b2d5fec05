#pragma once

#include <string>

namespace platform {

// Hands a document, web address or mailto: link to the desktop's default handler
// (xdg-open), started directly without a shell so that no character of target is
// interpreted. Both are passed on as they stand: a path in the file system's bytes,
// an address in UTF-8. workingFolder may be empty. The handler runs detached; false only
// when it could not be started at all.
bool ShellOpen(const std::string& target, const std::string& workingFolder);

}  // namespace platform
