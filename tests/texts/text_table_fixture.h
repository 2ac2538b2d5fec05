#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/common/temp_folder.h"

// Starts every test with an empty text table, LanguageID 0 and the program folder in
// a fresh temporary folder.
class TextTableTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes Language.dat into the program folder, byte for byte.
  void WriteLanguageFile(const std::string& bytes);

  TempFolder folder_;
};
