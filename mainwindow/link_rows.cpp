#include "mainwindow/link_rows.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/hex_text.h"

namespace ui = platform::ui;

namespace {

constexpr int kFirstPrintable = 32;
constexpr std::string_view kHexBoxKeys = "0123456789ABCDEF ";

constexpr platform::OleColor kNoCommandColor = 0xE0FFFF;
constexpr platform::OleColor kStatusQueryColor = 0xFFE0FF;
constexpr platform::OleColor kEntryColor = 0xFFFFFF;

}  // namespace

int RecordOfRow(const LinkRows& rows, int row) {
  return rows.scroll.Value() * kRowsPerPage + row;
}

void ShowEntry(const LinkRows& rows, int row) {
  const CommandRecord& record = CmdRecords[RecordOfRow(rows, row)];
  const std::string command = (record.*rows.commandField).Left(record.*rows.lengthField);
  rows.number[row].SetCaption(std::to_string(RecordOfRow(rows, row) + 1));
  rows.name[row].SetText((record.*rows.nameField).Read());
  ui::TextBox& hex = rows.hex[row];
  hex.SetText(FormatHex(command, false));
  const std::string digits = FormatHex(hex.Text(), true);
  rows.shown[row].Show(digits, digits != command);
  // The same HEX text runs no change handling: the ASCII box is made true here too.
  ShowHexAsAscii(rows, row);
  // A command longer than the box shows from its first byte.
  hex.SetSelStart(0);
  rows.ascii[row].SetSelStart(0);
}

bool EntryEdited(const LinkRows& rows, int row) {
  const CommandRecord& record = CmdRecords[RecordOfRow(rows, row)];
  const std::string digits = FormatHex(rows.hex[row].Text(), true);
  ShownCommand& shown = rows.shown[row];
  shown.Note(digits);
  return TrimBlanks(rows.name[row].Text()) != (record.*rows.nameField).Read() ||
         (!shown.Kept() && digits != (record.*rows.commandField).Left(record.*rows.lengthField));
}

void StoreEntry(const LinkRows& rows, int row) {
  CommandRecord& record = CmdRecords[RecordOfRow(rows, row)];
  const std::string digits = FormatHex(rows.hex[row].Text(), true);
  ShownCommand& shown = rows.shown[row];
  shown.Note(digits);
  if (!shown.Kept()) {
    (record.*rows.commandField).Set(digits);
    record.*rows.lengthField = static_cast<std::int16_t>(digits.size());
  }
  (record.*rows.nameField).Set(TrimBlanks(rows.name[row].Text()));
}

void AddLinkItem(ui::ComboBox& combo, const std::string& text, int data) {
  combo.AddItem(text);
  combo.SetItemData(combo.NewIndex(), data);
}

void AddEntryItem(ui::ComboBox& combo, int entry, const CommandName& name) {
  char number[8];
  std::snprintf(number, sizeof number, "%02d", entry);
  AddLinkItem(combo, std::string(number) + " - " + name.Read(), entry);
}

int QueryComboIndex(std::uint8_t link) {
  if (link == kLinkNone) {
    return 0;
  }
  return link == kLinkStatusQuery ? 1 : link + 1;
}

platform::OleColor QueryComboColor(int listIndex) {
  if (listIndex == 0) {
    return kNoCommandColor;
  }
  return listIndex == 1 ? kStatusQueryColor : kEntryColor;
}

platform::OleColor EntryComboColor(int listIndex) {
  return listIndex == 0 ? kNoCommandColor : kEntryColor;
}

bool SelectedLink(const ui::ComboBox& combo, std::uint8_t& link) {
  if (combo.ListIndex() < 0) {
    return false;
  }
  link = static_cast<std::uint8_t>(combo.ItemData(combo.ListIndex()));
  return true;
}

void ReplaceText(ui::TextBox& box, const std::string& text) {
  if (box.Text() != text) {
    box.SetText(text);
  }
}

void MoveOnEnter(int KeyAscii, ui::TextBox& next) {
  if (KeyAscii == ui::vb::KeyReturn) {
    next.SetFocus();
  }
}

void HexBoxKeyPress(const LinkRows& rows, int row, int& KeyAscii) {
  if (KeyAscii == ui::vb::KeyReturn) {
    if (row < kRowsPerPage - 1) {
      rows.name[row + 1].SetFocus();
    } else {
      const int page = rows.scroll.Value();
      rows.scroll.SetValue(page == kLastListPage ? 0 : page + 1);
      rows.name[0].SetFocus();
    }
    KeyAscii = 0;
    return;
  }
  // Control codes are the box's own commands (Tab, copy, paste, undo); what they bring
  // in is filtered by the change handling.
  if (KeyAscii < kFirstPrintable) {
    return;
  }
  const bool letter = KeyAscii >= 'a' && KeyAscii <= 'z';
  const char upper = static_cast<char>(letter ? KeyAscii - ('a' - 'A') : KeyAscii);
  if (KeyAscii > 127 || kHexBoxKeys.find(upper) == std::string_view::npos) {
    KeyAscii = 0;
  }
}

void FilterHexBox(ui::TextBox& hex) {
  const int caret = hex.SelStart();
  ReplaceText(hex, FilterHexDigits(hex.Text(), false));
  hex.SetSelStart(caret);
}

void ShowHexAsAscii(const LinkRows& rows, int row) {
  ui::TextBox& ascii = rows.ascii[row];
  // Text that is no hex leaves the ASCII box as it was.
  if (const std::optional<std::string> text = HexToAscii(rows.hex[row].Text(), true)) {
    ReplaceText(ascii, *text);
  }
  rows.shown[row].ShowAscii(ascii.Text());
}

void ReformatHexBox(ui::TextBox& hex) {
  ReplaceText(hex, FormatHex(hex.Text(), false));
}

void MarkByteInAscii(const ui::TextBox& hex, ui::TextBox& ascii) {
  const int length = hex.SelLength();
  if (length != 2 && length != 3) {
    return;
  }
  const auto character = static_cast<int>(std::lround(hex.SelStart() / 3.0));
  ascii.SetFocus();
  ascii.SetSelStart(character);
  ascii.SetSelLength(1);
}

// Converting a text left as it was would turn every byte 00 into 7C and an odd last
// digit into a pair, without the user changing anything.
bool AsciiBoxEdited(const LinkRows& rows, int row) {
  const ui::TextBox& ascii = rows.ascii[row];
  ShownCommand& shown = rows.shown[row];
  if (!shown.AsciiEdited(ascii.Text())) {
    return false;
  }
  ReplaceText(rows.hex[row], AsciiToHex(ascii.Text(), false));
  shown.ShowAscii(ascii.Text());
  return true;
}

void WarnOfBars(const ui::TextBox& ascii, TextKey warning) {
  if (ascii.Text().find('|') != std::string::npos) {
    platform::MsgBox(LangText[warning], platform::mb::Exclamation | platform::mb::SetForeground,
                     "Hex 00/7C");
  }
}

void ShowPageArrows(const LinkRows& rows) {
  const int page = rows.scroll.Value();
  rows.upDown[0].SetVisible(page != 0);
  rows.upDown[1].SetVisible(page != kLastListPage);
  rows.upDown[0].Refresh();
  rows.upDown[1].Refresh();
}

void PageBy(ui::VScrollBar& scroll, int Index) {
  scroll.SetValue(scroll.Value() + (Index == 0 ? -1 : 1));
}
