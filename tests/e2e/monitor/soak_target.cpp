// A visible window for the soak test to type into. It counts the characters
// it receives, by code point, and when Escape arrives prints them:
//   char XXXX COUNT     (hexadecimal code point, decimal count)
// The Alt key alone does not enter menu mode here, so a character typed
// after an Alt tap is counted like any other.
#include <windows.h>

#include <cstdio>
#include <map>

namespace {

std::map<unsigned, unsigned> g_chars;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (wParam == VK_ESCAPE) {
        DestroyWindow(hwnd);
      } else {
        ++g_chars[static_cast<unsigned>(wParam)];
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"TavelSoakTarget";
  RegisterClassW(&windowClass);
  CreateWindowExW(0, L"TavelSoakTarget", L"Tavel soak target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                  300, 150, nullptr, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  for (const auto& [codePoint, count] : g_chars) std::printf("char %04X %u\n", codePoint, count);
  return 0;
}
