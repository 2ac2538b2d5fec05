#include <QImage>
#include <QWidget>
#include <string>

#include "dialogs/frm_filter.h"
#include "platform/colors.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/dialogs/matrix_fixture.h"
#include "texts/text_table.h"

namespace {

namespace testing_ui = platform::ui::testing;
using platform::RGB;
using platform::ui::vb::Checked;
using platform::ui::vb::Grayed;
using platform::ui::vb::Unchecked;

class FilterTest : public MatrixTest {};

TEST_F(FilterTest, FirstOpeningTicksBothBoxesAndShowsTheTint) {
  CmdRecords[2].StatusMatrix[1] = 1;
  CmdRecords[2].Filter1Matrix[1] = 1;
  frmFilter window;
  window.Show();
  EXPECT_EQ(window.chkMix.Value(), Checked);
  EXPECT_EQ(window.chkTip.Value(), Checked);
  EXPECT_TRUE(window.chkMix.Visible());
  EXPECT_EQ(window.Caption(),
            "Abfrage Status Register R\xFC"
            "ckantwort COM1");
  EXPECT_EQ(window.lblInfo[0].Caption(), "nein");
  EXPECT_EQ(window.lblInfo[1].Caption(), "ja");
  EXPECT_EQ(CellPixel(window, 1, 2), static_cast<std::uint32_t>(RGB(0, 128, 0)));
}

// The grid's image: light grey mesh, darker group lines every fourth cell, the cell
// colour inside.
TEST_F(FilterTest, GridImageHasTheMeshAndGroupLines) {
  StoreSetting("FilterMixMode", "0");
  CmdRecords[5].Filter1Matrix[6] = 1;
  frmFilter window;
  window.Show();
  platform::Canvas& grid = window.picStatus.Canvas();
  EXPECT_EQ(grid.Pixel(20 * 6, 15 * 5 + 7), static_cast<std::uint32_t>(RGB(224, 224, 224)));
  EXPECT_EQ(grid.Pixel(20 * 6 + 10, 15 * 5), static_cast<std::uint32_t>(RGB(224, 224, 224)));
  EXPECT_EQ(grid.Pixel(20 * 6 + 1, 15 * 5 + 1), static_cast<std::uint32_t>(RGB(0, 0, 0)));
  EXPECT_EQ(grid.Pixel(20 * 7 - 1, 15 * 6 - 1), static_cast<std::uint32_t>(RGB(0, 0, 0)));
  EXPECT_EQ(grid.Pixel(80, 33), static_cast<std::uint32_t>(RGB(192, 192, 192)));
  EXPECT_EQ(grid.Pixel(33, 60), static_cast<std::uint32_t>(RGB(192, 192, 192)));
  EXPECT_EQ(grid.Pixel(639, 7), static_cast<std::uint32_t>(RGB(255, 255, 255)));
  EXPECT_EQ(CellPixel(window, 31, 31), static_cast<std::uint32_t>(RGB(255, 255, 255)));
}

struct TintCase {
  std::uint8_t status;
  std::uint8_t filter;
  int mix;  // chkMix as stored
  std::uint32_t color;
};

class FilterTintTest : public FilterTest, public ::testing::WithParamInterface<TintCase> {};

TEST_P(FilterTintTest, CellColourIsReadFromTheGridImage) {
  const TintCase& c = GetParam();
  StoreSetting("FilterMixMode", std::to_string(c.mix));
  CmdRecords[9].StatusMatrix[30] = c.status;
  CmdRecords[9].Filter1Matrix[30] = c.filter;
  frmFilter window;
  window.Show();
  EXPECT_EQ(CellPixel(window, 30, 9), c.color);
  window.RedrawAll(true);
  EXPECT_EQ(CmdRecords[9].Filter1Matrix[30], c.filter);  // painting never writes
}

INSTANTIATE_TEST_SUITE_P(
    Tints, FilterTintTest,
    ::testing::Values(TintCase{0, 1, 0, RGB(0, 0, 0)}, TintCase{1, 0, 0, RGB(255, 255, 255)},
                      TintCase{0, 1, 1, RGB(17, 17, 17)}, TintCase{0, 0, 1, RGB(238, 238, 238)},
                      TintCase{1, 1, 1, RGB(0, 128, 0)}, TintCase{1, 0, 1, RGB(224, 255, 224)},
                      TintCase{2, 1, 1, RGB(128, 0, 0)}, TintCase{2, 0, 1, RGB(255, 224, 224)},
                      TintCase{3, 0, 1, RGB(0, 0, 0)}, TintCase{3, 1, 1, RGB(0, 0, 0)},
                      TintCase{1, 2, 1, RGB(0, 0, 0)}, TintCase{1, 255, 0, RGB(0, 0, 0)},
                      TintCase{2, 0, 2, RGB(255, 224, 224)}));

TEST_F(FilterTest, TintFollowsTheBoxAsTheUserTicksIt) {
  CmdRecords[0].StatusMatrix[3] = 2;
  frmFilter window;
  window.Show();
  EXPECT_EQ(CellPixel(window, 3, 0), static_cast<std::uint32_t>(RGB(255, 224, 224)));
  testing_ui::ClickControl(window.chkMix);
  EXPECT_EQ(window.chkMix.Value(), Unchecked);
  EXPECT_EQ(CellPixel(window, 3, 0), static_cast<std::uint32_t>(RGB(255, 255, 255)));
}

TEST_F(FilterTest, Com2SideEditsFilter2HidesTheTintAndStoresItOff) {
  FilterSide = 1;
  CmdRecords[0].StatusMatrix[0] = 1;
  frmFilter window;
  window.Show();
  EXPECT_EQ(window.Caption(), "Abfrage Status Register COM2");
  EXPECT_EQ(window.chkMix.Value(), Unchecked);
  EXPECT_FALSE(window.chkMix.Visible());
  window.lblInfo_Click(1);
  ClickCell(window, 0, 0);
  EXPECT_EQ(CmdRecords[0].Filter2Matrix[0], 1);
  EXPECT_EQ(CmdRecords[0].Filter1Matrix[0], 0);
  EXPECT_EQ(CellPixel(window, 0, 0), static_cast<std::uint32_t>(RGB(0, 0, 0)));
  testing_ui::CloseWindow(window);
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(StoredSetting("FilterMixMode"), "0");

  FilterSide = 0;
  CmdRecords[0].Filter1Matrix[0] = 1;
  window.Show();
  EXPECT_TRUE(window.chkMix.Visible());
  EXPECT_EQ(window.chkMix.Value(), Unchecked);
  EXPECT_EQ(CellPixel(window, 0, 0), static_cast<std::uint32_t>(RGB(0, 0, 0)));
}

struct StoredCase {
  const char* name;
  std::string stored;
  int box;
};

class FilterSettingTest : public FilterTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(FilterSettingTest, StoredValueSetsBothBoxesOrLeavesThemTicked) {
  StoreSetting("FilterMixMode", GetParam().stored);
  StoreSetting("FilterToolTip", GetParam().stored);
  frmFilter window;
  window.Show();
  EXPECT_EQ(window.chkMix.Value(), GetParam().box);
  EXPECT_EQ(window.chkTip.Value(), GetParam().box);
  window.cmdOK.PerformClick();
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(StoredSetting("FilterMixMode"), std::to_string(GetParam().box));
  EXPECT_EQ(StoredSetting("FilterToolTip"), std::to_string(GetParam().box));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FilterSettingTest,
    ::testing::Values(StoredCase{"Off", "0", Unchecked}, StoredCase{"On", "1", Checked},
                      StoredCase{"Grey", "2", Grayed}, StoredCase{"Blanks", " 0 ", Unchecked},
                      StoredCase{"Letters", "abc", Checked}, StoredCase{"Seven", "7", Checked},
                      StoredCase{"Negative", "-1", Checked}, StoredCase{"Empty", "", Checked},
                      StoredCase{"Fraction", "0.5", Checked},
                      StoredCase{"Huge", std::string(10000, '0') + "1", Checked},
                      StoredCase{"Long", std::string(10000, 'x'), Checked}),
    [](const auto& info) { return info.param.name; });

TEST_F(FilterTest, CloseBoxStoresTheBoxesAsOkDoes) {
  frmFilter window;
  window.Show();
  testing_ui::ClickControl(window.chkTip);
  EXPECT_EQ(window.chkTip.Value(), Unchecked);
  testing_ui::CloseWindow(window);
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(StoredSetting("FilterToolTip"), "0");
  EXPECT_EQ(StoredSetting("FilterMixMode"), "1");
  EXPECT_EQ(window.ToolTip.Enabled(), false);  // the tip window is gone
}

TEST_F(FilterTest, HoverTextNamesRowAndColumnOnTheCom2Side) {
  FilterSide = 1;
  CmdRecords[0].RxCom2Info.Set("  Licht an  ");
  CmdRecords[31].TxCom1Info.Set("Melder");
  frmFilter window;
  window.Show();
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(31), CellMiddleY(0));
  EXPECT_EQ(window.HoverCol, 31);
  EXPECT_EQ(window.HoverRow, 0);
  EXPECT_EQ(window.HoverText, "Rx-COM2: 1. Licht an\r\nTx-COM1: 32. Melder");
  EXPECT_EQ(window.lblSelInfo.Caption(), "Rx-COM2: 1. Licht an         Tx-COM1: 32. Melder");
  EXPECT_EQ(window.ToolTip.TipText(), window.HoverText);
  EXPECT_TRUE(window.ToolTip.Enabled());
}

