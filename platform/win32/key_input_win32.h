#pragma once

#include <windows.h>

#include <functional>
#include <map>

#include "platform/key_input.h"

namespace tavel {

// The hook engine's way out to Windows, on the thread that runs the hook.
class Win32KeyInput : public KeyInput {
 public:
  // `monitorWindow` names the window that receives WM_ASSIGNED_KEY; it is
  // asked anew for every message, since the monitor may install its hook
  // again with another window.
  explicit Win32KeyInput(std::function<HWND()> monitorWindow);

  bool IsKeyDown(uint32_t vk) override;
  void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) override;
  uint32_t ScanCodeOf(uint32_t vk) override;
  void PostAssignedKey(uint32_t message, uint32_t actionCode) override;
  void StartUtilityManager() override;
  void LockWorkStation() override;
  void RunLater(uint32_t delayMs, std::function<void()> continuation) override;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timerId, DWORD);

  std::function<HWND()> monitorWindow_;
  // Continuations waiting for their thread timer, by timer id. Thread timers
  // carry no context, so the table is per process: the hook runs on one
  // thread only.
  static std::map<UINT_PTR, std::function<void()>> pending_;
};

}  // namespace tavel
