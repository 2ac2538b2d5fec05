#include "controls/balloon_tool_tip.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/ui/testing/ui_harness.h"

namespace {

using platform::ui::testing::ShownTipWindow;
using Log = std::vector<std::string>;

// Records the messages a tip window receives.
class RecordingTipWindow : public TipWindow {
 public:
  explicit RecordingTipWindow(Log& log) : log_(log) {}
  ~RecordingTipWindow() override { log_.push_back("DestroyWindow"); }
  void Activate(bool active) override { Add("TTM_ACTIVATE " + std::to_string(active)); }
  void SetDelayTime(int which, int ms) override {
    Add("TTM_SETDELAYTIME " + std::to_string(which) + " " + std::to_string(ms));
  }
  void AddTool(const ToolInfo& tool) override {
    Add("TTM_ADDTOOLA flags=" + std::to_string(tool.uFlags) +
        " size=" + std::to_string(tool.cbSize) + " text=" + tool.lpszText);
  }
  void UpdateTipText(const ToolInfo& tool) override { Add("TTM_UPDATETIPTEXTA " + tool.lpszText); }
  void TrackActivate(bool active, const ToolInfo&) override {
    Add("TTM_TRACKACTIVATE " + std::to_string(active));
  }
  void TrackPosition(std::int32_t packed) override {
    Add("TTM_TRACKPOSITION " + std::to_string(packed));
  }
  void SetTipBkColor(std::int32_t color) override {
    Add("TTM_SETTIPBKCOLOR " + std::to_string(color));
  }
  void SetTipTextColor(std::int32_t color) override {
    Add("TTM_SETTIPTEXTCOLOR " + std::to_string(color));
  }
  void SetTitle(int icon, const std::string& title) override {
    Add("TTM_SETTITLEA " + std::to_string(icon) + " " + title);
  }
  void SetFont(const QFont& font, bool redraw) override {
    Add("WM_SETFONT " + font.family().toStdString() + " " + std::to_string(redraw));
  }

