#include "dialogs/stored_check_box.h"

#include <charconv>

#include "platform/settings.h"
#include "platform/trim_blanks.h"
#include "project/stored_settings.h"
#include "texts/text_table.h"

namespace {

constexpr const char* kKey = "On";

}  // namespace

void ReadCheckBoxSetting(platform::ui::CheckBox& box, const std::string& section) {
  const std::string stored = platform::GetSetting(AppTitle, section, kKey, "1");
  const std::string_view number = TrimBlanks(stored);
  int value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error == std::errc() && stop == end && !number.empty()) {
    box.SetValue(value);  // the box refuses values other than 0, 1 and 2
  }
}

void StoreCheckBoxSetting(const platform::ui::CheckBox& box, const std::string& section) {
  SaveSettingOrTell(AppTitle, section, kKey, std::to_string(box.Value()));
}
