#include "project/shell_links.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/shell.h"
#include "project/paths.h"
#include "project/version.h"
#include "texts/text_table.h"

namespace {

constexpr TextKey kMakerWebAddressText = 650;
const std::string kWebWorkingFolder = "/";

bool IsGerman(int languageId) {
  return languageId == 0 || languageId == 1;
}

std::string HelpNotFoundText(int languageId) {
  if (IsGerman(languageId)) {
    return "Hilfe nicht gefunden !";
  }
  return languageId == 2 ? "Help not found !" : "Hilfe nicht gefunden / Help not found !";
}

std::string MailLanguageSuffix(int languageId) {
  if (IsGerman(languageId)) {
    return " DE";
  }
  return languageId == 2 ? " EN" : " Language" + std::to_string(languageId);
}

// Addresses are the program's text; the handler takes UTF-8.
void OpenAddress(const std::string& address, const std::string& workingFolder) {
  platform::ShellOpen(platform::Cp1252ToUtf8(address), workingFolder);
}

}  // namespace

std::array<std::string, 4> HelpFileCandidates(int languageId) {
  if (IsGerman(languageId) || languageId == 2) {
    const std::string base = IsGerman(languageId) ? "help_de" : "help_en";
    return {base + ".pdf", base + ".chm", base + ".htm", "Help/" + base + ".htm"};
  }
  // Other languages look for a pdf, not an htm, in the Help folder.
  const std::string base = "help_" + std::to_string(languageId);
  return {base + ".pdf", base + ".chm", base + ".htm", "Help/" + base + ".pdf"};
}

void ShowHelpFile() {
  const std::string folder = platform::ProgramFolder();
  const auto candidates = HelpFileCandidates(LanguageID);
  for (const std::string& name : candidates) {
    const std::string path = PathJoin(folder, name);
    if (FileExists(path)) {
      platform::ShellOpen(path, folder);
      return;
    }
  }
  platform::MsgBox(
      HelpNotFoundText(LanguageID) + "\r\n" + platform::PathToText(folder) + "\r\n" + candidates[0],
      platform::mb::Information | platform::mb::SetForeground);
}

void OpenMakerWebPage() {
  OpenAddress(LangText[kMakerWebAddressText], kWebWorkingFolder);
}

void OpenDeveloperWebPage() {
  OpenAddress(kDeveloperWebAddress, kWebWorkingFolder);
}

void SendSupportMail() {
  const std::string subject =
      AppTitle + " Version " + ProgramVersionText() + MailLanguageSuffix(LanguageID);
  const std::string body =
      IsGerman(LanguageID) ? "Sehr geehrte Damen und Herren, ..." : "Hello , ...";
  OpenAddress("mailto:" + kSupportMailAddress + "?subject=" + subject + "&body=" + body, "");
}
