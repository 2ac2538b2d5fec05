#include "tests/texts/text_table_fixture.h"

#include <fstream>

#include "platform/files.h"
#include "texts/text_table.h"

void TextTableTest::SetUp() {
  LangText.fill("");
  LanguageID = 0;
  gsConnectHintCom1.clear();
  gsConnectHintCom2.clear();
  gsErrorCauses.clear();
  platform::SetProgramFolder(folder_.path());
}

void TextTableTest::TearDown() {
  platform::SetProgramFolder("");
}

void TextTableTest::WriteLanguageFile(const std::string& bytes) {
  std::ofstream out(folder_.File("Language.dat"), std::ios::binary);
  out << bytes;
}
