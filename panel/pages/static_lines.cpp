#include "panel/pages/static_lines.h"

namespace tavel::panel {

LRESULT CStaticGreyLine::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  HPEN pen = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ old = SelectObject(dc, pen);
  const int y = client.top + (client.bottom - client.top) / 2;
  MoveToEx(dc, client.left, y, nullptr);
  LineTo(dc, client.right, y);
  SelectObject(dc, old);
  DeleteObject(pen);
  EndPaint(Handle(), &paint);
  return 0;
}

LRESULT CStaticVertLine::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT window;
  GetWindowRect(Handle(), &window);
  const RECT line{(window.right - window.left) / 2, 0, (window.right - window.left) / 2 + 1,
                  window.bottom - window.top};
  FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
  EndPaint(Handle(), &paint);
  return 0;
}

}  // namespace tavel::panel
