#include "tests/mainwindow/link_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"

frmWizard& LinkPageTest::OpenLinkPage(int page) {
  InfoShown = true;  // the instructions window would take the focus
  frmWizard& w = Start();
  w.Show();
  // Focus moves reach the controls only in the active window.
  EXPECT_TRUE(QTest::qWaitForWindowActive(w.Window()));
  ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
  w.cmdNew_Click();
  for (int i = 1; i <= page; ++i) {
    Navigate(1);
  }
  EXPECT_EQ(w.WizardPage, page);
  ui.ClearRecords();
  return w;
}

std::string LinkPageTest::WriteProjectAndForgetIt(const std::string& name) {
  ProjHeader.Magic = kProjectMagic;
  ProjHeader.Version = kProjectVersion;
  const std::string path = program.File(name);
  EXPECT_TRUE(platform::WriteFileReplacing(path, ProjectFileBytes(ProjHeader, CmdRecords)));
  ProjHeader = ProjectHeader{};
  CmdRecords = CommandRecordList{};
  return path;
}

frmWizard& LinkPageTest::LoadThroughFileDialog(const std::string& path) {
  InfoShown = true;
  frmWizard& w = Start();
  w.Show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(w.Window()));
  Navigate(1);
  ui.QueueFileDialogAnswer(path);
  platform::ui::testing::ClickControl(w.cmdLoadSave[0]);
  return w;
}

std::string LinkPageTest::SavedThroughFileDialog() {
  const std::string saved = program.File("saved.vrx");
  ui.QueueFileDialogAnswer(saved);
  platform::ui::testing::ClickControl(wizard->cmdLoadSave[1]);
  std::string bytes;
  EXPECT_TRUE(platform::ReadFileBytes(saved, bytes, kProjectFileSize + 1));
  return bytes;
}

void LinkPageTest::NameEveryEntry() {
  const char* const names[] = {"Licht an", "Exactly14chars",  "Rollladen Wohnzimmer hoch",
                               "Pump",     "  padded name  ", "Alarm quittieren und melden"};
  for (int i = 0; i < kRecordCount; ++i) {
    CommandRecord& record = CmdRecords[i];
    const std::string n = std::to_string(i + 1);
    record.RxCom1Info.Set(std::string(names[i % 6]) + " " + n);
    record.TxCom1BackInfo.Set("Quittung " + n);
    record.TxCom1Info.Set(i % 3 == 0 ? "Status an Leitstelle " + n : "Tx1 " + n);
    record.TxCom2Info.Set(i % 2 == 0 ? "Weiter an Anlage " + n : "Tx2 " + n);
    record.RxCom2Info.Set(std::string(names[(i + 3) % 6]) + " " + n);
  }
}

QWindow* LinkPageTest::Window() {
  return wizard->Window()->windowHandle();
}

void LinkPageTest::Type(const std::string& text) {
  for (const char c : text) {
    QTest::keyClick(Window(), c);
  }
}

void LinkPageTest::PressKey(int keyCode, int shift) {
  Qt::KeyboardModifiers modifiers;
  if (shift & 1) {
    modifiers |= Qt::ShiftModifier;
  }
  if (shift & 2) {
    modifiers |= Qt::ControlModifier;
  }
  QTest::keyClick(Window(), static_cast<Qt::Key>(keyCode), modifiers);
}

void LinkPageTest::ClickInto(platform::ui::Control& control) {
  QTest::mouseClick(control.Widget(), Qt::LeftButton, {}, QPoint(4, 4));
}

void LinkPageTest::Paste(const std::string& text) {
  platform::ui::SetClipboardText(text);
  QTest::keyClick(Window(), Qt::Key_Insert, Qt::ShiftModifier);
}

void LinkPageTest::PickNextItem(platform::ui::ComboBox& combo) {
  QTest::keyClick(combo.Widget(), Qt::Key_Down);
}

void LinkPageTest::DoubleClickAt(platform::ui::Control& control, int x) {
  const QPoint point(x, control.Height() / 2);
  QTest::mouseClick(control.Widget(), Qt::LeftButton, {}, point);
  QTest::mouseDClick(control.Widget(), Qt::LeftButton, {}, point);
}

void LinkPageTest::MoveMouseOver(platform::ui::Control& control, int x, int y) {
  QTest::mouseMove(control.Widget(), QPoint(x, y));
}
