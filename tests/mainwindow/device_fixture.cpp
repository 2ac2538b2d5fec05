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
  sent.push_back({sCommand, w_.lblTransfer1.Caption(), w_.lblTransferStatus.Caption(),
                  w_.lblInfotext.Visible() ? w_.lblInfotext.Text() : std::string()});
  std::string answer = SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
  return rewrite ? rewrite(sCommand, std::move(answer)) : answer;
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
