// A user without special rights opens and closes the port for every command
// and is refused a device he may not use; run as root, the test runs itself again as user nobody.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/serial_port.h"
#include "seriallink/rs232.h"
#include "seriallink/send_code.h"
#include "tests/common/as_nobody.h"
#include "tests/common/temp_folder.h"
#include "tests/seriallink/test_doubles.h"

namespace {

TEST(NonRootAccess, ReopensThePortForEveryCommand) {
  RUN_TEST_AS_NOBODY("NonRootAccess.*");
  RecordedBoxes boxes;
  PtyModule module;
  ASSERT_TRUE(module.started);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 2), "Pelvaron-A5") << i;
  }
  const int held = platform::CreateComFile(module.sim.DevicePath(0));
  ASSERT_GE(held, 0);
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 2), "");
  platform::CloseComHandle(held);
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 2), "Pelvaron-A5");
  EXPECT_EQ(boxes.calls.size(), 1u);

  TempFolder folder;
  const std::string forbidden = folder.File("forbidden");
  std::ofstream(forbidden).put('x');
  ASSERT_EQ(chmod(forbidden.c_str(), 0), 0);
  MapComPort(3, forbidden);
  EXPECT_EQ(GetComPortMaxBaud("COM3:"), 0u);
  EXPECT_EQ(ReadModuleVersion("COM3:", "9600", 2), "");
  ASSERT_EQ(boxes.calls.size(), 2u);
  EXPECT_NE(boxes.calls[1].prompt.find("Die COM3 "), std::string::npos) << "the open failed";
}

}  // namespace
