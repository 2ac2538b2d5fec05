#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/testing/ui_harness.h"

// A window as the mouse walk meets it: made and shown by open, then walked in each of
// its states (the wizard's pages); a window with one state has none listed.
struct WalkedWindow {
  std::string name;
  std::function<std::unique_ptr<platform::ui::Form>(platform::ui::testing::UiHarness&)> open;
  std::vector<std::function<void(platform::ui::Form&)>> states;
};

// A window shown as it is made; prepare sets the program state it opens with.
template <class Window>
WalkedWindow Walk(std::string name, std::function<void()> prepare = {}) {
  return {std::move(name),
          [prepare](platform::ui::testing::UiHarness&) {
            if (prepare) {
              prepare();
            }
            auto window = std::make_unique<Window>();
            window->Show();
            return std::unique_ptr<platform::ui::Form>(std::move(window));
          },
          {}};
}

// Every window of the program.
const std::vector<WalkedWindow>& WalkedWindows();
// The window's states; one that leaves it as it opened when it lists none.
std::vector<std::function<void(platform::ui::Form&)>> StatesOf(const WalkedWindow& window);
