#include "panel/framework/window.h"

#include <windows.h>

#include <commctrl.h>

namespace tavel::ui {
namespace {

constexpr UINT_PTR kSubclassId = 1;

void RegisterPlainClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kPlainWindowClass, &wc)) return;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPlainWindowClass;
  RegisterClassExW(&wc);
}

}  // namespace

CWindow::~CWindow() {
  if (subclassed_ && hwnd_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  if (!subclassed_ && hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

bool CWindow::Create(DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect,
                     HWND parent) {
  RegisterPlainClass(PlainProc);
  return CreateWindowExW(exStyle, kPlainWindowClass, title, style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                         GetModuleHandleW(nullptr), this) != nullptr;
}

void CWindow::Subclass(HWND hwnd) {
  if (!hwnd || hwnd_) return;
  hwnd_ = hwnd;
  subclassed_ = true;
  SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return DefSubclassProc(hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void CWindow::Detach() {
  hwnd_ = nullptr;
  subclassed_ = false;
}

LRESULT CALLBACK CWindow::PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = self->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->Detach();
  }
  return result;
}

LRESULT CALLBACK CWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR selfWord) {
  auto* self = reinterpret_cast<CWindow*>(selfWord);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    self->Detach();
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  return self->WindowProc(message, wParam, lParam);
}

}  // namespace tavel::ui
