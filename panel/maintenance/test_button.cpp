#include "panel/maintenance/test_button.h"

namespace tavel::panel {
namespace {

constexpr LPARAM kRepeatBit = 1 << 30;  // the key was already down

}  // namespace

LRESULT CTestBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      const LRESULT code = Default(message, wParam, lParam);
      return wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) return Default(message, wParam, lParam);
      if (!(lParam & kRepeatBit)) {
        SendMessageW(GetParent(Handle()), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
      }
      return 0;
    case WM_KILLFOCUS: {
      const LRESULT result = Default(message, wParam, lParam);
      focusLost_();
      return result;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tavel::panel
