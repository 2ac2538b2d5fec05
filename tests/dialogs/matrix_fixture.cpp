#include "tests/dialogs/matrix_fixture.h"

#include <cstdlib>

#include "platform/settings.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

namespace testing_ui = platform::ui::testing;

int CellMiddleX(int X) {
  return MatrixEditor::kCellWidth * X + MatrixEditor::kCellWidth / 2;
}
int CellMiddleY(int Y) {
  return MatrixEditor::kCellHeight * Y + MatrixEditor::kCellHeight / 2;
}

MatrixTest::MatrixTest() : savedTexts_(LangText) {
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  LanguageID = 0;
  FilterSide = 0;
  CmdRecords = CommandRecordList{};
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    CmdRecords[i].RxCom1Info.Set("rx1 " + std::to_string(i + 1));
    CmdRecords[i].RxCom2Info.Set("rx2 " + std::to_string(i + 1));
    CmdRecords[i].TxCom1Info.Set("tx1 " + std::to_string(i + 1));
  }
}

MatrixTest::~MatrixTest() {
  unsetenv("XDG_CONFIG_HOME");
  LanguageID = 0;
  LangText = savedTexts_;
}

std::uint32_t MatrixTest::CellPixel(MatrixEditor& window, int X, int Y) {
  return window.picStatus.Canvas().Pixel(CellMiddleX(X), CellMiddleY(Y));
}

void MatrixTest::ClickCell(MatrixEditor& window, int X, int Y) {
  testing_ui::MousePress(window.picStatus, 1, CellMiddleX(X), CellMiddleY(Y));
  testing_ui::MouseRelease(window.picStatus, 1, CellMiddleX(X), CellMiddleY(Y));
}

void MatrixTest::Drag(MatrixEditor& window, int fromX, int fromY, int toX, int toY) {
  testing_ui::MousePress(window.picStatus, 1, CellMiddleX(fromX), CellMiddleY(fromY));
  testing_ui::MouseMoveTo(window.picStatus, 1, CellMiddleX(toX), CellMiddleY(toY));
  testing_ui::MouseRelease(window.picStatus, 1, CellMiddleX(toX), CellMiddleY(toY));
}

void MatrixTest::Key(MatrixEditor& window, int keyCode, int shift) {
  testing_ui::PressKey(window.picStatus, keyCode, shift);
}

void MatrixTest::StoreSetting(const std::string& section, const std::string& value) {
  ASSERT_TRUE(platform::SaveSetting(AppTitle, section, "On", value));
}

std::string MatrixTest::StoredSetting(const std::string& section) {
  return platform::GetSetting(AppTitle, section, "On", "(none)");
}
