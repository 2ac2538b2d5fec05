#include "controls/progress_bar.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QProgressBar>

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/testing/ui_harness.h"

namespace {

using Log = std::vector<std::string>;

// Records the messages; a fresh bar has the range 0..100 as the system bar has.
class RecordingBar : public ProgressWindow {
 public:
  RecordingBar(Log& log, int style, bool only16Bit) : log_(log), only16Bit_(only16Bit) {
    log_.push_back("Create style=" + std::to_string(style));
  }
  ~RecordingBar() override { log_.push_back("Destroy"); }
  void SetPos(std::int32_t p) override { Add("PBM_SETPOS " + std::to_string(p)); }
  void SetStep(std::int32_t s) override { Add("PBM_SETSTEP " + std::to_string(s)); }
  void StepIt() override { Add("PBM_STEPIT"); }
  void SetRange32(std::int32_t low, std::int32_t high) override {
    Add("PBM_SETRANGE32 " + std::to_string(low) + " " + std::to_string(high));
    if (!only16Bit_) {
      low_ = low;
      high_ = high;
    }
  }
  void GetRange(std::int32_t& low, std::int32_t& high) const override {
    low = low_;
    high = high_;
  }
  void SetRange(std::int32_t packed) override { Add("PBM_SETRANGE " + std::to_string(packed)); }
  void SetBkColor(std::int32_t c) override { Add("PBM_SETBKCOLOR " + std::to_string(c)); }
  void SetBarColor(std::int32_t c) override { Add("PBM_SETBARCOLOR " + std::to_string(c)); }
  std::int32_t ExStyle() const override { return exStyle_; }
  void SetExStyle(std::int32_t exStyle) override {
    exStyle_ = exStyle;
    Add("ExStyle " + std::to_string(exStyle));
  }
  void Move(int width, int height) override { size_ = QSize(width, height); }
  QSize size_;
  std::int32_t low_ = 0;
  std::int32_t high_ = 100;

 private:
  void Add(std::string message) { log_.push_back(std::move(message)); }
  Log& log_;
  bool only16Bit_;
  std::int32_t exStyle_ = 0;
};

class ProgressBarTest : public ::testing::Test {
 protected:
  platform::ui::testing::UiHarness harness;
  platform::ui::Form form{"frmWizard"};
  Log log;
  Log changed;
  bool only16Bit = false;
  RecordingBar* bar = nullptr;
  QWidget* barParent = nullptr;
  ProgressBar ProgressBar1{form, "ProgressBar1", -1,
                           [this](int style, QWidget* parent, int width, int height) {
                             auto made = std::make_unique<RecordingBar>(log, style, only16Bit);
                             made->size_ = QSize(width, height);
                             bar = made.get();
                             barParent = parent;
                             return made;
                           }};
  // Where the bar lies inside the control's window.
  QRect BarRect() const {
    return QRect(barParent->mapTo(ProgressBar1.Widget(), QPoint(0, 0)), bar->size_);
  }
  void SetUp() override {
    ProgressBar1.PropertyChanged = [this](const std::string& name) { changed.push_back(name); };
  }
};

TEST_F(ProgressBarTest, NewControlKeepsTheBarsOwnRangeWhileMinReadsOne) {
  ProgressBar1.InitProperties(platform::vbButtonFace);
  EXPECT_EQ(ProgressBar1.Min(), 1);
  EXPECT_EQ(ProgressBar1.Max(), 100);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->low_, 0);
  EXPECT_EQ(bar->high_, 100);
  EXPECT_EQ(ProgressBar1.BorderStyle(), 1);
  EXPECT_EQ(ProgressBar1.BackColor(), platform::vbButtonFace);
  EXPECT_EQ(log, (Log{"Create style=0", "PBM_SETPOS 0", "ExStyle 131072"}));
  EXPECT_EQ(changed, (Log{"BorderStyle"}));
}

TEST_F(ProgressBarTest, EqualValuesSendAndMarkNothing) {
  ProgressBar1.InitProperties(platform::vbButtonFace);
  log.clear();
  changed.clear();
  ProgressBar1.SetMin(1);
  ProgressBar1.SetMax(100);
  ProgressBar1.SetPosition(0);
  ProgressBar1.SetStep(1);
  ProgressBar1.SetSmooth(false);
  ProgressBar1.SetOrientation(0);
  ProgressBar1.SetBorderStyle(1);
  ProgressBar1.SetForeColor(platform::vbHighlight);
  ProgressBar1.SetBackColor(platform::vbButtonFace);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(changed.empty());
}

