#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/frm_wizard.h"
#include "texts/language_file.h"

// Fields 2 to 6 of the language file's first line name languages 1 to 5.
void frmWizard::SetLanguageMenu() {
  std::optional<std::string> header;
  ReadLanguageFile([&](std::string_view line) {
    if (!header) {
      header = std::string(line);
    }
  });
  for (int i = 0; i <= 4; ++i) {
    mnuLanguageList[i].SetCaption(header ? GetLangField(*header, i + 2) : "Default");
  }
}
