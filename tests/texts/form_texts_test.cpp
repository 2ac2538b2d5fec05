#include "texts/form_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/texts/fake_form.h"
#include "tests/texts/text_table_fixture.h"
#include "texts/language_file.h"
#include "texts/message_texts.h"
#include "texts/text_table.h"

namespace {

using platform::TextProperty;

class SetFormTextsTest : public TextTableTest {
 protected:
  // A language file with one line, for the Info window's first text box, and the
  // connection hints.
  void LoadSmallLanguage() {
    WriteLanguageFile(
        "Key\tNote\tDeutsch\tEnglish\r\n"
        "23\t\tx\tLine one[CRLF]Line two\r\n"
        "500\t\tnein\tno\r\n"
        "660\t\tx\tHint one\r\n"
        "661\t\tx\tHint two\r\n"
        "680\t\tx\tCauses\r\n");
    LoadLanguage(2);
    ASSERT_EQ(LanguageID, 2);
  }
};

TEST_F(SetFormTextsTest, BuiltInTextsAreWindows1252) {
  FakeForm form("frmWizard");
  SetFormTexts(form, true);
  EXPECT_EQ(form.calls, 138);
  EXPECT_EQ(form.Text("cmdNavi", 0),
            "< &Zur\xFC"
            "ck");
  EXPECT_EQ(form.Text("lblTransfer1"),
            "\xDC"
            "bertragungsstatus");
  EXPECT_EQ(form.Text("cmdNew"), "Neu");
  EXPECT_EQ(form.Text("lblCom2Parameter"), "VELDRAN Pelvaron COM2 ");
  EXPECT_EQ(form.Text("lblNumber", 0), "1");
  EXPECT_EQ(form.Text("lblNumber", 3), "4");
  EXPECT_EQ(form.Text("cmdListBack", 2), "");
}

TEST_F(SetFormTextsTest, BuiltInTextsLeaveCaptionKeysOfTheTableAlone) {
  LangText[81] = "from file";
  FakeForm form("frmWizard");
  SetFormTexts(form, true);
  EXPECT_EQ(form.Text("cmdNew"), "Neu");
  EXPECT_EQ(LangText[81], "from file");
  EXPECT_EQ(LangText[1], "");
}

TEST_F(SetFormTextsTest, OnlyTheFourMarkedGermanTextsGetLineBreaks) {
  FakeForm info("frmInfo");
  SetFormTexts(info, true);
  const std::string& text1 = info.Text("Text1");
  EXPECT_EQ(info.sets.at({"Text1", -1}).property, TextProperty::Text);
  EXPECT_EQ(text1.find("[CRLF]"), std::string::npos);
  EXPECT_EQ(text1.substr(0, 58), "Stellen Sie den Schalter am VELDRAN Pelvaron auf 'Prog'.\r\n");
  EXPECT_EQ(text1.substr(text1.size() - 2), "\r\n");
  EXPECT_EQ(info.Text("Label1"), "1:1 Buchse-Stecker       9pol Sub-D Kabel");

  FakeForm wizard("frmWizard");
  SetFormTexts(wizard, true);
  EXPECT_EQ(wizard.Text("lblListCmdInfo", 0), "Rx-COM1[CRLF]");
  EXPECT_NE(wizard.Text("txtInfoAdress").find("\r\n"), std::string::npos);
  EXPECT_EQ(wizard.Text("txtInfoAdress").find("[CRLF]"), std::string::npos);
}

TEST_F(SetFormTextsTest, ComboBoxesGetTheirText) {
  FakeForm german("frmWizard");
  SetFormTexts(german, true);
  EXPECT_EQ(german.sets.at({"Combo1", -1}).property, TextProperty::Text);
  EXPECT_EQ(german.Text("Combo1"), "----");
  EXPECT_EQ(german.Text("Combo2"), "9600");

  LoadSmallLanguage();
  FakeForm loaded("frmWizard");
  SetFormTexts(loaded, false);
  EXPECT_EQ(loaded.Text("Combo1"), "");
  EXPECT_EQ(loaded.Text("Combo2"), "");
}

TEST_F(SetFormTextsTest, LoadedLanguageHasNoGermanFallBack) {
  LoadSmallLanguage();
  FakeForm info("frmInfo");
  SetFormTexts(info, false);
  EXPECT_EQ(info.Text("Text1"), "Line one\r\nLine two");
  EXPECT_EQ(info.Text("Command1"), "");

  FakeForm wizard("frmWizard");
  SetFormTexts(wizard, false);
  EXPECT_EQ(wizard.Text("cmdNew"), "");
  EXPECT_EQ(LangText[500], "no");
  EXPECT_EQ(LangText[586], "");
  EXPECT_EQ(gsConnectHintCom1, "Hint one");
  EXPECT_EQ(gsConnectHintCom2, "Hint two");
  EXPECT_EQ(gsErrorCauses, "Causes");
}

TEST_F(SetFormTextsTest, WindowNameMustMatchExactly) {
  for (const char* name : {"frmwizard", "FRMWIZARD", "frmWizard ", "frmWiz", ""}) {
    FakeForm form(name);
    SetFormTexts(form, true);
    EXPECT_EQ(form.calls, 0) << name;
  }
}

TEST_F(SetFormTextsTest, LogWindowGetsNoControlButTheMessagesAndCopies) {
  FakeForm log("frmTest");
  SetFormTexts(log, true);
  EXPECT_EQ(log.calls, 0);
  EXPECT_EQ(LangText[523], "l\xF6schen");
  EXPECT_EQ(gsConnectHintCom1, LangText[660]);
  EXPECT_EQ(gsConnectHintCom2, LangText[661]);
  EXPECT_EQ(gsErrorCauses, LangText[680]);
  EXPECT_EQ(gsErrorCauses.substr(0, 25), "M\xF6gliche Fehlerursache:\r\n");
  EXPECT_EQ(gsConnectHintCom1.substr(0, 10), "Stellen de");
}

TEST_F(SetFormTextsTest, MissingControlIsSkippedAndTheRestIsSet) {
  FakeForm filter("frmFilter", {"chkTip", "lblInfo"});
  SetFormTexts(filter, true);
  EXPECT_EQ(filter.calls, 4);
  EXPECT_EQ(filter.Text("chkMix"), "Status Regiester anzeigen");
  EXPECT_EQ(filter.Text("lbl1"), "Abfrage:");
  EXPECT_EQ(LangText[500], "nein");
}

TEST_F(SetFormTextsTest, EveryDialogGetsItsControls) {
  const std::pair<const char*, int> windows[] = {{"frmAscCode", 5}, {"frmFileInfo", 3},
                                                 {"frmFilter", 7},  {"frmInfo", 8},
                                                 {"frmList", 43},   {"frmStatus", 9}};
  for (const auto& [name, count] : windows) {
    FakeForm form(name);
    SetFormTexts(form, true);
    EXPECT_EQ(form.calls, count) << name;
  }
}

TEST_F(TextTableTest, GermanMessageTextsLetterForLetter) {
  LangText[300] = "kept";
  SetMessageTexts(true);
  EXPECT_EQ(LangText[576], "");
  EXPECT_EQ(LangText[581],
            "Die Bildschirmaufl\xF6sung ist zu klein !\r\nMin. 1024 x 768\r\nAnwendung beenden ?");
  EXPECT_EQ(LangText[608], LangText[609]);
  EXPECT_NE(LangText[515], LangText[608]);
  EXPECT_EQ(LangText[533], "Modul Version: ");
  EXPECT_EQ(LangText[543], "Modul Version:");
  EXPECT_EQ(LangText[686],
            "\xDC"
            "bertragungsstatus Liste Tx-COM1 BefehlNr. ");
  EXPECT_EQ(LangText[586],
            "Wollen Sie wirklich beenden ?\r\n"
            "(Nicht gespeicherte/\xFC"
            "bertragene Daten gehen vorloren.)");
  EXPECT_EQ(LangText[587], "Dateiinfomationen stimmen nicht !");
  EXPECT_EQ(LangText[670],
            "Schnittstelle konnte nicht ge\xF6"
            "ffnet werden !\r\nDie ");
  EXPECT_EQ(LangText[300], "kept");
  EXPECT_EQ(LangText[505], "");
}

TEST_F(TextTableTest, MessageTextsOfALoadedLanguageStayAsLoaded) {
  LangText[500] = "no";
  SetMessageTexts(false);
  EXPECT_EQ(LangText[500], "no");
  EXPECT_EQ(LangText[501], "");
}

}  // namespace