 private:
  void Add(std::string message) { log_.push_back(std::move(message)); }
  Log& log_;
};

class BalloonToolTipTest : public ::testing::Test {
 protected:
  platform::ui::testing::UiHarness harness;
  Log log;
  int created = 0;
  int lastStyle = -1;
  bool failCreation = false;
  CBalloonToolTip tip{[this](int style, QWidget*) -> std::unique_ptr<TipWindow> {
    lastStyle = style;
    if (failCreation) {
      return nullptr;
    }
    ++created;
    return std::make_unique<RecordingTipWindow>(log);
  }};
  QWidget grid;
};

TEST_F(BalloonToolTipTest, StartsWithTheDocumentedValues) {
  EXPECT_EQ(tip.DelayTime(), 500);
  EXPECT_EQ(tip.VisibleTime(), 5000);
  EXPECT_FALSE(tip.PopupOnDemand());
  EXPECT_FALSE(tip.Enabled());
  EXPECT_EQ(tip.TipFont(), nullptr);
}

TEST_F(BalloonToolTipTest, CreateSendsToolTitleAndTimesAsTheMatrixEditorsSetThem) {
  tip.SetStyle(0);
  tip.SetIcon(1);
  tip.SetTitle("Filter");
  tip.SetDelayTime(100);
  tip.SetVisibleTime(30000);
  EXPECT_TRUE(log.empty());  // nothing to send to before the window exists
  EXPECT_TRUE(tip.CreateToolTip(&grid));
  EXPECT_EQ(lastStyle, 0);
  EXPECT_EQ(log, (Log{"TTM_ADDTOOLA flags=17 size=44 text=", "TTM_SETTITLEA 1 Filter",
                      "TTM_SETDELAYTIME 2 30000", "TTM_SETDELAYTIME 3 100"}));
}

TEST_F(BalloonToolTipTest, ToolFlagsFollowCenteredAndPopupOnDemand) {
  const int expected[2][2] = {{0x11, 0x121}, {0x13, 0x23}};
  for (int centered = 0; centered < 2; ++centered) {
    for (int onDemand = 0; onDemand < 2; ++onDemand) {
      log.clear();
      tip.SetCentered(centered == 1);
      tip.SetPopupOnDemand(onDemand == 1);
      tip.CreateToolTip(&grid);
      const std::string flags = "flags=" + std::to_string(expected[centered][onDemand]) + " ";
      const auto& add = log[log[0] == "DestroyWindow" ? 1 : 0];
      EXPECT_NE(add.find(flags), std::string::npos) << add;
    }
  }
}

TEST_F(BalloonToolTipTest, BalloonStyleOnlyForStyleOne) {
  tip.SetStyle(1);
  tip.CreateToolTip(&grid);
  EXPECT_EQ(lastStyle, TTS_BALLOON);
  tip.SetStyle(2);
  tip.CreateToolTip(&grid);
  EXPECT_EQ(lastStyle, 0);
}

TEST_F(BalloonToolTipTest, BlackCountsAsUnsetAtCreationButSettersSendIt) {
  tip.SetForeColor(0);
  tip.SetBackColor(0x00FFFF);
  tip.CreateToolTip(&grid);
  EXPECT_EQ(std::count(log.begin(), log.end(), "TTM_SETTIPTEXTCOLOR 0"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "TTM_SETTIPBKCOLOR 65535"), 1);
  log.clear();
  tip.SetForeColor(0);
  tip.SetBackColor(0);
  EXPECT_EQ(log, (Log{"TTM_SETTIPTEXTCOLOR 0", "TTM_SETTIPBKCOLOR 0"}));
}

TEST_F(BalloonToolTipTest, TitleNeedsBothTitleAndIconInTheSetters) {
  tip.CreateToolTip(&grid);
  log.clear();
  tip.SetTitle("T");  // Icon 0
  tip.SetIcon(0);
  EXPECT_TRUE(log.empty());
  tip.SetIcon(2);
  EXPECT_EQ(log, (Log{"TTM_SETTITLEA 2 T"}));
  log.clear();
  tip.SetTitle("");
  tip.SetIcon(3);  // Title ""
  EXPECT_TRUE(log.empty());
  // CreateToolTip sends the title when either is set.
  tip.CreateToolTip(&grid);
  EXPECT_NE(std::find(log.begin(), log.end(), "TTM_SETTITLEA 3 "), log.end());
}

TEST_F(BalloonToolTipTest, EnabledSendsOnlyChanges) {
  tip.SetEnabled(true);  // no window: stored only
  EXPECT_FALSE(tip.Enabled());
  tip.CreateToolTip(&grid);
  EXPECT_TRUE(tip.Enabled());
  log.clear();
  tip.SetEnabled(true);
  EXPECT_TRUE(log.empty());
  tip.SetEnabled(false);
  tip.SetEnabled(false);
  tip.SetEnabled(true);
  EXPECT_EQ(log, (Log{"TTM_ACTIVATE 0", "TTM_ACTIVATE 1"}));
}

TEST_F(BalloonToolTipTest, FirstEnabledFalseSendsNothing) {
  tip.CreateToolTip(&grid);
  log.clear();
  tip.SetEnabled(false);
  EXPECT_TRUE(log.empty());
  tip.SetEnabled(true);
  EXPECT_EQ(log, (Log{"TTM_ACTIVATE 1"}));
}

TEST_F(BalloonToolTipTest, DestroyTwiceDestroysOnceAndLeavesSettersStoring) {
  tip.CreateToolTip(&grid);
  tip.Destroy();
  tip.Destroy();
  EXPECT_EQ(std::count(log.begin(), log.end(), "DestroyWindow"), 1);
  log.clear();
  tip.SetTipText("hover");
  tip.Show(1, 2);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(tip.TipText(), "hover");
}

TEST_F(BalloonToolTipTest, SecondCreateReplacesTheWindow) {
  tip.CreateToolTip(&grid);
  tip.CreateToolTip(&grid);
  EXPECT_EQ(created, 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "DestroyWindow"), 1);
}

