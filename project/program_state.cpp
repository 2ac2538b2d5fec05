#include "project/program_state.h"

bool InfoShown = false;
bool UnlistedPathTold = false;
bool SettingFailureTold = false;
std::string AscCodeResult;
std::int16_t FilterStartCell = 0;
std::int16_t ListRecordNo = 0;
std::int16_t ListKind = 0;
std::int16_t FilterSide = 0;
TimeStamp ModuleStampCom1;
TimeStamp ModuleStampCom2;
std::array<std::string, kRecentFileCount> RecentFiles;
