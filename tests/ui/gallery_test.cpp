#include <gtest/gtest.h>

#include <QImage>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"
#include "project/drawing.h"
#include "tests/ui/gallery_form.h"

namespace platform::ui {
namespace {

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
