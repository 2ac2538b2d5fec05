#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "dialogs/frm_status.h"
#include "platform/colors.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/dialogs/matrix_fixture.h"
#include "texts/text_table.h"

namespace {

namespace testing_ui = platform::ui::testing;
using platform::RGB;

constexpr std::uint32_t kWhite = RGB(255, 255, 255);
constexpr std::uint32_t kGreen = RGB(0, 200, 0);
constexpr std::uint32_t kRed = RGB(200, 0, 0);

class StatusTest : public MatrixTest {};

TEST_F(StatusTest, OpensWithItsTextsAndPaintsTheThreeValues) {
  CmdRecords[0].StatusMatrix[1] = 1;
  CmdRecords[0].StatusMatrix[2] = 2;
  frmStatus window;
  window.Show();
  EXPECT_EQ(window.Caption(), "Status Register bearbeiten");
  EXPECT_EQ(window.lblInfo[0].Caption(), "neutral");
  EXPECT_EQ(window.lblInfo[1].Caption(), "setzen");
  EXPECT_EQ(window.lblInfo[2].Caption(), "l\xF6schen");
  EXPECT_EQ(window.Command1.Caption(), "Standard");
  EXPECT_EQ(window.lbl1.Caption(), "Statusbearbeitung:");
  EXPECT_TRUE(window.shpSel[0].Visible());
  EXPECT_FALSE(window.shpSel[2].Visible());
  EXPECT_EQ(CellPixel(window, 0, 0), kWhite);
  EXPECT_EQ(CellPixel(window, 1, 0), kGreen);
  EXPECT_EQ(CellPixel(window, 2, 0), kRed);
}

TEST_F(StatusTest, StandardAndNeutralFillTheWholeMatrix) {
  FilterSide = 1;  // the status matrix whatever the side
  frmStatus window;
  window.Show();
  window.Command1.PerformClick();
  for (int r = 0; r < 32; ++r) {
    for (int c = 0; c < 32; ++c) {
      ASSERT_EQ(CmdRecords[r].StatusMatrix[c], r == c ? 1 : 2) << r << "," << c;
      ASSERT_EQ(CellPixel(window, c, r), r == c ? kGreen : kRed) << r << "," << c;
    }
  }
  window.Command2.PerformClick();
  for (int r = 0; r < 32; ++r) {
    for (int c = 0; c < 32; ++c) {
      ASSERT_EQ(CmdRecords[r].StatusMatrix[c], 0);
      ASSERT_EQ(CellPixel(window, c, r), kWhite);
    }
  }
  EXPECT_EQ(CmdRecords[3].Filter2Matrix, MatrixRow{});
}

TEST_F(StatusTest, ClickWritesEachValueAndADragCopiesItsFirstCell) {
  frmStatus window;
  window.Show();
  for (int value = 0; value < 3; ++value) {
    testing_ui::ClickControl(window.lblInfo[value]);
    EXPECT_EQ(window.SelValue, value);
    EXPECT_TRUE(window.shpSel[value].Visible());
    ClickCell(window, 10 + value, 4);
    EXPECT_EQ(CmdRecords[4].StatusMatrix[10 + value], value);
  }
  window.Command1.PerformClick();
  Drag(window, 3, 3, 6, 7);  // from a green cell over a red area, red chosen
  for (int r = 3; r <= 7; ++r) {
    for (int c = 3; c <= 6; ++c) {
      EXPECT_EQ(CmdRecords[r].StatusMatrix[c], 1) << r << "," << c;
      EXPECT_EQ(CellPixel(window, c, r), kGreen);
    }
  }
  EXPECT_EQ(CmdRecords[8].StatusMatrix[3], 2);
}

// A value the window does not write is outlined only: the box keeps what it showed
// (white at first), and the value stays until the user writes the cell.
TEST_F(StatusTest, UnknownValueIsOutlinedOnlyAndKept) {
  CmdRecords[6].StatusMatrix[9] = 3;
  frmStatus window;
  window.Show();
  EXPECT_EQ(CellPixel(window, 9, 6), kWhite);
  window.Command1.PerformClick();
  CmdRecords[6].StatusMatrix[9] = 3;
  window.RedrawAll(true);
  EXPECT_EQ(CellPixel(window, 9, 6), kRed);
  EXPECT_EQ(window.picStatus.Canvas().Pixel(20 * 9, 15 * 6 + 5),
            static_cast<std::uint32_t>(RGB(224, 224, 224)));
  EXPECT_EQ(CmdRecords[6].StatusMatrix[9], 3);
  ClickCell(window, 9, 6);
  EXPECT_EQ(CmdRecords[6].StatusMatrix[9], 0);
}

TEST_F(StatusTest, ToolTipBoxIsTickedAtEveryOpeningAndNothingIsStored) {
  frmStatus window;
  window.Show();
  testing_ui::ClickControl(window.chkTip);
  EXPECT_EQ(window.chkTip.Value(), platform::ui::vb::Unchecked);
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(1), CellMiddleY(0));
  EXPECT_EQ(window.ToolTip.TipText(), "");
  EXPECT_EQ(window.lblSelInfo.Caption(), "Rx-COM1: 1. rx1 1         Tx-COM1: 2. tx1 2");
  testing_ui::CloseWindow(window);
  EXPECT_FALSE(window.IsLoaded());
  window.Show();
  EXPECT_EQ(window.chkTip.Value(), platform::ui::vb::Checked);
  EXPECT_EQ(window.lblSelInfo.Caption(), "");
  testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(1) + 1, CellMiddleY(0));
  EXPECT_EQ(window.ToolTip.Title(), "Status Register");
  EXPECT_EQ(window.ToolTip.TipText(), "Rx-COM1: 1. rx1 1\r\nTx-COM1: 2. tx1 2");
  window.cmdOK.PerformClick();
  EXPECT_FALSE(platform::FileExists(platform::SettingsFilePath(AppTitle)));
}

