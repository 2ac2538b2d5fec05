#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "seriallink/command_transport.h"
#include "simulator/module_simulator.h"
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
  };
  std::vector<Sent> sent;

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

// The raw bytes of each command of lists A..E ("" for an empty entry).
using ProjectCommands = std::array<std::array<std::string, 32>, 5>;

// Fills the project with data in every field the module holds: commands of 1 to 31
// bytes with 00, 7C and FF among them and some empty ones, every kind of link with
// the status query, status values 0 to 2 and filters; side A 57600 baud, mark parity,
// handshake on; side B 4800, space, off. Returns the commands.
ProjectCommands FillProject();

// The compact hex digits of raw bytes.
std::string HexDigits(const std::string& bytes);
