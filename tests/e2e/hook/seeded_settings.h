// The settings the hook library tests start from, written straight into the
// user's registry: notebook assignments on with right Alt as the Windows
// key, external-keyboard assignments in force without a USB keyboard, right
// Ctrl + F4 as Standby, no press-duration filtering. The items that the key
// tests do not use hold values of their own, so that an item read into
// another's place shows.
#pragma once

#include <windows.h>

#include "common/records.h"

struct SeededSettings {
  tavel::VrKbMap vrKbMap;
  DWORD vrKbStatus;
  tavel::ExtKbMap extKbMap;
  tavel::ExtKbSettings extKbSettings;
  tavel::KeySensMap keySensMap;
  DWORD keySensStatus;
  tavel::SymbMap symbMap;
  DWORD symbStatus;
  tavel::VrKbBrwMap vrKbBrwMap;
  DWORD vrKbBrwStatus;
};

const SeededSettings& Seeded();

// Replaces the user's settings with the seeded ones; false when the registry
// refuses.
bool SeedSettings();
// Removes the user's settings again.
void RemoveSettings();

// Reads a value of a settings subkey ("VrKb", ...) as it is stored; false
// when it is missing or not `size` bytes long.
bool ReadSetting(const char* subkey, const char* name, void* data, DWORD size);
