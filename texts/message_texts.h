#pragma once

#include <span>
#include <string_view>

#include "texts/text_table.h"

// A built-in German message text (UTF-8; CR LF where the message breaks a line).
struct MessageText {
  TextKey key;
  std::string_view german;
};

// Every message key the program reads, in ascending key order.
std::span<const MessageText> MessageTable();

// With built-in texts, writes the German message texts into LangText (as
// Windows-1252); otherwise leaves the table as the language file filled it.
void SetMessageTexts(bool useBuiltInTexts);
