#include "texts/text_table.h"

std::array<std::string, kTextCount> LangText;
int LanguageID = 0;
std::string gsConnectHintCom1;
std::string gsConnectHintCom2;
std::string gsErrorCauses;
