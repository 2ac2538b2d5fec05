// No two controls shown together share an access key ("&" and a letter), in the built-in
// German texts or in any language of the shipped language file: Alt and the letter would
// only move the focus between them.
#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "tests/windows/walked_windows.h"
#include "texts/language_file.h"

namespace {

namespace ui = platform::ui;

constexpr int kLastLanguage = 5;

// 0 (the built-in German texts), then every language the shipped file names.
std::vector<int> Languages() {
  std::vector<int> languages = {0};
  std::optional<std::string> header;
  ReadLanguageFile([&header](std::string_view line) {
    if (!header) {
      header = std::string(line);
    }
  });
  for (int language = 1; header && language <= kLastLanguage; ++language) {
    if (!GetLangField(*header, language + 1).empty()) {
      languages.push_back(language);
    }
  }
  return languages;
}

// The letter after the first single "&", in lower case; "&&" is a plain "&".
std::optional<QString> AccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') {
      continue;
    }
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return QString::fromStdString(platform::Cp1252ToUtf8(caption.substr(i + 1, 1))).toLower();
  }
  return std::nullopt;
}

// The kinds whose caption gives them an access key; a label shows its "&" as it stands.
bool TakesAccessKey(const ui::Control& control) {
  return dynamic_cast<const ui::CommandButton*>(&control) != nullptr ||
         dynamic_cast<const ui::CheckBox*>(&control) != nullptr ||
         dynamic_cast<const ui::Frame*>(&control) != nullptr;
}

std::string NameOf(const ui::Control& control) {
  std::string name = control.Name();
  if (control.Index() >= 0) {
    name += "(";
    name += std::to_string(control.Index());
    name += ")";
  }
  return name;
}

class AccessKeys : public WizardTest, public ::testing::WithParamInterface<WalkedWindow> {
 protected:
  AccessKeys() { platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER); }
};

TEST_P(AccessKeys, NoTwoControlsShownTogetherShareOne) {
  const WalkedWindow& walked = GetParam();
  const std::vector<int> languages = Languages();
  ASSERT_GE(languages.size(), 3u) << "built-in German, and German and English from the file";
  int keysSeen = 0;
  for (const int language : languages) {
    SCOPED_TRACE("language " + std::to_string(language));
    StoreSetting("Appname", "Language", "ID", std::to_string(language));  // the main window's
    LoadLanguage(language);
    ASSERT_EQ(LanguageID, language);
    std::unique_ptr<ui::Form> form = walked.open(ui);
    const std::vector<std::function<void(ui::Form&)>> states = StatesOf(walked);
    for (std::size_t s = 0; s < states.size(); ++s) {
      states[s](*form);
      std::map<QString, std::string> owners;
      for (ui::Control* control : form->Controls()) {
        if (!control->Widget()->isVisible() || !TakesAccessKey(*control)) {
          continue;
        }
        const std::optional<QString> key = AccessKey(control->Caption());
        if (!key) {
          continue;
        }
        ++keysSeen;
        const auto [owner, first] = owners.emplace(*key, NameOf(*control));
        EXPECT_TRUE(first) << "state " << s << ": " << NameOf(*control) << " \""
                           << control->Caption() << "\" and " << owner->second << " share Alt+"
                           << key->toStdString();
      }
    }
  }
  if (walked.name == "frmWizard") {
    EXPECT_GT(keysSeen, 0) << "the main window's buttons have access keys";
  }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, AccessKeys, ::testing::ValuesIn(WalkedWindows()),
                         [](const ::testing::TestParamInfo<WalkedWindow>& info) {
                           return info.param.name;
                         });

}  // namespace