TEST_F(ProgressBarTest, StoredInstanceOfTheMainWindow) {
  ProgressBar1.ReadProperties({{"Smooth", -1}, {"Min", 1}});
  EXPECT_TRUE(ProgressBar1.Smooth());
  EXPECT_EQ(log.front(), "Create style=1");
  // Min 1 and Max 100 equal the fields: no range is sent.
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& m) { return m.rfind("PBM_SETRANGE", 0) == 0; }),
            0);
  EXPECT_EQ(ProgressBar1.BorderStyle(), 1);
  PropertyStore saved;
  ProgressBar1.WriteProperties(saved);
  EXPECT_EQ(saved, (PropertyStore{{"Smooth", -1}, {"Min", 1}}));
}

TEST_F(ProgressBarTest, RebuildKeepsPositionRangeBorderAndColours) {
  ProgressBar1.InitProperties(platform::vbButtonFace);
  ProgressBar1.SetMin(0);
  ProgressBar1.SetMax(500);
  ProgressBar1.SetPosition(250);
  ProgressBar1.SetForeColor(platform::RGB(255, 0, 0));
  ProgressBar1.SetBorderStyle(2);
  log.clear();
  ProgressBar1.SetOrientation(1);
  EXPECT_EQ(log,
            (Log{"Destroy", "Create style=4", "PBM_SETPOS 250", "PBM_SETRANGE32 0 500",
                 "PBM_SETPOS 250", "ExStyle 0", "PBM_SETBKCOLOR 13160660", "PBM_SETBARCOLOR 255"}));
  EXPECT_EQ(ProgressBar1.Position(), 250);
  EXPECT_EQ(bar->high_, 500);
  log.clear();
  ProgressBar1.SetSmooth(true);
  EXPECT_EQ(log[1], "Create style=5");
}

TEST_F(ProgressBarTest, BorderStylesPutTheEdgeOnTheControlOrTheBar) {
  ProgressBar1.InitProperties(0);
  ProgressBar1.SetBorderStyle(2);
  EXPECT_EQ(ProgressBar1.ControlExStyle(), WS_EX_CLIENTEDGE);
  EXPECT_EQ(bar->ExStyle(), 0);
  ProgressBar1.SetBorderStyle(1);
  EXPECT_EQ(ProgressBar1.ControlExStyle(), 0);
  EXPECT_EQ(bar->ExStyle(), WS_EX_STATICEDGE);
  ProgressBar1.SetBorderStyle(0);
  EXPECT_EQ(ProgressBar1.ControlExStyle(), 0);
  EXPECT_EQ(bar->ExStyle(), 0);
  ProgressBar1.SetBorderStyle(7);
  EXPECT_EQ(bar->ExStyle(), 0);
}

TEST_F(ProgressBarTest, BarFillsTheSpaceInsideTheSunkenEdge) {
  form.Show();  // a hidden window learns of its new size only when shown
  ProgressBar1.Move(0, 0, 200, 20);
  ProgressBar1.ReadProperties({{"BorderStyle", 2}});
  const int edge = static_cast<QFrame*>(ProgressBar1.Widget())->frameWidth();
  ASSERT_GT(edge, 0);
  const QRect inside(edge, edge, 200 - 2 * edge, 20 - 2 * edge);
  EXPECT_EQ(BarRect(), inside);
  ProgressBar1.Move(0, 0, 300, 30);
  EXPECT_EQ(BarRect(), QRect(edge, edge, 300 - 2 * edge, 30 - 2 * edge));
  ProgressBar1.SetSmooth(true);  // a rebuilt bar lies inside the edge as well
  EXPECT_EQ(BarRect(), QRect(edge, edge, 300 - 2 * edge, 30 - 2 * edge));
  ProgressBar1.SetBorderStyle(1);  // without the control's edge the bar takes it all
  EXPECT_EQ(BarRect(), QRect(0, 0, 300, 30));
  ProgressBar1.SetBorderStyle(2);
  EXPECT_EQ(BarRect(), QRect(edge, edge, 300 - 2 * edge, 30 - 2 * edge));
}

TEST_F(ProgressBarTest, UntranslatableColourIsSentAsMinusOne) {
  ProgressBar1.InitProperties(0);
  log.clear();
  ProgressBar1.SetBackColor(static_cast<std::int32_t>(0x80000040u));
  ProgressBar1.SetForeColor(0x7F000000);
  EXPECT_EQ(log, (Log{"PBM_SETBKCOLOR -1", "PBM_SETBARCOLOR -1"}));
  EXPECT_EQ(ProgressBar1.BackColor(), static_cast<std::int32_t>(0x80000040u));
}

