#include <string>

#include "mainwindow/frm_wizard.h"
#include "mainwindow/link_rows.h"
#include "platform/trim_blanks.h"

// The signal-flow pictures above the link pages, labelled for the row under the mouse.
// They read the row's controls, never the records. A caption or a visibility is
// written only when it changes, so moving within one row redraws nothing.

namespace {

constexpr std::size_t kShortNameLimit = 14;
constexpr std::size_t kShortNameKept = 12;
constexpr std::size_t kEntryItemPrefix = 5;  // "01 - " before the name of an entry item
constexpr const char* kNoCommandMark = "?";
constexpr const char* kStatusRegisterBits = "1..32";

std::string ShortName(const std::string& name) {
  const std::string trimmed(TrimBlanks(name));
  if (trimmed.size() <= kShortNameLimit) {
    return trimmed;
  }
  return trimmed.substr(0, kShortNameKept) + "...";
}

// True when the caption was written.
bool SetCaptionIfNew(ui::Label& label, const std::string& caption) {
  if (label.Caption() == caption) {
    return false;
  }
  label.SetCaption(caption);
  return true;
}

void SetShown(ui::Control& control, bool shown) {
  if (control.Visible() != shown) {
    control.SetVisible(shown);
  }
}

// The number label of an entry and, with a new number, its short name.
void ShowEntryLabels(ui::Label& number, ui::Label& name, const std::string& entry,
                     const std::string& entryName) {
  if (SetCaptionIfNew(number, entry)) {
    name.SetCaption(ShortName(entryName));
  }
}

// A link combo's selected entry: its number and the name after the item's prefix. A
// link value without an item (no selection) shows as an unknown entry without name.
void ShowLinkedEntry(ui::Label& number, ui::Label& name, int entry, const ui::ComboBox& combo) {
  const std::string text = combo.Text();
  ShowEntryLabels(number, name, entry >= 1 ? std::to_string(entry) : kNoCommandMark,
                  text.size() > kEntryItemPrefix ? text.substr(kEntryItemPrefix) : "");
}

void ClearLabels(ui::Label& number, ui::Label& name, const std::string& caption) {
  if (SetCaptionIfNew(number, caption)) {
    name.SetCaption("");
  }
}

// A link combo whose item 1 is the status-register query: no command, the query, or
// an entry. Returns the list index.
int ShowQueryLink(ui::Label& number, ui::Label& name, const ui::ComboBox& combo,
                  std::int32_t& hoverEntryNo) {
  const int index = combo.ListIndex();
  if (index == 0) {
    ClearLabels(number, name, "");
  } else if (index == 1) {
    ClearLabels(number, name, kStatusRegisterBits);
  } else {
    hoverEntryNo = index - 1;
    ShowLinkedEntry(number, name, index - 1, combo);
  }
  return index;
}

// The hovered entry n: its number and short name, or "?" when it has no command.
void ShowOwnEntry(ui::Label& number, ui::Label& name, const ui::TextBox& hex,
                  const ui::TextBox& nameBox, int n, std::int32_t& hoverEntryNo) {
  if (TrimBlanks(hex.Text()).empty()) {
    ClearLabels(number, name, kNoCommandMark);
  } else {
    hoverEntryNo = n;
    ShowEntryLabels(number, name, std::to_string(n), nameBox.Text());
  }
}

}  // namespace

void frmWizard::ConnectHoverHandlers() {
  picListgrp.MouseMove = [this](int Index, int Button, int Shift, float X, float Y) {
    picListgrp_MouseMove(Index, Button, Shift, X, Y);
  };
  // The row controls pass their moves on with the row number: r on page 2, r + 4 on
  // page 3. The arrows, combos and buttons of page 2 do not.
  const auto forward = [this](int offset, auto&... arrays) {
    ((arrays.MouseMove =
          [this, offset](int Index, int Button, int Shift, float X, float Y) {
            picListgrp_MouseMove(Index + offset, Button, Shift, X, Y);
          }),
     ...);
  };
  forward(0, lblNumber, txtInfo, txtUserASC, txtUserHEX, lbl1, lbl2, lbl3, lblInfo, lblHEX, lblASC);
  forward(kRowsPerPage, lblNumber2, txtInfo2, txtUserASC2, txtUserHEX2, lbl22, lblInfo2, lblHEX2,
          lblASC2, Arrow1);
}

void frmWizard::picListgrp_MouseMove(int Index, int, int, float, float) {
  if (Index >= 0 && Index < kRowsPerPage) {
    const int r = Index;
    const int n = VScroll1.Value() * kRowsPerPage + r + 1;
    // The incoming command, at both of its places.
    for (const int j : {0, 2}) {
      ShowOwnEntry(lblListNr[j], lblListNrEx[j], txtUserHEX[r], txtInfo[r], n, HoverEntryNo);
    }
    // The command passed on to COM2.
    const int t = cmbTransTo[r].ListIndex();
    if (t == kLinkNone) {
      ClearLabels(lblListNr[1], lblListNrEx[1], "");
      if (!ImgClean1.Visible()) {
        ImgClean1.SetVisible(true);
        lblListNrEx[1].SetVisible(false);
      }
    } else {
      HoverEntryNo = t;
      ShowLinkedEntry(lblListNr[1], lblListNrEx[1], t, cmbTransTo[r]);
      if (ImgClean1.Visible()) {
        ImgClean1.SetVisible(false);
        lblListNrEx[1].SetVisible(true);
      }
    }
    // The back answer on COM1: none, the status register, or an entry.
    const int b = ShowQueryLink(lblListNr[3], lblListNrEx[3], cmbBackAnswer[r], HoverEntryNo);
    SetShown(ImgReg2, b == 1);
    for (ui::Image* noCommand : {&ImgClean2, &ImgClean3, &ImgClean4}) {
      SetShown(*noCommand, b == 0);
    }
  } else if (Index >= kRowsPerPage && Index < 2 * kRowsPerPage) {
    const int r = Index - kRowsPerPage;
    const int n = VScroll2.Value() * kRowsPerPage + r + 1;
    ShowOwnEntry(lblListNr2[1], lblListNr2Ex[1], txtUserHEX2[r], txtInfo2[r], n, HoverEntryNo);
    // The command passed on to COM1, or the status-register query.
    const int t = ShowQueryLink(lblListNr2[0], lblListNr2Ex[0], cmbTransTo2[r], HoverEntryNo);
    SetShown(ImgReg3, t == 1);
    SetShown(ImgClean5, t == 0);
  }
}
