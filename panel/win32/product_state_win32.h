#pragma once

#include "panel/core/monitor_control.h"
#include "platform/device_tree.h"
#include "platform/registry.h"

namespace tavel::panel {

// Missing keys and values read as 0.
class Win32ProductState : public ProductState {
 public:
  Win32ProductState(Registry& registry, DeviceTree& devices)
      : registry_(registry), devices_(devices) {}
  uint32_t UsbObiKbDetectStatus() override;
  uint32_t TvkStatus() override;
  uint32_t SvcMnApStatus() override;
  bool HasMorrowUsbKeyboard() override;

 private:
  Registry& registry_;
  DeviceTree& devices_;
};

}  // namespace tavel::panel
