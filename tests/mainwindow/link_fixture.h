#pragma once

#include <string>

class QWindow;

#include "tests/mainwindow/wizard_fixture.h"

// The main window shown on one of its link pages, driven through Qt's own event dispatch.
class LinkPageTest : public WizardTest {
 protected:
  // Starts the window, makes a new project and walks to page 2 or 3.
  frmWizard& OpenLinkPage(int page);
  // Names every entry of every list: short ones, exactly 14 characters and longer ones.
  static void NameEveryEntry();
  // Writes the project in memory as a file of that name, then empties the memory.
  std::string WriteProjectAndForgetIt(const std::string& name);
  // Starts the window on page 1 and loads the project file through the file dialog.
  frmWizard& LoadThroughFileDialog(const std::string& path);
  // The bytes of the project saved through the file dialog.
  std::string SavedThroughFileDialog();

  // Input as a user gives it, to whatever has the keyboard focus in the window.
  void Type(const std::string& text);
  void PressKey(int keyCode, int shift = 0);
  // Focus by a mouse click into the control.
  void ClickInto(platform::ui::Control& control);
  // Pastes text with Shift+Insert, as the clipboard holds it.
  void Paste(const std::string& text);
  // The next item of a combo, picked with the Down key.
  void PickNextItem(platform::ui::ComboBox& combo);
  void DoubleClickAt(platform::ui::Control& control, int x);
  void MoveMouseOver(platform::ui::Control& control, int x = 3, int y = 3);

 private:
  QWindow* Window();
};
