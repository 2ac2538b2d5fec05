#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/messagebox.h"
#include "seriallink/device_controls.h"
#include "simulator/module_core.h"
#include "simulator/module_simulator.h"
#include "tests/common/installed_transport.h"

// Records every message box and answers Ok; installed for its lifetime.
class RecordedBoxes : public platform::MessageBoxPresenter {
 public:
  RecordedBoxes() { platform::SetMessageBoxPresenter(this); }
  ~RecordedBoxes() override { platform::SetMessageBoxPresenter(nullptr); }
  platform::MsgResult Show(const platform::MessageBoxCall& call) override {
    calls.push_back(call);
    return platform::MsgResult::Ok;
  }
  std::vector<platform::MessageBoxCall> calls;
};

// Answers from fixed texts, one per command, and keeps the commands sent.
class ScriptedTransport : public InstalledTransport {
 public:
  explicit ScriptedTransport(std::vector<std::string> answers) : answers_(std::move(answers)) {}
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override;
  struct Sent {
    std::string command;
    std::int16_t polls;
    std::int32_t waitMs;
  };
  std::vector<Sent> sent;

 private:
  std::vector<std::string> answers_;
};

// The simulator's module without wires: "COM1:" reaches side A and "COM2:" side
// B; other ports have nothing connected.
class MemoryTransport : public InstalledTransport {
 public:
  explicit MemoryTransport(simulator::SimOptions options = {}) : core(options) {}
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override;
  simulator::ModuleCore core;
  std::vector<std::string> ports;  // the port of each command sent
};

// A simulator on pseudo-terminals with PELVARON_COM1 on side A and
// PELVARON_COM2 on side B; COM3..COM6 lead to no device.
class PtyModule {
 public:
  explicit PtyModule(simulator::SimOptions options = {});
  bool started = false;
  simulator::ModuleSimulator sim;
};

// Points COMn at a device path for this test process.
void MapComPort(int n, const std::string& devicePath);
// Points every COMn at a path that does not exist, and the settings store at an
// empty folder.
void UnmapAllComPorts();

class FakeList : public ListControl {
 public:
  explicit FakeList(std::vector<std::string> items) : items_(std::move(items)) {}
  int ListCount() const override { return static_cast<int>(items_.size()); }
  std::string List(int index) const override { return items_.at(static_cast<std::size_t>(index)); }
  void SetListIndex(int index) override {
    index_ = index;
    selections.push_back(index);
  }
  int ListIndex() const override { return index_; }
  std::string Text() const override { return index_ < 0 ? std::string() : List(index_); }
  std::vector<int> selections;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

// Every change of the transfer frame, in order, as "control=value".
class FakeProgress {
 public:
  FakeProgress();
  std::vector<std::string> events;
  int position = 0;
  TransferProgressControls Controls();

 private:
  class Bar : public ProgressBarControl {
   public:
    explicit Bar(FakeProgress& owner) : owner_(owner) {}
    void SetMax(int value) override;
    void SetMin(int value) override;
    void SetPosition(int value) override;
    int Position() const override { return owner_.position; }

   private:
    FakeProgress& owner_;
  };
  class Label : public LabelControl {
   public:
    Label(FakeProgress& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    void SetCaption(const std::string& caption) override;
    void SetVisible(bool visible) override;

   private:
    FakeProgress& owner_;
    std::string name_;
  };
  Bar bar_{*this};
  Label transfer_{*this, "lblTransfer1"};
  Label status_{*this, "lblTransferStatus"};
  Label warn_{*this, "lblTransferWarn"};
};
