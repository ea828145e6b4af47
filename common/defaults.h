// The default contents of the settings. Pure: what the machine offers comes
// in as answers gathered beforehand (see capabilities.h), so every
// combination can be built and checked without the machine.
#pragma once

#include "common/records.h"

namespace tavel {

// What decides which machine-dependent external-keyboard rows exist.
struct CapabilityAnswers {
  bool driverF1 = false;        // hot-key driver selector 0, bit 24
  bool driverF5 = false;        // selector 1, bit 4
  bool driverF9 = false;        // selector 1, bit 8
  bool driverF7 = false;        // selector 1, bit 6
  // The branded-button sources are asked in this order until one says yes:
  // driverF1, ostraVersion4, velmoraProgram.
  bool ostraVersion4 = false;   // Ostra help program version 4 or later
  bool velmoraProgram = false;  // Velmora program installed
  bool fnFx5Available = false;  // hot-key interface library: Fn+F5 exists
  bool fnFx9Available = false;  // hot-key interface library: Fn+F9 exists
};

// The status values a new user starts with when no machine-wide seed exists.
struct DefaultStatusValues {
  uint32_t vrKbStatus = 0;
  uint32_t extKbStatus = 0;
  uint32_t extKbAutoStatus = 1;
  uint32_t keySensStatus = 1;
  uint32_t symbStatus = 1;
  uint32_t vrKbBrwStatus = 1;
  uint32_t usbKbPresent = 0;
  uint32_t docked = 0;
  uint32_t morrowUsbKbPresent = 0;
  uint32_t tvkStatus = 0;
};

VrKbMap DefaultVrKbMap();
VrKbBrwMap DefaultVrKbBrwMap();
KeySensMap DefaultKeySensMap();
SymbMap DefaultSymbMap();

// The hook library's first-run rows: 3 by driver F1 or Ostra, 6/7/9 by the
// driver bits F5/F9/F7.
ExtKbMap FirstRunExtKbMap(const CapabilityAnswers& answers);
// The configuration program's reset rows: 3 by driver F1, Ostra or Velmora,
// 6/7 by the interface library, 9 by driver F7.
ExtKbMap ResetExtKbMap(const CapabilityAnswers& answers);

}  // namespace tavel
