#include "platform/win32/window_messages_win32.h"

#include <windows.h>

namespace tavel {

WindowHandle Win32WindowMessages::FindTopLevel(const char* className, const char* title) {
  return reinterpret_cast<WindowHandle>(FindWindowA(className, title));
}

void Win32WindowMessages::Post(WindowHandle window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam) {
  PostMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

intptr_t Win32WindowMessages::Send(WindowHandle window, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam) {
  return SendMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

void Win32WindowMessages::BringToForeground(WindowHandle window) {
  SetForegroundWindow(reinterpret_cast<HWND>(window));
}

// A window of another process: its end is not something to wait on here,
// so the window is looked at every few milliseconds.
void Win32WindowMessages::WaitUntilGone(WindowHandle window, uint32_t limitMs) {
  constexpr DWORD kLookEveryMs = 10;
  const DWORD start = GetTickCount();
  while (IsWindow(reinterpret_cast<HWND>(window)) && GetTickCount() - start < limitMs) {
    Sleep(kLookEveryMs);
  }
}

}  // namespace tavel
