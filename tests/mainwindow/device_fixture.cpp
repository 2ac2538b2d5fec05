#include "tests/mainwindow/device_fixture.h"

#include <QTimer>
#include <cstdlib>

#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/records.h"
#include "seriallink/rs232.h"

WatchingTransport::WatchingTransport(frmWizard& w) : w_(w) {
  SetCommandTransport(this);
}

WatchingTransport::~WatchingTransport() {
  SetCommandTransport(nullptr);
}

std::string WatchingTransport::Send(const std::string& sPortItem, const std::string& sSpeed,
                                    const std::string& sCommand, std::int16_t iPollCount,
                                    std::int32_t lWaitMs) {
  sent.push_back({sCommand, w_.lblTransfer1.Caption(), w_.lblTransferStatus.Caption()});
  return SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
}

simulator::ModuleSimulator& DeviceFlowTest::Connect(simulator::SimOptions options, int pcPortA,
                                                    int pcPortB) {
  module = std::make_unique<simulator::ModuleSimulator>(options);
  EXPECT_TRUE(module->Start());
  for (const auto& [pcPort, side] : {std::pair{pcPortA, 0}, std::pair{pcPortB, 1}}) {
    if (pcPort > 0) {
      const std::string variable = "PELVARON_COM" + std::to_string(pcPort);
      setenv(variable.c_str(), module->DevicePath(side).c_str(), 1);
    }
  }
  return *module;
}

frmWizard& DeviceFlowTest::StartOnPage(int page) {
  InfoShown = true;  // the connection instructions stay closed
  frmWizard& w = Start();
  for (int i = 0; i < page; ++i) {
    if (w.WizardPage == 1) {
      ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);  // a new project opens page 2
      w.cmdNew.PerformClick();
    }
    Navigate(1);
  }
  EXPECT_EQ(w.WizardPage, page);
  ui.ClearRecords();
  return w;
}

std::vector<std::string> DeviceFlowTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : ui.MessageBoxes()) {
    texts.push_back(box.text);
  }
  return texts;
}

void DeviceFlowTest::UnplugAfter(int milliseconds) {
  QTimer::singleShot(milliseconds, [this] { module->Stop(); });
}

simulator::ModuleState UsedModuleState() {
  simulator::ModuleState state = simulator::FactoryState();
  for (auto& list : state.entries) {
    list.fill("used");
  }
  state.flagsA.fill(std::string(14, '\x11'));
  state.flagsC.fill(std::string(5, '\x22'));
  state.ports = {{{5, 1, 'E', "20240101010101"}, {4, 1, 'O', "20240101010102"}}};
  return state;
}

std::string HexDigits(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string hex;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

ProjectCommands FillProject() {
  ProjectCommands commands;
  ProjHeader = ProjectHeader{};
  ProjHeader.Com1Baud = 5;
  ProjHeader.Com1Parity.Set("M");
  ProjHeader.Com1Handshake = 1;
  ProjHeader.Com2Baud = 4;
  ProjHeader.Com2Parity.Set("S");
  ProjHeader.Com2Handshake = 0;
  ProjHeader.FileInfo.Set("project with every kind of data");
  const std::array<CommandText CommandRecord::*, 5> fields = {
      &CommandRecord::RxCom1Cmd, &CommandRecord::TxCom1BackCmd, &CommandRecord::TxCom1Cmd,
      &CommandRecord::TxCom2Cmd, &CommandRecord::RxCom2Cmd};
  const std::array<std::int16_t CommandRecord::*, 5> lengths = {
      &CommandRecord::RxCom1Len, &CommandRecord::TxCom1BackLen, &CommandRecord::TxCom1Len,
      &CommandRecord::TxCom2Len, &CommandRecord::RxCom2Len};
  for (std::size_t i = 0; i < 32; ++i) {
    CommandRecord& record = CmdRecords[i];
    record = CommandRecord{};
    for (std::size_t k = 0; k < 5; ++k) {
      std::string bytes;
      if (i % 11 != 10) {  // records 10, 21: every command empty
        const std::size_t size = (i + 7 * k) % 31 + 1;
        for (std::size_t j = 0; j < size; ++j) {
          bytes += static_cast<char>((i * 31 + k * 17 + j * 13) % 256);
        }
        bytes[0] = "\x00\x7C\xFF\x41"[i % 4];
      }
      commands[k][i] = bytes;
      (record.*fields[k]).Set(HexDigits(bytes));
      record.*lengths[k] = static_cast<std::int16_t>(2 * bytes.size());
    }
    record.RxCom1Info.Set("name " + std::to_string(i));
    for (std::size_t j = 0; j < 32; ++j) {
      record.StatusMatrix[j] = static_cast<std::uint8_t>((i + j) % 3);
    }
    // Links by record: none, an entry, the status query, the last entry. A query and
    // a link carry a filter row; "none" carries none (it would read back as a query).
    const std::uint8_t entry = static_cast<std::uint8_t>(i % 32 + 1);
    const std::array<std::uint8_t, 4> links = {0, entry, 255, 32};
    record.BackAnswerNo = links[i % 4];
    record.TransToNo = static_cast<std::uint8_t>((i * 5) % 33);
    record.TransTo2No = links[(i + 1) % 4];
    if (record.BackAnswerNo != 0) {
      record.Filter1Matrix[i] = 1;
      record.Filter1Matrix[31 - i] = 1;
    }
    if (record.TransTo2No != 0) {
      record.Filter2Matrix[(i * 7) % 32] = 1;
    }
  }
  return commands;
}