// Names as serial-device users write them show as typed in the tip and on the info line;
// the tip keeps its line break.
TEST_F(StatusTest, TipAndInfoLineShowNamesAsTyped) {
  const struct {
    const char* row;
    const char* column;
  } cases[] = {{"<SUB> end of file", "<del> key"},
               {"<b>Alpha</b> and", "<i>Beta</i> here"},
               {"&amp; &lt;CR&gt;", "one<br>two"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    CmdRecords[2].RxCom1Info.Set(c.row);
    CmdRecords[5].TxCom1Info.Set(c.column);
    frmStatus window;
    window.Show();
    testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(5), CellMiddleY(2));
    testing_ui::MouseMoveTo(window.picStatus, 0, CellMiddleX(5) + 1, CellMiddleY(2));
    QWidget* tip = testing_ui::ShownTipWindow(2000);
    ASSERT_NE(tip, nullptr);
    const QString row = QString::fromLatin1(c.row);
    const QString column = QString::fromLatin1(c.column);
    QStringList shown;
    for (const QLabel* label : tip->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) {
        shown << testing_ui::LabelShows(*label);
      }
    }
    EXPECT_EQ(shown,
              (QStringList{"Status Register", "Rx-COM1: 3. " + row + "\nTx-COM1: 6. " + column}));
    EXPECT_EQ(testing_ui::LabelShows(*static_cast<QLabel*>(window.lblSelInfo.Widget())),
              "Rx-COM1: 3. " + row + "         Tx-COM1: 6. " + column);
  }
}

TEST_F(StatusTest, CaptionStaysGermanInAnotherLanguage) {
  LanguageID = 1;
  LangText[67] = "Tip";
  LangText[521] = "neutral-x";
  frmStatus window;
  window.Show();
  EXPECT_EQ(window.Caption(), "Status Register bearbeiten");
  EXPECT_EQ(window.chkTip.Caption(), "Tip");
  EXPECT_EQ(window.lblInfo[0].Caption(), "neutral-x");
}

// The cursor box lies inside the grid's border, on the cursor cell.
TEST_F(StatusTest, CursorBoxFramesTheCursorCellOnTheScreen) {
  frmStatus window;
  window.Show();
  ClickCell(window, 2, 1);
  testing_ui::ProcessEvents();
  const QImage shown = window.Window()->grab().toImage();
  QWidget* grid = window.picStatus.Widget()->focusProxy();
  const QPoint corner = grid->mapTo(window.Window(), QPoint(40, 15));
  EXPECT_EQ(shown.pixel(corner) & 0xFFFFFF, 0x8080FFu);
  EXPECT_EQ(shown.pixel(corner + QPoint(19, 14)) & 0xFFFFFF, 0x8080FFu);
  EXPECT_EQ(shown.pixel(corner + QPoint(5, 5)) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(shown.pixel(corner - QPoint(1, 0)) & 0xFFFFFF, 0xE0E0E0u);
}

}  // namespace
