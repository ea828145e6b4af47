#include "monitor/usb_keyboard_scan.h"

#include "common/device_detection.h"

namespace tavel {

void UsbKeyboardScan::DetectUsbKeyboards() {
  tavel::DetectUsbKeyboards(tree_, [this](uint32_t mask, const ExtKbSettings& values) {
    hook_.SetExtKbSettings(ExtKbSettingsRequest{mask, values});
  });
}

}  // namespace tavel
