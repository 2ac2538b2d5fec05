#include "dialogs/frm_filter.h"
#include "dialogs/frm_status.h"
#include "platform/files.h"
#include "project/flag_blocks.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/dialogs/matrix_fixture.h"
#include "texts/language_file.h"
#include "texts/text_table.h"

// Pictures of both matrix windows for a look by a person, German and English (with
// the language file that travels with the program), with long names and all values.
namespace {

class MatrixScreenshotTest : public MatrixTest, public ::testing::WithParamInterface<int> {
 protected:
  MatrixScreenshotTest() {
    CmdRecords[0].TxCom1Info.Set("Lampe ein Wohnzimmer");
    CmdRecords[1].TxCom1Info.Set(
        "\xDC"
        "berwachung");
    CmdRecords[2].RxCom1Info.Set("Sehr langer Befehlsname");
    CmdRecords[3].TxCom1Info.Set("");
    CmdRecords[5].TxCom1Info.Set(
        "Ein Name mit vierundsechzig Zeichen, der die Statuszeile f\xFCllt!!");
    for (std::size_t r = 0; r < CmdRecords.size(); ++r) {
      for (std::size_t c = 0; c < kMatrixColumns; ++c) {
        CmdRecords[r].StatusMatrix[c] = static_cast<std::uint8_t>((r + c) % 3);
        CmdRecords[r].Filter1Matrix[c] = (r * c) % 5 == 1 ? 1 : 0;
        CmdRecords[r].Filter2Matrix[c] = r == c ? 1 : 0;
      }
    }
    LanguageID = GetParam();
    if (LanguageID != 0) {
      platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
      LoadLanguage(LanguageID);
    }
  }

  std::string Shot(const std::string& name) {
    const std::string folder = PELVARON_SCREENSHOT_FOLDER;
    if (!platform::FolderExists(folder)) {
      platform::MakeFolder(folder);
    }
    return folder + "/" + name + (LanguageID == 0 ? "" : "_en") + ".png";
  }
};

TEST_P(MatrixScreenshotTest, BothWindows) {
  frmFilter filter;
  filter.Show();
  platform::ui::testing::MouseMoveTo(filter.picStatus, 0, CellMiddleX(5), CellMiddleY(2));
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(filter, Shot("frmFilter")));
  filter.Unload();
  FilterSide = 1;
  filter.Show();
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(filter, Shot("frmFilter_com2")));
  filter.Unload();
  FilterSide = 0;
  frmStatus status;
  status.Show();
  platform::ui::testing::MouseMoveTo(status.picStatus, 0, CellMiddleX(1), CellMiddleY(0));
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(status, Shot("frmStatus")));
  status.Unload();
}

INSTANTIATE_TEST_SUITE_P(Languages, MatrixScreenshotTest, ::testing::Values(0, 2),
                         [](const auto& info) { return info.param == 0 ? "German" : "English"; });

}  // namespace
