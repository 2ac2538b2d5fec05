#pragma once

#include <memory>
#include <string>
#include <vector>

#include "simulator/module_simulator.h"
#include "tests/mainwindow/wizard_fixture.h"

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
