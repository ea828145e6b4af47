#include "panel/pages/custom_combo_boxes.h"

#include <commctrl.h>

namespace tavel::panel {
namespace {

bool IsDropped(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

// Windows 2000's extended combo box does not open its list on a click the
// way later systems do.
bool IsWindows2000() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
         version.dwMinorVersion == 0;
}

}  // namespace

bool HandleClosedListKey(HWND combo, UINT message, WPARAM key) {
  if ((message != WM_KEYDOWN && message != WM_CHAR) || IsDropped(combo)) return false;
  // A typed letter would pick the next item starting with it.
  if (message == WM_CHAR) return key > L' ';
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    default:
      return false;
  }
}

LRESULT CCustComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleClosedListKey(Handle(), message, wParam)) return 0;
  return Default(message, wParam, lParam);
}

void CCustComboBoxEx::Attach(HWND comboEx) {
  outer_ = comboEx;
  Subclass(reinterpret_cast<HWND>(SendMessageW(comboEx, CBEM_GETCOMBOCONTROL, 0, 0)));
}

LRESULT CCustComboBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleClosedListKey(Handle(), message, wParam)) return 0;
  if (message == WM_LBUTTONDOWN && IsWindows2000()) {
    if (IsDropped(Handle())) {
      SendMessageW(Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    } else {
      SetFocus(Handle());
      SendMessageW(Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    }
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tavel::panel
