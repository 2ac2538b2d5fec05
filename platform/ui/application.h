#pragma once

#include <optional>
#include <string>

namespace platform::ui {

class Form;

// Creates the application object once, installs the window layer's DoEvents hook
// and message boxes. Forms call EnsureApplication themselves; the program calls
// InitApplication first with its command line.
void InitApplication(int& argc, char** argv);
void EnsureApplication();

// Shows the form and runs the event loop until it is unloaded.
int RunApplication(Form& mainForm);

// Ends the process at once, from however deep in event handling it is called: no
// further Form_Unload runs and no handler that called it goes on. While a test harness
// lives, it is only recorded and returns.
void EndProgram();

// The title of message boxes shown without one.
void SetDefaultTitle(const std::string& title);
std::string DefaultTitle();

struct ScreenSize {
  int width = 0;
  int height = 0;
};
// Pixels of the primary screen, or the override.
ScreenSize GetScreenSize();
void SetScreenSizeOverride(std::optional<ScreenSize> size);

void SetClipboardText(const std::string& text);
std::string ClipboardText();

}  // namespace platform::ui
