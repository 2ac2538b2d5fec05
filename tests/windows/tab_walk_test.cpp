// Every Tab stop of every window, in each of its states, as the user meets it with Tab:
// a control that is shown, enabled and has a use on the keyboard. A picture area is a
// stop only where it handles keys (the matrix grids).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "tests/windows/walked_windows.h"

namespace {

namespace ui = platform::ui;

// The control that holds the widget: the widget itself or an inner widget of it.
ui::Control* OwnerOf(ui::Form& form, const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (ui::Control* control : form.Controls()) {
      if (control->Widget() == widget) {
        return control;
      }
    }
  }
  return nullptr;
}

class TabWalk : public WizardTest, public ::testing::WithParamInterface<WalkedWindow> {
 protected:
  TabWalk() { platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER); }

  // Tab until the focus comes back to a stop already met; the stops in their order.
  static std::vector<ui::Control*> Stops(ui::Form& form) {
    std::vector<ui::Control*> stops;
    std::set<const QWidget*> met;
    for (std::size_t tab = 0; tab <= form.Controls().size(); ++tab) {
      QTest::keyClick(form.Window()->windowHandle(), Qt::Key_Tab);
      const QWidget* focus = form.Window()->focusWidget();
      if (focus == nullptr || !met.insert(focus).second) {
        break;
      }
      stops.push_back(OwnerOf(form, focus));
    }
    return stops;
  }
};

TEST_P(TabWalk, EveryStopIsShownEnabledAndOfUseOnTheKeyboard) {
  const WalkedWindow& walked = GetParam();
  std::unique_ptr<ui::Form> form = walked.open(ui);
  ASSERT_TRUE(QTest::qWaitForWindowActive(form->Window()));
  const std::vector<std::function<void(ui::Form&)>> states = StatesOf(walked);
  for (std::size_t s = 0; s < states.size(); ++s) {
    SCOPED_TRACE("state " + std::to_string(s));
    states[s](*form);
    const std::vector<ui::Control*> stops = Stops(*form);
    EXPECT_FALSE(stops.empty());
    for (ui::Control* stop : stops) {
      ASSERT_NE(stop, nullptr) << "the focus is on a control";
      EXPECT_TRUE(stop->Widget()->isVisible() && stop->Widget()->isEnabled()) << stop->Name();
      if (dynamic_cast<ui::PictureBox*>(stop) != nullptr) {
        EXPECT_TRUE(stop->KeyDown) << stop->Name() << " is a picture area without keys";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, TabWalk, ::testing::ValuesIn(WalkedWindows()),
                         [](const ::testing::TestParamInfo<WalkedWindow>& info) {
                           return info.param.name;
                         });

}  // namespace
