#include <string>
#include <vector>

#include "mainwindow/frm_wizard.h"
#include "texts/language_file.h"

// Fields 2 to 6 of the language file's first line name languages 1 to 5.
void frmWizard::SetLanguageMenu() {
  std::vector<std::string> lines;
  const bool readable = ReadLanguageFile(lines) && !lines.empty();
  for (int i = 0; i <= 4; ++i) {
    mnuLanguageList[i].SetCaption(readable ? GetLangField(lines.front(), i + 2) : "Default");
  }
}
