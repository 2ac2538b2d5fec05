#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "platform/ui/testing/ui_harness.h"
#include "tests/common/temp_folder.h"

// A headless main window over a settings store and a program folder of its own. The
// PC ports point at paths that do not exist unless a test maps them.
class WizardTest : public ::testing::Test {
 protected:
  WizardTest();
  ~WizardTest() override;

  // Creates the window and runs its load handler.
  frmWizard& Start();
  void WriteLanguageFile(const std::string& content);
  void StoreSetting(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value);
  // Next (1) or Back (0) as the user clicks it.
  void Navigate(int index);

  platform::ui::testing::UiHarness ui;
  TempFolder config;
  TempFolder program;
  std::unique_ptr<frmWizard> wizard;
};

// Two languages: German and English, with a few captions and messages.
extern const char* const kTwoLanguageFile;
