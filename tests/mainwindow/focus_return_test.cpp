// Where the focus rests once a device flow, a load, a message box or a page change is
// over: on the control that started it while that is still shown and enabled, else on
// Next. Each row starts from a control as the user does, with real input.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <string>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "tests/mainwindow/device_fixture.h"

namespace testing_ui = platform::ui::testing;

namespace {

using Pick = std::function<ui::Control&(frmWizard&)>;

struct FocusCase {
  const char* name;
  int page;
  bool newProject;    // a new project opens the way past page 1
  Pick start;         // clicked, or focused when there is a key
  Qt::Key accessKey;  // with Alt, instead of the click
  Pick rest;          // where the focus is once it is over
  int pageAfter;
};

void PrintTo(const FocusCase& c, std::ostream* out) {
  *out << c.name;
}

template <class Member>
Pick Control(Member frmWizard::*member) {
  return [member](frmWizard& w) -> ui::Control& { return w.*member; };
}
Pick Element(ui::ControlArray<ui::CommandButton> frmWizard::*array, int index) {
  return [array, index](frmWizard& w) -> ui::Control& { return (w.*array)[index]; };
}
Pick NameBox(int row) {
  return [row](frmWizard& w) -> ui::Control& { return w.txtInfo[row]; };
}

const Pick kNext = Element(&frmWizard::cmdNavi, 1);

const FocusCase kCases[] = {
    {"Factory", 1, true, Control(&frmWizard::CmdFactory), Qt::Key_unknown,
     Control(&frmWizard::CmdFactory), 1},
    {"Search", 1, true, Control(&frmWizard::cmdSearchCom), Qt::Key_unknown,
     Control(&frmWizard::cmdSearchCom), 1},
    {"Transmit", 4, true, Control(&frmWizard::CmdTransmit), Qt::Key_unknown,
     Control(&frmWizard::CmdTransmit), 4},
    {"Load", 1, true, Element(&frmWizard::cmdLoadSave, 0), Qt::Key_unknown,
     Element(&frmWizard::cmdLoadSave, 0), 1},
    {"Next", 2, true, kNext, Qt::Key_unknown, kNext, 3},
    {"NextRefusedWithItsMessage", 1, false, kNext, Qt::Key_unknown, kNext, 1},
    {"BackToTheStartPage", 1, true, Element(&frmWizard::cmdNavi, 0), Qt::Key_unknown, kNext, 0},
    {"AltWFromANameBox", 2, true, NameBox(0), Qt::Key_W, kNext, 3},
};

class FocusReturnTest : public DeviceFlowTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusReturnTest, RestsOnTheStarterElseOnNext) {
  const FocusCase& c = GetParam();
  Connect({}, 1, 0);
  InfoShown = true;
  frmWizard& w = Start();
  w.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Window()));
  if (c.newProject) {
    ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
    w.cmdNew.PerformClick();
  }
  while (w.WizardPage < c.page) {
    Navigate(1);
  }
  const std::string project = program.File("project.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(project, ProjectFileBytes(ProjHeader, CmdRecords)));
  ui.QueueFileDialogAnswer(project);

  ui::Control& start = c.start(w);
  if (c.accessKey != Qt::Key_unknown) {
    start.SetFocus();
    QTest::keyClick(w.Window()->windowHandle(), c.accessKey, Qt::AltModifier);
    QTest::qWait(200);  // the button shows itself pressed before it clicks
  } else {
    testing_ui::ClickControl(start);
  }

  EXPECT_EQ(w.WizardPage, c.pageAfter);
  ui::Control& rest = c.rest(w);
  const QWidget* focus = w.Window()->focusWidget();
  EXPECT_TRUE(rest.HasFocus()) << "the focus is on "
                               << (focus != nullptr ? focus->objectName().toStdString() : "none")
                               << ", not on " << rest.Name();
}

INSTANTIATE_TEST_SUITE_P(Starters, FocusReturnTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FocusCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
