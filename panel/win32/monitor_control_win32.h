#pragma once

#include "panel/core/monitor_control.h"
#include "platform/registry.h"
#include "platform/services.h"

namespace tavel::panel {

// A monitor runs on this desktop: its window is there.
bool MonitorWindowExists();

class Win32MonitorControl : public MonitorControl {
 public:
  Win32MonitorControl(Registry& registry, ServiceManager& services)
      : registry_(registry), services_(services) {}
  void SendServiceControl(uint32_t code) override;
  std::optional<std::string> InstallDirectory() override;
  void SetRunValue(const std::string& monitorPath) override;
  void DeleteRunValue() override;
  bool RunValueExists() override;
  void LaunchMonitor(bool stop) override;

 private:
  Registry& registry_;
  ServiceManager& services_;
};

}  // namespace tavel::panel
