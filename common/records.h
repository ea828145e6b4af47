// The five assignment records, the status values that switch each group, and
// the external-keyboard settings. The registry value, the hook library's
// shared copy and the buffers of its Get/Set exports hold byte for byte the
// same contents: plain arrays of little-endian 32-bit words, no header.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavel {

using Vk = uint32_t;  // Windows virtual-key code; 0 = no key

namespace vk {
inline constexpr Vk None = 0x00;
inline constexpr Vk Cancel = 0x03;
inline constexpr Vk Tab = 0x09;
inline constexpr Vk Return = 0x0D;
inline constexpr Vk Pause = 0x13;
inline constexpr Vk Capital = 0x14;
inline constexpr Vk KoreanHangul = 0x15;
inline constexpr Vk KoreanHanja = 0x19;
inline constexpr Vk Escape = 0x1B;
inline constexpr Vk Space = 0x20;
inline constexpr Vk Left = 0x25;
inline constexpr Vk Up = 0x26;
inline constexpr Vk Right = 0x27;
inline constexpr Vk Down = 0x28;
inline constexpr Vk Digit0 = 0x30;
inline constexpr Vk Digit1 = 0x31;
inline constexpr Vk Digit9 = 0x39;
inline constexpr Vk L = 0x4C;
inline constexpr Vk U = 0x55;
inline constexpr Vk LWin = 0x5B;
inline constexpr Vk Apps = 0x5D;
inline constexpr Vk F1 = 0x70;
inline constexpr Vk F4 = 0x73;
inline constexpr Vk F5 = 0x74;
inline constexpr Vk F7 = 0x76;
inline constexpr Vk F9 = 0x78;
inline constexpr Vk F12 = 0x7B;
inline constexpr Vk LShift = 0xA0;
inline constexpr Vk RShift = 0xA1;
inline constexpr Vk LControl = 0xA2;
inline constexpr Vk RControl = 0xA3;
inline constexpr Vk LMenu = 0xA4;
inline constexpr Vk RMenu = 0xA5;
inline constexpr Vk BrowserBack = 0xA6;
inline constexpr Vk BrowserForward = 0xA7;
inline constexpr Vk VolumeDown = 0xAE;
inline constexpr Vk VolumeUp = 0xAF;
inline constexpr Vk Packet = 0xE7;
}  // namespace vk

// Two keys: the modifier held down, then the key pressed while it is held.
struct KeyCombo {
  uint32_t firstKey;
  uint32_t secondKey;
};

// A physical key that acts as another (emulated) key.
struct KeyRemap {
  uint32_t physicalKey;
  uint32_t emulatedKey;
};

struct SymbEntry {
  uint32_t characterChoice;  // 0 = empty row, 1..11 = SpecialCharacterTable
  uint32_t firstKey;
  uint32_t secondKey;
};

struct KeySensEntry {
  uint32_t key;
  uint32_t minimumPressMs;  // 0 = no filtering
};

// Notebook keyboard: entry 0 acts as the Windows key, entry 1 as the
// Application key.
struct VrKbMap {
  static constexpr size_t kEntries = 2;
  KeyRemap entries[kEntries];
};

// Notebook keyboard combinations: 0 CD/DVD eject, 1 volume up, 2 volume down.
struct VrKbBrwMap {
  static constexpr size_t kEntries = 3;
  KeyCombo entries[kEntries];
};

// External keyboard: one combination per Fn function (see ExtKbFunction).
struct ExtKbMap {
  static constexpr size_t kEntries = 10;
  KeyCombo entries[kEntries];
};

struct SymbMap {
  static constexpr size_t kEntries = 6;
  SymbEntry entries[kEntries];
};

struct KeySensMap {
  static constexpr size_t kEntries = 6;
  KeySensEntry entries[kEntries];
};

static_assert(sizeof(KeyCombo) == 8 && offsetof(KeyCombo, secondKey) == 4);
static_assert(sizeof(KeyRemap) == 8 && offsetof(KeyRemap, emulatedKey) == 4);
static_assert(sizeof(SymbEntry) == 12 && offsetof(SymbEntry, firstKey) == 4 &&
              offsetof(SymbEntry, secondKey) == 8);
