#include "tests/seriallink/test_doubles.h"

#include <cstdlib>

#include "seriallink/number_text.h"

std::string ScriptedTransport::Send(const std::string&, const std::string&,
                                    const std::string& sCommand, std::int16_t iPollCount,
                                    std::int32_t lWaitMs) {
  sent.push_back({sCommand, iPollCount, lWaitMs});
  const std::size_t n = sent.size() - 1;
  return n < answers_.size() ? answers_[n] : std::string();
}

std::string MemoryTransport::Send(const std::string& sPortItem, const std::string& sSpeed,
                                  const std::string& sCommand, std::int16_t, std::int32_t) {
  ports.push_back(sPortItem);
  const int side = sPortItem == "COM1:" ? 0 : sPortItem == "COM2:" ? 1 : -1;
  if (side < 0) {
    return {};
  }
  std::string answer;
  for (const std::string& part :
       core.Receive(side, static_cast<int>(LeadingNumber(sSpeed)), sCommand)) {
    answer += part;
  }
  core.DropPartialFrame(side);  // the port closes after every command
  return answer;
}

PtyModule::PtyModule(simulator::SimOptions options) : sim(options) {
  UnmapAllComPorts();
  started = sim.Start();
  MapComPort(1, sim.DevicePath(0));
  MapComPort(2, sim.DevicePath(1));
}

void MapComPort(int n, const std::string& devicePath) {
  setenv(("PELVARON_COM" + std::to_string(n)).c_str(), devicePath.c_str(), 1);
}

void UnmapAllComPorts() {
  for (int n = 1; n <= 6; ++n) {
    MapComPort(n, "/nonexistent/pelvaron-tty" + std::to_string(n));
  }
  setenv("XDG_CONFIG_HOME", "/nonexistent/pelvaron-config", 1);
}

FakeProgress::FakeProgress() = default;

TransferProgressControls FakeProgress::Controls() {
  return {bar_, transfer_, status_, warn_};
}

void FakeProgress::Bar::SetMax(int value) {
  owner_.events.push_back("Max=" + std::to_string(value));
}

void FakeProgress::Bar::SetMin(int value) {
  owner_.events.push_back("Min=" + std::to_string(value));
}

void FakeProgress::Bar::SetPosition(int value) {
  owner_.position = value;
  owner_.events.push_back("Position=" + std::to_string(value));
}

void FakeProgress::Label::SetCaption(const std::string& caption) {
  owner_.events.push_back(name_ + "=" + caption);
}

void FakeProgress::Label::SetVisible(bool visible) {
  owner_.events.push_back(name_ + (visible ? ".Visible" : ".Hidden"));
}
