#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "dialogs/frm_file_info.h"
#include "dialogs/frm_info.h"
#include "dialogs/frm_test.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

namespace {

class SmallWindowsTest : public ::testing::Test {
 protected:
  SmallWindowsTest() {
    LanguageID = 0;
    InfoShown = false;
    ProjHeader = ProjectHeader{};
  }
  platform::ui::testing::UiHarness ui;
};

TEST_F(SmallWindowsTest, DescriptionIsTrimmedOnShowAndStoredOnOk) {
  ProjHeader.FileInfo.Set("   first line\r\nsecond  ");
  frmFileInfo window;
  window.Show();
  EXPECT_EQ(window.txtDescription.Text(), "first line\r\nsecond");
  window.txtDescription.SetText("  new text");
  window.cmdOk.PerformClick();
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), "  new text" + std::string(2038, ' '));
}

// Clicked through the window system, at the control's middle.
void ClickWithMouse(platform::ui::Form& form, platform::ui::Control& control) {
  QWidget* widget = control.Widget();
  QTest::mouseClick(form.Window()->windowHandle(), Qt::LeftButton, {},
                    widget->mapTo(form.Window(), widget->rect().center()));
}

struct Description {
  std::string stored;  // before the blank padding of the field
  std::string typed;   // at the end of the text
  std::string kept;    // the field's value after OK, before its padding
};

// OK writes back the bytes the window showed: a lone CR, a non-breaking space (A0),
// line ends, all as they were; only the blanks at both ends and what follows a NUL go.
TEST_F(SmallWindowsTest, OkKeepsTheBytesOfTheDescriptionThatWereNotEdited) {
  using namespace std::string_literals;
  const std::string nbsp = "\xA0";
  const Description descriptions[] = {
      {"one\rtwo", "", "one\rtwo"},
      {"a" + nbsp + "b" + nbsp, "", "a" + nbsp + "b" + nbsp},
      {"first\r\nsecond\r\n", "", "first\r\nsecond\r\n"},
      {"  " + nbsp + "lead\r\rmid\r\n\n" + nbsp + " end\r  ", "",
       nbsp + "lead\r\rmid\r\n\n" + nbsp + " end\r"},
      {"kept\r\0gone"s, "", "kept\r"},
      {"a" + nbsp + "b\r\nc", "x", "a" + nbsp + "b\r\ncx"},
  };
  for (const Description& d : descriptions) {
    SCOPED_TRACE(::testing::PrintToString(d.stored));
    ProjHeader.FileInfo.Set(d.stored);
    frmFileInfo window;
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Window()));
    if (!d.typed.empty()) {
      auto* edit = static_cast<QPlainTextEdit*>(window.txtDescription.Widget());
      QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
      QTest::keyClicks(edit, QString::fromLatin1(d.typed));
    }
    ClickWithMouse(window, window.cmdOk);
    EXPECT_FALSE(window.IsLoaded());
    FixedText<2048> expected;
    expected.Set(d.kept);
    EXPECT_EQ(ProjHeader.FileInfo.Raw(), expected.Raw());
  }
}

TEST_F(SmallWindowsTest, ALongDescriptionKeepsItsFirst2048Characters) {
  frmFileInfo window;
  window.Show();
  const std::string text = std::string(2048, 'a') + "bcd";
  window.txtDescription.SetText(text);
  window.cmdOk.PerformClick();
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), text.substr(0, 2048));
}

TEST_F(SmallWindowsTest, CancelLeavesTheDescriptionAsItWas) {
  ProjHeader.FileInfo.Set("  kept ");
  const std::string before = ProjHeader.FileInfo.Raw();
  frmFileInfo window;
  window.Show();
  window.txtDescription.SetText("changed");
  window.cmdCancel.PerformClick();
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), before);
}

TEST_F(SmallWindowsTest, ANeverAssignedDescriptionShowsEmpty) {
  frmFileInfo window;
  window.Show();
  EXPECT_EQ(window.txtDescription.Text(), "");
  EXPECT_EQ(window.FrameDescription.Caption(), "Projektbeschreibung");
}

TEST_F(SmallWindowsTest, InstructionsMarkThemselvesShownAndBreakLines) {
  frmInfo window;
  window.ShowModal();
  EXPECT_TRUE(InfoShown);
  window.Load();
  EXPECT_NE(window.Text1.Text().find("'Prog'.\r\n"), std::string::npos);
  EXPECT_EQ(window.Text3.Text().find("[CRLF]"), std::string::npos);
  window.Command1.PerformClick();
  EXPECT_FALSE(window.IsLoaded());
}

TEST_F(SmallWindowsTest, LogIsEmptiedByItsButton) {
  frmTest window;
  window.Text1.SetText("ERROR READ IDNUMBER\r\n");
  window.Command1.PerformClick();
  EXPECT_EQ(window.Text1.Text(), "");
  EXPECT_EQ(window.Command1.Caption(), "l\xF6schen");
}

}  // namespace
