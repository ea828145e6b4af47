// One low-level keyboard event as the hook receives it: the window message
// plus the fields of KBDLLHOOKSTRUCT. The hook may rewrite vkCode, scanCode
// and flags; the next hook in the chain sees the rewritten values.
#pragma once

#include <cstdint>

namespace tavel {

inline constexpr uint32_t kWmKeyDown = 0x100;
inline constexpr uint32_t kWmKeyUp = 0x101;
inline constexpr uint32_t kWmSysKeyDown = 0x104;
inline constexpr uint32_t kWmSysKeyUp = 0x105;

// KBDLLHOOKSTRUCT flags.
inline constexpr uint32_t kKeyFlagExtended = 0x01;
inline constexpr uint32_t kKeyFlagInjected = 0x10;
inline constexpr uint32_t kKeyFlagUp = 0x80;

struct KeyEvent {
  uint32_t message;
  uint32_t vkCode;
  uint32_t scanCode;
  uint32_t flags;
  uint32_t time;  // ms, GetTickCount clock
  uintptr_t extraInfo;
};

constexpr bool IsKeyUpFlags(uint32_t flags) { return (flags & kKeyFlagUp) != 0; }
constexpr bool IsKeyUp(const KeyEvent& ev) { return IsKeyUpFlags(ev.flags); }
constexpr bool IsInjected(const KeyEvent& ev) { return (ev.flags & kKeyFlagInjected) != 0; }
constexpr bool IsExtended(const KeyEvent& ev) { return (ev.flags & kKeyFlagExtended) != 0; }

}  // namespace tavel
