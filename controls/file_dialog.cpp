#include "controls/file_dialog.h"

#include <vector>

#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/ui/dialogs.h"
#include "texts/text_table.h"

namespace {

using namespace std::string_literals;

std::vector<std::pair<std::string, std::string>> FilterPairs(const std::string& filter) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start < filter.size()) {
    const std::size_t end = filter.find('\0', start);
    items.push_back(filter.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) {
      break;
    }
    start = end + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    pairs.emplace_back(items[i], items[i + 1]);
  }
  return pairs;
}

// "*.vrx" names the extension "vrx"; "*.*" names none.
std::string ExtensionOf(const std::string& defExt) {
  const std::size_t dot = defExt.rfind('.');
  const std::string extension = dot == std::string::npos ? defExt : defExt.substr(dot + 1);
  return extension == "*" ? std::string() : extension;
}

}  // namespace

std::string ShowFileDialog(platform::ui::Form& frm, bool bSave, std::string sTitle,
                           std::string sFilter, std::string sDefExt, const std::string& sFile) {
  if (sFilter.empty()) {
    sFilter = "Alle Dateien (*.*)\0*.*\0"s;
  }
  if (sDefExt.empty()) {
    sDefExt = "*.*";
  }
  platform::ui::FileDialogRequest request;
  request.owner = &frm;
  request.save = bSave;
  request.filters = FilterPairs(sFilter);
  request.selectedFilter = 0;
  request.initialFile = StripNull(sFile);
  if (bSave) {
    request.title = sTitle + " - Speichern unter";
    request.defaultExtension = ExtensionOf(sDefExt);
    request.confirmOverwrite = true;
    request.pathMustExist = true;
  } else {
    request.title = sTitle +
                    " - \xD6"
                    "ffnen";
    request.fileMustExist = true;
  }
  const platform::ui::FileDialogChoice chosen = platform::ui::ShowFileDialogBox(request);
  platform::DoEvents();
  if (chosen.outsideCodePage) {
    platform::MsgBox(LangText[620], platform::mb::Exclamation | platform::mb::SetForeground,
                     AppTitle);
  }
  return StripNull(chosen.path);
}