TEST_F(ProgressBarTest, StepItMovesTheBarOrThePositionField) {
  ProgressBar1.SetStep(7);
  ProgressBar1.StepIt();
  EXPECT_EQ(ProgressBar1.Position(), 7);  // no bar yet
  ProgressBar1.SetPosition(std::numeric_limits<std::int32_t>::max() - 3);
  EXPECT_FALSE(ProgressBar1.StepIt());
  EXPECT_EQ(ProgressBar1.Position(), std::numeric_limits<std::int32_t>::max() - 3);
  ProgressBar1.SetPosition(10);
  ProgressBar1.InitProperties(0);
  log.clear();
  ProgressBar1.StepIt();
  EXPECT_EQ(log, (Log{"PBM_STEPIT"}));
  EXPECT_EQ(ProgressBar1.Position(), 10);
}

TEST_F(ProgressBarTest, SixteenBitBarGetsThePackedRange) {
  only16Bit = true;
  ProgressBar1.InitProperties(0);
  log.clear();
  ProgressBar1.SetMax(70000);
  EXPECT_EQ(log, (Log{"PBM_SETRANGE32 1 70000",
                      "PBM_SETRANGE " + std::to_string((70000 & 0xFFFF) << 16 | 1)}));
}

TEST_F(ProgressBarTest, SettersWithoutABarOnlyStore) {
  ProgressBar1.SetMax(10);
  ProgressBar1.SetPosition(5);
  ProgressBar1.SetOrientation(1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(changed, (Log{"Max", "Position", "Orientation"}));
  EXPECT_EQ(ProgressBar1.hwnd(), nullptr);
}

TEST(ProgressBarQt, RealBarFollowsTheProperties) {
  platform::ui::testing::UiHarness harness;
  platform::ui::Form form("frmWizard");
  ProgressBar ProgressBar1(form, "ProgressBar1");
  ProgressBar1.Move(0, 0, 200, 20);
  ProgressBar1.ReadProperties({{"Smooth", -1}, {"Min", 1}});
  ProgressBar1.SetMax(50);
  ProgressBar1.SetPosition(25);
  std::int32_t low = 0, high = 0;
  ProgressBar1.hwnd()->GetRange(low, high);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 50);
  ProgressBar1.SetOrientation(1);
  ProgressBar1.hwnd()->GetRange(low, high);
  EXPECT_EQ(high, 50);
}

TEST(ProgressBarQt, SunkenEdgeStaysVisibleRoundTheBar) {
  platform::ui::testing::UiHarness harness;
  platform::ui::Form form("frmWizard");
  ProgressBar ProgressBar1(form, "ProgressBar1");
  form.Show();
  ProgressBar1.Move(0, 0, 200, 20);
  ProgressBar1.ReadProperties({{"BorderStyle", 2}});
  ProgressBar1.Move(0, 0, 240, 24);
  const int edge = static_cast<QFrame*>(ProgressBar1.Widget())->frameWidth();
  const auto* qtBar = ProgressBar1.Widget()->findChild<QProgressBar*>();
  ASSERT_NE(qtBar, nullptr);
  const QRect shown(qtBar->mapTo(ProgressBar1.Widget(), QPoint(0, 0)), qtBar->size());
  EXPECT_EQ(shown, QRect(edge, edge, 240 - 2 * edge, 24 - 2 * edge));
}

// A position outside the range shows as the nearest end, also one that a new range
// leaves outside; Position still reads what was set.
TEST(ProgressBarQt, PositionOutsideTheRangeShowsAsItsNearestEnd) {
  platform::ui::testing::UiHarness harness;
  platform::ui::Form form("frmWizard");
  ProgressBar ProgressBar1(form, "ProgressBar1");
  ProgressBar1.ReadProperties({{"Smooth", -1}, {"Min", 1}});
  ProgressBar1.SetMax(50);
  const auto* qtBar = ProgressBar1.Widget()->findChild<QProgressBar*>();
  ASSERT_NE(qtBar, nullptr);
  const struct {
    std::int32_t position;
    int shown;
  } cases[] = {{25, 25}, {80, 50}, {51, 50}, {0, 1}, {-7, 1}, {50, 50}, {1, 1}};
  for (const auto& c : cases) {
    ProgressBar1.SetPosition(c.position);
    EXPECT_EQ(qtBar->value(), c.shown) << c.position;
    EXPECT_EQ(ProgressBar1.Position(), c.position);
  }
  ProgressBar1.SetPosition(40);
  ProgressBar1.SetMax(20);
  EXPECT_EQ(qtBar->value(), 20);
  ProgressBar1.SetMin(10);
  ProgressBar1.SetMax(15);
  EXPECT_EQ(qtBar->value(), 15);
  ProgressBar1.SetMin(16);
  EXPECT_EQ(qtBar->value(), 16);
}

}  // namespace
