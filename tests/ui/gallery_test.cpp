#include <gtest/gtest.h>

#include <QImage>

#include "controls/progress_bar.h"
#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"
#include "project/drawing.h"

namespace platform::ui {
namespace {

// One control of every kind, written to a PNG under the build folder for a look.
class frmGallery : public Form {
 public:
  frmGallery() : Form("frmGallery") {
    SetCaption("Gallery");
    SetClientSize(420, 300);
    lblInfo.Move(10, 10, 190, 20);
    lblInfo.SetCaption("&Label 1252: \xE4\xF6\xFC \x80");
    txtName.Move(10, 35, 180, 22);
    txtName.SetText("Text box");
    txtNotes.Move(10, 62, 180, 50);
    txtNotes.SetText("Multi-line\r\ntext box");
    cmdOK.Move(10, 120, 80, 26);
    cmdOK.SetCaption("&Ok");
    chkOn.Move(100, 120, 90, 26);
    chkOn.SetCaption("Check box");
    chkOn.SetValue(vb::Checked);
    Combo1.Move(10, 155, 180, 24);
    for (const char* item : {"9600", "19200"}) {
      Combo1.AddItem(item);
    }
    Combo1.SetListIndex(1);
    List1.Move(10, 185, 180, 60);
    List1.AddItem("List item 1");
    List1.AddItem("List item 2");
    Frame1.Move(200, 10, 210, 90);
    Frame1.SetCaption("Frame");
    shpSel.Move(10, 25, 100, 40);
    shpSel.SetBorderColor(RGB(255, 0, 0));
    shpSel.SetBorderWidth(2);
    picGrid.Move(200, 110, 150, 100);
    picGrid.SetBorderStyle(1);
    picGrid.SetBackColor(RGB(255, 255, 255));
    VScroll1.Move(360, 110, 18, 100);
    VScroll1.SetMax(7);
    imgFlag.Move(200, 220, 24, 16);
    QImage flag(24, 16, QImage::Format_RGB32);
    flag.fill(QColor(0, 0, 255));
    imgFlag.SetPicture(Picture(flag));
    ProgressBar1.Move(10, 255, 180, 20);
    ProgressBar1.ReadProperties({{"Smooth", -1}, {"BorderStyle", 2}});
    ProgressBar1.SetPosition(60);
  }
  Label lblInfo{*this, "lblInfo"};
  TextBox txtName{*this, "txtName"};
  TextBox txtNotes{*this, "txtNotes", -1, true};
  CommandButton cmdOK{*this, "cmdOK"};
  CheckBox chkOn{*this, "chkOn"};
  ComboBox Combo1{*this, "Combo1"};
  ListBox List1{*this, "List1"};
  Frame Frame1{*this, "Frame1"};
  Shape shpSel{Frame1, "shpSel"};
  PictureBox picGrid{*this, "picGrid"};
  VScrollBar VScroll1{*this, "VScroll1"};
  Image imgFlag{*this, "imgFlag"};
  ProgressBar ProgressBar1{*this, "ProgressBar1"};
};

TEST(Gallery, EveryControlKindIsDrawn) {
  testing::UiHarness harness;
  frmGallery form;
  form.Show();
  platform::Canvas& canvas = form.picGrid.Canvas();
  canvas.FillRect(0, 0, 20, 15, 0x00E0E0);
  canvas.DrawLine(0, 30, 140, 30, 0xC0C0C0);
  DrawTextInRect(&canvas, "Rx-COM1", 25, 0, 80, 15, 0, platform::dt::Left);
  PrintRotatedText(canvas, 5, 95, 90, 12, "Tx-COM1");
  DrawFocusRectangle(&canvas, 40, 40, 120, 80);
  const std::string path = std::string(PELVARON_BUILD_DIR) + "/gallery.png";
  ASSERT_TRUE(testing::SaveScreenshot(form, path));
  EXPECT_FALSE(QImage(QString::fromStdString(path)).isNull());
}

TEST(ShapeControl, BorderLiesInsideAndTheFillOnlyWhenFilled) {
  testing::UiHarness harness;
  Form form("frmShape");
  form.SetClientSize(40, 30);
  form.SetBackColor(RGB(255, 255, 255));
  Shape shpSel(form, "shpSel");
  shpSel.Move(5, 5, 20, 10);
  shpSel.SetBorderColor(RGB(255, 0, 0));
  shpSel.SetBorderWidth(2);
  form.Show();
  QImage shot = form.Window()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(24, 14), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(6, 6), QColor(255, 0, 0));  // two pixels wide
  EXPECT_EQ(shot.pixelColor(7, 7), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(25, 15), QColor(255, 255, 255));  // outside
  shpSel.SetFillColor(RGB(0, 0, 255));
  shot = form.Window()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 9), QColor(255, 255, 255));
  shpSel.SetFilled(true);
  shot = form.Window()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 9), QColor(0, 0, 255));
}

TEST(PictureCanvas, RotatedTextRunsUpwardsFromItsPoint) {
  testing::UiHarness harness;
  Form form("frmText");
  PictureBox pic(form, "pic");
  pic.Move(0, 0, 60, 60);
  pic.SetBackColor(RGB(255, 255, 255));
  pic.SetForeColor(RGB(0, 0, 0));
  PrintRotatedText(pic.Canvas(), 20, 50, 90, 12, "HHHH");
  const QImage image = pic.Image();
  int above = 0, below = 0, right = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != Qt::white) {
        (y < 50 ? above : below) += 1;
        right += x > 20 + 14 ? 1 : 0;
      }
    }
  }
  EXPECT_GT(above, 20);  // the text stands above its reference point
  EXPECT_EQ(below, 0);
  EXPECT_EQ(right, 0);  // and no wider than its height to the right
}

TEST(PictureCanvas, FocusRectangleOnAPictureBoxCancelsOut) {
  testing::UiHarness harness;
  Form form("frmBand");
  PictureBox pic(form, "pic");
  pic.Move(0, 0, 40, 30);
  pic.Canvas().FillRect(5, 5, 25, 20, 0x0000FF);
  const QImage before = pic.Image();
  DrawFocusRectangle(&pic.Canvas(), 2, 2, 30, 25);
  EXPECT_NE(pic.Image(), before);
  DrawFocusRectangle(&pic.Canvas(), 2, 2, 30, 25);
  EXPECT_EQ(pic.Image(), before);
}

}  // namespace
}  // namespace platform::ui
