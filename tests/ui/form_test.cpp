#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"
#include "tests/ui/gallery_form.h"

namespace platform::ui {
namespace {

class frmSample : public Form {
 public:
  frmSample() : Form("frmSample") {
    SetClientSize(200, 120);
    mnuLanguageList.Click = [this](int Index) { chosen = Index; };
  }
  int loads = 0;
  int unloads = 0;
  int cancelUnload = 0;
  int chosen = -1;
  Frame Frame1{*this, "Frame1"};
  CommandButton cmdOK{Frame1, "cmdOK"};
  Label lblInfo{*this, "lblInfo"};
  ControlArray<TextBox> txtInfo{Frame1, "txtInfo", 0, 2};
  Menu mnuLanguage{*this, "mnuLanguage"};
  ControlArray<MenuItem> mnuLanguageList{mnuLanguage, "mnuLanguageList", 0, 2};

 protected:
  void Form_Load() override { ++loads; }
  void Form_Unload(int& Cancel) override {
    ++unloads;
    Cancel = cancelUnload;
  }
};

class FormTest : public ::testing::Test {
 protected:
  testing::UiHarness harness;
  frmSample form;
};

TEST_F(FormTest, LoadRunsOnceUntilUnloadAndCancelKeepsTheForm) {
  form.Show();
  form.Show();
  EXPECT_EQ(form.loads, 1);
  form.cancelUnload = 1;
  testing::CloseWindow(form);
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(form.Visible());
  form.cancelUnload = 0;
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(form.Visible());
  form.Show();
  EXPECT_EQ(form.loads, 2);
  EXPECT_EQ(form.unloads, 2);
}

TEST_F(FormTest, CaptionTableFindsControlsByNameAndIndex) {
  platform::FormTextTarget& target = form;
  EXPECT_EQ(target.FormName(), "frmSample");
  EXPECT_TRUE(target.SetControlText("cmdOK", -1, TextProperty::Caption, "&Ok"));
  EXPECT_TRUE(target.SetControlText("txtInfo", 2, TextProperty::Text, "Beschreibung"));
  EXPECT_TRUE(target.SetControlText("mnuLanguageList", 1, TextProperty::Caption, "English"));
  EXPECT_FALSE(target.SetControlText("txtInfo", 3, TextProperty::Text, "x"));
  EXPECT_FALSE(target.SetControlText("cmdOK", 0, TextProperty::Caption, "x"));
  EXPECT_EQ(form.cmdOK.Caption(), "&Ok");
  EXPECT_EQ(form.txtInfo[2].Text(), "Beschreibung");
  EXPECT_EQ(form.mnuLanguageList[1].Caption(), "English");
  EXPECT_EQ(form.FindControl("txtInfo", 1), &form.txtInfo[1]);
}

TEST_F(FormTest, PopupMenuRunsTheChosenItemOnly) {
  harness.QueuePopupMenuAnswer(2);
  form.PopupMenu(form.mnuLanguage);
  EXPECT_EQ(form.chosen, 2);
  form.chosen = -1;
  form.mnuLanguageList[1].SetEnabled(false);
  harness.QueuePopupMenuAnswer(1);
  form.PopupMenu(form.mnuLanguage);
  form.PopupMenu(form.mnuLanguage);  // unanswered: dismissed
  EXPECT_EQ(form.chosen, -1);
  EXPECT_EQ(harness.PopupMenus(),
            (std::vector<std::string>{"mnuLanguage", "mnuLanguage", "mnuLanguage"}));
}

TEST_F(FormTest, ModalFormIsAnsweredAndUnloadedWithoutAWait) {
  frmSample dialog;
  harness.QueueModalFormAction([](Form& shown) {
    auto& sample = static_cast<frmSample&>(shown);
    sample.txtInfo[0].SetText("typed");
  });
  dialog.ShowModal(&form);
  EXPECT_EQ(dialog.txtInfo[0].Text(), "typed");
  EXPECT_FALSE(dialog.IsLoaded());
  dialog.ShowModal(&form);  // no action queued
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(harness.ModalForms(), (std::vector<std::string>{"frmSample", "frmSample"}));
}

TEST_F(FormTest, TabIndexMovesTheControlAndShiftsTheOthers) {
  EXPECT_EQ(form.cmdOK.TabIndex(), 2);  // after Frame1
  form.txtInfo[2].SetTabIndex(1);
  EXPECT_EQ(form.txtInfo[2].TabIndex(), 1);
  EXPECT_EQ(form.Frame1.TabIndex(), 2);
  EXPECT_EQ(form.cmdOK.TabIndex(), 3);
  form.Frame1.SetTabIndex(99);  // past the end: last
  EXPECT_EQ(form.Frame1.TabIndex(), 6);
}

TEST_F(FormTest, EndProgramIsOnlyRecordedUnderTheHarness) {
  EXPECT_FALSE(harness.ProgramEnded());
  EndProgram();
  EXPECT_TRUE(harness.ProgramEnded());
  harness.ClearRecords();
  EXPECT_FALSE(harness.ProgramEnded());
}

// The pointer the window system shows over a control of a shown form.
Qt::CursorShape PointerOver(Form& form, Control& control) {
  QTest::mouseMove(form.Window()->windowHandle(),
                   control.Widget()->mapTo(form.Window(), QPoint(8, 8)));
  return form.Window()->windowHandle()->cursor().shape();
}

// The hourglass of a long handler shows at once over its window and every control in
// it; a message box or a window opened meanwhile shows its own pointers.
TEST(FormPointer, HourglassShowsOverItsFormOnly) {
  testing::UiHarness harness;
  frmGallery form;
  frmGallery other;
  form.Show();
  other.Show();
  form.cmdOK.SetMouseIcon(Cursor::Hand());
  form.cmdOK.SetMousePointer(MousePointer::Custom);
  form.SetMousePointer(MousePointer::Hourglass);
  form.SetMousePointer(MousePointer::Hourglass);  // twice, then one Default restores
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  for (Control* control :
       {static_cast<Control*>(&form.txtNotes), static_cast<Control*>(&form.cmdOK),
        static_cast<Control*>(&form.lblInfo)}) {
    EXPECT_EQ(PointerOver(form, *control), Qt::WaitCursor) << control->Name();
  }
  EXPECT_EQ(PointerOver(other, other.txtNotes), Qt::IBeamCursor);
  EXPECT_EQ(PointerOver(other, other.lblInfo), Qt::ArrowCursor);
  // A pointer set meanwhile shows once the hourglass ends.
  form.lblInfo.SetMouseIcon(Cursor::Hand());
  form.lblInfo.SetMousePointer(MousePointer::Custom);
  EXPECT_EQ(PointerOver(form, form.lblInfo), Qt::WaitCursor);
  form.SetMousePointer(MousePointer::Default);
  EXPECT_EQ(PointerOver(form, form.txtNotes), Qt::IBeamCursor);
  EXPECT_EQ(PointerOver(form, form.txtName), Qt::IBeamCursor);
  EXPECT_EQ(PointerOver(form, form.cmdOK), Qt::PointingHandCursor);
  EXPECT_EQ(PointerOver(form, form.lblInfo), Qt::PointingHandCursor);
  EXPECT_EQ(PointerOver(form, form.chkOn), Qt::ArrowCursor);
  form.cmdOK.SetMousePointer(MousePointer::Default);
  EXPECT_FALSE(form.cmdOK.Widget()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(FormTest, ScreenSizeCanBeOverridden) {
  SetScreenSizeOverride(ScreenSize{800, 600});
  EXPECT_EQ(GetScreenSize().width, 800);
  EXPECT_EQ(GetScreenSize().height, 600);
  SetScreenSizeOverride(std::nullopt);
  EXPECT_GT(GetScreenSize().width, 0);
}

TEST_F(FormTest, ClipboardCarriesWindows1252Text) {
  SetClipboardText(
      "Gr\xFC\xDF"
      "e \x80");
  EXPECT_EQ(ClipboardText(),
            "Gr\xFC\xDF"
            "e \x80");
}

}  // namespace
}  // namespace platform::ui
