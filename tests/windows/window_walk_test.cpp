#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/common/fake_opener.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "tests/windows/walked_windows.h"

namespace {

namespace ui = platform::ui;
namespace uitest = platform::ui::testing;

// The mouse moves that a control's MouseMove handler received.
struct SeenMoves {
  std::vector<QPointF> points;
};

// Every control of a window under the mouse: moved over at several points, clicked
// where a click is harmless. The window's own handlers run as well.
class WindowWalk : public WizardTest, public ::testing::WithParamInterface<WalkedWindow> {
 protected:
  WindowWalk() { platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER); }

  // Records each control's moves in front of the window's own handler.
  void Watch(ui::Form& form) {
    for (ui::Control* control : form.Controls()) {
      ui::MouseHandler own = control->MouseMove;
      SeenMoves& seen = moves_[control];
      control->MouseMove = [own, &seen](int Button, int Shift, float X, float Y) {
        seen.points.emplace_back(X, Y);
        if (own) {
          own(Button, Shift, X, Y);
        }
      };
    }
  }

  // The control whose events a mouse event at the window point is.
  static ui::Control* ControlAt(ui::Form& form, QPoint inWindow) {
    std::map<QWidget*, ui::Control*> byWidget;
    for (ui::Control* control : form.Controls()) {
      byWidget[control->Widget()] = control;
    }
    for (QWidget* widget = form.Window()->childAt(inWindow); widget != nullptr;
         widget = widget->parentWidget()) {
      if (auto it = byWidget.find(widget); it != byWidget.end()) {
        return it->second;
      }
    }
    return nullptr;
  }

  // Corners, edges and middle of the control.
  static std::vector<QPoint> WalkPoints(const ui::Control& control) {
    const int right = control.Width() - 1;
    const int bottom = control.Height() - 1;
    return {{right / 2, bottom / 2}, {1, 1},
            {right - 1, 1},          {1, bottom - 1},
            {right - 1, bottom - 1}, {right / 4, bottom * 3 / 4}};
  }

  // A click runs a button's command (a device flow, a dialog, the end of the program);
  // on every other control it only selects, ticks, focuses or opens a list.
  static bool HarmlessToClick(const ui::Control& control) {
    return dynamic_cast<const ui::CommandButton*>(&control) == nullptr;
  }

  static void ClosePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    }
  }

  void WalkControl(ui::Form& form, ui::Control& control) {
    QWindow* window = form.Window()->windowHandle();
    const std::vector<QPoint> points = WalkPoints(control);
    for (std::size_t i = 0; i < points.size(); ++i) {
      const QPoint inWindow = control.Widget()->mapTo(form.Window(), points[i]);
      if (inWindow.x() <= 0 || inWindow.y() <= 0 || !form.Window()->rect().contains(inWindow)) {
        continue;  // outside the window, or the point Qt Test takes for "the middle"
      }
      ui::Control* target = ControlAt(form, inWindow);
      SeenMoves& seen = moves_[&control];
      const std::size_t before = seen.points.size();
      QTest::mouseMove(window, inWindow);
      ASSERT_TRUE(form.IsLoaded()) << "after a move at " << points[i].x() << "," << points[i].y();
      if (target != &control || !control.Widget()->isEnabled()) {
        continue;  // another control lies on top there
      }
      const QPoint expected = points[i] - uitest::ClientOrigin(control);
      EXPECT_LE(seen.points.size(), before + 1) << "one move, one event";
      if (seen.points.size() > before) {
        EXPECT_EQ(seen.points.back(), QPointF(expected));
      } else {
        // Only the inner scroll bars of a box may keep a move from it.
        EXPECT_NE(i, 0u) << "no MouseMove in the middle";
      }
      if (i == 0 && HarmlessToClick(control)) {
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow);
        ClosePopups();
        ASSERT_TRUE(form.IsLoaded()) << "after a click";
      }
    }
  }

  // No handler got a point outside its control.
  void ExpectMovesInside() {
    for (const auto& [control, seen] : moves_) {
      for (const QPointF& point : seen.points) {
        EXPECT_TRUE(point.x() >= 0 && point.y() >= 0 && point.x() < control->Width() &&
                    point.y() < control->Height())
            << control->Name() << "(" << control->Index() << ") at " << point.x() << ","
            << point.y();
      }
    }
  }

  FakeOpener opener;  // the links open nothing

 private:
  std::map<ui::Control*, SeenMoves> moves_;
};

TEST_P(WindowWalk, EveryControlTakesTheMouse) {
  const WalkedWindow& walked = GetParam();
  std::unique_ptr<ui::Form> form = walked.open(ui);
  ASSERT_TRUE(form->IsLoaded());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Window()));
  Watch(*form);
  const std::vector<std::function<void(ui::Form&)>> states = StatesOf(walked);
  for (std::size_t s = 0; s < states.size(); ++s) {
    SCOPED_TRACE("state " + std::to_string(s));
    states[s](*form);
    uitest::ProcessEvents();
    for (ui::Control* control : form->Controls()) {
      if (!control->Widget()->isVisible()) {
        continue;
      }
      SCOPED_TRACE(control->Name() + "(" + std::to_string(control->Index()) + ")");
      WalkControl(*form, *control);
      if (::testing::Test::HasFatalFailure()) {
        return;
      }
      states[s](*form);  // a click may have changed what is shown
    }
  }
  ExpectMovesInside();
  EXPECT_FALSE(ui.ProgramEnded());
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowWalk, ::testing::ValuesIn(WalkedWindows()),
                         [](const ::testing::TestParamInfo<WalkedWindow>& info) {
                           return info.param.name;
                         });

}  // namespace
