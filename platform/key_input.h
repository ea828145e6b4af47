// The keyboard hook engine's only way out to the system. The Win32
// implementation is a thin wrapper over the calls named on each function;
// tests use a fake that records what is injected and posted and feeds
// injected keys back through the engine, as Windows does.
#pragma once

#include <cstdint>
#include <functional>

namespace tavel {

class KeyInput {
 public:
  virtual ~KeyInput() = default;

  // GetAsyncKeyState(vk) has its high bit set.
  virtual bool IsKeyDown(uint32_t vk) = 0;

  // keybd_event(vk, scan, flags, extraInfo). Windows passes the injected
  // event through the low-level hook before the call returns, so the engine
  // may be re-entered from here.
  virtual void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) = 0;

  // MapVirtualKeyA(vk, MAPVK_VK_TO_VSC).
  virtual uint32_t ScanCodeOf(uint32_t vk) = 0;

  // PostMessageA(WM_ASSIGNED_KEY, message, actionCode) to the monitor window
  // registered for the desktop kind the hook runs on now.
  virtual void PostAssignedKey(uint32_t message, uint32_t actionCode) = 0;

  // WinExec("utilman.exe /start", SW_SHOW).
  virtual void StartUtilityManager() = 0;

  // LockWorkStation().
  virtual void LockWorkStation() = 0;

  // Runs `continuation` once, about `delayMs` later, on the thread that runs
  // the hook (for example from a one-shot timer of that thread). A hook
  // procedure must never wait: Windows skips a low-level hook that does not
  // return in time and silently removes one that keeps timing out.
  virtual void RunLater(uint32_t delayMs, std::function<void()> continuation) = 0;
};

}  // namespace tavel
