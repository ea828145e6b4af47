#include "monitor/win32/monitor_window_win32.h"

#include "monitor/channel_records.h"

namespace tavel {

namespace {

struct WindowContext {
  MonitorWindow* window;
  Win32WindowTimers* timers;
};
WindowContext g_context;

LRESULT CALLBACK MonitorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) g_context.timers->Attach(hwnd);
  g_context.window->HandleMessage(reinterpret_cast<WindowHandle>(hwnd), message, wParam, lParam);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void RunMonitorWindow(HINSTANCE instance, MonitorWindow& window, Win32WindowTimers& timers) {
  g_context = {&window, &timers};
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MonitorWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kMonitorWindowClass;
  RegisterClassA(&windowClass);  // a failure shows as failed creation below

  HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, kMonitorWindowClass, nullptr, WS_POPUP, 100, 100, 100,
                              100, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tavel
