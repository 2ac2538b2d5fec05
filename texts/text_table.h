#pragma once

#include <array>
#include <string>

// The number of a user-visible text: an index into LangText.
using TextKey = int;

inline constexpr int kTextCount = 801;

// Every caption and message by key 0..800, Windows-1252.
extern std::array<std::string, kTextCount> LangText;

// 0 = built-in German texts, 1..5 = a column of the language file.
extern int LanguageID;

// Program title: window caption, title of most message boxes, settings application.
inline const std::string AppTitle = "VELDRAN Pelvaron (Tramelon)";

// Copies of texts 660, 661 and 680, remade whenever a window receives its texts.
extern std::string gsConnectHintCom1;
extern std::string gsConnectHintCom2;
extern std::string gsErrorCauses;
