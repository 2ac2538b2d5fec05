#include "dialogs/matrix_editor.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/mainwindow/wizard_fixture.h"

namespace {

namespace testing_ui = platform::ui::testing;

class DialogButtonsTest : public WizardTest {};

struct MatrixButton {
  const char* name;
  ui::CommandButton frmWizard::*button;
  const char* form;
  std::int16_t side;
  MatrixRow CommandRecord::*matrix;
};

// Each button sets the side, opens its window modally over the main window, and an
// edit there lands in the records.
TEST_F(DialogButtonsTest, EachMatrixButtonOpensItsWindowOnItsSide) {
  frmWizard& w = Start();
  const MatrixButton buttons[] = {
      {"cmdFilter1B", &frmWizard::cmdFilter1B, "frmFilter", 0, &CommandRecord::Filter1Matrix},
      {"cmdFilter2B", &frmWizard::cmdFilter2B, "frmFilter", 1, &CommandRecord::Filter2Matrix},
      {"cmdStatusList2", &frmWizard::cmdStatusList2, "frmStatus", 0, &CommandRecord::StatusMatrix},
      {"cmdStatusList3", &frmWizard::cmdStatusList3, "frmStatus", 0, &CommandRecord::StatusMatrix},
  };
  int column = 0;
  for (const MatrixButton& b : buttons) {
    FilterSide = static_cast<std::int16_t>(1 - b.side);
    std::int16_t sideSeen = -1;
    bool modal = false;
    ui.QueueModalFormAction([&](ui::Form& form) {
      sideSeen = FilterSide;
      modal = form.IsModal() && form.Visible();
      auto& editor = static_cast<MatrixEditor&>(form);
      editor.lblInfo_Click(1);
      testing_ui::MousePress(editor.picStatus, 1, 20 * column + 5, 5);
      testing_ui::MouseRelease(editor.picStatus, 1, 20 * column + 5, 5);
    });
    (w.*b.button).PerformClick();
    ASSERT_FALSE(ui.ModalForms().empty()) << b.name;
    EXPECT_EQ(ui.ModalForms().back(), b.form) << b.name;
    EXPECT_EQ(sideSeen, b.side) << b.name;
    EXPECT_TRUE(modal) << b.name;
    EXPECT_EQ((CmdRecords[0].*b.matrix)[column], 1) << b.name;
    EXPECT_FALSE(w.FilterWindow.IsLoaded() || w.StatusWindow.IsLoaded()) << b.name;
    ++column;
  }
  EXPECT_EQ(CmdRecords[0].Filter1Matrix[1], 0);
  EXPECT_EQ(ui.ModalForms().size(), 4u);
}

TEST_F(DialogButtonsTest, DescriptionButtonShowsTheDescriptionWithoutWaiting) {
  frmWizard& w = Start();
  ProjHeader.FileInfo.Set("Anlage Nord");
  w.CmdFileInfo.PerformClick();
  EXPECT_TRUE(w.FileInfoWindow.IsLoaded());
  EXPECT_TRUE(w.FileInfoWindow.Visible());
  EXPECT_FALSE(w.FileInfoWindow.IsModal());
  EXPECT_TRUE(ui.ModalForms().empty());
  EXPECT_EQ(w.FileInfoWindow.txtDescription.Text(), "Anlage Nord");
  w.FileInfoWindow.cmdOk.PerformClick();
}

}  // namespace
