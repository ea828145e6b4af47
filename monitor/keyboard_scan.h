// The scan for attached USB keyboards; its result goes to the hook library's
// external-keyboard settings.
#pragma once

namespace tavel {

class KeyboardScan {
 public:
  virtual ~KeyboardScan() = default;
  virtual void DetectUsbKeyboards() = 0;
};

}  // namespace tavel
