// The keyboard scan over the device tree, recording its result in the hook
// library's external-keyboard settings.
#pragma once

#include "monitor/hook_library.h"
#include "monitor/keyboard_scan.h"
#include "platform/device_tree.h"

namespace tavel {

class UsbKeyboardScan : public KeyboardScan {
 public:
  UsbKeyboardScan(DeviceTree& tree, HookLibrary& hook) : tree_(tree), hook_(hook) {}
  void DetectUsbKeyboards() override;

 private:
  DeviceTree& tree_;
  HookLibrary& hook_;
};

}  // namespace tavel
