#pragma once

#include <string>

// The main window's five recent-file menu items; the window implements it.
class RecentFileMenu {
 public:
  virtual ~RecentFileMenu() = default;
  virtual void SetItemVisible(int index, bool visible) = 0;
  virtual void SetItemCaption(int index, const std::string& caption) = 0;
};

// The menu that RefreshRecentFileMenu fills; nullptr for none.
void SetRecentFileMenu(RecentFileMenu* menu);

// Puts sFile at the top of RecentFiles (taken out of its old place, the oldest entry
// dropped) and refreshes the menu.
void AddToRecentFiles(const std::string& sFile);

// Puts the file at path (the file system's bytes) at the top of RecentFiles as text. A
// path that Windows-1252 cannot hold is left out, and told once per run.
void AddPathToRecentFiles(const std::string& path);

// A path cut to about MaxLen characters for a menu: its first three characters, "..."
// and its tail, starting at a "/" where one lies in the tail.
std::string ShortenPath(const std::string& sPath, int MaxLen);

// Shows the entries of RecentFiles whose files exist, hides the others (item 0 is
// never hidden, only left without caption).
void RefreshRecentFileMenu();
