#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "seriallink/command_transport.h"
#include "simulator/module_simulator.h"
#include "tests/mainwindow/sample_project.h"
#include "tests/mainwindow/wizard_fixture.h"

// Passes every module command on to the serial ports and notes what the transfer
// frame showed when it went out. Installed for its lifetime.
class WatchingTransport : public CommandTransport {
 public:
  explicit WatchingTransport(frmWizard& w);
  ~WatchingTransport() override;
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

// The main window with a simulated module on pseudo-terminals.
class DeviceFlowTest : public WizardTest {
 protected:
  // Starts a module and plugs its side A into PC port COM<pcPortA> and its side B
  // into COM<pcPortB>; 0 leaves a side unplugged.
  simulator::ModuleSimulator& Connect(simulator::SimOptions options = {}, int pcPortA = 1,
                                      int pcPortB = 2);
  // Starts the window and moves it to the page as the user would.
  frmWizard& StartOnPage(int page);
  // The texts of the boxes shown so far.
  std::vector<std::string> BoxTexts() const;
  // Pulls the module's plug after the given time, while a flow runs.
  void UnplugAfter(int milliseconds);

  std::unique_ptr<simulator::ModuleSimulator> module;
};

// A module state holding something else than the factory state in every field.
simulator::ModuleState UsedModuleState();
