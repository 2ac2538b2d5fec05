#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/records.h"

// Program-wide state shared between the main window and its dialogs.

extern bool InfoShown;             // the connection-instructions window has been shown
extern bool UnlistedPathTold;      // a path the recent-file list cannot hold has been told
extern bool SettingFailureTold;    // a setting that could not be stored has been told
extern std::string AscCodeResult;  // hex digits picked in the ASCII code chart
extern std::int16_t FilterStartCell;

// Selectors the main window sets before it opens a dialog.
extern std::int16_t ListRecordNo;  // entry 0..31
extern std::int16_t ListKind;      // 1 Rx-COM1, 2 back answers, 3 Tx-COM1, 4 Tx-COM2, 5 Rx-COM2
extern std::int16_t FilterSide;    // 0 COM1, 1 COM2

// Time stamp last read from, or sent to, module side A and side B.
extern TimeStamp ModuleStampCom1;
extern TimeStamp ModuleStampCom2;

inline constexpr int kRecentFileCount = 5;

// Recent project-file paths, index 0 the newest; an empty text is a free slot.
extern std::array<std::string, kRecentFileCount> RecentFiles;
