#include "platform/win32/key_input_win32.h"

#include <utility>

#include "platform/win32/system_directory_win32.h"

namespace tavel {
namespace {
constexpr UINT kWmAssignedKey = 0x8001;
}

std::map<UINT_PTR, std::function<void()>> Win32KeyInput::pending_;

Win32KeyInput::Win32KeyInput(std::function<HWND()> monitorWindow)
    : monitorWindow_(std::move(monitorWindow)) {}

bool Win32KeyInput::IsKeyDown(uint32_t vk) {
  return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0;
}

void Win32KeyInput::InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) {
  keybd_event(vk, scan, flags, extraInfo);
}

uint32_t Win32KeyInput::ScanCodeOf(uint32_t vk) { return MapVirtualKeyA(vk, MAPVK_VK_TO_VSC); }

void Win32KeyInput::PostAssignedKey(uint32_t message, uint32_t actionCode) {
  PostMessageA(monitorWindow_(), kWmAssignedKey, message, actionCode);
}

void Win32KeyInput::StartUtilityManager() { StartSystemProgram("utilman.exe", "/start", SW_SHOW); }

void Win32KeyInput::LockWorkStation() { ::LockWorkStation(); }

// A thread timer (no window) fires through the message loop of the thread
// that set it, which is the hook's thread. Without a timer the continuation
// runs at once rather than never: it typically releases an injected key,
// which must not stay down.
void Win32KeyInput::RunLater(uint32_t delayMs, std::function<void()> continuation) {
  UINT_PTR id = SetTimer(nullptr, 0, delayMs, &Win32KeyInput::OnTimer);
  if (id) {
    pending_[id] = std::move(continuation);
  } else {
    continuation();
  }
}

void CALLBACK Win32KeyInput::OnTimer(HWND, UINT, UINT_PTR timerId, DWORD) {
  KillTimer(nullptr, timerId);
  auto it = pending_.find(timerId);
  if (it == pending_.end()) return;
  std::function<void()> continuation = std::move(it->second);
  pending_.erase(it);
  continuation();
}

}  // namespace tavel
