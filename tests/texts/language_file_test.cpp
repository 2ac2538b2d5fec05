#include "texts/language_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "tests/common/hostile_files.h"
#include "tests/texts/heap_peak.h"
#include "tests/texts/text_table_fixture.h"
#include "texts/text_table.h"

namespace {

const std::string kHeader = "Key\tNote\tDeutsch\tEnglish\r\n";

TEST(GetLangField, CutsAtEveryTabAndRemovesQuotes) {
  const std::string line = "12\t\t\"Hallo\" Welt\tHello \"x\"";
  EXPECT_EQ(GetLangField(line, 0), "12");
  EXPECT_EQ(GetLangField(line, 1), "");
  EXPECT_EQ(GetLangField(line, 2), "Hallo Welt");
  EXPECT_EQ(GetLangField(line, 3), "Hello x");
  EXPECT_EQ(GetLangField(line, 4), "");
  EXPECT_EQ(GetLangField(line, -1), "");
  EXPECT_EQ(GetLangField("a\t", 1), "");
  EXPECT_EQ(GetLangField("\tb", 0), "");
}

TEST(GetLangField, LineWithoutTabHasNoFields) {
  EXPECT_EQ(GetLangField("", 0), "");
  EXPECT_EQ(GetLangField("Deutsch", 0), "");
  EXPECT_EQ(GetLangField("12 Text", 0), "");
}

TEST(ReplaceCRLF, ReplacesOnlyTheUpperCaseMarker) {
  EXPECT_EQ(ReplaceCRLF("a[CRLF]b[CRLF][CRLF]"), "a\r\nb\r\n\r\n");
  EXPECT_EQ(ReplaceCRLF("a[crlf]b[CrLf]"), "a[crlf]b[CrLf]");
  EXPECT_EQ(ReplaceCRLF("[CRLF"), "[CRLF");
  EXPECT_EQ(ReplaceCRLF(""), "");
}

using LoadLanguageTest = TextTableTest;

TEST_F(LoadLanguageTest, TakesTheChosenColumnAndNeverTheHeader) {
  WriteLanguageFile("6\tx\tHeaderDE\tHeaderEN\r\n6\tNote\tAbbrechen\tCancel\r\n7\t\tOK\tOK\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LanguageID, 2);
  EXPECT_EQ(LangText[6], "Cancel");
  EXPECT_EQ(LangText[7], "OK");

  LoadLanguage(1);
  EXPECT_EQ(LanguageID, 1);
  EXPECT_EQ(LangText[6], "Abbrechen");
}

TEST_F(LoadLanguageTest, EmptyFirstLineIsStillTheHeader) {
  WriteLanguageFile("\r\n6\t\tErste\tFirst\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LanguageID, 2);
  EXPECT_EQ(LangText[6], "First");
}

TEST_F(LoadLanguageTest, LaterLineWinsAndBlankFieldFallsBackToLanguageOne) {
  WriteLanguageFile(kHeader +
                    "6\t\tEins\tOne\r\n"
                    "6\t\tZwei\tTwo\r\n"
                    "8\t\tNur Deutsch\t   \r\n"
                    "9\t\tNur Deutsch\r\n"
                    "10\t\tAlt\tOld\r\n"
                    "10\t\t\t\r\n"
                    "11\t\t  Rand \t\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LangText[6], "Two");
  EXPECT_EQ(LangText[8], "Nur Deutsch");
  EXPECT_EQ(LangText[9], "Nur Deutsch");
  EXPECT_EQ(LangText[10], "");
  EXPECT_EQ(LangText[11], "  Rand ");
}

TEST_F(LoadLanguageTest, KeysAreReadWithoutQuotesRoundedAndRangeChecked) {
  WriteLanguageFile(kHeader +
                    "\"20\"\t\tx\tquoted\r\n"
                    "12.5\t\tx\ttwelve\r\n"
                    "13.5\t\tx\tfourteen\r\n"
                    "0\t\tx\tzero\r\n"
                    "300\t\tx\tunused\r\n"
                    "800\t\tx\tlast\r\n"
                    "-1\t\tx\tbad\r\n"
                    "801\t\tx\tbad\r\n"
                    "32768\t\tx\tbad\r\n"
                    "4294967296\t\tx\tbad\r\n"
                    "99999999999999999999999\t\tx\tbad\r\n"
                    "abc\t\tx\tbad\r\n"
                    "\t\tx\tbad\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LangText[20], "quoted");
  EXPECT_EQ(LangText[12], "twelve");
  EXPECT_EQ(LangText[14], "fourteen");
  EXPECT_EQ(LangText[13], "");
  EXPECT_EQ(LangText[0], "zero");
  EXPECT_EQ(LangText[300], "unused");
  EXPECT_EQ(LangText[800], "last");
  for (std::size_t key = 0; key < LangText.size(); ++key) {
    EXPECT_NE(LangText[key], "bad") << key;
  }
}

TEST_F(LoadLanguageTest, MarkerBecomesLineBreakAndQuotesVanish) {
  WriteLanguageFile(kHeader + "30\t\tx\tOne[CRLF]two [crlf] \"three\"\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LangText[30], "One\r\ntwo [crlf] three");
}

TEST_F(LoadLanguageTest, LanguageBeyondTheLineFallsBackToLanguageOne) {
  WriteLanguageFile(kHeader + "40\t\tDeutsch\tEnglish\r\n");
  LoadLanguage(5);
  EXPECT_EQ(LanguageID, 5);
  EXPECT_EQ(LangText[40], "Deutsch");
}

TEST_F(LoadLanguageTest, LanguageOutsideOneToFiveReadsNothing) {
  WriteLanguageFile(kHeader + "6\t\tEins\tOne\r\n");
  for (const int language : {0, 6, -1, 32767}) {
    LanguageID = 3;
    LoadLanguage(language);
    EXPECT_EQ(LanguageID, 0) << language;
    EXPECT_EQ(LangText[6], "") << language;
  }
}

TEST_F(LoadLanguageTest, MissingFileGivesGerman) {
  LoadLanguage(2);
  EXPECT_EQ(LanguageID, 0);
}

TEST_F(LoadLanguageTest, FileWithoutAnyTextGivesGerman) {
  for (const std::string& bytes :
       {std::string(), kHeader, kHeader + "no tab here\r\n\r\nKey\tNote\r\n",
        std::string(5, '\0')}) {
    WriteLanguageFile(bytes);
    LoadLanguage(2);
    EXPECT_EQ(LanguageID, 0);
  }
  for (const std::string& text : LangText) {
    EXPECT_EQ(text, "");
  }
}

TEST_F(LoadLanguageTest, UnreadableFileGivesGerman) {
  // A regular file whose first byte cannot be read: the process memory at address 0.
  const std::string path = folder_.File("Language.dat");
  ASSERT_EQ(symlink("/proc/self/mem", path.c_str()), 0);
  std::string bytes;
  if (!platform::FileExists(path) || platform::ReadFileBytes(path, bytes, 1)) {
    GTEST_SKIP() << "no unreadable regular file on this system";
  }
  LangText[6] = "before";
  LoadLanguage(2);
  EXPECT_EQ(LanguageID, 0);
  EXPECT_EQ(LangText[6], "before");
}

TEST_F(LoadLanguageTest, LoneCrAndLoneLfEndLinesToo) {
  WriteLanguageFile(
      "Key\tNote\tDeutsch\tEnglish\n1\t\tx\tlf\n2\t\tx\tcr\r3\t\tx\tcrlf\r\n4\t\tx\tend");
  LoadLanguage(2);
  EXPECT_EQ(LangText[1], "lf");
  EXPECT_EQ(LangText[2], "cr");
  EXPECT_EQ(LangText[3], "crlf");
  EXPECT_EQ(LangText[4], "end");
}

TEST_F(LoadLanguageTest, NulBytesNeitherStopNorCorruptTheReading) {
  WriteLanguageFile(kHeader +
                    std::string("1\0\t\tx\tbad\r\n2\t\tx\ta\0b\r\n3\t\tx\tafter\r\n", 31));
  LoadLanguage(2);
  EXPECT_EQ(LangText[1], "");
  EXPECT_EQ(LangText[2], std::string("a\0b", 3));
  EXPECT_EQ(LangText[3], "after");
}

TEST_F(LoadLanguageTest, VeryLongLineIsKeptWhole) {
  const std::string longText(100'000, 'w');
  WriteLanguageFile(kHeader + "5\t\tx\t" + longText + "\r\n6\t\tx\tnext\r\n");
  LoadLanguage(2);
  EXPECT_EQ(LangText[5], longText);
  EXPECT_EQ(LangText[6], "next");
}

constexpr std::size_t kCap = 16 * 1024 * 1024;

// A file of exactly the cap is read whole; one byte more, and no part of it is taken.
TEST_F(LoadLanguageTest, FileUpToTheCapIsReadWholeAndALargerOneNotAtAll) {
  const std::string first = kHeader + "7\t\tx\t";
  const std::string last = "\r\n8\t\tx\tlast";
  for (const std::string& after : {std::string(), std::string("\r\n")}) {
    SCOPED_TRACE(after.size());
    const std::string filler(kCap - first.size() - last.size() - after.size(), 'f');
    WriteLanguageFile(first + filler + last + after);
    LoadLanguage(2);
    EXPECT_EQ(LanguageID, 2);
    EXPECT_EQ(LangText[7].size(), filler.size());
    EXPECT_EQ(LangText[8], "last");
  }
  for (const std::string& larger :
       {first + "f" + std::string(kCap - first.size() - last.size(), 'f') + last,
        kHeader + "7\t\tx\tfirst\r\n9\t\tx\t" + std::string(kCap, 'y') + "\r\n"}) {
    WriteLanguageFile(larger);
    LangText.fill("");
    LoadLanguage(2);
    EXPECT_EQ(LanguageID, 0);
    EXPECT_EQ(LangText[7], "");
    EXPECT_FALSE(ReadLanguageFile([](std::string_view) { ADD_FAILURE() << "a line was given"; }));
  }
}

TEST_F(LoadLanguageTest, BareLineEndsCostNoMemoryBeyondTheFile) {
  const std::string first = kHeader + "6\t\tx\tbefore\r\n";
  const std::string last = "7\t\tx\tafter\r\n";
  const std::string bytes = first + std::string(kCap - first.size() - last.size(), '\n') + last;
  WriteLanguageFile(bytes);
  const std::size_t peak = PeakHeapGrowth([] { LoadLanguage(2); });
  EXPECT_EQ(LangText[6], "before");
  EXPECT_EQ(LangText[7], "after");
  EXPECT_LT(peak, bytes.size() + bytes.size() / 2);
}

TEST_F(LoadLanguageTest, NamedPipeOrFolderAsLanguageFileGivesGermanAtOnce) {
  const std::string path = folder_.File("Language.dat");
  ASSERT_TRUE(MakeNamedPipe(path));
  EXPECT_TRUE(ReturnsPromptly(path, [] { LoadLanguage(2); }));
  EXPECT_EQ(LanguageID, 0);
  ASSERT_EQ(unlink(path.c_str()), 0);
  ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
  LoadLanguage(2);
  EXPECT_EQ(LanguageID, 0);
}

TEST_F(LoadLanguageTest, HeaderLineIsReadableForTheLanguageMenu) {
  WriteLanguageFile("Key\tNote\tDeutsch\tEnglish\r\n1\t\tx\ty\r\nno tab\r\n\r\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLanguageFile([&](std::string_view line) { lines.emplace_back(line); }));
  ASSERT_EQ(lines.size(), 2u) << "lines without a Tab have no fields";
  EXPECT_EQ(GetLangField(lines[0], 2), "Deutsch");
  EXPECT_EQ(GetLangField(lines[0], 3), "English");
  EXPECT_EQ(GetLangField(lines[0], 4), "");
}

}  // namespace
