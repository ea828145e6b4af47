// Finding attached keyboards in the device tree: whether a USB keyboard is
// attached at all, and whether one of them is the maker's own keyboard, which
// has the Fn keys itself and makes the external-keyboard assignments moot.
#pragma once

#include <cstdint>
#include <functional>

#include "common/records.h"
#include "platform/device_tree.h"

namespace tavel {

// Receives the scan's results: the mask selects which fields of `values` to
// store (ExtKbSettingsMask bits). The monitor passes the hook library's
// SetExtKbSettings.
using ExtKbSettingsSink = std::function<void(uint32_t mask, const ExtKbSettings& values)>;

// A device of the keyboard setup class with a USB root hub (or the
// VID_0451&PID_2036 hub) among its ancestors.
bool IsUsbAttachedKeyboard(DeviceTree& tree, const char* deviceId);

// The device ID names one of the maker's USB keyboards (case-insensitive).
bool IsMorrowKeyboard(const char* deviceId);

// The monitor's full scan: once the device list has been read, clears
// USBKbPresent and MorrowUSBKbPresent, then sets them for each keyboard
// found. When the list cannot be read nothing at all is written.
void DetectUsbKeyboards(DeviceTree& tree, const ExtKbSettingsSink& sink);

// The configuration program's quick check: any present device is the
// maker's keyboard (neither class nor attachment is checked). False on any
// failure.
bool HasMorrowUsbKeyboard(DeviceTree& tree);

}  // namespace tavel
