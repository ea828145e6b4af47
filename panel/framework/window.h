// The framework's window: an object bound to one HWND whose messages arrive
// in a virtual WindowProc. It either creates a plain window of its own or
// takes over (subclasses) a window that exists already, such as a control.
#pragma once

#include <windows.h>

namespace tavel::ui {

// The class of the framework's plain windows: the program's main window.
inline constexpr wchar_t kPlainWindowClass[] = L"TavelkitWnd";

class CWindow {
 public:
  CWindow() = default;
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;
  virtual ~CWindow();

  HWND Handle() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // A window of the framework's plain class, top-level when parent is null.
  bool Create(DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect, HWND parent);
  // Routes the messages of an existing window through WindowProc first.
  void Subclass(HWND hwnd);

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // What the window did with a message before it was ours.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  void Detach();

  HWND hwnd_ = nullptr;
  bool subclassed_ = false;
};

}  // namespace tavel::ui
