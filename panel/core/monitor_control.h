// How the configuration program reaches the resident monitor and what it
// reads before deciding whether the monitor should run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavel::panel {

class MonitorControl {
 public:
  virtual ~MonitorControl() = default;
  // A control code to TavelSVC; failures (no service, no right to control
  // it) are ignored.
  virtual void SendServiceControl(uint32_t code) = 0;
  // The installation folder, when the machine-wide Path key has one.
  virtual std::optional<std::string> InstallDirectory() = 0;
  virtual void SetRunValue(const std::string& monitorPath) = 0;
  virtual void DeleteRunValue() = 0;
  virtual bool RunValueExists() = 0;
  // Runs the monitor beside this program, with the stop switch when asked.
  virtual void LaunchMonitor(bool stop) = 0;
};

// Values kept outside this program that decide whether the monitor is wanted.
class ProductState {
 public:
  virtual ~ProductState() = default;
  virtual uint32_t UsbObiKbDetectStatus() = 0;  // maker's keyboard seen by the service
  virtual uint32_t TvkStatus() = 0;             // 1 = product disabled by the user
  virtual uint32_t SvcMnApStatus() = 0;         // service looks after the monitor
  virtual bool HasMorrowUsbKeyboard() = 0;      // maker's keyboard attached now
};

}  // namespace tavel::panel
