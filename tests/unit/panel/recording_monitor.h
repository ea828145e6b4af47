// Test doubles for the monitor's means and the outside values: every call is
// written to one log so tests can assert order as well as content.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "panel/core/monitor_control.h"

namespace tavel::panel::test {

using Log = std::vector<std::string>;

class RecordingMonitor : public MonitorControl {
 public:
  explicit RecordingMonitor(Log& log) : log_(log) {}
  std::optional<std::string> installDirectory = "C:\\Tavel";
  bool runValue = false;

  void SendServiceControl(uint32_t code) override { log_.push_back("svc " + std::to_string(code)); }
  std::optional<std::string> InstallDirectory() override { return installDirectory; }
  void SetRunValue(const std::string& path) override {
    runValue = true;
    log_.push_back("run= " + path);
  }
  void DeleteRunValue() override {
    runValue = false;
    log_.push_back("run deleted");
  }
  bool RunValueExists() override { return runValue; }
  void LaunchMonitor(bool stop) override { log_.push_back(stop ? "Tavelmon /x" : "Tavelmon"); }

 private:
  Log& log_;
};

// Each read of USBOBIKBDetectStatus takes the next scripted value (the last
// one repeats), because the service may change it between two reads.
class ScriptedProductState : public ProductState {
 public:
  std::deque<uint32_t> detectStatus{0};
  uint32_t tvkStatus = 0;
  uint32_t svcMnApStatus = 0;
  bool makerKeyboard = false;

  uint32_t UsbObiKbDetectStatus() override {
    uint32_t v = detectStatus.front();
    if (detectStatus.size() > 1) detectStatus.pop_front();
    return v;
  }
  uint32_t TvkStatus() override { return tvkStatus; }
  uint32_t SvcMnApStatus() override { return svcMnApStatus; }
  bool HasMorrowUsbKeyboard() override { return makerKeyboard; }
};

}  // namespace tavel::panel::test