TEST_F(BalloonToolTipTest, ShowWithoutClientUsesScreenCoordinates) {
  tip.CreateToolTip(&grid);
  log.clear();
  tip.Show(30, 4);
  EXPECT_EQ(log,
            (Log{"TTM_TRACKPOSITION " + std::to_string(4 * 65536 + 30), "TTM_TRACKACTIVATE 1"}));
  log.clear();
  grid.move(100, 50);
  const QPoint screen = grid.mapToGlobal(QPoint(30, 4));
  tip.Show(30, 4, &grid);
  EXPECT_EQ(log[0], "TTM_TRACKPOSITION " + std::to_string(screen.y() * 65536 + screen.x()));
}

TEST_F(BalloonToolTipTest, FarOffPointsArePackedWithoutOverflow) {
  tip.CreateToolTip(&grid);
  log.clear();
  tip.Show(40000, 40000);
  tip.Show(-1, 10);
  EXPECT_EQ(log[0], "TTM_TRACKPOSITION " +
                        std::to_string(static_cast<std::int32_t>(40000u * 65536u + 40000u)));
  EXPECT_EQ(log[2], "TTM_TRACKPOSITION " + std::to_string(10 * 65536 - 1));
}

TEST_F(BalloonToolTipTest, TipTextAndFontGoToTheWindow) {
  tip.SetTipText("before");
  tip.CreateToolTip(&grid);
  EXPECT_EQ(log[0], "TTM_ADDTOOLA flags=17 size=44 text=before");
  log.clear();
  tip.SetTipText("Zeile 1");
  auto font = std::make_shared<QFont>("Arial");
  tip.SetTipFont(font);
  EXPECT_EQ(log, (Log{"TTM_UPDATETIPTEXTA Zeile 1", "WM_SETFONT Arial 1"}));
  EXPECT_EQ(tip.TipFont(), font);
}

