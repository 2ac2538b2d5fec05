#pragma once

#include <sys/types.h>
#include <array>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "simulator/module_simulator.h"
#include "tests/common/installed_transport.h"
#include "tests/mainwindow/sample_project.h"
#include "tests/mainwindow/wizard_fixture.h"

// Passes every module command on to the serial ports and notes what the transfer
// frame showed when it went out. Installed for its lifetime.
class WatchingTransport : public InstalledTransport {
 public:
  explicit WatchingTransport(frmWizard& w) : w_(w) {}
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override;
  struct Sent {
    std::string command;
    std::string label;   // lblTransfer1
    std::string status;  // lblTransferStatus
    std::string hint;    // lblInfotext, when shown
  };
  std::vector<Sent> sent;
  // When set, the module's answer to a command passes through it.
  std::function<std::string(const std::string& command, std::string answer)> rewrite;

 private:
  frmWizard& w_;
};

// Passes every module command on to the serial ports and runs the cut once, after the
// first command that starts with the given text went out and before its answer is read.
// Installed for its lifetime.
class CuttingTransport : public InstalledTransport {
 public:
  CuttingTransport(std::string commandStart, std::function<void()> cut)
      : commandStart_(std::move(commandStart)), cut_(std::move(cut)) {}
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override;
  int sentAfterTheCut = 0;

 private:
  std::string commandStart_;
  std::function<void()> cut_;
};

// The main window with a simulated module on pseudo-terminals.
class DeviceFlowTest : public WizardTest {
 protected:
  ~DeviceFlowTest() override;
  // Starts a module and plugs its side A into PC port COM<pcPortA> and its side B
  // into COM<pcPortB>; 0 leaves a side unplugged. Answers in pieces come piece by
  // piece in the pauses of the program.
  simulator::ModuleSimulator& Connect(simulator::SimOptions options = {}, int pcPortA = 1,
                                      int pcPortB = 2);
  // Starts the window and moves it to the page as the user would.
  frmWizard& StartOnPage(int page);
  // Clicks the control as the user does and checks that the window went on handling its
  // events while the flow ran: a 100 ms timer ticked at least once in every 300 ms.
  void ClickWatchingTheWindow(platform::ui::Control& control);
  // The texts of the boxes shown so far.
  std::vector<std::string> BoxTexts() const;
  // Pulls the module's plug while the first command that starts with commandStart waits
  // for its answer.
  void UnplugDuring(const std::string& commandStart);
  // Runs the module as a process of its own, plugged in as Connect does, and kills it
  // (SIGKILL) while the first command that starts with commandStart waits for its answer.
  void ConnectProcessKilledDuring(const std::string& commandStart, int pcPortA, int pcPortB);
  // The commands sent since the module went away, the one it left unanswered included.
  int CommandsSentAfterTheCut() const;

  std::unique_ptr<simulator::ModuleSimulator> module;
  pid_t moduleProcess = -1;

 private:
  std::unique_ptr<CuttingTransport> cut_;
};

// A module state holding something else than the factory state in every field.
simulator::ModuleState UsedModuleState();

// What a module holds once the project in memory went into it, with the stamps given;
// commands are the raw bytes of the project's commands.
simulator::ModuleState ModuleStateOf(const ProjectCommands& commands, const std::string& stampA,
                                     const std::string& stampB);
