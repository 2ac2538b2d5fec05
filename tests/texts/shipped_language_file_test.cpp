#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "texts/caption_table.h"
#include "texts/form_texts.h"
#include "texts/language_file.h"
#include "texts/message_texts.h"
#include "texts/text_key_parser.h"
#include "texts/text_table.h"

namespace {

// The build puts Language.dat beside the executables, this test's included.
class ShippedLanguageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetProgramFolder("");
    LangText.fill("");
    LanguageID = 0;
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(LanguageFilePath(), bytes, 1 << 20)) << LanguageFilePath();
    bytes_ = bytes;
    ASSERT_TRUE(ReadLanguageFile([&](std::string_view line) { lines_.emplace_back(line); }));
    ASSERT_FALSE(lines_.empty());
    for (std::size_t i = 1; i < lines_.size(); ++i) {
      const auto key = ParseTextKey(GetLangField(lines_[i], 0));
      ASSERT_TRUE(key.has_value()) << lines_[i];
      EXPECT_TRUE(rows_.emplace(static_cast<TextKey>(*key), lines_[i]).second) << *key;
    }
  }

  void ExpectRow(TextKey key, const std::string& german) {
    const auto row = rows_.find(key);
    ASSERT_NE(row, rows_.end()) << key;
    EXPECT_EQ(GetLangField(row->second, 2), german) << key;
    const std::string english = GetLangField(row->second, 3);
    EXPECT_EQ(english.empty(), german.empty()) << key;
  }

  std::string bytes_;
  std::vector<std::string> lines_;
  std::map<TextKey, std::string> rows_;
};

std::string WithMarkers(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.replace(at, 2, "[CRLF]");
  }
  return text;
}

TEST_F(ShippedLanguageFile, HeaderNamesGermanAndEnglishAndLinesEndInCrLf) {
  EXPECT_EQ(GetLangField(lines_[0], 2), "Deutsch");
  EXPECT_EQ(GetLangField(lines_[0], 3), "English");
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    if (bytes_[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes_.size() && bytes_[i + 1] == '\n') << i;
    } else if (bytes_[i] == '\n') {
      ASSERT_TRUE(i > 0 && bytes_[i - 1] == '\r') << i;
    }
  }
  EXPECT_EQ(bytes_.substr(bytes_.size() - 2), "\r\n");
}

TEST_F(ShippedLanguageFile, EveryKeyHasItsGermanTextAndATranslation) {
  for (const CaptionText& caption : CaptionTable()) {
    ExpectRow(caption.key, platform::Utf8ToCp1252(caption.german));
  }
  for (const MessageText& message : MessageTable()) {
    ExpectRow(message.key, WithMarkers(platform::Utf8ToCp1252(message.german)));
  }
  EXPECT_EQ(rows_.size(), CaptionTable().size() + MessageTable().size());
}

TEST_F(ShippedLanguageFile, IsWindows1252) {
  const std::string german = GetLangField(rows_.at(77), 2);
  EXPECT_EQ(german,
            "< &Zur\xFC"
            "ck");
}

TEST_F(ShippedLanguageFile, FirstStartShowsEnglish) {
  LoadLanguage(2);
  ASSERT_EQ(LanguageID, 2);
  EXPECT_EQ(LangText[81], "New");
  EXPECT_EQ(LangText[586].find("[CRLF]"), std::string::npos);
  EXPECT_NE(LangText[586].find("\r\n"), std::string::npos);
}

TEST_F(ShippedLanguageFile, LanguageOneEqualsTheBuiltInTexts) {
  LoadLanguage(1);
  ASSERT_EQ(LanguageID, 1);
  for (const MessageText& message : MessageTable()) {
    EXPECT_EQ(LangText[message.key], platform::Utf8ToCp1252(message.german)) << message.key;
  }
}

}  // namespace
