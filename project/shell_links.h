#pragma once

#include <array>
#include <string>

inline const std::string kDeveloperWebAddress = "https://www.example.com/pelvaron/";
inline const std::string kSupportMailAddress = "support@example.com";

// The help file names tried for a language, in order, relative to the program folder.
std::array<std::string, 4> HelpFileCandidates(int languageId);

// Opens the first help file of the current language that exists; a message box when
// there is none.
void ShowHelpFile();

// The maker's web page: text 650 of the text table, so each language can have its own.
void OpenMakerWebPage();

void OpenDeveloperWebPage();

// A new mail to the maker's support address, with program version and language in
// the subject.
void SendSupportMail();
