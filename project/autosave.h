#pragma once

#include <string>

// The folder of the autosave copies, beside the program.
std::string AutosaveFolder();

// The path of the autosave copy named sName.
std::string AutosaveFile(const std::string& sName);

// Writes the project as sName + ".vrx" into the autosave folder (made when missing),
// replacing a copy of that name even when it is read-only. False when the copy could
// not be written, with errno telling why; an older copy of the name then stays as it was.
bool WriteAutosave(const std::string& sName);
