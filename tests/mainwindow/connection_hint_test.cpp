// The connection hints of the read-back fit their box in every shipped language.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>

#include "platform/files.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

namespace {

struct HintLanguage {
  const char* storedId;
  const char* name;
};

class ConnectionHint : public WizardTest, public ::testing::WithParamInterface<HintLanguage> {};

TEST_P(ConnectionHint, BothHintsShowInFullOverTheTransferPanel) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  StoreSetting("Appname", "Language", "ID", GetParam().storedId);
  frmWizard& w = Start();
  w.Show();
  Navigate(1);
  w.FrameTransfer.SetVisible(true);
  w.imgInfoCom[1].SetVisible(true);
  auto* box = qobject_cast<QPlainTextEdit*>(w.lblInfotext.Widget());
  ASSERT_NE(box, nullptr) << "a multi-line box";
  const std::string folder = PELVARON_SCREENSHOT_FOLDER;
  ASSERT_TRUE(platform::MakeFolder(folder) || platform::FolderExists(folder));
  for (const std::string* hint : {&gsConnectHintCom1, &gsConnectHintCom2}) {
    ASSERT_NE(hint->find("\r\n"), std::string::npos) << "two lines or more";
    w.lblInfotext.SetText(*hint);
    w.lblInfotext.SetVisible(true);
    platform::ui::testing::ProcessEvents();
    EXPECT_EQ(w.lblInfotext.Text(), *hint);
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << *hint;
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << *hint;
  }
  // The picture of the port to plug in stays in view beside the hint.
  EXPECT_GE(w.FrameTransfer.Left() + w.imgInfoCom[1].Left(),
            w.lblInfotext.Left() + w.lblInfotext.Width());
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(
      w, folder + "/connection_hint_" + GetParam().name + ".png"));
}

INSTANTIATE_TEST_SUITE_P(Languages, ConnectionHint,
                         ::testing::Values(HintLanguage{"0", "German"},
                                           HintLanguage{"2", "English"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
