// The three boxes of a row: hex pairs, ASCII text and description, kept consistent
// while the user edits them, and the row stored into the list at every edit.
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "dialogs/frm_list.h"
#include "dialogs/list_fields.h"
#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/hex_text.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

namespace ui = platform::ui;

namespace {

// Setting a line's text moves its caret to the end even when the text stays the same.
void SetChangedText(ui::TextBox& box, const std::string& text) {
  if (box.Text() != text) {
    box.SetText(text);
  }
}

}  // namespace

// Whatever set the text, the ASCII box follows; only the user's edit stores the row.
void frmList::txtUserHEX_Change(int Index) {
  ui::TextBox& hex = txtUserHEX[Index];
  const std::string filtered = FilterHexDigits(hex.Text(), false);
  if (filtered != hex.Text()) {
    const int caret = hex.SelStart();
    hex.SetText(filtered);  // runs this handler once more with the filtered text
    hex.SetSelStart(caret);
    return;
  }
  ShowAsciiOfRow(Index);
}

// Tidying the blanks is no new command: the description follows only new digits.
void frmList::txtUserHEX_Edited(int Index) {
  if (shown_[Index].Note(FormatHex(txtUserHEX[Index].Text(), true))) {
    DescriptionFollowsAscii(Index);
  }
  StoreRow(Index);
}

// The Enter that moved the focus here from the ASCII box tidies the pairs.
void frmList::txtUserHEX_KeyUp(int Index, int& KeyCode, int) {
  if (KeyCode == ui::vb::KeyReturn) {
    txtUserHEX_LostFocus(Index);
  }
}

void frmList::ShowAsciiOfRow(int Row) {
  ui::TextBox& ascii = txtUserASC[Row];
  // A piece that is not hexadecimal leaves the ASCII box as it was.
  if (const std::optional<std::string> text = HexToAscii(txtUserHEX[Row].Text(), true)) {
    SetChangedText(ascii, *text);
  }
  shown_[Row].ShowAscii(ascii.Text());
}

void frmList::DescriptionFollowsAscii(int Row) {
  if (chkDesc.Value() == ui::vb::Checked) {
    SetChangedText(txtInfo[Row], RemoveControlChars(txtUserASC[Row].Text()));
  }
}

void frmList::txtUserHEX_LostFocus(int Index) {
  SetChangedText(txtUserHEX[Index], FormatHex(txtUserHEX[Index].Text(), false));
}

// Enter goes on to the next row's description, from the last row to the next page
// and from the last page to the first. Control codes pass: they are the box's own
// commands (paste, undo), and what they bring in is filtered by the change handling.
void frmList::txtUserHEX_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii == ui::vb::KeyReturn) {
    if (Index < 7) {
      txtInfo[Index + 1].SetFocus();
    } else {
      VScroll1.SetValue(Page() == 3 ? 0 : Page() + 1);
      txtInfo[0].SetFocus();
    }
    KeyAscii = 0;
    return;
  }
  const int upper = KeyAscii >= 'a' && KeyAscii <= 'z' ? KeyAscii - 32 : KeyAscii;
  if (KeyAscii >= 32 && (upper > 127 || std::strchr("0123456789ABCDEF ", upper) == nullptr)) {
    KeyAscii = 0;
  }
}

// A double click on a pair marks its character in the ASCII box.
void frmList::txtUserHEX_DblClick(int Index) {
  const ui::TextBox& hex = txtUserHEX[Index];
  if (hex.SelLength() != 2 && hex.SelLength() != 3) {
    return;
  }
  ui::TextBox& ascii = txtUserASC[Index];
  ascii.SetSelStart(static_cast<int>(std::lround(hex.SelStart() / 3.0)));
  ascii.SetSelLength(1);
  ascii.SetFocus();
}

// Only a text that differs from what the box was given converts: a paste of the same
// text would otherwise turn every byte 00 into 7C and rename the row.
void frmList::txtUserASC_Edited(int Index) {
  const ui::TextBox& ascii = txtUserASC[Index];
  if (!shown_[Index].AsciiEdited(ascii.Text())) {
    return;
  }
  SetChangedText(txtUserHEX[Index], AsciiToHex(ascii.Text(), false));
  shown_[Index].ShowAscii(ascii.Text());
  txtUserHEX_Edited(Index);
  if (ascii.Text().find('|') != std::string::npos) {
    platform::MsgBox(LangText[515]);
  }
}

void frmList::txtUserASC_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii == ui::vb::KeyReturn) {
    txtUserHEX[Index].SetFocus();
  }
}

void frmList::txtInfo_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii == ui::vb::KeyReturn) {
    txtUserASC[Index].SetFocus();
  }
}

void frmList::txtInfo_Edited(int Index) {
  StoreRow(Index);
}

// The Tx-COM1 list is stored into the back-answer list as well, a command kept as
// stored included. A page being shown stores no name it merely shows, and an edit that
// leaves every field as it was stores nothing.
void frmList::StoreRow(int Row) {
  if (Row < 0 || Row > 7) {
    return;
  }
  CommandRecord& record = CmdRecords[8 * Page() + Row];
  const std::optional<ListFields> fields = FieldsOf(record, ListKind);
  if (!fields) {
    return;
  }
  const std::string cmd = FormatHex(txtUserHEX[Row].Text(), true);
  const std::string info(TrimBlanks(txtInfo[Row].Text()));
  const bool withCommand = !shown_[Row].Kept();
  const NameStore nameStore = showingPage_ ? NameStore::ValueChanged : NameStore::Padded;
  const std::optional<ListFields> back =
      ListKind == 3 ? FieldsOf(record, 2) : std::optional<ListFields>{};
  const bool backDiffers =
      back && (FieldsDiffer(*back, info, cmd, withCommand) ||
               (!withCommand && (*back->Len != *fields->Len || *back->Cmd != *fields->Cmd)));
  if (!backDiffers && !FieldsDiffer(*fields, info, cmd, withCommand)) {
    return;
  }
  if (back) {
    StoreFields(*back, info, cmd, withCommand, nameStore);
    if (!withCommand) {
      *back->Len = *fields->Len;
      *back->Cmd = *fields->Cmd;
    }
  }
  StoreFields(*fields, info, cmd, withCommand, nameStore);
}
