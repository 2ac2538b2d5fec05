#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/colors.h"
#include "platform/ui/ui.h"
#include "project/records.h"
#include "project/shown_command.h"
#include "texts/text_table.h"

// What the rows of both link pages share: the entry boxes with their HEX and ASCII
// rules, the link combos' items and colours, and the paging.

// Link values of the records.
inline constexpr int kLinkNone = 0;
inline constexpr int kLinkStatusQuery = 255;

inline constexpr int kRowsPerPage = 4;
inline constexpr int kLastListPage = 7;

// The entry boxes of one link page and its paging controls.
struct LinkRows {
  platform::ui::ControlArray<platform::ui::Label>& number;
  platform::ui::ControlArray<platform::ui::TextBox>& name;
  platform::ui::ControlArray<platform::ui::TextBox>& ascii;
  platform::ui::ControlArray<platform::ui::TextBox>& hex;
  platform::ui::VScrollBar& scroll;
  platform::ui::ControlArray<platform::ui::Image>& upDown;
  std::array<ShownCommand, kRowsPerPage>& shown;
  // The page's list in the records.
  CommandText CommandRecord::*commandField;
  std::int16_t CommandRecord::*lengthField;
  CommandName CommandRecord::*nameField;
};

// The record shown in a row of the current page.
int RecordOfRow(const LinkRows& rows, int row);

// Number, name and HEX box of a row from its record; the HEX box's change handler
// fills the ASCII box.
void ShowEntry(const LinkRows& rows, int row);
// Whether the row's name or command differ from its record's: an edit that brings back
// the stored text, or only tidies the blanks of the HEX box, is no change.
bool EntryEdited(const LinkRows& rows, int row);
// The row's command (compact digits and their count) and name into its record. A
// command the HEX box cannot show as it stands stays whole until its digits in the box
// change.
void StoreEntry(const LinkRows& rows, int row);

// Link combos. An entry item is "01 - " and the entry's trimmed name; its item data is
// the link value.
void AddLinkItem(platform::ui::ComboBox& combo, const std::string& text, int data);
void AddEntryItem(platform::ui::ComboBox& combo, int entry, const CommandName& name);
// List index of a link value in a combo whose item 1 is the status query.
int QueryComboIndex(std::uint8_t link);
// Back colours by list index: no command light yellow, status query (where item 1 is
// the query) light pink, anything else white.
platform::OleColor QueryComboColor(int listIndex);
platform::OleColor EntryComboColor(int listIndex);
// The link value of the selected item; false when nothing is selected.
bool SelectedLink(const platform::ui::ComboBox& combo, std::uint8_t& link);

// A text set only when it differs, so that the caret of a box being typed in stays.
void ReplaceText(platform::ui::TextBox& box, const std::string& text);

// Name and ASCII box key press: Enter moves on to the next box of the row.
void MoveOnEnter(int KeyAscii, platform::ui::TextBox& next);
// HEX box key press: Enter moves to the next row's name box (from the last row, to the
// next page, the last page wrapping to the first); of the printable characters only
// hex digits and the blank are let through.
void HexBoxKeyPress(const LinkRows& rows, int row, int& KeyAscii);
// HEX box change: only hex digits and blanks, upper case, the caret kept.
void FilterHexBox(platform::ui::TextBox& hex);
// HEX box change: the ASCII box shows the bytes, 00 as "|".
void ShowHexAsAscii(const LinkRows& rows, int row);
// HEX box leave: shown pairs with single blanks.
void ReformatHexBox(platform::ui::TextBox& hex);
// HEX box double-click on one pair: the ASCII box selects that byte's character.
void MarkByteInAscii(const platform::ui::TextBox& hex, platform::ui::TextBox& ascii);
// ASCII box edited: a text that differs from what the box was given rewrites the HEX
// box; true when it did. A paste of the same text converts nothing.
bool AsciiBoxEdited(const LinkRows& rows, int row);
// After a conversion: a "|" in the ASCII text (a byte 00 that came back as 7C) brings
// the warning.
void WarnOfBars(const platform::ui::TextBox& ascii, TextKey warning);

// Scroll change: no up arrow on the first page, no down arrow on the last.
void ShowPageArrows(const LinkRows& rows);
// Arrow click: one page up (0) or down (1); the scroll bar refuses a page beyond the ends.
void PageBy(platform::ui::VScrollBar& scroll, int Index);
