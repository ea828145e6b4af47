#include "panel/tab_scroll_arrows.h"

#include <windows.h>

#include <commctrl.h>

namespace tavel::panel {

void CMySpinButtonCtrl::Adopt(HWND tabStrip) {
  if (Handle()) return;
  HWND arrows = FindWindowExW(tabStrip, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return;
  Subclass(arrows);
  RECT r;
  GetWindowRect(arrows, &r);
  MapWindowPoints(nullptr, tabStrip, reinterpret_cast<POINT*>(&r), 2);
  InflateRect(&r, -3, -2);
  OffsetRect(&r, 3, 5);
  MoveWindow(arrows, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

LRESULT CMySpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return Default(message, wParam, lParam);
}

void CMySpinButtonCtrl::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT client;
  GetClientRect(Handle(), &client);
  RECT left = client;
  left.right = (client.left + client.right) / 2;
  RECT right = client;
  right.left = left.right;
  // Frame controls are drawn in the face, highlight and shadow colours.
  DrawFrameControl(dc, &left, DFC_SCROLL, DFCS_SCROLLLEFT);
  DrawFrameControl(dc, &right, DFC_SCROLL, DFCS_SCROLLRIGHT);
  EndPaint(Handle(), &ps);
}

}  // namespace tavel::panel
