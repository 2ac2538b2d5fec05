#pragma once

#include <span>
#include <string_view>

#include "platform/form_texts.h"
#include "texts/text_table.h"

// Index of a control that is not part of a control array.
inline constexpr int kNoIndex = -1;

// One control text of a window: where it goes, its key and its built-in German text
// (UTF-8).
struct CaptionText {
  std::string_view form;
  std::string_view control;
  int index;
  TextKey key;
  std::string_view german;
  platform::TextProperty property = platform::TextProperty::Caption;
  // The German text holds "[CRLF]" markers that become line breaks.
  bool replaceCrlf = false;
};

// Every control text of every window, by window and in ascending key order.
std::span<const CaptionText> CaptionTable();
