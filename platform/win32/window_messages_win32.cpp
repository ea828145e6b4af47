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

}  // namespace tavel
