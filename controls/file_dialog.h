#pragma once

#include <string>

namespace platform::ui {
class Form;
}

// s cut before its first NUL; s itself when it holds none.
std::string StripNull(const std::string& s);

// The open (bSave false) or save dialog for one file, owned by frm. sFilter holds
// label and pattern pairs, each item ended by a NUL; the first pair is preselected.
// Returns the chosen path, or "" when the user cancels.
std::string ShowFileDialog(platform::ui::Form& frm, bool bSave, std::string sTitle,
                           std::string sFilter, std::string sDefExt, const std::string& sFile);
