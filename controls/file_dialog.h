#pragma once

#include <string>

#include "platform/strip_null.h"

namespace platform::ui {
class Form;
}

// The open (bSave false) or save dialog for one file, owned by frm. sFilter holds
// label and pattern pairs, each item ended by a NUL; the first pair is preselected.
// Returns the chosen path, or "" when the user cancels or picks a name with a character
// outside Windows-1252, which the program cannot keep (the user is told).
std::string ShowFileDialog(platform::ui::Form& frm, bool bSave, std::string sTitle,
                           std::string sFilter, std::string sDefExt, const std::string& sFile);
