#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/frm_list.h"
#include "dialogs/list_fields.h"
#include "platform/settings.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/common/temp_folder.h"
#include "texts/text_table.h"

namespace ui = platform::ui;
namespace uitest = platform::ui::testing;

// An empty project, German texts and a settings store of the test's own.
class ListEditorTest : public ::testing::Test {
 protected:
  ListEditorTest() {
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    LanguageID = 0;
    CmdRecords = CommandRecordList{};
    ListKind = 1;
    ListRecordNo = 0;
    AscCodeResult.clear();
  }

  // The editor as the main window opens it, left open for the test.
  frmList& Open(int kind, int recordNo = 0) {
    ListKind = static_cast<std::int16_t>(kind);
    ListRecordNo = static_cast<std::int16_t>(recordNo);
    editor = std::make_unique<frmList>();
    editor->Show();
    // Focus moves reach the controls only in the active window.
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor->Window()));
    return *editor;
  }

  static void SetEntry(int record, int kind, const std::string& cmd, const std::string& info) {
    const ListFields fields = *FieldsOf(CmdRecords[record], kind);
    fields.Cmd->Set(cmd);
    *fields.Len = static_cast<std::int16_t>(cmd.size());
    fields.Info->Set(info);
  }

  static std::string Command(int record, int kind) {
    const ListFields fields = *FieldsOf(CmdRecords[record], kind);
    return fields.Cmd->Left(*fields.Len);
  }

  static std::string Name(int record, int kind) {
    return FieldsOf(CmdRecords[record], kind)->Info->Read();
  }

  // The records that differ from before.
  static std::vector<int> ChangedRecords(const CommandRecordList& before) {
    std::vector<int> changed;
    for (int r = 0; r < kRecordCount; ++r) {
      if (!(CmdRecords[r] == before[r])) {
        changed.push_back(r);
      }
    }
    return changed;
  }

  static void StoreAscFill(const char* value) {
    ASSERT_TRUE(platform::SaveSetting(AppTitle, "AscFill", "On", value));
  }

  // Clicks into the box, as the user does before typing at the end of its text.
  static void Type(ui::TextBox& box, const std::string& text) {
    box.SetFocus();
    uitest::TypeText(box, text);
  }

  // Clicks the item of a list box, scrolled into view first.
  static void ClickItem(ui::ListBox& list, int position) {
    auto* widget = static_cast<QListWidget*>(list.Widget());
    QListWidgetItem* item = widget->item(position);
    widget->scrollToItem(item);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(item).center());
  }

  uitest::UiHarness ui;
  TempFolder config;
  std::unique_ptr<frmList> editor;
};