TEST_F(FilterTest, HoverTextOfEmptyAndNulNames) {
  CmdRecords[4].RxCom1Info = CommandName{};
  CmdRecords[7].TxCom1Info.Set(std::string("vor\0nach", 8));
  frmFilter window;
  window.Show();
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(7), CellMiddleY(4));
  EXPECT_EQ(window.HoverText, "Rx-COM1: 5. \r\nTx-COM1: 8. vor");
}

TEST_F(FilterTest, TipOnlyWithItsBoxAndOffOutsideTheGrid) {
  frmFilter window;
  window.Show();
  window.chkTip.SetValue(Unchecked);
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(2), CellMiddleY(3));
  EXPECT_EQ(window.lblSelInfo.Caption(), "Rx-COM1: 4. rx1 4         Tx-COM1: 3. tx1 3");
  EXPECT_EQ(window.ToolTip.TipText(), "");
  window.chkTip.SetValue(Checked);
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(2) + 1, CellMiddleY(3));
  EXPECT_TRUE(window.ToolTip.Enabled());
  testing_ui::MouseMoveTo(window.picHold, 0, 40, 40);
  EXPECT_FALSE(window.ToolTip.Enabled());
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(2), CellMiddleY(3) + 1);
  testing_ui::MouseMoveTo(window.lblSelInfo, 0, 5, 5);
  EXPECT_FALSE(window.ToolTip.Enabled());
  EXPECT_EQ(window.lblSelInfo.Caption(), "Rx-COM1: 4. rx1 4         Tx-COM1: 3. tx1 3");
}