TEST_F(BalloonToolTipTest, FailedCreationLeavesNoWindow) {
  failCreation = true;
  EXPECT_FALSE(tip.CreateToolTip(&grid));
  tip.SetEnabled(true);
  EXPECT_FALSE(tip.Enabled());
  tip.SetBackColor(5);
  tip.Show(1, 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(BalloonToolTipTest, QtTipWindowCanBeDrivenHeadless) {
  CBalloonToolTip real;
  real.SetIcon(1);
  real.SetTitle("Titel");
  real.SetDelayTime(0);
  EXPECT_TRUE(real.CreateToolTip(&grid));
  real.SetEnabled(true);
  real.Show(10, 10, &grid);
  real.SetTipText("Text");
  real.SetEnabled(false);
  real.Destroy();
}

// The matrix editors' tip is no tracking tip: it shows beside the mouse pointer
// whatever point Show gets (they pass grid coordinates without a window). A tracking
// tip stands at the point Show gives, in the client window's coordinates.
TEST(QtTipPosition, BesideThePointerOrAtTheTrackedPoint) {
  platform::ui::testing::UiHarness harness;
  QWidget grid;
  grid.setGeometry(100, 80, 200, 150);
  grid.show();
  struct Case {
    bool popupOnDemand;
    QPoint pointer;
    QPoint expected;
  };
  for (const Case& c : {Case{false, {300, 200}, {312, 216}}, Case{false, {420, 90}, {432, 106}},
                        Case{true, {300, 200}, {110, 100}}, Case{true, {420, 90}, {110, 100}}}) {
    SCOPED_TRACE(std::to_string(c.popupOnDemand) + " " + std::to_string(c.pointer.x()));
    CBalloonToolTip tip;
    tip.SetPopupOnDemand(c.popupOnDemand);
    tip.SetDelayTime(0);
    tip.CreateToolTip(&grid);
    tip.SetEnabled(true);
    QCursor::setPos(c.pointer);
    tip.Show(10, 20, c.popupOnDemand ? &grid : nullptr);
    tip.SetTipText("Eingang 3");
    ASSERT_NE(ShownTipWindow(2000), nullptr);
    EXPECT_EQ(ShownTipWindow()->pos(), c.expected);
    // The next move takes a tip beside the pointer along.
    QCursor::setPos(c.pointer + QPoint(5, 7));
    tip.Show(11, 20, c.popupOnDemand ? &grid : nullptr);
    EXPECT_EQ(ShownTipWindow()->pos(),
              c.popupOnDemand ? c.expected + QPoint(1, 0) : c.expected + QPoint(5, 7));
  }
}

}  // namespace

namespace {

// A tip beside the pointer, as the matrix editors show theirs: shown, then given its text.
QWidget* TipBesidePointer(CBalloonToolTip& tip, QWidget& grid, QPoint pointer,
                          const std::string& text) {
  tip.SetIcon(1);
  tip.SetTitle("Status Register");
  tip.SetDelayTime(0);
  tip.CreateToolTip(&grid);
  tip.SetEnabled(true);
  QCursor::setPos(pointer);
  tip.Show(pointer.x(), pointer.y());
  tip.SetTipText("x");
  QWidget* shown = ShownTipWindow(2000);
  tip.Show(pointer.x(), pointer.y());
  tip.SetTipText(text);  // wider once it shows
  return shown;
}

// At every edge and corner of the screen the tip lies on it, beside the pointer and not
// over it: at the right edge it moves left, at the bottom it stands above the pointer.
// A tracking tip moves onto the screen as well.
TEST(QtTipPosition, StaysOnTheScreenAtEveryEdge) {
  platform::ui::testing::UiHarness harness;
  QWidget grid;
  grid.setGeometry(100, 80, 200, 150);
  grid.show();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int left = screen.left();
  const int top = screen.top();
  const int right = screen.right();
  const int bottom = screen.bottom();
  const QPoint middle = screen.center();
  struct Case {
    QPoint pointer;
    bool movedLeft;
    bool above;
  };
  const Case cases[] = {
      {{left, top}, false, false},
      {{middle.x(), top}, false, false},
      {{right, top}, true, false},
      {{right, middle.y()}, true, false},
      {{right - 30, bottom - 5}, true, true},
      {{right, bottom}, true, true},
      {{middle.x(), bottom}, false, true},
      {{left, bottom}, false, true},
      {{left, middle.y()}, false, false},
      {{middle.x(), middle.y()}, false, false},
  };
  const std::string text = "Rx-COM1: 32. <SUB> end of file, a long name\r\nTx-COM1: 32. <del> key";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pointer.x()) + "," + std::to_string(c.pointer.y()));
    CBalloonToolTip tip;
    QWidget* shown = TipBesidePointer(tip, grid, c.pointer, text);
    ASSERT_NE(shown, nullptr);
    const QRect placed = shown->frameGeometry();
    EXPECT_TRUE(screen.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    EXPECT_FALSE(placed.contains(c.pointer));
    EXPECT_EQ(placed.right() == right, c.movedLeft);
    EXPECT_EQ(placed.bottom() < c.pointer.y(), c.above);
    if (!c.movedLeft) {
      EXPECT_EQ(placed.left(), c.pointer.x() + 12);
    }
    if (!c.above) {
      EXPECT_EQ(placed.top(), c.pointer.y() + 16);
    }
  }
  CBalloonToolTip tracked;
  tracked.SetPopupOnDemand(true);
  tracked.SetDelayTime(0);
  tracked.CreateToolTip(&grid);
  tracked.SetEnabled(true);
  tracked.SetTipText(text);
  tracked.Show(right - 5, bottom - 5);
  ASSERT_NE(ShownTipWindow(2000), nullptr);
  EXPECT_TRUE(screen.contains(ShownTipWindow()->frameGeometry()));
}

}  // namespace
