#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "dialogs/matrix_editor.h"
#include "platform/ui/testing/ui_harness.h"
#include "tests/common/temp_folder.h"
#include "texts/text_table.h"

// The matrix editors over a settings store of their own, with German texts and
// records whose names and matrices are known.
class MatrixTest : public ::testing::Test {
 protected:
  MatrixTest();
  ~MatrixTest() override;

  // The pixel at the middle of cell (column X, row Y) of the grid's image.
  static std::uint32_t CellPixel(MatrixEditor& window, int X, int Y);
  // A press and release at the middle of the cell, through the window system's route.
  static void ClickCell(MatrixEditor& window, int X, int Y);
  // Press in one cell, move to the other, release there.
  static void Drag(MatrixEditor& window, int fromX, int fromY, int toX, int toY);
  static void Key(MatrixEditor& window, int keyCode, int shift = 0);
  void StoreSetting(const std::string& section, const std::string& value);
  std::string StoredSetting(const std::string& section);

  platform::ui::testing::UiHarness ui;
  TempFolder config;

 private:
  std::array<std::string, kTextCount> savedTexts_;
};

// The middle of a cell in grid pixels.
int CellMiddleX(int X);
int CellMiddleY(int Y);
