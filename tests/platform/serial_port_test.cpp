#include "platform/serial_port.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/com_mapping.h"
#include "platform/settings.h"
#include "simulator/pty_port.h"
#include "tests/common/as_nobody.h"
#include "tests/common/temp_folder.h"

namespace {

constexpr const char* kApp = "VELDRAN Pelvaron (Tramelon)";

TEST(ComMapping, EnvironmentBeforeSettingsBeforeDefault) {
  TempFolder folder;
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  unsetenv("PELVARON_COM2");
  EXPECT_EQ(platform::ComDevicePath("COM2", kApp), "/dev/ttyS1");
  EXPECT_EQ(platform::ComDevicePath("com6", kApp), "/dev/ttyS5");
  ASSERT_TRUE(platform::SaveSetting(kApp, "Ports", "COM2", "/dev/ttyUSB0"));
  EXPECT_EQ(platform::ComDevicePath("COM2", kApp), "/dev/ttyUSB0");
  setenv("PELVARON_COM2", "/dev/pts/9", 1);
  EXPECT_EQ(platform::ComDevicePath("COM2", kApp), "/dev/pts/9");
  for (const char* name : {"----", "COM0", "COM", "LPT1", "COM1:"}) {
    EXPECT_EQ(platform::ComDevicePath(name, kApp), "") << name;
  }
}

TEST(BuildCommDCB, TakesOnlyValidLineSettings) {
  platform::DeviceControlBlock dcb;
  ASSERT_TRUE(platform::BuildCommDCB("COM1:19200,N,8,1", dcb));
  EXPECT_EQ(dcb.baudRate, 19200);
  EXPECT_EQ(dcb.parity, 'N');
  ASSERT_TRUE(platform::BuildCommDCB("4800,e,7,2", dcb));
  EXPECT_EQ(dcb.parity, 'E');
  EXPECT_EQ(dcb.byteSize, 7);
  EXPECT_EQ(dcb.stopBits, 2);
  for (const char* bad :
       {"COM1:fast,N,8,1", "COM1:,N,8,1", "COM1:9601,N,8,1", "COM1:9600,X,8,1", "COM1:9600,N,9,1",
        "COM1:9600,N,8", "COM1:9600,N,8,1,x", "COM1:-9600,N,8,1"}) {
    EXPECT_FALSE(platform::BuildCommDCB(bad, dcb)) << bad;
    EXPECT_EQ(platform::GetLastError(), EINVAL);
  }
}

TEST(SerialPort, ConfiguresRawLocalLineThatKeepsDtrOnClose) {
  simulator::PtyPort line;
  const int handle = platform::CreateComFile(line.DevicePath());
  ASSERT_GE(handle, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(handle, &tio), 0);
  tio.c_cflag |= HUPCL | CRTSCTS;
  tio.c_iflag |= IXON | ICRNL;
  tio.c_lflag |= ICANON | ECHO;
  ASSERT_EQ(tcsetattr(handle, TCSANOW, &tio), 0);

  platform::DeviceControlBlock dcb;
  ASSERT_TRUE(platform::BuildCommDCB("COM1:19200,N,8,1", dcb));
  ASSERT_TRUE(platform::SetCommState(handle, dcb));
  ASSERT_EQ(tcgetattr(handle, &tio), 0);
  EXPECT_EQ(tio.c_cflag & (HUPCL | CRTSCTS | PARENB | CSTOPB), 0u);
  EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD | CSIZE), CLOCAL | CREAD | CS8);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
  EXPECT_EQ(cfgetospeed(&tio), B19200);
  EXPECT_EQ(line.PcSpeed(), 19200);
  EXPECT_TRUE(platform::IsSerialTerminal(handle));
  platform::CloseComHandle(handle);
}

TEST(SerialPort, SecondOpenerIsRefusedEvenForRoot) {
  simulator::PtyPort line;
  const int first = platform::CreateComFile(line.DevicePath());
  ASSERT_GE(first, 0);
  EXPECT_EQ(platform::CreateComFile(line.DevicePath()), -1);
  EXPECT_EQ(platform::GetLastError(), EBUSY);
  platform::CloseComHandle(first);
  const int again = platform::CreateComFile(line.DevicePath());
  EXPECT_GE(again, 0);
  platform::CloseComHandle(again);
}

TEST(SerialPort, WriteToALineThatTakesNothingEnds) {
  simulator::PtyPort line;  // nobody reads the far end
  const int handle = platform::CreateComFile(line.DevicePath());
  ASSERT_GE(handle, 0);
  ASSERT_TRUE(platform::SetCommTimeouts(handle, {.writeTotalTimeoutMultiplier = 2}));
  const std::string data(64, 'x');
  int chunks = 0;
  while (chunks < 100000 && platform::WriteComFile(handle, data.data(), data.size()) == 64) {
    ++chunks;
  }
  ASSERT_LT(chunks, 100000);
  // 100 bytes may take 200 ms.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(platform::WriteComFile(handle, std::string(100, 'y').data(), 100), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(700));
  platform::CloseComHandle(handle);
}

TEST(SerialPort, QueuedBytesAreCountedAndRead) {
  simulator::PtyPort line;
  const int handle = platform::CreateComFile(line.DevicePath());
  ASSERT_GE(handle, 0);
  platform::DeviceControlBlock dcb{9600, 8, 'N', 1};
  ASSERT_TRUE(platform::SetCommState(handle, dcb));
  ASSERT_EQ(write(line.Master(), "\x00\r\n\xff", 4), 4);
  std::size_t queued = 0;
  for (int i = 0; i < 100 && queued < 4; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(platform::ClearCommError(handle, queued));
  }
  ASSERT_EQ(queued, 4u);
  char buffer[8] = {};
  EXPECT_EQ(platform::ReadComFile(handle, buffer, queued), 4);
  EXPECT_EQ(std::string(buffer, 4), std::string("\x00\r\n\xff", 4));
  EXPECT_EQ(platform::ReadComFile(handle, buffer, 1), 0);
  platform::CloseComHandle(handle);
}

// The program may end while a command holds the port, half written. The next start
// must open it again, also as a user whom a left-behind exclusive flag would stop, while
// the line's far end stays open as the module simulator keeps it. Run as root, the test
// runs itself again as user nobody.
TEST(SerialPortAtExit, APortHeldWhenTheProcessEndsOpensAgain) {
  RUN_TEST_AS_NOBODY("SerialPortAtExit.*");
  simulator::PtyPort line;
  GTEST_FLAG_SET(death_test_style, "fast");  // the child shares the line
  EXPECT_EXIT(
      {
        const int handle = platform::CreateComFile(line.DevicePath());
        platform::WriteComFile(handle, "_:PL", 4);
        std::exit(handle >= 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  const int again = platform::CreateComFile(line.DevicePath());
  EXPECT_GE(again, 0) << platform::SystemErrorText(platform::GetLastError());
  platform::CloseComHandle(again);
}

}  // namespace
