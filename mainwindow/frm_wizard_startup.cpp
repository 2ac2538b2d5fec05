#include <charconv>
#include <cstdint>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "project/stored_settings.h"
#include "project/version.h"
#include "texts/form_texts.h"
#include "texts/language_file.h"
#include "texts/text_table.h"

namespace {

constexpr int kDefaultLanguageID = 2;
constexpr const char* kCrLf = "\r\n";

// The stored language number. A value that is no whole number within 16 bits (only
// 1 to 5 are ever stored) counts as missing and gives the default.
int StoredLanguageID() {
  std::string stored =
      platform::GetSetting("Appname", "Language", "ID", std::to_string(kDefaultLanguageID));
  const auto first = stored.find_first_not_of(' ');
  if (first == std::string::npos) {
    return kDefaultLanguageID;
  }
  stored = stored.substr(first, stored.find_last_not_of(' ') - first + 1);
  int value = 0;
  const char* end = stored.data() + stored.size();
  const auto [stop, error] = std::from_chars(stored.data(), end, value);
  if (error != std::errc() || stop != end || value < INT16_MIN || value > INT16_MAX) {
    return kDefaultLanguageID;
  }
  return value;
}

std::string RecentFileKey(int i) {
  return std::to_string(i);
}

// Both sides below the minimum; a screen that reaches one of them passes.
bool ScreenTooSmall() {
  const ui::ScreenSize screen = ui::GetScreenSize();
  return screen.width < 1024 && screen.height < 768;
}

void FillList(ui::ComboBox& list, std::initializer_list<const char*> items, int selected) {
  for (const char* item : items) {
    list.AddItem(item);
  }
  list.SetListIndex(selected);
}

}  // namespace

void frmWizard::Form_Load() {
  SetCaption(AppTitle);
  SetLanguageMenu();
  LanguageID = StoredLanguageID();
  if (LanguageID != 0) {
    LoadLanguage(LanguageID);
  }
  SetFormTexts(*this, LanguageID == 0);
  lblVersionInfo.SetCaption("Version " + ProgramVersionText());
  for (int i = 0; i < kRecentFileCount; ++i) {
    RecentFiles[i] = platform::GetSetting(AppTitle, "RecentFileList", RecentFileKey(i), "");
  }
  DrawStartPageLogos();
  RefreshRecentFileMenu();
  SetHandCursors();

  if (ScreenTooSmall() &&
      platform::MsgBox(LangText[581],
                       platform::mb::YesNo | platform::mb::Question | platform::mb::SetForeground,
                       AppTitle) == platform::MsgResult::Yes) {
    ui::EndProgram();
    return;
  }

  IsLoading = true;
  FillComPortList(Combo1);
  FillParameterLists();
  IsLoading = false;

  const char* listNames[] = {"Rx-COM1", "Tx-COM1", "Tx-COM2", "Rx-COM2"};
  for (int i = 0; i <= 3; ++i) {
    lblListCmdInfo[i].SetCaption(std::string(listNames[i]) + kCrLf + LangText[582 + i]);
  }
  SetRowInputLimits();
}

void frmWizard::FillParameterLists() {
  FillList(Combo2, {"9600", "19200"}, 0);
  for (ui::ComboBox* baud : {&Combo3, &Combo5}) {
    FillList(*baud, {"4800", "9600", "19200", "38400", "57600"}, 1);
  }
  for (ui::ComboBox* parity : {&Combo4, &Combo6}) {
    FillList(*parity, {"None", "Odd", "Even", "Mark", "Space"}, 0);
  }
}

// 93 characters hold 31 bytes as hex pairs with their blanks.
void frmWizard::SetRowInputLimits() {
  struct Column {
    ui::ControlArray<ui::TextBox>& page2;
    ui::ControlArray<ui::TextBox>& page3;
    int maxLength;
    platform::OleColor textColor;
  };
  const Column columns[] = {
      {txtInfo, txtInfo2, 64, 0x8000},          // dark green
      {txtUserASC, txtUserASC2, 31, 0x800000},  // dark blue
      {txtUserHEX, txtUserHEX2, 93, 0x80},      // dark red
  };
  for (int r = 0; r <= 3; ++r) {
    for (const Column& column : columns) {
      for (ui::TextBox* box : {&column.page2[r], &column.page3[r]}) {
        box->SetMaxLength(column.maxLength);
        box->SetFontSize(8);
        box->SetBackColor(platform::RGB(255, 255, 255));
        box->SetForeColor(column.textColor);
      }
    }
  }
}

void frmWizard::Form_Unload(int& Cancel) {
  // A store that cannot be written must not keep the program from ending.
  for (int i = 0; i < kRecentFileCount; ++i) {
    SaveSettingOrTell(AppTitle, "RecentFileList", RecentFileKey(i), RecentFiles[i]);
  }
  if (platform::MsgBox(LangText[586],
                       platform::mb::YesNo | platform::mb::Question | platform::mb::SetForeground,
                       AppTitle) != platform::MsgResult::Yes) {
    Cancel = 1;
    return;
  }
  // Also when the request came while a device flow lets window messages be handled:
  // the flow must not go on talking to the module behind a hidden window.
  ui::EndProgram();
}