static_assert(sizeof(KeySensEntry) == 8 && offsetof(KeySensEntry, minimumPressMs) == 4);
static_assert(sizeof(VrKbMap) == 16);
static_assert(sizeof(VrKbBrwMap) == 24);
static_assert(sizeof(ExtKbMap) == 80);
static_assert(sizeof(SymbMap) == 72);
static_assert(sizeof(KeySensMap) == 48);

enum ExtKbFunction : uint32_t {
  kExtVolumeUp = 0,
  kExtVolumeDown = 1,
  kExtVolumeMute = 2,
  kExtBrandedButton = 3,
  kExtStandby = 4,
  kExtHibernate = 5,
  kExtWirelessRadio = 6,
  kExtDovra = 7,
  kExtMagnifier = 8,
  kExtLumara = 9,
};

enum VrKbBrwFunction : uint32_t {
  kBrwEject = 0,
  kBrwVolumeUp = 1,
  kBrwVolumeDown = 2,
};

// KeySensAsgnsStatus values.
inline constexpr uint32_t kKeySensOff = 0;
inline constexpr uint32_t kKeySensOn = 1;
inline constexpr uint32_t kKeySensKeyTestRunning = 2;

// Mask bits of ExtKbSettings, for both the Get and the Set operation.
enum ExtKbSettingsMask : uint32_t {
  kExtKbMaskStatus = 0x01,
  kExtKbMaskAutoStatus = 0x02,
  kExtKbMaskUsbKbPresent = 0x04,
  kExtKbMaskDocked = 0x08,
  kExtKbMaskMorrowUsbKbPresent = 0x10,
  kExtKbMaskAll = 0x1F,
};

// The five external-keyboard values kept in the ExtKb key.
struct ExtKbSettings {
  uint32_t status;              // ExtKbAsgnsStatus
  uint32_t autoStatus;          // ExtKbAsgnsAutoStatus
  uint32_t usbKbPresent;        // USBKbPresent
  uint32_t docked;              // Docked
  uint32_t morrowUsbKbPresent;  // MorrowUSBKbPresent
};
static_assert(sizeof(ExtKbSettings) == 20);

// The words in mask-bit order: bit 1 << i selects word i.
inline constexpr uint32_t ExtKbSettings::*kExtKbSettingsFields[] = {
    &ExtKbSettings::status, &ExtKbSettings::autoStatus, &ExtKbSettings::usbKbPresent,
    &ExtKbSettings::docked, &ExtKbSettings::morrowUsbKbPresent};

constexpr void CopyMaskedExtKbSettings(uint32_t mask, ExtKbSettings& to, const ExtKbSettings& from) {
  for (uint32_t i = 0; i < 5; ++i) {
    if (mask & (1u << i)) to.*kExtKbSettingsFields[i] = from.*kExtKbSettingsFields[i];
  }
}

// The mask of the words in which `a` and `b` differ.
constexpr uint32_t DifferingExtKbSettings(const ExtKbSettings& a, const ExtKbSettings& b) {
  uint32_t mask = 0;
  for (uint32_t i = 0; i < 5; ++i) {
    if (a.*kExtKbSettingsFields[i] != b.*kExtKbSettingsFields[i]) mask |= 1u << i;
  }
  return mask;
}

// The masked form passed across the hook library's interface.
struct ExtKbSettingsRequest {
  uint32_t mask;
  ExtKbSettings values;
};
static_assert(sizeof(ExtKbSettingsRequest) == 24 && offsetof(ExtKbSettingsRequest, values) == 4);

// External-keyboard assignments are in force only while enabled, while the
// maker's own keyboard (which has the keys itself) is absent, and, with the
// automatic switch on, while some USB keyboard is attached.
constexpr bool ExtKbAssignmentsActive(const ExtKbSettings& s) {
  return s.status == 1 && s.morrowUsbKbPresent == 0 && (s.autoStatus != 1 || s.usbKbPresent != 0);
}

// Character choice 1..11 -> UTF-16 code unit; 0 for anything else.
uint16_t SpecialCharacter(uint32_t choice);

inline constexpr uint32_t kSpecialCharacterCount = 11;

}  // namespace tavel
