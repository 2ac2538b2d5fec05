#include "project/recent_files.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/paths.h"
#include "project/program_state.h"
#include "texts/text_table.h"

namespace {

constexpr int kMenuPathLength = 50;
constexpr TextKey kUnlistedPathText = 619;

RecentFileMenu*& Menu() {
  static RecentFileMenu* menu = nullptr;
  return menu;
}

}  // namespace

void SetRecentFileMenu(RecentFileMenu* menu) {
  Menu() = menu;
}

void AddToRecentFiles(const std::string& sFile) {
  const auto match = std::find(RecentFiles.begin(), RecentFiles.end(), sFile);
  if (match != RecentFiles.end()) {
    match->clear();
    std::stable_partition(RecentFiles.begin(), RecentFiles.end(),
                          [](const std::string& entry) { return !entry.empty(); });
  }
  std::shift_right(RecentFiles.begin(), RecentFiles.end(), 1);
  RecentFiles[0] = sFile;
  RefreshRecentFileMenu();
}

void AddPathToRecentFiles(const std::string& path) {
  if (platform::PathFitsText(path)) {
    AddToRecentFiles(platform::PathToText(path));
    return;
  }
  if (!UnlistedPathTold) {
    UnlistedPathTold = true;
    platform::MsgBox(LangText[kUnlistedPathText] + "\r\n" + platform::PathToText(path),
                     platform::mb::Exclamation | platform::mb::SetForeground, AppTitle);
  }
}

std::string ShortenPath(const std::string& sPath, int MaxLen) {
  if (sPath.size() <= static_cast<std::size_t>(std::max(MaxLen, 0))) {
    return sPath;
  }
  const std::size_t tailLength = static_cast<std::size_t>(std::max(MaxLen - 6, 0));
  const std::string head = sPath.substr(0, 3) + "...";
  const std::size_t searchFrom = sPath.size() - std::min(tailLength, sPath.size());
  // The search starts at position Len - n counted from 1, one before the tail proper.
  const std::size_t slash = sPath.find('/', searchFrom == 0 ? 0 : searchFrom - 1);
  if (slash != std::string::npos) {
    return head + sPath.substr(slash);
  }
  return head + sPath.substr(searchFrom);
}

void RefreshRecentFileMenu() {
  RecentFileMenu* menu = Menu();
  if (menu == nullptr) {
    return;
  }
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (i != 0) {
      menu->SetItemVisible(i, false);
    }
    menu->SetItemCaption(i, "");
  }
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::string& entry = RecentFiles[static_cast<std::size_t>(i)];
    if (!entry.empty() && FileExists(platform::TextToPath(entry))) {
      menu->SetItemVisible(i, true);
      menu->SetItemCaption(i, ShortenPath(entry, kMenuPathLength));
    }
  }
}
