#include "panel/win32/product_state_win32.h"

#include "common/device_detection.h"
#include "common/settings_store.h"

namespace tavel::panel {

uint32_t Win32ProductState::UsbObiKbDetectStatus() {
  uint32_t value = 0;
  ReadUsbObiKbDetectStatus(registry_, value);
  return value;
}

uint32_t Win32ProductState::TvkStatus() {
  uint32_t value = 0;
  ReadStatus(registry_, status::kTvk, value);
  return value;
}

uint32_t Win32ProductState::SvcMnApStatus() {
  uint32_t value = 0;
  ReadSvcMnApStatus(registry_, value);
  return value;
}

bool Win32ProductState::HasMorrowUsbKeyboard() { return tavel::HasMorrowUsbKeyboard(devices_); }

}  // namespace tavel::panel
