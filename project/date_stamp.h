#pragma once

#include <string>

// The current local date and time as 14 digits, yyyymmddhhmmss.
std::string GetDateStamp();

// A stamp as "hh:mm:ss dd.mm.yyyy"; missing characters give empty pieces.
std::string FormatDateStamp(const std::string& sStamp);
