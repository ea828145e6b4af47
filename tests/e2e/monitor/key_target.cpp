// A visible window with an edit control for typing tests on the X display,
// with an observer hook that records every key event reaching it. Ends at
// the release of Escape and prints what it saw:
//   key VK FLAGS     for every observed event (hexadecimal)
//   text U+XXXX ...  the edit control's contents
#include <windows.h>

#include <cstdio>

#include "../hook/key_observer.h"

namespace {

HWND g_edit;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS) SetFocus(g_edit);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"TavelKeyTarget";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"TavelKeyTarget", L"Tavel key target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                50, 50, 400, 200, nullptr, nullptr, instance, nullptr);
  g_edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 360, 30, window,
                           nullptr, instance, nullptr);
  SetFocus(g_edit);
  if (!StartKeyObserver()) return 1;

  MSG message;
  bool done = false;
  while (!done && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    for (const ObservedKey& key : TakeObservedKeys()) {
      std::printf("key %X %X\n", key.vk, key.flags);
      if (key.vk == VK_ESCAPE && IsUp(key)) done = true;
    }
  }
  StopKeyObserver();
  wchar_t text[64] = {};
  GetWindowTextW(g_edit, text, 64);
  std::printf("text");
  for (const wchar_t* c = text; *c; ++c) std::printf(" U+%04X", static_cast<unsigned>(*c));
  std::printf("\n");
  return 0;
}
