#include "tests/mainwindow/device_fixture.h"

#include <sys/wait.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <utility>

#include "platform/events.h"
#include "platform/messagebox.h"
#include "project/flag_blocks.h"
#include "project/program_state.h"
#include "project/records.h"
#include "seriallink/rs232.h"
#include "tests/common/bench_support.h"

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
  if (options.pieceGapMs > 0) {
    // Each piece comes in the first pause of the program after it read the one before,
    // however slow the machine.
    module->HoldPieces();
    platform::SetSleepHook([sim = module.get()](int milliseconds) {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      sim->ReleasePiece();
    });
  }
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

void DeviceFlowTest::ClickWatchingTheWindow(platform::ui::Control& control) {
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(100);
  QElapsedTimer clock;
  clock.start();
  platform::ui::testing::ClickControl(control);
  EXPECT_GE(ticks, clock.elapsed() / 300) << "the window went on handling its events";
}

std::vector<std::string> DeviceFlowTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const auto& box : ui.MessageBoxes()) {
    texts.push_back(box.text);
  }
  return texts;
}

std::string CuttingTransport::Send(const std::string& sPortItem, const std::string& sSpeed,
                                   const std::string& sCommand, std::int16_t iPollCount,
                                   std::int32_t lWaitMs) {
  const bool cutting = cut_ && sCommand.starts_with(commandStart_);
  if (cutting) {
    // The first pause of a command comes after its bytes went out, before any read.
    platform::SetSleepHook([this](int milliseconds) {
      if (cut_) {
        std::exchange(cut_, nullptr)();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    });
  }
  std::string answer = SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
  if (cutting) {
    platform::SetSleepHook(nullptr);
  }
  if (!cut_) {
    ++sentAfterTheCut;
  }
  return answer;
}

void DeviceFlowTest::UnplugDuring(const std::string& commandStart) {
  cut_ = std::make_unique<CuttingTransport>(commandStart, [this] { module->Stop(); });
}

int DeviceFlowTest::CommandsSentAfterTheCut() const {
  return cut_ ? cut_->sentAfterTheCut : 0;
}

DeviceFlowTest::~DeviceFlowTest() {
  platform::SetSleepHook(nullptr);
  if (moduleProcess > 0) {
    kill(moduleProcess, SIGKILL);
    waitpid(moduleProcess, nullptr, 0);
  }
}

void DeviceFlowTest::ConnectProcessKilledDuring(const std::string& commandStart, int pcPortA,
                                                int pcPortB) {
  std::string sideA;
  std::string sideB;
  moduleProcess = StartSimulatorChild(sideA, sideB);
  ASSERT_GT(moduleProcess, 0);
  for (const auto& [pcPort, path] : {std::pair{pcPortA, sideA}, std::pair{pcPortB, sideB}}) {
    if (pcPort > 0) {
      setenv(("PELVARON_COM" + std::to_string(pcPort)).c_str(), path.c_str(), 1);
    }
  }
  cut_ = std::make_unique<CuttingTransport>(commandStart, [this] {
    kill(moduleProcess, SIGKILL);
    waitpid(moduleProcess, nullptr, 0);
    moduleProcess = -1;
  });
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

simulator::ModuleState ModuleStateOf(const ProjectCommands& commands, const std::string& stampA,
                                     const std::string& stampB) {
  simulator::ModuleState state;
  for (std::size_t k = 0; k < commands.size(); ++k) {
    for (std::size_t i = 0; i < commands[k].size(); ++i) {
      state.entries[k][i] = commands[k][i].empty() ? simulator::kEmptyEntry : commands[k][i];
    }
  }
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    const CommandRecord& record = CmdRecords[i];
    state.flagsA[i] = EncodeFlagsA(record.StatusMatrix, record.Filter1Matrix,
                                   RecordNoToModuleByte(record.BackAnswerNo),
                                   RecordNoToModuleByte(record.TransToNo));
    state.flagsC[i] = EncodeFlagsC(record.Filter2Matrix, RecordNoToModuleByte(record.TransTo2No));
  }
  state.ports[0] = {ProjHeader.Com1Baud, ProjHeader.Com1Handshake, ProjHeader.Com1Parity.bytes[0],
                    stampA};
  state.ports[1] = {ProjHeader.Com2Baud, ProjHeader.Com2Handshake, ProjHeader.Com2Parity.bytes[0],
                    stampB};
  return state;
}