// The tip shows while the mouse rests on the grid and goes when the mouse leaves it,
// also straight onto a control that does not switch it off.
TEST_F(FilterTest, TipGoesWhenTheMouseLeavesTheGrid) {
  frmFilter window;
  window.Show();
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(2), CellMiddleY(3));
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(2) + 1, CellMiddleY(3));
  ASSERT_NE(testing_ui::ShownTipWindow(2000), nullptr);
  testing_ui::MouseMoveTo(window.lblInfo[1], 0, 5, 5);
  EXPECT_TRUE(window.ToolTip.Enabled());
  EXPECT_EQ(testing_ui::ShownTipWindow(0), nullptr);
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(4), CellMiddleY(3));
  EXPECT_NE(testing_ui::ShownTipWindow(2000), nullptr);
  window.Unload();
  EXPECT_EQ(testing_ui::ShownTipWindow(0), nullptr);
}

// The labels are drawn afresh at every opening: a window opened a second time with
// other names looks like a new window.
TEST_F(FilterTest, AxisLabelsOfASecondOpeningShowTheNewNames) {
  frmFilter reused;
  reused.Show();
  reused.Unload();
  CmdRecords[0].TxCom1Info.Set("WWWWWWWWWWWW");
  CmdRecords[1].RxCom1Info.Set("MMMMMMMMMMMM");
  FilterSide = 1;
  reused.Show();
  frmFilter fresh;
  fresh.Show();
  EXPECT_EQ(reused.picHold.Image(), fresh.picHold.Image());
  EXPECT_EQ(reused.picStatus.Image(), fresh.picStatus.Image());
}

}  // namespace
