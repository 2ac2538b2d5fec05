#include "project/stored_settings.h"

#include <cerrno>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "texts/text_table.h"

namespace {

constexpr TextKey kSettingNotStoredText = 618;

}  // namespace

bool SaveSettingOrTell(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) {
  if (platform::SaveSetting(app, section, key, value)) {
    return true;
  }
  const int error = errno;
  if (!SettingFailureTold) {
    SettingFailureTold = true;
    platform::MsgBox(LangText[kSettingNotStoredText] + "\r\n" +
                         platform::PathToText(platform::SettingsFilePath(app)) + "\r\n" +
                         platform::ErrorText(error),
                     platform::mb::Exclamation | platform::mb::SetForeground, AppTitle);
  }
  return false;
}
